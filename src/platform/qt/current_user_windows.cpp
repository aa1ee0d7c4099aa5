#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/qt/current_user.h"

namespace tidemark {

// Where files carry no numeric owner the toolkit reports one made-up owner
// for every file, the home folder's included, so the comparison leaves the
// decision to writability and the install folder.
unsigned currentUserId() { return QFileInfo(QDir::homePath()).ownerId(); }

// Windows keeps links and their owners where only administrators make them
// by default; every entry that exists counts as trusted here.
bool madeByUserOrSystem(const QString& path) { return QFileInfo(path).exists() || QFileInfo(path).isSymLink(); }

// The system always gives a user a profile folder.
QString userHomeFolder() { return QDir::homePath(); }

void settleHomeFolder() {}

// The runtime and the temporary folder both lie in the user's profile here,
// whatever started the program.
QString userLockFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

}  // namespace tidemark
