// The main window's side of the family file workflow: which page shows what was opened,
// saved or restored.
#include "shell/mainwindow.h"

#include "editing/personpage.h"
#include "editing/personpageui.h"
#include "model/messages.h"
#include "shell/familyopening.h"
#include "shell/familysaving.h"
#include "shell/recoveryoffer.h"

#include <QLabel>

namespace kinrow {

void TForm_Main::Button_DevamClick()
{
    if (session_.persons.empty())
        opening_->openRemembered();
    else
        showPage(TabSheet_Main);
}

bool TForm_Main::SB_SaveClick()
{
    return saving_->save();
}

void TForm_Main::startRecovery(const QString& folder)
{
    recovery_->start(folder);
}

void TForm_Main::SB_ErrorCloseClick()
{
    file_.errors.visible = false;
    showPage(TabSheet_Main);
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
    const qint32 count = qint32(session_.persons.size());
    if (session_.recNoMain() < 1 || session_.recNoMain() > count)
        session_.setRecNoMain(1);
    if (!file_.errors.visible)
        showPage(TabSheet_Main);
    showFirstPerson();
}

void TForm_Main::showFirstPerson()
{
    if (!session_.persons.empty()) {
        TabSheet_Main->ShowRecord();
        return;
    }
    if (TabSheet_Main->BeginAdding(EditMode::First))
        TabSheet_Main->Lb_Info->setText(LangText(Msg::FirstRecordTitle, session_.lang()));
}

} // namespace kinrow
