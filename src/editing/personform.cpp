#include "editing/personform.h"

#include "editing/recordaccess.h"
#include "model/textrules.h"

namespace kinrow {

namespace {

QList<qint32> Shown(const PersonList& persons, const QList<qint32>& recNos)
{
    QList<qint32> shown;
    for (const qint32 n : recNos) {
        if (RecordAt(persons, n))
            shown.append(n);
    }
    return shown;
}

// The notes as the notes field gives them back: lines separated by CR LF.
QString FormNotes(QString notes)
{
    notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    notes.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return notes.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace

int StoredIndex(const PersonList& persons, const QList<qint32>& stored, int row)
{
    int shown = -1;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (RecordAt(persons, stored.at(i)) && ++shown == row)
            return int(i);
    }
    return -1;
}

PersonForm FormOfRecord(const PersonList& persons, qint32 recNo)
{
    PersonForm form;
    const TTreeData* p = RecordAt(persons, recNo);
    if (!p)
        return form;
    form.GivenName = p->GivenName;
    form.Surname = p->Surname;
    form.BirthPlace = p->BirthPlace;
    form.BirthDateText = FormatDateValue(p->BirthDate);
    form.DeathDateText = FormatDateValue(p->DeathDate);
    form.Notes = FormNotes(p->Notes);
    form.SexTag = p->Sex == SexMale ? 1 : 2;
    form.MotherId = RecordAt(persons, p->MotherId) ? p->MotherId : 0;
    form.FatherId = RecordAt(persons, p->FatherId) ? p->FatherId : 0;
    form.Spouses = Shown(persons, p->Spouses);
    form.Children = Shown(persons, p->Children);
    return form;
}

} // namespace kinrow
