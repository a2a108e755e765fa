#include "print/listprinting.h"

#include "drawing/drawingpainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QtMath>

namespace kinrow {

namespace {

// The page size, resolution and text extent of the device; the device must outlive them.
void MeasureOn(QPagedPaintDevice& device, ListPrintOptions& options)
{
    options.pageDots = QSize(device.width(), device.height());
    options.dpiX = device.logicalDpiX();
    options.dpiY = device.logicalDpiY();
    options.textExtent = [&device](const QString& text, const DrawFont& font) {
        QFont qfont(font.family);
        qfont.setPointSizeF(font.pointSize);
        qfont.setBold(font.bold);
        const QFontMetricsF metrics(qfont, &device);
        return QSize(qCeil(metrics.horizontalAdvance(text)), qCeil(metrics.height()));
    };
}

} // namespace

int CountListPages(QPagedPaintDevice& device, const std::vector<ListPrintRow>& rows,
                   ListPrintOptions options)
{
    MeasureOn(device, options);
    return ListPageCount(rows, options);
}

ListPrintResult PrintListPages(QPagedPaintDevice& device, const std::vector<ListPrintRow>& rows,
                               ListPrintOptions options)
{
    ListPrintResult result;
    QPainter painter;
    if (!painter.begin(&device)) {
        result.reason = LangText(Msg::OutputNotOpened, options.lang);
        return result;
    }
    MeasureOn(device, options);
    const ListPrintout printout = BuildListPrintout(rows, options);
    result.pageCount = printout.pageCount;
    DrawingPainter drawer(painter);
    for (const Drawing& page : printout.pages) {
        if (result.pagesDrawn > 0 && !device.newPage()) {
            painter.end();
            result.reason = LangText(Msg::NewPageFailed, options.lang);
            return result;
        }
        drawer.draw(page);
        ++result.pagesDrawn;
    }
    if (!painter.end()) {
        result.reason = LangText(Msg::OutputNotFinished, options.lang);
        return result;
    }
    result.printed = true;
    return result;
}

} // namespace kinrow
