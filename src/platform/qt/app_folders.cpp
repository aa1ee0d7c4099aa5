#include "platform/qt/app_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tidemark {
namespace {

bool isWritableFolder(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

bool makeWritableFolder(const QString& path) { return QDir().mkpath(path) && isWritableFolder(path); }

}  // namespace

QString programFolder() { return QCoreApplication::applicationDirPath(); }

QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/MarloFenwick/TideMark";
}

QString ensureLogFolder(const QString& programFolder, const QString& userDataFolder) {
    const QString beside = QDir(programFolder).filePath("Log");
    if (makeWritableFolder(beside)) return beside;
    const QString perUser = QDir(userDataFolder).filePath("Log");
    if (makeWritableFolder(perUser)) return perUser;
    return {};
}

}  // namespace tidemark
