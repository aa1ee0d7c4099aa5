// Every dialog and message box belongs to the window that opened it, so the
// window manager stacks it above that window, even one kept on top. These
// run the program's real dialogs.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <functional>

#include "window/window_fixture.h"

namespace tidemark {
namespace {

using namespace tidemark::testing;

// Closes each modal window as it opens, noting its title and its owner.
class ModalWatcher {
public:
    std::function<void(QDialog&)> onOpen = [](QDialog& dialog) { dialog.reject(); };
    QStringList seen;  // "title <- owner's object name"

    ModalWatcher() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start(5);
    }

private:
    void look() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || handled_.contains(dialog)) return;
        handled_ << dialog;
        seen << dialog->windowTitle() + " <- " + ownerName(dialog);
        onOpen(*dialog);
    }
    static QString ownerName(QWidget* dialog) {
        const QWindow* owner = dialog->windowHandle() ? dialog->windowHandle()->transientParent() : nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (owner && top->windowHandle() == owner) return top->objectName();
        return "nobody";
    }

    QTimer timer_;
    QList<QDialog*> handled_;
};

class DialogOwners : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window = std::make_unique<frmMain>(WindowServices{samplerOs, machine, shell, *realDialogs, settings, lock, clock,
                                                          programFolder, userFolder, "https://tidemark.example.org/"});
        window->setEndProcess([] {});
        ASSERT_TRUE(window->Form_Load());
        QDir::setCurrent(programDir.path());
    }
    void click(const char* button) { control<QToolButton>(button)->click(); }

    std::unique_ptr<Dialogs> realDialogs = makeMessageBoxDialogs();
    ModalWatcher watcher;
};

TEST_F(DialogOwners, HelpAboutAndTheAboutBoxsOwnMessage) {
    watcher.onOpen = [](QDialog& dialog) {
        if (dialog.objectName() == "frmAbout") {
            QTimer::singleShot(0, &dialog, [&dialog] {
                dialog.findChild<QPushButton*>("cmdSysInfo")->click();  // nothing to start: a message
                dialog.reject();
            });
            return;
        }
        dialog.reject();
    };
    click("CmdHelp(1)");
    click("CmdHelp(0)");
    EXPECT_EQ(watcher.seen, (QStringList{"Help <- frmMain", "About TideMark <- frmMain", "TideMark <- frmAbout"}));
}

TEST_F(DialogOwners, SaveDialogAndItsOverwriteQuestion) {
    QFile existing(programDir.path() + "/.keep.bmp");
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    watcher.onOpen = [this](QDialog& dialog) {
        if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
            files->selectFile(programDir.path() + "/.keep.bmp");
            static_cast<QDialog*>(files)->accept();
            return;
        }
        dialog.reject();  // No: keep the file
    };
    click("CmdOptions(0)");
    EXPECT_EQ(watcher.seen, (QStringList{"Save File <- frmMain", "File already exists <- frmMain"}));
}

TEST_F(DialogOwners, LogFailureMessage) {
    QDir().mkpath(programDir.path() + "/Log/TideMark12-05-26.xls");  // a folder where the file should be
    click("chkLogTodisk");
    EXPECT_EQ(watcher.seen, QStringList{"TideMark save log <- frmMain"});
}

}  // namespace
}  // namespace tidemark
