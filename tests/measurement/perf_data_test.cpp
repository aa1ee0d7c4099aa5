#include "measurement/perf_data.h"

#include <gtest/gtest.h>

#include "fakes/fake_sampler_os.h"
#include "platform/linux/perf_data_writer.h"
#include "platform/perf_layout.h"

namespace tidemark::perf {
namespace {

constexpr std::size_t kObject = block::kSize;  // the first object follows the header

BlockSpec threeObjects() {
    BlockSpec shape = processorBlock(SystemTime{2026, 1, 0, 2, 3, 4, 5, 6}, {11, 22});
    shape.objects.insert(shape.objects.begin(), {ObjectSpec{230, {{1, 0, 8}}, {{u"a", {1}}}}, ObjectSpec{232, {}, {}}});
    return shape;
}

// Blocks laid out independently of the reader's offsets are read in the
// sampler's tests; these check the walk's own rules.
TEST(PerfWalk, StepsOverEarlierObjectsToTheProcessorObject) {
    const auto data = writePerfData(threeObjects());
    const auto object = findObject(data, kProcessorObjectIndex);
    ASSERT_TRUE(object);
    EXPECT_EQ(readU32(data, *object + object::kObjectNameTitleIndex), 238u);
    EXPECT_FALSE(findObject(data, 999));
    EXPECT_FALSE(findCounterOffset(data, *object, 7));
}

TEST(PerfWalk, InstanceNamesThatAreNoProcessorNumber) {
    BlockSpec shape{u"PERF", {}, {{238, {}, {{u"", {1}}, {u"1a", {2}}, {u"12345678901", {3}}, {u"007", {4}}}}}};
    const auto data = writePerfData(shape);
    const auto values = readInstances(data, kObject, 8);
    ASSERT_EQ(values.size(), 4u);
    EXPECT_FALSE(values[0].number) << "empty name";
    EXPECT_FALSE(values[1].number) << "digits then a letter";
    EXPECT_FALSE(values[2].number) << "too many digits for a processor";
    EXPECT_EQ(values[3].number, 7);
}

// Each row breaks one length or offset of a valid block; the walk must throw
// instead of reading outside the buffer or looping forever.
TEST(PerfWalk, LengthsAndOffsetsAreNeverTrusted) {
    const std::size_t firstCounter = kObject + object::kSize;
    const std::size_t firstInstance = firstCounter + 2 * counter::kSize;
    struct Row {
        const char* name;
        std::size_t field;
        std::uint32_t value;
    };
    const Row rows[] = {
        {"header length beyond the buffer", block::kHeaderLength, 0xFFFFFFF0},
        {"object count larger than the data", block::kNumObjectTypes, 5},
        {"object of length zero", kObject + object::kTotalByteLength, 0},
        {"counter header beyond the buffer", kObject + object::kHeaderLength, 0x10000},
        {"counter definition of length zero", firstCounter + counter::kByteLength, 0},
        {"counter count larger than the data", kObject + object::kNumCounters, 1000},
        {"definition length beyond the buffer", kObject + object::kDefinitionLength, 0xFFFFFFFF},
        {"instance count larger than the data", kObject + object::kNumInstances, 100},
        {"name beyond the buffer", firstInstance + instance::kNameOffset, 0x7FFFFFFF},
        {"name longer than the buffer", firstInstance + instance::kNameLength, 0xFFFFFFFF},
        {"instance length beyond the buffer", firstInstance + instance::kByteLength, 0x80000000},
        {"counter block that does not advance", firstInstance + 32 + counterBlock::kByteLength, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // The idle counter is placed first here so that a short walk reaches the instances.
        BlockSpec shape = processorBlock({}, {1, 2});
        std::swap(shape.objects[0].counters[0], shape.objects[0].counters[1]);
        auto data = writePerfData(shape);
        patchU32(data, row.field, row.value);
        auto walk = [&] {
            findObject(data, 999);  // walks every object
            const auto object = findObject(data, kProcessorObjectIndex);
            if (!object) return;
            findCounterOffset(data, *object, 999);  // walks every counter
            const auto offset = findCounterOffset(data, *object, kProcessorTimeCounterIndex);
            if (offset) readInstances(data, *object, *offset);
        };
        EXPECT_THROW(walk(), MalformedPerfData);
    }
}

TEST(PerfWalk, CounterOffsetBeyondTheBlockThrowsAndNoInstancesReadsAsNone) {
    EXPECT_THROW(readInstances(writePerfData(processorBlock({}, {1})), kObject, 0xFFFFFFF8), MalformedPerfData);
    auto data = writePerfData(BlockSpec{u"PERF", {}, {{238, {{6, 0, 8}}, {}}}});
    patchU32(data, kObject + object::kNumInstances, 0xFFFFFFFF);  // PERF_NO_INSTANCES
    EXPECT_TRUE(readInstances(data, kObject, 8).empty());
}

}  // namespace
}  // namespace tidemark::perf
