// The family file workflow of the main window: opening, the error list and saving.
#include "shell/mainwindow.h"

#include "editing/personpage.h"
#include "editing/personpageui.h"
#include "gedcom/familysave.h"
#include "shell/aboutpage.h"
#include "shell/familyopen.h"
#include "shell/langtable.h"
#include "shell/overridecursor.h"
#include "shell/prompts.h"
#include "shell/version.h"
#include "shell/windowreadreporter.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>

namespace kinrow {

bool TForm_Main::unsavedChanges() const
{
    return TabSheet_Main->hasUnsavedChanges();
}

void TForm_Main::setUnsavedChanges(bool pending)
{
    TabSheet_Main->setUnsavedChanges(pending);
}

bool TForm_Main::isRecordBeingEdited() const
{
    return TabSheet_Main->isEditing();
}

std::optional<QString> TForm_Main::askFamilyFile()
{
    const auto choice = prompts_->openFamilyFile(openDialogTitle_, state_.familyFileName);
    if (!choice)
        return std::nullopt;
    readOnlyTicked_ = choice->readOnly;
    return choice->path;
}

void TForm_Main::Button_DevamClick(QObject* sender)
{
    const QString previousName = state_.familyFileName;
    std::optional<QString> chosen;
    if (sender == TabSheet_About->Button_Devam) {
        if (!state_.persons.empty()) {
            showPage(TabSheet_Main);
            return;
        }
        chosen = QFileInfo::exists(previousName) ? std::optional(previousName) : askFamilyFile();
    } else {
        if (unsavedChanges()) {
            const PromptAnswer answer = prompts_->message(
                MessageKind::Warning, LangText(78, state_.langIndex), MessageButtons::YesNoCancel);
            // A failed save stops here, or opening another file would lose the changes.
            if (answer == PromptAnswer::Cancel || (answer == PromptAnswer::Yes && !SB_SaveClick()))
                return;
        }
        chosen = askFamilyFile();
    }
    if (chosen)
        openChosenFile(*chosen, previousName);
}

void TForm_Main::openChosenFile(const QString& fileName, const QString& previousName)
{
    state_.familyFileName = fileName;
    state_.readOnlyMode = false;
    setUnsavedChanges(false);
    ReadOptions options;
    options.langIndex = state_.langIndex;
    options.programVersion = ProgramVersion();
    WindowReadReporter reporter(*prompts_, TabSheet_About->ProgressBar_Read);
    options.reporter = &reporter;
    OpenOutcome outcome;
    {
        const OverrideCursorGuard hourglass;
        outcome = OpenFamilyFile(fileName, readOnlyTicked_, state_.persons, errors_, options);
    }
    TabSheet_About->showErrors(errors_.lines, errors_.visible);
    if (!outcome.opened) {
        if (!outcome.failureMessage.isEmpty())
            prompts_->message(MessageKind::Plain, outcome.failureMessage);
        state_.familyFileName = previousName;
        return;
    }
    state_.familyFileName = outcome.fileName;
    showOpenedFile(outcome.readOnly);
}

void TForm_Main::showOpenedFile(bool readOnly)
{
    // The first person of an empty file is entered on the About page's error list too, from
    // where another file can be opened: the new file starts from browsing.
    if (TabSheet_Main->isEditing())
        TabSheet_Main->LeaveEditState();
    state_.readOnlyMode = readOnly;
    QString caption = state_.familyFileName + QStringLiteral(" - ") + LangText(0, state_.langIndex);
    if (readOnly)
        caption += QStringLiteral(" - Read Only !!!!!");
    setWindowTitle(caption);
    setEditingAllowed(!readOnly);
    const qint32 count = qint32(state_.persons.size());
    if (state_.recNoMain < 1 || state_.recNoMain > count)
        state_.recNoMain = 1;
    if (!errors_.visible)
        showPage(TabSheet_Main);
    if (count == 0) {
        state_.editMode = QStringLiteral("ilkEklenmektedir");
        if (TabSheet_Main->BeginAdding())
            TabSheet_Main->Lb_Info->setText(LangText(108, state_.langIndex));
    } else {
        TabSheet_Main->ShowRecord();
    }
}

void TForm_Main::setEditingAllowed(bool allowed)
{
    TabSheet_Main->setEditingEnabled(allowed);
}

void TForm_Main::SB_ErrorCloseClick()
{
    TabSheet_About->hideErrors();
    errors_.visible = false;
    // An imported or repaired file is offered for saving, unless it may only be read.
    setUnsavedChanges(!state_.readOnlyMode);
    showPage(TabSheet_Main);
}

bool TForm_Main::SB_SaveClick()
{
    // A file opened read-only must never be replaced, even where the folder allows it.
    if (state_.readOnlyMode) {
        prompts_->message(MessageKind::Warning, LangText(76, state_.langIndex));
        return false;
    }
    WriteOptions options;
    options.versionText = VersionLabelText();
    SaveResult result;
    {
        const OverrideCursorGuard hourglass;
        result = SaveFamilyFile(state_.familyFileName, state_.persons, options);
    }
    if (!result.saved) {
        prompts_->message(MessageKind::Warning, result.error);
        return false;
    }
    setUnsavedChanges(false);
    return true;
}

} // namespace kinrow
