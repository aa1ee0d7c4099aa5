#include "platform/system_time.h"

#include <chrono>

#include "platform/sampler_os.h"

namespace tidemark {
namespace {

using namespace std::chrono;

// FILETIME counts 100-ns intervals from the start of 1601.
using Ticks = duration<std::int64_t, std::ratio<1, 10'000'000>>;
constexpr sys_days kFileTimeEpoch = year{1601} / January / 1;

}  // namespace

std::optional<std::int64_t> fileTimeFromSystemTime(const SystemTime& t) {
    const year_month_day date{year{t.year}, month{t.month}, day{t.day}};
    if (t.year < 1601 || t.year > 30827 || !date.ok()) return std::nullopt;
    if (t.hour > 23 || t.minute > 59 || t.second > 59 || t.milliseconds > 999) return std::nullopt;
    const auto sinceEpoch = sys_days{date} - kFileTimeEpoch + hours{t.hour} + minutes{t.minute} + seconds{t.second} +
                            milliseconds{t.milliseconds};
    return duration_cast<Ticks>(sinceEpoch).count();
}

SystemTime systemTimeFromFileTime(std::int64_t fileTime) {
    const auto instant = kFileTimeEpoch + duration_cast<milliseconds>(Ticks{fileTime});
    const sys_days day = floor<days>(instant);
    const year_month_day date{day};
    const hh_mm_ss<milliseconds> time{instant - day};
    SystemTime t;
    t.year = static_cast<std::uint16_t>(static_cast<int>(date.year()));
    t.month = static_cast<std::uint16_t>(static_cast<unsigned>(date.month()));
    t.day = static_cast<std::uint16_t>(static_cast<unsigned>(date.day()));
    t.dayOfWeek = static_cast<std::uint16_t>(weekday{day}.c_encoding());
    t.hour = static_cast<std::uint16_t>(time.hours().count());
    t.minute = static_cast<std::uint16_t>(time.minutes().count());
    t.second = static_cast<std::uint16_t>(time.seconds().count());
    t.milliseconds = static_cast<std::uint16_t>(time.subseconds().count());
    return t;
}

bool SamplerOs::systemTimeToFileTime(const SystemTime& time, std::int64_t& fileTime) {
    auto converted = fileTimeFromSystemTime(time);
    if (converted) fileTime = *converted;
    return converted.has_value();
}

}  // namespace tidemark
