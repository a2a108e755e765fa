#include "gedcom/familysave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <filesystem>
#include <system_error>

namespace kinrow {

namespace {

std::filesystem::path nativePath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString failure(const QString& path, const QString& reason)
{
    return QStringLiteral("%1\n%2").arg(QDir::toNativeSeparators(path), reason);
}

// The previous file becomes the backup through a hard link, so the family file never
// disappears from its name; a copy serves where the file system has no hard links.
bool makeBackup(const QString& path, QString& error, Lang lang)
{
    const QFileInfo old(path);
    if (!old.exists())
        return true;
    // The new file replaces the link's target, so the backup must keep that target.
    const auto from = nativePath(old.canonicalFilePath());
    const auto to = nativePath(BackupName(path));
    std::error_code ec;
    if (std::filesystem::is_directory(to, ec)) {
        error = LangText(Msg::BackupNameTakenByFolder, lang);
        return false;
    }
    std::filesystem::remove(to, ec);
    if (ec) {
        error = QString::fromStdString(ec.message());
        return false;
    }
    std::filesystem::create_hard_link(from, to, ec);
    if (!ec)
        return true;
    ec.clear();
    if (!std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing,
                                    ec)) {
        error = QString::fromStdString(ec.message());
        return false;
    }
    return true;
}

// A failed write names the full disk: the file system's own report of a short write is
// often only "Unknown error".
SaveResult writeFailure(const QString& path, const QString& reason, qint64 size)
{
    SaveResult result{false, failure(path, reason)};
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    result.diskFull = disk.isValid() && disk.bytesAvailable() < size;
    return result;
}

// A short write is retried for the rest, so that a failure comes with the system's reason
// (a full disk, a file too large) instead of none.
bool writeAll(QSaveFile& file, const QByteArray& bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

SaveResult writeReplacing(const QString& path, const std::vector<QByteArray>& parts, bool backup,
                          Lang lang, const FileStamp* expected = nullptr)
{
    qint64 size = 0;
    for (const QByteArray& part : parts)
        size += part.size();
    if (QFileInfo(path).isDir())
        return {false, failure(path, LangText(Msg::NameTakenByFolder, lang))};
    QSaveFile file(path);
    // Never fall back to writing the family file in place: a failure half way would lose it.
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a failed write reports itself here with its reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailure(path, file.errorString(), size);
    for (const QByteArray& part : parts) {
        if (!writeAll(file, part)) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return writeFailure(path, reason, size);
        }
    }
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return writeFailure(path, reason, size);
    }
    if (expected && ChangedSince(path, *expected)) {
        file.cancelWriting();
        SaveResult changed{false, failure(path, LangText(Msg::FileChangedBeforeSave, lang))};
        changed.changedOnDisk = true;
        return changed;
    }
    QString reason;
    if (backup && !makeBackup(path, reason, lang)) {
        file.cancelWriting();
        return {false, failure(BackupName(path), reason)};
    }
    if (!file.commit())
        return writeFailure(path, file.errorString(), size);
    return {true, {}};
}

} // namespace

SaveResult WriteFileThrough(const QString& path, const std::function<bool(QIODevice&)>& write,
                            Lang lang)
{
    const QFileInfo target(path);
    if (target.isDir())
        return {false, failure(path, LangText(Msg::NameTakenByFolder, lang))};
    // A device or a pipe would be replaced by a plain file of that name.
    if (target.exists() && !target.isFile())
        return {false, failure(path, LangText(Msg::NotRegularFile, lang))};
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return writeFailure(path, file.errorString(), 0);
    if (!write(file) || !file.flush()) {
        const QString reason = file.errorString();
        // Judged before the partial file goes: it is what filled the disk. A write that failed
        // with less than a piece of room left failed for lack of room.
        SaveResult result = writeFailure(path, reason, 64 * 1024);
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return writeFailure(path, file.errorString(), 0);
    return {true, {}};
}

QString BackupName(const QString& familyFile)
{
    static const QLatin1String ged(".ged");
    if (familyFile.endsWith(ged, Qt::CaseInsensitive) && familyFile.size() > ged.size())
        return familyFile.left(familyFile.size() - ged.size()) + QStringLiteral(".bak");
    return familyFile + QStringLiteral(".bak");
}

SaveResult SaveFamilyFile(const QString& path, const PersonList& persons,
                          const WriteOptions& options, Lang lang)
{
    return writeReplacing(path, WriteGedcomParts(persons, path, options), true, lang);
}

SaveResult SaveFamilyFileIfUnchanged(const QString& path, const PersonList& persons,
                                     const WriteOptions& options, const FileStamp& expected,
                                     Lang lang)
{
    return writeReplacing(path, WriteGedcomParts(persons, path, options), true, lang, &expected);
}

SaveResult WriteFileAtomically(const QString& path, const QByteArray& bytes, Lang lang)
{
    return writeReplacing(path, {bytes}, false, lang);
}

} // namespace kinrow
