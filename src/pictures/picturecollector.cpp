#include "pictures/picturecollector.h"

#include "pictures/picturecollection.h"
#include "ui/overridecursor.h"
#include "ui/prompts.h"

#include <QDir>
#include <QFileInfo>

namespace kinrow {

void CollectPictures(Session& session, Prompts& prompts, const QList<qint32>& recNos,
                     const QString& folder, bool move, const std::function<bool()>& save)
{
    if (session.readOnlyMode())
        return;
    const QString shownFolder = QDir::toNativeSeparators(folder);
    if (prompts.message(MessageKind::Plain,
                        shownFolder + LangText(Msg::CollectImagesQuestion, session.lang()),
                        MessageButtons::YesNo) != PromptAnswer::Yes)
        return;
    PictureCollectionResult result;
    {
        const OverrideCursorGuard hourglass;
        result = CollectFamilyPictures(session, recNos, folder, move);
        // The moved sources go only once the family naming their copies is on disk: after a
        // failed or refused save, the file on disk still names every one of them.
        if (move && save && save()) {
            QStringList folders{folder};
            // A save under another name resolves the entries from that file's folder.
            const QString saved = QFileInfo(session.familyFileName).absolutePath();
            if (!session.familyFileName.isEmpty() && !folders.contains(saved))
                folders.append(saved);
            result.deleted = DeleteMovedSources(session.persons(), folders, result.movable);
            // Undoing the collection would bring back entries whose files are gone.
            if (!result.deleted.isEmpty())
                session.clearHistory();
        }
    }
    prompts.message(MessageKind::Information, shownFolder + QStringLiteral("\r\r") +
                                                  QString::number(result.copied) +
                                                  LangText(Msg::ImagesCopied, session.lang()));
}

} // namespace kinrow
