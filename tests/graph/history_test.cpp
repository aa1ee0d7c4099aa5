#include "graph/history.h"

#include <gtest/gtest.h>

namespace tidemark {
namespace {

TEST(History, FirstAndSecondAppendAfterStart) {
    SampleHistory history;
    history.HistoryCapacity = 5;
    history.append(10, 20);
    EXPECT_EQ(history.HistoryCount, 1);
    EXPECT_EQ(history.CpuHistory, (std::vector<std::int16_t>{10}));
    history.append(11, 21);
    EXPECT_EQ(history.HistoryCount, 2);
    EXPECT_EQ(history.CpuHistory, (std::vector<std::int16_t>{11, 10})) << "index 0 is the newest";
    EXPECT_EQ(history.MemHistory, (std::vector<std::int16_t>{21, 20}));
}

TEST(History, FullHistoryKeepsCapacityPlusOneAndDropsTheOldest) {
    SampleHistory history;
    history.HistoryCapacity = 3;
    for (std::int16_t v = 1; v <= 6; ++v) history.append(v, v);
    EXPECT_EQ(history.HistoryCount, 3);
    EXPECT_EQ(history.CpuHistory, (std::vector<std::int16_t>{6, 5, 4, 3})) << "the last element just left the graph";
}

TEST(History, NarrowedGraphKeepsItsCount) {
    SampleHistory history;
    history.HistoryCapacity = 5;
    for (std::int16_t v = 1; v <= 5; ++v) history.append(v, v);
    history.HistoryCapacity = 2;
    history.append(6, 6);
    EXPECT_EQ(history.HistoryCount, 5);
    EXPECT_EQ(history.CpuHistory.size(), 6u);
    EXPECT_EQ(history.CpuHistory.front(), 6);
}

TEST(LevelBars, FivePercentPerSegment) {
    const std::pair<std::int16_t, int> rows[] = {{0, 0},   {4, 0},   {5, 1},   {9, 1},  {95, 19},
                                                 {99, 19}, {100, 20}, {-1, -1}, {-5, -1}, {-6, -2}};
    for (auto [percent, level] : rows) {
        SCOPED_TRACE(percent);
        EXPECT_EQ(levelOf(percent), level);
    }
}

}  // namespace
}  // namespace tidemark
