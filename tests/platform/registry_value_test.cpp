#include "platform/registry_value.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tidemark {
namespace {

TEST(RegistryValue, StringsAndDoubleWords) {
    const std::tuple<std::uint32_t, std::vector<std::uint8_t>, std::optional<std::string>> rows[] = {
        {kRegSz, {'C', ':', '\\', 'x', 0}, "C:\\x"},                                        // the final zero dropped
        {kRegSz, {'a', 'b'}, "ab"},                                                         // or none there
        {kRegDword, {0x78, 0x56, 0x34, 0x12}, "305419896"},                                 // &h12345678
        {kRegDword, {5, 0, 0, 0}, "5"},                                                     // &h005
        {kRegDword, std::vector<std::uint8_t>(1024, 0xFF), "&h" + std::string(2048, 'F')},  // too large: as it is
        {3, {1, 2}, std::nullopt},  // another type: the caller keeps its text
        {kRegSz, {}, std::nullopt}};
    for (const auto& [type, bytes, text] : rows) EXPECT_EQ(registryValueText(type, bytes), text);
}

}  // namespace
}  // namespace tidemark
