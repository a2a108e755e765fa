#include "table/exportsave.h"

#include "gedcom/familysave.h"
#include "ui/overridecursor.h"
#include "ui/prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>

namespace kinrow {

namespace {

// The dialog asked about the name typed; a file of another name that would be replaced is asked
// about here.
bool mayWrite(Prompts& prompts, Lang lang, const QString& chosen, const QString& path)
{
    const QFileInfo target(path);
    if (!target.exists() && !target.isSymLink())
        return true;
    if (target.absoluteFilePath() == QFileInfo(chosen).absoluteFilePath())
        return true;
    const QString question =
        LangText(Msg::TableExportReplaceQuestion, lang).arg(QDir::toNativeSeparators(path));
    return prompts.message(MessageKind::Warning, question, MessageButtons::YesNo) ==
           PromptAnswer::Yes;
}

} // namespace

bool SaveTableExport(Prompts& prompts, Lang lang, const TableExportWriter& write)
{
    const std::optional<SaveFileChoice> choice =
        prompts.saveFile(QString(), QString(), ExportFilter());
    if (!choice || choice->path.isEmpty())
        return false;
    const auto format = ExportFormat(qBound(1, choice->filterIndex + 1, 5));
    const QString path = ExportFileName(choice->path, format);
    if (!mayWrite(prompts, lang, choice->path, path))
        return false;
    SaveResult saved;
    {
        const OverrideCursorGuard hourglass;
        saved = WriteFileThrough(
            path, [&](QIODevice& device) { return write(format, device); }, lang);
    }
    if (!saved.saved) {
        QString reason = saved.error;
        if (saved.diskFull)
            reason = QDir::toNativeSeparators(path) + QStringLiteral("\r") +
                     LangText(Msg::DiskFull, lang);
        prompts.message(MessageKind::Error, reason);
    }
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
