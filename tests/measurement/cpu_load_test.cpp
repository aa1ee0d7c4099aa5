#include "measurement/cpu_load.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "fakes/fake_sampler_os.h"
#include "platform/linux/perf_data_writer.h"
#include "platform/perf_layout.h"

namespace tidemark {
namespace {

using testing::FakeSamplerOs;
using Block = std::vector<std::byte>;
constexpr std::int64_t kSecond = 10'000'000;  // in 100-ns units

SystemTime at(int second, int millisecond = 0) {
    return SystemTime{
        2026, 12, 0, 6, 12, 0, static_cast<std::uint16_t>(second), static_cast<std::uint16_t>(millisecond)};
}
Block processors(int second, std::vector<std::int64_t> idle) {
    return perf::writePerfData(perf::processorBlock(at(second), idle));
}
Block processorsAtMillisecond(int millisecond, std::vector<std::int64_t> idle) {
    return perf::writePerfData(perf::processorBlock(at(millisecond / 1000, millisecond % 1000), idle));
}

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

TEST(IdleArithmetic, UsageIsTheShareNotSpentIdle) {
    constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();
    const std::tuple<const char*, std::int64_t, std::int64_t, std::int32_t> rows[] = {
        // idle, elapsed, usage
        {"idle a quarter", 25, 100, 75},
        {"87.5 rounds to 88", 125, 1000, 88},
        {"62.5 rounds to 62", 375, 1000, 62},
        {"idle longer than elapsed is negative", 150, 100, -50},
        {"same time stamp twice", 50, 0, 0},
        {"clock went backwards", 50, -100, 0},
        {"counter jumped back: clamped", -(1LL << 62), 1, most},
        {"counter jumped ahead: clamped", 1LL << 62, 1, -most - 1},
    };
    for (const auto& [name, idle, elapsed, usage] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(idleToUsagePercent(1000, 1000 + idle, 5000, 5000 + elapsed), usage);
    }
}

// Blocks laid out field by field from the published record layout by
// fuzz/make_perf_walk_seeds.py, not by the reader's own offsets: a processor
// count, the first block's length (16 bits), then two blocks a second apart.
std::tuple<std::uint32_t, Block, Block> laidOutBlocks(const char* name) {
    std::ifstream in(std::string(PERF_SEEDS) + "/" + name, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    if (bytes.size() <= 3) {
        ADD_FAILURE() << "no seed " << PERF_SEEDS << "/" << name;
        return {};
    }
    const auto* data = reinterpret_cast<const std::byte*>(bytes.data()) + 3;
    const std::size_t firstLength = bytes[1] | bytes[2] << 8;
    return {bytes[0], {data, data + firstLength}, {data + firstLength, data + bytes.size() - 3}};
}

// Each processor's load after two samples; nothing where it was not in both.
TEST(CPULoad, LoadsOfTheInstancesThatFillASlot) {
    using Loads = std::vector<std::optional<std::int32_t>>;
    const auto seed = [](const char* file, Loads loads) {
        const auto [count, first, second] = laidOutBlocks(file);
        return std::tuple{file, count, first, second, loads};
    };
    const std::tuple<const char*, std::uint32_t, Block, Block, Loads> rows[] = {
        seed("two_processors.bin", {75, 25}),
        seed("processor_offline_and_new.bin", {50, std::nullopt, 90, std::nullopt}),
        {"_Total and a processor beyond the count",
         2,
         processors(0, {0, 0, 0}),
         processors(1, {kSecond / 2, 0, 0}),
         {50, 100}},
        {"a number named twice: its first instance",
         1,
         perf::writePerfData(perf::numberedProcessorBlock(at(0), {{0, 0}, {0, kSecond}})),
         perf::writePerfData(perf::numberedProcessorBlock(at(1), {{0, kSecond / 4}, {0, 0}})),
         {75}},
    };
    for (const auto& [name, count, first, second, loads] : rows) {
        SCOPED_TRACE(name);
        FakeSamplerOs os;
        os.processors = count;
        os.blocks = {first, second};
        CPULoad load(os);
        load.CollectCPUData();
        load.CollectCPUData();
        ASSERT_EQ(load.GetCPUCount(), static_cast<std::int32_t>(loads.size()));
        for (std::int32_t i = 1; i <= load.GetCPUCount(); ++i) {
            EXPECT_EQ(load.HasTwoSamples(i), loads[i - 1].has_value()) << "processor " << i;
            EXPECT_EQ(loads[i - 1] ? load.GetCPUUsage(i) : 0, loads[i - 1].value_or(0)) << "processor " << i;
        }
    }
}

// Dragging the window's edge runs ticks back to back. One closer to the tick
// before than a step of the idle counters (or with the same time stamp) has
// no figure, and leaves nothing behind for the next tick's figure.
TEST(ProcessorFigure, TicksCloserThanACounterStepKeepThePreviousFigure) {
    constexpr std::int64_t kMillisecond = kSecond / 1000;
    const std::tuple<const char*, std::int64_t, int, std::optional<std::int16_t>> rows[] = {
        // counter step, milliseconds after the tick before, figure
        {"same time stamp", 0, 0, std::nullopt},
        {"clock went back", 0, -1, std::nullopt},
        {"under a 10 ms step", 10 * kMillisecond, 9, std::nullopt},
        {"a whole 10 ms step", 10 * kMillisecond, 10, 0},
    };
    for (const auto& [name, step, apart, figure] : rows) {
        SCOPED_TRACE(name);
        FakeSamplerOs os;
        os.processors = 1;
        os.resolution = step;
        const std::int64_t steppedIdle = 10 * kMillisecond;  // the counter stepped: more idle than time passed
        os.blocks = {processorsAtMillisecond(5000, {0}), processorsAtMillisecond(5000 + apart, {steppedIdle}),
                     processorsAtMillisecond(6000 + apart, {steppedIdle + kSecond / 2})};
        CPULoad load(os);
        ProcessorFigure figures;
        load.CollectCPUData();
        load.CollectCPUData();
        EXPECT_EQ(figures.next(load, 1), figure);
        load.CollectCPUData();
        EXPECT_EQ(figures.next(load, 1), 50) << "half idle for a second";
    }
}

TEST(CPULoad, UsageCollectsWhenThereIsNoSampleAndRefusesIndexesOutsideTheCount) {
    FakeSamplerOs os;
    os.blocks = {processors(0, {0, 0})};
    CPULoad load(os);
    EXPECT_EQ(load.GetCPUUsage(1), 100) << "one sample is measured against zero";
    EXPECT_EQ(os.offeredSizes.size(), 1u);
    for (int index : {0, 3, -1})
        expectError(8003, "CPULoad.GetCPUUsage()", "CPU index out of bounds", [&] { load.GetCPUUsage(index); });
}

TEST(CPULoad, GrowsTheBufferInStepsAndKeepsTheSizeThatSufficed) {
    FakeSamplerOs os;
    os.blocks = {processors(0, {0, 0})};
    os.blocks.front().resize(10'000);
    CPULoad load(os);
    load.CollectCPUData();
    load.CollectCPUData();
    EXPECT_EQ(os.offeredSizes, (std::vector<std::size_t>{4096, 8192, 12288, 12288}));
}

TEST(CPULoad, DataTheSamplerCannotUseRaisesTheDocumentedError) {
    perf::BlockSpec wrongSignature = perf::processorBlock(at(0), {0});
    wrongSignature.signature = u"FREP";
    perf::BlockSpec noCounter = perf::processorBlock(at(0), {0});
    noCounter.objects[0].counters = {{142, 0, 8}};
    auto overrun = processors(0, {0, 0});
    perf::patchU32(overrun, perf::block::kSize + perf::object::kDefinitionLength, 0x7FFFFFF0);
    const char* unreadable = "Unable to read performance data";
    const std::tuple<const char*, Block, std::int32_t, const char*, const char*> rows[] = {
        {"wrong signature", perf::writePerfData(wrongSignature), 8006, "CPULoad.CollectCPUData()", unreadable},
        {"failed read leaves zeros", {}, 8006, "CPULoad.CollectCPUData()", unreadable},
        {"record that overruns the block", overrun, 8006, "CPULoad.CollectCPUData()", unreadable},
        {"no processor object", perf::writePerfData({u"PERF", at(0), {{230, {}, {}}, {232, {}, {}}}}), 8004,
         "CPULoad.CollectData", "Unable to locate the 'Processor' performance object"},
        {"no idle-time counter", perf::writePerfData(noCounter), 8005, "CPULoad.CollectData",
         "Unable to locate the '% of CPU usage' performance counter"},
    };
    for (const auto& [name, block, offset, source, description] : rows) {
        SCOPED_TRACE(name);
        FakeSamplerOs os;
        if (!block.empty()) os.blocks = {block};
        CPULoad load(os);
        expectError(offset, source, description, [&] { load.CollectCPUData(); });
        load.GetCPUCount();
        EXPECT_EQ(os.processorQueries, 1) << "the count is read once per object, even past an error";
    }
    FakeSamplerOs noVersion;
    noVersion.versionFails = true;
    expectError(8001, "CPULoad.Initialize", "Impossible d'obtenir la version de Windows",
                [&] { CPULoad l(noVersion); });
}

}  // namespace
}  // namespace tidemark
