#include "measurement/cpu_load.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "fakes/fake_sampler_os.h"
#include "measurement/perf_data_writer.h"
#include "measurement/perf_layout.h"

namespace tidemark {
namespace {

using testing::FakeSamplerOs;

SystemTime at(int second, int millisecond = 0) {
    return SystemTime{2026, 12, 0, 6, 12, 0, static_cast<std::uint16_t>(second),
                      static_cast<std::uint16_t>(millisecond)};
}

std::vector<std::byte> processors(const SystemTime& time, std::vector<std::int64_t> idle) {
    return perf::writePerfData(perf::processorBlock(time, idle));
}

constexpr std::int64_t kSecond = 10'000'000;  // in 100-ns units

void expectError(std::int32_t offset, const char* source, const char* description, auto&& action) {
    try {
        action();
        ADD_FAILURE() << "no error raised";
    } catch (const CPULoadError& error) {
        EXPECT_EQ(error.number(), static_cast<std::int32_t>(0x80040000u + offset));
        EXPECT_EQ(error.source(), source);
        EXPECT_EQ(error.description(), description);
    }
}

TEST(IdleArithmetic, UsageIsTheShareNotSpentIdleHalvesToEven) {
    struct Row {
        const char* name;
        std::int64_t idle, elapsed;
        std::int32_t expected;
    };
    const Row rows[] = {
        {"idle a quarter", 25, 100, 75},
        {"idle three quarters", 75, 100, 25},
        {"87.5 rounds to 88", 125, 1000, 88},
        {"62.5 rounds to 62", 375, 1000, 62},
        {"idle longer than elapsed is negative", 150, 100, -50},
        {"fully idle", 100, 100, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(idleToUsagePercent(1000, 1000 + row.idle, 5000, 5000 + row.elapsed), row.expected);
    }
}

TEST(IdleArithmetic, ClockThatStoodStillOrWentBackwardsGivesZero) {
    EXPECT_EQ(idleToUsagePercent(0, 50, 100, 100), 0);
    EXPECT_EQ(idleToUsagePercent(0, 50, 200, 100), 0);
}

TEST(IdleArithmetic, CounterThatJumpedIsClampedToThe32BitRange) {
    EXPECT_EQ(idleToUsagePercent(0, -(1LL << 62), 0, 1), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(idleToUsagePercent(0, 1LL << 62, 0, 1), std::numeric_limits<std::int32_t>::min());
}

TEST(CPULoad, ConstructionFailsWhenTheVersionCannotBeRead) {
    FakeSamplerOs os;
    os.versionFails = true;
    expectError(8001, "CPULoad.Initialize", "Impossible d'obtenir la version de Windows", [&] { CPULoad load(os); });
}

TEST(CPULoad, TwoSamplesGiveEachProcessorsLoad) {
    FakeSamplerOs os;
    os.blocks = {processors(at(0), {0, 0}), processors(at(1), {kSecond / 4, 3 * kSecond / 4})};
    CPULoad load(os);
    EXPECT_EQ(load.GetCPUCount(), 2);
    load.CollectCPUData();
    load.CollectCPUData();
    EXPECT_EQ(load.GetCPUUsage(1), 75);
    EXPECT_EQ(load.GetCPUUsage(2), 25);
    EXPECT_EQ(load.GetCPUUsage(1), 75) << "reading a load takes no sample";
}

TEST(CPULoad, FirstSampleAloneReadsAsFullLoad) {
    FakeSamplerOs os;
    os.blocks = {processors(at(0), {kSecond, kSecond})};
    CPULoad load(os);
    load.CollectCPUData();
    EXPECT_EQ(load.GetCPUUsage(1), 100);
}

TEST(CPULoad, SameTimeStampTwiceGivesZero) {
    FakeSamplerOs os;
    os.blocks = {processors(at(0), {0, 0}), processors(at(0), {5, 5})};
    CPULoad load(os);
    load.CollectCPUData();
    load.CollectCPUData();
    EXPECT_EQ(load.GetCPUUsage(1), 0);
    EXPECT_EQ(load.GetCPUUsage(2), 0);
}

TEST(CPULoad, TotalInstanceAndUnknownProcessorsLeaveTheSlotsAlone) {
    // Three processors in the data, two known to the sampler: "2" and "_Total" are skipped.
    FakeSamplerOs os;
    os.blocks = {processors(at(0), {0, 0, 0}), processors(at(1), {kSecond / 2, kSecond, 0})};
    CPULoad load(os);
    load.CollectCPUData();
    load.CollectCPUData();
    EXPECT_EQ(load.GetCPUUsage(1), 50);
    EXPECT_EQ(load.GetCPUUsage(2), 0);
}

TEST(CPULoad, ProcessorNamedTwiceInOneBlockCountsItsFirstInstance) {
    FakeSamplerOs os;
    os.processors = 1;
    os.blocks = {perf::writePerfData(perf::numberedProcessorBlock(at(0), {{0, 0}, {0, kSecond}})),
                 perf::writePerfData(perf::numberedProcessorBlock(at(1), {{0, kSecond / 4}, {0, 0}}))};
    CPULoad load(os);
    load.CollectCPUData();
    load.CollectCPUData();
    EXPECT_EQ(load.GetCPUUsage(1), 75);
}

TEST(CPULoad, IndexOutsideTheProcessorsRaises8003) {
    FakeSamplerOs os;
    os.blocks = {processors(at(0), {0, 0})};
    CPULoad load(os);
    load.CollectCPUData();
    for (int index : {0, 3, -1}) {
        SCOPED_TRACE(index);
        expectError(8003, "CPULoad.GetCPUUsage()", "CPU index out of bounds", [&] { load.GetCPUUsage(index); });
    }
}

TEST(CPULoad, UsageBeforeAnySampleCollectsOne) {
    FakeSamplerOs os;
    os.blocks = {processors(at(0), {0, 0})};
    CPULoad load(os);
    EXPECT_EQ(load.GetCPUUsage(1), 100);
    EXPECT_EQ(os.offeredSizes.size(), 1u);
}

TEST(CPULoad, GrowsTheBufferInSteps) {
    FakeSamplerOs os;
    auto block = processors(at(0), {0, 0});
    block.resize(10'000);  // a block that needs 10,000 bytes
    os.blocks = {block};
    CPULoad load(os);
    load.CollectCPUData();
    EXPECT_EQ(os.offeredSizes, (std::vector<std::size_t>{4096, 8192, 12288}));
    EXPECT_EQ(load.bufferSize(), 12288);
    load.CollectCPUData();
    EXPECT_EQ(os.offeredSizes.back(), 12288u) << "the next sample asks with the size that sufficed";
}

TEST(CPULoad, DataTheSamplerCannotUseRaisesTheDocumentedError) {
    struct Row {
        const char* name;
        std::vector<std::byte> block;
        std::int32_t offset;
        const char* source;
        const char* description;
    };
    perf::BlockSpec wrongSignature = perf::processorBlock(at(0), {0});
    wrongSignature.signature = u"FREP";
    perf::BlockSpec noProcessor{u"PERF", at(0), {{230, {}, {}}, {232, {}, {}}}};
    perf::BlockSpec noCounter = perf::processorBlock(at(0), {0});
    noCounter.objects[0].counters = {{142, 0, 8}};
    const char* unreadable = "Unable to read performance data";
    const Row rows[] = {
        {"wrong signature", perf::writePerfData(wrongSignature), 8006, "CPULoad.CollectCPUData()", unreadable},
        {"failed read leaves zeros", {}, 8006, "CPULoad.CollectCPUData()", unreadable},
        {"no processor object", perf::writePerfData(noProcessor), 8004, "CPULoad.CollectData",
         "Unable to locate the 'Processor' performance object"},
        {"no idle-time counter", perf::writePerfData(noCounter), 8005, "CPULoad.CollectData",
         "Unable to locate the '% of CPU usage' performance counter"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeSamplerOs os;
        if (!row.block.empty()) os.blocks = {row.block};
        CPULoad load(os);
        expectError(row.offset, row.source, row.description, [&] { load.CollectCPUData(); });
    }
}

TEST(CPULoad, CountIsFixedWhenOnlyTheCounterIsMissing) {
    perf::BlockSpec noCounter = perf::processorBlock(at(0), {0});
    noCounter.objects[0].counters.clear();
    FakeSamplerOs os;
    os.blocks = {perf::writePerfData(noCounter)};
    CPULoad load(os);
    EXPECT_THROW(load.CollectCPUData(), CPULoadError);
    EXPECT_EQ(os.processorQueries, 1);
    EXPECT_EQ(load.GetCPUCount(), 2);
    EXPECT_EQ(os.processorQueries, 1) << "the count is read once per object";
}

TEST(CPULoad, RecordsThatOverrunTheBlockRaise8006) {
    auto block = processors(at(0), {0, 0});
    perf::patchU32(block, perf::block::kSize + perf::object::kDefinitionLength, 0x7FFFFFF0);
    FakeSamplerOs os;
    os.blocks = {block};
    CPULoad load(os);
    expectError(8006, "CPULoad.CollectCPUData()", "Unable to read performance data", [&] { load.CollectCPUData(); });
}

TEST(CPULoad95, StartsTheStatisticOnceAndStopsItOnDestruction) {
    FakeSamplerOs os;
    os.platformId = 1;
    os.statistic = {17, 33};
    {
        CPULoad load(os);
        EXPECT_EQ(load.GetCPUUsage(1), 17) << "the first usage starts the statistic";
        load.CollectCPUData();
        EXPECT_EQ(load.GetCPUUsage(1), 33);
        EXPECT_EQ(processorFigure(load, 1), 33) << "the single statistic needs no second sample";
        expectError(8003, "CPULoad.GetCPUUsage()", "CPU index out of bounds", [&] { load.GetCPUUsage(2); });
    }
    const std::vector<std::string> expected = {
        "open PerfStats\\StartStat", "read PerfStats\\StartStat", "close PerfStats\\StartStat",
        "open PerfStats\\StatData",  "read PerfStats\\StatData",  "read PerfStats\\StatData",
        "close PerfStats\\StatData", "open PerfStats\\StopStat",  "read PerfStats\\StopStat",
        "close PerfStats\\StopStat"};
    EXPECT_EQ(os.keyLog, expected);
}

TEST(CPULoad95, FailuresToOpenTheStatisticRaiseTheirErrors) {
    FakeSamplerOs start;
    start.platformId = 1;
    start.startStatFails = true;
    CPULoad failsToStart(start);
    expectError(8002, "CPULoad.CollectCPRData()", "Unable to start performance monitoring",
                [&] { failsToStart.CollectCPUData(); });

    FakeSamplerOs data;
    data.platformId = 1;
    data.statDataFails = true;
    CPULoad failsToRead(data);
    expectError(8006, "CPULoad.CollectCPUData()", "Unable to read performance data",
                [&] { failsToRead.CollectCPUData(); });
}

TEST(CPULoad95, ObjectThatNeverSampledLeavesTheRegistryAlone) {
    FakeSamplerOs os;
    os.platformId = 0;
    { CPULoad load(os); }
    EXPECT_TRUE(os.keyLog.empty());
}

}  // namespace
}  // namespace tidemark

namespace tidemark {
namespace {

// Blocks laid out field by field from the published record layout by
// fuzz/make_perf_walk_seeds.py, not by the reader's own offsets: a processor
// count, the first block's length (16 bits), then two blocks a second apart.
struct LaidOutBlocks {
    std::uint32_t processors = 0;
    std::vector<std::byte> first, second;
};

LaidOutBlocks readLaidOutBlocks(const char* name) {
    std::ifstream in(std::string(PERF_SEEDS) + "/" + name, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_GT(bytes.size(), 3u);
    const auto* data = reinterpret_cast<const std::byte*>(bytes.data());
    const std::size_t firstLength = static_cast<unsigned char>(bytes[1]) | static_cast<unsigned char>(bytes[2]) << 8;
    return {static_cast<unsigned char>(bytes[0]), {data + 3, data + 3 + firstLength},
            {data + 3 + firstLength, data + bytes.size()}};
}

TEST(CPULoad, ReadsBlocksLaidOutByThePublishedLayout) {
    struct Row {
        const char* file;
        std::vector<std::optional<std::int32_t>> loads;  // nothing: not in both samples
    };
    const Row rows[] = {{"two_processors.bin", {75, 25}},
                        {"processor_offline_and_new.bin", {50, std::nullopt, 90, std::nullopt}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        const LaidOutBlocks blocks = readLaidOutBlocks(row.file);
        FakeSamplerOs os;
        os.processors = blocks.processors;
        os.blocks = {blocks.first, blocks.second};
        CPULoad load(os);
        load.CollectCPUData();
        load.CollectCPUData();
        ASSERT_EQ(load.GetCPUCount(), static_cast<std::int32_t>(row.loads.size()));
        for (std::int32_t i = 1; i <= load.GetCPUCount(); ++i) {
            const auto& expected = row.loads[i - 1];
            EXPECT_EQ(load.HasTwoSamples(i), expected.has_value()) << "processor " << i;
            if (expected) {
                EXPECT_EQ(load.GetCPUUsage(i), *expected) << "processor " << i;
            }
        }
    }
}

}  // namespace
}  // namespace tidemark
