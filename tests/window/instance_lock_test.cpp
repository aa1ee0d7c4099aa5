// The real instance lock, in a folder of the test's own, and a start-up that
// ends before the window runs.
#include <gtest/gtest.h>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/qt/desktop_services.h"
#include "support/file_system_limits.h"
#include "window/window_fixture.h"

namespace tidemark {
namespace {

TEST(InstanceLock, SecondClaimWhileTheFirstRunsIsRefused) {
    QTemporaryDir home;
    const QString folder = home.filePath("state/MarloFenwick");  // made when missing
    auto first = makeInstanceLock(folder, "TideMark");
    auto second = makeInstanceLock(folder, "TideMark");
    EXPECT_FALSE(first->anotherInstanceRunning());
    EXPECT_TRUE(second->anotherInstanceRunning());
    first->release();
    EXPECT_FALSE(second->anotherInstanceRunning()) << "a closed instance frees the claim";
    second->release();
#ifndef _WIN32  // on Windows the folder lies in the user's own profile and takes its access rules
    EXPECT_EQ(QFile::permissions(folder).toInt() & 0x0077, 0) << "the claim's folder is its user's alone";
#endif
}

// A claim as a copy of the program leaves it when it is killed: written by
// the toolkit, in another process's id.
QByteArray leftClaim(qint64 id) {
    QTemporaryDir folder;
    QLockFile held(folder.filePath("held.lock"));
    EXPECT_TRUE(held.tryLock(0));
    QFile claim(folder.filePath("held.lock"));
    EXPECT_TRUE(claim.open(QIODevice::ReadOnly));
    const QByteArray bytes = claim.readAll();
    return QByteArray::number(id) + bytes.mid(bytes.indexOf('\n'));
}

// A claim left by a copy that was killed, whose process id is now free or
// is this process's own (a system that hands out the ids of ended processes
// again soon, as Wine does), does not block the next start.
TEST(InstanceLock, LockLeftByAKilledInstanceDoesNotBlock) {
    QProcess ended;
    ended.start(QCoreApplication::applicationFilePath(), {"--gtest_list_tests"});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 endedId = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    for (const qint64 id : {endedId, QCoreApplication::applicationPid()}) {
        SCOPED_TRACE(id == endedId ? "an ended process's id" : "this process's own id");
        QTemporaryDir folder;
        QFile stale(folder.filePath("TideMark.lock"));
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write(leftClaim(id));
        stale.close();
        auto next = makeInstanceLock(folder.path(), "TideMark");
        EXPECT_FALSE(next->anotherInstanceRunning());
        next->release();
    }
}

#ifndef _WIN32
// Not built for Windows, where a folder's read-only attribute does not keep
// new files out of it.
// "Only one copy…" would be false: the program runs without a claim.
TEST(InstanceLock, ClaimThatCannotBeMadeDoesNotRefuseTheStart) {
    QTemporaryDir home;
    testing::ReadOnlyFolder readOnly(home.path().toStdString());
    if (!readOnly.enforced()) GTEST_SKIP() << "this user may write the folder all the same";
    EXPECT_FALSE(makeInstanceLock(home.filePath(".local/state/MarloFenwick"), "TideMark")->anotherInstanceRunning());
}
#endif

class StartUp : public testing::WindowFixture {};

// A quit request (SIGTERM) handled while start-up lets events run closes the
// window: start-up ends there, as the process does.
TEST_F(StartUp, WindowClosedWhileStartUpLetsEventsRunEndsIt) {
    make();
    QCoreApplication::postEvent(window.get(), new QCloseEvent);
    EXPECT_FALSE(window->Form_Load());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->updateTimer().isActive());
    EXPECT_EQ(settings.writes, 0) << "the start is not counted";
}

}  // namespace
}  // namespace tidemark
