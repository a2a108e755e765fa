#pragma once

#include "editing/acceptance.h"
#include "model/editmode.h"

#include <QStringList>

namespace kinrow {

// The empty form prepared before a new person is typed in, together with the relatives an
// add button already knows about and the texts the page shows for them.
struct AddFormPrefill
{
    EditMode Mode = EditMode::None;
    QString TitleSuffix; // appended to the title that names the anchor
    PersonForm Form;
    QString MotherCaption;     // caption of the mother label when Form.MotherId is set
    QString FatherCaption;     // caption of the father label when Form.FatherId is set
    QStringList SpouseEntries; // one text per entry of Form.Spouses
    QStringList ChildEntries;  // one text per entry of Form.Children
};

// The blank form: empty fields, the notes placeholder of the language, sex man.
PersonForm EmptyPersonForm(Lang lang);

// The form of a new relative of record anchor. For a child, selectedSpouse is the index of
// the selected entry of the anchor's spouse list (-1 when none; the first spouse is then
// taken). A number naming no record gives the blank form.
AddFormPrefill PrepareAddForm(const PersonList& persons, qint32 anchor, RelativeRole role,
                              int selectedSpouse, Lang lang);

} // namespace kinrow
