#include "model/picturepaths.h"

#include <QDir>
#include <QFileInfo>

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

QString RebasedPicturePath(const QString& path, const QString& fromFolder, const QString& toFolder)
{
    if (IsDriveLetterPath(path))
        return path;
    const QString absolute = QDir(fromFolder).absoluteFilePath(PictureSeparators(path));
    return RelativePicturePath(QDir::cleanPath(absolute), toFolder);
}

} // namespace kinrow
