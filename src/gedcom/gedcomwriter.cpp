#include "gedcom/gedcomwriter.h"

#include "gedcom/familylinks.h"
#include "model/codepage1254.h"
#include "model/hugepages.h"
#include "model/parallel.h"
#include "model/textrules.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <span>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace kinrow {

namespace {

// The longest line the writer makes, its prefix included.
constexpr qsizetype kMaxLine = 256;
// The longest line the reader accepts.
constexpr qsizetype kReaderLimit = 270;

// Turkish letters all lie below U+0180; a table of its own spares a call per letter.
constexpr char16_t kLatinEnd = 0x180;
const std::array<qint16, kLatinEnd>& latinBytes()
{
    static const std::array<qint16, kLatinEnd> table = [] {
        std::array<qint16, kLatinEnd> t{};
        for (char16_t u = 0; u < kLatinEnd; ++u)
            t[u] = qint16(Cp1254Byte(QChar(u)));
        return t;
    }();
    return table;
}

// A growing byte buffer written through a raw pointer: appending a million persons' lines
// through QByteArray::append would pay a detach and capacity check per call.
class ByteSink
{
public:
    ByteSink(qsizetype reserve, bool utf8) : utf8_(utf8)
    {
        buffer_.resize(qMax<qsizetype>(reserve, 4096));
        AdviseHugePages(buffer_.data(), size_t(buffer_.size()));
    }

    bool utf8() const { return utf8_; }
    // True when a text held a character the code page has no byte for (written as '?'): the
    // family must be written in UTF-8.
    bool lost() const { return lost_; }

    void raw(const char* text, qsizetype n)
    {
        ensure(n);
        std::memcpy(buffer_.data() + size_, text, size_t(n));
        size_ += n;
    }
    template <qsizetype N> void lit(const char (&text)[N]) { raw(text, N - 1); }
    void number(qint64 value)
    {
        char digits[24];
        int n = 0;
        quint64 v = value < 0 ? quint64(-(value + 1)) + 1 : quint64(value);
        do {
            digits[n++] = char('0' + v % 10);
            v /= 10;
        } while (v);
        ensure(n + 1);
        if (value < 0)
            buffer_.data()[size_++] = '-';
        while (n)
            buffer_.data()[size_++] = digits[--n];
    }
    // Windows-1254 or UTF-8 bytes of text. A line break inside a one-line value would start a
    // new file line the reader takes for a record of its own, so it becomes a blank.
    void text(QStringView s, bool oneLine = true)
    {
        if (utf8_) {
            utf8Text(s, oneLine);
            return;
        }
        ensure(s.size());
        char* out = buffer_.data() + size_;
        for (QChar c : s) {
            const char16_t u = c.unicode();
            if (u < 0x80) {
                *out++ = (oneLine && (u == '\r' || u == '\n')) ? ' ' : char(u);
            } else {
                const int b = u < kLatinEnd ? latinBytes()[u] : Cp1254Byte(c);
                if (b < 0)
                    lost_ = true;
                *out++ = b < 0 ? '?' : char(b);
            }
        }
        size_ = out - buffer_.data();
    }
    void endLine() { lit("\r\n"); }
    qsizetype size() const { return size_; }
    // Keeps at most chars characters of what was written from start on.
    void cutTo(qsizetype start, qsizetype chars)
    {
        if (!utf8_) {
            size_ = qMin(size_, start + chars);
            return;
        }
        qsizetype at = start;
        for (qsizetype seen = 0; at < size_; ++at) {
            if ((static_cast<unsigned char>(buffer_[at]) & 0xC0) != 0x80 && seen++ == chars)
                break;
        }
        size_ = at;
    }
    QByteArray take()
    {
        buffer_.truncate(size_);
        return std::move(buffer_);
    }

private:
    void ensure(qsizetype n)
    {
        if (size_ + n > buffer_.size())
            buffer_.resize(qMax(buffer_.size() * 2, size_ + n));
    }

    void utf8Text(QStringView s, bool oneLine)
    {
        ensure(3 * s.size());
        auto* out = reinterpret_cast<unsigned char*>(buffer_.data() + size_);
        for (qsizetype i = 0; i < s.size(); ++i) {
            char32_t u = s[i].unicode();
            if (u < 0x80) {
                *out++ =
                    (oneLine && (u == '\r' || u == '\n')) ? ' ' : static_cast<unsigned char>(u);
                continue;
            }
            if (QChar::isHighSurrogate(u) && i + 1 < s.size() && s[i + 1].isLowSurrogate())
                u = QChar::surrogateToUcs4(char16_t(u), s[++i].unicode());
            else if (QChar::isSurrogate(u))
                u = 0xFFFD; // half of a pair has no UTF-8 form
            if (u < 0x800) {
                *out++ = static_cast<unsigned char>(0xC0 | (u >> 6));
            } else if (u < 0x10000) {
                *out++ = static_cast<unsigned char>(0xE0 | (u >> 12));
                *out++ = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
            } else {
                *out++ = static_cast<unsigned char>(0xF0 | (u >> 18));
                *out++ = static_cast<unsigned char>(0x80 | ((u >> 12) & 0x3F));
                *out++ = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
            }
            *out++ = static_cast<unsigned char>(0x80 | (u & 0x3F));
        }
        size_ = reinterpret_cast<char*>(out) - buffer_.data();
    }

    QByteArray buffer_;
    qsizetype size_ = 0;
    bool utf8_;
    bool lost_ = false;
};

// The first count characters of text, a pair of surrogates counting as one.
QStringView leftChars(QStringView text, qsizetype count)
{
    if (text.size() <= count)
        return text;
    qsizetype at = 0;
    for (qsizetype seen = 0; at < text.size() && seen < count; ++seen)
        at += (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
                  ? 2
                  : 1;
    return text.left(at);
}

// Formatted dates by value: a family holds far fewer distinct days than dates, and
// formatting one costs more than writing the rest of its line.
class DateCache
{
public:
    DateCache() : entries_(4096) {}

    QByteArrayView text(double value)
    {
        quint64 bits;
        std::memcpy(&bits, &value, sizeof bits);
        Entry& e = entries_[size_t((bits * 0x9E3779B97F4A7C15ull) >> 52)];
        if (!e.used || e.value != value) {
            const QByteArray text = EncodeCp1254(FormatDateValue(value));
            e.used = text.size() <= qsizetype(sizeof e.text);
            e.value = value;
            if (!e.used)
                return spill_ = text;
            e.size = quint8(text.size());
            std::memcpy(e.text, text.constData(), size_t(text.size()));
        }
        return QByteArrayView(e.text, e.size);
    }

private:
    struct Entry
    {
        double value = 0;
        bool used = false;
        quint8 size = 0;
        char text[14];
    };
    std::vector<Entry> entries_;
    QByteArray spill_;
};

// The family numbers one person has listed: a short list, a hash set once it grows long.
class ListedFamilies
{
public:
    void clear()
    {
        list_.clear();
        if (!set_.empty())
            std::unordered_set<int>().swap(set_);
    }
    // True when the number was not listed yet.
    bool add(int number)
    {
        if (!set_.empty())
            return set_.insert(number).second;
        if (std::find(list_.begin(), list_.end(), number) != list_.end())
            return false;
        list_.push_back(number);
        if (list_.size() > 16)
            set_.insert(list_.begin(), list_.end());
        return true;
    }

private:
    std::vector<int> list_;
    std::unordered_set<int> set_;
};

const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

class Writer
{
public:
    // utf8: write texts in UTF-8 rather than code page 1254. wide (when given) is set as soon
    // as a text needs UTF-8, and stops every writer that shares it.
    Writer(const PersonList& persons, const FamilyNumbers& families, qsizetype reserve, bool utf8,
           std::atomic<bool>* wide = nullptr)
        : persons_(persons), out_(reserve, utf8), families_(families),
          links_(persons, families, CoupleSides::ByOwnSex), wide_(wide)
    {}

    QByteArray head(const QString& familyFileName, const WriteOptions& options)
    {
        header(familyFileName, options);
        noteLost();
        return out_.take();
    }

    // The records of persons [from, to); their notes are numbered from notesBefore + 1, their
    // families' numbers are read from links, where numberFamilies() put them.
    QByteArray personRecords(size_t from, size_t to, int notesBefore, const int* links)
    {
        noteCounter_ = notesBefore;
        numbers_ = links;
        for (size_t i = from; i < to; ++i) {
            person(persons_[i], qint32(i + 1));
            if (noteLost() || (wide_ && wide_->load(std::memory_order_relaxed)))
                return {}; // all is written again in UTF-8
        }
        return out_.take();
    }

    QByteArray tail()
    {
        familyRecords();
        out_.lit("0 TRLR\r\n");
        return out_.take();
    }

private:
    bool noteLost()
    {
        if (out_.lost() && wide_)
            wide_->store(true, std::memory_order_relaxed);
        return out_.lost();
    }

    const TTreeData* at(qint32 id) const { return links_.at(id); }

    void line(const char* start, QStringView value)
    {
        const auto prefix = qsizetype(std::strlen(start));
        out_.raw(start, prefix);
        // Values are refused where they enter the family when a line cannot hold them; this
        // only makes sure that no save ever gives a file its own reader refuses.
        out_.text(leftChars(value, kReaderLimit - prefix));
        out_.endLine();
    }

    void header(const QString& familyFileName, const WriteOptions& options)
    {
        out_.lit("0 HEAD\r\n1 SOUR Kinrow\r\n");
        line("2 VERS ",
             QStringView(options.versionText).mid(qMin<qsizetype>(8, options.versionText.size())));
        out_.lit("2 NAME Kinrow\r\n2 CORP Olmar Software\r\n");
        line("3 ADDR ", u"Kinrow Yazılım, Kordon Sokak No 7");
        line("4 CONT ", u"35210 Alsancak İzmir Türkiye");
        out_.lit("1 DEST Gedcom55\r\n1 DATE ");
        const QDate& d = options.date;
        const int month = d.isValid() ? d.month() : 1;
        const QString date = QStringLiteral("%1 %2 %3")
                                 .arg(d.isValid() ? d.day() : 1, 2, 10, QLatin1Char('0'))
                                 .arg(QLatin1String(kMonths[month - 1]))
                                 .arg(d.isValid() ? d.year() : 2000, 4, 10, QLatin1Char('0'));
        out_.text(date);
        out_.endLine();
        // Lower-cased by the code page: the system's rule gives İ a combining dot the code
        // page has no byte for.
        line("1 FILE ", LowerCase1254(QFileInfo(familyFileName).fileName()));
        out_.lit("1 GEDC\r\n2 VERS\r\n2 FORM LINEAGE_LINKED\r\n");
        if (out_.utf8())
            out_.lit("1 CHAR UTF-8\r\n");
        else
            out_.lit("1 CHAR ANSI\r\n");
        out_.lit("1 LANG Turkish\r\n");
        out_.lit("0 @S0@ SUBM\r\n1 NAME Not Given\r\n1 ADDR Not Supplied\r\n2 CONT\r\n");
    }

    void familyLine(const char* start, int number)
    {
        out_.raw(start, qsizetype(std::strlen(start)));
        out_.number(number);
        out_.lit("@\r\n");
    }

    void person(const TTreeData& p, qint32 id)
    {
        out_.lit("0 @I");
        out_.number(id);
        out_.lit("@ INDI\r\n");
        const qsizetype nameStart = out_.size();
        out_.lit("1 NAME ");
        out_.text(p.GivenName);
        if (!p.Surname.isEmpty()) {
            out_.lit(" /");
            out_.text(p.Surname);
            out_.lit("/");
        }
        // The reader refuses a file with a line over 270 characters. Two long names read
        // from GIVN and SURN lines could make this line too long; it is cut, and the full
        // names still come back from the GIVN and SURN lines, which the reader takes last.
        out_.cutTo(nameStart, kMaxLine);
        out_.endLine();
        line("2 GIVN ", p.GivenName);
        line("2 SURN ", p.Surname);
        // An unknown sex written as F would be read back as a woman.
        if (p.Sex == SexMale)
            out_.lit("1 SEX M\r\n");
        else if (p.Sex == SexFemale)
            out_.lit("1 SEX F\r\n");
        else
            out_.lit("1 SEX U\r\n");
        events(p);
        for (const QString& picture : p.Pictures) {
            out_.lit("1 OBJE\r\n2 FORM bmp\r\n");
            line("2 FILE ", picture);
        }
        spouseFamilies(p);
        if (p.MotherId > 0 || p.FatherId > 0)
            familyLine("1 FAMC @F", *numbers_++);
        // Families carry one order of children for both partners; where the person's own order
        // cannot be rebuilt from them, the person lists it, and reading restores it.
        if (!links_.childOrderCarried(p, joined_))
            childOrder(p);
        note(p.Notes);
    }

    // The person's children in its own order, each once; other programs skip the user tag.
    void childOrder(const TTreeData& p)
    {
        out_.lit("1 _ORDER CHIL\r\n");
        std::unordered_set<qint32> listed;
        for (qint32 c : p.Children) {
            if (at(c) && listed.insert(c).second)
                familyLine("2 CHIL @I", c);
        }
    }

    void events(const TTreeData& p)
    {
        if (!p.BirthPlace.isEmpty() || p.BirthDate != 0) {
            out_.lit("1 BIRT\r\n");
            if (p.BirthDate != 0)
                date(p.BirthDate);
            if (!p.BirthPlace.isEmpty())
                line("2 PLAC ", p.BirthPlace);
        }
        if (p.DeathDate != 0) {
            out_.lit("1 DEAT\r\n");
            date(p.DeathDate);
        }
    }

    void date(double value)
    {
        const QByteArrayView text = dates_.text(value);
        out_.lit("2 DATE ");
        out_.raw(text.data(), text.size());
        out_.endLine();
    }

    void spouseFamilies(const TTreeData& p)
    {
        written_.clear();
        joined_.clear();
        for (qsizetype k = 0; k < p.Spouses.size(); ++k) {
            const int number = *numbers_++;
            if (written_.add(number))
                joined_.push_back(number);
            familyLine("1 FAMS @F", number);
        }
        // A spouse's family already carries the children it shares with the person. A family
        // with the person alone is listed again for each of its children when the person has
        // spouses, as files have always been written.
        for (qsizetype k = 0; k < p.Children.size(); ++k) {
            const int link = *numbers_++;
            const int number = link < 0 ? -link : link;
            const bool added = written_.add(number);
            if (added)
                joined_.push_back(number);
            else if (link > 0 || p.Spouses.isEmpty())
                continue;
            familyLine("1 FAMS @F", number);
        }
    }

    void note(const QString& text)
    {
        if (text.trimmed().isEmpty())
            return;
        ++noteCounter_;
        out_.lit("1 NOTE @NI");
        out_.number(noteCounter_);
        out_.lit("@\r\n0 @NI");
        out_.number(noteCounter_);
        out_.lit("@ NOTE\r\n");
        const QStringView all(text);
        qsizetype start = 0;
        bool first = true;
        while (start <= all.size()) {
            qsizetype end = start;
            while (end < all.size() && all[end] != u'\r' && all[end] != u'\n')
                ++end;
            noteLine(all.mid(start, end - start), first);
            first = false;
            if (end == all.size())
                break;
            start = end +
                    ((all[end] == u'\r' && end + 1 < all.size() && all[end + 1] == u'\n') ? 2 : 1);
        }
    }

    // A note line of any length goes out in pieces that, with their prefix, fit the
    // 256 characters a file line may carry. The reader trims every line, so no piece ends in a
    // blank: a run of blanks opens the next piece, where the tag before it keeps it.
    void noteLine(QStringView text, bool first)
    {
        constexpr qsizetype kPiece = kMaxLine - 7;
        out_.raw(first ? "1 CONC " : "1 CONT ", 7);
        for (;;) {
            const qsizetype cut = pieceLength(text, kPiece);
            out_.text(text.left(cut), false);
            out_.endLine();
            text = text.mid(cut);
            const qsizetype blanks = leadingBlanks(text);
            // Blanks alone at the end of a note line would be trimmed away on reading.
            if (blanks == text.size())
                break;
            // A piece keeps at most this many blanks before the letter that ends it.
            if (blanks >= kPiece)
                text = text.mid(blanks - (kPiece - 1));
            out_.raw("1 CONC ", 7);
        }
    }

    static bool isBlank(QChar c) { return c.unicode() <= u' '; }

    static qsizetype leadingBlanks(QStringView text)
    {
        qsizetype n = 0;
        while (n < text.size() && isBlank(text[n]))
            ++n;
        return n;
    }

    // The length of the next piece: all that is left when it fits, else the most that fits
    // (limit characters, a pair of surrogates counting as one and never cut) without ending in
    // a blank.
    static qsizetype pieceLength(QStringView text, qsizetype limit)
    {
        if (text.size() <= limit)
            return text.size();
        qsizetype cut = leftChars(text, limit).size();
        if (cut == text.size())
            return cut;
        while (cut > 0 && isBlank(text[cut - 1]))
            --cut;
        return cut;
    }

    void familyRecords()
    {
        const auto& pairs = families_.pairs();
        for (size_t k = 0; k < pairs.size(); ++k) {
            const auto [husband, wife] = pairs[k];
            out_.lit("0 @F");
            out_.number(qint64(k + 1));
            out_.lit("@ FAM\r\n");
            if (husband > 0)
                familyLine("1 HUSB @I", husband);
            if (wife > 0)
                familyLine("1 WIFE @I", wife);
            for (qint32 c : links_.children(int(k + 1)))
                familyLine("1 CHIL @I", c);
        }
    }

    const PersonList& persons_;
    ByteSink out_;
    const FamilyNumbers& families_;
    FamilyLinks links_;
    std::atomic<bool>* wide_;
    const int* numbers_ = nullptr;
    DateCache dates_;
    ListedFamilies written_;
    // The person's families in the order of its FAMS lines, each once.
    std::vector<int> joined_;
    int noteCounter_ = 0;
};

// Numbers the families in the order the persons' lines name them and keeps the numbers in that
// order in links, a child's family negative when it is the person's family alone. linkStarts
// gets where in links each person of starts begins.
void NumberFamilies(const PersonList& persons, FamilyNumbers& families,
                    const std::vector<size_t>& starts, std::vector<int>& links,
                    std::vector<size_t>& linkStarts)
{
    const FamilyLinks familyLinks(persons, families, CoupleSides::ByOwnSex);
    size_t next = 0;
    for (size_t i = 0; i <= persons.size(); ++i) {
        for (; next < starts.size() && starts[next] == i; ++next)
            linkStarts.push_back(links.size());
        if (i == persons.size())
            break;
        const TTreeData& p = persons[i];
        const auto id = qint32(i + 1);
        for (qint32 s : p.Spouses)
            links.push_back(families.numberOf(familyLinks.couple(p, id, s)));
        const FamilyPair alone = FamilyLinks::single(p, id);
        for (qint32 c : p.Children) {
            const FamilyPair pair = familyLinks.childFamily(p, id, c);
            const int number = families.numberOf(pair);
            links.push_back(pair == alone ? -number : number);
        }
        if (p.MotherId > 0 || p.FatherId > 0)
            links.push_back(families.numberOf({p.FatherId, p.MotherId}));
    }
}

// Close to the size of the records of persons [from, to), so the buffer is rarely copied and
// never far too large.
qsizetype expectedSize(const PersonList& persons, size_t from, size_t to)
{
    qsizetype size = 1024;
    for (size_t i = from; i < to; ++i) {
        const TTreeData& p = persons[i];
        size += 120 + 2 * (p.GivenName.size() + p.Surname.size()) + p.BirthPlace.size();
        size += p.Notes.size() + p.Notes.size() / 16 + 40;
        size += 20 * (2 * p.Spouses.size() + 3 * p.Children.size());
        for (const QString& picture : p.Pictures)
            size += 40 + picture.size();
    }
    return size;
}

bool hasNote(const TTreeData& p)
{
    return !QStringView(p.Notes).trimmed().isEmpty();
}

} // namespace

std::vector<QByteArray> WriteGedcomParts(const PersonList& persons, const QString& familyFileName,
                                         const WriteOptions& options)
{
    // The persons' records are written in parts on all cores, the family records beside them.
    const size_t count = PartCount(persons.size(), {.smallestPart = options.minPartPersons,
                                                    .threads = size_t(qMax(0, options.threads))});
    std::vector<size_t> starts;
    std::vector<int> notesBefore;
    int notes = 0;
    for (size_t i = 0; i < persons.size(); ++i) {
        if (starts.size() < count && i == persons.size() * starts.size() / count) {
            starts.push_back(i);
            notesBefore.push_back(notes);
        }
        notes += hasNote(persons[i]) ? 1 : 0;
    }
    starts.resize(count, persons.size());
    notesBefore.resize(count, notes);
    starts.push_back(persons.size());
    FamilyNumbers numbering(persons.size());
    std::vector<int> links;
    std::vector<size_t> linkStarts;
    NumberFamilies(persons, numbering, starts, links, linkStarts);
    // The writers share the numbers and only read them.
    const FamilyNumbers& families = numbering;
    // A family whose every text fits code page 1254 is written in it, as files have always
    // been; the first text that does not fit stops the writers, and all is written in UTF-8.
    std::atomic<bool> wide{false};
    std::vector<QByteArray> parts(count + 2);
    for (const bool utf8 : {false, true}) {
        std::atomic<bool>* stop = utf8 ? nullptr : &wide;
        parts.front() = Writer(persons, families, 0, utf8, stop).head(familyFileName, options);
        RunParts(count + 1, [&](size_t k) {
            if (k == count) {
                // The family records are numbers alone, the same bytes in either form.
                if (!utf8)
                    parts.back() = Writer(persons, families, 0, utf8).tail();
                return;
            }
            Writer writer(persons, families, expectedSize(persons, starts[k], starts[k + 1]), utf8,
                          stop);
            parts[k + 1] = writer.personRecords(starts[k], starts[k + 1], notesBefore[k],
                                                links.data() + linkStarts[k]);
        });
        if (!wide.load())
            break;
    }
    return parts;
}

QByteArray WriteGedcomBytes(const PersonList& persons, const QString& familyFileName,
                            const WriteOptions& options)
{
    const std::vector<QByteArray> parts = WriteGedcomParts(persons, familyFileName, options);
    qsizetype size = 0;
    for (const QByteArray& part : parts)
        size += part.size();
    QByteArray bytes;
    bytes.reserve(size);
    PrepareBlock(bytes.data(), size_t(size));
    for (const QByteArray& part : parts)
        bytes += part;
    return bytes;
}

} // namespace kinrow
