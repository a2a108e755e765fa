#include "print/printexport.h"

namespace kinrow {

ExportFont PrintCellFont(const TPrintData& row, int column, qint32 recNoMain,
                         const ExportFont& gridFont)
{
    ExportFont font = gridFont;
    if (column != PrintColumnGivenName && column != PrintColumnSurname)
        return font;
    if (row.Sex == SexMale)
        font.color = 0x0000FF;
    else if (row.Sex == SexFemale)
        font.color = 0xFF0000;
    if (row.RecNo == recNoMain) {
        font.bold = true;
        font.pointSize += 2;
    }
    return font;
}

PrintExportRows::PrintExportRows(const PrintTable& table, QList<int> columns, qint32 recNoMain,
                                 ExportFont gridFont)
    : table_(table), columns_(std::move(columns)), recNoMain_(recNoMain),
      gridFont_(std::move(gridFont))
{}

qsizetype PrintExportRows::count() const
{
    return qsizetype(table_.visibleOrder().size());
}

const TPrintData& PrintExportRows::row(qsizetype r) const
{
    return table_.row(table_.visibleOrder()[std::size_t(r)]);
}

QString PrintExportRows::text(qsizetype r, int column) const
{
    return PrintCellText(row(r), columns_[column]);
}

ExportFont PrintExportRows::font(qsizetype r, int column) const
{
    return PrintCellFont(row(r), columns_[column], recNoMain_, gridFont_);
}

} // namespace kinrow
