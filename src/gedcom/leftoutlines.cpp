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

bool LeftOutLines::kept(int level, std::string_view tag, std::string_view value)
{
    const std::string_view parent = level >= 2 && level - 1 < Depth ? open_[level - 1] : "";
    switch (record_) {
    case Record::Person:
        if (level == 1) {
            if (tag == "NAME") {
                const bool first = !nameSeen_;
                nameSeen_ = true;
                return first;
            }
            if (tag == "SEX")
                return value.empty() || value == "M" || value == "F" || value == "U";
            if (tag == "FAMS" || tag == "FAMC")
                return value.starts_with("@F");
            if (tag == "_ORDER")
                return value == "CHIL";
            return tag == "BIRT" || tag == "DEAT" || tag == "NOTE" || tag == "OBJE";
        }
        if (level == 2) {
            if (parent == "NAME")
                return tag == "GIVN" || tag == "SURN";
            if (parent == "BIRT")
                return tag == "DATE" || tag == "PLAC";
            if (parent == "DEAT")
                return tag == "DATE";
            if (parent == "NOTE")
                return tag == "CONC" || tag == "CONT";
            if (parent == "OBJE")
                return tag == "FILE" || tag == "FORM";
            if (parent == "FAMC")
                return tag == "PEDI";
            if (parent == "_ORDER")
                return tag == "CHIL";
            return false;
        }
        return level == 3 && open_[1] == "OBJE" && parent == "FILE" && tag == "FORM";
    case Record::Family:
        return level == 1 && (tag == "HUSB" || tag == "WIFE" || tag == "CHIL");
    case Record::Note:
        // The program's own files have their note text read at any level.
        return (level == 1 || !foreign_) && (tag == "CONC" || tag == "CONT");
    case Record::Picture:
        return (level == 1 && (tag == "FILE" || tag == "FORM")) ||
               (level == 2 && parent == "FILE" && tag == "FORM");
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
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        level = std::min(level * 10 + (text[digits] - '0'), 99);
        ++digits;
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
    if (kept(level, tag, afterFirstWord(rest))) {
        if (level < Depth) {
            open_[level] = tag;
            std::fill(std::begin(open_) + level + 1, std::end(open_), std::string_view());
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
