// Saves pictures of person editing for the documentation: editing_screenshot OUTDIR.
#include "editing/listedlg.h"
#include "editing/personpage.h"
#include "gedcom/familysave.h"
#include "shell/aboutpage.h"
#include "shell/mainwindow.h"
#include "ui/prompts.h"
#include "ui/speedbutton.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

using namespace kinrow;

namespace {

TTreeData Person(const char* given, const char* surname, char sex, double born)
{
    TTreeData p;
    p.GivenName = QString::fromUtf8(given);
    p.Surname = QString::fromUtf8(surname);
    p.Sex = sex;
    p.BirthDate = born;
    return p;
}

void Link(PersonList& persons, qint32 mother, qint32 father, qint32 child)
{
    persons[std::size_t(child - 1)].MotherId = mother;
    persons[std::size_t(child - 1)].FatherId = father;
    persons[std::size_t(mother - 1)].Children.append(child);
    persons[std::size_t(father - 1)].Children.append(child);
}

PersonList Family()
{
    PersonList persons{Person("MEHMET", "KAYA", 'E', 1921),  Person("AYŞE", "KAYA", 'K', 1925),
                       Person("ZEYNEP", "DEMİR", 'K', 1930), Person("CAN", "KAYA", 'E', 1950),
                       Person("ELİF", "KAYA", 'K', 1955),    Person("ALİ", "KAYA", 'E', 1948)};
    for (std::size_t i = 0; i < persons.size(); ++i)
        persons[i].Id = qint32(i + 1);
    persons[0].Spouses = {2, 3};
    persons[1].Spouses = {1};
    persons[2].Spouses = {1};
    Link(persons, 2, 1, 6);
    Link(persons, 2, 1, 4);
    Link(persons, 3, 1, 5);
    return persons;
}

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// The real dialogs over the window once it exists, with the selection list answered by the
// screenshot.
class ScreenshotPrompts : public Prompts
{
public:
    PromptAnswer message(MessageKind kind, const QString& text, MessageButtons buttons) override
    {
        return dialogs().message(kind, text, buttons);
    }
    std::optional<FamilyFileChoice> openFamilyFile(const QString& title,
                                                   const QString& currentName) override
    {
        return dialogs().openFamilyFile(title, currentName);
    }
    std::optional<QString> openPicture(const QString& title, const QString& folder) override
    {
        return dialogs().openPicture(title, folder);
    }
    std::optional<SaveFileChoice> saveFile(const QString& title, const QString& currentName,
                                           const QString& filter) override
    {
        return dialogs().saveFile(title, currentName, filter);
    }
    std::optional<QFont> chooseFont(const QFont& initial) override
    {
        return dialogs().chooseFont(initial);
    }
    std::optional<QString> inputBox(const QString& title, const QString& label,
                                    const QString& value) override
    {
        return dialogs().inputBox(title, label, value);
    }
    bool choosePrinter(QPrinter& printer, int pageCount) override
    {
        return dialogs().choosePrinter(printer, pageCount);
    }
    int exec(QDialog& dialog) override { return onDialog ? onDialog(dialog) : dialog.exec(); }

    DialogPrompts& dialogs()
    {
        if (!real)
            real = std::make_unique<DialogPrompts>(nullptr);
        return *real;
    }

    std::unique_ptr<DialogPrompts> real;
    std::function<int(QDialog&)> onDialog;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        qWarning("usage: editing_screenshot OUTDIR");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QStandardPaths::setTestModeEnabled(true); // never the user's real settings
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("aile.ged"));
    if (!SaveFamilyFile(path, Family(), {}).saved)
        return 1;

    auto owned = std::make_unique<ScreenshotPrompts>();
    ScreenshotPrompts& prompts = *owned;
    TForm_Main window({path}, std::move(owned));
    prompts.real = std::make_unique<DialogPrompts>(&window);
    TForm_ListeDlg liste(&window);
    window.setListeDialog(&liste);
    window.findChild<QComboBox*>("ComboBox_Lang")->setCurrentIndex(1);
    window.show();
    window.findChild<QPushButton*>("Button_Devam")->click();
    PersonPage* page = window.TabSheet_Main;
    window.session().setRecNoMain(4);
    page->ShowRecord();
    Settle();

    bool ok = true;
    // The jump list, as the user sees it over the window, narrowed to those born in the 1950s.
    prompts.onDialog = [&](QDialog& dialog) {
        dialog.show();
        dialog.findChild<QLineEdit*>(QStringLiteral("Edit_Find"))->setText(QStringLiteral("195"));
        Settle();
        ok = dialog.grab().save(out.filePath(QStringLiteral("selection-list.png"))) && ok;
        dialog.hide();
        return int(QDialog::Rejected);
    };
    const auto button = [page](const char* name) {
        return page->findChild<SpeedButton*>(QLatin1String(name));
    };
    const auto field = [page](const char* name) {
        return page->findChild<QLineEdit*>(QLatin1String(name));
    };
    button("SB_Liste")->click();

    // A mother being added, half typed.
    button("SB_AnneEkle")->click();
    field("Edit_Ad")->setText(QStringLiteral("HATİCE"));
    field("Edit_DogTarih")->setText(QStringLiteral("1927"));
    Settle();
    ok = window.grab().save(out.filePath(QStringLiteral("editing.png"))) && ok;
    button("SB_Iptal")->click();

    // The sex change of a married man asks about his whole group.
    window.session().setRecNoMain(1);
    page->ShowRecord();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        Settle();
        ok = box->grab().save(out.filePath(QStringLiteral("sex-change.png"))) && ok;
        box->reject();
    });
    poll.start(50);
    button("SB_Sex")->click();
    return ok ? 0 : 1;
}
