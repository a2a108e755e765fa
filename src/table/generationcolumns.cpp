#include "table/generationcolumns.h"

#include "model/textrules.h"

namespace kinrow {

QStringList StartGenerationHeaders()
{
    return {QStringLiteral("Ad Soyad"), QStringLiteral("Dogum Yeri"), QStringLiteral("Dogum Ölüm"),
            QStringLiteral("Baba"),     QStringLiteral("Anne"),       QStringLiteral("Esleri"),
            QStringLiteral("Rec No"),   QStringLiteral("Nesil")};
}

QStringList GenerationHeaders(Lang lang)
{
    QStringList headers = StartGenerationHeaders();
    headers[ColFullName] = LangText(Msg::GivenName, lang) + u' ' + LangText(Msg::Surname, lang);
    headers[ColPlace] = LangText(Msg::BirthPlace, lang);
    headers[ColDates] = LangText(Msg::BirthAndDeath, lang);
    headers[ColFather] = ProperCaseName(LangText(Msg::FatherHeading, lang), lang);
    headers[ColMother] = ProperCaseName(LangText(Msg::MotherHeading, lang), lang);
    headers[ColSpouses] = ProperCaseName(LangText(Msg::SpouseHeading, lang), lang);
    headers[ColGeneration] = LangText(Msg::Generation, lang);
    return headers;
}

int StartColumnWidth(int index)
{
    static constexpr int widths[GenerationColumnCount] = {150, 80, 80, 50, 80, 80, 50, 40};
    return widths[index];
}

ColumnAlign GenerationColumnAlign(int index)
{
    return index == ColGeneration ? ColumnAlign::Center : ColumnAlign::Left;
}

QList<GenerationColumnView> StartGenerationColumns(const QStringList& headers)
{
    QList<GenerationColumnView> columns;
    for (int index :
         {ColGeneration, ColFullName, ColPlace, ColDates, ColFather, ColMother, ColSpouses})
        columns.append({index, headers.value(index), StartColumnWidth(index)});
    return columns;
}

QString GenerationCellText(const TGenerationRow& row, int index)
{
    switch (index) {
    case ColFullName:
        return row.FullName;
    case ColPlace:
        return row.Place;
    case ColDates:
        return row.Dates;
    case ColFather:
        return row.FatherName;
    case ColMother:
        return row.MotherName;
    case ColSpouses:
        return row.SpouseNames;
    case ColRecNo:
        return QString::number(row.RecNo);
    case ColGeneration:
        return QString::number(row.Generation);
    default:
        return {};
    }
}

ExportFont GenerationCellFont(const TGenerationRow& row, int index, qint32 recNoMain,
                              const ExportFont& gridFont)
{
    ExportFont font = gridFont;
    if (index == ColGeneration)
        font.bold = true;
    if (row.RecNo == recNoMain) {
        font.bold = true;
        font.pointSize += 2;
        if (row.SexCode == SexMale)
            font.color = 0x0000FF;
        else if (row.SexCode == SexFemale)
            font.color = 0xFF0000;
    }
    return font;
}

ExportStyle GenerationExportStyle(const QString& fontName, int dpi)
{
    ExportStyle style;
    style.gridFont.name = fontName;
    style.headerFont.name = fontName;
    style.background = 0xFFFFDD;
    style.dpi = dpi;
    return style;
}

GenerationExportRows::GenerationExportRows(const GenerationTable& table, std::vector<qint32> rows,
                                           QList<int> columnIndexes, qint32 recNoMain,
                                           ExportFont gridFont)
    : table_(table), rows_(std::move(rows)), columnIndexes_(std::move(columnIndexes)),
      recNoMain_(recNoMain), gridFont_(std::move(gridFont))
{}

const TGenerationRow& GenerationExportRows::row(qsizetype r) const
{
    return table_.row(rows_[std::size_t(r)]);
}

int GenerationExportRows::depth(qsizetype r) const
{
    return table_.depth(rows_[std::size_t(r)]);
}

QString GenerationExportRows::text(qsizetype r, int column) const
{
    return GenerationCellText(row(r), columnIndexes_[column]);
}

ExportFont GenerationExportRows::font(qsizetype r, int column) const
{
    return GenerationCellFont(row(r), columnIndexes_[column], recNoMain_, gridFont_);
}

QList<ExportColumn> GenerationExportColumns(const QList<GenerationColumnView>& columns)
{
    QList<ExportColumn> result;
    for (const GenerationColumnView& column : columns)
        result.append({column.header, column.width, GenerationColumnAlign(column.index),
                       column.index == ColFullName});
    return result;
}

} // namespace kinrow
