#pragma once
// The processor-load sampler. On the NT family it reads the processor object
// of the performance data and computes each processor's load from two
// successive samples of its idle-time counter; on the 95 family it reads the
// kernel's single CPU-usage statistic.
//
// Calling order the window uses: construct, GetCPUCount, CollectCPUData once,
// then per tick CollectCPUData followed by ProcessorFigure::next (the loads
// of the processors that have two samples). Any other order works too:
// operations that need a count or a sample take one.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/sampler_os.h"

namespace tidemark {

// A failure of the sampler: a number above the object error base (hex
// 80040000), the operation's source and a fixed description.
class CPULoadError : public std::runtime_error {
public:
    CPULoadError(std::int32_t offset, std::string source, std::string description);
    std::int32_t number() const { return number_; }
    const std::string& source() const { return source_; }
    const std::string& description() const { return description_; }

private:
    std::int32_t number_;
    std::string source_;
    std::string description_;
};

inline constexpr std::int32_t kObjectErrorBase = static_cast<std::int32_t>(0x80040000u);
// The performance data holds no processor object (counters switched off, or
// a system that does not keep them).
inline constexpr std::int32_t kNoProcessorObject = 8004;

// The load in percent of one processor between two samples: 100 minus the
// idle share of the elapsed time, not rounded. 0 when no time has passed (or
// the clock went backwards).
double idleToUsage(std::int64_t previousIdle, std::int64_t currentIdle, std::int64_t previousTime,
                   std::int64_t currentTime);
// The same, halves to even; results beyond the 32-bit range are clamped.
std::int32_t idleToUsagePercent(std::int64_t previousIdle, std::int64_t currentIdle, std::int64_t previousTime,
                                std::int64_t currentTime);

class CPULoad {
public:
    // Throws CPULoadError 8001 when the platform version cannot be read.
    explicit CPULoad(SamplerOs& os);
    ~CPULoad();
    CPULoad(const CPULoad&) = delete;
    CPULoad& operator=(const CPULoad&) = delete;

    void CollectCPUData();
    std::int32_t GetCPUCount();
    // CPU_Index is 1-based.
    std::int32_t GetCPUUsage(std::int32_t CPU_Index);
    // GetCPUUsage before it is rounded to whole percent, so that a figure
    // formed from several processors or ticks rounds only once.
    double ExactCPUUsage(std::int32_t CPU_Index);
    // True when the processor was in the last sample and in the one before,
    // so its load is a difference of its own counters: one that is offline,
    // or came online with the last sample, has none. The 95 family's single
    // statistic always counts. False outside the count; never raises.
    bool HasTwoSamples(std::int32_t CPU_Index) const;

    // How far the time base advanced from the sample before the last to the
    // last, in 100-ns units (not above 0 when it stood still or went back);
    // nothing on the 95 family, whose statistic has no time base.
    std::optional<std::int64_t> TimeBaseAdvance() const;
    // The step in which the idle-time counters advance, in 100-ns units.
    std::int64_t CounterResolution() const { return os_.counterResolution(); }

    std::int32_t bufferSize() const { return BufferSize; }

private:
    void collectNt();
    void collect9x();
    void StopCPUMonitoring();
    std::int64_t checkedSlot(std::int32_t CPU_Index);

    SamplerOs& os_;
    bool IsWinNT = false;
    std::int32_t CPUCount = -1;
    std::int32_t BufferSize = 4096;
    std::vector<std::byte> Buffer;  // kept between samples: a sample costs no allocation
    bool StatsStarted = false;
    std::int32_t Win9xUsage = 0;
    SamplerOs::DynKey StatDataKey = 0;
    std::vector<std::int64_t> CurrentIdle;
    std::vector<std::int64_t> PreviousIdle;
    std::vector<bool> InLastSample;
    std::vector<bool> InSampleBefore;
    std::int64_t CurrentTime = 0;
    std::int64_t PreviousTime = 0;
};

// The figure the window shows for each tick: the mean load of processors
// 1 .. count that have two samples, in whole percent within 0..100. One
// lives as long as its sampler.
//
// The idle-time counters advance in coarse steps (10 ms on Linux), so a
// processor's load over one short tick is off by up to a step either way;
// as the counters are cumulative, the error of one tick is taken back by the
// next. Cutting a figure to 0..100 would keep only one side of that noise,
// and an idle machine would read high (a saturated one low), so what the
// cut and the rounding take away is carried into the next figure. The carry
// is bounded by one tick's full range, so a wild reading (a clock jump)
// costs the figures after it no more than one tick's worth in all.
class ProcessorFigure {
public:
    // The figure after CollectCPUData. Nothing, so that the previous figure
    // stands, when no processor has two samples or the time base advanced
    // by less than a step of the counters (ticks run back to back); such a
    // tick carries nothing over. Raises what GetCPUUsage raises.
    std::optional<std::int16_t> next(CPULoad& load, std::int32_t count);

private:
    double carried_ = 0;  // percentage points cut from earlier figures
};

}  // namespace tidemark
