#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;
class QLocale;

namespace kinrow {

// The five file formats of a table export, numbered as the save dialog's filter entries.
enum class ExportFormat
{
    Html = 1,
    Unicode = 2,
    Rtf = 3,
    Csv = 4,
    PlainText = 5
};

enum class ColumnAlign
{
    Left,
    Center,
    Right
};

// A font as the HTML and RTF exports write it; color is 0xRRGGBB.
struct ExportFont
{
    QString name = QStringLiteral("Arial");
    int pointSize = 8;
    quint32 color = 0x000000;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const ExportFont&) const = default;
};

// One exported column, in display order.
struct ExportColumn
{
    QString header;
    int width = 50; // pixels
    ColumnAlign align = ColumnAlign::Left;
    bool tree = false; // the column with the tree lines, indented by depth
};

// The look of the grid as the HTML and RTF exports carry it.
struct ExportStyle
{
    enum class GridLines
    {
        None,
        Solid,
        Dotted
    };

    ExportFont gridFont;
    ExportFont headerFont;
    quint32 background = 0xFFFFFF;
    quint32 buttonFace = 0xF0F0F0;
    int headerHeight = 17;
    int rowHeight = 18;
    int textMargin = 4;
    bool border = true;
    GridLines gridLines = GridLines::None;
    int dpi = 96; // the screen's logical dots per inch, for the RTF cell edges
};

// The rows to export, top to bottom; column numbers are positions in the exported column list.
class ExportRows
{
public:
    virtual ~ExportRows() = default;
    virtual qsizetype count() const = 0;
    // Nesting level of row r: 0 for a top-level row.
    virtual int depth(qsizetype r) const = 0;
    virtual QString text(qsizetype r, int column) const = 0;
    virtual ExportFont font(qsizetype r, int column) const = 0;
};

// Writes the file of the given format into device a piece at a time, so that memory stays flat
// whatever the size of the table. CSV and TXT are in code page 1254 when it holds every text, and
// in UTF-8 after a byte-order mark otherwise; the Unicode format is UTF-16 little-endian without
// a byte-order mark. False when the device refused a write.
bool WriteTableExport(QIODevice& device, ExportFormat format, const ExportRows& rows,
                      const QList<ExportColumn>& columns, const ExportStyle& style,
                      QChar listSeparator);

// The whole content of a file of the given format.
QByteArray ExportTable(ExportFormat format, const ExportRows& rows,
                       const QList<ExportColumn>& columns, const ExportStyle& style,
                       QChar listSeparator);
// The CSV content with the given separator.
QByteArray ExportAnsi(const ExportRows& rows, const QList<ExportColumn>& columns, QChar separator);

// The save dialog's filter, its entries in ExportFormat order.
QString ExportFilter();
// The file name actually written for a name chosen with the given filter entry.
QString ExportFileName(const QString& chosen, ExportFormat format);
// The format a file name's extension asks for; false for any other extension.
bool ExportFormatForName(const QString& fileName, ExportFormat& format);
// The separator of CSV files: ';' where the locale's decimal separator is a comma, ','
// otherwise; without a locale, the user's.
QChar ListSeparator(const QLocale& locale);
QChar ListSeparator();

} // namespace kinrow
