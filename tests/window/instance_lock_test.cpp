// The real instance lock in the per-user runtime folder.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/qt/desktop_services.h"

namespace tidemark {
namespace {

QString lockPath(const QString& name) {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + '/' + name + ".lock";
}

TEST(InstanceLock, SecondClaimWhileTheFirstRunsIsRefused) {
    auto first = makeRuntimeLock("lock-test-live");
    auto second = makeRuntimeLock("lock-test-live");
    EXPECT_FALSE(first->anotherInstanceRunning());
    EXPECT_TRUE(second->anotherInstanceRunning());
    first->release();
    EXPECT_FALSE(second->anotherInstanceRunning()) << "a closed instance frees the claim";
    second->release();
}

TEST(InstanceLock, LockLeftByAKilledInstanceDoesNotBlock) {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    QFile stale(lockPath("lock-test-stale"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray::number(child) + "\ntidemark\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    auto next = makeRuntimeLock("lock-test-stale");
    EXPECT_FALSE(next->anotherInstanceRunning());
    next->release();
}

}  // namespace
}  // namespace tidemark
