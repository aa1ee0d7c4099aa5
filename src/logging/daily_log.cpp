#include "logging/daily_log.h"

#include <QDir>
#include <QLocale>

#include "logging/log_lines.h"
#include "platform/append_file.h"
#include "platform/qt/app_folders.h"

namespace tidemark {
namespace {

logfile::CalendarDate calendarDate(const QDate& date) { return {date.year(), date.month(), date.day()}; }

std::string shortDate(const QDateTime& t) {
    return QLocale::system().toString(t.date(), QLocale::ShortFormat).toStdString();
}

QString shown(const std::string& path) { return QDir::toNativeSeparators(QString::fromStdString(path)); }

}  // namespace

// The locale is read here, once: the exit stop line is written when the
// process ends, and then the toolkit's locale data may be gone already.
DailyLog::DailyLog(Clock& clock, QString programFolder, QString userDataFolder)
    : clock_(clock),
      programFolder_(std::move(programFolder)),
      userDataFolder_(std::move(userDataFolder)),
      timeFormat_(logfile::timeFormatWithSeconds(QLocale::system().timeFormat(QLocale::ShortFormat).toStdString())),
      dayHalves_{QLocale::system().amText().toUpper().toStdString(),
                 QLocale::system().pmText().toUpper().toStdString()} {}

std::string DailyLog::logTime(const QDateTime& t) const {
    return logfile::formatTime(timeFormat_, t.time().hour(), t.time().minute(), t.time().second(), dayHalves_);
}

void DailyLog::prepareFolder() {
    if (const FolderResult folder = ensureLogFolder(programFolder_, userDataFolder_); folder.ok()) {
        folder_ = folder.path;
        folderLinks_ = folder.links;
    }
}

QString DailyLog::folder() const { return folder_.isEmpty() ? QDir(programFolder_).filePath("Log") : folder_; }

std::string DailyLog::pathFor(const QDateTime& now) const {
    return logfile::filePath(folder_.toStdString(), calendarDate(now.date()));
}

LogReport DailyLog::failure(const QString& message) {
    on_ = false;
    return {message};
}

// The folder is made again before each write, so one removed while logging
// comes back; when none can be made nothing is written anywhere else.
bool DailyLog::folderReady(LogReport& report) {
    const FolderResult folder =
        folder_.isEmpty() ? ensureLogFolder(programFolder_, userDataFolder_) : makeFolder(folder_, folderLinks_);
    if (folder.ok()) {
        folder_ = folder.path;
        folderLinks_ = folder.links;
        return true;
    }
    report = failure(
        QString("The log folder %1 could not be made: %2").arg(QDir::toNativeSeparators(folder.path), folder.error));
    return false;
}

LogReport DailyLog::append(const std::string& path, const std::string& bytes, LineStart start) {
    const AppendResult result = appendToFile(path, bytes, start);
    if (result.ok()) return {};
    if (result.status == AppendResult::Status::InUse)
        return failure("Please close Excel (or the program that has the file open).");
    return failure(
        QString("The log file %1 could not be written: %2").arg(shown(path), QString::fromStdString(result.reason)));
}

LogReport DailyLog::start() {
    LogReport report;
    if (!folderReady(report)) return report;
    const QDateTime now = clock_.now();
    const std::string path = pathFor(now);
    // The start block's first line end also ends a line left open before it.
    report = append(path, logfile::startBlock(FileExists(path), shortDate(now), logTime(now)), LineStart::AtTheEnd);
    if (report.failed()) return report;
    on_ = true;
    title_ = QString::fromStdString(logfile::loggingTitle(shown(path).toStdString()));
    return report;
}

LogReport DailyLog::stop() {
    LogReport report;
    if (!folderReady(report)) return report;
    const QDateTime now = clock_.now();
    report = append(pathFor(now), logfile::stopLine(logTime(now)), LineStart::OnANewLine);
    on_ = false;
    return report;
}

// A reading that opens a new day's file (after midnight) brings the title
// line and the column heads with it, so every day's file says what it holds.
LogReport DailyLog::record(std::string_view cpuLabel, std::string_view memLabel) {
    LogReport report;
    if (!folderReady(report)) return report;
    const QDateTime now = clock_.now();
    const std::string path = pathFor(now);
    const std::string header = FileExists(path) ? std::string() : logfile::newFileHeader(shortDate(now));
    return append(path, header + logfile::readingLine(cpuLabel, memLabel), LineStart::OnANewLine);
}

void DailyLog::stopOnExit() {
    if (!on_) return;
    on_ = false;
    const QDateTime now = clock_.now();
    appendToFile(pathFor(now), logfile::exitStopLine(logTime(now)), LineStart::OnANewLine);
}

}  // namespace tidemark
