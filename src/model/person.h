#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace kinrow {

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
