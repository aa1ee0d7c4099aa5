// Linux has no registry entry for it: the first known system-information
// tool found on PATH stands in.
#include "tools/system_info.h"

namespace tidemark {

QString findSystemInfoProgram(Shell& shell) {
    for (const char* tool : {"hardinfo", "kinfocenter", "cpu-x", "i-nex", "lshw-gtk", "gnome-system-monitor"}) {
        const QString path = shell.findProgram(tool);
        if (!path.isEmpty()) return path;
    }
    return {};
}

}  // namespace tidemark
