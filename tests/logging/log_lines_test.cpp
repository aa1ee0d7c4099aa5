#include "logging/log_lines.h"

#include <gtest/gtest.h>

namespace tidemark::logfile {
namespace {

constexpr CalendarDate kDecember5{2026, 12, 5};

TEST(LogName, DatePatternAndPath) {
    EXPECT_EQ(datePattern({2000, 1, 9}), "01-09-00");
    EXPECT_EQ(filePath("/opt/tidemark/Log/", kDecember5), "/opt/tidemark/Log/TideMark12-05-26.xls");
    EXPECT_EQ(filePath("/", kDecember5), "/TideMark12-05-26.xls") << "no doubled separator at the root";
}

TEST(LogTimes, EveryLocalesShortFormatKeepsItsSeconds) {
    const std::pair<const char*, const char*> rows[] = {
        {"HH:mm:ss", "HH:mm:ss"},       // C
        {"HH:mm", "HH:mm:ss"},          // de_DE
        {"h:mm AP", "h:mm:ss AP"},      // en_US
        {"H.mm", "H.mm.ss"},            // fi_FI
        {"AP h:mm", "AP h:mm:ss"},      // ko_KR
        {"HH 'h' mm", "HH 'h' mm:ss"},  // fr_CA: a quoted literal is no separator
    };
    for (const auto& [format, expected] : rows) {
        SCOPED_TRACE(format);
        EXPECT_EQ(timeFormatWithSeconds(format), expected);
    }
}

TEST(LogTimes, FormattedWithoutTheToolkitAsItWould) {
    const DayHalves korean{"\xEC\x98\xA4\xEC\xA0\x84", "\xEC\x98\xA4\xED\x9B\x84"};  // 오전, 오후
    const std::tuple<const char*, int, DayHalves, const char*> rows[] = {
        // format, hour, halves, 5 and 7 past
        {"HH:mm:ss", 9, {}, "09:05:07"},        {"H.mm.ss", 9, {}, "9.05.07"},
        {"h:mm:ss AP", 0, {}, "12:05:07 AM"},   {"h:mm:ss AP", 13, {}, "1:05:07 PM"},
        {"hh:mm:ss ap", 12, {}, "12:05:07 pm"}, {"AP h:mm:ss", 15, korean, "\xEC\x98\xA4\xED\x9B\x84 3:05:07"},
        {"HH 'h' mm:ss", 21, {}, "21 h 05:07"}, {"'um' h:mm:ss 'Uhr am Abend'", 21, {}, "um 21:05:07 Uhr am Abend"},
    };
    for (const auto& [format, hour, halves, expected] : rows) {
        SCOPED_TRACE(format);
        EXPECT_EQ(formatTime(format, hour, 5, 7, halves), expected);
    }
}

}  // namespace
}  // namespace tidemark::logfile
