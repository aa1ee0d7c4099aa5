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

// The log folder: "Log" under the program folder, created when missing. When
// the program folder cannot be written (an installed copy), "Log" under the
// per-user data folder instead. When neither can be made, the result names
// the per-user folder and why it failed.
FolderResult ensureLogFolder(const QString& programFolder, const QString& userDataFolder);

}  // namespace tidemark
