#pragma once

#include "drawing/drawing.h"
#include "model/messages.h"

#include <QSize>
#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace kinrow {

class PrintTable;

inline constexpr int ListColumnCount = 9;
inline constexpr int ListRowsPerPage = 60;
inline constexpr double ListMarginMm = 20;
inline constexpr double ListColumnGapMm = 2;
inline constexpr double ListTitleLeftMm = 8;
inline constexpr double ListHeaderLineMm = 23;

// One checked row of the print table: its record number and the texts of its nine columns
// (number, given name, surname, birth place, birth and death, mother, father, spouses,
// children).
struct ListPrintRow
{
    qint32 recNo = 0;
    std::array<QString, ListColumnCount> cells;
};

// The column headings as the print table holds them, the same in both languages.
const std::array<QString, ListColumnCount>& ListColumnHeadings();

// Everything the list printout depends on besides its rows.
struct ListPrintOptions
{
    QString fontFamily = QStringLiteral("MS Sans Serif");
    Lang lang = Lang::English;
    // The optional columns 3 to 8 the table shows; columns 0 to 2 always print.
    std::array<bool, ListColumnCount> shown{true, true, true, true, true};
    // The About page's web page and e-mail captions for the bottom line.
    QString webPage;
    QString email;
    // The printable area in dots and the device's resolutions.
    QSize pageDots;
    int dpiX = 600;
    int dpiY = 600;
    // Width and height in dots of a text in a font, as the printer measures it.
    std::function<QSize(const QString& text, const DrawFont& font)> textExtent;
    // The chosen page range, 1-based; 0 and 0 print every page.
    int fromPage = 0;
    int toPage = 0;
};

// Where the columns of a printout stand, in dots.
struct ListColumnLayout
{
    std::array<int, ListColumnCount> widths{}; // gap included, shrunk when too wide
    std::array<int, ListColumnCount> x{};      // left edges; an unprinted column takes no room
    std::array<bool, ListColumnCount> printed{};
    int total = 0;
};

// The printout of a selection: the pages chosen, each a drawing list in millimetres.
struct ListPrintout
{
    ListColumnLayout columns;
    int pageCount = 0;
    std::vector<int> pageNumbers; // the number of each drawn page
    std::vector<Drawing> pages;
};

// The checked rows of the print table in its display order: what the print button prints.
std::vector<ListPrintRow> CheckedListRows(const PrintTable& table);
// Which of the table's columns are shown, as the printout takes them.
std::array<bool, ListColumnCount> ShownListColumns(const PrintTable& table);

// The number of sheets a list of n rows fills.
int ListPageCount(qsizetype rowCount);

ListColumnLayout LayoutListColumns(const std::vector<ListPrintRow>& rows,
                                   const ListPrintOptions& options);

// Builds the printout of rows, in their order, 60 to a page, with a header on each page.
ListPrintout BuildListPrintout(const std::vector<ListPrintRow>& rows,
                               const ListPrintOptions& options);

} // namespace kinrow
