#include "model/familychange.h"

#include "model/session.h"

#include <algorithm>

namespace kinrow {

namespace {

std::vector<RecordState> Snapshot(const PersonList& persons, const std::vector<qint32>& recNos)
{
    std::vector<RecordState> states;
    states.reserve(recNos.size());
    for (const qint32 n : recNos) {
        if (n >= 1 && std::size_t(n) <= persons.size())
            states.push_back({n, persons[std::size_t(n) - 1]});
    }
    return states;
}

// Records present on both sides and equal there need no keeping.
void DropUnchanged(FamilyStep& step)
{
    std::vector<RecordState> before, after;
    std::size_t j = 0;
    for (RecordState& was : step.before) {
        while (j < step.after.size() && step.after[j].recNo < was.recNo)
            after.push_back(std::move(step.after[j++]));
        if (j < step.after.size() && step.after[j].recNo == was.recNo &&
            step.after[j].record == was.record) {
            ++j;
            continue;
        }
        before.push_back(std::move(was));
    }
    while (j < step.after.size())
        after.push_back(std::move(step.after[j++]));
    step.before = std::move(before);
    step.after = std::move(after);
}

} // namespace

FamilyChange::FamilyChange(Session& session, StepKind kind, std::vector<qint32> touched)
    : session_(session), touched_(std::move(touched))
{
    std::sort(touched_.begin(), touched_.end());
    touched_.erase(std::unique(touched_.begin(), touched_.end()), touched_.end());
    step_.kind = kind;
    step_.shownBefore = session.recNoMain();
    step_.sizeBefore = session.persons_.size();
    step_.before = Snapshot(session.persons_, touched_);
    session.openChange();
}

FamilyChange::~FamilyChange()
{
    session_.closeChange();
}

PersonList& FamilyChange::persons()
{
    return session_.persons_;
}

void FamilyChange::commit()
{
    const PersonList& persons = session_.persons_;
    step_.sizeAfter = persons.size();
    // Records appended by the change are touched by it, whether named or not.
    for (std::size_t n = step_.sizeBefore + 1; n <= step_.sizeAfter; ++n)
        touched_.push_back(qint32(n));
    std::sort(touched_.begin(), touched_.end());
    touched_.erase(std::unique(touched_.begin(), touched_.end()), touched_.end());
    step_.after = Snapshot(persons, touched_);
    DropUnchanged(step_);
    // An OK that changed nothing is no step: undoing it would only mark the family unsaved.
    if (step_.before.empty() && step_.after.empty() && step_.sizeBefore == step_.sizeAfter)
        return;
    step_.shownAfter = session_.recNoMain();
    session_.recordStep(std::move(step_));
}

} // namespace kinrow
