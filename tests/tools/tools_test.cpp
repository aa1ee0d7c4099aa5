#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#ifndef _WIN32
#include <unistd.h>
#endif
#include <gtest/gtest.h>

#include "platform/doubles/desktop_doubles.h"
#include "support/form_text.h"
#include "tools/frm_about.h"
#include "tools/launchers.h"

namespace tidemark {
namespace {

using namespace tidemark::testing;

TEST(AboutBox, LinkOpensTheWebPageAndSystemInformationStartsTheToolFound) {
    FakeShell shell;
    FakeDialogs dialogs;
    frmAbout about{shell, dialogs, "https://tidemark.example.org/"};
    // The address label widens to its text, which each system measures its own way.
    expectForm(formText(about).replaceInStrings(QRegularExpression("^(lblURL \\S+) \\d+x"), "\\1 *x"),
               "tools/about_form.txt");
    about.show();
    auto* link = about.findChild<QLabel*>("lblURL");
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(10, link->height() / 2));
    EXPECT_EQ(shell.opened, QStringList{"https://tidemark.example.org/"});
    EXPECT_TRUE(dialogs.shown.isEmpty());
    shell.failLater();  // no browser had a way to open it after all
    shell.defaultHandlerWorks = false;
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(10, link->height() / 2));
    EXPECT_EQ(dialogs.shown, QStringList(2,
                                         "TideMark|The web page https://tidemark.example.org/ could not be opened "
                                         "(tried the desktop's web browser)."));
    QString noAddress;
    about.OpenURL(noAddress);
    EXPECT_EQ(shell.opened.last(), "https://tidemark.example.org/") << "no address: the product's own";
#ifndef _WIN32  // on Windows the machine's registry names the one tool
    dialogs.shown.clear();
    shell.onPath = {"kinfocenter", "gnome-system-monitor"};
    shell.startFails = true;
    about.StartSysInfo();
    EXPECT_EQ(shell.started, QStringList{"/usr/bin/kinfocenter"});
    EXPECT_EQ(dialogs.shown, QStringList{"TideMark|System Information Is Unavailable At This Time"})
        << "a program that will not start gives the message of a missing one";
#endif
}

// The help as the Help button shows it, line by line, each ended by CR LF.
TEST(Help, TextLineByLine) {
    EXPECT_EQ(helpText("https://tidemark.example.org/").split("\r\n"),
              (QStringList{"TideMark " PROJECT_VERSION "  (c) 2026 MarloFenwick", QString(62, '-'),
                           "Copyright (c) 2026 Marlo Fenwick, author of TideMark", "https://tidemark.example.org/",
                           "e-mail: tidemark@example.org", "", "OPTIONS", QString(11, '-'),
                           "SAVE = save the graph as bitmap-file (BMP)",
                           "LOG DATA = saves the registred data real-time to an excell compatible file.",
                           "OPEN = open a log in MS-Excel", "CLEAR = reset and clear the graph",
                           "PAUSE = holds the readings till you press the button again",
                           "EXPAND = expands the graph to maximum width of your screen (or back)",
                           "STAY ON TOP = when checked the program will stay on top of every window",
                           "REFRESH = the interval for the graph readings to be made in milliseconds", "",
                           "Scale divisions can be set with the little arrow on the top of the graph. Pressing the "
                           "mousebutton in the graph gives you the value."}));
}

#ifndef _WIN32
// xdg-open starts whatever is asked of it and only then finds out whether
// anything opens it: its exit status is what tells.
TEST(DesktopShell, HearsWhenXdgOpenFindsNothingToOpenWith) {
    QTemporaryDir bin;
    QFile script(bin.filePath("xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(
        "#!/bin/sh\ncut -d' ' -f6 /proc/$$/stat > \"$0.session\"\necho \"$1\" > \"$0.asked\"\n"
        "[ \"$1\" = https://opens.example/ ] || { echo 'no method available' >&2; exit 3; }\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ":" + path);
    auto shell = makeDesktopShell();
    for (const bool opens : {true, false}) {
        SCOPED_TRACE(opens ? "a handler opens it" : "no method available");
        QFile::remove(script.fileName() + ".asked");
        bool failed = false;
        EXPECT_TRUE(shell->open(opens ? "https://opens.example/" : "https://fails.example/", [&] { failed = true; }));
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(script.fileName() + ".asked"); }, 10000));
        EXPECT_EQ(QTest::qWaitFor([&] { return failed; }, opens ? 1000 : 10000), !opens);
        QFile session(script.fileName() + ".session");
        ASSERT_TRUE(session.open(QIODevice::ReadOnly));
        EXPECT_NE(session.readAll().trimmed().toLong(), static_cast<long>(::getsid(0)))
            << "in a session of its own: closing our terminal leaves what it opened";
    }
    qputenv("PATH", path);
}
#endif

}  // namespace
}  // namespace tidemark
