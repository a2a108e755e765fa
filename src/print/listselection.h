#pragma once

#include "model/messages.h"
#include "model/person.h"
#include "print/listprintout.h"

#include <QString>

#include <vector>

namespace kinrow {

// The print table's list scopes, by the index of their drop-down entry.
enum class ListScope
{
    Family = 0,
    Surname = 1,
    Males = 2,
    Females = 3,
    All = 4
};

// The nine column texts of person recNo as the print table shows them.
ListPrintRow ListRowOf(const PersonList& persons, qint32 recNo, Lang lang);

// The birth and death text: birth, " & ", death, each "----" when unset; empty when both are.
QString BirthAndDeathText(double birthDate, double deathDate);

// Whether person recNo is ticked by a scope. The family of recNoMain is the person, the
// parents, spouses and children (not the siblings); the surname scope compares the stored
// surname with surnameText exactly.
bool InListScope(const PersonList& persons, qint32 recNo, ListScope scope, qint32 recNoMain,
                 const QString& surnameText);

// The rows a scope ticks, in record-number order.
std::vector<ListPrintRow> ScopedListRows(const PersonList& persons, ListScope scope,
                                         qint32 recNoMain, const QString& surnameText, Lang lang);

// Sorts rows as a click on a heading does: column 0 by record number, columns 1 to 4 by the
// user's locale ignoring case, columns 5 to 8 not at all; stable, so equal rows keep their order.
void SortListRows(std::vector<ListPrintRow>& rows, int column, bool descending);

} // namespace kinrow
