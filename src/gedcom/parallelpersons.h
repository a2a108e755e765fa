#pragma once

#include "gedcom/familytable.h"
#include "gedcom/notetable.h"
#include "gedcom/objecttable.h"
#include "gedcom/readcontext.h"
#include "model/person.h"

#include <vector>

namespace kinrow {

// Where a stretch of person records begins: the opening line of a person, and how many
// persons the file holds before it.
struct PersonSplit
{
    LineStart start;
    qint64 personsBefore = 0;
};

// Reads the person records into persons[first ..], whose slots must be there, one stretch per
// split on threads of their own, and reports exactly what one pass over the file would have.
// Returns the number of records read (fewer than the slots when a broken opening line ended
// the reading of persons).
size_t ReadPersons(const ReadContext& context, const FamilyTable& families, const NoteTable& notes,
                   const ObjectTable& objects, const std::vector<PersonSplit>& splits,
                   PersonList& persons, size_t first, const ReadOptions& options);

} // namespace kinrow
