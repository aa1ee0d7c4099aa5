// What the buttons start on Linux: whichever desktop's tools are installed.
#include "tools/launchers.h"

namespace tidemark {

const LaunchLists& launchLists() {
    static const LaunchLists lists{
        {{"systemadm", {}}, {"x-terminal-emulator", {"-e", "systemctl", "list-units", "--type=service"}}},
        {{"hardinfo", {}},
         {"kinfocenter", {}},
         {"cpu-x", {}},
         {"i-nex", {}},
         {"lshw-gtk", {}},
         {"gnome-system-monitor", {}}},
        true,
        // The desktop's handler is xdg-open where there is one; these are the file browsers themselves.
        {"nautilus", "dolphin", "thunar", "nemo", "caja", "pcmanfm"},
    };
    return lists;
}

}  // namespace tidemark
