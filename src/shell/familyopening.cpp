#include "shell/familyopening.h"

#include "gedcom/familyopen.h"
#include "model/messages.h"
#include "model/session.h"
#include "model/version.h"
#include "shell/aboutpage.h"
#include "shell/familyfilestate.h"
#include "shell/familysaving.h"
#include "ui/overridecursor.h"
#include "ui/prompts.h"

#include <QDir>
#include <QFileInfo>

namespace kinrow {

FamilyOpening::FamilyOpening(Session& session, Prompts& prompts, FamilyFileState& file,
                             FamilySaving& saving, AboutPage& about, QObject* parent)
    : QObject(parent), session_(session), prompts_(prompts), file_(file), saving_(saving),
      about_(about)
{}

void FamilyOpening::openRemembered()
{
    const QString previousName = session_.familyFileName;
    const std::optional<QString> chosen =
        QFileInfo::exists(previousName) ? std::optional(previousName) : askFamilyFile();
    if (chosen)
        open(*chosen, previousName);
}

void FamilyOpening::openAnother()
{
    const QString previousName = session_.familyFileName;
    if (session_.unsavedChanges()) {
        const PromptAnswer answer = prompts_.message(
            MessageKind::Warning, LangText(Msg::SaveChangesQuestion, session_.lang()),
            MessageButtons::YesNoCancel);
        // A failed save stops here, or opening another file would lose the changes.
        if (answer == PromptAnswer::Cancel || (answer == PromptAnswer::Yes && !saving_.save()))
            return;
    }
    if (const std::optional<QString> chosen = askFamilyFile())
        open(*chosen, previousName);
}

std::optional<QString> FamilyOpening::askFamilyFile()
{
    const auto choice = prompts_.openFamilyFile(LangText(Msg::OpenOrCreateFile, session_.lang()),
                                                session_.familyFileName);
    if (!choice)
        return std::nullopt;
    readOnlyTicked_ = choice->readOnly;
    return choice->path;
}

void FamilyOpening::open(const QString& fileName, const QString& previousName)
{
    session_.familyFileName = fileName;
    session_.setReadOnlyMode(false);
    session_.setUnsavedChanges(false);
    session_.clearHistory();
    session_.setPictureNo(0); // a new family starts at its own pictures, as at start-up
    ReadOptions options;
    options.lang = session_.lang();
    options.programVersion = ProgramVersion();
    const std::unique_ptr<ReadReporter> reporter = about_.readReporter();
    options.reporter = reporter.get();
    OpenOutcome outcome;
    {
        const OverrideCursorGuard hourglass;
        session_.replaceFamily({});
        PersonList opened;
        outcome = OpenFamilyFile(fileName, readOnlyTicked_, opened, file_.errors, options);
        session_.replaceFamily(std::move(opened));
    }
    file_.richerFile = outcome.opened && file_.errors.linesLeftOut;
    about_.showErrors(file_.errors.lines, file_.errors.visible);
    if (!outcome.opened) {
        if (!outcome.failureMessage.isEmpty())
            prompts_.message(MessageKind::Plain, outcome.failureMessage);
        keepPrevious(previousName);
        return;
    }
    if (outcome.fileName != QFileInfo(fileName).absoluteFilePath()) {
        // A legacy import takes a new name: never that of another family without asking.
        const std::optional<QString> name = importedFamilyName(outcome.fileName);
        if (!name) {
            session_.replaceFamily({});
            file_.errors.visible = false;
            about_.hideErrors();
            keepPrevious(previousName);
            return;
        }
        outcome.fileName = *name;
    }
    session_.familyFileName = outcome.fileName;
    file_.remember(StampOf(outcome.fileName));
    Q_EMIT opened(outcome.readOnly);
}

void FamilyOpening::keepPrevious(const QString& previousName)
{
    session_.familyFileName = previousName;
    Q_EMIT notOpened();
}

std::optional<QString> FamilyOpening::importedFamilyName(const QString& gedName)
{
    QString name = gedName;
    // The save dialog has asked about replacing a file it offers, but not about one whose
    // name got the family extension afterwards.
    bool confirmed = false;
    while (!confirmed && QFileInfo::exists(name)) {
        const QString question = QDir::toNativeSeparators(name) + QStringLiteral("\r\r") +
                                 LangText(Msg::ImportNameTaken, session_.lang());
        if (prompts_.message(MessageKind::Warning, question, MessageButtons::YesNo) ==
            PromptAnswer::Yes)
            return name;
        const std::optional<QString> other = saving_.askOtherName(&confirmed);
        if (!other)
            return std::nullopt;
        name = *other;
    }
    return name;
}

} // namespace kinrow
