#include "app/program.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstdlib>
#include <optional>

#include "platform/os_factory.h"
#include "platform/qt/app_folders.h"
#include "platform/qt/desktop_services.h"
#include "platform/qt/display_guard.h"
#include "platform/qt/quit_signals.h"
#include "window/frm_main.h"

namespace tidemark {
namespace {

// The toolkit ends the process with exit() when the display connection
// breaks; the log still gets its exit stop line then.
frmMain* shownWindow = nullptr;

void endShownWindow() {
    if (shownWindow) shownWindow->finishRun();
}

}  // namespace

int runTideMark(int& argc, char** argv, const std::function<void(frmMain&)>& started) {
    std::optional<QApplication> app;
    {
        DisplayGuard guard;
        app.emplace(argc, argv);
    }
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    auto samplerOs = makeSamplerOs();
    auto machine = makeMachineOs();
    auto shell = makeDesktopShell();
    auto dialogs = makeMessageBoxDialogs();
    auto settings = makeUserSettingsStore();
    auto lock = makeRuntimeLock("TideMark");
    auto clock = makeSystemClock();
    frmMain window({*samplerOs, *machine, *shell, *dialogs, *settings, *lock, *clock, programFolder(),
                    userDataFolder(), TIDEMARK_WEB_ADDRESS});
    if (!window.Form_Load()) return 0;
    onQuitRequest(&window, [&window] { window.close(); });
    shownWindow = &window;
    std::atexit(endShownWindow);
    if (started) started(window);
    const int status = QApplication::exec();
    shownWindow = nullptr;
    return status;
}

}  // namespace tidemark
