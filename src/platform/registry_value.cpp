#include "platform/registry_value.h"

#include <cstdio>

#include "base/numbers.h"

namespace tidemark {
namespace {

std::string hexDigits(unsigned char c) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%X", c);
    return digits;
}

}  // namespace

std::optional<std::string> registryValueText(std::uint32_t type, const std::vector<std::uint8_t>& data) {
    if (data.empty()) return std::nullopt;
    std::string text(data.begin(), data.end());
    if (text.back() == '\0') text.pop_back();
    if (type == kRegSz) return text;
    if (type != kRegDword) return std::nullopt;
    std::string hex = "&h";
    for (auto it = text.rbegin(); it != text.rend(); ++it) hex += hexDigits(static_cast<unsigned char>(*it));
    // Values beyond what a double holds exactly stay a hexadecimal literal.
    const double value = leadingNumber(hex);
    if (!(value <= 9007199254740992.0)) return hex;
    return decimalText(static_cast<std::int64_t>(value));
}

}  // namespace tidemark
