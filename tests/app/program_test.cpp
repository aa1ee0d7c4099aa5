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

// Starts a logging copy of the program, ends it with `signal` once it is
// logging and returns its one log file's bytes; `logs` is where it should log.
QByteArray logOfACopyEndedBy(int signal, const QString& program, const QString& logs,
                             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program);
    EXPECT_TRUE(child.waitForReadyRead(20000));
    EXPECT_EQ(child.readAllStandardOutput().trimmed(), "ready");
    ::kill(static_cast<pid_t>(child.processId()), signal);
    EXPECT_TRUE(child.waitForFinished(20000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0);
    const QStringList files = QDir(logs).entryList({"TideMark*.xls"}, QDir::Files);
    EXPECT_EQ(files.size(), 1);
    QFile log(logs + "/" + files.value(0));
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
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
        ASSERT_TRUE(QFile::copy(SIGNAL_CHILD, folder.filePath("tidemark-child")));
        const QByteArray bytes = logOfACopyEndedBy(number, folder.filePath("tidemark-child"), folder.filePath("Log"));
        EXPECT_EQ(bytes.count("Stop>"), 1) << bytes.toStdString();
        EXPECT_TRUE(bytes.endsWith("\t")) << "the exit stop line ends the file";
    }
}

// Help and the version come before the toolkit, so they need no display; a
// program that opened one first would end with status 1 here.
TEST(Program, OptionsAnswerWithoutADisplayAndUnknownOnesAreUsageErrors) {
    const QString usage = "Usage: tidemark [options]\n";
    const std::tuple<QString, int, QString> rows[] = {  // argument, status, how what it prints starts
        {"-h", 0, usage},
        {"--version", 0, "TideMark " PROJECT_VERSION "\n"},
        {"--bogus", 2, "Unknown option 'bogus'.\n\n" + usage},
        {"extra", 2, "Unexpected argument 'extra'.\n\n" + usage},
    };
    for (const auto& [argument, status, start] : rows) {
        SCOPED_TRACE(argument.toStdString());
        QProcess program;
        program.setProcessEnvironment(withoutDisplay());
        program.start(TIDEMARK_PROGRAM, {argument});
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitCode(), status);
        const QString out = program.readAllStandardOutput(), err = program.readAllStandardError();
        EXPECT_TRUE((status == 0 ? out : err).startsWith(start)) << (out + err).toStdString();
        EXPECT_TRUE((status == 0 ? err : out).isEmpty()) << "answers and errors go to their own streams";
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
        const QString beside = folder + "/Log", perUser = data.filePath("MarloFenwick/TideMark/Log");
        EXPECT_FALSE(
            logOfACopyEndedBy(SIGTERM, folder + "/tidemark", row.beside ? beside : perUser, environment).isEmpty());
        EXPECT_FALSE(QDir(row.beside ? perUser : beside).exists());
    }
}

}  // namespace
}  // namespace tidemark

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
