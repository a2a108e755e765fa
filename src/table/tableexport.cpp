#include "table/tableexport.h"

#include "model/codepage1254.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringEncoder>

#include <algorithm>

namespace kinrow {

namespace {

int greatestDepth(const ExportRows& rows)
{
    int m = 0;
    for (qsizetype r = 0; r < rows.count(); ++r)
        m = std::max(m, rows.depth(r));
    return m;
}

// How a cell text holding the separator or a quote is written.
enum class Quoting
{
    Doubled,   // quoted when it holds the separator or a quote, quotes doubled
    Separator, // quoted when it holds the separator, quotes left as they are
};

void appendQuoted(QString& out, const QString& text, QChar separator, Quoting quoting)
{
    const bool hasSeparator = text.contains(separator);
    const bool hasQuote = text.contains(u'"');
    if (quoting == Quoting::Separator ? !hasSeparator : !(hasSeparator || hasQuote)) {
        out += text;
        return;
    }
    out += u'"';
    if (quoting == Quoting::Doubled)
        out += QString(text).replace(u'"', QStringLiteral("\"\""));
    else
        out += text;
    out += u'"';
}

QString textExport(const ExportRows& rows, const QList<ExportColumn>& columns, QChar separator,
                   Quoting quoting)
{
    const int m = greatestDepth(rows);
    const QString treeFill(m, separator);
    QString out;
    for (int c = 0; c < columns.size(); ++c) {
        if (c > 0)
            out += separator;
        out += columns[c].header;
        if (columns[c].tree)
            out += treeFill;
    }
    out += QStringLiteral("\r\n");
    for (qsizetype r = 0; r < rows.count(); ++r) {
        for (int c = 0; c < columns.size(); ++c) {
            if (c > 0)
                out += separator;
            const int depth = columns[c].tree ? rows.depth(r) : 0;
            out += QStringView(treeFill).left(depth);
            appendQuoted(out, rows.text(r, c), separator, quoting);
            if (columns[c].tree)
                out += QStringView(treeFill).left(m - depth);
        }
        out += QStringLiteral("\r\n");
    }
    return out;
}

QString htmlEscaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QStringLiteral("&amp;");
            break;
        case u'<':
            out += QStringLiteral("&lt;");
            break;
        case u'>':
            out += QStringLiteral("&gt;");
            break;
        case u'"':
            out += QStringLiteral("&quot;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString htmlColor(quint32 rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

// The font declaration of the style rules: "{font: bold 8pt "Arial";color:#000000;}".
QString htmlFontRule(const ExportFont& font)
{
    QString rule = QStringLiteral("{font:");
    if (font.underline)
        rule += QStringLiteral(" underline");
    if (font.italic)
        rule += QStringLiteral(" italic");
    if (font.bold)
        rule += QStringLiteral(" bold");
    rule += QStringLiteral(" %1pt \"%2\";").arg(font.pointSize).arg(font.name);
    return rule + QStringLiteral("color:") + htmlColor(font.color) + QStringLiteral(";}");
}

QString htmlAlign(ColumnAlign align)
{
    switch (align) {
    case ColumnAlign::Center:
        return QStringLiteral(" align=center");
    case ColumnAlign::Right:
        return QStringLiteral(" align=right");
    default:
        return QStringLiteral(" align=left");
    }
}

QString htmlBorderRule(ExportStyle::GridLines lines)
{
    switch (lines) {
    case ExportStyle::GridLines::Solid:
        return QStringLiteral("border-width:1px;border-style:solid;");
    case ExportStyle::GridLines::Dotted:
        return QStringLiteral("border-width:1px;border-style:dotted;");
    default:
        return QStringLiteral("border-style:none;");
    }
}

void htmlStyle(QString& out, const ExportStyle& style)
{
    out += QStringLiteral("<style type=\"text/css\">\r\n");
    out += QStringLiteral(".default") + htmlFontRule(style.gridFont) + QStringLiteral("\r\n");
    out += QStringLiteral(".header") + htmlFontRule(style.headerFont) + QStringLiteral("\r\n");
    out += QStringLiteral(".noborder{border-style:none;}\r\n");
    out += QStringLiteral(".normalborder{") + htmlBorderRule(style.gridLines) +
           QStringLiteral("}\r\n");
    out += QStringLiteral("</style>\r\n");
}

void htmlHeaderRow(QString& out, const QList<ExportColumn>& columns, const ExportStyle& style,
                   int m)
{
    out += QStringLiteral("<tr class=\"header\">\r\n");
    for (const ExportColumn& column : columns) {
        out += QStringLiteral("<th height=\"%1\"").arg(style.headerHeight);
        out += htmlAlign(column.align);
        out += QStringLiteral(" bgcolor=\"%1\" width=\"%2\"")
                   .arg(htmlColor(style.buttonFace))
                   .arg(column.width);
        if (column.tree && m > 0)
            out += QStringLiteral(" colspan=\"%1\"").arg(m + 1);
        out += u'>' + htmlEscaped(column.header) + QStringLiteral("</th>\r\n");
    }
    out += QStringLiteral("</tr>\r\n");
}

void htmlRow(QString& out, const ExportRows& rows, qsizetype r, const QList<ExportColumn>& columns,
             const ExportStyle& style, int m)
{
    const QString height = QStringLiteral(" height=\"%1\"").arg(style.rowHeight);
    out += QStringLiteral("<tr class=\"default\">\r\n");
    for (int c = 0; c < columns.size(); ++c) {
        const ExportColumn& column = columns[c];
        const int depth = column.tree ? rows.depth(r) : 0;
        for (int level = 0; level < depth; ++level)
            out += QStringLiteral("<td") + (level == 0 ? height : QString()) +
                   QStringLiteral(">&nbsp;</td>\r\n");
        out += QStringLiteral("<td class=\"normalborder\"") + height + htmlAlign(column.align);
        if (column.tree && depth < m)
            out += QStringLiteral(" colspan=\"%1\"").arg(m - depth + 1);
        const ExportFont font = rows.font(r, c);
        if (!(font == style.gridFont)) {
            // Inline, the declaration goes without braces, in single quotes around the font's
            // double-quoted name.
            const QString rule = htmlFontRule(font);
            out += QStringLiteral(" style='") + rule.mid(1, rule.size() - 2) + u'\'';
        }
        out += u'>' + htmlEscaped(rows.text(r, c)) + QStringLiteral("</td>\r\n");
    }
    out += QStringLiteral("</tr>\r\n");
}

// The RTF body with the font and colour tables it needs, filled while it is written.
class RtfWriter
{
public:
    QByteArray fontTable() const
    {
        QByteArray out = "{\\fonttbl";
        for (int i = 0; i < fonts_.size(); ++i)
            out += "{\\f" + QByteArray::number(i) + ' ' + fonts_[i].toLatin1() + ";}";
        return out + '}';
    }

    QByteArray colorTable() const
    {
        QByteArray out = "{\\colortbl;";
        for (quint32 rgb : colors_)
            out += "\\red" + QByteArray::number((rgb >> 16) & 0xFF) + "\\green" +
                   QByteArray::number((rgb >> 8) & 0xFF) + "\\blue" +
                   QByteArray::number(rgb & 0xFF) + ';';
        return out + '}';
    }

    void text(QByteArray& out, const ExportFont& font, const QString& text)
    {
        if (font.underline)
            out += "\\ul";
        if (font.italic)
            out += "\\i";
        if (font.bold)
            out += "\\b";
        const int f = numberOf(fonts_, font.name);
        if (f != font_)
            out += "\\f" + QByteArray::number(f);
        font_ = f;
        const int color = numberOf(colors_, font.color) + 1;
        if (color != color_)
            out += "\\cf" + QByteArray::number(color);
        color_ = color;
        if (font.pointSize != size_)
            out += "\\fs" + QByteArray::number(font.pointSize * 2);
        size_ = font.pointSize;
        out += ' ';
        for (QChar c : text)
            out += "\\u" + QByteArray::number(c.unicode()) + "\\'3f";
        if (font.underline)
            out += "\\ul0";
        if (font.italic)
            out += "\\i0";
        if (font.bold)
            out += "\\b0";
    }

private:
    template <typename T> static int numberOf(QList<T>& list, const T& value)
    {
        qsizetype at = list.indexOf(value);
        if (at < 0) {
            at = list.size();
            list.append(value);
        }
        return int(at);
    }

    QList<QString> fonts_;
    QList<quint32> colors_;
    int font_ = -1;
    int color_ = -1;
    int size_ = -1;
};

QByteArray rtfAlign(ColumnAlign align)
{
    switch (align) {
    case ColumnAlign::Center:
        return "\\qc";
    case ColumnAlign::Right:
        return "\\qr";
    default:
        return {};
    }
}

} // namespace

QByteArray ExportHtml(const ExportRows& rows, const QList<ExportColumn>& columns,
                      const ExportStyle& style)
{
    const int m = greatestDepth(rows);
    QString out = QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 //EN\">\r\n"
                                 "<html>\r\n"
                                 "  <head>\r\n"
                                 "    <meta http-equiv=\"Content-Type\" content=\"text/html; "
                                 "charset=utf-8\">\r\n"
                                 "    <title>Virtual Treeview export</title>\r\n"
                                 "  </head>\r\n"
                                 "<body>\r\n");
    htmlStyle(out, style);
    out +=
        QStringLiteral("<table class=\"default\" bgcolor=\"%1\"").arg(htmlColor(style.background));
    if (style.border)
        out += QStringLiteral(" border=\"1\" frame=box");
    out += QStringLiteral(" cellspacing=\"0\" cellpadding=\"%1\">\r\n").arg(style.textMargin);
    htmlHeaderRow(out, columns, style, m);
    for (qsizetype r = 0; r < rows.count(); ++r)
        htmlRow(out, rows, r, columns, style, m);
    out += QStringLiteral("</table>\r\n</body></html>");
    return out.toUtf8();
}

QByteArray ExportRtf(const ExportRows& rows, const QList<ExportColumn>& columns,
                     const ExportStyle& style)
{
    RtfWriter writer;
    QByteArray body = "\\uc1\\trowd\\trgaph70";
    qint64 edge = 0;
    for (const ExportColumn& column : columns) {
        edge += column.width;
        body += "\\cellx" + QByteArray::number(qRound64(double(edge) * 1440 / style.dpi));
    }
    for (const ExportColumn& column : columns) {
        body += "\\pard\\intbl" + rtfAlign(column.align);
        writer.text(body, style.headerFont, column.header);
        body += "\\cell";
    }
    body += "\\row";
    for (qsizetype r = 0; r < rows.count(); ++r) {
        for (int c = 0; c < columns.size(); ++c) {
            body += "\\pard\\intbl" + rtfAlign(columns[c].align);
            const int depth = columns[c].tree ? rows.depth(r) : 0;
            for (int level = 0; level < depth; ++level)
                body += "\\tab";
            if (depth > 0)
                body += ' ';
            writer.text(body, rows.font(r, c), rows.text(r, c));
            body += "\\cell";
        }
        body += "\\row";
    }
    body += "\\pard\\par";
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1043" + writer.fontTable() +
           writer.colorTable() + body + '}';
}

QByteArray ExportUnicode(const ExportRows& rows, const QList<ExportColumn>& columns)
{
    const QString text = textExport(rows, columns, u'\t', Quoting::Separator);
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return encoder.encode(text);
}

QByteArray ExportAnsi(const ExportRows& rows, const QList<ExportColumn>& columns, QChar separator)
{
    return EncodeCp1254(textExport(rows, columns, separator, Quoting::Doubled));
}

QByteArray ExportTable(ExportFormat format, const ExportRows& rows,
                       const QList<ExportColumn>& columns, const ExportStyle& style,
                       QChar listSeparator)
{
    switch (format) {
    case ExportFormat::Html:
        return ExportHtml(rows, columns, style);
    case ExportFormat::Unicode:
        return ExportUnicode(rows, columns);
    case ExportFormat::Rtf:
        return ExportRtf(rows, columns, style);
    case ExportFormat::Csv:
        return ExportAnsi(rows, columns, listSeparator);
    case ExportFormat::PlainText:
        return ExportAnsi(rows, columns, u'\t');
    }
    return {};
}

QString ExportFilter()
{
    return QStringLiteral("HTML file in UTF-8 (*.htm; *.html);;"
                          "Unicode UTF-16 text file (*.uni);;"
                          "Rich text UTF-16 file (*.rtf);;"
                          "Comma separated values ANSI text file (*.csv);;"
                          "Plain ANSI text file (*.txt)");
}

QString ExportFileName(const QString& chosen, ExportFormat format)
{
    const QFileInfo info(chosen);
    // Only the file's own name counts: a dot in a folder name is no extension.
    const QString name = info.fileName();
    if (format == ExportFormat::Html)
        return name.contains(u'.') ? chosen : chosen + QStringLiteral(".html");
    static const char* const extensions[] = {"", "", ".uni", ".rtf", ".csv", ".txt"};
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot < 0 ? chosen : chosen.left(chosen.size() - (name.size() - dot));
    return stem + QLatin1String(extensions[int(format)]);
}

bool ExportFormatForName(const QString& fileName, ExportFormat& format)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"html" || suffix == u"htm")
        format = ExportFormat::Html;
    else if (suffix == u"uni")
        format = ExportFormat::Unicode;
    else if (suffix == u"rtf")
        format = ExportFormat::Rtf;
    else if (suffix == u"csv")
        format = ExportFormat::Csv;
    else if (suffix == u"txt")
        format = ExportFormat::PlainText;
    else
        return false;
    return true;
}

QChar ListSeparator()
{
    return QLocale::system().decimalPoint() == QStringLiteral(",") ? u';' : u',';
}

} // namespace kinrow
