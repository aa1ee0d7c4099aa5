// Stay on top, the refresh interval, the read-out box and the tool buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>

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
    void type(int key, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(refresh()->lineEdit(), &press);
    }
};

TEST_F(Options, RefreshFromTheListAndTypedWithEnter) {
    refresh()->setCurrentIndex(0);  // "100"
    window->CmbRefresh_Click();
    EXPECT_EQ(window->updateTimer().interval(), 100);
    refresh()->setEditText("75");
    type(Qt::Key_A, "a");
    EXPECT_EQ(window->updateTimer().interval(), 100) << "no Enter, no change";
    refresh()->setEditText("75");
    type(Qt::Key_Return);
    EXPECT_EQ(window->updateTimer().interval(), 75);
    refresh()->setEditText("abc");
    type(Qt::Key_Return);
    EXPECT_EQ(window->updateTimer().interval(), 75);
    EXPECT_EQ(refresh()->currentText(), "abc") << "the rejected text stays";
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
