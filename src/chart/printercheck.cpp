#include "chart/printercheck.h"

#include "chart/chartprintout.h"
#include "ui/prompts.h"

#include <QMarginsF>
#include <QPrinter>
#include <QPrinterInfo>

namespace kinrow {

namespace {

// A file has no unprintable edge: these margins centre the chart's 270 x 195 mm frame on
// landscape A4 and still leave the 275 mm the paper check asks for.
const QMarginsF FileMarginsMm(13.5, 7.5, 8.5, 7.5);

bool PrinterInstalled()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

} // namespace

bool PrintOutputAvailable(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty() && printer.isValid();
    return PrinterInstalled() && printer.isValid();
}

bool PrinterCheck(QPrinter& printer, Prompts& prompts, Lang lang, const QString& defaultPdf)
{
    if (!PrinterInstalled() &&
        (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(defaultPdf);
    }
    if (!PrintOutputAvailable(printer)) {
        prompts.message(MessageKind::Warning, LangText(Msg::NoInstalledPrinter, lang));
        return false;
    }
    if (!prompts.choosePrinter(printer, 0))
        return false;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setPageMargins(FileMarginsMm, QPageLayout::Millimeter);
    const bool landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    if (PaperTooSmallForChart(QSize(printer.width(), printer.height()), printer.logicalDpiX(),
                              printer.logicalDpiY(), landscape))
        prompts.message(MessageKind::Warning, LangText(Msg::PaperTooSmall, lang));
    return true;
}

} // namespace kinrow
