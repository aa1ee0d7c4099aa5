#pragma once
// Parsers of the kernel's text files. Pure functions over text: they never
// read past the input and treat anything unexpected as absent.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/os_types.h"

namespace tidemark::proc {

// Idle plus iowait ticks of every "cpuN" line of /proc/stat, in file order.
// iowait counts as idle: the processor was free, a disk was slow.
// A cpuN line with fewer than five numbers is skipped.
std::vector<std::uint64_t> processorIdleTicks(std::string_view procStat);

// The memory status from /proc/meminfo (values in kB). MemAvailable is the
// available memory; without it (kernels before 3.14) MemFree stands in.
// Nothing when MemTotal is missing.
std::optional<MemoryStatus> memoryStatus(std::string_view procMeminfo);

// MHz from cpufreq's cpuinfo_max_freq (kHz), halves to even; nothing when unreadable.
std::optional<std::int32_t> maxFrequencyMHz(std::string_view cpuinfoMaxFreq);

// The "cpu MHz" of the first processor in /proc/cpuinfo, halves to even.
std::optional<std::int32_t> firstProcessorMHz(std::string_view procCpuinfo);

}  // namespace tidemark::proc
