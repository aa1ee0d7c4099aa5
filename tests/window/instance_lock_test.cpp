// The real instance lock, in a folder of the test's own, and a start-up that
// ends before the window runs.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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
    EXPECT_EQ(QFile::permissions(folder).toInt() & 0x0077, 0) << "the claim's folder is its user's alone";
}

TEST(InstanceLock, LockLeftByAKilledInstanceDoesNotBlock) {
    QTemporaryDir folder;
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    QFile stale(folder.filePath("TideMark.lock"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray::number(child) + "\ntidemark\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    auto next = makeInstanceLock(folder.path(), "TideMark");
    EXPECT_FALSE(next->anotherInstanceRunning());
    next->release();
}

// "Only one copy…" would be false: the program runs without a claim.
TEST(InstanceLock, ClaimThatCannotBeMadeDoesNotRefuseTheStart) {
    QTemporaryDir home;
    testing::ReadOnlyFolder readOnly(home.path().toStdString());
    if (!readOnly.enforced()) GTEST_SKIP() << "this user may write the folder all the same";
    EXPECT_FALSE(makeInstanceLock(home.filePath(".local/state/MarloFenwick"), "TideMark")->anotherInstanceRunning());
}

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
