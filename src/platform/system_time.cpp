#include "platform/system_time.h"

#include "platform/sampler_os.h"

namespace tidemark {
namespace {

constexpr std::int64_t kTicksPerMillisecond = 10'000;
constexpr std::int64_t kTicksPerDay = 86'400'000LL * kTicksPerMillisecond;
// Days from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kDaysFrom1601To1970 = 134'774;

bool isLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, int& year, unsigned& month, unsigned& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = doy - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

}  // namespace

std::optional<std::int64_t> fileTimeFromSystemTime(const SystemTime& t) {
    if (t.year < 1601 || t.year > 30827 || t.month < 1 || t.month > 12) return std::nullopt;
    if (t.day < 1 || t.day > daysInMonth(t.year, t.month)) return std::nullopt;
    if (t.hour > 23 || t.minute > 59 || t.second > 59 || t.milliseconds > 999) return std::nullopt;
    const std::int64_t days = daysFromCivil(t.year, t.month, t.day) + kDaysFrom1601To1970;
    const std::int64_t ms = ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.milliseconds;
    return days * kTicksPerDay + ms * kTicksPerMillisecond;
}

SystemTime systemTimeFromFileTime(std::int64_t fileTime) {
    const std::int64_t days = fileTime / kTicksPerDay;
    std::int64_t ms = (fileTime % kTicksPerDay) / kTicksPerMillisecond;
    int year = 0;
    unsigned month = 0, day = 0;
    civilFromDays(days - kDaysFrom1601To1970, year, month, day);
    SystemTime t;
    t.year = static_cast<std::uint16_t>(year);
    t.month = static_cast<std::uint16_t>(month);
    t.day = static_cast<std::uint16_t>(day);
    t.dayOfWeek = static_cast<std::uint16_t>((days + 1) % 7);  // 1601-01-01 was a Monday
    t.milliseconds = static_cast<std::uint16_t>(ms % 1000);
    ms /= 1000;
    t.second = static_cast<std::uint16_t>(ms % 60);
    ms /= 60;
    t.minute = static_cast<std::uint16_t>(ms % 60);
    t.hour = static_cast<std::uint16_t>(ms / 60);
    return t;
}

bool SamplerOs::systemTimeToFileTime(const SystemTime& time, std::int64_t& fileTime) {
    auto converted = fileTimeFromSystemTime(time);
    if (converted) fileTime = *converted;
    return converted.has_value();
}

}  // namespace tidemark
