#include "editing/pictureeditor.h"

#include "editing/familyedits.h"
#include "editing/personpage.h"
#include "editing/personpageui.h"
#include "model/messages.h"
#include "pictures/pictureadding.h"
#include "pictures/pictureloader.h"
#include "pictures/picturepanel.h"
#include "pictures/pictureviewer.h"
#include "ui/prompts.h"
#include "ui/speedbutton.h"

#include <QDir>
#include <QLabel>

namespace kinrow {

PictureEditor::PictureEditor(Session& session, Prompts& prompts, PersonPage& page,
                             const PersonPageUi& ui, QObject* parent)
    : QObject(parent), session_(session), prompts_(prompts), page_(page), ui_(ui)
{
    connect(ui.SB_ResimEkle, &QToolButton::clicked, this, &PictureEditor::SB_ResimEkleClick);
    connect(ui.SB_ResimSil, &QToolButton::clicked, this, &PictureEditor::SB_ResimSilClick);
    connect(ui.Panel_Resim, &PicturePanel::clicked, this, &PictureEditor::Image_ResimClick);
}

bool PictureEditor::mayChangePictures() const
{
    return session_.mayChange() && session_.hasCurrent();
}

void PictureEditor::SB_ResimEkleClick()
{
    if (!mayChangePictures())
        return;
    // The working folder is the family file's folder, where stored names are resolved.
    const QString folder = QDir::currentPath();
    const std::optional<QString> chosen =
        prompts_.openPicture(LangText(Msg::OpenPictureTitle, session_.lang()), folder);
    if (!chosen)
        return;
    const std::optional<QString> name = StoredPictureName(*chosen, folder);
    if (!name) {
        prompts_.message(MessageKind::Warning, LangText(Msg::PicturePathTooLong, session_.lang()) +
                                                   QStringLiteral("\r\r") +
                                                   QDir::toNativeSeparators(*chosen));
        return;
    }
    bool added = false;
    const int number = AddCurrentPicture(session_, *name, added);
    session_.setPictureNo(number);
    page_.ShowPicture(session_.recNoMain());
}

void PictureEditor::SB_ResimSilClick()
{
    if (!mayChangePictures())
        return;
    const int number = session_.pictureNo();
    const QStringList& pictures = session_.current().Pictures;
    if (number < 1 || number > pictures.size())
        return;
    const Lang lang = session_.lang();
    const QString head = page_.title() + LangText(Msg::RemoveImageLead, lang) +
                         QStringLiteral("\r\r  ") + pictures[number - 1] + QStringLiteral("\r\r");
    // A file that another entry still names stays on disk: only the entry can go.
    const PictureFileUse use =
        PictureFileUsers(session_.persons(), session_.recNoMain(), number, QDir::currentPath());
    if (use.shared()) {
        const QString kept =
            use.otherPersons > 0
                ? LangText(Msg::PictureFileUsedByOthers, lang).arg(use.otherPersons)
                : LangText(Msg::PictureFileNamedTwice, lang);
        if (prompts_.message(MessageKind::Warning, head + kept, MessageButtons::YesNo) ==
            PromptAnswer::Yes)
            RemoveCurrentPicture(session_, number, false);
        page_.ShowPicture(session_.recNoMain());
        return;
    }
    const QString question = head + LangText(Msg::RemoveImageQuestion, lang) +
                             QStringLiteral("\r\r") + LangText(Msg::DeletedFileNotRestored, lang);
    const PromptAnswer answer =
        prompts_.message(MessageKind::Warning, question, MessageButtons::YesNoCancel);
    if (answer != PromptAnswer::Yes && answer != PromptAnswer::No)
        return;
    RemoveCurrentPicture(session_, number, answer == PromptAnswer::Yes);
    page_.ShowPicture(session_.recNoMain());
}

void PictureEditor::Image_ResimClick()
{
    const PicturePanel& panel = *ui_.Panel_Resim;
    if (!page_.pictureShown()) {
        SB_ResimEkleClick();
        return;
    }
    // The panel holds the picture shrunk; the viewer shows the part of it a window holds, at
    // its own size, decoded afresh.
    const QSize window = PictureViewerClientSize(panel.naturalSize());
    FittedPicture corner = panel.file().isEmpty() ? FittedPicture{panel.picture(), {}}
                                                  : LoadPictureCorner(panel.file(), window);
    if (corner.image.isNull())
        corner = {panel.picture(), panel.naturalSize()};
    auto* viewer = new PictureViewer(corner.image, &page_, panel.naturalSize());
    prompts_.exec(*viewer);
}

} // namespace kinrow
