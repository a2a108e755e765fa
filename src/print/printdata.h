#pragma once

#include "model/messages.h"
#include "model/person.h"

#include <QList>
#include <QString>

#include <vector>

namespace kinrow {

// One row of the print table: display texts of one person, filled once when the table is built
// and never written back.
struct TPrintData
{
    qint32 RecNo = 0;
    QString GivenName;  // proper case
    QString Surname;    // as stored
    QString BirthPlace; // proper case
    QString BirthDeath; // "birth & death", "----" for an unset one; empty when both are unset
    char Sex = '\0';
    QString Mother;   // "Given (n)", empty without a mother
    QString Father;   // the same for the father
    QString Spouses;  // "Given (n)" joined by " & "
    QString Children; // the same for the children
};

// Column numbers of the print table.
enum PrintColumn : int
{
    PrintColumnNo = 0,
    PrintColumnGivenName,
    PrintColumnSurname,
    PrintColumnBirthPlace,
    PrintColumnBirthDeath,
    PrintColumnMother,
    PrintColumnFather,
    PrintColumnSpouses,
    PrintColumnChildren,
    PrintColumnCount
};

// The cell text of a column; empty for an unknown column.
QString PrintCellText(const TPrintData& row, int column);

// "birth & death" for two date values, empty when both are unset.
QString BirthDeathText(double birthDate, double deathDate);

// One row for every person, in record order.
std::vector<TPrintData> PrintRows(const PersonList& persons, Lang lang);

// The record numbers the family scope takes for person recNo: the person, the parents, the
// spouses and the children. Empty when recNo names no record.
QList<qint32> FamilyOf(const PersonList& persons, qint32 recNo);

} // namespace kinrow
