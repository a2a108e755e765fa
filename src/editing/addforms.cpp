#include "editing/addforms.h"

#include "editing/recordaccess.h"
#include "model/messages.h"
#include "model/textrules.h"

namespace kinrow {

namespace {

QString EntryText(const TTreeData& p, Lang lang)
{
    return ProperCaseName(p.GivenName, lang) + QLatin1Char(' ') + p.Surname;
}

QString StoredName(const TTreeData& p)
{
    return p.GivenName + QLatin1Char(' ') + p.Surname;
}

void AddSpouse(AddFormPrefill& prefill, qint32 n, const TTreeData& p, Lang lang)
{
    prefill.Form.Spouses.append(n);
    prefill.SpouseEntries.append(EntryText(p, lang));
}

void AddChild(AddFormPrefill& prefill, qint32 n, const TTreeData& p, Lang lang)
{
    prefill.Form.Children.append(n);
    prefill.ChildEntries.append(EntryText(p, lang));
}

void PrepareParent(AddFormPrefill& prefill, const PersonList& persons, qint32 anchor, bool mother,
                   Lang lang)
{
    prefill.Mode = mother ? EditMode::Mother : EditMode::Father;
    prefill.TitleSuffix = QStringLiteral(" >> ") +
                          LangText(mother ? Msg::MotherRole : Msg::FatherRole, lang) +
                          LangText(Msg::IsAdding, lang);
    const TTreeData& a = *RecordAt(persons, anchor);
    AddChild(prefill, anchor, a, lang);
    prefill.Form.SexTag = mother ? 2 : 1;
    if (!mother)
        prefill.Form.Surname = a.Surname;
    const qint32 other = mother ? a.FatherId : a.MotherId;
    if (const TTreeData* p = RecordAt(persons, other))
        AddSpouse(prefill, other, *p, lang);
}

void PrepareSpouse(AddFormPrefill& prefill, const PersonList& persons, qint32 anchor, Lang lang)
{
    const TTreeData& a = *RecordAt(persons, anchor);
    prefill.Mode = EditMode::Spouse;
    prefill.TitleSuffix = QStringLiteral(" >> ") + QString::number(a.Spouses.size() + 1) +
                          LangText(Msg::SpouseAdding, lang);
    AddSpouse(prefill, anchor, a, lang);
    for (qint32 c : a.Children) {
        const TTreeData* child = RecordAt(persons, c);
        if (!child)
            continue;
        if ((a.Sex == SexMale && child->MotherId == 0) ||
            (a.Sex == SexFemale && child->FatherId == 0)) {
            AddChild(prefill, c, *child, lang);
            if (a.Sex == SexFemale)
                prefill.Form.Surname = child->Surname;
        }
    }
    prefill.Form.SexTag = a.Sex == SexMale ? 2 : 1;
}

void PrepareChild(AddFormPrefill& prefill, const PersonList& persons, qint32 anchor,
                  int selectedSpouse, Lang lang)
{
    const TTreeData& a = *RecordAt(persons, anchor);
    prefill.Mode = EditMode::Child;
    prefill.TitleSuffix = QStringLiteral(" >> ") + QString::number(a.Children.size() + 1) +
                          LangText(Msg::ChildAdding, lang);
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

PersonForm EmptyPersonForm(Lang lang)
{
    PersonForm form;
    form.Notes = LangText(Msg::NotesPlaceholder, lang);
    return form;
}

AddFormPrefill PrepareAddForm(const PersonList& persons, qint32 anchor, RelativeRole role,
                              int selectedSpouse, Lang lang)
{
    AddFormPrefill prefill;
    prefill.Form = EmptyPersonForm(lang);
    if (!RecordAt(persons, anchor))
        return prefill;
    switch (role) {
    case RelativeRole::Mother:
    case RelativeRole::Father:
        PrepareParent(prefill, persons, anchor, role == RelativeRole::Mother, lang);
        break;
    case RelativeRole::Spouse:
        PrepareSpouse(prefill, persons, anchor, lang);
        break;
    case RelativeRole::Child:
        PrepareChild(prefill, persons, anchor, selectedSpouse, lang);
        break;
    }
    return prefill;
}

} // namespace kinrow
