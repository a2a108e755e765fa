// The main window's crash recovery: copies of unsaved changes, offered again after a crash.
#include "shell/mainwindow.h"

#include "editing/personpage.h"
#include "gedcom/recoveryfile.h"
#include "gedcom/recoverywriter.h"
#include "model/messages.h"
#include "shell/aboutpage.h"
#include "shell/version.h"
#include "shell/windowreadreporter.h"
#include "ui/overridecursor.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace kinrow {

void TForm_Main::startRecovery(const QString& folder)
{
    WriteOptions options;
    options.versionText = VersionLabelText();
    recovery_ = std::make_unique<RecoveryWriter>(session_, folder, options);
    const Lang lang = session_.lang();
    for (RecoveryInfo left : LeftRecoveries(folder)) {
        if (!ClaimRecovery(left))
            continue;
        const QString question =
            LangText(Msg::RecoveryQuestion, lang)
                .arg(QDir::toNativeSeparators(left.originalFile),
                     QLocale::system().toString(left.written, QLocale::ShortFormat));
        if (prompts_->message(MessageKind::Warning, question, MessageButtons::YesNo) !=
            PromptAnswer::Yes) {
            RemoveRecovery(left);
            continue;
        }
        if (restoreRecovery(left)) {
            recovery_->adopt(left);
            return; // further copies wait for the next start
        }
    }
}

bool TForm_Main::restoreRecovery(const RecoveryInfo& left)
{
    session_.persons.clear();
    ReadOptions options;
    options.lang = session_.lang();
    options.programVersion = ProgramVersion();
    WindowReadReporter reporter(*prompts_, TabSheet_About->ProgressBar_Read);
    options.reporter = &reporter;
    bool read = false;
    {
        const OverrideCursorGuard hourglass;
        read = ReadRecovery(left, session_.persons, errors_, options);
    }
    if (!read) {
        session_.persons.clear();
        prompts_->message(MessageKind::Warning, LangText(Msg::RecoveryUnreadable, session_.lang()) +
                                                    QDir::toNativeSeparators(left.dataPath));
        return false;
    }
    session_.familyFileName = left.originalFile;
    session_.setRecNoMain(left.recNoMain);
    session_.setPictureNo(0);
    const QFileInfo original(left.originalFile);
    if (original.absoluteDir().exists())
        QDir::setCurrent(original.absolutePath());
    showingFindings_ = false;
    TabSheet_About->showErrors(errors_.lines, errors_.visible);
    showOpenedFile(false);
    setUnsavedChanges(true);
    return true;
}

} // namespace kinrow
