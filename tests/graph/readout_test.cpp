#include "graph/readout.h"

#include <gtest/gtest.h>

namespace tidemark {
namespace {

TEST(Readout, ValueAndPlaceOnAGraphOf300By200) {
    struct Row {
        const char* name;
        float x, y;
        const char* text;
        float boxX, boxY;
    };
    const Row rows[] = {
        {"top", 10, 0, "100%", 10, 0},
        {"bottom", 10, 200, "0%", 10, 185},
        {"middle", 10, 100, "50%", 10, 100},
        {"tie 2.5 goes to 2", 10, 5, "98%", 10, 5},
        {"tie 3.5 goes to 4", 10, 7, "96%", 10, 7},
        {"above the graph", -20, -30, "100%", -20, -30},
        {"below the graph", 10, 260, "0%", 10, 185},
        {"right edge", 295, 50, "75%", 290, 50},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Readout r = readoutAt(row.x, row.y, 300, 200);
        EXPECT_EQ(r.text, row.text);
        EXPECT_EQ(r.x, row.boxX);
        EXPECT_EQ(r.y, row.boxY);
    }
    EXPECT_EQ(readoutAt(0, 1e30f, 300, 200).text, "0%") << "no overflow far below";
}

TEST(Readout, ButtonsDecideWhetherTheBoxShows) {
    EXPECT_EQ(onMouseDown(1), ReadoutChange::Show);
    EXPECT_EQ(onMouseDown(2), ReadoutChange::Hide) << "right button";
    EXPECT_EQ(onMouseDown(4), ReadoutChange::Hide) << "middle button";
    EXPECT_EQ(onMouseMove(1), ReadoutChange::Show);
    EXPECT_EQ(onMouseMove(3), ReadoutChange::Keep) << "left and right held";
    EXPECT_EQ(onMouseMove(0), ReadoutChange::Keep) << "no button";
    EXPECT_EQ(onMouseUp(), ReadoutChange::Hide);
}

}  // namespace
}  // namespace tidemark
