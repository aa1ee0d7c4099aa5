#include "measurement/cpu_load.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <optional>

#include "platform/doubles/sampler_doubles.h"
#include "platform/linux/perf_data_writer.h"
#include "platform/perf_layout.h"

namespace tidemark {
namespace {

using testing::FakeSamplerOs;
using Block = std::vector<std::byte>;
constexpr std::int64_t kSecond = 10'000'000;  // in 100-ns units

// Writes a little-endian field into an existing block, to break it.
void patchU32(std::vector<std::byte>& data, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) data.at(offset + i) = std::byte((value >> (8 * i)) & 0xFF);
}

SystemTime at(int millisecond) {
    const auto field = [](int value) { return static_cast<std::uint16_t>(value); };
    return {2026, 12, 0, 6, 12, 0, field(millisecond / 1000), field(millisecond % 1000)};
}
Block processors(int millisecond, std::vector<std::int64_t> idle) {
    return perf::writePerfData(perf::processorBlock(at(millisecond), idle));
}

// The sampler's errors: the number above the base, the source, the description.
void expectError(std::int32_t offset, auto&& action) {
    static const std::map<std::int32_t, std::pair<std::string, std::string>> documented{
        {8001, {"CPULoad.Initialize", "Impossible d'obtenir la version de Windows"}},
        {8002, {"CPULoad.CollectCPRData()", "Unable to start performance monitoring"}},
        {8003, {"CPULoad.GetCPUUsage()", "CPU index out of bounds"}},
        {8004, {"CPULoad.CollectData", "Unable to locate the 'Processor' performance object"}},
        {8005, {"CPULoad.CollectData", "Unable to locate the '% of CPU usage' performance counter"}},
        {8006, {"CPULoad.CollectCPUData()", "Unable to read performance data"}}};
    try {
        action();
        ADD_FAILURE() << "no error raised";
    } catch (const CPULoadError& error) {
        EXPECT_EQ(error.number(), static_cast<std::int32_t>(0x80040000u + offset));
        EXPECT_EQ(std::pair(error.source(), error.description()), documented.at(offset));
    }
}

TEST(IdleArithmetic, UsageIsTheShareNotSpentIdle) {
    const std::tuple<const char*, std::int64_t, std::int64_t, std::int32_t> rows[] = {
        // idle, elapsed, usage
        {"idle a quarter", 25, 100, 75},      {"87.5 rounds to 88", 125, 1000, 88},
        {"62.5 rounds to 62", 375, 1000, 62}, {"idle longer than elapsed is negative", 150, 100, -50},
        {"same time stamp twice", 50, 0, 0},  {"clock went backwards", 50, -100, 0},
    };
    for (const auto& [name, idle, elapsed, usage] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(idleToUsagePercent(1000, 1000 + idle, 5000, 5000 + elapsed), usage);
    }
}

using Loads = std::vector<std::optional<std::int32_t>>;
using LoadsRow = std::tuple<const char*, std::uint32_t, Block, Block, Loads>;

// Blocks laid out field by field from the published record layout by
// fuzz/make_perf_walk_seeds.py, not by the reader's own offsets: a processor
// count, the first block's length (16 bits), then two blocks a second apart.
LoadsRow laidOut(const char* name, Loads loads) {
    const std::string seed = std::string(TEST_SOURCES) + "/../fuzz/corpus/perf_walk_fuzz/" + name;
    std::ifstream in(seed, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    if (bytes.size() <= 3) {
        ADD_FAILURE() << "no seed " << seed;
        return {name, 0, {}, {}, {}};
    }
    const auto* data = reinterpret_cast<const std::byte*>(bytes.data()) + 3;
    const std::size_t firstLength = bytes[1] | bytes[2] << 8;
    return {name, bytes[0], {data, data + firstLength}, {data + firstLength, data + bytes.size() - 3}, loads};
}

// Each processor's load after two samples; nothing where it was not in both.
TEST(CPULoad, LoadsOfTheInstancesThatFillASlot) {
    const Block aSecondLater = processors(1000, {kSecond / 2, 0, 0});
    const auto numberedTwice = [](int millisecond, std::int64_t idle) {
        return perf::writePerfData(perf::numberedProcessorBlock(at(millisecond), {{0, idle}, {0, kSecond - idle}}));
    };
    // Only "001" names a processor, and the processor object comes third.
    const auto oddlyNamed = [](int millisecond, std::int64_t idle) {
        perf::BlockSpec shape = perf::processorBlock(at(millisecond), {});
        shape.objects[0].instances = {{u"", {0, 0}}, {u"1a", {0, 0}}, {u"12345678901", {0, 0}}, {u"001", {idle, 0}}};
        shape.objects.insert(shape.objects.begin(), {{230, {{1, 0, 8}}, {{u"a", {1}}}}, {232, {}, {}}});
        return perf::writePerfData(shape);
    };
    const LoadsRow rows[] = {
        laidOut("two_processors.bin", {75, 25}),
        laidOut("processor_offline_and_new.bin", {50, std::nullopt, 90, std::nullopt}),
        {"_Total and a processor beyond the count", 2, processors(0, {0, 0, 0}), aSecondLater, {50, 100}},
        {"a number named twice: its first instance", 1, numberedTwice(0, 0), numberedTwice(1000, kSecond / 4), {75}},
        {"names that are no processor number", 2, oddlyNamed(0, 0), oddlyNamed(1000, kSecond / 4), {std::nullopt, 75}},
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

// Dragging the window's edge runs ticks back to back: one closer to the last
// than a step of the idle counters has no figure, and leaves nothing behind.
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
        os.blocks = {processors(5000, {0}), processors(5000 + apart, {steppedIdle}),
                     processors(6000 + apart, {steppedIdle + kSecond / 2})};
        CPULoad load(os);
        ProcessorFigure figures;
        load.CollectCPUData();
        load.CollectCPUData();
        EXPECT_EQ(figures.next(load, 1), figure);
        load.CollectCPUData();
        EXPECT_EQ(figures.next(load, 1), 50) << "half idle for a second";
    }
}

// A block damaged in one part, length or offset gives the documented error,
// without reading outside the buffer or walking forever.
TEST(CPULoad, DataTheSamplerCannotUseRaisesTheDocumentedError) {
    using namespace perf;
    const std::size_t first = block::kSize, firstCounter = first + object::kSize;
    const std::size_t idleCounter = firstCounter + counter::kSize, firstInstance = idleCounter + counter::kSize;
    const BlockSpec good = processorBlock(at(0), {0, 0}), noProcessor{u"PERF", at(0), {{230, {}, {}}, {232, {}, {}}}};
    BlockSpec wrongSignature = good, noCounter = good;
    wrongSignature.signature = u"FREP";
    noCounter.objects[0].counters = {{142, 0, 8}};
    const std::tuple<const char*, const BlockSpec*, std::size_t, std::uint32_t, std::int32_t> rows[] = {
        // the block, a field set to a value (none at 0), the error
        {"failed read leaves zeros", nullptr, 0, 0, 8006},
        {"wrong signature", &wrongSignature, 0, 0, 8006},
        {"no processor object", &noProcessor, 0, 0, 8004},
        {"object of length zero", &noProcessor, first + object::kTotalByteLength, 0, 8006},
        {"no idle-time counter", &noCounter, 0, 0, 8005},
        {"header length beyond the buffer", &good, block::kHeaderLength, 0xFFFFFFF0, 8006},
        {"counter definition of length zero", &good, firstCounter + counter::kByteLength, 0, 8006},
        {"counter offset beyond the block", &good, idleCounter + counter::kCounterOffset, 0xFFFFFFF8, 8006},
        {"name beyond the buffer", &good, firstInstance + instance::kNameOffset, 0x7FFFFFFF, 8006},
        {"instance length beyond the buffer", &good, firstInstance + instance::kByteLength, 0x80000000, 8006},
        {"counter block that does not advance", &good, firstInstance + 32 + counterBlock::kByteLength, 0, 8006},
    };
    for (const auto& [name, shape, field, value, error] : rows) {
        SCOPED_TRACE(name);
        FakeSamplerOs os;
        if (shape) os.blocks = {writePerfData(*shape)};
        if (field) patchU32(os.blocks.front(), field, value);
        CPULoad load(os);
        expectError(error, [&] { load.CollectCPUData(); });
        load.GetCPUCount();
        EXPECT_EQ(os.processorQueries, 1) << "the count is read once per object, even past an error";
    }
    FakeSamplerOs os;
    os.blocks = {processors(0, {0, 0})};
    CPULoad load(os);
    for (int index : {0, 3}) expectError(8003, [&] { load.GetCPUUsage(index); });
    FakeSamplerOs large;  // 170 processors, 9,816 bytes: 4096, 8192, then 12288, where the next sample starts
    large.blocks = {processors(0, std::vector<std::int64_t>(170, 0))};
    CPULoad grown(large);
    grown.CollectCPUData();
    grown.CollectCPUData();
    EXPECT_EQ(large.offeredSizes, (std::vector<std::size_t>{4096, 8192, 12288, 12288}));
    os.versionFails = true;
    expectError(8001, [&] { CPULoad l(os); });
    os.versionFails = false;
    os.platform = 1;  // the 95 family: one figure, from registry keys this machine lacks
    CPULoad load95(os);
    for (int index : {0, 2}) expectError(8003, [&] { load95.GetCPUUsage(index); });
    expectError(8002, [&] { load95.CollectCPUData(); });
}

}  // namespace
}  // namespace tidemark
