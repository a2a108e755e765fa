#pragma once

#include "gedcom/familytable.h"
#include "gedcom/notetable.h"
#include "gedcom/objecttable.h"
#include "gedcom/readcontext.h"
#include "gedcom/seenids.h"
#include "model/person.h"

#include <vector>

namespace kinrow {

// A stretch of the file's person records: it begins at start and ends where the next stretch
// begins, at the opening line of a person (or at the end of the bytes). Its records fill
// persons from firstRecord on, whose slots are already there.
struct PersonRange
{
    LineStart start;
    qsizetype end = 0;
    size_t firstRecord = 0;
};

// Reads the person records of a file into persons, taking families and notes from the tables
// the earlier passes built. Record numbers are still the file's numbers afterwards.
class PersonPass
{
public:
    PersonPass(const ReadContext& context, const FamilyTable& families, const NoteTable& notes,
               const ObjectTable& objects, PersonList& persons, const PersonRange& range);
    // False when a broken opening line ended the reading of persons.
    bool run();

    size_t recordsRead() const { return next_ - range_.firstRecord; }
    // Tells the note and picture tables which of their records the stretch's persons took.
    void markUses() const;
    // What the stretch took of the limits below, and whether it ran into one: a stretch read on
    // its own started with the whole of each limit.
    qint64 childLinksUsed() const { return childLinksUsed_; }
    qint64 noteCharsUsed() const { return noteCharsUsed_; }
    bool limitReached() const { return limitReached_; }
    qint64 childLinksLimit() const { return childLinksLimit_; }
    qint64 noteCharsLimit() const { return noteCharsLimit_; }

private:
    // Reads one record whose opening line was just consumed; false ends the pass.
    bool readPerson(LineScanner& lines, const GedcomLine& opening);
    void readLine(LineScanner& lines, GedcomLine& line, TTreeData& person);
    void readName(LineScanner& lines, GedcomLine& line, TTreeData& person);
    void readEvent(LineScanner& lines, GedcomLine& line, double& date, DateQualifier& qualifier,
                   QString* place);
    // The date in dateText_; one shortened or lost is named in the error list.
    double readDate(qint64 line, DateQualifier& qualifier);
    // "n - Line => i" of the current record and a line, as date and link errors name them.
    QString recordAndLine(qint64 line) const;
    void readPictures(LineScanner& lines, GedcomLine& line, TTreeData& person);
    void addPicture(const GedcomLine& line, TTreeData& person);
    // The pictures of a picture record the line names by pointer ("1 OBJE @M1@").
    void addObjectPictures(const GedcomLine& line, TTreeData& person);
    void joinFamily(const GedcomLine& line, TTreeData& person);
    void addChildren(const GedcomLine& line, const FamilyRec& family, TTreeData& person);
    // Notes a family in which the person is a child, with its pedigree line.
    void readChildFamily(LineScanner& lines, GedcomLine& line);
    // Takes the parents of one of the noted families, once the record is read.
    void setParents(TTreeData& person);
    void addNote(const GedcomLine& line, TTreeData& person);
    // A note written in the person's record ("1 NOTE text" with CONC and CONT lines).
    void readInlineNote(LineScanner& lines, GedcomLine& line, TTreeData& person);
    void appendNote(TTreeData& person, const QString& text);
    // Reads the person's own order of children, which the families could not carry.
    void readChildOrder(LineScanner& lines, GedcomLine& line);
    // Puts the record's children in the order its marker lists, once its families are read.
    void applyChildOrder(TTreeData& person);
    const FamilyRec* familyOf(const GedcomLine& line, size_t prefix) const;
    // Consumes the lines of the group up to its next level-2 line, into line; false at the
    // group's end (a level-0 or level-1 line, or the end of the file).
    static bool nextLevel2(LineScanner& lines, GedcomLine& line);

    const ReadContext& context_;
    const FamilyTable& families_;
    const NoteTable& notes_;
    const ObjectTable& objects_;
    std::vector<const QString*> usedNotes_;
    std::vector<const ObjectTable::Object*> usedObjects_;
    PersonList& persons_;
    PersonRange range_;
    size_t next_ = 0; // slot of the record being read
    QString dateText_;
    // Per record: which spouses, children and families it already has.
    SeenIds seenSpouses_;
    SeenIds seenChildren_;
    SeenIds seenFamilies_;
    std::vector<qint32> joinedFamilies_;
    // The current record's order of children: person number and line of each entry.
    std::vector<std::pair<qint32, qint64>> childOrder_;
    bool nameRead_ = false; // the current record had its NAME line
    // The current record's families as a child, in file order.
    struct ChildFamily
    {
        qint64 line = 0;
        const FamilyRec* family = nullptr;
        bool birth = false; // marked "PEDI birth"
    };
    std::vector<ChildFamily> childFamilies_;

    // Linking many persons to one large family, or one large note to many persons, would
    // multiply the file's size in memory; files of the dialect stay far below these.
    qint64 childLinksLimit_ = 0;
    qint64 noteCharsLimit_ = 0;
    qint64 childLinksLeft_ = 0;
    qint64 noteCharsLeft_ = 0;
    qint64 childLinksUsed_ = 0;
    qint64 noteCharsUsed_ = 0;
    bool limitReached_ = false;
};

} // namespace kinrow
