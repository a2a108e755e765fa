#pragma once

#include "model/messages.h"
#include "model/person.h"

#include <QString>

#include <cstddef>
#include <vector>

namespace kinrow {

// What a step of the family's history did; its name is shown in the undo and redo texts.
enum class StepKind
{
    AddFirst,
    AddMother,
    AddFather,
    AddSpouse,
    AddChild,
    Correct,
    LinkMother,
    LinkFather,
    LinkSpouse,
    LinkChild,
    UnlinkMother,
    UnlinkFather,
    UnlinkSpouse,
    MoveSpouse,
    MoveChild,
    Delete,
    SexChange,
    AddPicture,
    RemovePicture,
    CollectPictures,
};

// The step's name in lower case, as the undo text continues it: "add mother", "anne ekle".
QString StepName(StepKind kind, Lang lang);

// The undo and redo texts: "Undo: add mother", "Geri al: anne ekle"; without a step, the bare
// verb.
QString UndoText(const StepKind* kind, Lang lang);
QString RedoText(const StepKind* kind, Lang lang);

// One record as a step keeps it.
struct RecordState
{
    qint32 recNo = 0;
    TTreeData record;
};

// One change of the family as it was made: the records it changed, before and after, and the
// size of the list before and after. Records past the smaller size are kept on the side that
// has them, so the list can be cut or grown back exactly.
struct FamilyStep
{
    StepKind kind = StepKind::Correct;
    qint32 shownBefore = 0; // the person shown once the step is undone
    qint32 shownAfter = 0;  // the person shown once it is made again
    std::size_t sizeBefore = 0;
    std::size_t sizeAfter = 0;
    std::vector<RecordState> before;
    std::vector<RecordState> after;
};

// Puts the records back as they were before the step.
void UndoStep(PersonList& persons, const FamilyStep& step);
// Makes the step again on the list as it was before it.
void RedoStep(PersonList& persons, const FamilyStep& step);

// The bytes a step holds, counted as if none of its texts were shared.
std::size_t StepMemory(const FamilyStep& step);

} // namespace kinrow
