#pragma once

#include "model/person.h"
#include "print/listprintout.h"
#include "print/printtable.h"

#include <QCommandLineParser>
#include <QString>

class QIODevice;

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
    QString fontFamily = ListPrintOptions().fontFamily;
};

// Reads the options --scope, --columns, --sort and --pages into request; the text naming the
// bad value and why, empty when all are good.
QString ParseListOptions(const QCommandLineParser& parser, ListPdfRequest& request);

// The print table as the print page holds it after the request's scope and header click.
PrintTable ListTableOf(const PersonList& persons, const ListPdfRequest& request);

// The rows the request prints; problem is set when there is nothing to print (no row ticked,
// pages out of range: the page count is that of the A4 PDF the rows make).
std::vector<ListPrintRow> ListPdfRows(const PersonList& persons, const ListPdfRequest& request,
                                      QString& problem);

// Writes the list printout of rows as an A4 PDF into device. Needs a QGuiApplication for the
// fonts. Returns an error text, empty when the printout was written.
QString WriteListPdf(const std::vector<ListPrintRow>& rows, const ListPdfRequest& request,
                     QIODevice& device);

} // namespace kinrow
