#pragma once
// The Windows registry, read by the backend and the Windows tools.
#include <string>

namespace tidemark {

// Reads one value under HKEY_LOCAL_MACHINE as text, by registryValueText's
// rule; false, and KeyVal empty, when the key or the value cannot be read.
bool GetKeyValue(const std::string& KeyName, const std::string& SubKeyRef, std::string& KeyVal);

}  // namespace tidemark
