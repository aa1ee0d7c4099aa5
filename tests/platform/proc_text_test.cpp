#include "platform/linux/proc_text.h"

#include <gtest/gtest.h>

namespace tidemark::proc {
namespace {

TEST(ProcStat, IdlePlusIowaitOfEachProcessorUnderItsOwnNumber) {
    EXPECT_EQ(processorIdleTicks("cpu  9 9 9 9 9 0 0\ncpu0 1 1 1 1 1 0 0\ncpu2 1 1 1 2 2 0 0\nintr 1 0 0\n"),
              (std::vector<ProcessorIdle>{{0, 2}, {2, 4}}))
        << "the summary line is no processor, cpu1 is offline";
}

TEST(CpuList, CountIsOneMoreThanTheHighestNumber) {
    EXPECT_EQ(processorCountOfList("0-1,8,4-5\n"), 9u) << "the highest, neither the first nor the last";
}

}  // namespace
}  // namespace tidemark::proc
