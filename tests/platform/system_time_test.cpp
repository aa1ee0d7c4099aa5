#include "platform/system_time.h"

#include <gtest/gtest.h>

namespace tidemark {
namespace {

TEST(SystemTime, IntervalsSince1601AndBackOnlyForDaysOfTheCalendar) {
    const std::pair<SystemTime, std::optional<std::int64_t>> rows[] = {
        // year, month, day of the week (not read), day, hour, minute, second, millisecond
        {{1601, 1, 0, 1, 0, 0, 0, 0}, 0},
        {{1970, 1, 0, 1, 0, 0, 0, 0}, 116444736000000000},
        {{2000, 2, 0, 29, 23, 59, 59, 999}, 125963423999990000},
        {{1600, 12, 0, 31, 23, 59, 59, 999}, std::nullopt},
        {{2025, 2, 0, 29, 0, 0, 0, 0}, std::nullopt}};
    for (const auto& [t, fileTime] : rows) {
        EXPECT_EQ(fileTimeFromSystemTime(t), fileTime) << t.year;
        EXPECT_TRUE(!fileTime || fileTimeFromSystemTime(systemTimeFromFileTime(*fileTime)) == fileTime) << t.year;
    }
}

}  // namespace
}  // namespace tidemark
