#include "measurement/reading.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tidemark {
namespace {

TEST(Reading, FiguresAsTheLabelsShowThem) {
    const std::tuple<const char*, std::int64_t, std::int64_t, const char*, const char*, const char*> rows[] = {
        // total, available, total text, free text, memory load
        {"a quarter free", 1073741824, 268435456, "1025 Mb", "257 Mb", "75 %"},
        {"exactly 512 MB free: one more", 1073741824, 536870912, "1025 Mb", "513 Mb", "50 %"},
        {"1023 bytes free round to 1 KB", 1073741824, 1023, "1025 Mb", "1 Mb", "99 %"},
        {"a third free rounds down", 3145728000, 1049100288, "3001 Mb", "1001 Mb", "66 %"},
        {"free*100 beyond 32 bits", 34359738368, 17179869184, "32769 Mb", "16385 Mb", "50 %"},
        {"KB held in 32 bits", 2199023255552, 1099511627776, "2097152 Mb", "1048577 Mb", "49 %"},
        {"no total", 0, 0, "1 Mb", "1 Mb", "0 %"},
    };
    for (const auto& [name, total, available, totalText, freeText, memText] : rows) {
        SCOPED_TRACE(name);
        MemoryStatus memory;
        memory.totalPhys = total;
        memory.availPhys = available;
        const Reading reading = readingOf(23, memory, 2394);
        EXPECT_EQ(reading.totalText, totalText);
        EXPECT_EQ(reading.freeText, freeText);
        EXPECT_EQ(reading.memText, memText);
        EXPECT_EQ(reading.cpuText + ", " + reading.clockText, "23 %, 2394 Mc");
    }
    EXPECT_EQ(readingOf(kNoFigure, MemoryStatus{}, 0).cpuText, "n/a");
}

}  // namespace
}  // namespace tidemark
