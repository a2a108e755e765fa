#pragma once

#include "model/messages.h"
#include "model/person.h"

namespace kinrow {

class PersonLabel;

// Puts person recNo into label: Tag, caption "  Given SURNAME", the person's summary as hint,
// blue for a man, maroon for a woman, the colour unchanged otherwise.
void SetPersonLabel(const PersonList& persons, qint32 recNo, PersonLabel& label, Lang lang);

} // namespace kinrow
