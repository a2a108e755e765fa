#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kinrow {

// Finds the pictures of each legacy record in one listing of the picture folder: a file belongs
// to record r when its name starts with r written with at least 5 digits and ends in .bmp, .jpg
// or .jpeg (any case).
class LegacyPictureIndex
{
public:
    // files: the folder's names in listing order; records above recordCount are never asked for.
    LegacyPictureIndex(const QStringList& files, qint64 recordCount);

    // Appends folder + name for every picture of record, bmp files first, then jpg, then jpeg,
    // each in listing order. Records must be asked for in ascending order.
    void FindLegacyPictures(qint64 record, const QString& folder, QStringList& pictures);

private:
    struct Hit
    {
        qint64 record;
        int extension;
        int file;
    };

    void addFile(const QString& name, int file, qint64 recordCount);

    const QStringList files_;
    std::vector<Hit> hits_;
    size_t next_ = 0;
};

} // namespace kinrow
