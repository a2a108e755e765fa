#pragma once

#include "model/messages.h"
#include "model/person.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace kinrow {

// What the family check can find wrong with one or more persons.
enum class FindingKind
{
    ChildBornBeforeParent, // records: child, parent
    ParentTooYoung,        // records: child, parent; years: the parent's age at the birth
    ParentTooOld,          // records: child, parent; years: the parent's age at the birth
    DeathBeforeBirth,      // records: the person
    OwnAncestor,           // records: a loop of parent links, its first person again at the end
    MotherNotListing,      // records: child, mother who does not list the child
    FatherNotListing,      // records: child, father who does not list the child
    ChildNotNaming,        // records: parent, child who names neither as parent
    OneSidedSpouse,        // records: the person listing, the spouse who does not
    NoName,                // records: the person
    SameNameAndBirth,      // records: every person of the group
    MissingRecord,         // records: the person, the record number that is not in the list
    BornAfterMotherDeath,  // records: child, mother
    BornAfterFatherDeath,  // records: child, father (more than ten months after his death)
};

// One thing the family check found, with the record numbers it concerns.
struct Finding
{
    FindingKind kind;
    QList<qint32> recNos;
    int years = 0;

    bool operator==(const Finding&) const = default;
};

// Parents younger than this at a child's birth are reported.
constexpr int YoungestParent = 12;
// Parents older than this at a child's birth are reported.
constexpr int OldestParent = 70;

// Lists what is probably wrong in the family, ordered by the first record concerned; nothing
// is changed. Linear in the number of persons and links.
std::vector<Finding> CheckFamily(const PersonList& persons);

// One line of the error list for a finding, naming its records by number.
QString FindingText(const Finding& finding, Lang lang);

// The lines of the check's report: the count of findings (or that there are none), then one
// line each, at most limit of them (all when limit is negative) and a line counting the rest.
QStringList FindingLines(const std::vector<Finding>& findings, Lang lang, qsizetype limit = -1);

} // namespace kinrow
