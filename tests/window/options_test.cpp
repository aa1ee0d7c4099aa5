// Stay on top, the refresh interval, the read-out box and the tool buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <QAbstractItemView>
#include <QPainter>
#include <QTest>

#include "window/refresh_interval.h"
#include "window/widgets.h"
#include "window/window_fixture.h"

namespace tidemark {
namespace {

using namespace tidemark::testing;

TEST(RefreshInterval, EntriesTheTimerAccepts) {
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"100", 100}, {"75", 75},     {"49", std::nullopt},     {"50", 50},      {"50.5", 50},
        {"51.5", 52}, {"200ms", 200}, {"abc", std::nullopt},    {"1 000", 1000}, {"70000", std::nullopt},
        {"65535", 65535}, {"-100", std::nullopt}, {"1e999", std::nullopt},
    };
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(refreshIntervalFrom(text), expected);
    }
}

class Options : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        started();
    }
    QComboBox* refresh() const { return control<QComboBox>("CmbRefresh"); }
    // Types into the refresh box as the keyboard does: the keys go to the
    // focused combo box, replacing whatever it showed.
    void type(const QString& text, bool enter) {
        refresh()->setFocus();
        QTest::keyClick(refresh(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(refresh(), Qt::Key_Delete);
        QTest::keyClicks(refresh(), text);
        if (enter) QTest::keyClick(refresh(), Qt::Key_Return);
    }
};

TEST_F(Options, TypedIntervalTakesEffectWithEnterAndStaysAsTyped) {
    struct Row {
        const char* typed;
        bool enter;
        int interval;  // 500 when refused
    };
    const Row rows[] = {
        {"75", true, 75},       {"75", false, 500},     {"750", true, 750},    {"50", true, 50},
        {"80", true, 80},       {"51.5", true, 52},     {"200ms", true, 200},  {"1 000", true, 1000},
        {"1e3", true, 1000},    {" 200", true, 200},    {"&H64", true, 100},   {"65535", true, 65535},
        {"49", true, 500},      {"2", true, 500},       {"20", true, 500},     {"abc", true, 500},
        {"70000", true, 500},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        window->updateTimer().setInterval(500);
        type(row.typed, row.enter);
        EXPECT_EQ(window->updateTimer().interval(), row.interval);
        EXPECT_EQ(refresh()->currentText().toStdString(), row.typed) << "no completion rewrites it";
    }
}

TEST_F(Options, PickingFromTheListSetsTheInterval) {
    refresh()->setFocus();
    QTest::keyClick(refresh(), Qt::Key_F4);  // opens the list
    ASSERT_TRUE(refresh()->view()->isVisible());
    QTest::keyClick(refresh()->view(), Qt::Key_Home);
    QTest::keyClick(refresh()->view(), Qt::Key_Return);
    EXPECT_EQ(refresh()->currentText(), "100");
    EXPECT_EQ(window->updateTimer().interval(), 100);
}

TEST_F(Options, PausedTimerTakesTheNewIntervalWithoutStarting) {
    window->CmdOptions_Click(2);
    refresh()->setEditText("300");
    window->CmbRefresh_KeyPress(13);
    EXPECT_FALSE(window->updateTimer().isActive());
    window->CmdOptions_Click(2);
    EXPECT_EQ(window->updateTimer().interval(), 300);
}

TEST_F(Options, StayOnTopKeepsPlaceAndSize) {
    const QRect before = window->geometry();
    control<QCheckBox>("ChkOnTop")->click();
    EXPECT_TRUE(window->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->geometry(), before);
    control<QCheckBox>("ChkOnTop")->click();
    EXPECT_FALSE(window->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
}

TEST_F(Options, ReadOutBoxFollowsTheLeftButtonAndSurvivesTicks) {
    auto* box = control<QLineEdit>("txtValue");
    ASSERT_EQ(window->graph().canvas().height(), 233);
    window->Graph_MouseDown(1, 40, 100);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), "57%") << "100 / 2.33 rounds to 43";
    EXPECT_EQ(box->pos(), window->graph().contentsRect().topLeft() + QPoint(40, 100));
    window->tmrUpdate_Timer();
    EXPECT_TRUE(box->isVisible());
    window->Graph_MouseMove(3, 40, 0);
    EXPECT_EQ(box->text(), "57%") << "two buttons held: nothing changes";
    window->Graph_MouseMove(1, 40, 0);
    EXPECT_EQ(box->text(), "100%");
    window->Graph_MouseDown(2, 40, 0);
    EXPECT_FALSE(box->isVisible()) << "the right button hides it";
    window->Graph_MouseMove(1, 40, 0);
    EXPECT_TRUE(box->isVisible());
    window->Graph_MouseUp(1, 40, 0);
    EXPECT_FALSE(box->isVisible());
}

TEST_F(Options, HelpAndAboutButtons) {
    window->CmdHelp_Click(0);
    EXPECT_EQ(dialogs.modalDialogs, QStringList{"frmAbout"});
    EXPECT_TRUE(dialogs.shown.isEmpty());
    window->CmdHelp_Click(1);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown.front().startsWith("Help|TideMark 2.0.1"));
    shell.onPath = {"kinfocenter"};
    window->Command3_Click();
    EXPECT_EQ(shell.started, QStringList{"/usr/bin/kinfocenter"}) << "System Info falls back";
}

}  // namespace
}  // namespace tidemark

namespace tidemark {
namespace {

TEST_F(Options, ButtonsThatStartNothingSayWhatTheyTried) {
    shell.defaultHandlerWorks = false;
    for (const char* button : {"Command1", "Command3", "Command2", "CmdOptions(3)"})
        control<QToolButton>(button)->click();
    const QString folder = programDir.path() + "/Log";
    EXPECT_EQ(dialogs.shown,
              (QStringList{"TideMark|No services tool could be started (tried systemadm, x-terminal-emulator).",
                           "TideMark|No system information tool could be started (tried hardinfo, kinfocenter).",
                           "TideMark|The web page https://tidemark.example.org/ could not be opened (tried the "
                           "desktop's web browser).",
                           "TideMark|The log folder " + folder + " could not be opened (tried the desktop's file "
                           "browser, xdg-open, nautilus, dolphin, thunar, nemo, caja, pcmanfm)."}));
    EXPECT_EQ(dialogs.owners, (QList<QWidget*>(4, window.get())));
    dialogs.shown.clear();
    shell.onPath = {"kinfocenter"};
    control<QToolButton>("Command3")->click();
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "the fallback started";
}

}  // namespace
}  // namespace tidemark

namespace tidemark {
namespace {

TEST_F(Options, ReadOutShowsItsWholeText) {
    auto* graph = control<GraphView>("Graph");
    auto* box = control<QLineEdit>("txtValue");
    const QPoint inner = graph->contentsRect().topLeft();
    for (const int y : {0, 119}) {  // 100 % and 49 % of a graph 233 pixels high
        QTest::mousePress(graph, Qt::LeftButton, {}, inner + QPoint(40, y));
        SCOPED_TRACE(box->text().toStdString());
        ASSERT_TRUE(box->isVisible());
        const QColor paper(255, 255, 192);
        const QRect ink = inkBounds(box->grab().toImage(), paper);
        QImage reference(200, box->height(), QImage::Format_RGB32);
        reference.fill(paper);
        QPainter painter(&reference);
        painter.setFont(box->font());
        painter.drawText(reference.rect(), Qt::AlignCenter, box->text());
        painter.end();
        EXPECT_GT(ink.left(), 0);
        EXPECT_LT(ink.right(), box->width() - 1);
        EXPECT_NEAR(ink.width(), inkBounds(reference, paper).width(), 1) << "nothing of the text is cut off";
        QTest::mouseRelease(graph, Qt::LeftButton, {}, inner + QPoint(40, y));
    }
}

}  // namespace
}  // namespace tidemark
