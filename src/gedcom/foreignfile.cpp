#include "gedcom/foreignfile.h"

#include "gedcom/linescanner.h"

#include <QHash>

#include <array>

namespace kinrow {

namespace {

constexpr qsizetype MaxLineLength = 270;

// ANSEL 0xA1..0xCF: letters and signs, with GEDCOM's additions (0xBE empty box, 0xBF black box,
// 0xCD midline e, 0xCE midline o, 0xCF es-zet); 0 where the code is unused.
constexpr std::array<char16_t, 0x2F> kAnselSigns = {
    0x0141, 0x00D8, 0x0110, 0x00DE, 0x00C6, 0x0152, 0x02B9, 0x00B7, 0x266D, 0x00AE, 0x00B1, 0x01A0,
    0x01AF, 0x02BC, 0,      0x02BB, 0x0142, 0x00F8, 0x0111, 0x00FE, 0x00E6, 0x0153, 0x02BA, 0x0131,
    0x00A3, 0x00F0, 0,      0x01A1, 0x01B0, 0x25A1, 0x25A0, 0x00B0, 0x2113, 0x2117, 0x00A9, 0x266F,
    0x00BF, 0x00A1, 0x00DF, 0x20AC, 0,      0,      0,      0,      0x0065, 0x006F, 0x00DF};

// ANSEL 0xE0..0xFE: combining marks, with GEDCOM's 0xFC long slash overlay.
constexpr std::array<char16_t, 0x1F> kAnselMarks = {
    0x0309, 0x0300, 0x0301, 0x0302, 0x0303, 0x0304, 0x0306, 0x0307, 0x0308, 0x030C, 0x030A,
    0xFE20, 0xFE21, 0x0315, 0x030B, 0x0310, 0x0327, 0x0328, 0x0323, 0x0324, 0x0325, 0x0333,
    0x0332, 0x0326, 0x031C, 0x032E, 0xFE22, 0xFE23, 0x0338, 0,      0x0313};

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && qstrnicmp(text.data(), qsizetype(prefix.size()),
                                                     prefix.data(), qsizetype(prefix.size())) == 0;
}

std::string_view valueFrom(std::string_view line, size_t position)
{
    return line.size() > position ? TrimLine(line.substr(position)) : std::string_view();
}

// What the header says: the line of "1 SOUR" and whether it names the program itself.
struct Header
{
    qint64 sourceLine = -1;
    bool own = false;
    bool ansel = false;
};

Header readHeader(std::string_view bytes)
{
    Header header;
    LineScanner lines(bytes);
    GedcomLine line;
    if (!lines.next(line) || line.text != "0 HEAD")
        return header;
    while (lines.next(line) && !line.startsWith("0")) {
        if (header.sourceLine < 0 && line.startsWith("1 SOUR")) {
            header.sourceLine = line.index;
            const std::string_view name = valueFrom(line.text, 7);
            header.own = name.size() == 6 && startsWithNoCase(name, "KINROW");
        } else if (line.startsWith("1 CHAR ")) {
            header.ansel = startsWithNoCase(valueFrom(line.text, 7), "ANSEL");
        }
    }
    return header;
}

// Numbers the identifiers of one kind in order of first appearance.
class IdNumbers
{
public:
    qint32 number(std::string_view id)
    {
        const QByteArray key(id.data(), qsizetype(id.size()));
        const auto it = numbers_.constFind(key);
        if (it != numbers_.cend())
            return *it;
        ids_.push_back(key);
        const auto n = qint32(ids_.size());
        numbers_.insert(key, n);
        return n;
    }
    std::vector<QByteArray>& ids() { return ids_; }

private:
    QHash<QByteArray, qint32> numbers_;
    std::vector<QByteArray> ids_;
};

bool isPointer(std::string_view word)
{
    return word.size() >= 3 && word.front() == '@' && word.back() == '@';
}

// The tags whose values the reader keeps; an over-long line of another tag is skipped.
bool usedTag(std::string_view tag)
{
    for (const char* used : {"NAME", "GIVN", "SURN", "PLAC", "DATE", "FILE", "NOTE", "CONC", "CONT",
                             "FAMS", "FAMC", "HUSB", "WIFE", "CHIL", "SEX"})
        if (tag == used)
            return true;
    return false;
}

class Rewriter
{
public:
    Rewriter(bool utf8, bool ansel) : utf8_(utf8 || ansel), ansel_(ansel) {}

    ForeignFile run(std::string_view bytes, qint64 sourceLine)
    {
        LineScanner lines(bytes);
        GedcomLine line;
        std::string_view second, source;
        std::vector<QByteArray> out;
        while (lines.next(line)) {
            // Most lines carry no identifier and nothing to decode: they go through as they are.
            if (plain(line.text)) {
                result_.bytes.append(line.text.data(), qsizetype(line.text.size()));
                result_.bytes.append('\n');
                continue;
            }
            QByteArray text = ansel_ ? DecodeAnsel(line.text).toUtf8()
                                     : QByteArray(line.text.data(), qsizetype(line.text.size()));
            if (ansel_ && line.startsWith("1 CHAR "))
                text = "1 CHAR UTF-8";
            result_.bytes.append(rewrite(fitted(text, line.index), line.index));
            result_.bytes.append('\n');
        }
        if (sourceLine > 1)
            swapLines(1, sourceLine);
        result_.utf8 = utf8_;
        result_.personIds = std::move(persons_.ids());
        return std::move(result_);
    }

private:
    bool plain(std::string_view text) const
    {
        if (text.size() > size_t(MaxLineLength) || text.find('@') != std::string_view::npos)
            return false;
        if (ansel_)
            for (char c : text)
                if (static_cast<unsigned char>(c) >= 0x80)
                    return false;
        return !text.starts_with("1 CHAR ");
    }

    qsizetype length(const QByteArray& text) const
    {
        return utf8_ ? QString::fromUtf8(text).size() : text.size();
    }

    QByteArray fitted(const QByteArray& text, qint64 index)
    {
        if (text.size() <= MaxLineLength || length(text) <= MaxLineLength)
            return text;
        const QList<QByteArray> words = text.split(' ');
        // The tag follows the level, and the identifier when there is one.
        const qsizetype at = words.size() > 2 && isPointer(view(words[1])) ? 2 : 1;
        const std::string_view tag = at < words.size() ? view(words[at]) : std::string_view();
        if (!usedTag(tag)) {
            report(index, Msg::LineTooLongSkipped);
            return " ";
        }
        report(index, Msg::LineTooLongCut);
        if (!utf8_)
            return text.left(MaxLineLength);
        return QString::fromUtf8(text).left(MaxLineLength).toUtf8();
    }

    QByteArray rewrite(const QByteArray& text, qint64 index)
    {
        Q_UNUSED(index);
        const qsizetype firstBlank = text.indexOf(' ');
        if (firstBlank != 1)
            return text;
        const char level = text[0];
        qsizetype end = text.indexOf(' ', 2);
        const QByteArray word = text.mid(2, end < 0 ? -1 : end - 2);
        const QByteArray rest = end < 0 ? QByteArray() : text.mid(end + 1);
        if (level == '0' && isPointer(view(word))) {
            const qsizetype tagEnd = rest.indexOf(' ');
            const QByteArray tag = rest.left(tagEnd < 0 ? rest.size() : tagEnd);
            const QByteArray value = tagEnd < 0 ? QByteArray() : rest.mid(tagEnd + 1);
            const std::string_view id = inner(word);
            if (tag == "INDI")
                return "0 @I" + QByteArray::number(persons_.number(id)) + "@ INDI";
            if (tag == "FAM")
                return "0 @F" + QByteArray::number(families_.number(id)) + "@ FAM";
            if (tag == "NOTE")
                return "0 @NI" + QByteArray::number(notes_.number(id)) + "@ NOTE" +
                       (value.isEmpty() ? QByteArray() : " " + value);
            if (tag == "OBJE")
                return "0 @M" + QByteArray::number(objects_.number(id)) + "@ OBJE";
            // Records the dialect does not know must not look like persons, families or notes.
            return "0 @O@ " + rest;
        }
        if (level == '0' || !isPointer(view(rest)))
            return text;
        const QByteArray head = text.left(end + 1);
        const std::string_view id = inner(rest);
        if (word == "FAMS" || word == "FAMC")
            return head + "@F" + QByteArray::number(families_.number(id)) + "@";
        if (word == "HUSB" || word == "WIFE" || word == "CHIL")
            return head + "@I" + QByteArray::number(persons_.number(id)) + "@";
        if (word == "NOTE")
            return head + "@NI" + QByteArray::number(notes_.number(id)) + "@";
        if (word == "OBJE")
            return head + "@M" + QByteArray::number(objects_.number(id)) + "@";
        return text;
    }

    static std::string_view view(const QByteArray& bytes)
    {
        return std::string_view(bytes.constData(), size_t(bytes.size()));
    }
    static std::string_view inner(const QByteArray& pointer)
    {
        return view(pointer).substr(1, size_t(pointer.size()) - 2);
    }

    void report(qint64 line, Msg text) { result_.reports.emplace_back(line, text); }

    // Exchanges two whole lines of the rewritten bytes.
    void swapLines(qint64 a, qint64 b)
    {
        QList<QByteArray> lines = result_.bytes.split('\n');
        if (b < lines.size())
            std::swap(lines[a], lines[b]);
        result_.bytes = lines.join('\n');
    }

    bool utf8_;
    bool ansel_;
    ForeignFile result_;
    IdNumbers persons_, families_, notes_, objects_;
};

} // namespace

QString DecodeAnsel(std::string_view bytes)
{
    QString out;
    out.reserve(qsizetype(bytes.size()));
    QString marks;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0xE0 && b <= 0xFE && kAnselMarks[b - 0xE0] != 0) {
            marks.append(QChar(kAnselMarks[b - 0xE0]));
            continue;
        }
        char16_t u = b;
        if (b >= 0xA1 && b <= 0xCF)
            u = kAnselSigns[b - 0xA1] != 0 ? kAnselSigns[b - 0xA1] : u'\uFFFD';
        else if (b >= 0x80)
            u = u'\uFFFD';
        out.append(QChar(u));
        out.append(marks);
        marks.clear();
    }
    return out + marks;
}

std::optional<ForeignFile> RewriteForeignFile(std::string_view bytes, bool utf8)
{
    const Header header = readHeader(bytes);
    if (header.sourceLine < 0 || header.own)
        return std::nullopt;
    return Rewriter(utf8, header.ansel && !utf8).run(bytes, header.sourceLine);
}

} // namespace kinrow
