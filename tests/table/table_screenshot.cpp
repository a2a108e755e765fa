// Saves pictures of the generation table for the documentation: table_screenshot OUTDIR.
#include "editing/personpage.h"
#include "gedcom/gedcomreader.h"
#include "shell/aboutpage.h"
#include "shell/mainwindow.h"
#include "table/generationmodel.h"
#include "table/tablepage.h"
#include "ui/speedbutton.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTreeView>

using namespace kinrow;

namespace {

// Saves the export to one file and answers nothing else.
class ExportPrompts : public DialogPrompts
{
public:
    explicit ExportPrompts(QString path) : DialogPrompts(nullptr), path_(std::move(path)) {}
    std::optional<SaveFileChoice> saveFile(const QString&, const QString&, const QString&) override
    {
        return SaveFileChoice{path_, 0};
    }

private:
    QString path_;
};

// The first person with both parents and with children.
qint32 Showcase(const PersonList& persons)
{
    for (std::size_t i = 0; i < persons.size(); ++i) {
        const TTreeData& p = persons[i];
        if (p.FatherId > 0 && p.MotherId > 0 && !p.Children.isEmpty())
            return qint32(i + 1);
    }
    return 1;
}

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        qWarning("usage: table_screenshot OUTDIR");
        return 2;
    }
    QStandardPaths::setTestModeEnabled(true);
    const QDir out(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath());
    QTemporaryDir work;
    const QString html = work.filePath(QStringLiteral("tablo.html"));
    TForm_Main window({}, std::make_unique<ExportPrompts>(html));
    Session& session = window.session();
    ErrorList errors;
    const QString sample = QStringLiteral(KINROW_SOURCE_DIR "/data/sample/aile.ged");
    QDir::setCurrent(QFileInfo(sample).absolutePath());
    PersonList persons;
    if (!ReadGedcom(sample, persons, errors, ReadOptions())) {
        qWarning("cannot read %s", qPrintable(sample));
        return 1;
    }
    session.replaceFamily(std::move(persons));
    session.setRecNoMain(Showcase(session.persons()));
    window.show();
    bool saved = true;
    for (const char* lang : {"tr", "en"}) {
        window.findChild<QComboBox*>("ComboBox_Lang")
            ->setCurrentIndex(qstrcmp(lang, "tr") == 0 ? 0 : 1);
        window.TabSheet_Main->ShowRecord();
        window.TabSheet_Main->findChild<SpeedButton*>(QStringLiteral("SB_TView"))->click();
        TablePage* table = window.TabSheet_TView;
        const QModelIndex me = table->model()->indexOfRow(table->model()->table().currentRow());
        table->findChild<QTreeView*>("VST")->expand(table->model()->indexOfRow(0));
        if (table->model()->rowCount(me) > 0)
            table->findChild<QTreeView*>("VST")->setCurrentIndex(table->model()->index(0, 0, me));
        Settle();
        saved &= window.grab().save(out.filePath(QStringLiteral("table-%1.png").arg(lang)));
    }
    // The HTML export of every row, as a browser-like renderer shows it.
    window.TabSheet_TView->HepsiniA1Click();
    window.TabSheet_TView->BitBtn_Nesil_SaveClick();
    QFile file(html);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("no export in %s", qPrintable(html));
        return 1;
    }
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    document.setTextWidth(760);
    QImage page(760, int(document.size().height()) + 1, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    document.drawContents(&painter);
    painter.end();
    saved &= page.save(out.filePath(QStringLiteral("table-export-html.png")));
    return saved ? 0 : 1;
}
