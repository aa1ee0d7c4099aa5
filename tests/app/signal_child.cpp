// The program with logging switched on as soon as its window has loaded, for
// tests that end it from outside. It says "ready" once it is logging.
#include <QToolButton>
#include <cstdio>

#include "app/program.h"
#include "window/frm_main.h"

int main(int argc, char** argv) {
    return tidemark::runTideMark(argc, argv, [](tidemark::frmMain& window) {
        window.findChild<QToolButton*>("chkLogTodisk")->click();
        std::puts("ready");
        std::fflush(stdout);
    });
}
