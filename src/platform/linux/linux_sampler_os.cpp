// Serves the processor object of the performance data from /proc/stat, so the
// sampler runs unchanged on Linux: each processor's idle and iowait time
// becomes its idle-time counter.
#include "platform/linux/linux_sampler_os.h"

#include <unistd.h>
#include <algorithm>
#include <limits>

#include "platform/linux/perf_data_writer.h"
#include "platform/linux/proc_file.h"
#include "platform/linux/proc_text.h"
#include "platform/os_factory.h"
#include "platform/system_time.h"

namespace tidemark {
namespace {

constexpr long kFileNotFound = 2;
// The block's time stamp is the monotonic clock counted from 2000-01-01 00:00
// UTC: a calendar date the sampler converts like any other, on a time base
// that wall-clock steps (NTP, the user) never move. Like the idle counters it
// stands still during suspend, so the tick across one measures the time awake.
constexpr std::int64_t kMonotonicEpochAsFileTime = 125'911'584'000'000'000LL;

std::uint64_t ticksTo100ns() {
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    return ticksPerSecond > 0 ? 10'000'000 / static_cast<std::uint64_t>(ticksPerSecond) : 100'000;
}

std::uint32_t configuredProcessors(const std::string& possibleList) {
    if (const auto list = readSmallFile(possibleList.c_str()))
        if (const auto count = proc::processorCountOfList(*list)) return *count;
    const long configured = sysconf(_SC_NPROCESSORS_CONF);
    return configured > 0 ? static_cast<std::uint32_t>(configured) : 0;
}

long failed(std::vector<std::byte>& buffer) {
    std::fill(buffer.begin(), buffer.end(), std::byte{0});
    return kFileNotFound;
}

}  // namespace

timespec readSystemClock(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return now;
}

LinuxSamplerOs::LinuxSamplerOs(std::string root, ClockReader clock)
    : root_(std::move(root)), stat_(root_ + "/proc/stat"), clock_(std::move(clock)), tickLength_(ticksTo100ns()) {}

bool LinuxSamplerOs::getVersion(std::uint32_t& platformId) {
    platformId = kPlatformNt;
    return true;
}

std::uint32_t LinuxSamplerOs::numberOfProcessors() {
    std::uint64_t count = configuredProcessors(path("/sys/devices/system/cpu/possible"));
    if (const auto stat = stat_.read())
        for (const proc::ProcessorIdle& processor : proc::processorIdleTicks(*stat))
            count = std::max<std::uint64_t>(count, processor.number + std::uint64_t{1});
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(count, std::numeric_limits<std::uint32_t>::max()));
}

// The sampler grows its buffer a little per refusal, so on a machine with
// thousands of processors a sample is refused a thousand times: each retry
// copies the block built for the first call instead of reading and
// converting /proc/stat again. It is also the same sample.
long LinuxSamplerOs::queryProcessorPerformanceData(std::vector<std::byte>& buffer) {
    const bool retry = refusedSize_ && buffer.size() > *refusedSize_;
    refusedSize_.reset();
    if (!retry && !buildBlock()) return failed(buffer);
    if (buffer.size() < block_.size()) {
        refusedSize_ = buffer.size();
        return kMoreData;
    }
    std::copy(block_.begin(), block_.end(), buffer.begin());
    return 0;
}

bool LinuxSamplerOs::buildBlock() {
    const auto stat = stat_.read();
    if (!stat) return false;
    const SystemTime now = monotonicSystemTime();
    processors_.clear();
    for (const proc::ProcessorIdle& processor : proc::processorIdleTicks(*stat))
        processors_.push_back({processor.number, static_cast<std::int64_t>(processor.ticks * tickLength_)});
    block_ = perf::writePerfData(perf::numberedProcessorBlock(now, processors_));
    return true;
}

long LinuxSamplerOs::openDynDataKey(const char*, std::uint32_t, DynKey& key) {
    key = 0;
    return kFileNotFound;
}
void LinuxSamplerOs::queryCpuUsageStatistic(DynKey, std::int32_t&) {}
void LinuxSamplerOs::closeKey(DynKey) {}

SystemTime LinuxSamplerOs::monotonicSystemTime() const {
    const timespec now = clock_(CLOCK_MONOTONIC);
    return systemTimeFromFileTime(kMonotonicEpochAsFileTime + static_cast<std::int64_t>(now.tv_sec) * 10'000'000 +
                                  now.tv_nsec / 100);
}

std::unique_ptr<SamplerOs> makeSamplerOs() { return std::make_unique<LinuxSamplerOs>(); }

}  // namespace tidemark
