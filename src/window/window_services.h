#pragma once
// Everything outside the window that the window talks to; tests hand in fakes.
#include <QString>

#include "platform/machine_os.h"
#include "platform/qt/desktop_services.h"
#include "platform/sampler_os.h"

namespace tidemark {

struct WindowServices {
    SamplerOs& samplerOs;
    MachineOs& machine;
    Shell& shell;
    Dialogs& dialogs;
    SettingsStore& settings;
    InstanceLock& instanceLock;
    Clock& clock;
    QString programFolder;
    QString userDataFolder;
    QString webAddress;
    // False where the display server lets no program keep its window above
    // others (Wayland): ticking Stay On Top says so.
    bool canStayOnTop = true;
};

}  // namespace tidemark
