// Registry values for the About box's system information lookup.
#include <windows.h>

#include <vector>

#include "platform/registry_value.h"

namespace tidemark {

bool GetKeyValue(const std::string& KeyName, const std::string& SubKeyRef, std::string& KeyVal) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, KeyName.c_str(), 0, 0x2003F, &key) != ERROR_SUCCESS) {
        KeyVal.clear();
        RegCloseKey(key);
        return false;
    }
    std::vector<std::uint8_t> buffer(1024, 0);
    DWORD type = 0;
    DWORD size = 1024;
    if (RegQueryValueExA(key, SubKeyRef.c_str(), nullptr, &type, buffer.data(), &size) != ERROR_SUCCESS) {
        KeyVal.clear();
        RegCloseKey(key);
        return false;
    }
    buffer.resize(size);
    if (const auto text = registryValueText(type, buffer)) KeyVal = *text;
    RegCloseKey(key);
    return true;
}

}  // namespace tidemark
