#include "measurement/cpu_load.h"

#include <algorithm>
#include <limits>

#include "base/numbers.h"
#include "measurement/perf_data.h"
#include "platform/perf_layout.h"

namespace tidemark {
namespace {

constexpr std::int32_t kBufferStep = 4096;
// Percentage points a figure may owe to or be owed by the next ones: a few
// ticks' noise, but a wild reading is soon forgotten.
constexpr double kMostCarried = 100.0;
// Far above any real machine; keeps a wild processor count from exhausting memory.
constexpr std::uint32_t kMaxProcessors = 1u << 16;

[[noreturn]] void raise(std::int32_t offset, const char* suffix, const char* description) {
    throw CPULoadError(offset, std::string("CPULoad") + suffix, description);
}

[[noreturn]] void raiseUnreadable() { raise(8006, ".CollectCPUData()", "Unable to read performance data"); }

std::int64_t wrappingDifference(std::int64_t later, std::int64_t earlier) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(later) - static_cast<std::uint64_t>(earlier));
}

// Closer samples than a step of the counters measure the steps, not the load.
bool tooCloseToMeasure(const CPULoad& load) {
    const auto advance = load.TimeBaseAdvance();
    return advance && *advance < std::max<std::int64_t>(load.CounterResolution(), 1);
}

std::optional<double> meanLoad(CPULoad& load, std::int32_t count) {
    double total = 0;
    std::int32_t counted = 0;
    for (std::int32_t i = 1; i <= count; ++i) {
        if (!load.HasTwoSamples(i)) continue;
        total += load.ExactCPUUsage(i);
        ++counted;
    }
    if (counted == 0) return std::nullopt;
    return total / counted;
}

}  // namespace

CPULoadError::CPULoadError(std::int32_t offset, std::string source, std::string description)
    : std::runtime_error(description),
      number_(kObjectErrorBase + offset),
      source_(std::move(source)),
      description_(std::move(description)) {}

double idleToUsage(std::int64_t previousIdle, std::int64_t currentIdle, std::int64_t previousTime,
                   std::int64_t currentTime) {
    if (currentTime <= previousTime) return 0;
    const double idle = static_cast<double>(wrappingDifference(currentIdle, previousIdle));
    const double elapsed = static_cast<double>(wrappingDifference(currentTime, previousTime));
    return (1.0 - idle / elapsed) * 100.0;
}

std::int32_t idleToUsagePercent(std::int64_t previousIdle, std::int64_t currentIdle, std::int64_t previousTime,
                                std::int64_t currentTime) {
    const double percent = roundHalfEven(idleToUsage(previousIdle, currentIdle, previousTime, currentTime));
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(percent, lowest, highest));
}

CPULoad::CPULoad(SamplerOs& os) : os_(os) {
    std::uint32_t platformId = 0;
    if (!os_.getVersion(platformId)) raise(8001, ".Initialize", "Impossible d'obtenir la version de Windows");
    IsWinNT = platformId == SamplerOs::kPlatformNt;
}

CPULoad::~CPULoad() { StopCPUMonitoring(); }

std::int32_t CPULoad::GetCPUCount() {
    if (CPUCount >= 1) return CPUCount;
    CPUCount = static_cast<std::int32_t>(std::min(os_.numberOfProcessors(), kMaxProcessors));
    PreviousIdle.assign(CPUCount, 0);
    CurrentIdle.assign(CPUCount, 0);
    InLastSample.assign(CPUCount, false);
    InSampleBefore.assign(CPUCount, false);
    return CPUCount;
}

void CPULoad::CollectCPUData() {
    if (IsWinNT)
        collectNt();
    else
        collect9x();
}

void CPULoad::collectNt() {
    Buffer.assign(static_cast<std::size_t>(BufferSize), std::byte{0});
    while (os_.queryProcessorPerformanceData(Buffer) == SamplerOs::kMoreData) {
        if (BufferSize > std::numeric_limits<std::int32_t>::max() - kBufferStep) raiseUnreadable();
        BufferSize += kBufferStep;
        // The read overwrites what the buffer holds; growing in place costs
        // only the new bytes, where a fresh buffer per step would cost the
        // whole of it, thousands of times over for thousands of processors.
        Buffer.resize(BufferSize);
    }
    const perf::Bytes data(Buffer);
    try {
        if (!perf::hasPerfSignature(data)) raiseUnreadable();
        const auto object = perf::findObject(data, perf::kProcessorObjectIndex);
        if (!object) raise(kNoProcessorObject, ".CollectData", "Unable to locate the 'Processor' performance object");
        if (CPUCount < 1) GetCPUCount();
        const auto counterOffset = perf::findCounterOffset(data, *object, perf::kProcessorTimeCounterIndex);
        if (!counterOffset) raise(8005, ".CollectData", "Unable to locate the '% of CPU usage' performance counter");
        const auto instances = perf::readInstances(data, *object, *counterOffset);
        InSampleBefore.swap(InLastSample);
        std::fill(InLastSample.begin(), InLastSample.end(), false);
        for (const perf::InstanceValue& instance : instances) {
            // _Total, processors beyond the count and a repeated name are no slot of ours.
            if (!instance.number || *instance.number >= CPUCount || InLastSample[*instance.number]) continue;
            InLastSample[*instance.number] = true;
            PreviousIdle[*instance.number] = CurrentIdle[*instance.number];
            CurrentIdle[*instance.number] = instance.value;
        }
        PreviousTime = CurrentTime;
        std::int64_t fileTime = 0;
        os_.systemTimeToFileTime(perf::blockSystemTime(data), fileTime);
        CurrentTime = fileTime;
    } catch (const perf::MalformedPerfData&) {
        raiseUnreadable();
    }
}

void CPULoad::collect9x() {
    if (!StatsStarted) {
        SamplerOs::DynKey startKey = 0;
        if (os_.openDynDataKey("PerfStats\\StartStat", SamplerOs::kKeyAllAccess, startKey) != 0)
            raise(8002, ".CollectCPRData()", "Unable to start performance monitoring");
        os_.queryCpuUsageStatistic(startKey, Win9xUsage);
        os_.closeKey(startKey);
        if (os_.openDynDataKey("PerfStats\\StatData", SamplerOs::kKeyRead, StatDataKey) != 0) raiseUnreadable();
        StatsStarted = true;
    }
    os_.queryCpuUsageStatistic(StatDataKey, Win9xUsage);
}

std::int32_t CPULoad::GetCPUUsage(std::int32_t CPU_Index) {
    if (!IsWinNT) {
        if (CPU_Index != 1) raise(8003, ".GetCPUUsage()", "CPU index out of bounds");
        if (!StatsStarted) CollectCPUData();
        return Win9xUsage;
    }
    const std::int64_t slot = checkedSlot(CPU_Index);
    return idleToUsagePercent(PreviousIdle[slot], CurrentIdle[slot], PreviousTime, CurrentTime);
}

double CPULoad::ExactCPUUsage(std::int32_t CPU_Index) {
    if (!IsWinNT) return GetCPUUsage(CPU_Index);
    const std::int64_t slot = checkedSlot(CPU_Index);
    return idleToUsage(PreviousIdle[slot], CurrentIdle[slot], PreviousTime, CurrentTime);
}

std::int64_t CPULoad::checkedSlot(std::int32_t CPU_Index) {
    if (CPUCount < 0) CollectCPUData();
    const std::int64_t slot = static_cast<std::int64_t>(CPU_Index) - 1;
    if (slot < 0 || slot >= CPUCount) raise(8003, ".GetCPUUsage()", "CPU index out of bounds");
    return slot;
}

std::optional<std::int64_t> CPULoad::TimeBaseAdvance() const {
    if (!IsWinNT) return std::nullopt;
    return wrappingDifference(CurrentTime, PreviousTime);
}

bool CPULoad::HasTwoSamples(std::int32_t CPU_Index) const {
    if (!IsWinNT) return CPU_Index == 1;
    const std::int64_t slot = static_cast<std::int64_t>(CPU_Index) - 1;
    if (slot < 0 || slot >= CPUCount) return false;
    return InLastSample[slot] && InSampleBefore[slot];
}

std::optional<std::int16_t> ProcessorFigure::next(CPULoad& load, std::int32_t count) {
    if (tooCloseToMeasure(load)) return std::nullopt;
    const auto mean = meanLoad(load, count);
    if (!mean) return std::nullopt;
    const double owed = *mean + carried_;
    const double shown = std::clamp(roundHalfEven(owed), 0.0, 100.0);
    carried_ = std::clamp(owed - shown, -kMostCarried, kMostCarried);
    return static_cast<std::int16_t>(shown);
}

void CPULoad::StopCPUMonitoring() {
    if (IsWinNT || !StatsStarted) return;
    StatsStarted = false;
    os_.closeKey(StatDataKey);
    StatDataKey = 0;
    SamplerOs::DynKey stopKey = 0;
    if (os_.openDynDataKey("PerfStats\\StopStat", SamplerOs::kKeyAllAccess, stopKey) != 0) return;
    os_.queryCpuUsageStatistic(stopKey, Win9xUsage);
    os_.closeKey(stopKey);
}

}  // namespace tidemark
