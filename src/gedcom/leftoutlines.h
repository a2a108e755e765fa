#pragma once

#include "gedcom/linescanner.h"

#include <QByteArray>
#include <QHash>

#include <vector>

namespace kinrow {

// Lines of one kind that the family cannot hold: how many, and the first of them.
struct LeftOutKind
{
    QByteArray key; // the tag, after the tag of the kept line it stands in ("DEAT.PLAC")
    qint64 count = 0;
    qint64 firstLine = 0;
};

// Counts, by tag, the lines of a file that no pass of the reader keeps. It must follow what the
// passes read: a person's first name with its given name and surname, sex, birth date and
// place, death date, families, notes, pictures and order of children; a family's partners and
// children; a note's text; a picture record's files. A line the reader leaves out counts with
// every line below it under its own tag. The header and the trailer are the file's frame, which
// every save writes anew, and so is the submitter record of the program's own files.
class LeftOutLines
{
public:
    // Keys beyond this many are counted under "*", so that a hostile file cannot fill memory.
    static constexpr qsizetype MaxKinds = 500;

    explicit LeftOutLines(bool foreign) : foreign_(foreign) {}

    // Looks at the next line of the file; the first must open a record (level 0).
    void look(const GedcomLine& line);
    // Adds lines counted elsewhere (a note or picture record no person names).
    void add(const QByteArray& key, qint64 count, qint64 firstLine);
    // Adds what another counter found in the lines after these, its line numbers moved by
    // lineOffset.
    void append(const LeftOutLines& later, qint64 lineOffset);
    // Every kind, by its first line.
    std::vector<LeftOutKind> kinds() const;

private:
    enum class Record
    {
        Frame,
        Person,
        Family,
        Note,
        Picture,
        Other
    };
    static constexpr int Depth = 4;

    bool kept(int level, quint64 tag, std::string_view value);
    void count(const QByteArray& key, qint64 line);

    bool foreign_;
    Record record_ = Record::Frame;
    QByteArray recordTag_;
    bool nameSeen_ = false;
    int dropLevel_ = -1; // level of the line left out whose lines are being counted
    qsizetype dropKind_ = 0;
    // Tags of the open kept lines by level (1..Depth - 1).
    std::string_view open_[Depth] = {};
    quint64 openTag_[Depth] = {}; // the same tags as numbers
    std::vector<LeftOutKind> kinds_;
    QHash<QByteArray, qsizetype> byKey_;
};

} // namespace kinrow
