#pragma once

#include "model/familystep.h"

#include <cstddef>
#include <deque>

namespace kinrow {

// The undo and redo history of the open family: the steps made, the ones undone, and where
// the family was last saved. It keeps as many steps as fit its memory limit, forgetting the
// oldest first; the newest step is always kept.
class FamilyHistory
{
public:
    static constexpr std::size_t DefaultMemoryLimit = std::size_t(64) << 20;

    explicit FamilyHistory(std::size_t memoryLimit = DefaultMemoryLimit) : limit_(memoryLimit) {}

    // Adds a step just made; the steps undone before it can no longer be made again.
    void push(FamilyStep step);
    // Undoes the newest step made, redoes the oldest undone one; nullptr when there is none.
    const FamilyStep* undo(PersonList& persons);
    const FamilyStep* redo(PersonList& persons);

    const FamilyStep* nextUndo() const { return done_ > 0 ? &steps_[done_ - 1] : nullptr; }
    const FamilyStep* nextRedo() const { return done_ < steps_.size() ? &steps_[done_] : nullptr; }
    bool canUndo() const { return nextUndo() != nullptr; }
    bool canRedo() const { return nextRedo() != nullptr; }

    // Forgets every step: another family was opened.
    void clear();
    // The family now is what its file holds.
    void markSaved() { saved_ = std::ptrdiff_t(done_); }
    // The family differs from its file in a way no step records: no undo reaches the file again.
    void forgetSaved() { saved_ = -1; }
    // Whether the family is, step for step, what was last saved.
    bool atSaved() const { return saved_ == std::ptrdiff_t(done_); }

    std::size_t stepCount() const { return steps_.size(); }
    std::size_t memory() const { return memory_; }

private:
    void dropRedoSteps();
    void keepWithinLimit();

    std::deque<FamilyStep> steps_;
    std::size_t done_ = 0; // steps_[0, done_) are made, the rest undone
    std::ptrdiff_t saved_ = 0;
    std::size_t memory_ = 0;
    std::size_t limit_;
};

} // namespace kinrow
