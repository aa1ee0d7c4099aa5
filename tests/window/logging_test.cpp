// The daily log as the window writes it: byte for byte, across clicks, ticks,
// midnight, closing and failures.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <QToolButton>
#include <QCloseEvent>
#include <QTimer>
#include <QCoreApplication>
#include <cstring>
#include <gtest/gtest.h>

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
        logBox = control<QToolButton>("chkLogTodisk");
        openButton = control<QToolButton>("CmdOptions(3)");
    }
    QByteArray file(const char* name) const {
        QFile f(programDir.path() + "/Log/" + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Log times keep their seconds whatever the locale's short format says;
    // this suite also runs under de_DE, whose short format is "HH:mm".
    QByteArray time() const { return clock.time.time().toString("HH:mm:ss").toUtf8(); }
    QByteArray date() const { return QLocale::system().toString(clock.time.date(), QLocale::ShortFormat).toUtf8(); }

    QToolButton* logBox = nullptr;
    QToolButton* openButton = nullptr;
};

TEST_F(Logging, StartReadingsStopRestartAndExit) {
    logBox->click();
    EXPECT_EQ(window->windowTitle().toStdString(), ("Marlo-TIDEMARK - Logging: " + programDir.path() + "/Log/TideMark12-05-26.xls").toStdString());
    EXPECT_FALSE(openButton->isEnabled());
    window->tmrUpdate_Timer();
    const QByteArray cpu = window->findChild<QLabel*>("Label3")->text().section(' ', 0, 0).toUtf8();
    logBox->click();
    EXPECT_TRUE(openButton->isEnabled());
    window->tmrUpdate_Timer();  // logging off: nothing written
    logBox->click();
    window->close();            // exit stop line
    logBox->setChecked(false);  // what a fresh start would show
    logBox->click();            // a new start on the same day
    const QByteArray expected = "Marlo-TIDEMARK Log Date" + date() + "\r\nStart>" + time() + "\r\nCPU\tRAM\r\n" + cpu +
                                "\t61\r\nStop>" + time() + "\r\n\r\nStart>" + time() + "\r\nCPU\tRAM\r\nStop>" + time() +
                                "\t\r\nStart>" + time() + "\r\nCPU\tRAM\r\n";
    EXPECT_EQ(file("TideMark12-05-26.xls").toStdString(), expected.toStdString());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(Logging, ReadingAfterMidnightOpensTheNewDaysFileWithItsHeads) {
    logBox->click();
    clock.time = QDateTime(QDate(2026, 12, 6), QTime(0, 0, 1));
    window->tmrUpdate_Timer();
    EXPECT_TRUE(file("TideMark12-06-26.xls").startsWith("Marlo-TIDEMARK Log Date" + date() + "\r\nCPU\tRAM\r\n"));
    EXPECT_TRUE(file("TideMark12-06-26.xls").endsWith("\t61\r\n"));
    EXPECT_EQ(window->windowTitle().toStdString(), ("Marlo-TIDEMARK - Logging: " + programDir.path() + "/Log/TideMark12-05-26.xls").toStdString());
}

TEST_F(Logging, MissingFolderIsMadeAgain) {
    QDir(programDir.path() + "/Log").removeRecursively();
    logBox->click();
    EXPECT_TRUE(file("TideMark12-05-26.xls").startsWith("Marlo-TIDEMARK Log Date"));
}

TEST_F(Logging, FileThatCannotBeWrittenIsReportedOnceAndLoggingStops) {
    QDir().mkpath(programDir.path() + "/Log/TideMark12-05-26.xls");  // a folder where the file should be
    const QString caption = window->windowTitle();
    logBox->click();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown.front().startsWith("TideMark save log|"));
    EXPECT_TRUE(dialogs.shown.front().contains("TideMark12-05-26.xls"));
    EXPECT_FALSE(logBox->isChecked());
    EXPECT_EQ(window->windowTitle(), caption);
    EXPECT_TRUE(openButton->isEnabled());
    window->tmrUpdate_Timer();
    EXPECT_EQ(dialogs.shown.size(), 1) << "no message per tick";
}

}  // namespace
}  // namespace tidemark

namespace tidemark {
namespace {

TEST_F(Logging, FailureDuringLoggingStopsItOnceAndKeepsEarlierLines) {
    logBox->click();
    window->tmrUpdate_Timer();
    const QByteArray written = file("TideMark12-05-26.xls");
    QDir().mkpath(programDir.path() + "/Log/TideMark12-06-26.xls");  // the next day's name is taken
    clock.time = QDateTime(QDate(2026, 12, 6), QTime(0, 0, 1));
    window->tmrUpdate_Timer();
    window->tmrUpdate_Timer();
    EXPECT_EQ(dialogs.shown.size(), 1);
    EXPECT_FALSE(logBox->isChecked());
    EXPECT_TRUE(openButton->isEnabled());
    EXPECT_EQ(file("TideMark12-05-26.xls"), written);
}

}  // namespace
}  // namespace tidemark

namespace tidemark {
namespace {

TEST_F(Logging, CloseHandledDuringATickEndsTheLogWithTheExitStopLine) {
    logBox->click();
    window->tmrUpdate_Timer();
    QCoreApplication::postEvent(window.get(), new QCloseEvent);  // the user closes the window meanwhile
    window->tmrUpdate_Timer();
    EXPECT_TRUE(file("TideMark12-05-26.xls").endsWith("\r\nStop>" + time() + "\t")) << "nothing after the exit stop line";
    EXPECT_FALSE(window->updateTimer().isActive());
}

TEST_F(Logging, ReadOnlyLogIsReportedWithItsReasonNotAsInUse) {
    logBox->click();
    const QByteArray written = file("TideMark12-05-26.xls");
    {
        ReadOnlyFolder readOnly((programDir.path() + "/Log").toStdString());
        window->tmrUpdate_Timer();
    }
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown.front().startsWith("TideMark save log|The log file " + programDir.path() +
                                                 "/Log/TideMark12-05-26.xls could not be written: "))
        << dialogs.shown.front().toStdString();
    EXPECT_FALSE(logBox->isChecked());
    EXPECT_EQ(file("TideMark12-05-26.xls"), written);
}

// Log folders that cannot be made where the program stands.
class LogFolders : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        QFile blocker(programDir.path() + "/installed");
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        programFolder = blocker.fileName();  // a file: no "Log" can be made under it
    }
    void clickLogData() { control<QToolButton>("chkLogTodisk")->click(); }
};

TEST_F(LogFolders, TitleNamesTheFileWhereItReallyIs) {
    started();
    clickLogData();
    EXPECT_EQ(window->windowTitle(), "Marlo-TIDEMARK - Logging: " + userFolder + "/Log/TideMark12-05-26.xls");
    EXPECT_TRUE(QFile::exists(userFolder + "/Log/TideMark12-05-26.xls"));
}

TEST_F(LogFolders, NoUsableFolderWritesNothingAndSaysWhy) {
    userFolder = programFolder + "/user";
    started();
    const QString caption = window->windowTitle();
    clickLogData();
    EXPECT_FALSE(QFile::exists("/TideMark12-05-26.xls")) << "never the root folder";
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown.front(), "TideMark save log|The log folder " + userFolder +
                                         "/Log could not be made: " + QString::fromLocal8Bit(std::strerror(ENOTDIR)));
    EXPECT_FALSE(control<QToolButton>("chkLogTodisk")->isChecked());
    EXPECT_EQ(window->windowTitle(), caption);
}

}  // namespace
}  // namespace tidemark
