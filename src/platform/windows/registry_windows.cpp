// Registry values for the About box's system information lookup.
#include <windows.h>

#include <vector>

#include "platform/registry_value.h"
#include "platform/windows/registry_windows.h"

namespace tidemark {
namespace {

// The value's type and bytes: its size is asked first, and asked again while
// the value grows before it is read. False when it cannot be read.
bool readValue(HKEY key, const std::string& name, DWORD& type, std::vector<std::uint8_t>& data) {
    for (;;) {
        DWORD size = static_cast<DWORD>(data.size());
        const LONG result =
            RegQueryValueExA(key, name.c_str(), nullptr, &type, data.empty() ? nullptr : data.data(), &size);
        if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) return false;
        if (result == ERROR_SUCCESS && size <= data.size()) {
            data.resize(size);
            return true;
        }
        if (size <= data.size()) return false;
        data.resize(size);
    }
}

}  // namespace

bool GetKeyValue(const std::string& KeyName, const std::string& SubKeyRef, std::string& KeyVal) {
    // Read access only: a user who may not change HKEY_LOCAL_MACHINE may still read it.
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, KeyName.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    DWORD type = 0;
    std::vector<std::uint8_t> data;
    const bool read = readValue(key, SubKeyRef, type, data);
    RegCloseKey(key);
    if (!read) {
        KeyVal.clear();
        return false;
    }
    if (const auto text = registryValueText(type, data)) KeyVal = *text;
    return true;
}

}  // namespace tidemark
