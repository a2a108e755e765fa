#pragma once

#include "model/person.h"
#include "print/listprintout.h"
#include "print/printtable.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace kinrow {

// What "kinrow-tool list" prints: the rows a scope ticks, the columns shown, the order and the
// page range.
struct ListPdfRequest
{
    PrintScope scope = PrintScope::All;
    qint32 familyRecNo = 1;
    QString surname;
    std::array<bool, ListColumnCount> shown{true, true, true, true, true};
    int sortColumn = 0;
    bool descending = false;
    int fromPage = 0;
    int toPage = 0;
    Lang lang = Lang::English;
};

// Reads the options after FILE and OUT.pdf; nothing on a malformed option.
std::optional<ListPdfRequest> ParseListOptions(QStringList args);

// The print table as the print page holds it after the request's scope and header click.
PrintTable ListTableOf(const PersonList& persons, const ListPdfRequest& request);

// Writes the list printout of the request into an A4 PDF file. Needs a QGuiApplication for
// the fonts. Returns an error text, empty when the file was written.
QString WriteListPdf(const PersonList& persons, const ListPdfRequest& request,
                     const QString& pdfPath);

} // namespace kinrow
