#include "chart/chartlists.h"

#include "editing/recordaccess.h"

#include <QSet>

#include <algorithm>
#include <cmath>

namespace kinrow {

QStringList FitListLines(const QStringList& lines, double top, double bottom, double lineHeight,
                         qsizetype kept)
{
    // The tolerance keeps a box that holds exactly n lines from losing one to rounding.
    const double room = (bottom - top) / lineHeight + 1e-9;
    const qsizetype fitting = room > 0 ? qsizetype(std::floor(room)) : 0;
    if (lines.size() <= fitting)
        return lines;
    if (fitting == 0)
        return {};
    const bool keep = kept >= fitting - 1 && kept < lines.size();
    if (keep && fitting == 1)
        return {lines.at(kept)};
    QStringList shown = lines.first(fitting - 1);
    if (keep)
        shown.last() = lines.at(kept);
    shown << QStringLiteral("+ %1").arg(lines.size() - shown.size());
    return shown;
}

QList<qint32> SiblingsOfParents(const PersonList& persons, qint32 father, qint32 mother)
{
    QList<qint32> siblings;
    QSet<qint32> collected;
    const auto collect = [&](qint32 parent, bool onlyNew) {
        const TTreeData* person = RecordAt(persons, parent);
        if (!person)
            return;
        for (const qint32 child : person->Children) {
            if (!RecordAt(persons, child) || (onlyNew && collected.contains(child)))
                continue;
            siblings << child;
            collected.insert(child);
        }
    };
    collect(father, false);
    collect(mother, true);
    return siblings;
}

QRectF FitPictureMm(QSize pixels, QPointF topLeft, QSizeF boxSize)
{
    if (pixels.isEmpty() || boxSize.isEmpty())
        return {};
    const double factor =
        std::max(pixels.width() / boxSize.width(), pixels.height() / boxSize.height());
    const QSizeF size(pixels.width() / factor, pixels.height() / factor);
    const QPointF offset((boxSize.width() - size.width()) / 2,
                         (boxSize.height() - size.height()) / 2);
    return QRectF(topLeft + offset, size);
}

} // namespace kinrow
