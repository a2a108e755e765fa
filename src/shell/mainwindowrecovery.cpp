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
    recovery_->setBase(familyStamp_);
    // Said once: the user believes the changes protected, and they are not.
    connect(recovery_.get(), &RecoveryWriter::failed, this, [this, folder](const QString& reason) {
        prompts_->message(MessageKind::Warning, LangText(Msg::RecoveryNotWritten, session_.lang()) +
                                                    QDir::toNativeSeparators(folder) +
                                                    QStringLiteral("\r") + reason);
    });
    const Lang lang = session_.lang();
    const auto timeText = [](const QDateTime& time) {
        return QLocale::system().toString(time, QLocale::ShortFormat);
    };
    for (RecoveryInfo left : LeftRecoveries(folder)) {
        // Claimed before the question, so that a program started at the same time never
        // offers the same copy.
        if (!ClaimRecovery(left))
            continue;
        const CopyState state = StateOf(left);
        // A copy that may not replace its original is opened under a name of its own.
        const QString restoredName = state == CopyState::Complete
                                         ? left.originalFile
                                         : RecoveredFamilyName(left.originalFile);
        const QString restored = QDir::toNativeSeparators(restoredName);
        QString question;
        if (state == CopyState::Orphan) {
            question = LangText(Msg::RecoveryOrphan, lang)
                           .arg(timeText(left.written))
                           .arg(CountPersonRecords(left.dataPath))
                           .arg(restored);
        } else {
            question =
                LangText(Msg::RecoveryQuestion, lang)
                    .arg(QDir::toNativeSeparators(left.originalFile), timeText(left.written));
            if (state == CopyState::Damaged)
                question += QStringLiteral("\r\r") + LangText(Msg::RecoveryDamaged, lang)
                                                         .arg(CountPersonRecords(left.dataPath))
                                                         .arg(restored);
            else if (state == CopyState::OriginalChanged)
                question +=
                    QStringLiteral("\r\r") +
                    LangText(Msg::RecoveryOriginalNewer, lang)
                        .arg(timeText(QFileInfo(left.originalFile).lastModified()), restored);
        }
        if (prompts_->message(MessageKind::Warning, question, MessageButtons::YesNo) !=
            PromptAnswer::Yes) {
            RemoveRecovery(left);
            continue;
        }
        if (restoreRecovery(left, restoredName)) {
            recovery_->adopt(left, restoredName);
            return; // further copies wait for the next start
        }
    }
}

bool TForm_Main::restoreRecovery(RecoveryInfo left, const QString& restoredName)
{
    session_.replaceFamily({});
    ReadOptions options;
    options.lang = session_.lang();
    options.programVersion = ProgramVersion();
    WindowReadReporter reporter(*prompts_, TabSheet_About->ProgressBar_Read);
    options.reporter = &reporter;
    // Picture names are resolved beside the file the family is restored as.
    if (left.originalFile.isEmpty())
        left.originalFile = restoredName;
    bool read = false;
    {
        const OverrideCursorGuard hourglass;
        PersonList restored;
        read = ReadRecovery(left, restored, errors_, options);
        session_.replaceFamily(std::move(restored));
    }
    if (!read) {
        session_.replaceFamily({});
        prompts_->message(MessageKind::Warning, LangText(Msg::RecoveryUnreadable, session_.lang()) +
                                                    QDir::toNativeSeparators(left.dataPath));
        return false;
    }
    session_.familyFileName = restoredName;
    session_.setRecNoMain(left.recNoMain);
    session_.setPictureNo(0);
    // Saving asks first when the original was saved again after the changes began.
    rememberFamilyFile(restoredName == left.originalFile && left.base ? *left.base
                                                                      : StampOf(restoredName));
    const QFileInfo original(restoredName);
    if (original.absoluteDir().exists())
        QDir::setCurrent(original.absolutePath());
    showingFindings_ = false;
    TabSheet_About->showErrors(errors_.lines, errors_.visible);
    showOpenedFile(false);
    setUnsavedChanges(true);
    return true;
}

} // namespace kinrow
