#include "print/listprintout.h"

#include "print/printtable.h"

#include <algorithm>
#include <utility>

namespace kinrow {

namespace {

DrawFont Font(const ListPrintOptions& options, double pointSize, bool bold)
{
    DrawFont font;
    font.family = options.fontFamily;
    font.pointSize = pointSize;
    font.bold = bold;
    return font;
}

// Lays out one page in dots and records it in millimetres.
class ListPage
{
public:
    ListPage(const ListPrintOptions& options, const ListColumnLayout& columns)
        : options_(options), columns_(columns), rowFont_(Font(options, 8, false)),
          boldFont_(Font(options, 8, true))
    {
        drawing_.sizeMm = QSizeF(toMmX(options.pageDots.width()), toMmY(options.pageDots.height()));
    }

    // Title, page number, headings and bottom line; returns the y the first row steps down from.
    int header(int page, int pageCount)
    {
        const int headerLine = MmToDev(ListHeaderLineMm, options_.dpiY);
        const DrawFont title = Font(options_, 14, true);
        text(LangText(Msg::ProgramTitle, options_.lang), MmToDev(ListTitleLeftMm, options_.dpiX),
             headerLine - lineHeight(title), title);
        const QString number = QStringLiteral("Sayfa : %1/%2").arg(page).arg(pageCount);
        const int numberY = headerLine - lineHeight(boldFont_);
        text(number, options_.pageDots.width() - width(number, boldFont_), numberY, boldFont_);
        const int headingsY = numberY + lineHeight(boldFont_);
        for (int i = 0; i < ListColumnCount; ++i) {
            if (columns_.printed[i])
                text(ListColumnHeadings()[i], columns_.x[i], headingsY, boldFont_);
        }
        const QString bottom = options_.webPage + QStringLiteral(" & ") + options_.email;
        text(bottom, options_.pageDots.width() - width(bottom, rowFont_),
             options_.pageDots.height() - lineHeight(rowFont_), rowFont_);
        return headingsY + width(QStringLiteral("X"), rowFont_);
    }

    int row(const ListPrintRow& row, int previousY)
    {
        const int y = previousY + lineHeight(rowFont_);
        for (int i = 0; i < ListColumnCount; ++i) {
            if (columns_.printed[i] && !row.cells[i].isEmpty())
                text(row.cells[i], columns_.x[i], y, rowFont_);
        }
        return y;
    }

    Drawing take() { return std::move(drawing_); }

private:
    QSize extent(const QString& text, const DrawFont& font) const
    {
        return options_.textExtent(text, font);
    }
    int width(const QString& text, const DrawFont& font) const
    {
        return extent(text, font).width();
    }
    int lineHeight(const DrawFont& font)
    {
        // Every line of a font has the height of "XX"; asked once per font.
        for (const auto& [known, height] : lineHeights_) {
            if (known == font)
                return height;
        }
        lineHeights_.emplace_back(font, extent(QStringLiteral("XX"), font).height());
        return lineHeights_.back().second;
    }
    // Half a dot more, so the painter's truncation lands on the very dot laid out here.
    double toMmX(int dots) const { return (dots + 0.5) * 25.4 / options_.dpiX; }
    double toMmY(int dots) const { return (dots + 0.5) * 25.4 / options_.dpiY; }

    void text(const QString& text, int x, int y, const DrawFont& font)
    {
        const QSize size = extent(text, font);
        TextOp op;
        op.text = text;
        op.rect = QRectF(toMmX(x), toMmY(y), size.width() * 25.4 / options_.dpiX + 1,
                         size.height() * 25.4 / options_.dpiY);
        op.font = font;
        drawing_.ops.push_back(std::move(op));
    }

    const ListPrintOptions& options_;
    const ListColumnLayout& columns_;
    const DrawFont rowFont_;
    const DrawFont boldFont_;
    std::vector<std::pair<DrawFont, int>> lineHeights_;
    Drawing drawing_;
};

bool Printed(const ListPrintOptions& options, int column)
{
    return column < 3 || options.shown[column];
}

} // namespace

std::vector<ListPrintRow> CheckedListRows(const PrintTable& table)
{
    static_assert(ListColumnCount == PrintColumnCount);
    const std::vector<int> checked = table.checkedInDisplayOrder();
    std::vector<ListPrintRow> rows(checked.size());
    for (std::size_t i = 0; i < checked.size(); ++i) {
        const TPrintData& row = table.row(checked[i]);
        rows[i].recNo = row.RecNo;
        for (int column = 0; column < ListColumnCount; ++column)
            rows[i].cells[std::size_t(column)] = PrintCellText(row, column);
    }
    return rows;
}

std::array<bool, ListColumnCount> ShownListColumns(const PrintTable& table)
{
    std::array<bool, ListColumnCount> shown{};
    for (int column = 0; column < ListColumnCount; ++column)
        shown[std::size_t(column)] = table.isColumnShown(column);
    return shown;
}

const std::array<QString, ListColumnCount>& ListColumnHeadings()
{
    static const std::array<QString, ListColumnCount> headings{
        QStringLiteral("No"),         QStringLiteral("Ad"),           QStringLiteral("Soyad"),
        QStringLiteral("Dogum Yeri"), QStringLiteral("Dogum Tarihi"), QStringLiteral("Anne"),
        QStringLiteral("Baba"),       QStringLiteral("Esleri"),       QStringLiteral("Cocuklar")};
    return headings;
}

int ListPageCount(qsizetype rowCount)
{
    return int((rowCount + ListRowsPerPage - 1) / ListRowsPerPage);
}

ListColumnLayout LayoutListColumns(const std::vector<ListPrintRow>& rows,
                                   const ListPrintOptions& options)
{
    ListColumnLayout layout;
    const DrawFont rowFont = Font(options, 8, false);
    const int gap = MmToDev(ListColumnGapMm, options.dpiX);
    const int margin = MmToDev(ListMarginMm, options.dpiX);
    for (int i = 0; i < ListColumnCount; ++i) {
        layout.printed[i] = Printed(options, i);
        // Columns that do not print take no room, so their texts need no measuring.
        if (layout.printed[i]) {
            for (const ListPrintRow& row : rows)
                layout.widths[i] =
                    std::max(layout.widths[i], options.textExtent(row.cells[i], rowFont).width());
        }
        layout.widths[i] += gap;
        if (layout.printed[i])
            layout.total += layout.widths[i];
    }
    const int room = options.pageDots.width() - margin;
    if (room < layout.total && layout.total > 0) {
        for (int& width : layout.widths)
            width = int(qint64(width) * room / layout.total);
        layout.total = room;
    }
    int x = (room - layout.total) / 2 + margin;
    for (int i = 0; i < ListColumnCount; ++i) {
        layout.x[i] = x;
        if (layout.printed[i])
            x += layout.widths[i];
    }
    return layout;
}

ListPrintout BuildListPrintout(const std::vector<ListPrintRow>& rows,
                               const ListPrintOptions& options)
{
    ListPrintout printout;
    printout.columns = LayoutListColumns(rows, options);
    printout.pageCount = ListPageCount(qsizetype(rows.size()));
    const bool all = options.fromPage <= 0 && options.toPage <= 0;
    for (int page = 1; page <= printout.pageCount; ++page) {
        if (!all && (page < options.fromPage || page > options.toPage))
            continue;
        ListPage sheet(options, printout.columns);
        int y = sheet.header(page, printout.pageCount);
        const size_t first = size_t(page - 1) * ListRowsPerPage;
        const size_t end = std::min(rows.size(), first + ListRowsPerPage);
        for (size_t i = first; i < end; ++i)
            y = sheet.row(rows[i], y);
        printout.pageNumbers.push_back(page);
        printout.pages.push_back(sheet.take());
    }
    return printout;
}

} // namespace kinrow
