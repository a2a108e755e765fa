#include "model/picturepaths.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kinrow {

QString PictureSeparators(const QString& path)
{
    QString result = path;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return result;
}

bool IsDriveLetterPath(const QString& path)
{
    return path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].unicode() < 128 &&
           path[0].isLetter();
}

bool IsPictureExtension(const QString& path)
{
    const QString name = PictureSeparators(path).section(QLatin1Char('/'), -1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QString extension = name.mid(dot).toLower();
    return extension == QLatin1String(".bmp") || extension == QLatin1String(".jpg") ||
           extension == QLatin1String(".jpeg");
}

QString RelativePicturePath(const QString& path, const QString& familyFolder)
{
    const QString slashed = PictureSeparators(path);
    if (!slashed.startsWith(QLatin1Char('/')) || familyFolder.isEmpty())
        return slashed;
    const QStringList folder = QDir::cleanPath(PictureSeparators(familyFolder))
                                   .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const QStringList picture =
        QDir::cleanPath(slashed).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    qsizetype common = 0;
    // The file name itself is never a common folder.
    while (common < folder.size() && common + 1 < picture.size() &&
           folder[common] == picture[common])
        ++common;
    QStringList parts;
    for (qsizetype i = common; i < folder.size(); ++i)
        parts.append(QStringLiteral(".."));
    parts.append(picture.mid(common));
    const QString relative = parts.join(QLatin1Char('/'));
    // A relative form that grew past what a family file holds stays absolute.
    return !PictureEntryFits(relative) && slashed.size() < relative.size() ? slashed : relative;
}

bool PictureFileExists(const QString& path)
{
    const QString slashed = PictureSeparators(path);
    // No file name holds a NUL, and the file system calls would only complain about it.
    return !slashed.isEmpty() && !slashed.contains(QChar(0)) && !IsDriveLetterPath(slashed) &&
           QFileInfo(slashed).isFile();
}

bool OpenRegularFile(QFile& file, const QString& path)
{
    file.close();
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    // O_NONBLOCK keeps the open of a FIFO without a writer from waiting; fstat then decides on
    // the very file opened, so nothing can swap it in between.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

namespace {

QString AbsoluteEntryPath(const QString& entry, const QString& folder)
{
    return QDir::cleanPath(QDir(folder).absoluteFilePath(PictureSeparators(entry)));
}

// The path with its folders resolved and its last part kept, link or not.
QString FoldersResolved(const QString& path)
{
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? path : QDir(folder).filePath(info.fileName());
}

} // namespace

QStringList PictureFileReach(const QString& entry, const QString& folder)
{
    QStringList reach;
    if (entry.isEmpty() || IsDriveLetterPath(entry) || entry.contains(QChar(0)))
        return reach;
    QString path = AbsoluteEntryPath(entry, folder);
    // A loop of links ends somewhere; forty steps is what the system itself follows.
    for (int step = 0; step < 40; ++step) {
        const QString name = FoldersResolved(path);
        if (reach.contains(name))
            break;
        reach.append(name);
        const QFileInfo info(path);
        if (!info.isSymLink())
            break;
        path = QDir::cleanPath(info.symLinkTarget());
    }
    const QString canonical = QFileInfo(AbsoluteEntryPath(entry, folder)).canonicalFilePath();
    if (!canonical.isEmpty() && !reach.contains(canonical))
        reach.append(canonical);
    return reach;
}

QString PictureDeletionName(const QString& entry, const QString& folder)
{
    if (entry.isEmpty() || IsDriveLetterPath(entry) || entry.contains(QChar(0)))
        return QString();
    return FoldersResolved(AbsoluteEntryPath(entry, folder));
}

QString RebasedPicturePath(const QString& path, const QString& fromFolder, const QString& toFolder)
{
    if (IsDriveLetterPath(path))
        return path;
    const QString absolute = QDir(fromFolder).absoluteFilePath(PictureSeparators(path));
    return RelativePicturePath(QDir::cleanPath(absolute), toFolder);
}

} // namespace kinrow
