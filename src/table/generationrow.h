#pragma once

#include "model/messages.h"
#include "model/person.h"

#include <QString>

namespace kinrow {

// The data one row of the generation table holds: copies of the person's texts made when the
// row was built, so the row does not follow later edits.
struct TGenerationRow
{
    qint32 RecNo = 0;
    qint32 Generation = 0; // 0 the person, -1 the parents, +1 the children
    QString FullName;
    QString Place;
    QString Dates;
    char SexCode = '\0';
    QString MotherName;
    QString FatherName;
    QString SpouseNames;
    qint16 ImageIndex = 0;
    // The person already stands on the path above this row, through links that loop: the row
    // is shown once, marked in FullName, and nothing is added below it.
    bool Loop = false;
};

// What a row stands for, which decides its icon.
enum class RowKind
{
    Ancestor,
    Current,
    Descendant
};

// The icon of a row in TreeImages: ancestors 0/1, the person 2/3, odd descendants 4/5, even
// descendants 6/7 (man/woman); any other sex gives 0.
qint16 GenerationImageIndex(RowKind kind, qint32 generation, char sex);

// Fills row from record recNo of persons.
void AddGenerationRow(const PersonList& persons, qint32 recNo, qint32 generation, RowKind kind,
                      Lang lang, TGenerationRow& row);

} // namespace kinrow
