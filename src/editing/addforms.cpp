#include "editing/addforms.h"

#include "editing/recordaccess.h"
#include "model/textrules.h"
#include "shell/langtable.h"

namespace kinrow {

namespace {

constexpr int NotesPlaceholderEntry = 107;
constexpr int MotherRoleEntry = 88;
constexpr int FatherRoleEntry = 89;
constexpr int IsAddingEntry = 97;
constexpr int SpouseAddingEntry = 111;
constexpr int ChildAddingEntry = 112;

QString EntryText(const TTreeData& p, int langIndex)
{
    return ProperCaseName(p.GivenName, langIndex) + QLatin1Char(' ') + p.Surname;
}

QString StoredName(const TTreeData& p)
{
    return p.GivenName + QLatin1Char(' ') + p.Surname;
}

void AddSpouse(AddFormPrefill& prefill, qint32 n, const TTreeData& p, int langIndex)
{
    prefill.Form.Spouses.append(n);
    prefill.SpouseEntries.append(EntryText(p, langIndex));
}

void AddChild(AddFormPrefill& prefill, qint32 n, const TTreeData& p, int langIndex)
{
    prefill.Form.Children.append(n);
    prefill.ChildEntries.append(EntryText(p, langIndex));
}

void PrepareParent(AddFormPrefill& prefill, const PersonList& persons, qint32 anchor, bool mother,
                   int langIndex)
{
    prefill.EditMode = (mother ? EditModeMother : EditModeFather).toString();
    prefill.TitleSuffix = QStringLiteral(" >> ") +
                          LangText(mother ? MotherRoleEntry : FatherRoleEntry, langIndex) +
                          LangText(IsAddingEntry, langIndex);
    const TTreeData& a = *RecordAt(persons, anchor);
    AddChild(prefill, anchor, a, langIndex);
    prefill.Form.SexTag = mother ? 2 : 1;
    if (!mother)
        prefill.Form.Surname = a.Surname;
    const qint32 other = mother ? a.FatherId : a.MotherId;
    if (const TTreeData* p = RecordAt(persons, other))
        AddSpouse(prefill, other, *p, langIndex);
}

void PrepareSpouse(AddFormPrefill& prefill, const PersonList& persons, qint32 anchor, int langIndex)
{
    const TTreeData& a = *RecordAt(persons, anchor);
    prefill.EditMode = EditModeSpouse.toString();
    prefill.TitleSuffix = QStringLiteral(" >> ") + QString::number(a.Spouses.size() + 1) +
                          LangText(SpouseAddingEntry, langIndex);
    AddSpouse(prefill, anchor, a, langIndex);
    for (qint32 c : a.Children) {
        const TTreeData* child = RecordAt(persons, c);
        if (!child)
            continue;
        if ((a.Sex == SexMale && child->MotherId == 0) ||
            (a.Sex == SexFemale && child->FatherId == 0)) {
            AddChild(prefill, c, *child, langIndex);
            if (a.Sex == SexFemale)
                prefill.Form.Surname = child->Surname;
        }
    }
    prefill.Form.SexTag = a.Sex == SexMale ? 2 : 1;
}

void PrepareChild(AddFormPrefill& prefill, const PersonList& persons, qint32 anchor,
                  int selectedSpouse, int langIndex)
{
    const TTreeData& a = *RecordAt(persons, anchor);
    prefill.EditMode = EditModeChild.toString();
    prefill.TitleSuffix = QStringLiteral(" >> ") + QString::number(a.Children.size() + 1) +
                          LangText(ChildAddingEntry, langIndex);
    if (selectedSpouse < 0 || selectedSpouse >= a.Spouses.size())
        selectedSpouse = 0;
    const qint32 s = a.Spouses.isEmpty() ? 0 : a.Spouses.at(selectedSpouse);
    const TTreeData* spouse = RecordAt(persons, s);
    if (a.Sex == SexMale) {
        prefill.Form.FatherId = anchor;
        prefill.FatherCaption = StoredName(a);
        prefill.Form.Surname = a.Surname;
        if (spouse) {
            prefill.Form.MotherId = s;
            prefill.MotherCaption = StoredName(*spouse);
        }
    } else if (a.Sex == SexFemale) {
        prefill.Form.MotherId = anchor;
        prefill.MotherCaption = StoredName(a);
        if (spouse) {
            prefill.Form.FatherId = s;
            prefill.FatherCaption = StoredName(*spouse);
            prefill.Form.Surname = spouse->Surname;
        }
    }
}

} // namespace

PersonForm EmptyPersonForm(int langIndex)
{
    PersonForm form;
    form.Notes = LangText(NotesPlaceholderEntry, langIndex);
    return form;
}

AddFormPrefill PrepareAddForm(const PersonList& persons, qint32 anchor, RelativeRole role,
                              int selectedSpouse, int langIndex)
{
    AddFormPrefill prefill;
    prefill.Form = EmptyPersonForm(langIndex);
    if (!RecordAt(persons, anchor))
        return prefill;
    switch (role) {
    case RelativeRole::Mother:
    case RelativeRole::Father:
        PrepareParent(prefill, persons, anchor, role == RelativeRole::Mother, langIndex);
        break;
    case RelativeRole::Spouse:
        PrepareSpouse(prefill, persons, anchor, langIndex);
        break;
    case RelativeRole::Child:
        PrepareChild(prefill, persons, anchor, selectedSpouse, langIndex);
        break;
    }
    return prefill;
}

} // namespace kinrow
