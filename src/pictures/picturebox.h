#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace kinrow {

// What the picture counter and the picture buttons show for one person.
struct PictureCounterState
{
    int tag = 0;                    // 1-based number of the picture on show, 0 for none
    QString caption;                // "2/5", or " 0/0" without pictures
    std::optional<bool> addEnabled; // set only for a person without pictures; else left alone
    bool deleteEnabled = false;
    bool nextEnabled = false;
    bool priorEnabled = false;
};

// The counter keeps its number across persons, limited to the person's picture count; a
// counter at 0 starts at the last picture.
PictureCounterState PictureCounter(int currentTag, int pictureCount);

// The rectangle, in panel coordinates, in which a picture of the given natural size is drawn:
// shrunk to the panel's inner size (never enlarged) and centred. Empty for an empty picture.
QRect FitPicture(QSize panelSize, QSize pictureSize);

// The size in bytes of a file, 0 when it cannot be opened.
qint64 FileSize(const QString& path);

// A whole number with "," between groups of three digits ("#,##0").
QString FormatThousands(qint64 value);

// The hint of the picture on show; lines are separated by a carriage return.
QString PictureHint(const QString& fileName, QSize pictureSize, qint64 fileSize);

} // namespace kinrow
