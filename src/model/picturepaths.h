#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

namespace kinrow {

// Picture file names as family files hold them: "\" and "/" both separate folders when
// reading, "/" is stored, and a picture is named relative to the family file's folder.

// The longest picture entry a family file can hold: it is saved on one "2 FILE " line, and a
// file with a line over 270 characters cannot be opened again.
constexpr qsizetype MaxPictureEntryLength = 270 - 7;

// Whether an entry can be saved; one that cannot is refused where it enters the family.
inline bool PictureEntryFits(const QString& entry)
{
    return entry.size() <= MaxPictureEntryLength;
}

// The path with every "\" turned into "/".
QString PictureSeparators(const QString& path);

// "C:..." style paths, which never name a file on this system.
bool IsDriveLetterPath(const QString& path);

// True for the picture types the program shows: .bmp, .jpg and .jpeg, in any case.
bool IsPictureExtension(const QString& path);

// The path as stored: an absolute path becomes relative to familyFolder (common leading
// folders dropped, one "../" per remaining folder of the family folder, then the rest); a
// relative path or a drive-letter path is kept. Separators are "/" in every case.
QString RelativePicturePath(const QString& path, const QString& familyFolder);

// A stored picture path relative to fromFolder, stored anew relative to toFolder, so that it
// names the same file once toFolder is the family's folder; drive-letter paths are kept.
QString RebasedPicturePath(const QString& path, const QString& fromFolder, const QString& toFolder);

// Whether a picture path read from a family file names an existing regular file (through any
// links); relative paths are looked up in the current folder. A folder, a FIFO or a device is
// no picture.
bool PictureFileExists(const QString& path);

// Opens path for reading only when it is a regular file (through any links), without ever
// waiting: a FIFO or a device would block the open or the reads for good. False, and file
// closed, for anything else.
bool OpenRegularFile(QFile& file, const QString& path);

// The names under which deleting a file would take a picture away from an entry: the entry's
// own path resolved against folder, each link it passes through and the file at its end, each
// with its folders resolved. An entry that names the deleted name in any of these loses it.
QStringList PictureFileReach(const QString& entry, const QString& folder);

// The name that deleting the entry's file removes: its path resolved against folder with its
// folders resolved, the link itself when it is a link.
QString PictureDeletionName(const QString& entry, const QString& folder);

} // namespace kinrow
