// The program as a real process: started without a display, with options,
// from folders of its own or not, and ended by signals from outside.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

namespace tidemark {
namespace {

QProcessEnvironment withoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("DISPLAY");
    return environment;
}

// Starts a logging copy of the program and ends it with SIGTERM, as a close.
void runLoggingCopy(const QString& program, const QProcessEnvironment& environment) {
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program);
    ASSERT_TRUE(child.waitForReadyRead(20000));
    ASSERT_EQ(child.readAllStandardOutput().trimmed(), "ready");
    ::kill(static_cast<pid_t>(child.processId()), SIGTERM);
    ASSERT_TRUE(child.waitForFinished(20000));
    EXPECT_EQ(child.exitCode(), 0);
}

TEST(Program, WithoutADisplaySaysSoInOneLineAndExitsWithStatus1) {
    for (const char* display : {"", ":4077"}) {
        SCOPED_TRACE(display);
        QProcessEnvironment environment = withoutDisplay();
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

// Help and the version come before the toolkit, so they need no display; a
// program that opened one first would end with status 1 here.
TEST(Program, OptionsAnswerWithoutADisplayAndUnknownOnesAreUsageErrors) {
    struct Row {
        QStringList arguments;
        int status;
        QString out;  // the start of standard output
        QString err;  // the start of standard error
    };
    const QString usage = "Usage: tidemark [options]\n";
    const Row rows[] = {
        {{"--help"}, 0, usage, ""},
        {{"-h"}, 0, usage, ""},
        {{"--version"}, 0, "TideMark " PROJECT_VERSION "\n", ""},
        {{"-v"}, 0, "TideMark " PROJECT_VERSION "\n", ""},
        {{"--bogus"}, 2, "", "Unknown option 'bogus'.\n\n" + usage},
        {{"extra"}, 2, "", "Unexpected argument 'extra'.\n\n" + usage},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        QProcess program;
        program.setProcessEnvironment(withoutDisplay());
        program.start(TIDEMARK_PROGRAM, row.arguments);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitCode(), row.status);
        const QString out = program.readAllStandardOutput();
        const QString err = program.readAllStandardError();
        EXPECT_TRUE(row.out.isEmpty() ? out.isEmpty() : out.startsWith(row.out)) << out.toStdString();
        EXPECT_TRUE(row.err.isEmpty() ? err.isEmpty() : err.startsWith(row.err)) << err.toStdString();
    }
}

// An installed copy, or one in a folder another user owns, logs into the
// user's data folder and leaves its own folder alone.
TEST(Program, LogsBesideItselfOnlyInACopyItsUserOwns) {
    struct Row {
        const char* name;
        QString binFolder;      // where the copy runs from, under a fresh prefix
        bool desktopEntry;      // the install rules' entry under the prefix
        bool ownedByAnother;
        bool beside;
    };
    const Row rows[] = {
        {"an unpacked copy its user owns", "", false, false, true},
        {"installed under a prefix", "bin", true, false, false},
        {"a copy in a folder another user owns", "", false, true, false},  // last: it needs root
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir prefix, data, runtime;
        const QString folder = prefix.filePath(row.binFolder);
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(QFile::copy(SIGNAL_CHILD, folder + "/tidemark"));
        if (row.desktopEntry) {
            ASSERT_TRUE(QDir().mkpath(prefix.filePath("share/applications")));
            QFile entry(prefix.filePath("share/applications/" TIDEMARK_APP_ID ".desktop"));
            ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        }
        if (row.ownedByAnother && ::chown(folder.toLocal8Bit().constData(), 65534, 65534) != 0)
            GTEST_SKIP() << "only root can give the folder to another user";
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", data.path());
        environment.insert("XDG_RUNTIME_DIR", runtime.path());  // its own lock: other tests run meanwhile
        runLoggingCopy(folder + "/tidemark", environment);
        const QDir beside(folder + "/Log");
        const QDir perUser(data.filePath("MarloFenwick/TideMark/Log"));
        EXPECT_EQ(beside.exists(), row.beside);
        EXPECT_EQ(perUser.exists(), !row.beside);
        EXPECT_EQ((row.beside ? beside : perUser).entryList({"TideMark*.xls"}, QDir::Files).size(), 1);
    }
}

}  // namespace
}  // namespace tidemark

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
