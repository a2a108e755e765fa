#include "print/gedcomexportsave.h"

#include "gedcom/gedcomexport.h"
#include "model/session.h"
#include "ui/overridecursor.h"
#include "ui/prompts.h"

#include <QDir>
#include <QFileInfo>

namespace kinrow {

bool SaveGedcomExport(Prompts& prompts, const Session& session, const QString& programVersion)
{
    const Lang lang = session.lang();
    const QFileInfo family(session.familyFileName);
    const QString suggested =
        family.absoluteDir().filePath(family.completeBaseName() + QStringLiteral("-5.5.1.ged"));
    const std::optional<SaveFileChoice> choice =
        prompts.saveFile(LangText(Msg::ExportGedcomCaption, lang), suggested,
                         LangText(Msg::ExportGedcomTitle, lang) + QStringLiteral(" (*.ged)"));
    if (!choice || choice->path.isEmpty())
        return false;
    const QString path = ExportFileNameFor(choice->path);
    // The dialog asked about the name as chosen; a name the suffix made is asked about here.
    if (path != choice->path && QFileInfo::exists(path) &&
        prompts.message(
            MessageKind::Warning,
            LangText(Msg::ExportReplaceQuestion, lang).arg(QDir::toNativeSeparators(path)),
            MessageButtons::YesNo) != PromptAnswer::Yes)
        return false;
    ExportOptions options;
    options.programVersion = programVersion;
    options.lang = lang;
    SaveResult saved;
    {
        const OverrideCursorGuard hourglass;
        saved = ExportGedcomFile(path, session.familyFileName, session.persons(), options);
    }
    if (!saved.saved)
        prompts.message(MessageKind::Error, saved.error);
    return saved.saved;
}

} // namespace kinrow
