#include "logging/log_lines.h"

#include <cstdio>

namespace tidemark::logfile {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string_view upToFirstSpace(std::string_view text) { return text.substr(0, text.find(' ')); }

std::string twoDigits(int value) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d", ((value % 100) + 100) % 100);
    return digits;
}

}  // namespace

std::string datePattern(const CalendarDate& date) {
    return twoDigits(date.month) + "-" + twoDigits(date.day) + "-" + twoDigits(date.year);
}

std::string fileName(const CalendarDate& date) { return "TideMark" + datePattern(date) + ".xls"; }

std::string filePath(std::string_view logFolder, const CalendarDate& date) {
    std::string path(logFolder);
    if (path.empty() || path.back() != '/') path += '/';
    return path + fileName(date);
}

std::string loggingTitle(std::string_view logFilePath) {
    return "Marlo-TIDEMARK - Logging: " + std::string(logFilePath);
}

std::string timeFormatWithSeconds(std::string_view format) {
    constexpr auto none = std::string_view::npos;
    std::size_t hoursEnd = none, minutesStart = none, minutesEnd = none;
    bool quoted = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '\'') quoted = !quoted;
        if (quoted || c == '\'') continue;
        if (c == 's') return std::string(format);
        if (c == 'h' || c == 'H') hoursEnd = i + 1;
        if (c == 'm') {
            if (minutesEnd != i) minutesStart = i;
            minutesEnd = i + 1;
        }
    }
    if (minutesEnd == none) return std::string(format) + ":ss";
    std::string separator = ":";
    if (hoursEnd != none && hoursEnd < minutesStart) {
        const std::string_view between = format.substr(hoursEnd, minutesStart - hoursEnd);
        if (between.find_first_of("'hHmsaApP") == none) separator = between;
    }
    std::string result(format);
    result.insert(minutesEnd, separator + "ss");
    return result;
}

namespace {

std::size_t runLength(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && text[end] == text[at]) ++end;
    return end - at;
}

std::string number(int value, std::size_t letters) { return letters >= 2 ? twoDigits(value) : std::to_string(value); }

std::string lowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The text of a quoted literal starting at `at` (the opening quote), and
// where it ends; '' stands for one quote mark, inside a literal or alone.
std::pair<std::string, std::size_t> quoted(std::string_view format, std::size_t at) {
    if (at + 1 < format.size() && format[at + 1] == '\'') return {"'", at + 2};
    std::string text;
    std::size_t i = at + 1;
    while (i < format.size()) {
        if (format[i] != '\'') {
            text += format[i++];
        } else if (i + 1 < format.size() && format[i + 1] == '\'') {
            text += '\'';
            i += 2;
        } else {
            return {text, i + 1};
        }
    }
    return {text, i};
}

// Whether the format shows AM or PM (outside its quoted literals), and so
// counts the hours to 12.
bool showsDayHalf(std::string_view format) {
    bool quoted = false;
    for (const char c : format) {
        if (c == '\'') quoted = !quoted;
        if (!quoted && (c == 'a' || c == 'A')) return true;
    }
    return false;
}

}  // namespace

std::string formatTime(std::string_view format, int hour, int minute, int second, const DayHalves& halves) {
    const bool twelveHours = showsDayHalf(format);
    const int clockHour = twelveHours ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
    std::string text;
    for (std::size_t i = 0; i < format.size();) {
        const char c = format[i];
        const std::size_t letters = std::min<std::size_t>(runLength(format, i), 2);
        switch (c) {
            case '\'': {
                const auto [literal, end] = quoted(format, i);
                text += literal;
                i = end;
                continue;
            }
            case 'h':
                text += number(clockHour, letters);
                break;
            case 'H':
                text += number(hour, letters);
                break;
            case 'm':
                text += number(minute, letters);
                break;
            case 's':
                text += number(second, letters);
                break;
            case 'A':
            case 'a': {
                const std::string& half = hour < 12 ? halves.am : halves.pm;
                text += c == 'A' ? half : lowerAscii(half);
                const bool withP = i + 1 < format.size() && (format[i + 1] == 'P' || format[i + 1] == 'p');
                i += withP ? 2 : 1;
                continue;
            }
            default:
                text += c;
                i += 1;
                continue;
        }
        i += letters;
    }
    return text;
}

std::string titleLine(std::string_view shortDate) {
    return "Marlo-TIDEMARK Log Date" + std::string(shortDate) + std::string(kLineEnd);
}

std::string newFileHeader(std::string_view shortDate) {
    return titleLine(shortDate) + "CPU\tRAM" + std::string(kLineEnd);
}

std::string startBlock(bool fileExisted, std::string_view shortDate, std::string_view shortTime) {
    std::string block = fileExisted ? std::string(kLineEnd) : titleLine(shortDate);
    block += "Start>" + std::string(shortTime) + std::string(kLineEnd);
    block += "CPU\tRAM" + std::string(kLineEnd);
    return block;
}

std::string readingLine(std::string_view cpuLabel, std::string_view memLabel) {
    return std::string(upToFirstSpace(cpuLabel)) + "\t" + std::string(upToFirstSpace(memLabel)) + std::string(kLineEnd);
}

std::string stopLine(std::string_view shortTime) { return "Stop>" + std::string(shortTime) + std::string(kLineEnd); }

std::string exitStopLine(std::string_view shortTime) { return "Stop>" + std::string(shortTime) + "\t"; }

}  // namespace tidemark::logfile
