#include "editing/family.h"
#include "table/exportsave.h"
#include "table/generationmodel.h"
#include "table/generationtable.h"
#include "table/generationview.h"
#include "ui/scriptedprompts.h"

#include <QApplication>
#include <QImage>
#include <QStandardItemModel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kinrow {
namespace {

using test::Child;
using test::Persons;

constexpr int Indent = 20;

// The colour of one pixel as "#rrggbb", so that a failure reads.
QString ColourAt(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y)).name();
}

// A tree of two top-level rows, the first with two children, the first child with one child;
// every row yellow. The view is drawn without the expand buttons in the way of the lines.
struct Tree
{
    QStandardItemModel model;
    GenerationView view;

    Tree()
    {
        auto row = [](const QString& text) {
            auto* item = new QStandardItem(text);
            item->setBackground(QColor(Qt::yellow));
            return item;
        };
        QStandardItem* first = row(u"a"_qs);
        QStandardItem* child = row(u"a1"_qs);
        child->appendRow(row(u"a11"_qs));
        first->appendRow(child);
        first->appendRow(row(u"a2"_qs));
        model.appendRow(first);
        model.appendRow(row(u"b"_qs));
        view.setModel(&model);
        view.setIndentation(Indent);
        view.setRootIsDecorated(true);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        QPalette colours = view.palette();
        colours.setColor(QPalette::Dark, Qt::black);
        colours.setColor(QPalette::Highlight, QColor(0xC0, 0xC0, 0xC0));
        view.setPalette(colours);
        view.expandAll();
        view.resize(300, 200);
    }

    // The picture of the rows, in viewport coordinates.
    QImage picture() { return view.viewport()->grab().toImage(); }
    QRect rowRect(const QModelIndex& index) const { return view.visualRect(index); }
};

// Rows: a (y0), a1, a11, a2, b. The line of a's children runs at x = Indent + Indent/2 - 1
// from a1 down past a11 to a2; the line of the top level at x = Indent/2 - 1 from a to b.
TEST(GenerationView, SolidTreeLinesJoinRowsToTheirParents)
{
    Tree tree;
    const QModelIndex a = tree.model.index(0, 0);
    const QModelIndex a1 = tree.model.index(0, 0, a);
    const QModelIndex a11 = tree.model.index(0, 0, a1);
    const QImage image = tree.picture();
    const int topLevelX = Indent / 2 - 1;
    const int childX = Indent + Indent / 2 - 1;
    const QRect a11Row = tree.rowRect(a11);
    // Beside a11, the lines of the top level (b follows a) and of a's children (a2 follows a1).
    EXPECT_EQ(ColourAt(image, topLevelX, a11Row.center().y()), QColor(Qt::black).name());
    EXPECT_EQ(ColourAt(image, childX, a11Row.center().y()), QColor(Qt::black).name());
    // a11 has no later sibling, so nothing runs below its middle at its own step.
    const int ownX = 2 * Indent + Indent / 2 - 1;
    EXPECT_EQ(ColourAt(image, ownX, a11Row.bottom() - 1), QColor(Qt::yellow).name());
    EXPECT_EQ(ColourAt(image, ownX + 4, a11Row.top() + a11Row.height() / 2),
              QColor(Qt::black).name());
}

TEST(GenerationView, TheSelectedRowIsOneBandOfTheSelectionColour)
{
    Tree tree;
    const QModelIndex a = tree.model.index(0, 0);
    const QModelIndex a1 = tree.model.index(0, 0, a);
    tree.view.selectionModel()->select(a1, QItemSelectionModel::ClearAndSelect |
                                               QItemSelectionModel::Rows);
    const QImage image = tree.picture();
    const QRect row = tree.rowRect(a1);
    // In the indentation before the name, away from the lines.
    EXPECT_EQ(ColourAt(image, 2, row.top() + 2), QColor(0xC0, 0xC0, 0xC0).name());
}

TEST(GenerationView, CellFontsFollowTheGridsFont)
{
    PersonList persons = Persons(3);
    Child(persons, 1, 2, 3);
    GenerationTableOptions options;
    options.lang = Lang::English;
    GenerationModel model;
    model.setTable(BuildGenerationTable(persons, 3, options), 3);
    GenerationView view;
    view.setModel(&model);
    QFont font = view.font();
    font.setPixelSize(11);
    view.setFont(font);
    font.setPixelSize(17);
    view.setFont(font);
    const QFont cell = model.index(0, 1).data(Qt::FontRole).value<QFont>();
    EXPECT_EQ(cell.pixelSize(), 17);
}

// A failed export is a failure under the program's title, not a warning.
TEST(GenerationExport, AFailureIsAnErrorBox)
{
    QTemporaryDir folder;
    test::ScriptedPrompts prompts;
    prompts.chooseSaveFile(folder.filePath(u"no such folder/table.html"_qs));
    prompts.answerMessage(PromptAnswer::Ok);
    EXPECT_FALSE(SaveTableExport(prompts, Lang::English, [](ExportFormat, QIODevice& device) {
        return device.write("x") == 1;
    }));
    ASSERT_EQ(prompts.kinds.size(), 1);
    EXPECT_EQ(prompts.kinds[0], MessageKind::Error);
}

} // namespace
} // namespace kinrow

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
