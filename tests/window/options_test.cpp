// Stay on top, the refresh interval, the read-out box, the tool buttons and
// the dialogs they open, driven by keys and clicks on the widgets the user reaches.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

#include "window/window_fixture.h"

namespace tidemark {
namespace {

using namespace tidemark::testing;

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

// An accepted entry stays as typed; one Enter refuses gives way to the
// interval in force (500 here). A pick from the list counts as typed, and a
// paused timer takes the new interval without starting.
TEST_F(Options, TypedOrPickedIntervalTakesEffectOrGivesWayToTheOneInForce) {
    const std::tuple<const char*, bool, int> rows[] = {
        // typed, Enter, interval (500: refused)
        {"75", true, 75},    {"75", false, 500},  {"750", true, 750},     {"50", true, 50},      {"80", true, 80},
        {"51.5", true, 52},  {"50.5", true, 50},  {"200ms", true, 200},   {"1 000", true, 1000}, {"1e3", true, 1000},
        {" 200", true, 200}, {"&H64", true, 100}, {"65535", true, 65535}, {"49", true, 500},     {"2", true, 500},
        {"20", true, 500},   {"abc", true, 500},  {"70000", true, 500},   {"-100", true, 500},   {"1e999", true, 500},
    };
    for (const auto& [typed, enter, interval] : rows) {
        SCOPED_TRACE(typed);
        window->updateTimer().setInterval(500);
        type(typed, enter);
        EXPECT_EQ(window->updateTimer().interval(), interval);
        const bool refused = enter && interval == 500;
        EXPECT_EQ(refresh()->currentText().toStdString(), refused ? "500" : typed) << "no completion rewrites it";
    }
    // The largest interval shows whole in the designed width, not scrolled to its last digits.
    type("65535", true);
    QLineEdit* edit = refresh()->lineEdit();
    const QRect ink = inkBounds(edit->grab().toImage(), edit->palette().color(QPalette::Base));
#ifndef _WIN32  // Windows' off-screen platform measures text larger than it draws it
    EXPECT_GE(ink.width(), edit->fontMetrics().horizontalAdvance("65535") - 2);
#endif
    EXPECT_GT(ink.left(), 0);
    QTest::keyClick(refresh(), Qt::Key_F4);  // opens the list
    ASSERT_TRUE(refresh()->view()->isVisible());
    QTest::keyClick(refresh()->view(), Qt::Key_Home);
    QTest::keyClick(refresh()->view(), Qt::Key_Return);
    EXPECT_EQ(window->updateTimer().interval(), 100);
    button("CmdOptions(2)")->click();
    type("300", true);
    EXPECT_FALSE(window->updateTimer().isActive());
    button("CmdOptions(2)")->click();
    EXPECT_TRUE(window->updateTimer().isActive());
    EXPECT_EQ(window->updateTimer().interval(), 300);
}

// Where the desktop cannot keep a window above the others, ticking the box says so once.
TEST_F(WindowFixture, StayOnTopKeepsPlaceAndSizeOrSaysOnceThatItCannot) {
    for (const bool can : {true, false}) {
        canStayOnTop = can;
        dialogs.shown.clear();
        started();
        const QRect before = window->geometry();
        for (int click = 0; click < 3; ++click) {
            control<QCheckBox>("ChkOnTop")->click();
            EXPECT_EQ(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), click != 1) << click;
        }
        EXPECT_EQ(window->geometry(), before);
        EXPECT_EQ(dialogs.shown.filter("This desktop does not let a program keep its window above").size(),
                  can ? 0 : 1);
    }
}

TEST_F(Options, ReadOutFollowsTheLeftButtonAndShowsItsWholeText) {
    auto* graph = control<GraphView>("Graph");
    auto* box = control<QLineEdit>("txtValue");
    const QPoint inner = graph->contentsRect().topLeft();
    ASSERT_EQ(graph->contentsRect().height(), 233);
    QTest::mousePress(graph, Qt::LeftButton, {}, inner + QPoint(40, 119));
    EXPECT_EQ(box->text(), "49%") << "119 / 2.33 rounds to 51";
    EXPECT_EQ(box->pos(), inner + QPoint(40, 119));
    window->tmrUpdate_Timer();
    QTest::mouseMove(graph, inner + QPoint(40, 0));
    EXPECT_EQ(box->text(), "100%");
    EXPECT_TRUE(box->isVisible()) << "a tick leaves it";
    for (const int y : {0, 119}) {  // "100%" and "49%", neither cut off
        QTest::mouseMove(graph, inner + QPoint(40, y));
        const QRect ink = inkBounds(box->grab().toImage(), QColor(255, 255, 192));
        EXPECT_TRUE(ink.left() > 0 && ink.right() < box->width() - 1) << box->text().toStdString();
        EXPECT_GE(ink.width(), box->fontMetrics().horizontalAdvance(box->text()) * 7 / 10);
    }
    QTest::mouseMove(graph, inner + QPoint(2000, 2000));  // far right of and below the graph
    EXPECT_EQ(box->text(), "0%");
    EXPECT_EQ(box->pos(), inner + QPoint(graph->contentsRect().width() - 10, 233 - 15)) << "kept inside";
    QTest::mousePress(graph, Qt::RightButton, {}, inner + QPoint(40, 50));
    EXPECT_FALSE(box->isVisible()) << "the right button hides it";
    QTest::mouseMove(graph, inner + QPoint(40, 100));
    EXPECT_FALSE(box->isVisible()) << "two buttons held: nothing changes";
}

// What the tool buttons try, as this system's lists name them.
struct ToolNames {
    QString firstServices, lastServices, servicesTried, lastInfo, infoTried, folderTried;
};
#ifdef _WIN32
const ToolNames kTools{
    "Services.msc", "MSconfig.exe", "Services.msc, MSconfig.exe", "winmsd.exe", "msinfo32.msc, winmsd.exe",
    "explorer.exe"};
#else
const ToolNames kTools{"systemadm",
                       "x-terminal-emulator",
                       "systemadm, x-terminal-emulator",
                       "gnome-system-monitor",
                       "hardinfo, kinfocenter, cpu-x, i-nex, lshw-gtk, gnome-system-monitor",
                       "the desktop's file browser, nautilus, dolphin, thunar, nemo, caja, pcmanfm"};
#endif

TEST_F(Options, ToolButtonsFallBackOnlyWhenNotFoundAndSayWhatTheyTried) {
    shell.defaultHandlerWorks = false;
    for (const char* name : {"Command1", "Command3", "Command2", "CmdOptions(3)"}) button(name)->click();
    const QString folder = programDir.path() + "/Log";
    EXPECT_EQ(dialogs.shown,
              (QStringList{"TideMark|No services tool could be started (tried " + kTools.servicesTried + ").",
                           "TideMark|No system information tool could be started (tried " + kTools.infoTried + ").",
                           "TideMark|The web page https://tidemark.example.org/ could not be opened (tried the "
                           "desktop's web browser).",
                           "TideMark|The log folder " + QDir::toNativeSeparators(folder) +
                               " could not be opened (tried " + kTools.folderTried + ")."}));
    EXPECT_EQ(dialogs.owners, (QList<QWidget*>(4, window.get())));
    shell.defaultHandlerWorks = true;  // the browser takes the page, then finds no way to show it
    button("Command2")->click();
    shell.failLater();
    EXPECT_EQ(dialogs.shown.last(), dialogs.shown.at(2)) << "said as when no browser took it";
    dialogs.shown.clear();
    shell.onPath = {kTools.lastInfo};
    button("Command3")->click();
    EXPECT_EQ(shell.started, QStringList{"/usr/bin/" + kTools.lastInfo}) << "the last of the list, as About finds it";
    EXPECT_TRUE(dialogs.shown.isEmpty());
    shell.onPath << kTools.firstServices << kTools.lastServices;
    shell.startFails = true;
    button("Command1")->click();
    EXPECT_EQ(shell.started.last(), "/usr/bin/" + kTools.firstServices) << "found but not started (31): no fallback";
    EXPECT_EQ(dialogs.shown.size(), 1);
#ifndef _WIN32  // where the desktop is asked first: one that takes the folder and fails later hands it on
    shell.startFails = false;
    shell.onPath = {"thunar"};
    button("CmdOptions(3)")->click();
    shell.failLater();
    EXPECT_EQ(shell.started.last(), "/usr/bin/thunar " + folder);
#endif
}

QString ownerOf(QWidget* dialog) {
    const QWindow* owner = dialog->windowHandle() ? dialog->windowHandle()->transientParent() : nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (owner && top->windowHandle() == owner) return top->objectName();
    return "nobody";
}

// Every dialog and message box of the program's real ones belongs to the
// window that opened it, so the window manager stacks it above that window,
// even one kept on top.
TEST_F(WindowFixture, EveryDialogBelongsToTheWindowThatOpensIt) {
    const auto realDialogs = makeMessageBoxDialogs();
    dialogsShown = realDialogs.get();
    started();
    QDir::setCurrent(programDir.path());
    QFile(programDir.path() + "/.keep.bmp").open(QIODevice::WriteOnly);
    QDir().mkpath(programDir.path() + "/Log/TideMark12-05-26.xls");  // the log cannot be written

    // Each modal window is noted and answered as it opens: the Save dialog
    // chooses an existing file, the About box asks for the system information
    // (there is none), every other one is closed.
    QStringList seen;
    QList<QDialog*> handled;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || handled.contains(dialog)) return;
        handled << dialog;
        seen << dialog->windowTitle() + " <- " + ownerOf(dialog);
        if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            files->selectFile(programDir.path() + "/.keep.bmp");
            static_cast<QDialog*>(files)->accept();
        } else if (dialog->objectName() == "frmAbout") {
            QTimer::singleShot(0, dialog, [dialog] {
                dialog->findChild<QPushButton*>("cmdSysInfo")->click();
                dialog->reject();
            });
        } else {
            dialog->reject();
        }
    });
    watcher.start(5);
    for (const char* name : {"CmdHelp(1)", "CmdHelp(0)", "CmdOptions(0)", "chkLogTodisk"}) button(name)->click();
    EXPECT_EQ(seen,
              (QStringList{"Help <- frmMain", "About TideMark <- frmMain", "TideMark <- frmAbout",
                           "Save File <- frmMain", "File already exists <- frmMain", "TideMark save log <- frmMain"}));
    window.reset();  // before the dialogs it was given
}

}  // namespace
}  // namespace tidemark
