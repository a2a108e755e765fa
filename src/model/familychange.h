#pragma once

#include "model/familystep.h"

#include <vector>

namespace kinrow {

class Session;

// Records one change of the session's family as one undoable step. Made before anything is
// changed, with every record the change may touch (a record the change removes from the end of
// the list included); committed once the change is made. A change that is not committed
// records nothing, so an operation that refuses must leave the family as it was.
class FamilyChange
{
public:
    FamilyChange(Session& session, StepKind kind, std::vector<qint32> touched);
    // A current record set while the change was made is told now (Session::currentChanged).
    ~FamilyChange();
    FamilyChange(const FamilyChange&) = delete;
    FamilyChange& operator=(const FamilyChange&) = delete;

    // The family to change, for the code that makes the change between making and committing.
    PersonList& persons();
    TTreeData& record(qint32 recNo) { return persons()[std::size_t(recNo - 1)]; }

    // Records the step: the touched records as they are now, those that did not change left
    // out, and the current record as the person a redo shows. A change that changed nothing
    // records nothing and leaves the unsaved-changes flag as it was.
    void commit();

private:
    Session& session_;
    FamilyStep step_;
    std::vector<qint32> touched_;
};

} // namespace kinrow
