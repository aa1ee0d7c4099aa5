// The program as a real process: started without a display, and ended by
// signals from outside.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>

namespace tidemark {
namespace {

TEST(Program, WithoutADisplaySaysSoInOneLineAndExitsWithStatus1) {
    for (const char* display : {"", ":4077"}) {
        SCOPED_TRACE(display);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("DISPLAY");
        if (*display) environment.insert("DISPLAY", display);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(TIDEMARK_PROGRAM);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no abort";
        EXPECT_EQ(program.exitCode(), 1);
        const QStringList lines = QString(program.readAllStandardError()).trimmed().split('\n');
        ASSERT_EQ(lines.size(), 1) << lines.join('\n').toStdString();
        EXPECT_TRUE(lines.front().contains("no display could be opened")) << lines.front().toStdString();
    }
}

TEST(Program, TermIntAndHupEndItLikeAClose) {
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(number);
        QTemporaryDir folder;  // the program logs into "Log" beside itself
        const QString child = folder.filePath("tidemark-child");
        ASSERT_TRUE(QFile::copy(SIGNAL_CHILD, child));
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(child);
        ASSERT_TRUE(program.waitForReadyRead(20000));
        ASSERT_EQ(program.readAllStandardOutput().trimmed(), "ready");
        ::kill(static_cast<pid_t>(program.processId()), number);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
        const QStringList logs = QDir(folder.filePath("Log")).entryList({"TideMark*.xls"}, QDir::Files);
        ASSERT_EQ(logs.size(), 1);
        QFile log(folder.filePath("Log/" + logs.front()));
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        const QByteArray bytes = log.readAll();
        EXPECT_EQ(bytes.count("Stop>"), 1) << bytes.toStdString();
        EXPECT_TRUE(bytes.endsWith("\t")) << "the exit stop line ends the file";
    }
}

}  // namespace
}  // namespace tidemark

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
