#pragma once

#include "model/messages.h"
#include "model/person.h"

namespace kinrow {

// Why a person may not be deleted.
enum class DeleteRefusal
{
    None,
    LastRecord,  // the only record of the file
    HasPictures, // a picture of the person is on show
    ChainRule,   // a parent as well as a spouse or child
};

// Checks whether record d may be deleted; pictureShown tells whether the page shows one of
// its pictures.
DeleteRefusal CheckDeletion(const PersonList& persons, qint32 d, bool pictureShown);

// The message that explains a refusal other than None.
Msg DeleteRefusalMessage(DeleteRefusal refusal);

// The person to show after record d is deleted, numbered as before the deletion: the mother,
// else the father, the first spouse, the first child, else 1; 1 also when the choice is the
// last record, which the deletion moves.
qint32 NextAfterDeletion(const PersonList& persons, qint32 d);

// Deletes record d: every reference to it goes, the last record moves into its place and
// every reference to the last record follows it. Linear in the size of the list.
void DeletePerson(PersonList& persons, qint32 d);

} // namespace kinrow
