#pragma once

#include "editing/personform.h"
#include "model/editmode.h"
#include "model/messages.h"
#include "model/person.h"

#include <QString>

#include <optional>

namespace kinrow {

// The stored sex letter for a sex-button tag.
char SexFromTag(int sexTag);

// Strips leading and trailing blanks and control characters from the three name fields.
void TrimNameFields(PersonForm& form);

// Every character of the surname that is not an upper-case letter, each followed by a
// blank; empty when the surname is clean.
QString SurnameOddCharacters(const QString& surname);

// The advice shown for such a surname, or an empty text when there is nothing to advise.
QString SurnameAdviceText(const QString& surname, Lang lang);

// True when the notes are exactly the placeholder of either language.
bool IsNotesPlaceholder(const QString& notes);

// The first date field of the form (Msg::BirthDate or Msg::DeathDate) whose text is not empty
// but reads as no date; none when both fields hold a date or nothing.
std::optional<Msg> UnreadableDateField(const PersonForm& form);

// The refusal of such a field: its label, its text and the request to correct it.
QString UnreadableDateText(Msg field, const QString& text, Lang lang);

// Record number of the first person with exactly this given name and surname, 0 when none.
qint32 FindSameName(const PersonList& persons, const QString& givenName, const QString& surname);

// Writes an accepted form into the list: appends and links a new person when editMode is an
// add, or corrects record anchor. Returns the number of the record written (0 when editMode
// names neither or the record to correct does not exist).
qint32 ApplyAcceptedForm(PersonList& persons, qint32 anchor, EditMode editMode,
                         const PersonForm& form);

} // namespace kinrow
