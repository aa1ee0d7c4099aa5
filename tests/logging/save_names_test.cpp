#include "logging/save_names.h"

#include <gtest/gtest.h>

namespace tidemark {
namespace {

TEST(SaveNames, DefaultTitleAndWhichTitlesItReplaces) {
    EXPECT_EQ(defaultSaveTitle(0), "Tidemark0.bmp");
    EXPECT_EQ(defaultSaveTitle(12), "Tidemark12.bmp");
    EXPECT_TRUE(isReplaceableTitle(""));
    EXPECT_TRUE(isReplaceableTitle("Tidemark3.bmp"));
    EXPECT_TRUE(isReplaceableTitle("TIDEMARK7.bmp"));
    EXPECT_TRUE(isReplaceableTitle("tidemarker.png"));
    EXPECT_FALSE(isReplaceableTitle("load.bmp"));
    EXPECT_FALSE(isReplaceableTitle("my tidemark.bmp"));
}

TEST(SaveNames, BmpExtensionIsAddedUnlessPresentInAnyCase) {
    EXPECT_EQ(withBmpExtension("graph"), "graph.bmp");
    EXPECT_EQ(withBmpExtension("graph.BMP"), "graph.BMP");
    EXPECT_EQ(withBmpExtension("graph.jpg"), "graph.jpg.bmp");
    EXPECT_EQ(withBmpExtension("bmp"), "bmp.bmp");
    EXPECT_EQ(withBmpExtension(""), ".bmp");
}

TEST(SaveNames, TitleIsThePartAfterTheLastSeparator) {
    EXPECT_EQ(fileTitleOf("/home/u/pics/load.bmp"), "load.bmp");
    EXPECT_EQ(fileTitleOf("/load.bmp"), "load.bmp");
    EXPECT_EQ(fileTitleOf("load.bmp"), "");
    EXPECT_EQ(fileTitleOf("C:\\pics\\a.bmp", '\\'), "a.bmp");
}

}  // namespace
}  // namespace tidemark
