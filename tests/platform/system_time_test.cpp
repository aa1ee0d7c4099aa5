#include "platform/system_time.h"

#include <gtest/gtest.h>

namespace tidemark {
namespace {

TEST(SystemTime, ConvertsToIntervalsSince1601) {
    EXPECT_EQ(fileTimeFromSystemTime({1601, 1, 1, 1, 0, 0, 0, 0}), 0);
    EXPECT_EQ(fileTimeFromSystemTime({1970, 1, 4, 1, 0, 0, 0, 0}), 116444736000000000LL);
    EXPECT_EQ(fileTimeFromSystemTime({2000, 2, 2, 29, 23, 59, 59, 999}),
              *fileTimeFromSystemTime({2000, 3, 3, 1, 0, 0, 0, 0}) - 10'000);
}

TEST(SystemTime, RejectsFieldsOutsideTheCalendar) {
    const SystemTime bad[] = {{1600, 12, 0, 31, 0, 0, 0, 0}, {2026, 13, 0, 1, 0, 0, 0, 0}, {2026, 0, 0, 1, 0, 0, 0, 0},
                              {2025, 2, 0, 29, 0, 0, 0, 0},  {2026, 1, 0, 0, 0, 0, 0, 0},  {2026, 1, 0, 1, 24, 0, 0, 0},
                              {2026, 1, 0, 1, 0, 60, 0, 0},  {2026, 1, 0, 1, 0, 0, 60, 0}, {2026, 1, 0, 1, 0, 0, 0, 1000}};
    for (const SystemTime& t : bad) EXPECT_FALSE(fileTimeFromSystemTime(t)) << t.year << "-" << t.month << "-" << t.day;
}

TEST(SystemTime, RoundTripsThroughFileTime) {
    const SystemTime t{2026, 12, 0, 6, 13, 44, 7, 123};
    const SystemTime back = systemTimeFromFileTime(*fileTimeFromSystemTime(t));
    EXPECT_EQ(back.year, 2026);
    EXPECT_EQ(back.month, 12);
    EXPECT_EQ(back.day, 6);
    EXPECT_EQ(back.dayOfWeek, 0) << "6 December 2026 is a Sunday";
    EXPECT_EQ(back.hour, 13);
    EXPECT_EQ(back.minute, 44);
    EXPECT_EQ(back.second, 7);
    EXPECT_EQ(back.milliseconds, 123);
}

}  // namespace
}  // namespace tidemark
