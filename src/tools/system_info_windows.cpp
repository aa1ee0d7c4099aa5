// The system information program as the registry records it.
#include <windows.h>

#include <QFileInfo>
#include <string>
#include <vector>

#include "tools/registry_value.h"
#include "tools/system_info.h"

namespace tidemark {
namespace {

// Reads one value as text; false (and empty text) when it cannot be read.
bool GetKeyValue(HKEY KeyRoot, const char* KeyName, const char* SubKeyRef, std::string& KeyVal) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(KeyRoot, KeyName, 0, 0x2003F, &key) != ERROR_SUCCESS) {
        KeyVal.clear();
        RegCloseKey(key);
        return false;
    }
    std::vector<std::uint8_t> buffer(1024, 0);
    DWORD type = 0;
    DWORD size = 1024;
    if (RegQueryValueExA(key, SubKeyRef, nullptr, &type, buffer.data(), &size) != ERROR_SUCCESS) {
        KeyVal.clear();
        RegCloseKey(key);
        return false;
    }
    buffer.resize(size);
    if (const auto text = registryValueText(type, buffer)) KeyVal = *text;
    RegCloseKey(key);
    return true;
}

}  // namespace

QString findSystemInfoProgram(Shell&) {
    std::string path;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path))
        return QString::fromLocal8Bit(path.c_str());
    if (!GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", path)) return {};
    const QString program = QString::fromLocal8Bit(path.c_str()) + "\\MSINFO32.EXE";
    return QFileInfo(program).isFile() ? program : QString();
}

}  // namespace tidemark
