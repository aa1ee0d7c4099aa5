// The daily log: starting and stopping it from the "Log data" box, one
// reading per tick, and the stop line when the window closes.
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QToolButton>

#include "logging/append_file.h"
#include "logging/log_lines.h"
#include "window/frm_main.h"
namespace tidemark {
namespace {

logfile::CalendarDate calendarDate(const QDate& date) { return {date.year(), date.month(), date.day()}; }
std::string shortDate(const QDateTime& t) { return QLocale::system().toString(t.date(), QLocale::ShortFormat).toStdString(); }
std::string shortTime(const QDateTime& t) { return QLocale::system().toString(t.time(), QLocale::ShortFormat).toStdString(); }

}  // namespace

// Writes to the day's file; on failure logging goes off before the one
// message is shown, so ticks during the message do not report again.
std::string frmMain::logPathFor(const QDateTime& now) const {
    return logfile::filePath(mLogFolder.toStdString(), calendarDate(now.date()));
}

bool frmMain::appendToLog(const std::string& path, const std::string& bytes) {
    QDir().mkpath(mLogFolder);  // a folder removed while running is made again
    const AppendResult result = appendToFile(path, bytes);
    if (result.ok()) return true;
    switchLoggingOff();
    const QString text = result.status == AppendResult::Status::InUse
                             ? QString("Please close Excel (or the program that has the file open).")
                             : QString("The log file %1 could not be written: %2")
                                   .arg(QString::fromStdString(path), QString::fromStdString(result.reason));
    services_.dialogs.exclamation("TideMark save log", text);
    return false;
}

void frmMain::switchLoggingOff() {
    chkLogTodisk->setChecked(false);
    setWindowTitle(mSavedCaption);
    CmdOptions[3]->setEnabled(true);
}

void frmMain::chkLogTodisk_Click() {
    const QDateTime now = services_.clock.now();
    const std::string path = logPathFor(now);
    const bool logging = chkLogTodisk->isChecked();
    const std::string bytes = logging ? logfile::startBlock(FileExists(path), shortDate(now), shortTime(now))
                                      : logfile::stopLine(shortTime(now));
    if (!appendToLog(path, bytes)) return;
    setWindowTitle(logging ? QString::fromStdString(logfile::loggingTitle(calendarDate(now.date()))) : mSavedCaption);
    CmdOptions[3]->setEnabled(!logging);
    picnofocus->setFocus();
}

void frmMain::LogItToDisk() {
    const QDateTime now = services_.clock.now();
    const std::string path = logPathFor(now);
    const std::string header = FileExists(path) ? std::string() : logfile::newFileHeader(shortDate(now));
    appendToLog(path, header + logfile::readingLine(Label3->text().toStdString(), Label4->text().toStdString()));
}

void frmMain::LogStopOnExit() {
    const QDateTime now = services_.clock.now();
    const std::string path = logPathFor(now);
    appendToFile(path, logfile::exitStopLine(shortTime(now)));
}

}  // namespace tidemark
