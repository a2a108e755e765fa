#include "chartpdf.h"

#include "chart/ancestorslots.h"
#include "chart/chartprintout.h"
#include "drawing/drawingpainter.h"

#include <QImageReader>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace kinrow {

QString WriteChartPdf(const PersonList& persons, qint32 recNo, const QString& familyFolder,
                      Lang lang, QIODevice& device)
{
    ChartPrintOptions options;
    options.lang = lang;
    options.pictureFolder = familyFolder;
    options.pictureSize = [](const QString& path) { return QImageReader(path).size(); };
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
    DrawingPainter(painter).draw(drawing);
    if (!painter.end())
        return QStringLiteral("the PDF writer could not finish");
    return QString();
}

} // namespace kinrow
