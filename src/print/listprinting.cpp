#include "print/listprinting.h"

#include "drawing/drawingpainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QtMath>

namespace kinrow {

ListPrintResult PrintListPages(QPagedPaintDevice& device, const std::vector<ListPrintRow>& rows,
                               ListPrintOptions options)
{
    ListPrintResult result;
    QPainter painter;
    if (!painter.begin(&device)) {
        result.reason = LangText(Msg::OutputNotOpened, options.lang);
        return result;
    }
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
