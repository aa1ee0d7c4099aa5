// The daily log as the window writes it: byte for byte, across clicks, ticks,
// midnight, closing and failures. This suite also runs under de_DE.
#include <QCloseEvent>
#include <QLocale>
#include <cerrno>
#include <cstring>
#ifndef _WIN32
#include <unistd.h>
#endif

#include "support/file_system_limits.h"
#include "window/window_fixture.h"

namespace tidemark {
namespace {

using namespace tidemark::testing;

class Logging : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        machine.status.totalPhys = 1000 * 1024;
        machine.status.availPhys = 390 * 1024;  // 61 % in use
        started();
        logBox = button("chkLogTodisk");
        openButton = button("CmdOptions(3)");
    }
    QByteArray file(const char* name = "TideMark12-05-26.xls") const {
        return contentsOf(programDir.path() + "/Log/" + name);
    }
    // Seconds whatever the locale's short format says: 24 hours in C and German
    // on Linux, 12 with AM/PM in a fresh Windows user's (and Wine's) en-US.
    QByteArray time() const {
#ifdef _WIN32
        return clock.time.time().toString("h:mm:ss AP").toUtf8();
#else
        return clock.time.time().toString("HH:mm:ss").toUtf8();
#endif
    }
    QByteArray date() const { return QLocale::system().toString(clock.time.date(), QLocale::ShortFormat).toUtf8(); }
    QString title(const QString& file) const { return "Marlo-TIDEMARK - Logging: " + QDir::toNativeSeparators(file); }
    QToolButton* logBox = nullptr;
    QToolButton* openButton = nullptr;
};

// The exit stop line comes from a close handled during a tick, as when the
// user closes the window meanwhile; nothing follows it from that run.
TEST_F(Logging, StartReadingsStopRestartAndExit) {
    logBox->click();
    EXPECT_EQ(window->windowTitle(), title(programDir.path() + "/Log/TideMark12-05-26.xls"));
    EXPECT_FALSE(openButton->isEnabled());
    window->tmrUpdate_Timer();
    const QByteArray cpu = text("Label3").section(' ', 0, 0).toUtf8();
    logBox->click();
    EXPECT_TRUE(openButton->isEnabled());
    window->tmrUpdate_Timer();  // logging off: nothing written
    logBox->click();
    QCoreApplication::postEvent(window.get(), new QCloseEvent);
    window->tmrUpdate_Timer();
    EXPECT_FALSE(window->updateTimer().isActive());
    EXPECT_TRUE(lock.released);
    logBox->setChecked(false);  // what a fresh start would show
    logBox->click();            // a new start on the same day
    EXPECT_EQ(file().toStdString(), ("Marlo-TIDEMARK Log Date" + date() + "\r\nStart>" + time() + "\r\nCPU\tRAM\r\n" +
                                     cpu + "\t61\r\nStop>" + time() + "\r\n\r\nStart>" + time() +
                                     "\r\nCPU\tRAM\r\nStop>" + time() + "\t\r\nStart>" + time() + "\r\nCPU\tRAM\r\n")
                                        .toStdString());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

// Another copy ended its run in the same file meanwhile: its exit stop line
// has no line end, and what follows starts a line of its own. After midnight
// the reading opens the new day's file with its heads, in a folder made
// again if it was removed, and the title keeps the file logging started in.
TEST_F(Logging, NothingIsGluedOntoAnotherRunsExitStopLineAndMidnightOpensANewFile) {
    logBox->click();
    const QByteArray otherRun = "Stop>" + time() + "\t";
    for (const bool tick : {true, false}) {  // a reading, then the stop line
        QFile log(programDir.path() + "/Log/TideMark12-05-26.xls");
        ASSERT_TRUE(log.open(QIODevice::Append));
        log.write(otherRun);
        log.close();
        if (tick)
            window->tmrUpdate_Timer();
        else
            logBox->click();
        const QByteArray cpu = text("Label3").section(' ', 0, 0).toUtf8();
        EXPECT_TRUE(file().contains(otherRun + "\r\n" + (tick ? cpu + "\t61\r\n" : "Stop>" + time() + "\r\n")))
            << file().toStdString();
    }
    logBox->click();
    QDir(programDir.path() + "/Log").removeRecursively();
    clock.time = QDateTime(QDate(2026, 12, 6), QTime(0, 0, 1));
    window->tmrUpdate_Timer();
    EXPECT_TRUE(file("TideMark12-06-26.xls").startsWith("Marlo-TIDEMARK Log Date" + date() + "\r\nCPU\tRAM\r\n"));
    EXPECT_TRUE(file("TideMark12-06-26.xls").endsWith("\t61\r\n"));
    EXPECT_EQ(window->windowTitle(), title(programDir.path() + "/Log/TideMark12-05-26.xls"));
}

// A log that cannot be written at the start (a folder stands in its place)
// or stops being writable meanwhile is reported once, with its reason, not
// as in use; logging ends and nothing written is lost.
TEST_F(Logging, LogThatCannotBeWrittenIsReportedOnceWithItsReasonNotAsInUse) {
    const QString caption = window->windowTitle();
    for (const bool atStart : {true, false}) {
        SCOPED_TRACE(atStart ? "at the start" : "meanwhile");
        const QString log = programDir.path() + "/Log/TideMark12-05-26.xls";
        dialogs.shown.clear();
        if (atStart) QDir().mkpath(log);
        logBox->click();
        if (atStart) QDir(log).removeRecursively();
        const QByteArray written = file();
        if (!atStart) {
            ReadOnlyFolder readOnly((programDir.path() + "/Log").toStdString());
            window->tmrUpdate_Timer();
            window->tmrUpdate_Timer();
        }
        ASSERT_EQ(dialogs.shown.size(), 1) << "no message per tick";
        EXPECT_TRUE(dialogs.shown.front().startsWith("TideMark save log|The log file " + QDir::toNativeSeparators(log) +
                                                     " could not be written: "));
        EXPECT_FALSE(logBox->isChecked());
        EXPECT_EQ(window->windowTitle(), caption);
        EXPECT_TRUE(openButton->isEnabled());
        EXPECT_EQ(file(), written);
    }
}

#ifndef _WIN32
// A log another program keeps writers out of (a running program, linked into
// the log folder, which Windows cannot do) asks the user to close that program.
TEST_F(Logging, LogHeldBusyByAnotherProgramAsksToCloseIt) {
    ASSERT_TRUE(QDir().mkpath(programDir.path() + "/Log"));
    const QString running = QFileInfo("/proc/self/exe").canonicalFilePath();
    if (::link(QFile::encodeName(running).constData(),
               QFile::encodeName(programDir.path() + "/Log/TideMark12-05-26.xls").constData()) != 0)
        GTEST_SKIP() << "the running program lies on another file system: " << std::strerror(errno);
    logBox->click();
    EXPECT_EQ(dialogs.shown,
              QStringList{"TideMark save log|Please close Excel (or the program that has the file open)."});
    EXPECT_FALSE(logBox->isChecked());
}
#endif

// The program's own folder cannot hold a "Log" folder (it is a file here).
class LogFolders : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        QFile blocker(programDir.path() + "/installed");
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        programFolder = blocker.fileName();
    }
    void startLogging() {
        started();
        button("chkLogTodisk")->click();
    }
    QString title() const { return "Marlo-TIDEMARK - Logging: " + userFolder + "/Log/TideMark12-05-26.xls"; }
};

TEST_F(LogFolders, NoUsableFolderWritesNothingAndSaysWhy) {
    const std::pair<QString, QString> rows[] = {
        // the per-user folder, the message
        {programFolder + "/user", "The log folder " + QDir::toNativeSeparators(programFolder + "/user/Log") +
                                      " could not be made: " + QString::fromLocal8Bit(std::strerror(ENOTDIR))},
        {"", "The log folder Log could not be made: the user has no home folder"},
    };
    for (const auto& [folder, message] : rows) {
        SCOPED_TRACE(message.toStdString());
        userFolder = folder;
        dialogs.shown.clear();
        startLogging();
        EXPECT_FALSE(QFile::exists("/TideMark12-05-26.xls")) << "never the root folder";
        EXPECT_EQ(dialogs.shown, QStringList{"TideMark save log|" + message});
        EXPECT_FALSE(button("chkLogTodisk")->isChecked());
    }
}

// The folder's name reaches the system whole, whatever its letters: on
// Windows a narrow path would be read in the ANSI code page and name another.
TEST_F(LogFolders, ProgramFolderWithLettersBeyondAsciiHoldsTheLog) {
    programFolder = programDir.path() + QString::fromUtf8("/J\xc3\xb6rg-\xc3\xbc");
    ASSERT_TRUE(QDir().mkdir(programFolder));
    startLogging();
    window->tmrUpdate_Timer();
    EXPECT_TRUE(QFile(programFolder + "/Log/TideMark12-05-26.xls").size() > 0);
    EXPECT_EQ(QDir(programDir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({QString::fromUtf8("J\xc3\xb6rg-\xc3\xbc")}));
}

#ifndef _WIN32
// (Links and other users' folders are made on POSIX systems only.) The
// user's own link to the logs is followed; a "Log" beside the program that
// is a link or another user's folder could lead the log into a file someone
// else chose: the per-user folder is used, and checked before each write.
TEST_F(LogFolders, OnlyTheUsersOwnLinksAreFollowed) {
    QTemporaryDir otherDisk, elsewhere;
    ASSERT_TRUE(QDir().mkpath(userFolder));
    ASSERT_TRUE(QFile::link(otherDisk.path(), userFolder + "/Log"));
    startLogging();
    EXPECT_EQ(window->windowTitle(), title());
    window->tmrUpdate_Timer();
    EXPECT_TRUE(QFile(otherDisk.filePath("TideMark12-05-26.xls")).size() > 0);
    programFolder = programDir.path();
    const QString beside = programFolder + "/Log";
    for (const bool link : {true, false}) {
        SCOPED_TRACE(link ? "a link" : "another user's folder");
        QFile::remove(beside);
        if (link)
            ASSERT_TRUE(QFile::link(elsewhere.path(), beside));
        else if (!QDir().mkdir(beside) || ::chown(QFile::encodeName(beside).constData(), 65534, 65534) != 0)
            continue;  // only root can give a folder to another user
        startLogging();
        EXPECT_EQ(window->windowTitle(), title());
        EXPECT_TRUE(QDir(beside).isEmpty());
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
    QDir(beside).removeRecursively();
    QFile::remove(beside);
    startLogging();
    ASSERT_TRUE(QDir(beside).removeRecursively());
    ASSERT_TRUE(QFile::link(elsewhere.path(), beside));
    window->tmrUpdate_Timer();
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
    EXPECT_EQ(dialogs.shown,
              QStringList{"TideMark save log|The log folder " + beside + " could not be made: it is a symbolic link"});
}
#endif

}  // namespace
}  // namespace tidemark
