// Every dialog and message box belongs to the window that opened it, so the
// window manager stacks it above that window, even one kept on top. This
// runs the program's real dialogs.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include "window/window_fixture.h"

namespace tidemark {
namespace {

using namespace tidemark::testing;

QString ownerOf(QWidget* dialog) {
    const QWindow* owner = dialog->windowHandle() ? dialog->windowHandle()->transientParent() : nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (owner && top->windowHandle() == owner) return top->objectName();
    return "nobody";
}

TEST_F(WindowFixture, EveryDialogBelongsToTheWindowThatOpensIt) {
    auto realDialogs = makeMessageBoxDialogs();
    window = std::make_unique<frmMain>(WindowServices{samplerOs, machine, shell, *realDialogs, settings, lock, clock,
                                                      programFolder, userFolder, "https://tidemark.example.org/"});
    window->setEndProcess([] {});
    ASSERT_TRUE(window->Form_Load());
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
    for (const char* button : {"CmdHelp(1)", "CmdHelp(0)", "CmdOptions(0)", "chkLogTodisk"})
        control<QToolButton>(button)->click();
    EXPECT_EQ(seen,
              (QStringList{"Help <- frmMain", "About TideMark <- frmMain", "TideMark <- frmAbout",
                           "Save File <- frmMain", "File already exists <- frmMain", "TideMark save log <- frmMain"}));
}

}  // namespace
}  // namespace tidemark
