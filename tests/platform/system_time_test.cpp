#include "platform/system_time.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tidemark {
namespace {

TEST(SystemTime, ConvertsToIntervalsSince1601AndBack) {
    EXPECT_EQ(fileTimeFromSystemTime({1601, 1, 1, 1, 0, 0, 0, 0}), 0);
    EXPECT_EQ(fileTimeFromSystemTime({1970, 1, 4, 1, 0, 0, 0, 0}), 116444736000000000LL);
    EXPECT_EQ(fileTimeFromSystemTime({2000, 2, 2, 29, 23, 59, 59, 999}),
              *fileTimeFromSystemTime({2000, 3, 3, 1, 0, 0, 0, 0}) - 10'000);
    const SystemTime t{2026, 12, 0, 6, 13, 44, 7, 123};
    const SystemTime back = systemTimeFromFileTime(*fileTimeFromSystemTime(t));
    EXPECT_EQ(std::tie(back.year, back.month, back.day, back.hour, back.minute, back.second, back.milliseconds),
              std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second, t.milliseconds));
    EXPECT_EQ(back.dayOfWeek, 0) << "6 December 2026 is a Sunday";
}

TEST(SystemTime, RejectsFieldsOutsideTheCalendar) {
    const SystemTime bad[] = {
        {1600, 12, 0, 31, 0, 0, 0, 0}, {2026, 13, 0, 1, 0, 0, 0, 0}, {2026, 0, 0, 1, 0, 0, 0, 0},
        {2025, 2, 0, 29, 0, 0, 0, 0},  {2026, 1, 0, 0, 0, 0, 0, 0},  {2026, 1, 0, 1, 24, 0, 0, 0},
        {2026, 1, 0, 1, 0, 60, 0, 0},  {2026, 1, 0, 1, 0, 0, 60, 0}, {2026, 1, 0, 1, 0, 0, 0, 1000}};
    for (const SystemTime& t : bad) EXPECT_FALSE(fileTimeFromSystemTime(t)) << t.year << "-" << t.month << "-" << t.day;
}

}  // namespace
}  // namespace tidemark
