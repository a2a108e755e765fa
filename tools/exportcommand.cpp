// kinrow-tool export: the family as standard GEDCOM 5.5.1 in UTF-8 for other programs.
#include "gedcom/gedcomexport.h"
#include "model/version.h"
#include "toolcommand.h"
#include "toolfiles.h"

#include <QFileInfo>

namespace kinrow {

int RunExport(const ToolArgs& args)
{
    Lang lang = Lang::English;
    if (!LangOf(args, lang))
        return kUsage;
    const QString family = args.positional.at(0);
    const QString target = QFileInfo(args.positional.at(1)).absoluteFilePath();
    if (const QString refused = RefusedOutput(target, {family}); !refused.isEmpty())
        return Refuse(refused);
    const Loaded loaded = LoadFamily(family, lang);
    if (!loaded.read)
        return kRefused;
    ExportOptions options;
    options.programVersion = ProgramVersion();
    options.lang = lang;
    if (const QString error =
            WriteOutputFile(target, ExportGedcomBytes(loaded.persons, options), lang);
        !error.isEmpty())
        return Refuse(error);
    ToolOut() << "persons: " << loaded.persons.size() << Qt::endl;
    return kDone;
}

} // namespace kinrow
