#pragma once

#include "drawing/drawing.h"
#include "model/messages.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <functional>
#include <limits>
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

// Where the columns of a printout stand, in dots. A column is as wide as its widest text or its
// heading, whichever is wider, plus the gap. A table wider than the page is narrowed: the
// widest columns give up width until it fits, ending equally wide, and a text wider than its
// column then wraps within it.
struct ListColumnLayout
{
    std::array<int, ListColumnCount> widths{}; // gap included, narrowed when too wide
    std::array<int, ListColumnCount> x{};      // left edges; an unprinted column takes no room
    std::array<bool, ListColumnCount> printed{};
    std::array<bool, ListColumnCount> narrowed{}; // narrower than its widest text or heading
    int total = 0;
    int gap = 0;
    // The width a text of the column may take; a wider one wraps.
    int room(int column) const { return std::max(1, widths[std::size_t(column)] - gap); }
};

// The printout of a selection: the pages chosen, each a drawing list in millimetres.
struct ListPrintout
{
    ListColumnLayout columns;
    int pageCount = 0;
    std::vector<int> pageNumbers; // the number of each drawn page
    std::vector<Drawing> pages;
};

// Splits text into lines no wider than room by width: at spaces where it can, inside a word
// that is wider than room by itself (every line holds one character at least). Beyond maxLines
// the rest is left out and the last line ends with "…".
QStringList WrapText(const QString& text, int room, const std::function<int(const QString&)>& width,
                     int maxLines = std::numeric_limits<int>::max());

// The checked rows of the print table in its display order: what the print button prints.
std::vector<ListPrintRow> CheckedListRows(const PrintTable& table);
// Which of the table's columns are shown, as the printout takes them.
std::array<bool, ListColumnCount> ShownListColumns(const PrintTable& table);

// The number of sheets the rows fill: 60 lines to a page at most, fewer when wrapped rows
// would reach the bottom line; a row is never split across pages.
int ListPageCount(const std::vector<ListPrintRow>& rows, const ListPrintOptions& options);

ListColumnLayout LayoutListColumns(const std::vector<ListPrintRow>& rows,
                                   const ListPrintOptions& options);

// Builds the printout of rows, in their order, 60 lines to a page, with a header on each page.
ListPrintout BuildListPrintout(const std::vector<ListPrintRow>& rows,
                               const ListPrintOptions& options);

} // namespace kinrow
