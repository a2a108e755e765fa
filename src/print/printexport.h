#pragma once

#include "print/printtable.h"
#include "table/tableexport.h"

namespace kinrow {

// The font a print-table cell is painted in: the given names and surnames in the colour of the
// sex, the current person's two name cells bold and two points larger.
ExportFont PrintCellFont(const TPrintData& row, int column, qint32 recNoMain,
                         const ExportFont& gridFont);

// The visible rows of the print table in display order, for the table export.
class PrintExportRows : public ExportRows
{
public:
    // columns: the table's column indexes to export, in export order.
    PrintExportRows(const PrintTable& table, QList<int> columns, qint32 recNoMain,
                    ExportFont gridFont);

    qsizetype count() const override;
    int depth(qsizetype) const override { return 0; }
    QString text(qsizetype r, int column) const override;
    ExportFont font(qsizetype r, int column) const override;

private:
    const TPrintData& row(qsizetype r) const;

    const PrintTable& table_;
    QList<int> columns_;
    qint32 recNoMain_;
    ExportFont gridFont_;
};

} // namespace kinrow
