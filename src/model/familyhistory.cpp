#include "model/familyhistory.h"

namespace kinrow {

void FamilyHistory::push(FamilyStep step)
{
    dropRedoSteps();
    memory_ += StepMemory(step);
    steps_.push_back(std::move(step));
    ++done_;
    keepWithinLimit();
}

const FamilyStep* FamilyHistory::undo(PersonList& persons)
{
    if (done_ == 0)
        return nullptr;
    const FamilyStep& step = steps_[--done_];
    UndoStep(persons, step);
    return &step;
}

const FamilyStep* FamilyHistory::redo(PersonList& persons)
{
    if (done_ == steps_.size())
        return nullptr;
    const FamilyStep& step = steps_[done_++];
    RedoStep(persons, step);
    return &step;
}

void FamilyHistory::clear()
{
    steps_.clear();
    done_ = 0;
    saved_ = 0;
    memory_ = 0;
}

void FamilyHistory::dropRedoSteps()
{
    // The saved state lay among the steps thrown away: nothing reaches it any more.
    if (saved_ > std::ptrdiff_t(done_))
        saved_ = -1;
    while (steps_.size() > done_) {
        memory_ -= StepMemory(steps_.back());
        steps_.pop_back();
    }
}

void FamilyHistory::keepWithinLimit()
{
    while (memory_ > limit_ && steps_.size() > 1) {
        memory_ -= StepMemory(steps_.front());
        steps_.pop_front();
        --done_;
        saved_ = saved_ > 0 ? saved_ - 1 : -1;
    }
}

} // namespace kinrow
