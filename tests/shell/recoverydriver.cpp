// A small program on the main window for the crash-recovery test: "change FAMILY" opens the
// family, changes the first person's given name and says when the recovery copy is written,
// then runs until killed; "restore" starts, answers Yes to the recovery offer, reports the
// restored family and closes without saving.
#include "editing/personpage.h"
#include "gedcom/recoveryfile.h"
#include "gedcom/recoverywriter.h"
#include "shell/aboutpage.h"
#include "shell/mainwindow.h"
#include "ui/prompts.h"
#include "ui/speedbutton.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextStream>
#include <QToolButton>

#include <deque>

using namespace kinrow;

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

// Prints every message and answers from a list; file and other dialogs are cancelled.
class PrintedPrompts : public Prompts
{
public:
    explicit PrintedPrompts(std::deque<PromptAnswer> answers) : answers_(std::move(answers)) {}

    PromptAnswer message(MessageKind, const QString& text, MessageButtons) override
    {
        out() << "prompt: " << QString(text).replace(u'\r', u'|') << Qt::endl;
        if (answers_.empty())
            return PromptAnswer::Ok;
        const PromptAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    std::optional<FamilyFileChoice> openFamilyFile(const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<QString> openPicture(const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<SaveFileChoice> saveFile(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<QFont> chooseFont(const QFont&) override { return std::nullopt; }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    bool choosePrinter(QPrinter&, int) override { return false; }

private:
    std::deque<PromptAnswer> answers_;
};

int change(const QString& family)
{
    TForm_Main window({family}, std::make_unique<PrintedPrompts>(std::deque<PromptAnswer>{}));
    window.startRecovery(RecoveryFolder());
    window.recoveryWriter()->setInterval(200);
    QObject::connect(window.recoveryWriter(), &RecoveryWriter::written, [&window] {
        out() << "written " << window.recoveryWriter()->info().dataPath << Qt::endl;
    });
    window.findChild<QPushButton*>("Button_Devam")->click();
    PersonPage* page = window.TabSheet_Main;
    page->findChild<SpeedButton*>(QStringLiteral("SB_Duzelt"))->click();
    page->findChild<QLineEdit*>(QStringLiteral("Edit_Ad"))->setText(QStringLiteral("DEGISTI"));
    page->findChild<SpeedButton*>(QStringLiteral("SB_Tamam"))->click();
    out() << "changed " << window.session().unsavedChanges() << Qt::endl;
    return QCoreApplication::exec();
}

int restore()
{
    auto* window = new TForm_Main({}, std::make_unique<PrintedPrompts>(std::deque<PromptAnswer>{
                                          PromptAnswer::Yes, PromptAnswer::No}));
    window->startRecovery(RecoveryFolder());
    const Session& session = window->session();
    out() << "file: " << session.familyFileName << '\n'
          << "unsaved: " << session.unsavedChanges() << '\n'
          << "name: " << (session.persons().empty() ? QString() : session.persons()[0].GivenName)
          << '\n'
          << "page: " << window->PageControl_Main->currentWidget()->objectName() << Qt::endl;
    window->close();
    delete window;
    out() << "left: " << QDir(RecoveryFolder()).entryList(QDir::Files).join(u',') << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("kinrow"));
    app.setOrganizationName(QStringLiteral("Kinrow"));
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == u"change")
        return change(args[1]);
    if (args.size() == 1 && args[0] == u"restore")
        return restore();
    return 2;
}
