#include "print/listprintjob.h"

#include "print/listprinting.h"
#include "ui/overridecursor.h"
#include "ui/prompts.h"

#include <QPrinter>

namespace kinrow {

void PrintListRows(Prompts& prompts, const std::vector<ListPrintRow>& rows,
                   const ListPrintOptions& options)
{
    if (rows.empty()) {
        prompts.message(MessageKind::Warning, LangText(Msg::NoCheckedPerson, options.lang));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    // Wrapped rows take more than one line, so the pages are counted on the printer's paper.
    const int pageCount = CountListPages(printer, rows, options);
    printer.setDocName(ListJobTitle);
    printer.setFromTo(1, pageCount);
    if (!prompts.choosePrinter(printer, pageCount))
        return;
    ListPrintOptions chosen = options;
    if (printer.printRange() == QPrinter::PageRange) {
        chosen.fromPage = printer.fromPage();
        chosen.toPage = printer.toPage();
    } else {
        chosen.fromPage = chosen.toPage = 0;
    }
    ListPrintResult result;
    {
        const OverrideCursorGuard hourglass;
        result = PrintListPages(printer, rows, chosen);
    }
    // A job the printer system refused or aborted is a failure, whatever the painter said.
    if (result.printed && (printer.printerState() == QPrinter::Error ||
                           printer.printerState() == QPrinter::Aborted)) {
        result.printed = false;
        result.reason = LangText(Msg::PrinterRefusedJob, options.lang);
    }
    if (!result.printed) {
        const QString target =
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        prompts.message(MessageKind::Warning, LangText(Msg::PrintFailed, options.lang) + target +
                                                  QStringLiteral("\r") + result.reason);
        return;
    }
    prompts.message(MessageKind::Information, LangText(Msg::PrintFinished, options.lang));
}

} // namespace kinrow
