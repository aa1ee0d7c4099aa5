#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <cstdio>

#include "platform/qt/app_folders.h"
#include "platform/qt/desktop_services.h"

namespace tidemark {
namespace {

// The claim's folder is made for its user alone. One that another user owns
// would let them hold a claim in this user's name, so none is made there.
bool privateFolderReady(const QString& folder) {
    if (folder.isEmpty()) return false;
    QDir().mkpath(QFileInfo(folder).path());
    QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return makeFolder(folder).ok();  // no link, and the user's own
}

// Whether a claim was made on this machine. The toolkit writes the machine's
// unique id on a claim's fourth line; where the system has none, the host
// name serves, which Windows writes in its own spelling.
bool madeOnThisMachine(const QList<QByteArray>& lines, const QString& host) {
    const QByteArray machine = QSysInfo::machineUniqueId();
    if (!machine.isEmpty() && lines.size() > 3) return lines[3] == machine;
    return host.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) == 0;
}

// A system that soon hands out an ended process's id again (Wine does) may
// give this process the id a killed copy recorded, and the toolkit takes a
// claim by a live process for a live claim. Before this process claims, a
// claim in its own id is such a leftover. One this process holds through
// another lock stays: the toolkit does not remove a claim while it is held.
void dropLeftoverInOurOwnId(QLockFile& lock, const QString& path) {
    qint64 id = 0;
    QString host;
    if (!lock.getLockInfo(&id, &host, nullptr) || id != QCoreApplication::applicationPid()) return;
    QFile claim(path);
    if (!claim.open(QIODevice::ReadOnly)) return;
    const QList<QByteArray> lines = claim.read(4096).split('\n');
    claim.close();  // Windows removes no file that is open
    if (madeOnThisMachine(lines, host)) lock.removeStaleLockFile();
}

class FileInstanceLock final : public InstanceLock {
public:
    FileInstanceLock(QString folder, const QString& name)
        : folder_(std::move(folder)), lock_(QDir(folder_).filePath(name + ".lock")) {
        lock_.setStaleLockTime(0);  // only a dead owner makes the lock stale, never its age
    }

    // A claim that cannot be made at all (a read-only home, no home) does
    // not keep the program from starting: saying another copy runs would be
    // false. It runs unguarded, and says so.
    bool anotherInstanceRunning() override {
        const bool ready = privateFolderReady(folder_);
        if (ready) dropLeftoverInOurOwnId(lock_, lock_.fileName());
        if (ready && lock_.tryLock(0)) return false;
        if (lock_.error() == QLockFile::LockFailedError) return true;
        const QString where = folder_.isEmpty() ? QStringLiteral("the user has no home folder")
                                                : QDir::toNativeSeparators(lock_.fileName());
        std::fprintf(stderr,
                     "TideMark: no single-instance claim could be made (%s); a second copy would not be refused.\n",
                     qPrintable(where));
        return false;
    }
    void release() override { lock_.unlock(); }

private:
    QString folder_;
    QLockFile lock_;
};

}  // namespace

std::unique_ptr<InstanceLock> makeInstanceLock(const QString& folder, const QString& name) {
    return std::make_unique<FileInstanceLock>(folder, name);
}

}  // namespace tidemark
