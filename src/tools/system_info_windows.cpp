// The system information program as the registry records it.
#include <QFileInfo>
#include <string>

#include "platform/windows/registry_windows.h"
#include "tools/system_info.h"

namespace tidemark {

QString findSystemInfoProgram(Shell&) {
    std::string path;
    if (GetKeyValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path))
        return QString::fromLocal8Bit(path.c_str());
    if (!GetKeyValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", path)) return {};
    const QString program = QString::fromLocal8Bit(path.c_str()) + "\\MSINFO32.EXE";
    return QFileInfo(program).isFile() ? program : QString();
}

}  // namespace tidemark
