#include <QDir>
#include <QFileInfo>
#include <QLockFile>
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
        if (privateFolderReady(folder_) && lock_.tryLock(0)) return false;
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
