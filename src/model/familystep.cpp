#include "model/familystep.h"

namespace kinrow {

namespace {

// Turkish and English name of every step kind, in the order of the enum.
constexpr const char16_t* Names[][2] = {
    {u"ilk kişiyi ekle", u"add first person"},
    {u"anne ekle", u"add mother"},
    {u"baba ekle", u"add father"},
    {u"eş ekle", u"add spouse"},
    {u"çocuk ekle", u"add child"},
    {u"kişiyi düzelt", u"correct person"},
    {u"listeden anne bağla", u"link mother"},
    {u"listeden baba bağla", u"link father"},
    {u"listeden eş bağla", u"link spouse"},
    {u"listeden çocuk bağla", u"link child"},
    {u"anne bağını sil", u"remove mother link"},
    {u"baba bağını sil", u"remove father link"},
    {u"eş bağını sil", u"remove spouse link"},
    {u"eşin sırasını değiştir", u"move spouse"},
    {u"çocuğun sırasını değiştir", u"move child"},
    {u"kişiyi sil", u"delete person"},
    {u"cinsiyeti değiştir", u"change sex"},
    {u"resim ekle", u"add picture"},
    {u"resmi çıkar", u"remove picture"},
    {u"resimleri topla", u"collect pictures"},
};
static_assert(std::size(Names) == std::size_t(StepKind::CollectPictures) + 1);

QString Verb(const char16_t* turkish, const char16_t* english, const StepKind* kind, Lang lang)
{
    const QString verb = QString::fromUtf16(lang == Lang::Turkish ? turkish : english);
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
    return QString::fromUtf16(Names[std::size_t(kind)][lang == Lang::Turkish ? 0 : 1]);
}

QString UndoText(const StepKind* kind, Lang lang)
{
    return Verb(u"Geri al", u"Undo", kind, lang);
}

QString RedoText(const StepKind* kind, Lang lang)
{
    return Verb(u"Yinele", u"Redo", kind, lang);
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
