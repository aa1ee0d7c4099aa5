#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include "platform/qt/current_user.h"

namespace tidemark {
namespace {

// The root folder is nobody's home: settings and logs would land at the top
// of the file system.
bool usableHome(const QByteArray& path) {
    if (!path.startsWith('/')) return false;
    const QFileInfo folder(QString::fromLocal8Bit(path));
    return folder.isDir() && folder.canonicalFilePath() != QLatin1String("/");
}

QByteArray databaseHome() {
    const passwd* entry = ::getpwuid(::geteuid());
    return entry && entry->pw_dir ? QByteArray(entry->pw_dir) : QByteArray();
}

}  // namespace

// The effective user: root running a user's build is not that user.
unsigned currentUserId() { return ::geteuid(); }

bool madeByUserOrSystem(const QString& path) {
    struct stat entry {};
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0) return false;
    return entry.st_uid == currentUserId() || entry.st_uid == 0;
}

QString userHomeFolder() {
    for (const QByteArray& home : {qgetenv("HOME"), databaseHome()})
        if (usableHome(home)) return QString::fromLocal8Bit(home);
    return {};
}

void settleHomeFolder() {
    if (const QString home = userHomeFolder(); !home.isEmpty()) qputenv("HOME", home.toLocal8Bit());
}

// Beside the user's other state; XDG_STATE_HOME is not asked, as a shell and
// the desktop may disagree on it.
QString userLockFolder() {
    const QString home = userHomeFolder();
    return home.isEmpty() ? QString() : home + QStringLiteral("/.local/state/MarloFenwick");
}

}  // namespace tidemark
