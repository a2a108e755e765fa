#include "editing/sharedchildren.h"

#include "editing/recordaccess.h"

namespace kinrow {

QList<bool> SharedChildMarks(const PersonList& persons, const QList<qint32>& children,
                             qint32 spouse)
{
    QList<bool> marks(children.size(), false);
    const TTreeData* s = RecordAt(persons, spouse);
    if (!s)
        return marks;
    for (qsizetype i = 0; i < children.size(); ++i)
        marks[i] = s->Children.contains(children.at(i));
    return marks;
}

} // namespace kinrow
