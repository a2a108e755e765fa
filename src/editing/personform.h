#pragma once

#include "model/person.h"

#include <QList>
#include <QString>

namespace kinrow {

// The person form of the page in plain values: what the fields, labels and lists show while a
// person is browsed, corrected or entered. The page's editor keeps it and the page's controls
// show it, so that nothing is read back from them.
struct PersonForm
{
    QString GivenName;
    QString Surname;
    QString BirthPlace;
    QString BirthDateText;
    QString DeathDateText;
    QString Notes;
    int SexTag = 1; // 1 man, 2 woman, as on the sex button
    qint32 MotherId = 0;
    qint32 FatherId = 0;
    QList<qint32> Spouses;  // list order of the spouse list
    QList<qint32> Children; // list order of the child list

    bool operator==(const PersonForm&) const = default;
};

// The form showing record recNo: its fields as the page writes them, and the relatives that
// name a record (a number naming none is not shown). The blank form when recNo names none.
PersonForm FormOfRecord(const PersonList& persons, qint32 recNo);

// The index in a record's own list (stored) of the entry at row of the list the form shows,
// which leaves out the numbers that name no record; -1 when row is past the shown entries.
int StoredIndex(const PersonList& persons, const QList<qint32>& stored, int row);

} // namespace kinrow
