#include "platform/linux/proc_text.h"

#include <gtest/gtest.h>

namespace tidemark::proc {
namespace {

constexpr const char* kProcStat =
    "cpu  10132153 290696 3084719 46828483 16683 0 25195 0 175628 0\n"
    "cpu0 1393280 32966 572056 13343292 6130 0 17875 0 23933 0\n"
    "cpu1 1335186 30722 533009 13327890 4006 0 4280 0 23962 0\n"
    "intr 1462898 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n"
    "ctxt 3474393\n"
    "btime 1700000000\n";

TEST(ProcStat, IdlePlusIowaitOfEachProcessorUnderItsOwnNumberDamagedLinesSkipped) {
    EXPECT_EQ(processorIdleTicks(kProcStat),
              (std::vector<ProcessorIdle>{{0, 13343292u + 6130u}, {1, 13327890u + 4006u}}))
        << "the summary line is no processor";
    EXPECT_EQ(processorIdleTicks("cpu  9 9 9 9 9\ncpu0 1 1 1 1 1\ncpu2 1 1 1 2 2\ncpu7 1 1 1 3 3\n"),
              (std::vector<ProcessorIdle>{{0, 2}, {2, 4}, {7, 6}}))
        << "numbers kept while others are offline";
    const auto idle = processorIdleTicks(
        "cpu0 1 2 3\n"                            // too few fields
        "cpu1 1 2 3 4 5\n"                        // the oldest kernels: exactly five
        "cpuX 1 2 3 4 5\n"                        // not numbered
        "cpu2 1 2 x 4 5\n"                        // garbage
        "cpu3 1 2 3 4 99999999999999999999999\n"  // beyond 64 bits
        "cpu4 1 2 3 4 5");                        // no final line feed
    EXPECT_EQ(idle, (std::vector<ProcessorIdle>{{1, 9}, {4, 9}}));
    EXPECT_TRUE(processorIdleTicks("cpu").empty());
}

TEST(CpuList, CountIsOneMoreThanTheHighestNumber) {
    constexpr std::optional<std::uint32_t> none;
    const std::pair<const char*, std::optional<std::uint32_t>> rows[] = {
        {"0-3\n", 4}, {"0-1,4-5,8\n", 9}, {"8,0-3", 9},       {"0-4294967294", 4294967295u}, {"", none}, {"3-1", none},
        {"0-", none}, {"0,,1", none},     {"0-3 junk", none}, {"0-4294967295", none}};
    for (const auto& [list, count] : rows) EXPECT_EQ(processorCountOfList(list), count) << list;
}

TEST(MemInfo, AvailableMemoryLoadAndDamagedFields) {
    const auto status = memoryStatus(
        "MemTotal:        1048576 kB\nMemFree:          100000 kB\nMemAvailable:     262144 kB\n"
        "SwapTotal:          1024 kB\nSwapFree:            512 kB\n");
    ASSERT_TRUE(status);
    EXPECT_EQ(status->totalPhys, 1073741824);
    EXPECT_EQ(status->availPhys, 268435456);
    EXPECT_EQ(status->memoryLoad, 75);
    EXPECT_FALSE(memoryStatus("MemFree: 5 kB\n")) << "no total";
    EXPECT_FALSE(memoryStatus("MemTotal: lots\n"));
    EXPECT_FALSE(memoryStatus("MemTotalX: 5 kB\n"));
    EXPECT_EQ(memoryStatus("MemTotal: 1000 kB\nMemFree: 250 kB\n")->availPhys, 250 * 1024) << "an old kernel";
    EXPECT_EQ(memoryStatus("MemTotal: 1000 kB\nMemAvailable: 5000 kB\n")->availPhys, 1000 * 1024);
    EXPECT_EQ(memoryStatus("MemTotal: 0 kB\n")->memoryLoad, 0);
    EXPECT_GT(memoryStatus("MemTotal: 18446744073709551615 kB\n")->totalPhys, 0) << "capped, not wrapped";
}

}  // namespace
}  // namespace tidemark::proc
