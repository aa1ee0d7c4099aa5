#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "fakes/fake_desktop.h"
#include "tools/frm_about.h"
#include "tools/launchers.h"

namespace tidemark {
namespace {

using namespace tidemark::testing;

TEST(Launchers, OpenAsksTheDesktopOnlyWhereItShould) {
    const QString folder = "C:\\Users\\Jo\\Log";
    const LaunchLists desktopFirst{{}, {}, true, {"thunar", "pcmanfm"}}, openerOnly{{}, {}, false, {"explorer.exe"}};
    const std::tuple<const char*, const LaunchLists*, bool, QStringList, QStringList> rows[] = {
        // lists, desktop handler works, asked of the desktop, started
        {"the desktop's handler", &desktopFirst, true, {folder}, {}},
        {"else the first opener found", &desktopFirst, false, {folder}, {"/usr/bin/pcmanfm " + folder}},
        {"an opener only, the desktop not asked", &openerOnly, true, {}, {"/usr/bin/explorer.exe " + folder}},
    };
    for (const auto& [name, lists, handlerWorks, asked, started] : rows) {
        SCOPED_TRACE(name);
        FakeShell shell;
        shell.defaultHandlerWorks = handlerWorks;
        shell.onPath = {"pcmanfm", "explorer.exe"};
        EXPECT_TRUE(openFolder(shell, folder, *lists).started);
        EXPECT_EQ(shell.opened, asked);
        EXPECT_EQ(shell.started, started);
    }
}

TEST(AboutBox, LinkOpensTheWebPageAndSystemInformationStartsTheToolFound) {
    FakeShell shell;
    FakeDialogs dialogs;
    frmAbout about{shell, dialogs, "https://tidemark.example.org/"};
    EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Version 2.0.1");
    about.show();
    auto* link = about.findChild<QLabel*>("lblURL");
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(10, link->height() / 2));
    EXPECT_EQ(shell.opened, QStringList{"https://tidemark.example.org/"});
    shell.onPath = {"kinfocenter", "gnome-system-monitor"};
    shell.startFails = true;
    about.StartSysInfo();
    EXPECT_EQ(shell.started, QStringList{"/usr/bin/kinfocenter"});
    EXPECT_EQ(dialogs.shown, QStringList{"TideMark|System Information Is Unavailable At This Time"})
        << "a program that will not start gives the message of a missing one";
}

}  // namespace
}  // namespace tidemark
