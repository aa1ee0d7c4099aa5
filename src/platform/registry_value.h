#pragma once
// How a registry value read for the About box becomes text.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tidemark {

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegDword = 4;

// The bytes as text (one character per byte) less one final zero character.
// REG_SZ: that text. REG_DWORD: the characters from last to first, each as
// upper-case hexadecimal without leading zeros, behind "&h", given as its
// decimal value ("&h12345678" -> "305419896"; a literal too large for exact
// arithmetic is given as it is). Other types: nothing, and the
// caller keeps its text. No bytes at all: nothing as well.
std::optional<std::string> registryValueText(std::uint32_t type, const std::vector<std::uint8_t>& data);

}  // namespace tidemark
