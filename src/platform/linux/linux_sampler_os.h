#pragma once
// The Linux sampler backend. Where it reads from is given at construction, so
// a test can point it at a fake /proc and /sys tree and a fake clock;
// makeSamplerOs() gives it this machine's.
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/linux/perf_data_writer.h"
#include "platform/linux/proc_file.h"
#include "platform/sampler_os.h"

namespace tidemark {

// Reads one POSIX clock (clock_gettime).
using ClockReader = std::function<timespec(clockid_t)>;
timespec readSystemClock(clockid_t clock);

class LinuxSamplerOs final : public SamplerOs {
public:
    // `root` goes in front of every /proc and /sys path; empty for this machine's.
    explicit LinuxSamplerOs(std::string root = {}, ClockReader clock = readSystemClock);

    bool getVersion(std::uint32_t& platformId) override;
    // Every processor the machine may bring online (the possible list of
    // /sys, else the configured count), not only those online now, so that
    // one coming online later has a slot of its own.
    std::uint32_t numberOfProcessors() override;
    // Instance "N" is the processor of the "cpuN" line; the block is stamped
    // with the monotonic clock (see the .cpp). A call that offers more room
    // than the one just refused is that sample's retry and gets its block.
    long queryProcessorPerformanceData(std::vector<std::byte>& buffer) override;
    // One clock tick of /proc/stat.
    std::int64_t counterResolution() const override { return static_cast<std::int64_t>(tickLength_); }
    long openDynDataKey(const char* subKey, std::uint32_t access, DynKey& key) override;
    void queryCpuUsageStatistic(DynKey key, std::int32_t& value) override;
    void closeKey(DynKey key) override;

private:
    std::string path(const char* absolute) const { return root_ + absolute; }
    SystemTime monotonicSystemTime() const;
    bool buildBlock();

    std::string root_;
    KernelFile stat_;
    ClockReader clock_;
    std::uint64_t tickLength_;                         // one clock tick of /proc/stat in 100 ns
    std::vector<std::byte> block_;                     // the last sample's performance data
    std::vector<perf::ProcessorIdleTime> processors_;  // kept between samples
    std::optional<std::size_t> refusedSize_;           // the room the last call offered, when too small
};

}  // namespace tidemark
