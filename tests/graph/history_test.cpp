#include "graph/history.h"

#include <gtest/gtest.h>

namespace tidemark {
namespace {

TEST(History, NewestFirstAndFullHistoryKeepsCapacityPlusOne) {
    SampleHistory history;
    history.HistoryCapacity = 3;
    for (std::int16_t v = 1; v <= 6; ++v) history.append(v, v + 10);
    EXPECT_EQ(history.HistoryCount, 3);
    EXPECT_EQ(history.CpuHistory, (std::vector<std::int16_t>{6, 5, 4, 3})) << "the last element just left the graph";
    EXPECT_EQ(history.MemHistory.front(), 16);
}

TEST(LevelBars, FivePercentPerSegment) {
    const std::pair<std::int16_t, int> rows[] = {{0, 0},   {4, 0},    {5, 1},   {9, 1},   {95, 19},
                                                 {99, 19}, {100, 20}, {-1, -1}, {-5, -1}, {-6, -2}};
    for (auto [percent, level] : rows) {
        SCOPED_TRACE(percent);
        EXPECT_EQ(levelOf(percent), level);
    }
}

}  // namespace
}  // namespace tidemark
