#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace kinrow {

// How sure a date is, as another program's file marked it ("BEF 1760", "ABT 1850"). Kept in
// memory for the family check only: the family file holds the year alone.
enum class DateQualifier : quint8
{
    None,      // as certain as the date's own precision
    Before,    // the year or any earlier one
    After,     // the year or any later one (also the first year of a range)
    About,     // a few years around it
    Estimated, // as about
};

// One person of the family file. Links to other persons are record numbers (1-based
// positions in the person list); 0 means "none" and never appears in Spouses or Children.
struct TTreeData
{
    qint32 Id = 0;
    QString GivenName;  // upper case
    QString Surname;    // upper case
    QString BirthPlace; // upper case
    double BirthDate = 0;
    double DeathDate = 0;
    char Sex = '\0'; // 'E' male, 'K' female, anything else unknown
    // Beside Sex, in what would otherwise be padding: the record does not grow.
    DateQualifier BirthQualifier = DateQualifier::None;
    DateQualifier DeathQualifier = DateQualifier::None;
    qint32 MotherId = 0;
    qint32 FatherId = 0;
    QList<qint32> Spouses;
    QList<qint32> Children;
    QStringList Pictures; // empty means "no pictures"
    QString Notes;        // lines separated by CR LF

    bool operator==(const TTreeData&) const = default;
};

// The one ordered list of all persons of the open file; record number n is element n - 1.
using PersonList = std::vector<TTreeData>;

constexpr char SexMale = 'E';
constexpr char SexFemale = 'K';

// Index of the last occurrence of n in list, -1 when absent.
int IndexOfId(qint32 n, const QList<qint32>& list);

// Appends n to list unless it is already there.
void AddIdOnce(qint32 n, QList<qint32>& list);

} // namespace kinrow
