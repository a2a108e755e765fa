#include "chartpdf.h"

#include "chart/ancestorslots.h"
#include "chart/chartprintout.h"
#include "drawing/drawingpainter.h"
#include "pictures/pictureloader.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace kinrow {

QString WriteChartPdf(const PersonList& persons, qint32 recNo, const QString& familyFolder,
                      Lang lang, const QString& fontFamily, QIODevice& device)
{
    ChartPrintOptions options;
    options.fontFamily = fontFamily;
    options.lang = lang;
    options.pictureFolder = familyFolder;
    // Only regular files are read: a picture entry naming a FIFO or a device is a missing one.
    options.pictureSize = [](const QString& path) { return PictureSize(path); };
    const AncestorChart chart = BuildAncestorChart(persons, recNo, lang);
    const Drawing drawing = ChartPrintout(persons, chart, options);

    QPdfWriter writer(&device);
    writer.setCreator(QStringLiteral("Kinrow"));
    // The frame is centred on the sheet; its corner is the printable area's corner.
    const double marginX = (297 - ChartFrameWidthMm) / 2;
    const double marginY = (210 - ChartFrameHeightMm) / 2;
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(marginX, marginY, marginX, marginY),
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return QStringLiteral("the PDF writer could not start");
    DrawingPainter drawer(painter);
    drawer.setPictureLoader(
        [](const QString& path, QSize dots) { return LoadPictureToFit(path, dots).image; });
    drawer.draw(drawing);
    if (!painter.end())
        return QStringLiteral("the PDF writer could not finish");
    return QString();
}

} // namespace kinrow
