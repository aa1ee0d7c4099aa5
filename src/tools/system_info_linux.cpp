// Linux has no registry entry for it: the first of the System Info button's
// tools found on PATH stands in.
#include "tools/launchers.h"
#include "tools/system_info.h"

namespace tidemark {

QString findSystemInfoProgram(Shell& shell) {
    for (const Tool& tool : launchLists().systemInfo)
        if (const QString path = shell.findProgram(tool.program); !path.isEmpty()) return path;
    return {};
}

}  // namespace tidemark
