#pragma once

#include <QString>

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

// Whether a picture path read from a family file names an existing file; relative paths are
// looked up in the current folder.
bool PictureFileExists(const QString& path);

} // namespace kinrow
