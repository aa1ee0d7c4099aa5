#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "platform/qt/entry_owner.h"

namespace tidemark {

bool madeByUserOrSystem(const QString& path) {
    struct stat entry {};
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0) return false;
    return entry.st_uid == ::geteuid() || entry.st_uid == 0;
}

}  // namespace tidemark
