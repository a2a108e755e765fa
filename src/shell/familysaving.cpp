#include "shell/familysaving.h"

#include "model/messages.h"
#include "model/picturepaths.h"
#include "model/session.h"
#include "model/version.h"
#include "shell/familyfilestate.h"
#include "ui/overridecursor.h"
#include "ui/prompts.h"

#include <QDir>
#include <QFileInfo>

namespace kinrow {

FamilySaving::FamilySaving(Session& session, Prompts& prompts, FamilyFileState& file,
                           QObject* parent)
    : QObject(parent), session_(session), prompts_(prompts), file_(file)
{}

std::optional<QString> FamilySaving::askOtherName(bool* asChosen)
{
    const auto choice =
        prompts_.saveFile(LangText(Msg::Save, session_.lang()), session_.familyFileName,
                          LangText(Msg::GedcomFilesFilter, session_.lang()));
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

bool FamilySaving::mayClose()
{
    if (session_.isEditing()) {
        prompts_.message(MessageKind::Warning, LangText(Msg::EditInProgress, session_.lang()));
        return false;
    }
    if (!session_.unsavedChanges())
        return true;
    switch (prompts_.message(MessageKind::Warning,
                             LangText(Msg::SaveBeforeExitQuestion, session_.lang()),
                             MessageButtons::YesNoCancel)) {
    case PromptAnswer::Yes:
        // A failed save keeps the window open, or the changes would be lost.
        return save();
    case PromptAnswer::No:
        return true;
    default:
        return false;
    }
}

bool FamilySaving::save()
{
    // A file opened read-only must never be replaced, even where the folder allows it.
    if (session_.readOnlyMode()) {
        prompts_.message(MessageKind::Warning, LangText(Msg::ReadOnlyRefusal, session_.lang()));
        return false;
    }
    if (const std::optional<bool> saved = saveRicherFileElsewhere())
        return *saved;
    return saveIntoFamilyFile();
}

bool FamilySaving::saveIntoFamilyFile()
{
    for (;;) {
        bool saved = false;
        if (!mayReplaceFamilyFile(saved)) {
            if (saved)
                session_.setUnsavedChanges(false);
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
                                               expected, session_.lang());
        }
        // Changed again while the family was written: ask once more.
        if (result.changedOnDisk) {
            file_.stamp = {};
            continue;
        }
        if (!result.saved)
            return saveElsewhere(result);
        file_.remember(StampOf(session_.familyFileName));
        session_.setUnsavedChanges(false);
        return true;
    }
}

bool FamilySaving::mayReplaceFamilyFile(bool& saved)
{
    saved = false;
    // A file gone from the disk holds no one's work that a save could replace.
    const FileStamp now = StampOf(session_.familyFileName);
    if (!now.exists || now == file_.stamp)
        return true;
    // Another window or program saved the family meanwhile: replacing it would lose its work.
    const QString question = LangText(Msg::FileChangedOnDisk, session_.lang())
                                 .arg(QDir::toNativeSeparators(session_.familyFileName));
    switch (prompts_.message(MessageKind::Warning, question, MessageButtons::YesNoCancel)) {
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

std::optional<SaveResult> FamilySaving::saveUnderOtherName()
{
    const std::optional<QString> other = askOtherName();
    if (!other)
        return std::nullopt;
    return saveUnder(*other);
}

std::optional<bool> FamilySaving::saveRicherFileElsewhere()
{
    // Saving over the file would lose for good what the error list named as left out.
    if (!file_.richerFile)
        return std::nullopt;
    const PromptAnswer answer = prompts_.message(
        MessageKind::Warning,
        QDir::toNativeSeparators(session_.familyFileName) + QStringLiteral("\r\r") +
            LangText(Msg::SaveOverRicherFileQuestion, session_.lang()),
        MessageButtons::YesNoCancel);
    if (answer == PromptAnswer::Cancel)
        return false;
    if (answer == PromptAnswer::No) {
        file_.richerFile = false;
        return std::nullopt;
    }
    const std::optional<QString> other = askOtherName();
    if (!other)
        return false;
    const SaveResult result = saveUnder(*other);
    if (!result.saved)
        return saveElsewhere(result);
    file_.richerFile = false;
    session_.setUnsavedChanges(false);
    return true;
}

bool FamilySaving::saveElsewhere(SaveResult failed)
{
    // A failed save offers another name, or the work would be trapped in the window.
    while (!failed.saved) {
        const Lang lang = session_.lang();
        QString reason = failed.error;
        if (failed.diskFull)
            reason = QDir::toNativeSeparators(session_.familyFileName) + QStringLiteral("\r") +
                     LangText(Msg::DiskFull, lang);
        if (prompts_.message(MessageKind::Warning,
                             reason + QStringLiteral("\r\r") +
                                 LangText(Msg::SaveElsewhereQuestion, lang),
                             MessageButtons::YesNo) != PromptAnswer::Yes)
            return false;
        const std::optional<SaveResult> result = saveUnderOtherName();
        if (!result)
            return false;
        failed = *result;
    }
    session_.setUnsavedChanges(false);
    return true;
}

SaveResult FamilySaving::saveUnder(const QString& other)
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
        result = SaveFamilyFile(other, moved, options, session_.lang());
    }
    if (result.saved) {
        session_.replaceFamily(std::move(moved));
        // The steps name pictures relative to the old folder: undoing one would break them.
        if (rebased)
            session_.clearHistory();
        session_.familyFileName = other;
        file_.remember(StampOf(other));
        QDir::setCurrent(to);
        Q_EMIT renamed();
    }
    return result;
}

} // namespace kinrow
