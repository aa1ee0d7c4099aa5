#pragma once
// Parsers of the kernel's text files. Pure functions over text: they never
// read past the input and treat anything unexpected as absent.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os_types.h"

namespace tidemark::proc {

struct ProcessorIdle {
    std::uint32_t number = 0;  // N of "cpuN": offline processors leave gaps
    std::uint64_t ticks = 0;
    friend bool operator==(const ProcessorIdle&, const ProcessorIdle&) = default;
};

// Idle plus iowait ticks of every "cpuN" line of /proc/stat, in file order.
// iowait counts as idle: the processor was free, a disk was slow.
// A cpuN line with fewer than five numbers, or an N beyond 32 bits, is skipped.
std::vector<ProcessorIdle> processorIdleTicks(std::string_view procStat);

// One more than the highest processor number of a kernel CPU list such as
// "0-3,8,10-11\n" (/sys/devices/system/cpu/possible); nothing when the list
// is empty or damaged.
std::optional<std::uint32_t> processorCountOfList(std::string_view cpuList);

// The memory status from /proc/meminfo (values in kB). MemAvailable is the
// available memory; without it (kernels before 3.14) MemFree stands in.
// Nothing when MemTotal is missing.
std::optional<MemoryStatus> memoryStatus(std::string_view procMeminfo);

// MHz from cpufreq's cpuinfo_max_freq (kHz), halves to even; nothing when unreadable.
std::optional<std::int32_t> maxFrequencyMHz(std::string_view cpuinfoMaxFreq);

// The "cpu MHz" of the first processor in /proc/cpuinfo, halves to even.
std::optional<std::int32_t> firstProcessorMHz(std::string_view procCpuinfo);

// The same answer from /proc/cpuinfo taken piece by piece, so that a reader
// can stop at the line that settles it instead of reading every processor's
// block: the first "cpu MHz" line or the second "processor" line. Pieces may
// split a line anywhere; only whole lines (or the file's last line) count.
class FirstProcessorClockScan {
public:
    // True once the clock is settled: later text cannot change the answer.
    bool add(std::string_view piece);
    // The answer after the last piece (or once settled).
    std::optional<std::int32_t> finish();

private:
    void takeLine(std::string_view line);

    std::string unfinishedLine_;
    bool inFirstProcessor_ = false;
    bool settled_ = false;
    std::optional<std::int32_t> mhz_;
};

}  // namespace tidemark::proc
