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
    if (userHomeFolder().isEmpty()) return {};
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/MarloFenwick/TideMark";
}

namespace {

QString systemWords(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Logs go only into a folder of the user's own: a link someone else made, or
// a folder another user owns, could lead every append into a file they chose.
QString whyNotOwnFolder(const QString& path, FolderLinks links) {
    const QFileInfo folder(path);
    if (folder.isSymLink() && !(links == FolderLinks::OwnAccepted && madeByUserOrSystem(path)))
        return QStringLiteral("it is a symbolic link");
    if (!folder.isDir()) return systemWords(ENOTDIR);
    if (folder.ownerId() != currentUserId()) return QStringLiteral("it belongs to another user");
    return {};
}

}  // namespace

FolderResult makeFolder(const QString& path, FolderLinks links) {
    std::error_code error;
    // From UTF-16: a narrow path would be read in Windows' ANSI code page.
    std::filesystem::create_directories(std::filesystem::path(path.toStdU16String()), error);
    if (error) return {path, QString::fromStdString(error.message()), links};
    return {path, whyNotOwnFolder(path, links), links};
}

namespace {

FolderResult makeWritableFolder(const QString& path, FolderLinks links) {
    const FolderResult made = makeFolder(path, links);
    if (made.ok() && !QFileInfo(path).isWritable()) return {path, systemWords(EACCES), links};
    return made;
}

bool sameFolder(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// What the system says about the program's folder, for choosing the log folder.
struct ProgramFolderFacts {
    unsigned ownerId = 0;    // who owns the folder
    unsigned userId = 0;     // who runs the program
    bool writable = false;   // by the user who runs it
    bool installed = false;  // where the install rules put the program
};

// A folder counts as installed when it is the install folder the program was
// built for, or when the desktop entry the install rules write sits beside it
// (an install under another prefix), or when the Windows installer's
// uninstaller does: there the folder is chosen at install time, and whether
// the user may write to it says nothing (the toolkit reads no access lists,
// and under Wine all of Program Files is the user's own).
ProgramFolderFacts programFolderFacts(const QString& programFolder) {
    const QFileInfo folder(programFolder);
    const QDir dir(programFolder);
    const QString desktopEntry = dir.filePath(QStringLiteral("../share/applications/" TIDEMARK_APP_ID ".desktop"));
    const QString uninstaller = dir.filePath(QStringLiteral(TIDEMARK_UNINSTALLER));
    return {folder.ownerId(), currentUserId(), folder.isWritable(),
            sameFolder(programFolder, QStringLiteral(TIDEMARK_INSTALL_BINDIR)) || QFileInfo::exists(desktopEntry) ||
                QFileInfo::exists(uninstaller)};
}

// Logs go beside the program only in a copy its user owns and may write: a
// build folder or an unpacked copy. An installed program, or one in a folder
// someone else owns (root running a user's build, a user running root's
// copy), keeps its logs in the per-user data folder.
bool logsBesideProgram(const ProgramFolderFacts& facts) {
    return !facts.installed && facts.writable && facts.ownerId == facts.userId;
}

}  // namespace

FolderResult ensureLogFolder(const QString& programFolder, const QString& userDataFolder) {
    if (logsBesideProgram(programFolderFacts(programFolder))) {
        const FolderResult beside = makeWritableFolder(QDir(programFolder).filePath("Log"), FolderLinks::Refused);
        if (beside.ok()) return beside;
    }
    if (userDataFolder.isEmpty()) return {QStringLiteral("Log"), QStringLiteral("the user has no home folder")};
    return makeWritableFolder(QDir(userDataFolder).filePath("Log"), FolderLinks::OwnAccepted);
}

}  // namespace tidemark
