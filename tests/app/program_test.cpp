// The program as a real process: without a display, with options, from
// folders of its own or not, as a second copy, ended by signals.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#include <csignal>
#endif

namespace tidemark {
namespace {

QProcessEnvironment withoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("DISPLAY");
    return environment;
}

// Help and the version come before the toolkit, so they need no display; a
// program that opened one first would end with status 1 here.
TEST(Program, OptionsAnswerWithoutADisplayAndUnknownOnesAreUsageErrors) {
#ifdef _WIN32
    const QString usage = "Usage: tidemark.exe [options]\n";
#else
    const QString usage = "Usage: tidemark [options]\n";
#endif
    const std::tuple<QString, int, QString> rows[] = {
        // argument, status, how what it prints starts
        {"-h", 0, usage},
        {"--version", 0, "TideMark " PROJECT_VERSION "\n"},
        {"--bogus", 2, "Unknown option 'bogus'.\n\n" + usage},
    };
    for (const auto& [argument, status, start] : rows) {
        SCOPED_TRACE(argument.toStdString());
        QProcess program;
        program.setProcessEnvironment(withoutDisplay());
        program.start(TIDEMARK_PROGRAM, {argument});
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitCode(), status);
        // Windows' console streams end lines with CR LF.
        const QString out = QString(program.readAllStandardOutput()).replace("\r\n", "\n");
        const QString err = QString(program.readAllStandardError()).replace("\r\n", "\n");
        EXPECT_TRUE((status == 0 ? out : err).startsWith(start)) << (out + err).toStdString();
        EXPECT_TRUE((status == 0 ? err : out).isEmpty()) << "answers and errors go to their own streams";
    }
}

#ifndef _WIN32
// Not on Windows: these end copies with POSIX signals and give folders to
// other users. Each copy has a home of its own, where its claim lives.
QProcessEnvironment withHome(const QString& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    return environment;
}

// Starts a logging copy, runs `meanwhile`, ends the copy with `signal` and
// returns the bytes of its one log file in `logs`.
QByteArray logOfACopyEndedBy(int signal, const QString& program, const QString& logs,
                             const QProcessEnvironment& environment, const std::function<void()>& meanwhile = {}) {
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program);
    EXPECT_TRUE(child.waitForReadyRead(20000));
    EXPECT_EQ(child.readAllStandardOutput().trimmed(), "ready");
    if (meanwhile) meanwhile();
    ::kill(static_cast<pid_t>(child.processId()), signal);
    EXPECT_TRUE(child.waitForFinished(20000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0);
    const QStringList files = QDir(logs).entryList({"TideMark*.xls"}, QDir::Files);
    EXPECT_EQ(files.size(), 1);
    QFile log(logs + "/" + files.value(0));
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

TEST(Program, WithoutADisplayOrItsPluginSaysWhichInOneLineAndExitsWithStatus1) {
    const struct {
        const char* name;
        QStringList variables;
        QString says;
    } rows[] = {
        {"no display named", {}, "no display could be opened (neither DISPLAY nor WAYLAND_DISPLAY is set)"},
        {"nobody serves the display", {"DISPLAY=:4077"}, "no display could be opened (DISPLAY=:4077)"},
        {"no such plugin",
         {"DISPLAY=:4077", "QT_QPA_PLATFORM=nosuch"},
         "the display platform plugin could not be loaded: Could not find the Qt platform plugin \"nosuch\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QProcessEnvironment environment = withoutDisplay();
        for (const QString& variable : row.variables)
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(TIDEMARK_PROGRAM);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no abort";
        EXPECT_EQ(program.exitCode(), 1);
        const QStringList lines = QString(program.readAllStandardError()).trimmed().split('\n');
        ASSERT_EQ(lines.size(), 1) << lines.join('\n').toStdString();
        EXPECT_TRUE(lines.front().contains(row.says)) << lines.front().toStdString();
    }
}

// A settings file that is a pipe would hold the start up waiting for a
// writer that never comes: it is not read. Meanwhile a second copy is
// refused however it is started (the claim does not follow the runtime or
// temporary folder its environment names); it shows why in a message, and a
// quit request ends it there.
TEST(Program, TermIntAndHupEndItLikeAClose) {
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(number);
        QTemporaryDir folder, home, elsewhere;  // the program logs into "Log" beside itself
        ASSERT_TRUE(QDir(home.path()).mkpath(".config/MarloFenwick"));
        ASSERT_EQ(::mkfifo(QFile::encodeName(home.filePath(".config/MarloFenwick/TideMark.conf")).constData(), 0600),
                  0);
        const QString program = folder.filePath("tidemark-child");
        ASSERT_TRUE(QFile::copy(SIGNAL_CHILD, program));
        QProcessEnvironment first = withHome(home.path());
        first.remove("XDG_CONFIG_HOME");
        const auto secondCopies = [&] {
            const std::pair<const char*, QString> rows[] = {
                {"XDG_RUNTIME_DIR", ""}, {"XDG_RUNTIME_DIR", elsewhere.path()}, {"TMPDIR", elsewhere.path()}};
            for (const auto& [variable, value] : rows) {
                QProcessEnvironment environment = first;
                value.isEmpty() ? environment.remove(variable) : environment.insert(variable, value);
                QProcess second;
                second.setProcessEnvironment(environment);
                second.start(program);
                ASSERT_TRUE(second.waitForReadyRead(20000));
                EXPECT_EQ(second.readAllStandardOutput().trimmed().toStdString(),
                          "TIDEMARK: Only one copy of this program can be used.")
                    << variable << value.toStdString();
                ::kill(static_cast<pid_t>(second.processId()), SIGTERM);
                ASSERT_TRUE(second.waitForFinished(20000));
                EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
                EXPECT_EQ(second.exitCode(), 0);
            }
        };
        const QByteArray bytes = logOfACopyEndedBy(number, program, folder.filePath("Log"), first,
                                                   number == SIGTERM ? secondCopies : std::function<void()>{});
        EXPECT_EQ(bytes.count("Start>"), 1) << "only the first copy logs";
        EXPECT_EQ(bytes.count("Stop>"), 1) << bytes.toStdString();
        EXPECT_TRUE(bytes.endsWith("\t")) << "the exit stop line ends the file";
    }
}

// An installed copy, or one in a folder another user owns, logs into the
// user's data folder and leaves its own folder alone (one its user owns logs
// beside itself, as above).
TEST(Program, LogsBesideItselfOnlyInACopyItsUserOwns) {
    struct Row {
        const char* name;
        QString binFolder;    // where the copy runs from under a fresh prefix; "bin": installed there
        bool ownedByAnother;  // needs root
    };
    const Row rows[] = {{"installed under a prefix", "bin", false}, {"a copy in a folder another user owns", "", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir prefix, data, home;
        const QString folder = prefix.filePath(row.binFolder);
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(QFile::copy(SIGNAL_CHILD, folder + "/tidemark"));
        if (!row.binFolder.isEmpty()) {  // with the install rules' entry under the prefix
            ASSERT_TRUE(QDir().mkpath(prefix.filePath("share/applications")));
            ASSERT_TRUE(
                QFile(prefix.filePath("share/applications/" TIDEMARK_APP_ID ".desktop")).open(QIODevice::WriteOnly));
        }
        if (row.ownedByAnother && ::chown(folder.toLocal8Bit().constData(), 65534, 65534) != 0)
            GTEST_SKIP() << "only root can give the folder to another user";
        QProcessEnvironment environment = withHome(home.path());
        environment.insert("XDG_DATA_HOME", data.path());
        const QString perUser = data.filePath("MarloFenwick/TideMark/Log");
        const QString beside = folder + "/Log";
        EXPECT_FALSE(logOfACopyEndedBy(SIGTERM, folder + "/tidemark", perUser, environment).isEmpty());
        EXPECT_FALSE(QDir(beside).exists());
    }
}

#else
// Under Wine the sampler fails on every tick, so each tick throws and
// catches its error. The 32-bit program once aborted there with status 3:
// it carried its own copy of the compiler runtime beside Qt's, and an error
// thrown by one copy found no handler registered with the other.
TEST(Program, RunsItsTicksUntilEnded) {
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(TIDEMARK_PROGRAM);
    ASSERT_TRUE(program.waitForStarted(20000));
    EXPECT_FALSE(program.waitForFinished(3000)) << "ended with status " << program.exitCode();
    program.kill();
    program.waitForFinished(20000);
}
#endif

}  // namespace
}  // namespace tidemark

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
