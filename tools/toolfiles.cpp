#include "toolfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace kinrow {

namespace {

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// What kind of thing a name leads to, for the user; empty for a regular file.
QString kindText(const struct stat& info)
{
    if (S_ISREG(info.st_mode))
        return {};
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("is a folder");
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return QStringLiteral("is a device");
    if (S_ISFIFO(info.st_mode))
        return QStringLiteral("is a FIFO (named pipe)");
    if (S_ISSOCK(info.st_mode))
        return QStringLiteral("is a socket");
    return QStringLiteral("is not a regular file");
}

bool statOf(const QString& path, struct stat& info)
{
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString UnreadableReason(const QString& path)
{
    struct stat info = {};
    if (!statOf(path, info))
        return errno == ENOENT ? QStringLiteral("no such file") : systemText(errno);
    return kindText(info);
}

bool SameFile(const QString& a, const QString& b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    if (!canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath())
        return true;
    struct stat infoA = {};
    struct stat infoB = {};
    return statOf(a, infoA) && statOf(b, infoB) && infoA.st_dev == infoB.st_dev &&
           infoA.st_ino == infoB.st_ino;
}

QString RefusedOutput(const QString& output, const QStringList& readFiles)
{
    for (const QString& read : readFiles) {
        if (SameFile(output, read))
            return QStringLiteral("cannot write %1: it is the family file %2 itself")
                .arg(shown(output), shown(read));
    }
    struct stat info = {};
    if (!statOf(output, info))
        return {}; // a new name, or one the write itself will report
    const QString kind = kindText(info);
    if (kind.isEmpty())
        return {};
    return QStringLiteral("cannot write %1: it %2; only a regular file or a new name is written")
        .arg(shown(output), kind);
}

QString WriteFailureText(const QString& path, const QString& reason, qint64 bytes, Lang lang)
{
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    const bool full =
        reason == systemText(ENOSPC) || (disk.isValid() && disk.bytesAvailable() < bytes);
    QString why = reason;
    if (full)
        why = LangText(Msg::DiskFull, lang);
    else if (why.isEmpty() || why == u"Unknown error")
        why = QStringLiteral("the file could not be written in full");
    return QStringLiteral("cannot write %1: %2").arg(shown(path), why);
}

// Gathers the writes into pieces and passes each on to the temporary file in full, retrying
// what a short write left, and remembers the first failure with the system's reason.
class OutputFile::Checked : public QIODevice
{
public:
    explicit Checked(QSaveFile& file) : file_(file) {}

    bool failed() const { return !reason_.isNull(); }
    const QString& reason() const { return reason_; }
    qint64 bytes() const { return bytes_; }

    // Writes what is gathered; false after a failure.
    bool drain()
    {
        for (qint64 done = 0; !failed() && done < pending_.size();) {
            const qint64 written = file_.write(pending_.constData() + done, pending_.size() - done);
            if (written <= 0)
                reason_ = file_.errorString();
            else
                done += written;
        }
        bytes_ += pending_.size();
        pending_.clear();
        return !failed();
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        constexpr qsizetype kPiece = 256 * 1024;
        pending_.append(data, size);
        if (pending_.size() >= kPiece && !drain())
            return -1;
        return failed() ? -1 : size;
    }

private:
    QSaveFile& file_;
    QByteArray pending_;
    QString reason_;
    qint64 bytes_ = 0;
};

OutputFile::OutputFile(const QString& path, Lang lang) : path_(path), lang_(lang), file_(path)
{
    // Never write the target in place: a failure half way would leave it cut short.
    file_.setDirectWriteFallback(false);
}

OutputFile::~OutputFile() = default;

QString OutputFile::open()
{
    // Unbuffered, so that a failed write reports itself at once with its reason.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return WriteFailureText(path_, file_.errorString(), 0, lang_);
    checked_ = std::make_unique<Checked>(file_);
    checked_->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return {};
}

QIODevice& OutputFile::device()
{
    return *checked_;
}

QString OutputFile::commit(const QString& failure)
{
    if (!checked_)
        return WriteFailureText(path_, QString(), 0, lang_);
    if (!checked_->drain() || !failure.isEmpty()) {
        file_.cancelWriting();
        file_.commit(); // drops the temporary file
        return checked_->failed()
                   ? WriteFailureText(path_, checked_->reason(), checked_->bytes(), lang_)
                   : QStringLiteral("cannot write %1: %2").arg(shown(path_), failure);
    }
    if (!file_.commit())
        return WriteFailureText(path_, file_.errorString(), checked_->bytes(), lang_);
    return {};
}

QString WriteOutputFile(const QString& path, Lang lang,
                        const std::function<QString(QIODevice&)>& write)
{
    OutputFile file(path, lang);
    if (QString error = file.open(); !error.isEmpty())
        return error;
    return file.commit(write(file.device()));
}

QString WriteOutputFile(const QString& path, const QByteArray& bytes, Lang lang)
{
    return WriteOutputFile(path, lang, [&bytes](QIODevice& out) {
        out.write(bytes);
        return QString();
    });
}

} // namespace kinrow
