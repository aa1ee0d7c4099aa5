#include "logging/save_names.h"

#include <gtest/gtest.h>

namespace tidemark {
namespace {

TEST(SaveNames, BmpExtensionIsAddedUnlessPresentInAnyCase) {
    EXPECT_EQ(withBmpExtension("graph"), "graph.bmp");
    EXPECT_EQ(withBmpExtension("graph.BMP"), "graph.BMP");
    EXPECT_EQ(withBmpExtension("graph.jpg"), "graph.jpg.bmp");
}

}  // namespace
}  // namespace tidemark
