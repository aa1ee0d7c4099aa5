#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "fakes/fake_desktop.h"
#include "tools/frm_about.h"
#include "tools/launchers.h"

namespace tidemark {
namespace {

using namespace tidemark::testing;

TEST(Launchers, FallbackOnlyWhenTheFirstToolIsNotFound) {
    struct Row {
        const char* name;
        QStringList onPath;
        bool startFails;
        QStringList started;
    };
    const Row rows[] = {
        {"first found", {"first", "second"}, false, {"/usr/bin/first"}},
        {"first missing", {"second"}, false, {"/usr/bin/second"}},
        {"first found but will not start (31)", {"first", "second"}, true, {"/usr/bin/first"}},
        {"neither", {}, false, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeShell shell;
        shell.onPath = row.onPath;
        shell.startFails = row.startFails;
        startWithFallback(shell, {"first", {}}, {"second", {}});
        EXPECT_EQ(shell.started, row.started);
    }
}

TEST(Launchers, ServicesFallBackToATerminalListingThem) {
    FakeShell shell;
    shell.onPath = {"x-terminal-emulator"};
    startServicesTool(shell);
    EXPECT_EQ(shell.started, QStringList{"/usr/bin/x-terminal-emulator -e systemctl list-units --type=service"});
}

TEST(HelpText, EighteenLinesWithCrLfBetweenAndNoneAfter) {
    const QString text = helpText("https://tidemark.example.org/");
    EXPECT_FALSE(text.endsWith("\r\n"));
    const QStringList lines = text.split("\r\n");
    ASSERT_EQ(lines.size(), 18);
    EXPECT_TRUE(lines[0].startsWith("TideMark 2.0.1"));
    EXPECT_EQ(lines[1], QString(62, '-'));
    EXPECT_EQ(lines[3], "https://tidemark.example.org/");
    EXPECT_TRUE(lines[4].startsWith("e-mail: "));
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "OPTIONS");
    EXPECT_EQ(lines[7], "-----------");
    EXPECT_EQ(lines[8], "SAVE = save the graph as bitmap-file (BMP)");
    EXPECT_EQ(lines[9], "LOG DATA = saves the registred data real-time to an excell compatible file.");
    EXPECT_EQ(lines[10], "OPEN = open a log in MS-Excel");
    EXPECT_EQ(lines[11], "CLEAR = reset and clear the graph");
    EXPECT_EQ(lines[12], "PAUSE = holds the readings till you press the button again");
    EXPECT_EQ(lines[13], "EXPAND = expands the graph to maximum width of your screen (or back)");
    EXPECT_EQ(lines[14], "STAY ON TOP = when checked the program will stay on top of every window");
    EXPECT_EQ(lines[15], "REFRESH = the interval for the graph readings to be made in milliseconds");
    EXPECT_EQ(lines[16], "");
    EXPECT_EQ(lines[17],
              "Scale divisions can be set with the little arrow on the top of the graph. Pressing the mousebutton in "
              "the graph gives you the value.");
}

class AboutBox : public ::testing::Test {
protected:
    FakeShell shell;
    FakeDialogs dialogs;
    frmAbout about{shell, dialogs, "https://tidemark.example.org/"};
    QString text(const char* name) { return about.findChild<QLabel*>(name)->text(); }
};

TEST_F(AboutBox, ShowsTitleVersionAndLink) {
    EXPECT_EQ(about.windowTitle(), "About TideMark");
    EXPECT_EQ(text("lblVersion"), "Version 2.0.1");
    EXPECT_EQ(text("lblTitle"), "TideMark");
    EXPECT_EQ(text("lblTitle2"), "TideMark");
    EXPECT_EQ(about.size(), QSize(382, 237));
}

TEST_F(AboutBox, LinkAndEmptyAddressOpenTheWebPage) {
    about.show();
    auto* link = about.findChild<QLabel*>("lblURL");
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(10, link->height() / 2));
    QString empty;
    about.OpenURL(empty);
    EXPECT_EQ(shell.opened, (QStringList{"https://tidemark.example.org/", "https://tidemark.example.org/"}));
}

TEST_F(AboutBox, SystemInformationStartsOrSaysItIsUnavailable) {
    about.StartSysInfo();
    EXPECT_EQ(dialogs.shown, QStringList{"TideMark|System Information Is Unavailable At This Time"});
    shell.onPath = {"kinfocenter", "gnome-system-monitor"};
    about.StartSysInfo();
    EXPECT_EQ(shell.started, QStringList{"/usr/bin/kinfocenter"});
    shell.startFails = true;
    about.StartSysInfo();
    EXPECT_EQ(dialogs.shown.size(), 2) << "a program that will not start gives the same message";
}

}  // namespace
}  // namespace tidemark
