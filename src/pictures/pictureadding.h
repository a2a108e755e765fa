#pragma once

#include "model/person.h"

#include <QSize>
#include <QString>

#include <optional>

namespace kinrow {

// The longest stored picture name: its "2 FILE " line must stay within the reader's 270
// characters, or the saved family file would not open again.
inline constexpr qsizetype MaxPictureNameLength = 270 - 7;

// The name under which a chosen picture file is stored: relative to the family file's folder.
// Nothing when that name would make a file line the reader refuses.
std::optional<QString> StoredPictureName(const QString& chosenPath, const QString& familyFolder);

// Appends name to the person's pictures unless it is there already; returns its 1-based
// position in the list, which the picture counter then shows.
int AddPictureEntry(TTreeData& person, const QString& name, bool& added);

// Who else uses the file of picture number (1-based) of person recNo: the persons other than
// recNo, and other entries of recNo itself, that would lose their picture if the file were
// deleted (named however, also through a link). Entries are resolved against folder.
struct PictureFileUse
{
    int otherPersons = 0;
    bool otherEntryOfPerson = false;
    bool shared() const { return otherPersons > 0 || otherEntryOfPerson; }
};
PictureFileUse PictureFileUsers(const PersonList& persons, qint32 recNo, int number,
                                const QString& folder);

// Removes picture number (1-based) from the person's list, first deleting its file when asked
// (a file that is already gone is not an error; a link is deleted itself, never its target).
// False when there is no such picture.
bool RemovePictureEntry(TTreeData& person, int number, bool deleteFile);

// The client size of the picture viewer: the picture's own size, at least 50 x 60 and at
// most 600 x 400.
QSize PictureViewerClientSize(QSize pictureSize);

} // namespace kinrow
