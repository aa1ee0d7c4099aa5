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
    const std::tuple<const char*, QStringList, bool, QStringList> rows[] = {  // on PATH, start fails, started
        {"first found", {"first", "second"}, false, {"/usr/bin/first"}},
        {"first missing", {"second"}, false, {"/usr/bin/second"}},
        {"first found but will not start (31)", {"first", "second"}, true, {"/usr/bin/first"}},
    };
    for (const auto& [name, onPath, startFails, started] : rows) {
        SCOPED_TRACE(name);
        FakeShell shell;
        shell.onPath = onPath;
        shell.startFails = startFails;
        startWithFallback(shell, {"first", {}}, {"second", {}});
        EXPECT_EQ(shell.started, started);
    }
}

TEST(HelpText, EighteenLinesTheSixthAndSeventeenthEmptyAndNoLineEndAfterTheLast) {
    const QStringList lines = helpText("https://tidemark.example.org/").split("\r\n");
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[16], "");
    EXPECT_FALSE(lines[17].isEmpty());
}

class AboutBox : public ::testing::Test {
protected:
    FakeShell shell;
    FakeDialogs dialogs;
    frmAbout about{shell, dialogs, "https://tidemark.example.org/"};
};

TEST_F(AboutBox, VersionHasNoLeadingZeros) {
    EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Version 2.0.1");
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
