#include <QApplication>
#include <QStyleFactory>

#include "platform/os_factory.h"
#include "platform/qt/app_folders.h"
#include "platform/qt/desktop_services.h"
#include "window/frm_main.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    auto samplerOs = tidemark::makeSamplerOs();
    auto machine = tidemark::makeMachineOs();
    auto shell = tidemark::makeDesktopShell();
    auto dialogs = tidemark::makeMessageBoxDialogs();
    auto settings = tidemark::makeUserSettingsStore();
    auto lock = tidemark::makeRuntimeLock("TideMark");
    auto clock = tidemark::makeSystemClock();
    tidemark::frmMain window({*samplerOs, *machine, *shell, *dialogs, *settings, *lock, *clock, tidemark::programFolder(),
                              tidemark::userDataFolder(), TIDEMARK_WEB_ADDRESS});
    if (!window.Form_Load()) return 0;
    return QApplication::exec();
}
