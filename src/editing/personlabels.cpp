#include "editing/personlabels.h"

#include "editing/persontexts.h"
#include "model/textrules.h"
#include "ui/personlabel.h"

namespace kinrow {

void SetPersonLabel(const PersonList& persons, qint32 recNo, PersonLabel& label, Lang lang)
{
    if (recNo < 1 || std::size_t(recNo) > persons.size())
        return;
    const TTreeData& person = persons[std::size_t(recNo - 1)];
    label.setTag(recNo);
    label.setText(QStringLiteral("  ") + ProperCaseName(person.GivenName, lang) + QLatin1Char(' ') +
                  person.Surname);
    QString summary = PersonSummary(persons, person, lang);
    label.setToolTip(summary.replace(QLatin1Char('\r'), QLatin1Char('\n')));
    if (person.Sex == SexMale)
        label.setTextColor(QColor(0, 0, 255));
    else if (person.Sex == SexFemale)
        label.setTextColor(QColor(128, 0, 0));
}

} // namespace kinrow
