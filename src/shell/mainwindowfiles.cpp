// The family file workflow of the main window: opening, the error list and saving.
#include "shell/mainwindow.h"

#include "editing/personpage.h"
#include "editing/personpageui.h"
#include "gedcom/familyopen.h"
#include "gedcom/familysave.h"
#include "gedcom/recoverywriter.h"
#include "model/messages.h"
#include "model/picturepaths.h"
#include "shell/aboutpage.h"
#include "shell/version.h"
#include "shell/windowreadreporter.h"
#include "ui/overridecursor.h"
#include "ui/prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>

namespace kinrow {

bool TForm_Main::unsavedChanges() const
{
    return session_.unsavedChanges();
}

void TForm_Main::setUnsavedChanges(bool pending)
{
    session_.setUnsavedChanges(pending);
}

std::optional<QString> TForm_Main::askOtherFamilyName(bool* asChosen)
{
    const auto choice =
        prompts_->saveFile(LangText(Msg::Save, session_.lang()), session_.familyFileName,
                           QStringLiteral("Gedcom Files (*.ged)"));
    if (!choice || choice->path.isEmpty())
        return std::nullopt;
    QString path = QFileInfo(choice->path).absoluteFilePath();
    const bool family = QFileInfo(path).suffix().toLower() == QLatin1String("ged");
    if (!family)
        path += QStringLiteral(".ged");
    if (asChosen)
        *asChosen = family;
    return path;
}

std::optional<QString> TForm_Main::importedFamilyName(const QString& gedName)
{
    QString name = gedName;
    // The save dialog has asked about replacing a file it offers, but not about one whose
    // name got the family extension afterwards.
    bool confirmed = false;
    while (!confirmed && QFileInfo::exists(name)) {
        const QString question = QDir::toNativeSeparators(name) + QStringLiteral("\r\r") +
                                 LangText(Msg::ImportNameTaken, session_.lang());
        if (prompts_->message(MessageKind::Warning, question, MessageButtons::YesNo) ==
            PromptAnswer::Yes)
            return name;
        const std::optional<QString> other = askOtherFamilyName(&confirmed);
        if (!other)
            return std::nullopt;
        name = *other;
    }
    return name;
}

std::optional<QString> TForm_Main::askFamilyFile()
{
    const auto choice = prompts_->openFamilyFile(openDialogTitle_, session_.familyFileName);
    if (!choice)
        return std::nullopt;
    readOnlyTicked_ = choice->readOnly;
    return choice->path;
}

void TForm_Main::Button_DevamClick(QObject* sender)
{
    const QString previousName = session_.familyFileName;
    std::optional<QString> chosen;
    if (sender == TabSheet_About->Button_Devam) {
        if (!session_.persons().empty()) {
            showPage(TabSheet_Main);
            return;
        }
        chosen = QFileInfo::exists(previousName) ? std::optional(previousName) : askFamilyFile();
    } else {
        if (unsavedChanges()) {
            const PromptAnswer answer = prompts_->message(
                MessageKind::Warning, LangText(Msg::SaveChangesQuestion, session_.lang()),
                MessageButtons::YesNoCancel);
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
    session_.familyFileName = fileName;
    session_.setReadOnlyMode(false);
    setUnsavedChanges(false);
    session_.clearHistory();
    session_.setPictureNo(0); // a new family starts at its own pictures, as at start-up
    ReadOptions options;
    options.lang = session_.lang();
    options.programVersion = ProgramVersion();
    WindowReadReporter reporter(*prompts_, TabSheet_About->ProgressBar_Read);
    options.reporter = &reporter;
    OpenOutcome outcome;
    {
        const OverrideCursorGuard hourglass;
        session_.replaceFamily({});
        PersonList opened;
        outcome = OpenFamilyFile(fileName, readOnlyTicked_, opened, errors_, options);
        session_.replaceFamily(std::move(opened));
    }
    richerFile_ = outcome.opened && errors_.linesLeftOut;
    showingFindings_ = false;
    TabSheet_About->showErrors(errors_.lines, errors_.visible);
    if (!outcome.opened) {
        if (!outcome.failureMessage.isEmpty())
            prompts_->message(MessageKind::Plain, outcome.failureMessage);
        session_.familyFileName = previousName;
        showCaption();
        return;
    }
    if (outcome.fileName != QFileInfo(fileName).absoluteFilePath()) {
        // A legacy import takes a new name: never that of another family without asking.
        const std::optional<QString> name = importedFamilyName(outcome.fileName);
        if (!name) {
            session_.replaceFamily({});
            errors_.visible = false;
            TabSheet_About->hideErrors();
            session_.familyFileName = previousName;
            showCaption();
            return;
        }
        outcome.fileName = *name;
    }
    session_.familyFileName = outcome.fileName;
    rememberFamilyFile(StampOf(outcome.fileName));
    showOpenedFile(outcome.readOnly);
}

void TForm_Main::rememberFamilyFile(const FileStamp& stamp)
{
    familyStamp_ = stamp;
    if (recovery_)
        recovery_->setBase(stamp);
}

bool TForm_Main::mayReplaceFamilyFile(bool& saved)
{
    saved = false;
    // A file gone from the disk holds no one's work that a save could replace.
    const FileStamp now = StampOf(session_.familyFileName);
    if (!now.exists || now == familyStamp_)
        return true;
    // Another window or program saved the family meanwhile: replacing it would lose its work.
    const QString question = LangText(Msg::FileChangedOnDisk, session_.lang())
                                 .arg(QDir::toNativeSeparators(session_.familyFileName));
    switch (prompts_->message(MessageKind::Warning, question, MessageButtons::YesNoCancel)) {
    case PromptAnswer::No:
        return true;
    case PromptAnswer::Yes:
        if (const std::optional<SaveResult> result = saveUnderOtherName())
            saved = result->saved || saveElsewhere(*result);
        return false;
    default:
        return false;
    }
}

void TForm_Main::showOpenedFile(bool readOnly)
{
    // The first person of an empty file is entered on the About page's error list too, from
    // where another file can be opened: the new file starts from browsing.
    if (session_.isEditing())
        TabSheet_Main->LeaveEditState();
    session_.setReadOnlyMode(readOnly);
    showCaption();
    showCurrentDir();
    const qint32 count = qint32(session_.persons().size());
    if (session_.recNoMain() < 1 || session_.recNoMain() > count)
        session_.setRecNoMain(1);
    if (!errors_.visible)
        showPage(TabSheet_Main);
    if (count == 0) {
        TabSheet_Main->BeginAdding(EditMode::First);
    } else {
        TabSheet_Main->ShowRecord();
    }
}

void TForm_Main::SB_ErrorCloseClick()
{
    TabSheet_About->hideErrors();
    errors_.visible = false;
    // An imported or repaired file is offered for saving, unless it may only be read; the
    // family check's findings change nothing.
    if (!showingFindings_)
        setUnsavedChanges(!session_.readOnlyMode());
    showingFindings_ = false;
    showPage(TabSheet_Main);
}

bool TForm_Main::SB_SaveClick()
{
    // A file opened read-only must never be replaced, even where the folder allows it.
    if (session_.readOnlyMode()) {
        prompts_->message(MessageKind::Warning, LangText(Msg::ReadOnlyRefusal, session_.lang()));
        return false;
    }
    if (const std::optional<bool> saved = saveRicherFileElsewhere())
        return *saved;
    for (;;) {
        bool saved = false;
        if (!mayReplaceFamilyFile(saved)) {
            if (saved)
                setUnsavedChanges(false);
            return saved;
        }
        // Replacing what is on the disk now, as the user chose or as nothing changed there.
        const FileStamp expected = StampOf(session_.familyFileName);
        WriteOptions options;
        options.versionText = VersionLabelText();
        SaveResult result;
        {
            const OverrideCursorGuard hourglass;
            result = SaveFamilyFileIfUnchanged(session_.familyFileName, session_.persons(), options,
                                               expected);
        }
        // Changed again while the family was written: ask once more.
        if (result.changedOnDisk) {
            familyStamp_ = {};
            continue;
        }
        if (!result.saved)
            return saveElsewhere(result);
        rememberFamilyFile(StampOf(session_.familyFileName));
        setUnsavedChanges(false);
        return true;
    }
}

std::optional<SaveResult> TForm_Main::saveUnderOtherName()
{
    const std::optional<QString> other = askOtherFamilyName();
    if (!other)
        return std::nullopt;
    return saveUnder(*other);
}

std::optional<bool> TForm_Main::saveRicherFileElsewhere()
{
    // Saving over the file would lose for good what the error list named as left out.
    if (!richerFile_)
        return std::nullopt;
    const PromptAnswer answer = prompts_->message(
        MessageKind::Warning,
        QDir::toNativeSeparators(session_.familyFileName) + QStringLiteral("\r\r") +
            LangText(Msg::SaveOverRicherFileQuestion, session_.lang()),
        MessageButtons::YesNoCancel);
    if (answer == PromptAnswer::Cancel)
        return false;
    if (answer == PromptAnswer::No) {
        richerFile_ = false;
        return std::nullopt;
    }
    const std::optional<QString> other = askOtherFamilyName();
    if (!other)
        return false;
    const SaveResult result = saveUnder(*other);
    if (!result.saved)
        return saveElsewhere(result);
    richerFile_ = false;
    setUnsavedChanges(false);
    return true;
}

bool TForm_Main::saveElsewhere(SaveResult failed)
{
    // A failed save offers another name, or the work would be trapped in the window.
    while (!failed.saved) {
        const Lang lang = session_.lang();
        QString reason = failed.error;
        if (failed.diskFull)
            reason = QDir::toNativeSeparators(session_.familyFileName) + QStringLiteral("\r") +
                     LangText(Msg::DiskFull, lang);
        if (prompts_->message(MessageKind::Warning,
                              reason + QStringLiteral("\r\r") +
                                  LangText(Msg::SaveElsewhereQuestion, lang),
                              MessageButtons::YesNo) != PromptAnswer::Yes)
            return false;
        const std::optional<SaveResult> result = saveUnderOtherName();
        if (!result)
            return false;
        failed = *result;
    }
    setUnsavedChanges(false);
    return true;
}

SaveResult TForm_Main::saveUnder(const QString& other)
{
    // Picture names are relative to the family's folder, which the new name may change.
    const QFileInfo family(session_.familyFileName);
    const QString from = family.isSymLink() ? QFileInfo(family.canonicalFilePath()).absolutePath()
                                            : family.absolutePath();
    const QString to = QFileInfo(other).absolutePath();
    PersonList moved = session_.persons();
    bool rebased = false;
    for (TTreeData& person : moved) {
        for (QString& picture : person.Pictures) {
            const QString before = picture;
            picture = RebasedPicturePath(picture, from, to);
            rebased = rebased || picture != before;
        }
    }
    WriteOptions options;
    options.versionText = VersionLabelText();
    SaveResult result;
    {
        const OverrideCursorGuard hourglass;
        result = SaveFamilyFile(other, moved, options);
    }
    if (result.saved) {
        session_.replaceFamily(std::move(moved));
        // The steps name pictures relative to the old folder: undoing one would break them.
        if (rebased)
            session_.clearHistory();
        session_.familyFileName = other;
        rememberFamilyFile(StampOf(other));
        QDir::setCurrent(to);
        showCaption();
        showCurrentDir();
    }
    return result;
}

} // namespace kinrow
