#include "editing/deletion.h"

#include "editing/recordaccess.h"

namespace kinrow {

namespace {

void Renumber(qint32& field, qint32 from, qint32 to)
{
    if (field == from)
        field = to;
}

void Renumber(QList<qint32>& list, qint32 from, qint32 to)
{
    for (qint32& n : list)
        Renumber(n, from, to);
}

// A duplicate entry left behind would name whichever record takes the freed number.
void Unlink(TTreeData& r, qint32 d)
{
    Renumber(r.MotherId, d, 0);
    Renumber(r.FatherId, d, 0);
    r.Spouses.removeAll(d);
    r.Children.removeAll(d);
}

} // namespace

DeleteRefusal CheckDeletion(const PersonList& persons, qint32 d, bool pictureShown)
{
    if (persons.size() <= 1)
        return DeleteRefusal::LastRecord;
    if (pictureShown)
        return DeleteRefusal::HasPictures;
    const TTreeData* p = RecordAt(persons, d);
    if (p && (p->MotherId > 0 || p->FatherId > 0) &&
        (!p->Spouses.isEmpty() || !p->Children.isEmpty()))
        return DeleteRefusal::ChainRule;
    return DeleteRefusal::None;
}

Msg DeleteRefusalMessage(DeleteRefusal refusal)
{
    switch (refusal) {
    case DeleteRefusal::None:
    case DeleteRefusal::LastRecord:
        return Msg::LastRecordRefusal;
    case DeleteRefusal::HasPictures:
        return Msg::HasPicturesRefusal;
    case DeleteRefusal::ChainRule:
        return Msg::ChainRuleRefusal;
    }
    return Msg::LastRecordRefusal;
}

qint32 NextAfterDeletion(const PersonList& persons, qint32 d)
{
    const TTreeData* p = RecordAt(persons, d);
    if (!p)
        return 1;
    qint32 next = 1;
    if (!p->Children.isEmpty())
        next = p->Children.first();
    if (!p->Spouses.isEmpty())
        next = p->Spouses.first();
    if (p->FatherId > 0)
        next = p->FatherId;
    if (p->MotherId > 0)
        next = p->MotherId;
    const qint64 count = qint64(persons.size());
    return (next < 1 || next >= count || next == d) ? 1 : next;
}

void DeletePerson(PersonList& persons, qint32 d)
{
    if (!RecordAt(persons, d))
        return;
    const qint32 last = qint32(persons.size());
    for (TTreeData& r : persons) {
        Unlink(r, d);
        Renumber(r.MotherId, last, d);
        Renumber(r.FatherId, last, d);
        Renumber(r.Spouses, last, d);
        Renumber(r.Children, last, d);
    }
    if (d != last) {
        persons[static_cast<size_t>(d) - 1] = std::move(persons.back());
        persons[static_cast<size_t>(d) - 1].Id = d;
    }
    persons.pop_back();
}

} // namespace kinrow
