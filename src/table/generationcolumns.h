#pragma once

#include "model/messages.h"
#include "table/generationtable.h"
#include "table/tableexport.h"

#include <QList>
#include <QStringList>

namespace kinrow {

// The columns of the generation table, by fixed index.
enum GenerationColumn : int
{
    ColFullName = 0,
    ColPlace = 1,
    ColDates = 2,
    ColFather = 3,
    ColMother = 4,
    ColSpouses = 5,
    ColRecNo = 6,
    ColGeneration = 7,
    GenerationColumnCount = 8
};

// One column as the grid shows it: which field, under which header, how wide.
struct GenerationColumnView
{
    int index = 0;
    QString header;
    int width = 50;
};

// The headers the window starts with, by column index.
QStringList StartGenerationHeaders();
// The headers of a language, by column index; the record-number column keeps its own.
QStringList GenerationHeaders(Lang lang);
int StartColumnWidth(int index);
ColumnAlign GenerationColumnAlign(int index);
// The visible columns in the window's start order (generation first), with the given headers.
QList<GenerationColumnView> StartGenerationColumns(const QStringList& headers);

// The text of a row's cell in the column with the given index.
QString GenerationCellText(const TGenerationRow& row, int index);
// The cell's font: the generation column bold; the current person's rows bold, two points
// larger, blue for a man and red for a woman.
ExportFont GenerationCellFont(const TGenerationRow& row, int index, qint32 recNoMain,
                              const ExportFont& gridFont);

// The grid's look as the window is designed, with the program font and the screen's dots per
// inch.
ExportStyle GenerationExportStyle(const QString& fontName, int dpi);

// The exported rows of a generation table: the given rows under the given columns.
class GenerationExportRows : public ExportRows
{
public:
    GenerationExportRows(const GenerationTable& table, std::vector<qint32> rows,
                         QList<int> columnIndexes, qint32 recNoMain, ExportFont gridFont);

    qsizetype count() const override { return qsizetype(rows_.size()); }
    int depth(qsizetype r) const override;
    QString text(qsizetype r, int column) const override;
    ExportFont font(qsizetype r, int column) const override;

private:
    const TGenerationRow& row(qsizetype r) const;

    const GenerationTable& table_;
    std::vector<qint32> rows_;
    QList<int> columnIndexes_;
    qint32 recNoMain_;
    ExportFont gridFont_;
};

QList<ExportColumn> GenerationExportColumns(const QList<GenerationColumnView>& columns);

} // namespace kinrow
