#include "gedcom/gedcomexport.h"

#include "gedcom/familylinks.h"
#include "model/picturepaths.h"
#include "model/textrules.h"

#include <QFileInfo>
#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_set>

namespace kinrow {

namespace {

// The longest line GEDCOM 5.5.1 allows is 255 bytes with its line end.
constexpr qsizetype kLineBytes = 255 - 2;

const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                               "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// UTF-8 bytes of text appended to a buffer that grows by doubling.
void appendUtf8(QByteArray& out, QStringView text, bool oneLine)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t u = text[i].unicode();
        if (u < 0x80) {
            // A line break inside a one-line value would start a line of its own.
            out.append((oneLine && (u == '\r' || u == '\n')) ? ' ' : char(u));
            continue;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            u = QChar::surrogateToUcs4(char16_t(u), text[++i].unicode());
        } else if (QChar::isSurrogate(u)) {
            u = 0xFFFD; // half a pair names no character
        }
        char bytes[4];
        int n = 0;
        if (u < 0x800) {
            bytes[n++] = char(0xC0 | (u >> 6));
        } else if (u < 0x10000) {
            bytes[n++] = char(0xE0 | (u >> 12));
            bytes[n++] = char(0x80 | ((u >> 6) & 0x3F));
        } else {
            bytes[n++] = char(0xF0 | (u >> 18));
            bytes[n++] = char(0x80 | ((u >> 12) & 0x3F));
            bytes[n++] = char(0x80 | ((u >> 6) & 0x3F));
        }
        bytes[n++] = char(0x80 | (u & 0x3F));
        out.append(bytes, n);
    }
}

bool isBlank(char c)
{
    return quint8(c) <= ' ';
}

bool isContinuation(char c)
{
    return (quint8(c) & 0xC0) == 0x80;
}

qsizetype leadingBlanks(QByteArrayView text)
{
    qsizetype n = 0;
    while (n < text.size() && isBlank(text[n]))
        ++n;
    return n;
}

// The length of the next piece of bytes that fits limit: all that is left when it fits, else
// the most that fits without cutting a character and without ending in a blank, since readers
// trim the ends of lines; the blanks open the next piece instead. The text does not begin with
// a run of blanks as long as a piece.
qsizetype pieceLength(QByteArrayView text, qsizetype limit)
{
    if (text.size() <= limit)
        return text.size();
    qsizetype cut = limit;
    while (cut > 0 && isContinuation(text[cut]))
        --cut;
    while (cut > 0 && isBlank(text[cut - 1]))
        --cut;
    return cut;
}

class Exporter
{
public:
    Exporter(const PersonList& persons, const ExportOptions& options)
        : persons_(persons), options_(options), numbers_(persons.size()),
          links_(persons, numbers_, CoupleSides::OnePerCouple)
    {
        qsizetype reserve = 4096;
        for (const TTreeData& p : persons)
            reserve += 160 + 2 * (p.GivenName.size() + p.Surname.size()) + p.BirthPlace.size() +
                       p.Notes.size() * 11 / 10 + 40 * p.Pictures.size();
        out_.reserve(reserve);
    }

    QByteArray run()
    {
        header();
        for (size_t i = 0; i < persons_.size(); ++i)
            person(persons_[i], qint32(i + 1));
        families();
        out_.append("0 TRLR\r\n");
        return std::move(out_);
    }

private:
    void raw(const char* text) { out_.append(text, qsizetype(std::strlen(text))); }

    void number(qint64 value) { out_.append(QByteArray::number(value)); }

    void pointerLine(const char* start, qint64 n)
    {
        raw(start);
        number(n);
        raw("@\r\n");
    }

    // "level tag value"; a value too long for one line goes on in CONC lines a level below.
    void valueLine(int level, const char* tag, QStringView value)
    {
        scratch_.clear();
        appendUtf8(scratch_, value, true);
        const QByteArray start = QByteArray::number(level) + ' ' + tag + ' ';
        const QByteArray more = QByteArray::number(level + 1) + " CONC ";
        pieces(start, more, scratch_);
    }

    // The bytes as a line beginning with start and, where they do not fit, lines beginning with
    // more. Blanks that end the text are left out, as is the excess of a run of blanks longer
    // than a piece: a line cannot end in them.
    void pieces(const QByteArray& start, const QByteArray& more, QByteArrayView text)
    {
        while (!text.isEmpty() && isBlank(text.back()))
            text.chop(1);
        const QByteArray* prefix = &start;
        for (;;) {
            const qsizetype limit = kLineBytes - prefix->size();
            const qsizetype blanks = leadingBlanks(text);
            if (blanks >= limit)
                text = text.sliced(blanks - (limit - 1));
            const qsizetype cut = pieceLength(text, limit);
            // An empty value leaves the tag without the blank after it.
            out_.append(cut == 0 ? QByteArrayView(*prefix).chopped(1) : QByteArrayView(*prefix));
            out_.append(text.first(cut));
            out_.append("\r\n");
            text = text.sliced(cut);
            if (text.isEmpty())
                return;
            prefix = &more;
        }
    }

    void header()
    {
        raw("0 HEAD\r\n1 SOUR KINROW\r\n");
        valueLine(2, "VERS", options_.programVersion);
        raw("2 NAME Kinrow\r\n");
        const QDate& d = options_.date;
        if (d.isValid() && d.year() > 0 && d.year() <= 9999) {
            raw("1 DATE ");
            number(d.day());
            out_.append(' ').append(kMonths[d.month() - 1]).append(' ');
            number(d.year());
            raw("\r\n");
        }
        raw("1 SUBM @S0@\r\n1 GEDC\r\n2 VERS 5.5.1\r\n2 FORM LINEAGE-LINKED\r\n"
            "1 CHAR UTF-8\r\n1 LANG ");
        raw(options_.lang == Lang::English ? "English" : "Turkish");
        raw("\r\n0 @S0@ SUBM\r\n1 NAME Kinrow\r\n");
    }

    const TTreeData* at(qint32 id) const { return links_.at(id); }

    void person(const TTreeData& p, qint32 id)
    {
        raw("0 @I");
        number(id);
        raw("@ INDI\r\n");
        name(p);
        raw(p.Sex == SexMale ? "1 SEX M\r\n" : p.Sex == SexFemale ? "1 SEX F\r\n" : "1 SEX U\r\n");
        const QByteArray birth = dateText(p.BirthDate);
        if (!birth.isEmpty() || !p.BirthPlace.isEmpty()) {
            raw("1 BIRT\r\n");
            if (!birth.isEmpty()) {
                raw("2 DATE ");
                out_.append(birth);
                raw("\r\n");
            }
            if (!p.BirthPlace.isEmpty())
                valueLine(2, "PLAC", p.BirthPlace);
        }
        const QByteArray death = dateText(p.DeathDate);
        if (!death.isEmpty()) {
            raw("1 DEAT\r\n2 DATE ");
            out_.append(death);
            raw("\r\n");
        }
        for (const QString& picture : p.Pictures)
            object(picture);
        familyLinks(p, id);
        note(p.Notes);
    }

    void name(const TTreeData& p)
    {
        QString value = p.GivenName;
        if (!value.isEmpty())
            value += u' ';
        value += u'/' + p.Surname + u'/';
        valueLine(1, "NAME", value);
        if (!p.GivenName.isEmpty())
            valueLine(2, "GIVN", p.GivenName);
        if (!p.Surname.isEmpty())
            valueLine(2, "SURN", p.Surname);
    }

    // "12 APR 1961" for a day, "1890" for a year alone, nothing for what is no date.
    static QByteArray dateText(double value)
    {
        if (value == 0 || std::isnan(value) || value < 0)
            return {};
        if (value < 10000) {
            const auto year = qint64(std::trunc(value));
            return year > 0 ? QByteArray::number(year) : QByteArray();
        }
        if (FormatDateValue(value).isEmpty())
            return {};
        int day = 0, month = 0, year = 0;
        JulianToDate(value, day, month, year);
        if (month < 1 || month > 12)
            return {};
        return QByteArray::number(day) + ' ' + kMonths[month - 1] + ' ' + QByteArray::number(year);
    }

    void object(const QString& picture)
    {
        raw("1 OBJE\r\n");
        const QString path = PictureSeparators(picture);
        valueLine(2, "FILE", path);
        QString form = QFileInfo(path).suffix().toLower();
        if (form == u"jpeg")
            form = QStringLiteral("jpg");
        if (!form.isEmpty())
            valueLine(3, "FORM", form);
    }

    // A link to a record the family does not hold names nobody: it is left out.
    qint32 known(qint32 id) const { return at(id) ? id : 0; }

    void familyLinks(const TTreeData& p, qint32 id)
    {
        const qint32 father = known(p.FatherId), mother = known(p.MotherId);
        if (father > 0 || mother > 0)
            pointerLine("1 FAMC @F", numbers_.numberOf({father, mother}));
        joined_.clear();
        listed_.clear();
        // Each family once; a set only for the rare person of many families.
        const auto join = [&](FamilyPair pair) {
            const int number = numbers_.numberOf(pair);
            if (joined_.size() < 16) {
                if (std::find(joined_.begin(), joined_.end(), number) != joined_.end())
                    return;
            } else {
                if (listed_.empty())
                    listed_.insert(joined_.begin(), joined_.end());
                if (!listed_.insert(number).second)
                    return;
            }
            joined_.push_back(number);
            pointerLine("1 FAMS @F", number);
        };
        for (qint32 s : p.Spouses)
            if (at(s) && s != id)
                join(links_.couple(p, id, s));
        for (qint32 c : p.Children)
            if (at(c))
                join(links_.childFamily(p, id, c));
        // Families carry one order of children for both partners; where the person's own order
        // cannot be rebuilt from them, the person lists it, and the program restores it.
        if (!links_.childOrderCarried(p, joined_)) {
            raw("1 _ORDER CHIL\r\n");
            std::unordered_set<qint32> listed;
            for (qint32 c : p.Children)
                if (at(c) && listed.insert(c).second)
                    pointerLine("2 CHIL @I", c);
        }
    }

    // A NOTE record right after the person's reference to it; its lines as CONT lines, each
    // in CONC pieces that fit a line.
    void note(const QString& text)
    {
        if (QStringView(text).trimmed().isEmpty())
            return;
        ++notes_;
        pointerLine("1 NOTE @NI", notes_);
        raw("0 @NI");
        number(notes_);
        raw("@ NOTE\r\n");
        const QByteArray conc("1 CONC "), cont("1 CONT ");
        const QStringView all(text);
        qsizetype start = 0;
        bool first = true;
        for (;;) {
            qsizetype end = start;
            while (end < all.size() && all[end] != u'\r' && all[end] != u'\n')
                ++end;
            scratch_.clear();
            appendUtf8(scratch_, all.mid(start, end - start), false);
            pieces(first ? conc : cont, conc, scratch_);
            first = false;
            if (end == all.size())
                break;
            start = end +
                    ((all[end] == u'\r' && end + 1 < all.size() && all[end + 1] == u'\n') ? 2 : 1);
        }
    }

    void families()
    {
        const std::vector<FamilyPair>& pairs = numbers_.pairs();
        for (size_t k = 0; k < pairs.size(); ++k) {
            raw("0 @F");
            number(qint64(k + 1));
            raw("@ FAM\r\n");
            if (pairs[k].first > 0)
                pointerLine("1 HUSB @I", pairs[k].first);
            if (pairs[k].second > 0)
                pointerLine("1 WIFE @I", pairs[k].second);
            for (qint32 c : links_.children(int(k + 1)))
                pointerLine("1 CHIL @I", c);
        }
    }

    const PersonList& persons_;
    const ExportOptions& options_;
    FamilyNumbers numbers_;
    FamilyLinks links_;
    QByteArray out_;
    QByteArray scratch_;
    std::vector<int> joined_;
    std::unordered_set<int> listed_;
    int notes_ = 0;
};

} // namespace

QByteArray ExportGedcomBytes(const PersonList& persons, const ExportOptions& options)
{
    return Exporter(persons, options).run();
}

SaveResult ExportGedcomFile(const QString& path, const QString& familyFileName,
                            const PersonList& persons, const ExportOptions& options)
{
    const QFileInfo target(path), family(familyFileName);
    const bool sameFile = target.exists() && family.exists()
                              ? target.canonicalFilePath() == family.canonicalFilePath()
                              : target.absoluteFilePath() == family.absoluteFilePath();
    if (!familyFileName.isEmpty() && sameFile)
        return {false, LangText(Msg::ExportIsFamilyFile, options.lang)};
    // Written as the table exports are: never into a folder, a device or a pipe of that name.
    const QByteArray bytes = ExportGedcomBytes(persons, options);
    return WriteFileThrough(
        path, [&](QIODevice& device) { return device.write(bytes) == bytes.size(); }, options.lang);
}

QString ExportFileNameFor(const QString& chosen)
{
    if (chosen.endsWith(QLatin1String(".ged"), Qt::CaseInsensitive))
        return chosen;
    return chosen + QStringLiteral(".ged");
}

} // namespace kinrow
