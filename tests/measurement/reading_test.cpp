#include "measurement/reading.h"

#include <gtest/gtest.h>

namespace tidemark {
namespace {

TEST(Reading, MemoryFiguresAsTheLabelsShowThem) {
    struct Row {
        const char* name;
        std::int64_t total, available;
        const char* totalText;
        const char* freeText;
        const char* memText;
    };
    const Row rows[] = {
        {"a quarter free", 1073741824, 268435456, "1025 Mb", "257 Mb", "75 %"},
        {"exactly 512 MB free: one more", 1073741824, 536870912, "1025 Mb", "513 Mb", "50 %"},
        {"1023 bytes free round to 1 KB", 1073741824, 1023, "1025 Mb", "1 Mb", "99 %"},
        {"a third free rounds down", 3145728000, 1048576000, "3001 Mb", "1001 Mb", "66 %"},
        {"free*100 beyond 32 bits", 34359738368, 17179869184, "32769 Mb", "16385 Mb", "50 %"},
        {"KB held in 32 bits", 2199023255552, 1099511627776, "2097152 Mb", "1048577 Mb", "49 %"},
        {"no total", 0, 0, "1 Mb", "1 Mb", "0 %"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MemoryStatus memory;
        memory.totalPhys = row.total;
        memory.availPhys = row.available;
        const Reading reading = readingOf(23, memory, 2394);
        EXPECT_EQ(reading.totalText, row.totalText);
        EXPECT_EQ(reading.freeText, row.freeText);
        EXPECT_EQ(reading.memText, row.memText);
    }
}

TEST(Reading, ProcessorAndClockTexts) {
    const Reading reading = readingOf(-5, MemoryStatus{}, 0);
    EXPECT_EQ(reading.cpuText, "-5 %");
    EXPECT_EQ(reading.clockText, "0 Mc");
}

}  // namespace
}  // namespace tidemark
