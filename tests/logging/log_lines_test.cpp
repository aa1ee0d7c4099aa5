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
        {"HH:mm:ss", "HH:mm:ss"},          // C
        {"HH:mm", "HH:mm:ss"},             // de_DE
        {"h:mm AP", "h:mm:ss AP"},         // en_US
        {"H.mm", "H.mm.ss"},               // fi_FI
        {"AP h:mm", "AP h:mm:ss"},         // ko_KR
        {"HH 'h' mm", "HH 'h' mm:ss"},     // fr_CA: a quoted literal is no separator
        {"'um' H:mm 'Uhr'", "'um' H:mm:ss 'Uhr'"},
    };
    for (const auto& [format, expected] : rows) {
        SCOPED_TRACE(format);
        EXPECT_EQ(timeFormatWithSeconds(format), expected);
    }
}

}  // namespace
}  // namespace tidemark::logfile
