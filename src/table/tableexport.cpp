#include "table/tableexport.h"

#include "model/codepage1254.h"
#include "model/messages.h"

#include <QBuffer>
#include <QFileInfo>
#include <QIODevice>
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

// Gathers the file's bytes and hands them to the device a piece at a time, so that an export
// needs the same little memory whatever the size of the table.
class PieceWriter
{
public:
    explicit PieceWriter(QIODevice& device) : device_(device) { bytes_.reserve(Piece + Piece / 4); }

    QByteArray& bytes() { return bytes_; }
    // Hands the bytes over once they fill a piece; false once the device refused a write.
    bool next() { return bytes_.size() < Piece ? !failed_ : flush(); }
    bool flush()
    {
        if (!failed_ && !bytes_.isEmpty())
            failed_ = device_.write(bytes_) != bytes_.size();
        bytes_.resize(0);
        return !failed_;
    }

private:
    static constexpr qsizetype Piece = 64 * 1024;

    QIODevice& device_;
    QByteArray bytes_;
    bool failed_ = false;
};

void appendEncoded(QByteArray& out, QStringEncoder& encoder, QStringView text)
{
    if (text.isEmpty())
        return;
    const qsizetype at = out.size();
    out.resize(at + encoder.requiredSpace(text.size()));
    char* last = encoder.appendToBuffer(out.data() + at, text);
    out.truncate(last - out.constData());
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

// How the lines of a text export become bytes.
enum class TextCoding
{
    Utf16LE, // without a byte-order mark
    Cp1254,
    Utf8, // after a byte-order mark
};

bool fitsCp1254(QStringView text)
{
    for (const QChar c : text) {
        if (Cp1254Byte(c) < 0)
            return false;
    }
    return true;
}

// Whether code page 1254 holds every header and cell text; stops at the first that it cannot.
bool allFitCp1254(const ExportRows& rows, const QList<ExportColumn>& columns)
{
    for (const ExportColumn& column : columns) {
        if (!fitsCp1254(column.header))
            return false;
    }
    for (qsizetype r = 0; r < rows.count(); ++r) {
        for (int c = 0; c < columns.size(); ++c) {
            if (!fitsCp1254(rows.text(r, c)))
                return false;
        }
    }
    return true;
}

bool writeTextExport(PieceWriter& out, const ExportRows& rows, const QList<ExportColumn>& columns,
                     QChar separator, Quoting quoting, TextCoding coding)
{
    QStringEncoder encoder(coding == TextCoding::Utf8 ? QStringConverter::Utf8
                                                      : QStringConverter::Utf16LE);
    if (coding == TextCoding::Utf8)
        out.bytes() += "\xEF\xBB\xBF";
    QString line;
    auto endLine = [&] {
        line += QStringLiteral("\r\n");
        if (coding == TextCoding::Cp1254)
            out.bytes() += EncodeCp1254(line);
        else
            appendEncoded(out.bytes(), encoder, line);
        line.resize(0);
        return out.next();
    };
    const int m = greatestDepth(rows);
    const QString treeFill(m, separator);
    for (int c = 0; c < columns.size(); ++c) {
        if (c > 0)
            line += separator;
        line += columns[c].header;
        if (columns[c].tree)
            line += treeFill;
    }
    if (!endLine())
        return false;
    for (qsizetype r = 0; r < rows.count(); ++r) {
        for (int c = 0; c < columns.size(); ++c) {
            if (c > 0)
                line += separator;
            const int depth = columns[c].tree ? rows.depth(r) : 0;
            line += QStringView(treeFill).left(depth);
            appendQuoted(line, rows.text(r, c), separator, quoting);
            if (columns[c].tree)
                line += QStringView(treeFill).left(m - depth);
        }
        if (!endLine())
            return false;
    }
    return out.flush();
}

// Appends text to out in UTF-8 with &, <, > and " as entities, so that no text of a family file
// can break the page or add markup to it.
void appendHtmlText(QByteArray& out, QStringView text)
{
    qsizetype plain = 0;
    QStringEncoder encoder(QStringConverter::Utf8);
    auto flush = [&](qsizetype end) {
        appendEncoded(out, encoder, text.sliced(plain, end - plain));
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char* entity = nullptr;
        switch (text[i].unicode()) {
        case u'&':
            entity = "&amp;";
            break;
        case u'<':
            entity = "&lt;";
            break;
        case u'>':
            entity = "&gt;";
            break;
        case u'"':
            entity = "&quot;";
            break;
        default:
            continue;
        }
        flush(i);
        out += entity;
        plain = i + 1;
    }
    flush(text.size());
}

QByteArray htmlEscaped(const QString& text)
{
    QByteArray out;
    appendHtmlText(out, text);
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
        out += u'>' + QString::fromUtf8(htmlEscaped(column.header)) + QStringLiteral("</th>\r\n");
    }
    out += QStringLiteral("</tr>\r\n");
}

// Writes the table's rows, with the markup that repeats from cell to cell made once.
class HtmlRowWriter
{
public:
    HtmlRowWriter(const QList<ExportColumn>& columns, const ExportStyle& style, int m)
        : columns_(columns), gridFont_(style.gridFont), m_(m)
    {
        const QByteArray height = " height=\"" + QByteArray::number(style.rowHeight) + '"';
        firstIndent_ = "<td" + height + ">&nbsp;</td>\r\n";
        for (const ExportColumn& column : columns)
            cellStart_.append("<td class=\"normalborder\"" + height +
                              htmlAlign(column.align).toLatin1());
    }

    void write(QByteArray& out, const ExportRows& rows, qsizetype r)
    {
        out += "<tr class=\"default\">\r\n";
        for (int c = 0; c < columns_.size(); ++c) {
            const bool tree = columns_[c].tree;
            const int depth = tree ? rows.depth(r) : 0;
            for (int level = 0; level < depth; ++level)
                out += level == 0 ? firstIndent_ : QByteArray("<td>&nbsp;</td>\r\n");
            out += cellStart_[c];
            if (tree && depth < m_)
                out += " colspan=\"" + QByteArray::number(m_ - depth + 1) + '"';
            const ExportFont font = rows.font(r, c);
            if (!(font == gridFont_))
                out += inlineStyle(font);
            out += '>';
            appendHtmlText(out, rows.text(r, c));
            out += "</td>\r\n";
        }
        out += "</tr>\r\n";
    }

private:
    // Inline, the declaration goes without braces, in single quotes around the font's
    // double-quoted name.
    const QByteArray& inlineStyle(const ExportFont& font)
    {
        for (const auto& [known, style] : styles_) {
            if (known == font)
                return style;
        }
        const QString rule = htmlFontRule(font);
        styles_.append({font, " style='" + htmlEscapedName(rule.mid(1, rule.size() - 2)) + '\''});
        return styles_.last().second;
    }

    static QByteArray htmlEscapedName(const QString& rule)
    {
        // The font name's quotes stay as they are inside the single-quoted attribute.
        QByteArray out = rule.toUtf8();
        return out.replace('\'', "&#39;");
    }

    const QList<ExportColumn>& columns_;
    ExportFont gridFont_;
    int m_;
    QByteArray firstIndent_;
    QList<QByteArray> cellStart_;
    QList<std::pair<ExportFont, QByteArray>> styles_;
};

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
        // Each code unit as "\\u<decimal>\\'3f": at most 12 bytes.
        const qsizetype at = out.size();
        out.resize(at + text.size() * 12);
        char* p = out.data() + at;
        for (QChar c : text) {
            *p++ = '\\';
            *p++ = 'u';
            char digits[5];
            int n = 0;
            for (unsigned v = c.unicode(); n == 0 || v > 0; v /= 10)
                digits[n++] = char('0' + v % 10);
            while (n > 0)
                *p++ = digits[--n];
            for (char k : {'\\', '\'', '3', 'f'})
                *p++ = k;
        }
        out.truncate(p - out.constData());
        if (font.underline)
            out += "\\ul0";
        if (font.italic)
            out += "\\i0";
        if (font.bold)
            out += "\\b0";
    }

    // Numbers the font and its colour ahead of the body: the tables come first in the file.
    void note(const ExportFont& font)
    {
        numberOf(fonts_, font.name);
        numberOf(colors_, font.color);
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

namespace {

bool writeHtml(PieceWriter& out, const ExportRows& rows, const QList<ExportColumn>& columns,
               const ExportStyle& style)
{
    const int m = greatestDepth(rows);
    QString head = QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 //EN\">\r\n"
                                  "<html>\r\n"
                                  "  <head>\r\n"
                                  "    <meta http-equiv=\"Content-Type\" content=\"text/html; "
                                  "charset=utf-8\">\r\n"
                                  "    <title>Virtual Treeview export</title>\r\n"
                                  "  </head>\r\n"
                                  "<body>\r\n");
    htmlStyle(head, style);
    head +=
        QStringLiteral("<table class=\"default\" bgcolor=\"%1\"").arg(htmlColor(style.background));
    if (style.border)
        head += QStringLiteral(" border=\"1\" frame=box");
    head += QStringLiteral(" cellspacing=\"0\" cellpadding=\"%1\">\r\n").arg(style.textMargin);
    htmlHeaderRow(head, columns, style, m);
    out.bytes() += head.toUtf8();
    HtmlRowWriter writer(columns, style, m);
    for (qsizetype r = 0; r < rows.count(); ++r) {
        writer.write(out.bytes(), rows, r);
        if (!out.next())
            return false;
    }
    out.bytes() += "</table>\r\n</body></html>";
    return out.flush();
}

bool writeRtf(PieceWriter& out, const ExportRows& rows, const QList<ExportColumn>& columns,
              const ExportStyle& style)
{
    RtfWriter writer;
    if (!columns.isEmpty())
        writer.note(style.headerFont);
    for (qsizetype r = 0; r < rows.count(); ++r) {
        for (int c = 0; c < columns.size(); ++c)
            writer.note(rows.font(r, c));
    }
    QByteArray& body = out.bytes();
    body +=
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1043" + writer.fontTable() + writer.colorTable();
    body += "\\uc1\\trowd\\trgaph70";
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
        if (!out.next())
            return false;
    }
    body += "\\pard\\par}";
    return out.flush();
}

// CSV and TXT stay in code page 1254 while it holds every text, as other programs expect them.
bool writeAnsi(PieceWriter& out, const ExportRows& rows, const QList<ExportColumn>& columns,
               QChar separator)
{
    const TextCoding coding = allFitCp1254(rows, columns) ? TextCoding::Cp1254 : TextCoding::Utf8;
    return writeTextExport(out, rows, columns, separator, Quoting::Doubled, coding);
}

} // namespace

bool WriteTableExport(QIODevice& device, ExportFormat format, const ExportRows& rows,
                      const QList<ExportColumn>& columns, const ExportStyle& style,
                      QChar listSeparator)
{
    PieceWriter out(device);
    switch (format) {
    case ExportFormat::Html:
        return writeHtml(out, rows, columns, style);
    case ExportFormat::Unicode:
        return writeTextExport(out, rows, columns, u'\t', Quoting::Separator, TextCoding::Utf16LE);
    case ExportFormat::Rtf:
        return writeRtf(out, rows, columns, style);
    case ExportFormat::Csv:
        return writeAnsi(out, rows, columns, listSeparator);
    case ExportFormat::PlainText:
        return writeAnsi(out, rows, columns, u'\t');
    }
    return false;
}

QByteArray ExportTable(ExportFormat format, const ExportRows& rows,
                       const QList<ExportColumn>& columns, const ExportStyle& style,
                       QChar listSeparator)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteTableExport(buffer, format, rows, columns, style, listSeparator);
    return bytes;
}

QByteArray ExportAnsi(const ExportRows& rows, const QList<ExportColumn>& columns, QChar separator)
{
    return ExportTable(ExportFormat::Csv, rows, columns, {}, separator);
}

QString ExportFilter()
{
    return LangText(Msg::TableExportFilter, Lang::English);
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

QChar ListSeparator(const QLocale& locale)
{
    return locale.decimalPoint() == QStringLiteral(",") ? u';' : u',';
}

QChar ListSeparator()
{
    return ListSeparator(QLocale::system());
}

} // namespace kinrow
