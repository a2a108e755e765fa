#include "chart/ancestorslots.h"

#include "editing/persontexts.h"
#include "editing/recordaccess.h"
#include "editing/sharedchildren.h"
#include "model/textrules.h"

#include <bit>

namespace kinrow {

namespace {

const QString EmptyCaption = QStringLiteral("< ?? >");

ChartListItem ListItem(const PersonList& persons, qint32 recNo, Lang lang)
{
    const TTreeData* person = RecordAt(persons, recNo);
    if (!person)
        return ChartListItem{recNo, QString()};
    return ChartListItem{recNo, ProperCaseName(person->GivenName, lang) + QLatin1Char(' ') +
                                    person->Surname};
}

QList<ChartListItem> ListItems(const PersonList& persons, const QList<qint32>& recNos, Lang lang)
{
    QList<ChartListItem> items;
    items.reserve(recNos.size());
    for (const qint32 recNo : recNos)
        items << ListItem(persons, recNo, lang);
    return items;
}

AncestorSlot FilledSlot(const PersonList& persons, qint32 recNo, Lang lang)
{
    const TTreeData& person = *RecordAt(persons, recNo);
    return AncestorSlot{recNo, SlotCaption(person, lang), PersonSummary(persons, person, lang),
                        SexColor(person.Sex)};
}

} // namespace

QString SlotLabelName(int number)
{
    if (number == 1)
        return QStringLiteral("Lb_T_Main");
    const int generation = SlotGeneration(number);
    const int pair = (number - (1 << generation)) / 2 + 1;
    return QStringLiteral("Lb_T_%1%2%3")
        .arg(QChar(number % 2 == 0 ? u'B' : u'A'))
        .arg(generation)
        .arg(pair);
}

int SlotGeneration(int number)
{
    return std::bit_width(unsigned(number)) - 1;
}

SlotBorder SlotBorderOf(int number)
{
    if (number == 1)
        return SlotBorder::Centre;
    return number % 2 == 0 ? SlotBorder::Father : SlotBorder::Mother;
}

SlotColor SexColor(char sex)
{
    if (sex == SexMale)
        return SlotColor::Blue;
    if (sex == SexFemale)
        return SlotColor::Maroon;
    return SlotColor::Keep;
}

QString SlotCaption(const TTreeData& person, Lang lang)
{
    return QStringLiteral("  ") + ProperCaseName(person.GivenName, lang) + QLatin1Char(' ') +
           person.Surname;
}

AncestorChart BuildAncestorChart(const PersonList& persons, qint32 recNo, Lang lang)
{
    AncestorChart chart;
    for (AncestorSlot& slot : chart.slots)
        slot.caption = EmptyCaption;
    const TTreeData* person = RecordAt(persons, recNo);
    if (!person)
        return chart;
    chart.slots[0] = FilledSlot(persons, recNo, lang);
    // The spouses are of the other sex, so their colours are swapped.
    if (person->Sex == SexMale)
        chart.spouseListColor = SlotColor::Maroon;
    else if (person->Sex == SexFemale)
        chart.spouseListColor = SlotColor::Blue;
    chart.spouses = ListItems(persons, person->Spouses, lang);
    chart.children = ListItems(persons, person->Children, lang);
    // A child slot always comes after its own slot, so one pass in slot order fills every path.
    for (int n = 2; n <= AncestorSlotCount; ++n) {
        const TTreeData* child = RecordAt(persons, chart.recNo(n / 2));
        if (!child)
            continue;
        const qint32 parent = n % 2 == 0 ? child->FatherId : child->MotherId;
        if (RecordAt(persons, parent))
            chart.slots[size_t(n) - 1] = FilledSlot(persons, parent, lang);
    }
    return chart;
}

std::optional<QList<bool>> SharedChildMarks(const PersonList& persons, const AncestorChart& chart,
                                            int spouseIndex)
{
    if (chart.spouses.size() < 2 || spouseIndex < 0 || spouseIndex >= chart.spouses.size())
        return std::nullopt;
    QList<qint32> children;
    for (const auto& child : chart.children)
        children.append(child.recNo);
    return SharedChildMarks(persons, children, chart.spouses.at(spouseIndex).recNo);
}

} // namespace kinrow
