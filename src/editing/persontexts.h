#pragma once

#include "model/messages.h"
#include "model/person.h"

#include <QString>

namespace kinrow {

// The person page's title, which the back buttons of the other pages repeat: the given
// names in proper case and the surname as written.
QString PersonTitle(const TTreeData& person, Lang lang);

// One line naming a person with years: "Ahmet YILMAZ - 1921 & ----".
QString PersonEntryText(const TTreeData& person, Lang lang);

// Several lines describing a person, joined by CR: number and name, birth place, dates,
// the parents' given names. Hint text of labels, lists and grids.
QString PersonSummary(const PersonList& persons, const TTreeData& person, Lang lang);

// The age label from the texts of the two date fields: "Age : 45" or "Age : ???".
QString AgeText(const QString& birthField, const QString& deathField, int currentYear, Lang lang);

// The siblings of record recNo: the mother's other children, then the father's other
// children that are not the mother's.
QList<qint32> SiblingsOf(const PersonList& persons, qint32 recNo);

} // namespace kinrow
