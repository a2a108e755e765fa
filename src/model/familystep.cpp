#include "model/familystep.h"

namespace kinrow {

namespace {

// The name of every step kind, in the order of the enum.
constexpr Msg Names[] = {
    Msg::StepAddFirstPerson, Msg::StepAddMother,       Msg::StepAddFather,
    Msg::StepAddSpouse,      Msg::StepAddChild,        Msg::StepCorrectPerson,
    Msg::StepLinkMother,     Msg::StepLinkFather,      Msg::StepLinkSpouse,
    Msg::StepLinkChild,      Msg::StepUnlinkMother,    Msg::StepUnlinkFather,
    Msg::StepUnlinkSpouse,   Msg::StepMoveSpouse,      Msg::StepMoveChild,
    Msg::StepDeletePerson,   Msg::StepChangeSex,       Msg::StepAddPicture,
    Msg::StepRemovePicture,  Msg::StepCollectPictures,
};
static_assert(std::size(Names) == std::size_t(StepKind::CollectPictures) + 1);

QString Verb(Msg entry, const StepKind* kind, Lang lang)
{
    const QString verb = LangText(entry, lang);
    return kind ? verb + QStringLiteral(": ") + StepName(*kind, lang) : verb;
}

std::size_t TextMemory(const QString& text)
{
    return sizeof(QString) + std::size_t(text.size()) * sizeof(QChar);
}

std::size_t RecordMemory(const RecordState& state)
{
    const TTreeData& p = state.record;
    std::size_t bytes = sizeof(RecordState) + TextMemory(p.GivenName) + TextMemory(p.Surname) +
                        TextMemory(p.BirthPlace) + TextMemory(p.Notes) +
                        std::size_t(p.Spouses.size() + p.Children.size()) * sizeof(qint32);
    for (const QString& picture : p.Pictures)
        bytes += TextMemory(picture);
    return bytes;
}

void Write(PersonList& persons, const std::vector<RecordState>& records)
{
    for (const RecordState& state : records)
        persons[std::size_t(state.recNo) - 1] = state.record;
}

} // namespace

QString StepName(StepKind kind, Lang lang)
{
    return LangText(Names[std::size_t(kind)], lang);
}

QString UndoText(const StepKind* kind, Lang lang)
{
    return Verb(Msg::UndoVerb, kind, lang);
}

QString RedoText(const StepKind* kind, Lang lang)
{
    return Verb(Msg::RedoVerb, kind, lang);
}

void UndoStep(PersonList& persons, const FamilyStep& step)
{
    persons.resize(step.sizeBefore);
    Write(persons, step.before);
}

void RedoStep(PersonList& persons, const FamilyStep& step)
{
    persons.resize(step.sizeAfter);
    Write(persons, step.after);
}

std::size_t StepMemory(const FamilyStep& step)
{
    std::size_t bytes = sizeof(FamilyStep);
    for (const RecordState& state : step.before)
        bytes += RecordMemory(state);
    for (const RecordState& state : step.after)
        bytes += RecordMemory(state);
    return bytes;
}

} // namespace kinrow
