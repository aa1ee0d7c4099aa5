#pragma once
#include <QString>

namespace tidemark {

// Whether the entry at `path` itself (a symbolic link is not followed)
// belongs to the user the program runs as or to the system's administrator:
// an entry another user made is never trusted to say where to write.
// False when there is no such entry.
bool madeByUserOrSystem(const QString& path);

}  // namespace tidemark
