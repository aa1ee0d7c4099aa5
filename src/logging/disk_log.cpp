// The daily log: starting and stopping it from the "Log data" box, one
// reading per tick, and the stop line when the window closes.
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QToolButton>

#include "logging/append_file.h"
#include "logging/log_lines.h"
#include "platform/qt/app_folders.h"
#include "window/frm_main.h"
namespace tidemark {
namespace {

logfile::CalendarDate calendarDate(const QDate& date) { return {date.year(), date.month(), date.day()}; }
std::string shortDate(const QDateTime& t) { return QLocale::system().toString(t.date(), QLocale::ShortFormat).toStdString(); }
std::string logTime(const QDateTime& t) {
    const QLocale locale = QLocale::system();
    const std::string format = logfile::timeFormatWithSeconds(locale.timeFormat(QLocale::ShortFormat).toStdString());
    return locale.toString(t.time(), QString::fromStdString(format)).toStdString();
}

}  // namespace

std::string frmMain::logPathFor(const QDateTime& now) const {
    return logfile::filePath(mLogFolder.toStdString(), calendarDate(now.date()));
}

// The log folder is made again before each write, so one removed while
// logging comes back; when none can be made nothing is written anywhere else.
bool frmMain::logFolderReady() {
    const FolderResult folder = mLogFolder.isEmpty() ? ensureLogFolder(services_.programFolder, services_.userDataFolder)
                                                     : makeFolder(mLogFolder);
    if (folder.ok()) {
        mLogFolder = folder.path;
        return true;
    }
    reportLogFailure(QString("The log folder %1 could not be made: %2").arg(QDir::toNativeSeparators(folder.path), folder.error));
    return false;
}

// On failure logging goes off before the one message is shown, so ticks
// during the message do not report again.
void frmMain::reportLogFailure(const QString& text) {
    switchLoggingOff();
    services_.dialogs.exclamation(this, "TideMark save log", text);
}

bool frmMain::appendToLog(const std::string& path, const std::string& bytes) {
    const AppendResult result = appendToFile(path, bytes);
    if (result.ok()) return true;
    reportLogFailure(result.status == AppendResult::Status::InUse
                         ? QString("Please close Excel (or the program that has the file open).")
                         : QString("The log file %1 could not be written: %2")
                               .arg(QDir::toNativeSeparators(QString::fromStdString(path)),
                                    QString::fromStdString(result.reason)));
    return false;
}

void frmMain::switchLoggingOff() {
    chkLogTodisk->setChecked(false);
    setWindowTitle(mSavedCaption);
    CmdOptions[3]->setEnabled(true);
}

void frmMain::chkLogTodisk_Click() {
    if (!logFolderReady()) return;
    const QDateTime now = services_.clock.now();
    const std::string path = logPathFor(now);
    const bool logging = chkLogTodisk->isChecked();
    const std::string bytes = logging ? logfile::startBlock(FileExists(path), shortDate(now), logTime(now))
                                      : logfile::stopLine(logTime(now));
    if (!appendToLog(path, bytes)) return;
    const QString shownPath = QDir::toNativeSeparators(QString::fromStdString(path));
    setWindowTitle(logging ? QString::fromStdString(logfile::loggingTitle(shownPath.toStdString())) : mSavedCaption);
    CmdOptions[3]->setEnabled(!logging);
    picnofocus->setFocus();
}

void frmMain::LogItToDisk() {
    if (!logFolderReady()) return;
    const QDateTime now = services_.clock.now();
    const std::string path = logPathFor(now);
    const std::string header = FileExists(path) ? std::string() : logfile::newFileHeader(shortDate(now));
    appendToLog(path, header + logfile::readingLine(Label3->text().toStdString(), Label4->text().toStdString()));
}

void frmMain::LogStopOnExit() {
    if (mLogFolder.isEmpty()) return;
    const QDateTime now = services_.clock.now();
    appendToFile(logPathFor(now), logfile::exitStopLine(logTime(now)));
}

}  // namespace tidemark
