#include "platform/registry_value.h"

#include <gtest/gtest.h>

namespace tidemark {
namespace {

TEST(RegistryValue, StringsAndDoubleWords) {
    using Bytes = std::vector<std::uint8_t>;
    EXPECT_EQ(registryValueText(kRegSz, Bytes{'C', ':', '\\', 'x', 0}), "C:\\x") << "terminator dropped";
    EXPECT_EQ(registryValueText(kRegSz, Bytes{'a', 'b'}), "ab") << "no terminator: all bytes";
    EXPECT_EQ(registryValueText(kRegDword, Bytes{0x78, 0x56, 0x34, 0x12}), "305419896") << "&h12345678";
    EXPECT_EQ(registryValueText(kRegDword, Bytes{5, 0, 0, 0}), "5") << "&h005";
    EXPECT_FALSE(registryValueText(3, Bytes{1, 2}));
    EXPECT_FALSE(registryValueText(kRegSz, Bytes{}));
    EXPECT_EQ(registryValueText(kRegDword, Bytes(1024, 0xFF)).value().substr(0, 4), "&hFF") << "too large: literal";
}

}  // namespace
}  // namespace tidemark
