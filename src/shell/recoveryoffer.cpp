#include "shell/recoveryoffer.h"

#include "gedcom/recoverywriter.h"
#include "model/messages.h"
#include "model/session.h"
#include "model/version.h"
#include "shell/aboutpage.h"
#include "shell/familyfilestate.h"
#include "ui/overridecursor.h"
#include "ui/prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace kinrow {

namespace {

QString TimeText(const QDateTime& time)
{
    return QLocale::system().toString(time, QLocale::ShortFormat);
}

} // namespace

RecoveryOffer::RecoveryOffer(Session& session, Prompts& prompts, FamilyFileState& file,
                             AboutPage& about, QObject* parent)
    : QObject(parent), session_(session), prompts_(prompts), file_(file), about_(about)
{}

RecoveryOffer::~RecoveryOffer() = default;

void RecoveryOffer::start(const QString& folder)
{
    WriteOptions options;
    options.versionText = VersionLabelText();
    writer_ = std::make_unique<RecoveryWriter>(session_, folder, options);
    file_.recovery = writer_.get();
    writer_->setBase(file_.stamp);
    // Said once: the user believes the changes protected, and they are not.
    connect(writer_.get(), &RecoveryWriter::failed, this, [this, folder](const QString& reason) {
        prompts_.message(MessageKind::Warning, LangText(Msg::RecoveryNotWritten, session_.lang()) +
                                                   QDir::toNativeSeparators(folder) +
                                                   QStringLiteral("\r") + reason);
    });
    for (RecoveryInfo left : LeftRecoveries(folder)) {
        // Claimed before the question, so that a program started at the same time never
        // offers the same copy.
        if (!ClaimRecovery(left))
            continue;
        // A copy that may not replace its original is opened under a name of its own.
        const QString restoredName = StateOf(left) == CopyState::Complete
                                         ? left.originalFile
                                         : RecoveredFamilyName(left.originalFile);
        if (prompts_.message(MessageKind::Warning, question(left, restoredName),
                             MessageButtons::YesNo) != PromptAnswer::Yes) {
            RemoveRecovery(left);
            continue;
        }
        if (restore(left, restoredName)) {
            writer_->adopt(left, restoredName);
            return; // further copies wait for the next start
        }
    }
}

QString RecoveryOffer::question(const RecoveryInfo& left, const QString& restoredName) const
{
    const Lang lang = session_.lang();
    const CopyState state = StateOf(left);
    const QString restored = QDir::toNativeSeparators(restoredName);
    if (state == CopyState::Orphan)
        return LangText(Msg::RecoveryOrphan, lang)
            .arg(TimeText(left.written))
            .arg(CountPersonRecords(left.dataPath))
            .arg(restored);
    QString text = LangText(Msg::RecoveryQuestion, lang)
                       .arg(QDir::toNativeSeparators(left.originalFile), TimeText(left.written));
    if (state == CopyState::Damaged)
        text += QStringLiteral("\r\r") + LangText(Msg::RecoveryDamaged, lang)
                                             .arg(CountPersonRecords(left.dataPath))
                                             .arg(restored);
    else if (state == CopyState::OriginalChanged)
        text += QStringLiteral("\r\r") +
                LangText(Msg::RecoveryOriginalNewer, lang)
                    .arg(TimeText(QFileInfo(left.originalFile).lastModified()), restored);
    return text;
}

bool RecoveryOffer::restore(RecoveryInfo left, const QString& restoredName)
{
    session_.replaceFamily({});
    ReadOptions options;
    options.lang = session_.lang();
    options.programVersion = ProgramVersion();
    const std::unique_ptr<ReadReporter> reporter = about_.readReporter();
    options.reporter = reporter.get();
    // Picture names are resolved beside the file the family is restored as.
    if (left.originalFile.isEmpty())
        left.originalFile = restoredName;
    bool read = false;
    {
        const OverrideCursorGuard hourglass;
        PersonList restored;
        read = ReadRecovery(left, restored, file_.errors, options);
        session_.replaceFamily(std::move(restored));
    }
    if (!read) {
        session_.replaceFamily({});
        prompts_.message(MessageKind::Warning, LangText(Msg::RecoveryUnreadable, session_.lang()) +
                                                   QDir::toNativeSeparators(left.dataPath));
        return false;
    }
    session_.familyFileName = restoredName;
    session_.setPictureNo(0);
    // Saving asks first when the original was saved again after the changes began.
    file_.remember(restoredName == left.originalFile && left.base ? *left.base
                                                                  : StampOf(restoredName));
    const QFileInfo original(restoredName);
    if (original.absoluteDir().exists())
        QDir::setCurrent(original.absolutePath());
    // Made current once the pictures' folder is set, so that the page draws the person whole.
    session_.setRecNoMain(left.recNoMain);
    about_.showErrors(file_.errors.lines, file_.errors.visible);
    Q_EMIT restored();
    session_.setUnsavedChanges(true);
    return true;
}

} // namespace kinrow
