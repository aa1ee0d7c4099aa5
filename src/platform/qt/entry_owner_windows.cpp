#include <QFileInfo>

#include "platform/qt/entry_owner.h"

namespace tidemark {

// Windows keeps links and their owners where only administrators make them
// by default; every entry that exists counts as trusted here.
bool madeByUserOrSystem(const QString& path) { return QFileInfo(path).exists() || QFileInfo(path).isSymLink(); }

}  // namespace tidemark
