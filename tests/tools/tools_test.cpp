#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "fakes/fake_desktop.h"
#include "tools/frm_about.h"
#include "tools/launchers.h"

namespace tidemark {
namespace {

using namespace tidemark::testing;

// Both platforms' lists, as data: the rules that use them are the same on
// every platform, so each list is tried here whatever this one is.
const LaunchLists kLinuxLists{
    {{"systemadm", {}}, {"x-terminal-emulator", {"-e", "systemctl", "list-units", "--type=service"}}},
    {{"hardinfo", {}}, {"kinfocenter", {}}},
    true,
    {"xdg-open", "nautilus", "dolphin", "thunar", "nemo", "caja", "pcmanfm"}};
const LaunchLists kWindowsLists{{{"Services.msc", {}}, {"MSconfig.exe", {}}},
                                {{"msinfo32.msc", {}}, {"winmsd.exe", {}}},
                                false,
                                {"explorer.exe"}};
const std::pair<const char*, const LaunchLists*> kPlatforms[] = {{"Linux", &kLinuxLists},
                                                                 {"Windows", &kWindowsLists}};

TEST(Launchers, ThisPlatformStartsOneOfTheKnownLists) {
    EXPECT_TRUE(launchLists() == kLinuxLists || launchLists() == kWindowsLists);
}

TEST(Launchers, FallbackOnlyWhenTheFirstToolIsNotFound) {
    using Start = LaunchResult (*)(Shell&, const LaunchLists&);
    const std::tuple<const char*, Start, ToolChoice LaunchLists::*> buttons[] = {
        {"Services", startServicesTool, &LaunchLists::services},
        {"System Info", startSystemInfoTool, &LaunchLists::systemInfo}};
    const std::tuple<const char*, bool, bool, bool, bool> rows[] = {
        // first on PATH, fallback on PATH, start fails, the first is started (else the fallback, else none)
        {"first found", true, true, false, true},
        {"first missing", false, true, false, false},
        {"first found but will not start (31)", true, true, true, true},
    };
    auto commandLine = [](const Tool& tool) {
        return "/usr/bin/" + tool.program + (tool.arguments.isEmpty() ? "" : " " + tool.arguments.join(' '));
    };
    for (const auto& [platform, lists] : kPlatforms)
        for (const auto& [button, start, choice] : buttons)
            for (const auto& [name, firstOnPath, fallbackOnPath, startFails, firstStarted] : rows) {
                SCOPED_TRACE(std::string(platform) + ", " + button + ": " + name);
                const ToolChoice& tools = (*lists).*choice;
                FakeShell shell;
                if (firstOnPath) shell.onPath << tools.first.program;
                if (fallbackOnPath) shell.onPath << tools.fallback.program;
                shell.startFails = startFails;
                const LaunchResult result = start(shell, *lists);
                EXPECT_EQ(shell.started, QStringList{commandLine(firstStarted ? tools.first : tools.fallback)});
                EXPECT_EQ(result.started, !startFails);
            }
}

TEST(Launchers, OpenGivesTheFolderToThePlatformsOpener) {
    const QString folder = "C:\\Users\\Jo\\Log";
    const std::tuple<const char*, const LaunchLists*, bool, QStringList, QStringList, QStringList> rows[] = {
        // lists, desktop handler works, on PATH, asked of the desktop, started
        {"Linux: the desktop's handler", &kLinuxLists, true, {"thunar"}, {folder}, {}},
        {"Linux: else the first file manager found", &kLinuxLists, false, {"thunar", "pcmanfm"}, {folder},
         {"/usr/bin/thunar " + folder}},
        {"Windows: Explorer, the desktop not asked", &kWindowsLists, true, {"explorer.exe"}, {},
         {"/usr/bin/explorer.exe " + folder}},
    };
    for (const auto& [name, lists, handlerWorks, onPath, asked, started] : rows) {
        SCOPED_TRACE(name);
        FakeShell shell;
        shell.defaultHandlerWorks = handlerWorks;
        shell.onPath = onPath;
        EXPECT_TRUE(openFolder(shell, folder, *lists).started);
        EXPECT_EQ(shell.opened, asked);
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
