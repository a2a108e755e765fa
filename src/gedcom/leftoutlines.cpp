#include "gedcom/leftoutlines.h"

#include <algorithm>

namespace kinrow {

namespace {

// Tags are short; a longer word is cut so that a hostile line cannot make a long key.
constexpr size_t MaxTag = 31;

QByteArray bytesOf(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(std::min(text.size(), MaxTag)));
}

// A tag of up to 8 bytes as one number, so that comparing tags is comparing numbers; longer tags
// are all one number that no tag the reader keeps has.
constexpr quint64 packed(std::string_view tag)
{
    if (tag.size() > 8)
        return ~quint64(0);
    quint64 value = 0;
    for (size_t i = 0; i < tag.size(); ++i)
        value |= quint64(static_cast<unsigned char>(tag[i])) << (8 * i);
    return value;
}

constexpr quint64 NAME = packed("NAME"), SEX = packed("SEX"), FAMS = packed("FAMS"),
                  FAMC = packed("FAMC"), ORDER = packed("_ORDER"), BIRT = packed("BIRT"),
                  DEAT = packed("DEAT"), NOTE = packed("NOTE"), OBJE = packed("OBJE"),
                  GIVN = packed("GIVN"), SURN = packed("SURN"), DATE = packed("DATE"),
                  PLAC = packed("PLAC"), CONC = packed("CONC"), CONT = packed("CONT"),
                  FILE = packed("FILE"), FORM = packed("FORM"), PEDI = packed("PEDI"),
                  CHIL = packed("CHIL"), HUSB = packed("HUSB"), WIFE = packed("WIFE");

std::string_view firstWord(std::string_view text)
{
    return text.substr(0, text.find(' '));
}

std::string_view afterFirstWord(std::string_view text)
{
    const size_t blank = text.find(' ');
    return blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
}

} // namespace

bool LeftOutLines::kept(int level, quint64 tag, std::string_view value)
{
    const quint64 parent = level >= 2 && level - 1 < Depth ? openTag_[level - 1] : 0;
    switch (record_) {
    case Record::Person:
        if (level == 1) {
            switch (tag) {
            case NAME: {
                const bool first = !nameSeen_;
                nameSeen_ = true;
                return first;
            }
            case SEX:
                return value.empty() || value == "M" || value == "F" || value == "U";
            case FAMS:
            case FAMC:
                return value.starts_with("@F");
            case ORDER:
                return value == "CHIL";
            case BIRT:
            case DEAT:
            case NOTE:
            case OBJE:
                return true;
            default:
                return false;
            }
        }
        if (level == 2) {
            switch (parent) {
            case NAME:
                return tag == GIVN || tag == SURN;
            case BIRT:
                return tag == DATE || tag == PLAC;
            case DEAT:
                return tag == DATE;
            case NOTE:
                return tag == CONC || tag == CONT;
            case OBJE:
                return tag == FILE || tag == FORM;
            case FAMC:
                return tag == PEDI;
            case ORDER:
                return tag == CHIL;
            default:
                return false;
            }
        }
        return level == 3 && openTag_[1] == OBJE && parent == FILE && tag == FORM;
    case Record::Family:
        return level == 1 && (tag == HUSB || tag == WIFE || tag == CHIL);
    case Record::Note:
        // The program's own files have their note text read at any level.
        return (level == 1 || !foreign_) && (tag == CONC || tag == CONT);
    case Record::Picture:
        return (level == 1 && (tag == FILE || tag == FORM)) ||
               (level == 2 && parent == FILE && tag == FORM);
    case Record::Frame:
    case Record::Other:
        break;
    }
    return false;
}

void LeftOutLines::count(const QByteArray& key, qint64 line)
{
    auto it = byKey_.constFind(key);
    if (it == byKey_.cend()) {
        const QByteArray kind = kinds_.size() < size_t(MaxKinds) ? key : QByteArray("*");
        it = byKey_.constFind(kind);
        if (it == byKey_.cend()) {
            it = byKey_.insert(kind, qsizetype(kinds_.size()));
            kinds_.push_back({kind, 0, line});
        }
    }
    dropKind_ = *it;
    ++kinds_[size_t(dropKind_)].count;
}

void LeftOutLines::look(const GedcomLine& line)
{
    const std::string_view text = line.text;
    if (text.starts_with('0')) {
        // Every pass ends a record at a line that begins with 0.
        dropLevel_ = -1;
        nameSeen_ = false;
        std::fill(std::begin(open_), std::end(open_), std::string_view());
        std::fill(std::begin(openTag_), std::end(openTag_), quint64(0));
        std::string_view rest = afterFirstWord(text);
        if (rest.starts_with('@'))
            rest = afterFirstWord(rest);
        const std::string_view tag = firstWord(rest);
        if (text.starts_with("0 @I"))
            record_ = Record::Person;
        else if (text.starts_with("0 @F"))
            record_ = Record::Family;
        else if (text.starts_with("0 @NI"))
            record_ = Record::Note;
        else if (text.starts_with("0 @M"))
            record_ = Record::Picture;
        else if (tag == "HEAD" || tag == "TRLR" || (tag == "SUBM" && !foreign_))
            record_ = Record::Frame;
        else {
            record_ = Record::Other;
            count(bytesOf(tag.empty() ? std::string_view("?") : tag), line.index);
            dropLevel_ = 0;
        }
        return;
    }
    int level = 0;
    size_t digits = 0;
    if (text.size() > 2 && text[1] == ' ' && text[0] >= '1' && text[0] <= '9') {
        level = text[0] - '0';
        digits = 1;
    } else {
        while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
            level = std::min(level * 10 + (text[digits] - '0'), 99);
            ++digits;
        }
    }
    if (dropLevel_ >= 0 && (digits == 0 || level > dropLevel_)) {
        ++kinds_[size_t(dropKind_)].count;
        return;
    }
    dropLevel_ = -1;
    if (record_ == Record::Frame || text == " ")
        return;
    if (digits == 0 || digits >= text.size() || text[digits] != ' ') {
        // Not a line of the format: it counts as a kind of its own.
        count("?", line.index);
        return;
    }
    const std::string_view rest = text.substr(digits + 1);
    const std::string_view tag = firstWord(rest);
    const quint64 tagNumber = packed(tag);
    if (kept(level, tagNumber, afterFirstWord(rest))) {
        if (level < Depth) {
            open_[level] = tag;
            openTag_[level] = tagNumber;
            for (int deeper = level + 1; deeper < Depth; ++deeper) {
                open_[deeper] = {};
                openTag_[deeper] = 0;
            }
        }
        return;
    }
    const std::string_view parent = level >= 2 && level - 1 < Depth ? open_[level - 1] : "";
    count(parent.empty() ? bytesOf(tag) : bytesOf(parent) + '.' + bytesOf(tag), line.index);
    dropLevel_ = level;
}

void LeftOutLines::add(const QByteArray& key, qint64 count, qint64 firstLine)
{
    if (count <= 0)
        return;
    auto it = byKey_.constFind(key);
    if (it == byKey_.cend()) {
        const QByteArray kind = kinds_.size() < size_t(MaxKinds) ? key : QByteArray("*");
        it = byKey_.constFind(kind);
        if (it == byKey_.cend()) {
            it = byKey_.insert(kind, qsizetype(kinds_.size()));
            kinds_.push_back({kind, 0, firstLine});
        }
    }
    LeftOutKind& k = kinds_[size_t(*it)];
    k.count += count;
    k.firstLine = std::min(k.firstLine, firstLine);
}

void LeftOutLines::append(const LeftOutLines& later, qint64 lineOffset)
{
    for (const LeftOutKind& kind : later.kinds_)
        add(kind.key, kind.count, kind.firstLine + lineOffset);
}

std::vector<LeftOutKind> LeftOutLines::kinds() const
{
    std::vector<LeftOutKind> sorted = kinds_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const LeftOutKind& a, const LeftOutKind& b) {
        return a.firstLine < b.firstLine;
    });
    return sorted;
}

} // namespace kinrow
