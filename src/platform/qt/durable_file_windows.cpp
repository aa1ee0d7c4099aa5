#include <io.h>
#include <windows.h>

#include <QDir>

#include "platform/qt/durable_file.h"
#include "platform/windows/windows_text.h"

namespace tidemark {

QString syncToDisk(QFileDevice& file) {
    if (!file.flush()) return file.errorString();
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (!FlushFileBuffers(handle)) return QString::fromStdString(systemMessage(GetLastError()));
    return {};
}

QString replaceEntry(const QString& from, const QString& to) {
    const auto wide = [](const QString& path) { return QDir::toNativeSeparators(path).toStdWString(); };
    if (MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return QString::fromStdString(systemMessage(GetLastError()));
}

// Files carry no such mask here: a new file may be read and written by its user.
QFileDevice::Permissions newFilePermissions() { return QFileDevice::ReadOwner | QFileDevice::WriteOwner; }

}  // namespace tidemark
