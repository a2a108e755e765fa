#pragma once

#include "chart/ancestorslots.h"
#include "drawing/drawing.h"
#include "model/messages.h"
#include "model/person.h"

#include <QSize>
#include <QString>

#include <functional>

namespace kinrow {

struct ChartPrintOptions
{
    QString fontFamily = QStringLiteral("MS Sans Serif");
    Lang lang = Lang::English;
    // The folder relative picture names are resolved in: the family file's folder.
    QString pictureFolder;
    // The size in pixels of a picture file; empty when the file cannot be read.
    std::function<QSize(const QString& path)> pictureSize;
};

// Width and height of the chart's frame in millimetres, drawn from the printable area's corner.
inline constexpr double ChartFrameWidthMm = 270;
inline constexpr double ChartFrameHeightMm = 195;

// Whether a printer's printable area, in dots at its resolutions and in its current orientation,
// is smaller than 195 x 275 mm with the sheet upright, the least the chart needs.
bool PaperTooSmallForChart(QSize printableDots, int dpiX, int dpiY, bool landscape);

// The printout of a chart on one landscape A4 sheet as a drawing list in millimetres.
Drawing ChartPrintout(const PersonList& persons, const AncestorChart& chart,
                      const ChartPrintOptions& options);

} // namespace kinrow
