#include "logging/save_names.h"

#include <gtest/gtest.h>

namespace tidemark {
namespace {

TEST(SaveNames, BmpExtensionIsAddedUnlessPresentInAnyCase) {
    EXPECT_EQ(withBmpExtension("graph"), "graph.bmp");
    EXPECT_EQ(withBmpExtension("graph.BMP"), "graph.BMP");
    EXPECT_EQ(withBmpExtension("graph.jpg"), "graph.jpg.bmp");
}

TEST(SaveNames, TitleIsThePartAfterTheLastSeparator) {
    EXPECT_EQ(fileTitleOf("/home/u/pics/load.bmp"), "load.bmp");
    EXPECT_EQ(fileTitleOf("load.bmp"), "");
    EXPECT_EQ(fileTitleOf("C:\\pics\\a.bmp", '\\'), "a.bmp");
}

}  // namespace
}  // namespace tidemark
