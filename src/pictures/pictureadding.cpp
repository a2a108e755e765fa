#include "pictures/pictureadding.h"

#include "model/picturepaths.h"

#include <QFile>

namespace kinrow {

std::optional<QString> StoredPictureName(const QString& chosenPath, const QString& familyFolder)
{
    const QString name = RelativePicturePath(chosenPath, familyFolder);
    if (name.size() > MaxPictureNameLength)
        return std::nullopt;
    return name;
}

int AddPictureEntry(TTreeData& person, const QString& name, bool& added)
{
    const qsizetype at = person.Pictures.indexOf(name);
    added = at < 0;
    if (added)
        person.Pictures.append(name);
    return int(added ? person.Pictures.size() : at + 1);
}

PictureFileUse PictureFileUsers(const PersonList& persons, qint32 recNo, int number,
                                const QString& folder)
{
    PictureFileUse use;
    if (recNo < 1 || std::size_t(recNo) > persons.size())
        return use;
    const QStringList& own = persons[std::size_t(recNo - 1)].Pictures;
    if (number < 1 || number > own.size())
        return use;
    const QString deleted = PictureDeletionName(own[number - 1], folder);
    if (deleted.isEmpty())
        return use;
    for (std::size_t at = 0; at < persons.size(); ++at) {
        const QStringList& pictures = persons[at].Pictures;
        const bool self = qint32(at + 1) == recNo;
        for (qsizetype entry = 0; entry < pictures.size(); ++entry) {
            if (self && entry == number - 1)
                continue;
            if (!PictureFileReach(pictures[entry], folder).contains(deleted))
                continue;
            if (self) {
                use.otherEntryOfPerson = true;
            } else {
                ++use.otherPersons;
                break;
            }
        }
    }
    return use;
}

bool RemovePictureEntry(TTreeData& person, int number, bool deleteFile)
{
    if (number < 1 || number > person.Pictures.size())
        return false;
    if (deleteFile) {
        const QString file = PictureSeparators(person.Pictures[number - 1]);
        if (PictureFileExists(file))
            QFile::remove(file);
    }
    person.Pictures.removeAt(number - 1);
    return true;
}

QSize PictureViewerClientSize(QSize pictureSize)
{
    const int width = pictureSize.width() < 51 ? 50 : qMin(pictureSize.width(), 600);
    const int height = pictureSize.height() < 61 ? 60 : qMin(pictureSize.height(), 400);
    return QSize(width, height);
}

} // namespace kinrow
