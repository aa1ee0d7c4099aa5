#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QFile>

#include "platform/qt/durable_file.h"

namespace tidemark {

QString syncToDisk(QFileDevice& file) {
    if (!file.flush()) return file.errorString();
    if (::fsync(file.handle()) != 0) return QString::fromLocal8Bit(std::strerror(errno));
    return {};
}

QString replaceEntry(const QString& from, const QString& to) {
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0) return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The mask can only be read by setting it; the program has one thread.
QFileDevice::Permissions newFilePermissions() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = 0666 & ~mask;
    QFileDevice::Permissions permissions;
    if (mode & S_IRUSR) permissions |= QFileDevice::ReadOwner;
    if (mode & S_IWUSR) permissions |= QFileDevice::WriteOwner;
    if (mode & S_IRGRP) permissions |= QFileDevice::ReadGroup;
    if (mode & S_IWGRP) permissions |= QFileDevice::WriteGroup;
    if (mode & S_IROTH) permissions |= QFileDevice::ReadOther;
    if (mode & S_IWOTH) permissions |= QFileDevice::WriteOther;
    return permissions;
}

}  // namespace tidemark
