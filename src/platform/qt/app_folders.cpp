#include "platform/qt/app_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/qt/current_user.h"

namespace tidemark {

QString programFolder() { return QCoreApplication::applicationDirPath(); }

QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/MarloFenwick/TideMark";
}

FolderResult makeFolder(const QString& path) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path.toStdString()), error);
    if (error) return {path, QString::fromStdString(error.message())};
    if (!QFileInfo(path).isDir()) return {path, QString::fromLocal8Bit(std::strerror(ENOTDIR))};
    return {path, {}};
}

namespace {

FolderResult makeWritableFolder(const QString& path) {
    const FolderResult made = makeFolder(path);
    if (made.ok() && !QFileInfo(path).isWritable()) return {path, QString::fromLocal8Bit(std::strerror(EACCES))};
    return made;
}

bool sameFolder(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

}  // namespace

ProgramFolderFacts programFolderFacts(const QString& programFolder) {
    const QFileInfo folder(programFolder);
    const QString desktopEntry =
        QDir(programFolder).filePath(QStringLiteral("../share/applications/" TIDEMARK_APP_ID ".desktop"));
    return {folder.ownerId(), currentUserId(), folder.isWritable(),
            sameFolder(programFolder, QStringLiteral(TIDEMARK_INSTALL_BINDIR)) || QFileInfo::exists(desktopEntry)};
}

bool logsBesideProgram(const ProgramFolderFacts& facts) {
    return !facts.installed && facts.writable && facts.ownerId == facts.userId;
}

FolderResult ensureLogFolder(const QString& programFolder, const QString& userDataFolder) {
    if (logsBesideProgram(programFolderFacts(programFolder))) {
        const FolderResult beside = makeWritableFolder(QDir(programFolder).filePath("Log"));
        if (beside.ok()) return beside;
    }
    return makeWritableFolder(QDir(userDataFolder).filePath("Log"));
}

}  // namespace tidemark
