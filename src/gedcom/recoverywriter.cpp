#include "gedcom/recoverywriter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace kinrow {

namespace {

// Writes bytes to path and waits until they are on the disk; the reason when that failed.
QString WriteDurably(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.errorString();
    bool ok = file.write(bytes) == bytes.size() && file.flush();
#ifdef Q_OS_UNIX
    ok = ok && ::fsync(file.handle()) == 0;
#endif
    const QString reason = file.errorString();
    file.close();
    if (ok && file.error() == QFileDevice::NoError)
        return {};
    QFile::remove(path);
    return reason.isEmpty() ? QStringLiteral("write error") : reason;
}

} // namespace

RecoveryWriter::RecoveryWriter(Session& session, const QString& folder, WriteOptions options,
                               QObject* parent)
    : QObject(parent), session_(session), options_(std::move(options))
{
    QDir().mkpath(folder);
    baseName_ = QStringLiteral("kinrow-%1-%2")
                    .arg(QCoreApplication::applicationPid())
                    .arg(QDateTime::currentMSecsSinceEpoch());
    info_ = NewRecoveryInfo(folder, baseName_);
    pool_.setMaxThreadCount(1);
    timer_.setSingleShot(true);
    timer_.setInterval(DefaultInterval);
    connect(&timer_, &QTimer::timeout, this, &RecoveryWriter::writeNow);
    copyStep_.setInterval(0);
    connect(&copyStep_, &QTimer::timeout, this, &RecoveryWriter::copySome);
    connect(&session_, &Session::familyChanged, this, &RecoveryWriter::familyChanged);
    connect(&session_, &Session::enablingChanged, this, [this] {
        if (!session_.unsavedChanges())
            discard();
    });
}

RecoveryWriter::~RecoveryWriter()
{
    pool_.waitForDone();
    QFile::remove(partPath());
}

void RecoveryWriter::familyChanged()
{
    if (snapshot_)
        snapshot_->clear(); // the copy under way no longer matches the family: start it again
    else if (writing_)
        changedWhileWriting_ = true;
    else if (!timer_.isActive())
        timer_.start();
}

void RecoveryWriter::writeNow()
{
    if (!session_.unsavedChanges())
        return;
    snapshot_ = std::make_shared<PersonList>();
    snapshot_->reserve(session_.persons().size());
    copyStep_.start();
}

void RecoveryWriter::copySome()
{
    const PersonList& persons = session_.persons();
    if (snapshot_->size() > persons.size())
        snapshot_->clear();
    const std::size_t end = std::min(persons.size(), snapshot_->size() + CopyStep);
    snapshot_->insert(snapshot_->end(), persons.begin() + qsizetype(snapshot_->size()),
                      persons.begin() + qsizetype(end));
    if (snapshot_->size() < persons.size())
        return;
    copyStep_.stop();
    std::shared_ptr<const PersonList> copy = std::move(snapshot_);
    const QString original = QFileInfo(session_.familyFileName).absoluteFilePath();
    const qint32 recNo = session_.recNoMain();
    const quint64 generation = generation_;
    const QString part = partPath();
    writing_ = true;
    pool_.start([this, copy, original, recNo, generation, part, options = options_] {
        const QByteArray bytes = WriteGedcomBytes(*copy, original, options);
        Written done;
        done.error = WriteDurably(part, bytes);
        done.size = bytes.size();
        if (done.error.isEmpty())
            done.checksum = RecoveryChecksum(bytes);
        QMetaObject::invokeMethod(
            this, [=, this] { finishWrite(generation, done, original, recNo); },
            Qt::QueuedConnection);
    });
}

void RecoveryWriter::finishWrite(quint64 generation, const Written& done,
                                 const QString& originalFile, qint32 recNoMain)
{
    writing_ = false;
    const bool wanted = generation == generation_ && session_.unsavedChanges();
    if (!wanted) {
        QFile::remove(partPath());
    } else if (!done.error.isEmpty()) {
        QFile::remove(partPath());
        reportFailure(done.error);
    } else {
        // Each copy gets a new name and its record is replaced in one step, so that the record
        // always names a copy written in full; the one it named before goes afterwards.
        const QString previous = info_.dataPath;
        RecoveryInfo next = info_;
        next.dataPath = QFileInfo(info_.dataPath)
                            .dir()
                            .filePath(QStringLiteral("%1-%2.ged").arg(baseName_).arg(++written_));
        next.originalFile = originalFile;
        next.recNoMain = recNoMain;
        next.written = QDateTime::currentDateTime();
        next.dataSize = done.size;
        next.checksum = done.checksum;
        if (std::rename(QFile::encodeName(partPath()).constData(),
                        QFile::encodeName(next.dataPath).constData()) != 0) {
            QFile::remove(partPath());
            reportFailure(QString::fromLocal8Bit(std::strerror(errno)));
        } else if (!WriteRecoveryInfo(next)) {
            QFile::remove(next.dataPath);
            reportFailure(QDir::toNativeSeparators(info_.infoPath));
        } else {
            if (previous != next.dataPath)
                QFile::remove(previous);
            info_ = next;
            failureSaid_ = false;
            Q_EMIT written();
        }
    }
    if (std::exchange(changedWhileWriting_, false) && session_.unsavedChanges())
        timer_.start();
}

void RecoveryWriter::reportFailure(const QString& reason)
{
    if (std::exchange(failureSaid_, true))
        return;
    Q_EMIT failed(reason);
}

void RecoveryWriter::adopt(const RecoveryInfo& left, const QString& originalFile)
{
    RecoveryInfo next = info_;
    next.dataPath = QFileInfo(info_.dataPath)
                        .dir()
                        .filePath(QStringLiteral("%1-%2.ged").arg(baseName_).arg(++written_));
    if (!QFile::rename(left.dataPath, next.dataPath))
        return;
    QFile::remove(info_.dataPath);
    next.originalFile = originalFile;
    next.recNoMain = left.recNoMain;
    next.written = left.written;
    next.dataSize = left.dataSize;
    next.checksum = left.checksum;
    info_ = next;
    if (WriteRecoveryInfo(info_) && !left.infoPath.isEmpty())
        QFile::remove(left.infoPath);
}

void RecoveryWriter::discard()
{
    ++generation_;
    timer_.stop();
    copyStep_.stop();
    snapshot_.reset();
    changedWhileWriting_ = false;
    RemoveRecovery(info_);
}

} // namespace kinrow
