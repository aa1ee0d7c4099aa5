// The program with logging switched on as soon as its window has loaded, for
// tests that end it from outside. It says "ready" once it is logging, and
// "<title>: <text>" for each message box it shows.
#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QToolButton>
#include <cstdio>

#include "app/program.h"
#include "window/frm_main.h"

namespace {

class MessageBoxReporter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* box = qobject_cast<QMessageBox*>(watched); box && event->type() == QEvent::Show) {
            std::printf("%s: %s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
            std::fflush(stdout);
        }
        return false;
    }
};

void reportMessageBoxes() { qApp->installEventFilter(new MessageBoxReporter(qApp)); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(reportMessageBoxes)

int main(int argc, char** argv) {
    return tidemark::runTideMark(argc, argv, [](tidemark::frmMain& window) {
        window.findChild<QToolButton*>("chkLogTodisk")->click();
        std::puts("ready");
        std::fflush(stdout);
    });
}
