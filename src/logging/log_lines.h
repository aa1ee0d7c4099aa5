#pragma once
// The daily log's file name and the bytes of each line kind. Plain text with
// CR LF line ends and TAB between the two columns; dates and times arrive
// already formatted in the user's short formats.
#include <string>
#include <string_view>

namespace tidemark::logfile {

struct CalendarDate {
    int year = 0;  // four digits
    int month = 0;
    int day = 0;
};

// "mm-dd-yy": 5 December 2026 gives "12-05-26".
std::string datePattern(const CalendarDate& date);

// "TideMark" + mm-dd-yy + ".xls".
std::string fileName(const CalendarDate& date);

// The day's file in the log folder, with exactly one separator between them
// (a folder at the file-system root already ends in one).
std::string filePath(std::string_view logFolder, const CalendarDate& date);

// The window title while logging, naming the log file as the user finds it.
std::string loggingTitle(std::string_view logFilePath);

// A time format (Qt's letters: h/H hours, m minutes, s seconds, quoted
// literals) that shows seconds: the user's short format where it has them,
// else with seconds added after the minutes, joined as hours and minutes are
// ("HH:mm" -> "HH:mm:ss", "h.mm AP" -> "h.mm.ss AP"). Log times keep their
// seconds in every locale.
std::string timeFormatWithSeconds(std::string_view format);

// A time in one of those formats (h, hh, H, HH, m, mm, s, ss, AP/A upper
// and ap/a lower case, quoted literals with '' for a quote mark; any other
// character as it is), with the locale's texts for the two halves of the
// day. Plain code: the exit stop line is written after the toolkit may have
// torn its locale data down.
struct DayHalves {
    std::string am = "AM";
    std::string pm = "PM";
};
std::string formatTime(std::string_view format, int hour, int minute, int second, const DayHalves& halves = {});

// The block written when logging is switched on: the title line for a new
// file, else a blank line (which also ends an exit stop line); then the
// start line and the column heads.
std::string startBlock(bool fileExisted, std::string_view shortDate, std::string_view shortTime);

std::string titleLine(std::string_view shortDate);

// The title line and the column heads, which open a day's file that a
// reading creates (after midnight), so that every day's file says what it holds.
std::string newFileHeader(std::string_view shortDate);

// "23 %" and "61 %" give "23\t61\r\n": each label up to its first space.
std::string readingLine(std::string_view cpuLabel, std::string_view memLabel);

std::string stopLine(std::string_view shortTime);

// Written when the window closes while logging: no line end, so the next
// start's blank line completes it.
std::string exitStopLine(std::string_view shortTime);

}  // namespace tidemark::logfile
