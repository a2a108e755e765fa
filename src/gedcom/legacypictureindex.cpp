#include "gedcom/legacypictureindex.h"

#include <algorithm>
#include <tuple>

namespace kinrow {

namespace {

int ExtensionRank(const QString& name)
{
    static const QString extensions[] = {QStringLiteral(".bmp"), QStringLiteral(".jpg"),
                                         QStringLiteral(".jpeg")};
    for (int rank = 0; rank < 3; ++rank)
        if (name.endsWith(extensions[rank], Qt::CaseInsensitive))
            return rank;
    return -1;
}

} // namespace

LegacyPictureIndex::LegacyPictureIndex(const QStringList& files, qint64 recordCount) : files_(files)
{
    for (int file = 0; file < files_.size(); ++file)
        addFile(files_.at(file), file, recordCount);
    std::sort(hits_.begin(), hits_.end(), [](const Hit& a, const Hit& b) {
        return std::tie(a.record, a.extension, a.file) < std::tie(b.record, b.extension, b.file);
    });
}

void LegacyPictureIndex::FindLegacyPictures(qint64 record, const QString& folder,
                                            QStringList& pictures)
{
    while (next_ < hits_.size() && hits_[next_].record < record)
        ++next_;
    for (; next_ < hits_.size() && hits_[next_].record == record; ++next_)
        pictures.append(folder + files_.at(hits_[next_].file));
}

// A name such as "000012.bmp" starts with the five digits of record 1, so each leading run of
// five or more digits is a candidate; the list stays short because numbers only grow.
void LegacyPictureIndex::addFile(const QString& name, int file, qint64 recordCount)
{
    const int extension = ExtensionRank(name);
    if (extension < 0)
        return;
    qint64 number = 0;
    for (int k = 0; k < name.size(); ++k) {
        const char16_t c = name.at(k).unicode();
        if (c < u'0' || c > u'9')
            break;
        // Numbers of six digits and more are written without leading zeros.
        if (k >= 5 && name.at(0) == u'0')
            break;
        number = number * 10 + (c - u'0');
        if (number > recordCount)
            break;
        if (k >= 4 && number >= 1)
            hits_.push_back({number, extension, file});
    }
}

} // namespace kinrow
