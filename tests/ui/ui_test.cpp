#include "model/session.h"
#include "ui/backbutton.h"
#include "ui/personlabel.h"
#include "ui/sessionbuttons.h"
#include "ui/titleshake.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace kinrow;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

TEST(BackButton, ShortensTwoCharactersAtATimeUntilTheTitleFits)
{
    QWidget window;
    QToolButton button(&window);
    button.resize(100, 20);
    const QString title = QStringLiteral("Mehmet Ali KARAOSMANOĞLU YILDIRIMBEYAZIT");
    SetBackButton(button, title, 42);
    const QFontMetrics metrics(window.font());
    const QString caption = button.text();
    EXPECT_TRUE(title.startsWith(caption));
    EXPECT_EQ((title.size() - caption.size()) % 2, 0);
    EXPECT_LE(metrics.horizontalAdvance(caption), 80);
    EXPECT_GT(metrics.horizontalAdvance(title.left(caption.size() + 2)), 80);
    EXPECT_EQ(button.toolTip(), QStringLiteral("42 - ") + title);

    button.resize(0, 20);
    SetBackButton(button, QStringLiteral("ABC"), 1);
    EXPECT_TRUE(button.text().isEmpty());
}

TEST(SessionButtons, EveryRuleFollowsTheSession)
{
    Session session;
    QToolButton browse, change, save, editing;
    SessionButtons rules(session);
    rules.add(&browse, ButtonRule::Browse);
    rules.add(&change, ButtonRule::Change);
    rules.add(&save, ButtonRule::Save);
    rules.add(&editing, ButtonRule::Editing);
    const auto states = [&] {
        return QList<bool>{browse.isEnabled(), change.isEnabled(), save.isEnabled(),
                           editing.isEnabled()};
    };
    EXPECT_EQ(states(), QList<bool>({true, true, false, false}));
    session.setUnsavedChanges(true);
    EXPECT_EQ(states(), QList<bool>({true, true, true, false}));
    session.beginEditing(EditMode::Correct);
    EXPECT_EQ(states(), QList<bool>({false, false, false, true}));
    session.endEditing();
    session.setReadOnlyMode(true);
    EXPECT_EQ(states(), QList<bool>({true, false, true, false}));
}

TEST(TitleShake, RestartingKeepsTheFirstStartAndEndsThere)
{
    QWidget parent;
    QLabel title(&parent);
    title.move(50, 10);
    TitleShake shake(&title);
    int steps = 0;
    QObject::connect(&shake, &TitleShake::stepped, [&] { ++steps; });
    shake.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return steps >= 5; }));
    EXPECT_EQ(title.x(), 45);
    shake.start(); // a second click while shaking: starts again from where the first began
    EXPECT_EQ(title.pos(), QPoint(50, 10));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shake.isRunning(); }, 5000));
    EXPECT_EQ(steps, 5 + TitleShake::Steps);
    EXPECT_EQ(title.pos(), QPoint(50, 10));
}

TEST(PersonLabel, ColourIsThePalettesForeground)
{
    PersonLabel label;
    label.setTextColor(QColor(128, 0, 0));
    EXPECT_EQ(label.palette().color(label.foregroundRole()), QColor(128, 0, 0));
}

TEST(PersonLabel, ADoubleClickIsOneClick)
{
    PersonLabel label;
    label.resize(80, 20);
    int clicks = 0;
    QObject::connect(&label, &PersonLabel::clicked, [&clicks] { ++clicks; });
    const QPoint inside(10, 10);
    QTest::mousePress(&label, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, inside);
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(inside),
                       label.mapToGlobal(QPointF(inside)), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QCoreApplication::sendEvent(&label, &second);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks, 1);
}
