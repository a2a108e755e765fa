#include "editing/familyedits.h"

#include "editing/deletion.h"
#include "editing/linking.h"
#include "editing/recordaccess.h"
#include "editing/reordering.h"
#include "editing/sexchange.h"
#include "model/familychange.h"
#include "pictures/pictureadding.h"

#include <QDir>

namespace kinrow {

namespace {

StepKind AcceptanceStep(EditMode mode)
{
    switch (mode) {
    case EditMode::First:
        return StepKind::AddFirst;
    case EditMode::Mother:
        return StepKind::AddMother;
    case EditMode::Father:
        return StepKind::AddFather;
    case EditMode::Spouse:
        return StepKind::AddSpouse;
    case EditMode::Child:
        return StepKind::AddChild;
    case EditMode::None:
    case EditMode::Correct:
        break;
    }
    return StepKind::Correct;
}

StepKind LinkStep(RelativeRole role)
{
    switch (role) {
    case RelativeRole::Mother:
        return StepKind::LinkMother;
    case RelativeRole::Father:
        return StepKind::LinkFather;
    case RelativeRole::Spouse:
        return StepKind::LinkSpouse;
    case RelativeRole::Child:
        break;
    }
    return StepKind::LinkChild;
}

bool Names(const TTreeData& r, qint32 n)
{
    return r.MotherId == n || r.FatherId == n || r.Spouses.contains(n) || r.Children.contains(n);
}

} // namespace

std::vector<qint32> AcceptanceTouches(const PersonList& persons, qint32 anchor, EditMode mode,
                                      const PersonForm& form)
{
    std::vector<qint32> touched{anchor, form.MotherId, form.FatherId};
    if (const TTreeData* a = RecordAt(persons, anchor)) {
        touched.push_back(a->MotherId);
        touched.push_back(a->FatherId);
        if (mode == EditMode::Spouse)
            touched.insert(touched.end(), a->Children.cbegin(), a->Children.cend());
    }
    return touched;
}

std::vector<qint32> LinkTouches(const PersonList& persons, qint32 anchor, qint32 picked,
                                qint32 selectedSpouse)
{
    std::vector<qint32> touched{anchor, picked, selectedSpouse};
    for (const qint32 n : {anchor, picked}) {
        if (const TTreeData* r = RecordAt(persons, n)) {
            touched.push_back(r->MotherId);
            touched.push_back(r->FatherId);
        }
    }
    return touched;
}

std::vector<qint32> MoveChildTouches(const PersonList& persons, qint32 anchor, int i)
{
    std::vector<qint32> touched{anchor};
    const TTreeData* a = RecordAt(persons, anchor);
    if (!a || i < 0 || i >= a->Children.size())
        return touched;
    if (const TTreeData* x = RecordAt(persons, a->Children.at(i))) {
        touched.push_back(x->MotherId);
        touched.push_back(x->FatherId);
    }
    return touched;
}

std::vector<qint32> DeletionTouches(const PersonList& persons, qint32 d)
{
    const qint32 last = qint32(persons.size());
    std::vector<qint32> touched{d, last};
    for (std::size_t i = 0; i < persons.size(); ++i) {
        if (Names(persons[i], d) || Names(persons[i], last))
            touched.push_back(qint32(i + 1));
    }
    return touched;
}

qint32 AcceptForm(Session& session, const PersonForm& form)
{
    const qint32 anchor = session.recNoMain();
    const EditMode mode = session.editMode();
    FamilyChange change(session, AcceptanceStep(mode),
                        AcceptanceTouches(session.persons(), anchor, mode, form));
    const bool wasEmpty = session.persons().empty();
    const qint32 written = ApplyAcceptedForm(change.persons(), anchor, mode, form);
    if (written == 0)
        return 0;
    if (wasEmpty)
        session.setRecNoMain(1); // the very first person of the file
    change.commit();
    return written;
}

bool LinkRelative(Session& session, RelativeRole role, qint32 picked, qint32 selectedSpouse)
{
    const qint32 anchor = session.recNoMain();
    FamilyChange change(session, LinkStep(role),
                        LinkTouches(session.persons(), anchor, picked, selectedSpouse));
    if (!LinkExisting(change.persons(), anchor, role, picked, selectedSpouse))
        return false;
    change.commit();
    return true;
}

bool RemoveParentLink(Session& session, RelativeRole role)
{
    const qint32 anchor = session.recNoMain();
    const TTreeData* a = RecordAt(session.persons(), anchor);
    if (!a)
        return false;
    const bool mother = role == RelativeRole::Mother;
    FamilyChange change(session, mother ? StepKind::UnlinkMother : StepKind::UnlinkFather,
                        {anchor, mother ? a->MotherId : a->FatherId});
    if (!UnlinkParent(change.persons(), anchor, role))
        return false;
    change.commit();
    return true;
}

bool RemoveSpouseLink(Session& session, int spouseIndex)
{
    const qint32 anchor = session.recNoMain();
    const TTreeData* a = RecordAt(session.persons(), anchor);
    if (!a || spouseIndex < 0 || spouseIndex >= a->Spouses.size())
        return false;
    FamilyChange change(session, StepKind::UnlinkSpouse, {anchor, a->Spouses.at(spouseIndex)});
    if (!UnlinkSpouse(change.persons(), anchor, spouseIndex))
        return false;
    change.commit();
    return true;
}

bool SwapSpouses(Session& session, int i, int j)
{
    const qint32 anchor = session.recNoMain();
    FamilyChange change(session, StepKind::MoveSpouse, {anchor});
    if (!MoveSpouse(change.persons(), anchor, i, j))
        return false;
    change.commit();
    return true;
}

bool SwapChildren(Session& session, int i, int j)
{
    const qint32 anchor = session.recNoMain();
    FamilyChange change(session, StepKind::MoveChild,
                        MoveChildTouches(session.persons(), anchor, i));
    if (!MoveChild(change.persons(), anchor, i, j))
        return false;
    change.commit();
    return true;
}

void DeleteCurrent(Session& session)
{
    const qint32 d = session.recNoMain();
    if (!session.isRecord(d))
        return;
    FamilyChange change(session, StepKind::Delete, DeletionTouches(session.persons(), d));
    const qint32 next = NextAfterDeletion(session.persons(), d);
    DeletePerson(change.persons(), d);
    session.setRecNoMain(next);
    change.commit();
}

void ChangeGroupSex(Session& session, const QList<qint32>& group, const QList<qint32>& children)
{
    std::vector<qint32> touched(group.cbegin(), group.cend());
    touched.insert(touched.end(), children.cbegin(), children.cend());
    FamilyChange change(session, StepKind::SexChange, std::move(touched));
    ApplySexChange(change.persons(), group, children);
    change.commit();
}

int AddCurrentPicture(Session& session, const QString& name, bool& added)
{
    FamilyChange change(session, StepKind::AddPicture, {session.recNoMain()});
    const int number = AddPictureEntry(change.record(session.recNoMain()), name, added);
    if (added)
        change.commit();
    return number;
}

bool RemoveCurrentPicture(Session& session, int number, bool deleteFile)
{
    // A file another entry still names stays on disk, whatever was asked: deleting it would
    // take that person's picture away. Entries resolve against the working folder.
    if (deleteFile &&
        PictureFileUsers(session.persons(), session.recNoMain(), number, QDir::currentPath())
            .shared())
        deleteFile = false;
    FamilyChange change(session, StepKind::RemovePicture, {session.recNoMain()});
    if (!RemovePictureEntry(change.record(session.recNoMain()), number, deleteFile))
        return false;
    change.commit();
    return true;
}

} // namespace kinrow
