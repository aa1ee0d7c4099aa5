#include "platform/linux/proc_text.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "base/numbers.h"

namespace tidemark::proc {
namespace {

std::string_view nextLine(std::string_view& text) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return line;
}

void skipBlanks(std::string_view& text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
}

std::optional<std::uint64_t> takeDigits(std::string_view& text) {
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

std::optional<std::uint64_t> takeUnsigned(std::string_view& text) {
    skipBlanks(text);
    return takeDigits(text);
}

// "a" or "a-b" of a CPU list; its highest number.
std::optional<std::uint64_t> takeRange(std::string_view& list) {
    const auto first = takeDigits(list);
    if (!first || list.empty() || list.front() != '-') return first;
    list.remove_prefix(1);
    const auto last = takeDigits(list);
    if (!last || *last < *first) return std::nullopt;
    return last;
}

bool isProcessorLine(std::string_view line) {
    return line.size() > 3 && line.substr(0, 3) == "cpu" && line[3] >= '0' && line[3] <= '9';
}

std::optional<ProcessorIdle> idleOf(std::string_view line) {
    line.remove_prefix(3);
    const auto number = takeUnsigned(line);
    if (!number || *number > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    std::uint64_t fields[5] = {};  // user nice system idle iowait
    for (auto& field : fields) {
        auto value = takeUnsigned(line);
        if (!value) return std::nullopt;
        field = *value;
    }
    return ProcessorIdle{static_cast<std::uint32_t>(*number), fields[3] + fields[4]};
}

// "Key:   1234 kB" -> 1234 for the wanted key.
std::optional<std::uint64_t> meminfoValue(std::string_view text, std::string_view key) {
    while (!text.empty()) {
        std::string_view line = nextLine(text);
        if (line.size() > key.size() && line.substr(0, key.size()) == key && line[key.size()] == ':') {
            line.remove_prefix(key.size() + 1);
            return takeUnsigned(line);
        }
    }
    return std::nullopt;
}

std::int64_t kilobytesToBytes(std::uint64_t kb) {
    constexpr std::uint64_t limit = std::numeric_limits<std::int64_t>::max() / 1024;
    return static_cast<std::int64_t>(std::min(kb, limit) * 1024);
}

std::optional<std::int32_t> finiteMHz(double mhz) {
    if (!(mhz > 0)) return std::nullopt;
    return roundToInt32(mhz);
}

// "cpu MHz\t\t: 2394.456" -> 2394.
std::optional<std::int32_t> clockOfLine(std::string_view line) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    line.remove_prefix(colon + 1);
    skipBlanks(line);
    double mhz = 0;
    auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), mhz);
    if (error != std::errc() || end == line.data()) return std::nullopt;
    return finiteMHz(mhz);
}

}  // namespace

std::vector<ProcessorIdle> processorIdleTicks(std::string_view procStat) {
    std::vector<ProcessorIdle> idle;
    while (!procStat.empty()) {
        std::string_view line = nextLine(procStat);
        if (!isProcessorLine(line)) continue;
        if (auto processor = idleOf(line)) idle.push_back(*processor);
    }
    return idle;
}

std::optional<std::uint32_t> processorCountOfList(std::string_view list) {
    while (!list.empty() && (list.back() == '\n' || list.back() == ' ')) list.remove_suffix(1);
    std::uint64_t highest = 0;
    for (;;) {
        const auto range = takeRange(list);
        if (!range) return std::nullopt;
        highest = std::max(highest, *range);
        if (list.empty()) break;
        if (list.front() != ',') return std::nullopt;
        list.remove_prefix(1);
    }
    if (highest >= std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<std::uint32_t>(highest + 1);
}

std::optional<MemoryStatus> memoryStatus(std::string_view text) {
    const auto total = meminfoValue(text, "MemTotal");
    if (!total) return std::nullopt;
    auto available = meminfoValue(text, "MemAvailable");
    if (!available) available = meminfoValue(text, "MemFree");
    const std::uint64_t avail = std::min(available.value_or(0), *total);
    const std::uint64_t swapTotal = meminfoValue(text, "SwapTotal").value_or(0);
    const std::uint64_t swapFree = std::min(meminfoValue(text, "SwapFree").value_or(0), swapTotal);
    MemoryStatus status;
    status.totalPhys = kilobytesToBytes(*total);
    status.availPhys = kilobytesToBytes(avail);
    status.totalPageFile = kilobytesToBytes(*total + swapTotal);
    status.availPageFile = kilobytesToBytes(avail + swapFree);
    status.memoryLoad = *total == 0 ? 0 : static_cast<std::int32_t>((*total - avail) * 100.0 / *total);
    return status;
}

std::optional<std::int32_t> maxFrequencyMHz(std::string_view text) {
    std::string_view rest = text;
    auto khz = takeUnsigned(rest);
    if (!khz) return std::nullopt;
    return finiteMHz(static_cast<double>(*khz) / 1000.0);
}

std::optional<std::int32_t> firstProcessorMHz(std::string_view text) {
    FirstProcessorClockScan scan;
    scan.add(text);
    return scan.finish();
}

bool FirstProcessorClockScan::add(std::string_view piece) {
    while (!settled_ && !piece.empty()) {
        const auto end = piece.find('\n');
        if (end == std::string_view::npos) {
            unfinishedLine_.append(piece);
            break;
        }
        if (unfinishedLine_.empty()) {
            takeLine(piece.substr(0, end));
        } else {
            unfinishedLine_.append(piece.substr(0, end));
            takeLine(unfinishedLine_);
            unfinishedLine_.clear();
        }
        piece.remove_prefix(end + 1);
    }
    return settled_;
}

std::optional<std::int32_t> FirstProcessorClockScan::finish() {
    if (!settled_ && !unfinishedLine_.empty()) takeLine(unfinishedLine_);
    unfinishedLine_.clear();
    settled_ = true;
    return mhz_;
}

void FirstProcessorClockScan::takeLine(std::string_view line) {
    if (line.substr(0, 9) == "processor") {
        settled_ = inFirstProcessor_;  // a second block: the first one had no clock
        inFirstProcessor_ = true;
    } else if (line.substr(0, 7) == "cpu MHz") {
        settled_ = true;
        mhz_ = clockOfLine(line);
    }
}

}  // namespace tidemark::proc
