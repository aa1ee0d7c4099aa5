#pragma once
#include <QString>

namespace tidemark {

// The folder of the program's executable.
QString programFolder();
// The per-user data folder of the program (~/.local/share/MarloFenwick/TideMark).
QString userDataFolder();

// A folder that exists and may be written, or the folder that could not be
// made and why.
struct FolderResult {
    QString path;
    QString error;  // the system's words; empty when the folder is ready
    bool ok() const { return error.isEmpty(); }
};

// Makes the folder (and its parents) when missing.
FolderResult makeFolder(const QString& path);

// The log folder: "Log" under the program folder, created when missing, when
// that folder may hold the logs (a copy its user owns and may write, not an
// installed one) and the folder can be made; otherwise "Log" under the
// per-user data folder. Nothing is created beside an installed
// program. When no folder can be made, the result names the per-user folder
// and why it failed.
FolderResult ensureLogFolder(const QString& programFolder, const QString& userDataFolder);

}  // namespace tidemark
