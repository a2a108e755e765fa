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
