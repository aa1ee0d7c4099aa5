#pragma once
#include <QString>

namespace tidemark {

// The folder of the program's executable.
QString programFolder();
// The per-user data folder of the program (~/.local/share/MarloFenwick/TideMark).
QString userDataFolder();

// The log folder: "Log" under the program folder, created when missing. When
// the program folder cannot be written (an installed copy), "Log" under the
// per-user data folder instead. Empty when neither can be made.
QString ensureLogFolder(const QString& programFolder, const QString& userDataFolder);

}  // namespace tidemark
