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

// The cells of one row as the lines they print in, each no wider than its column.
struct WrappedRow
{
    std::array<QStringList, ListColumnCount> cells;
    int lines = 1;
};

// Measures texts as the printer does and decides how many lines rows take and where pages
// break, in dots.
class ListGeometry
{
public:
    ListGeometry(const ListPrintOptions& options, const ListColumnLayout& columns)
        : options_(options), columns_(columns), rowFont_(Font(options, 8, false)),
          boldFont_(Font(options, 8, true))
    {
        headings_ = wrap(ListColumnHeadings(), boldFont_, ListRowsPerPage);
        headerLine_ = MmToDev(ListHeaderLineMm, options.dpiY);
        numberY_ = headerLine_ - lineHeight(boldFont_);
        headingsY_ = numberY_ + lineHeight(boldFont_);
        rowsStart_ = headingsY_ + (headings_.lines - 1) * lineHeight(boldFont_) +
                     width(QStringLiteral("X"), rowFont_);
        // Rows stop above the bottom line; a page holds 60 lines at most.
        const int bottomLine = options.pageDots.height() - lineHeight(rowFont_);
        const int fitting = (bottomLine - rowsStart_) / lineHeight(rowFont_) - 1;
        pageLines_ = std::clamp(fitting, 1, ListRowsPerPage);
    }

    const DrawFont& rowFont() const { return rowFont_; }
    const DrawFont& boldFont() const { return boldFont_; }
    const WrappedRow& headings() const { return headings_; }
    int numberY() const { return numberY_; }
    int headingsY() const { return headingsY_; }
    int rowsStart() const { return rowsStart_; }
    int pageLines() const { return pageLines_; }

    WrappedRow wrapRow(const ListPrintRow& row) const
    {
        return wrap(row.cells, rowFont_, pageLines_);
    }

    // The first row of each page, and one past the last row at the end.
    std::vector<std::size_t> pageStarts(const std::vector<ListPrintRow>& rows) const
    {
        std::vector<std::size_t> starts;
        int used = pageLines_;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int lines = wrapRow(rows[i]).lines;
            if (used + lines > pageLines_) {
                starts.push_back(i);
                used = 0;
            }
            used += lines;
        }
        starts.push_back(rows.size());
        return starts;
    }

    QSize extent(const QString& text, const DrawFont& font) const
    {
        return options_.textExtent(text, font);
    }
    int width(const QString& text, const DrawFont& font) const
    {
        return extent(text, font).width();
    }
    int lineHeight(const DrawFont& font) const
    {
        // Every line of a font has the height of "XX"; asked once per font.
        for (const auto& [known, height] : lineHeights_) {
            if (known == font)
                return height;
        }
        lineHeights_.emplace_back(font, extent(QStringLiteral("XX"), font).height());
        return lineHeights_.back().second;
    }

private:
    WrappedRow wrap(const std::array<QString, ListColumnCount>& cells, const DrawFont& font,
                    int maxLines) const
    {
        WrappedRow wrapped;
        const auto measure = [this, &font](const QString& text) { return width(text, font); };
        for (int i = 0; i < ListColumnCount; ++i) {
            const QString& text = cells[std::size_t(i)];
            if (!columns_.printed[std::size_t(i)] || text.isEmpty())
                continue;
            QStringList& lines = wrapped.cells[std::size_t(i)];
            // Every text fits a column that was not narrowed, and most texts fit the others.
            if (!columns_.narrowed[std::size_t(i)] || width(text, font) <= columns_.room(i))
                lines = QStringList{text};
            else
                lines = WrapText(text, columns_.room(i), measure, maxLines);
            wrapped.lines = std::max(wrapped.lines, int(lines.size()));
        }
        return wrapped;
    }

    const ListPrintOptions& options_;
    const ListColumnLayout& columns_;
    const DrawFont rowFont_;
    const DrawFont boldFont_;
    mutable std::vector<std::pair<DrawFont, int>> lineHeights_;
    WrappedRow headings_;
    int headerLine_ = 0;
    int numberY_ = 0;
    int headingsY_ = 0;
    int rowsStart_ = 0;
    int pageLines_ = 1;
};

// Lays out one page in dots and records it in millimetres.
class ListPage
{
public:
    ListPage(const ListPrintOptions& options, const ListColumnLayout& columns,
             const ListGeometry& geometry)
        : options_(options), columns_(columns), geometry_(geometry)
    {
        drawing_.sizeMm = QSizeF(toMmX(options.pageDots.width()), toMmY(options.pageDots.height()));
    }

    // Title, page number, headings and bottom line; returns the y the first row steps down from.
    int header(int page, int pageCount)
    {
        const DrawFont& bold = geometry_.boldFont();
        const DrawFont& regular = geometry_.rowFont();
        const int headerLine = MmToDev(ListHeaderLineMm, options_.dpiY);
        const DrawFont title = Font(options_, 14, true);
        text(LangText(Msg::ProgramTitle, options_.lang), MmToDev(ListTitleLeftMm, options_.dpiX),
             headerLine - geometry_.lineHeight(title), title);
        const QString number = QStringLiteral("Sayfa : %1/%2").arg(page).arg(pageCount);
        text(number, options_.pageDots.width() - geometry_.width(number, bold), geometry_.numberY(),
             bold);
        cells(geometry_.headings(), geometry_.headingsY(), bold);
        const QString bottom = options_.webPage + QStringLiteral(" & ") + options_.email;
        text(bottom, options_.pageDots.width() - geometry_.width(bottom, regular),
             options_.pageDots.height() - geometry_.lineHeight(regular), regular);
        return geometry_.rowsStart();
    }

    // Draws a row below the one that ended at previousY; returns the y of its last line.
    int row(const ListPrintRow& row, int previousY)
    {
        const int y = previousY + geometry_.lineHeight(geometry_.rowFont());
        const WrappedRow wrapped = geometry_.wrapRow(row);
        cells(wrapped, y, geometry_.rowFont());
        return y + (wrapped.lines - 1) * geometry_.lineHeight(geometry_.rowFont());
    }

    Drawing take() { return std::move(drawing_); }

private:
    void cells(const WrappedRow& row, int y, const DrawFont& font)
    {
        const int step = geometry_.lineHeight(font);
        for (int i = 0; i < ListColumnCount; ++i) {
            const QStringList& lines = row.cells[std::size_t(i)];
            for (qsizetype line = 0; line < lines.size(); ++line)
                text(lines.at(line), columns_.x[std::size_t(i)], y + int(line) * step, font);
        }
    }

    // Half a dot more, so the painter's truncation lands on the very dot laid out here.
    double toMmX(int dots) const { return (dots + 0.5) * 25.4 / options_.dpiX; }
    double toMmY(int dots) const { return (dots + 0.5) * 25.4 / options_.dpiY; }

    void text(const QString& text, int x, int y, const DrawFont& font)
    {
        const QSize size = geometry_.extent(text, font);
        TextOp op;
        op.text = text;
        op.rect = QRectF(toMmX(x), toMmY(y), size.width() * 25.4 / options_.dpiX + 1,
                         size.height() * 25.4 / options_.dpiY);
        op.font = font;
        drawing_.ops.push_back(std::move(op));
    }

    const ListPrintOptions& options_;
    const ListColumnLayout& columns_;
    const ListGeometry& geometry_;
    Drawing drawing_;
};

// The longest start of word, cut between characters, no wider than room; one character at
// least. Found by halving, so a word of any length takes few measurements.
qsizetype FittingPrefix(const QString& word, const std::function<int(const QString&)>& width,
                        int room)
{
    const auto boundary = [&word](qsizetype i) {
        return i > 0 && i < word.size() && word.at(i).isLowSurrogate() ? i + 1 : i;
    };
    qsizetype low = boundary(1); // fits or not, one character is taken
    qsizetype high = word.size();
    while (low < high) {
        const qsizetype middle = boundary(low + (high - low + 1) / 2);
        if (width(word.left(middle)) > room) {
            high = middle - 1;
            while (high > low && boundary(high) != high)
                --high;
        } else
            low = middle;
    }
    return low;
}

bool Printed(const ListPrintOptions& options, int column)
{
    return column < 3 || options.shown[column];
}

// The width of the longest word of each column given, its heading's included, plus the gap.
std::array<int, ListColumnCount> LongestWords(const std::vector<ListPrintRow>& rows,
                                              const ListPrintOptions& options,
                                              const std::vector<int>& columns, int gap)
{
    std::array<int, ListColumnCount> longest{};
    const auto measure = [&](int column, const QString& text, const DrawFont& font) {
        for (const QStringView word : QStringView(text).split(u' ')) {
            const int width = options.textExtent(word.toString(), font).width() + gap;
            longest[std::size_t(column)] = std::max(longest[std::size_t(column)], width);
        }
    };
    for (const int column : columns) {
        measure(column, ListColumnHeadings()[std::size_t(column)], Font(options, 8, true));
        for (const ListPrintRow& row : rows)
            measure(column, row.cells[std::size_t(column)], Font(options, 8, false));
    }
    return longest;
}

// Narrows the printed columns to room in all. Columns narrower than an equal share of what the
// wider ones leave keep their width. Each wider one keeps the width of its longest word, so that
// words are not broken, up to that equal share, and the room beyond that is shared in proportion
// to how much more each needs, so that the column of the longest texts wraps into fewer lines.
// Dots left over by rounding go one each to the first of them.
void NarrowColumns(ListColumnLayout& layout, int room, const std::vector<ListPrintRow>& rows,
                   const ListPrintOptions& options)
{
    std::vector<int> order;
    for (int i = 0; i < ListColumnCount; ++i) {
        if (layout.printed[std::size_t(i)])
            order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&layout](int a, int b) {
        return layout.widths[std::size_t(a)] < layout.widths[std::size_t(b)];
    });
    int left = room;
    std::size_t first = 0;
    while (first < order.size() &&
           layout.widths[std::size_t(order[first])] <= left / int(order.size() - first))
        left -= layout.widths[std::size_t(order[first++])];
    std::vector<int> wide(order.begin() + std::ptrdiff_t(first), order.end());
    std::sort(wide.begin(), wide.end());
    const std::array<int, ListColumnCount> longest = LongestWords(rows, options, wide, layout.gap);
    const int share = wide.empty() ? 0 : left / int(wide.size());
    const auto floorOf = [&](int column) {
        return std::min({layout.widths[std::size_t(column)], longest[std::size_t(column)], share});
    };
    qint64 floors = 0;
    qint64 need = 0;
    for (const int column : wide) {
        floors += floorOf(column);
        need += layout.widths[std::size_t(column)] - floorOf(column);
    }
    int given = 0;
    for (const int column : wide) {
        const int floor = floorOf(column);
        int& width = layout.widths[std::size_t(column)];
        width = floor + int((left - floors) * (width - floor) / std::max<qint64>(need, 1));
        given += width;
        layout.narrowed[std::size_t(column)] = true;
    }
    for (std::size_t k = 0; !wide.empty() && given < left; ++k, ++given)
        ++layout.widths[std::size_t(wide[k % wide.size()])];
    layout.total = 0;
    for (const int column : order)
        layout.total += layout.widths[std::size_t(column)];
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

QStringList WrapText(const QString& text, int room, const std::function<int(const QString&)>& width,
                     int maxLines)
{
    QStringList lines;
    QString line;
    const QStringList words = text.split(u' ');
    for (qsizetype i = 0; i < words.size() && lines.size() <= maxLines; ++i) {
        if (i > 0) {
            const QString candidate = line + u' ' + words[i];
            if (width(candidate) <= room) {
                line = candidate;
                continue;
            }
            lines << line;
        }
        line = words[i];
        // A word wider than the room by itself is broken between characters.
        while (line.size() > 1 && width(line) > room && lines.size() <= maxLines) {
            const qsizetype cut = FittingPrefix(line, width, room);
            lines << line.left(cut);
            line = line.mid(cut);
        }
    }
    if (lines.size() <= maxLines && !(line.isEmpty() && !lines.isEmpty()))
        lines << line;
    if (lines.size() > maxLines) {
        // What does not fit on the lines allowed is left out, and "…" says so.
        lines.resize(maxLines);
        QString& last = lines.last();
        while (!last.isEmpty() && width(last + u'…') > room)
            last.chop(1);
        last += u'…';
    }
    return lines;
}

int ListPageCount(const std::vector<ListPrintRow>& rows, const ListPrintOptions& options)
{
    const ListColumnLayout columns = LayoutListColumns(rows, options);
    return int(ListGeometry(options, columns).pageStarts(rows).size()) - 1;
}

ListColumnLayout LayoutListColumns(const std::vector<ListPrintRow>& rows,
                                   const ListPrintOptions& options)
{
    ListColumnLayout layout;
    const DrawFont rowFont = Font(options, 8, false);
    const DrawFont headingFont = Font(options, 8, true);
    layout.gap = MmToDev(ListColumnGapMm, options.dpiX);
    const int margin = MmToDev(ListMarginMm, options.dpiX);
    for (int i = 0; i < ListColumnCount; ++i) {
        layout.printed[i] = Printed(options, i);
        // Columns that do not print take no room, so their texts need no measuring.
        if (layout.printed[i]) {
            layout.widths[i] = options.textExtent(ListColumnHeadings()[i], headingFont).width();
            for (const ListPrintRow& row : rows)
                layout.widths[i] =
                    std::max(layout.widths[i], options.textExtent(row.cells[i], rowFont).width());
        }
        layout.widths[i] += layout.gap;
        if (layout.printed[i])
            layout.total += layout.widths[i];
    }
    const int room = options.pageDots.width() - margin;
    if (room < layout.total)
        NarrowColumns(layout, std::max(room, 0), rows, options);
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
    const ListGeometry geometry(options, printout.columns);
    const std::vector<std::size_t> starts = geometry.pageStarts(rows);
    printout.pageCount = int(starts.size()) - 1;
    const bool all = options.fromPage <= 0 && options.toPage <= 0;
    for (int page = 1; page <= printout.pageCount; ++page) {
        if (!all && (page < options.fromPage || page > options.toPage))
            continue;
        ListPage sheet(options, printout.columns, geometry);
        int y = sheet.header(page, printout.pageCount);
        for (std::size_t i = starts[std::size_t(page - 1)]; i < starts[std::size_t(page)]; ++i)
            y = sheet.row(rows[i], y);
        printout.pageNumbers.push_back(page);
        printout.pages.push_back(sheet.take());
    }
    return printout;
}

} // namespace kinrow
