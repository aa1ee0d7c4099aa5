// What the buttons start on Windows: its own consoles, the older one where the
// newer is missing, and Explorer for folders.
#include "tools/launchers.h"

namespace tidemark {

const LaunchLists& launchLists() {
    static const LaunchLists lists{
        {{"Services.msc", {}}, {"MSconfig.exe", {}}},
        {{"msinfo32.msc", {}}, {"winmsd.exe", {}}},
        false,
        {"explorer.exe"},
    };
    return lists;
}

}  // namespace tidemark
