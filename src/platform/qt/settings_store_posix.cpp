// The settings live in the file the toolkit would keep them in
// (<config home>/MarloFenwick/TideMark.conf, INI), read through a path of
// our own: the toolkit's own store also reads organisation-wide files, and
// opens them all as it is made.
#include <sys/stat.h>

#include <QSettings>
#include <QStandardPaths>
#include <cerrno>

#include "platform/qt/current_user.h"
#include "platform/qt/desktop_services.h"

namespace tidemark {
namespace {

// Only a regular file, or none yet, is read or written: opening a pipe or a
// device waits for a writer that may never come, and a folder holds no settings.
bool regularFileOrNone(const QString& path) {
    struct stat status {};
    if (::stat(path.toLocal8Bit().constData(), &status) != 0) return errno == ENOENT;
    return S_ISREG(status.st_mode);
}

class FileSettingsStore final : public SettingsStore {
public:
    explicit FileSettingsStore(QString folder) : folder_(std::move(folder)) {}

    QString read(const QString& app, const QString& section, const QString& key, const QString& fallback) override {
        const QString path = filePath(app, section);
        if (path.isEmpty()) return fallback;
        QSettings settings(path, QSettings::IniFormat);
        return settings.value(section + '/' + key, fallback).toString();
    }
    void write(const QString& app, const QString& section, const QString& key, const QString& value) override {
        const QString path = filePath(app, section);
        if (path.isEmpty()) return;
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue(section + '/' + key, value);
        settings.sync();
    }

private:
    // Empty when there is no home to keep settings in, or no file to use there.
    QString filePath(const QString& app, const QString& section) const {
        if (folder_.isEmpty()) return {};
        const QString path = folder_ + '/' + app + '/' + section + ".conf";
        return regularFileOrNone(path) ? path : QString();
    }

    QString folder_;
};

}  // namespace

std::unique_ptr<SettingsStore> makeUserSettingsStore() {
    const bool hasHome = !userHomeFolder().isEmpty();
    return std::make_unique<FileSettingsStore>(
        hasHome ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) : QString());
}

}  // namespace tidemark
