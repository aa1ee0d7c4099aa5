// Serves the processor object of the performance data from /proc/stat, so the
// sampler runs unchanged on Linux: each processor's idle and iowait time
// becomes its idle-time counter, stamped with the UTC clock of the read.
#include <algorithm>
#include <cstring>
#include <ctime>
#include <unistd.h>

#include "measurement/perf_data_writer.h"
#include "measurement/proc_text.h"
#include "platform/linux/proc_file.h"
#include "platform/os_factory.h"
#include "platform/system_time.h"

namespace tidemark {
namespace {

constexpr long kFileNotFound = 2;
constexpr std::int64_t kUnixEpochAsFileTime = 116'444'736'000'000'000LL;

std::int64_t nowAsFileTime() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return kUnixEpochAsFileTime + static_cast<std::int64_t>(now.tv_sec) * 10'000'000 + now.tv_nsec / 100;
}

std::uint64_t ticksTo100ns() {
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    return ticksPerSecond > 0 ? 10'000'000 / static_cast<std::uint64_t>(ticksPerSecond) : 100'000;
}

class LinuxSamplerOs final : public SamplerOs {
public:
    bool getVersion(std::uint32_t& platformId) override {
        platformId = kPlatformNt;
        return true;
    }

    std::uint32_t numberOfProcessors() override {
        const auto stat = readSmallFile("/proc/stat");
        return stat ? static_cast<std::uint32_t>(proc::processorIdleTicks(*stat).size()) : 0;
    }

    long queryProcessorPerformanceData(std::vector<std::byte>& buffer) override {
        const auto stat = readSmallFile("/proc/stat");
        if (!stat) return failed(buffer);
        const std::vector<std::uint64_t> ticks = proc::processorIdleTicks(*stat);
        if (buffer.size() < perf::processorBlockSize(ticks.size())) return kMoreData;
        std::vector<std::int64_t> idle(ticks.size());
        std::transform(ticks.begin(), ticks.end(), idle.begin(),
                       [this](std::uint64_t t) { return static_cast<std::int64_t>(t * tickLength_); });
        const auto block = perf::writePerfData(perf::processorBlock(systemTimeFromFileTime(nowAsFileTime()), idle));
        std::copy(block.begin(), block.end(), buffer.begin());
        return 0;
    }

    long openDynDataKey(const char*, std::uint32_t, DynKey& key) override {
        key = 0;
        return kFileNotFound;
    }
    void queryCpuUsageStatistic(DynKey, std::int32_t&) override {}
    void closeKey(DynKey) override {}

private:
    static long failed(std::vector<std::byte>& buffer) {
        std::fill(buffer.begin(), buffer.end(), std::byte{0});
        return kFileNotFound;
    }

    const std::uint64_t tickLength_ = ticksTo100ns();
};

}  // namespace

std::unique_ptr<SamplerOs> makeSamplerOs() { return std::make_unique<LinuxSamplerOs>(); }

}  // namespace tidemark
