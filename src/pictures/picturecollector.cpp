#include "pictures/picturecollector.h"

#include "pictures/picturecollection.h"
#include "ui/overridecursor.h"
#include "ui/prompts.h"

#include <QDir>

namespace kinrow {

void BitBtn_P_ResimClick(Session& session, Prompts& prompts, const QList<qint32>& recNos,
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
        if (move && save)
            save();
    }
    prompts.message(MessageKind::Information, shownFolder + QStringLiteral("\r\r") +
                                                  QString::number(result.copied) +
                                                  LangText(Msg::ImagesCopied, session.lang()));
}

} // namespace kinrow
