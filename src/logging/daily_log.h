#pragma once
// The daily log file as the window drives it: switched on and off by the
// user, one reading per tick, the exit stop line when the program ends. It
// owns the log folder, the clock and the on/off state; the window shows what
// each step reports.
#include <QString>
#include <string_view>

#include "logging/log_lines.h"
#include "platform/append_file.h"
#include "platform/qt/app_folders.h"
#include "platform/qt/desktop_services.h"

namespace tidemark {

// The one message for the user after a step; empty when all went well. A
// step that failed has already switched logging off.
struct LogReport {
    QString message;
    bool failed() const { return !message.isEmpty(); }
};

class DailyLog {
public:
    // The log goes to "Log" beside the program, or to "Log" in the per-user
    // data folder where the program's folder cannot be written.
    DailyLog(Clock& clock, QString programFolder, QString userDataFolder);

    // Makes the log folder at start-up; a failure is reported by the first write.
    void prepareFolder();

    // Switching on writes the title line (a new file) or a blank line, then
    // the start line and the column heads; it may be repeated while on.
    LogReport start();
    LogReport stop();
    // Each label up to its first space: "23 %" and "61 %" make "23<TAB>61".
    LogReport record(std::string_view cpuLabel, std::string_view memLabel);
    // "Stop>" and the time and a TAB, once, without a line end, when logging
    // is on; nothing is reported.
    void stopOnExit();

    bool isOn() const { return on_; }
    // The window title while on, naming the file logging was switched on into.
    QString title() const { return title_; }
    // Where the logs are, for the Open button.
    QString folder() const;

private:
    bool folderReady(LogReport& report);
    LogReport append(const std::string& path, const std::string& bytes, LineStart start);
    std::string logTime(const QDateTime& t) const;
    LogReport failure(const QString& message);
    std::string pathFor(const QDateTime& now) const;

    Clock& clock_;
    QString programFolder_;
    QString userDataFolder_;
    QString folder_;                                  // empty until a log folder could be made
    FolderLinks folderLinks_ = FolderLinks::Refused;  // whether a link may stand for it
    QString title_;
    bool on_ = false;
    std::string timeFormat_;  // the locale's short time format, with seconds
    logfile::DayHalves dayHalves_;
};

}  // namespace tidemark
