#include "editing/linking.h"

#include "editing/persontexts.h"
#include "editing/recordaccess.h"
#include "model/messages.h"
#include "model/textrules.h"

#include <QSet>

namespace kinrow {

namespace {

Msg RoleMessage(RelativeRole role)
{
    switch (role) {
    case RelativeRole::Mother:
        return Msg::MotherRole;
    case RelativeRole::Father:
        return Msg::FatherRole;
    case RelativeRole::Spouse:
        return Msg::SpouseRole;
    case RelativeRole::Child:
        return Msg::ChildRole;
    }
    return Msg::ChildRole;
}

QString TitleName(const TTreeData& p, Lang lang)
{
    return ProperCaseName(p.GivenName, lang) + QLatin1Char(' ') + p.Surname;
}

bool SexFits(char candidate, char anchorSex, RelativeRole role)
{
    switch (role) {
    case RelativeRole::Mother:
        return candidate != SexMale;
    case RelativeRole::Father:
        return candidate != SexFemale;
    case RelativeRole::Spouse:
        return candidate != anchorSex;
    case RelativeRole::Child:
        return true;
    }
    return true;
}

QSet<qint32> ExcludedFromLinking(const PersonList& persons, qint32 anchor)
{
    const TTreeData& a = *RecordAt(persons, anchor);
    QSet<qint32> excluded{anchor, a.MotherId, a.FatherId};
    for (qint32 n : a.Spouses)
        excluded.insert(n);
    for (qint32 n : a.Children)
        excluded.insert(n);
    for (qint32 n : SiblingsOf(persons, anchor))
        excluded.insert(n);
    return excluded;
}

// A parent field of the child is overwritten: the former parent lets go of the child unless
// it stays a parent through the other field.
void SetParent(PersonList& persons, qint32 childNo, qint32& field, qint32 parent, qint32 otherField)
{
    const qint32 former = field;
    field = parent;
    if (former == parent || former == otherField)
        return;
    if (TTreeData* formerParent = RecordAt(persons, former))
        RemoveFirstId(childNo, formerParent->Children);
}

void LinkParent(PersonList& persons, TTreeData& a, qint32 anchor, TTreeData& p, qint32 picked,
                bool mother)
{
    (mother ? a.MotherId : a.FatherId) = picked;
    AddIdOnce(anchor, p.Children);
    const qint32 otherNo = mother ? a.FatherId : a.MotherId;
    TTreeData* other = RecordAt(persons, otherNo);
    if (other && otherNo != picked) {
        AddIdOnce(otherNo, p.Spouses);
        AddIdOnce(picked, other->Spouses);
    }
}

void LinkChild(PersonList& persons, TTreeData& a, qint32 anchor, TTreeData& p, qint32 picked,
               qint32 selectedSpouse)
{
    AddIdOnce(picked, a.Children);
    TTreeData* spouse = selectedSpouse != picked ? RecordAt(persons, selectedSpouse) : nullptr;
    if (a.Sex == SexMale) {
        SetParent(persons, picked, p.FatherId, anchor, p.MotherId);
        if (spouse)
            SetParent(persons, picked, p.MotherId, selectedSpouse, p.FatherId);
    } else if (a.Sex == SexFemale) {
        SetParent(persons, picked, p.MotherId, anchor, p.FatherId);
        if (spouse)
            SetParent(persons, picked, p.FatherId, selectedSpouse, p.MotherId);
    }
    if (spouse) {
        AddIdOnce(anchor, spouse->Spouses);
        AddIdOnce(picked, spouse->Children);
    }
}

} // namespace

QList<qint32> LinkCandidates(const PersonList& persons, qint32 anchor, RelativeRole role)
{
    const TTreeData* a = RecordAt(persons, anchor);
    if (!a)
        return {};
    const QSet<qint32> excluded = ExcludedFromLinking(persons, anchor);
    QList<qint32> candidates;
    for (size_t i = 0; i < persons.size(); ++i) {
        const qint32 j = qint32(i + 1);
        if (SexFits(persons[i].Sex, a->Sex, role) && !excluded.contains(j))
            candidates.append(j);
    }
    return candidates;
}

int SpouseSelectionForLink(int spouseCount, int selectedIndex)
{
    if (spouseCount == 1)
        return 0;
    return selectedIndex >= 0 && selectedIndex < spouseCount ? selectedIndex : -1;
}

QString LinkListCaption(const PersonList& persons, qint32 anchor, RelativeRole role, Lang lang)
{
    const TTreeData* a = RecordAt(persons, anchor);
    if (!a)
        return {};
    return TitleName(*a, lang) + LangText(RoleMessage(role), lang) + LangText(Msg::IsAdding, lang);
}

QString LinkConfirmText(const PersonList& persons, qint32 anchor, RelativeRole role, qint32 picked,
                        Lang lang)
{
    const TTreeData* p = RecordAt(persons, picked);
    if (!p)
        return {};
    return QStringLiteral("< ") + p->GivenName + QLatin1Char(' ') + p->Surname +
           QStringLiteral(" >\r\r") + LinkListCaption(persons, anchor, role, lang);
}

bool LinkExisting(PersonList& persons, qint32 anchor, RelativeRole role, qint32 picked,
                  qint32 selectedSpouse)
{
    TTreeData* a = RecordAt(persons, anchor);
    TTreeData* p = RecordAt(persons, picked);
    if (!a || !p || anchor == picked)
        return false;
    switch (role) {
    case RelativeRole::Mother:
    case RelativeRole::Father:
        LinkParent(persons, *a, anchor, *p, picked, role == RelativeRole::Mother);
        break;
    case RelativeRole::Spouse:
        AddIdOnce(picked, a->Spouses);
        AddIdOnce(anchor, p->Spouses);
        break;
    case RelativeRole::Child:
        LinkChild(persons, *a, anchor, *p, picked, selectedSpouse);
        break;
    }
    return true;
}

QString UnlinkParentQuestion(const PersonList& persons, qint32 anchor, RelativeRole role, Lang lang)
{
    const TTreeData* a = RecordAt(persons, anchor);
    if (!a)
        return {};
    const TTreeData* parent =
        RecordAt(persons, role == RelativeRole::Mother ? a->MotherId : a->FatherId);
    if (!parent)
        return {};
    return TitleName(*a, lang) + LangText(RoleMessage(role), lang) + QStringLiteral(" >> ") +
           QStringLiteral("  ") + TitleName(*parent, lang) + QStringLiteral("\r\r") +
           LangText(Msg::UnlinkQuestion, lang);
}

bool UnlinkParent(PersonList& persons, qint32 anchor, RelativeRole role)
{
    TTreeData* a = RecordAt(persons, anchor);
    if (!a)
        return false;
    qint32& field = role == RelativeRole::Mother ? a->MotherId : a->FatherId;
    if (field == 0)
        return false;
    if (TTreeData* parent = RecordAt(persons, field))
        RemoveFirstId(anchor, parent->Children);
    field = 0;
    return true;
}

QString UnlinkSpouseQuestion(const PersonList& persons, qint32 anchor, int spouseIndex, Lang lang)
{
    const TTreeData* a = RecordAt(persons, anchor);
    if (!a || spouseIndex < 0 || spouseIndex >= a->Spouses.size())
        return {};
    const TTreeData* spouse = RecordAt(persons, a->Spouses.at(spouseIndex));
    if (!spouse)
        return {};
    return TitleName(*a, lang) + LangText(RoleMessage(RelativeRole::Spouse), lang) +
           QStringLiteral(" >> ") + PersonEntryText(*spouse, lang) + QStringLiteral("\r\r") +
           LangText(Msg::UnlinkQuestion, lang);
}

bool UnlinkSpouse(PersonList& persons, qint32 anchor, int spouseIndex)
{
    TTreeData* a = RecordAt(persons, anchor);
    if (!a || spouseIndex < 0 || spouseIndex >= a->Spouses.size())
        return false;
    const qint32 s = a->Spouses.takeAt(spouseIndex);
    if (TTreeData* spouse = RecordAt(persons, s))
        RemoveFirstId(anchor, spouse->Spouses);
    return true;
}

} // namespace kinrow
