#include "editing/sexchange.h"

#include "editing/persontexts.h"
#include "editing/recordaccess.h"
#include "model/messages.h"

#include <QSet>

#include <utility>

namespace kinrow {

namespace {

void AppendEntries(QString& text, const PersonList& persons, const QList<qint32>& numbers,
                   Lang lang)
{
    for (qint32 n : numbers) {
        if (const TTreeData* p = RecordAt(persons, n))
            text += QStringLiteral("\r - ") + PersonEntryText(*p, lang);
    }
}

} // namespace

QList<qint32> SpouseGroup(const PersonList& persons, qint32 start)
{
    if (!RecordAt(persons, start))
        return {};
    QList<qint32> group{start};
    QSet<qint32> members{start};
    const auto join = [&](qint32 n) {
        if (RecordAt(persons, n) && !members.contains(n)) {
            members.insert(n);
            group.append(n);
        }
    };
    // The group list itself is the breadth-first queue: members not yet expanded follow
    // the ones already expanded. The other parent of a member's child joins as a spouse
    // would, or the child would be left with two fathers or two mothers.
    for (qsizetype next = 0; next < group.size(); ++next) {
        const qint32 n = group.at(next);
        const TTreeData* member = RecordAt(persons, n);
        for (qint32 s : member->Spouses)
            join(s);
        for (qint32 c : member->Children) {
            if (const TTreeData* child = RecordAt(persons, c)) {
                join(child->MotherId);
                join(child->FatherId);
            }
        }
    }
    return group;
}

QList<qint32> AffectedChildren(const PersonList& persons, const QList<qint32>& group)
{
    QList<qint32> children;
    QSet<qint32> seen;
    for (qint32 m : group) {
        const TTreeData* member = RecordAt(persons, m);
        if (!member)
            continue;
        for (qint32 c : member->Children) {
            if (RecordAt(persons, c) && !seen.contains(c)) {
                seen.insert(c);
                children.append(c);
            }
        }
    }
    return children;
}

QString SexChangeQuestion(const PersonList& persons, const QList<qint32>& group,
                          const QList<qint32>& children, Lang lang)
{
    QString text = LangText(Msg::SexChangeGroupHeading, lang);
    AppendEntries(text, persons, group, lang);
    if (!children.isEmpty()) {
        text += QStringLiteral("\r\r") + LangText(Msg::SexChangeChildrenHeading, lang);
        AppendEntries(text, persons, children, lang);
    }
    text += QStringLiteral("\r\r") + LangText(Msg::SexChangeQuestionEnd, lang);
    return text;
}

void ApplySexChange(PersonList& persons, const QList<qint32>& group, const QList<qint32>& children)
{
    for (qint32 m : group) {
        if (TTreeData* p = RecordAt(persons, m))
            p->Sex = p->Sex == SexMale ? SexFemale : SexMale;
    }
    for (qint32 c : children) {
        if (TTreeData* p = RecordAt(persons, c))
            std::swap(p->MotherId, p->FatherId);
    }
}

} // namespace kinrow
