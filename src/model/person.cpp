#include "model/person.h"

namespace kinrow {

int IndexOfId(qint32 n, const QList<qint32>& list)
{
    return int(list.lastIndexOf(n));
}

void AddIdOnce(qint32 n, QList<qint32>& list)
{
    if (!list.contains(n))
        list.append(n);
}

} // namespace kinrow
