#include "table/exportsave.h"

#include "gedcom/familysave.h"
#include "ui/overridecursor.h"
#include "ui/prompts.h"

#include <QHeaderView>

namespace kinrow {

bool SaveTableExport(Prompts& prompts,
                     const std::function<QByteArray(ExportFormat format)>& content)
{
    const std::optional<SaveFileChoice> choice =
        prompts.saveFile(QString(), QString(), ExportFilter());
    if (!choice || choice->path.isEmpty())
        return false;
    const auto format = ExportFormat(qBound(1, choice->filterIndex + 1, 5));
    const QString path = ExportFileName(choice->path, format);
    SaveResult saved;
    {
        const OverrideCursorGuard hourglass;
        saved = WriteFileAtomically(path, content(format));
    }
    if (!saved.saved)
        prompts.message(MessageKind::Warning, saved.error);
    return saved.saved;
}

QList<int> VisibleColumnsInOrder(const QHeaderView& header)
{
    QList<int> columns;
    for (int visual = 0; visual < header.count(); ++visual) {
        const int index = header.logicalIndex(visual);
        if (!header.isSectionHidden(index))
            columns.append(index);
    }
    return columns;
}

} // namespace kinrow
