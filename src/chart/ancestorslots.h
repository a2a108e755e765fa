#pragma once

#include "drawing/drawing.h"
#include "model/messages.h"
#include "model/person.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace kinrow {

// Slots in Ahnentafel order: 1 the chart person, 2n the father and 2n + 1 the mother of slot n.
constexpr int AncestorSlotCount = 31;

// What a filled slot does to its label's font colour; Keep leaves the colour it had.
enum class SlotColor
{
    Keep,
    Blue,
    Maroon
};

// The border of a slot's label: black for the chart person, blue for fathers, red for mothers.
enum class SlotBorder
{
    Centre,
    Father,
    Mother
};

constexpr Rgb SlotBlue = 0x0000FF;
constexpr Rgb SlotMaroon = 0x800000;

struct AncestorSlot
{
    qint32 recNo = 0; // 0 for an empty slot
    QString caption;  // "< ?? >" for an empty slot
    QString hint;     // empty for an empty slot
    SlotColor color = SlotColor::Keep;
};

// A spouse or child of the chart person as its list shows it.
struct ChartListItem
{
    qint32 recNo = 0;
    QString text;
};

// Everything the chart page and its printout show of one chart person.
struct AncestorChart
{
    std::array<AncestorSlot, AncestorSlotCount> slots;
    QList<ChartListItem> spouses;
    QList<ChartListItem> children;
    SlotColor spouseListColor = SlotColor::Keep;

    const AncestorSlot& slot(int number) const { return slots.at(size_t(number) - 1); }
    qint32 recNo(int number) const { return slot(number).recNo; }
};

// Label name of a slot: "Lb_T_Main", "Lb_T_B11" (slot 2) ... "Lb_T_A48" (slot 31).
QString SlotLabelName(int number);
// 0 for the chart person, 1 for the parents ... 4 for the great-great-grandparents.
int SlotGeneration(int number);
SlotBorder SlotBorderOf(int number);

// Blue for a man, maroon for a woman, Keep for any other sex value.
SlotColor SexColor(char sex);
QString SlotCaption(const TTreeData& person, Lang lang);

// The chart of record recNo. A parent link that names no record ends its branch, as 0 does.
AncestorChart BuildAncestorChart(const PersonList& persons, qint32 recNo, Lang lang);

// Which child items a click on spouse item spouseIndex marks: those whose person is also among
// that spouse's own children. Nothing (markers left as they are) with fewer than two spouses.
std::optional<QList<bool>> SharedChildMarks(const PersonList& persons, const AncestorChart& chart,
                                            int spouseIndex);

} // namespace kinrow
