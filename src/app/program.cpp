#include "app/program.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleHints>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/command_line.h"
#include "platform/os_factory.h"
#include "platform/parent_console.h"
#include "platform/qt/app_folders.h"
#include "platform/qt/current_user.h"
#include "platform/qt/desktop_services.h"
#include "platform/qt/display_guard.h"
#include "platform/qt/platform_choice.h"
#include "platform/qt/quit_signals.h"
#include "window/frm_main.h"

namespace tidemark {
namespace {

// The window while it exists: a quit request closes it, and when the toolkit
// ends the process with exit() (the display connection broke) the log still
// gets its exit stop line.
frmMain* openWindow = nullptr;

void endOpenWindow() {
    if (openWindow) openWindow->finishRun();
}

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Connects to the display; gives up with one line when there is none.
void startToolkit(std::optional<QApplication>& app, int& argc, char** argv) {
    const bool noBufferIntegration = applyPlatformChoice();
    keepDesktopThemeOut();
    chooseSharedImages();
    {
        // Switching the Wayland buffer integration off makes the toolkit warn
        // that it could not load one; that is the intent, not news.
        DisplayGuard guard(noBufferIntegration ? QStringList{"Failed to load client buffer integration",
                                                             "Available client buffer integrations"}
                                               : QStringList{});
        app.emplace(argc, argv);
    }
    forgetStartChoices();
    // A blinking caret repaints the refresh box twice a second, as long as it has focus.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    // The window manager matches the window to the menu entry, and takes its icon, by this name.
    QGuiApplication::setDesktopFileName(TIDEMARK_APP_ID);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
}

// Heard from now on, before anything that can wait: start-up may wait (on a
// slow folder, in a refused copy's message), and a quit request meanwhile
// closes the window, where start-up ends. The window's close ends the
// program's event loop only once that runs, so every loop running now, a
// message's too, is ended here.
void hearQuitRequests(QApplication& app) {
    onQuitRequest(&app, [] {
        if (openWindow) openWindow->close();
        QCoreApplication::exit(0);
    });
}

}  // namespace

int runTideMark(int& argc, char** argv, const std::function<void(frmMain&)>& started) {
    if (const CommandLineRequest request = readCommandLine(argumentList(argc, argv)); !request.start) {
        answerInParentConsole();
        std::fputs(qPrintable(request.text), request.exitStatus == 0 ? stdout : stderr);
        return request.exitStatus;
    }
    settleHomeFolder();
    std::optional<QApplication> app;
    startToolkit(app, argc, argv);
    hearQuitRequests(*app);
    auto samplerOs = makeSamplerOs();
    auto machine = makeMachineOs();
    auto shell = makeDesktopShell();
    auto dialogs = makeMessageBoxDialogs();
    auto settings = makeUserSettingsStore();
    auto lock = makeInstanceLock(userLockFolder(), "TideMark");
    auto clock = makeSystemClock();
    frmMain window({*samplerOs, *machine, *shell, *dialogs, *settings, *lock, *clock, programFolder(), userDataFolder(),
                    TIDEMARK_WEB_ADDRESS, windowsCanStayOnTop()});
    openWindow = &window;
    std::atexit(endOpenWindow);
    int status = 0;
    if (window.Form_Load()) {
        if (started) started(window);
        status = QApplication::exec();
    }
    openWindow = nullptr;
    return status;
}

}  // namespace tidemark
