#pragma once
#include <QString>

namespace tidemark {

// The folder of the program's executable.
QString programFolder();
// The per-user data folder of the program (~/.local/share/MarloFenwick/TideMark);
// empty when the user has no home folder.
QString userDataFolder();

// Whether a symbolic link may stand for the folder: never beside the
// program, where another user may have planted it; in the user's own data
// folder when the user (or the system) made it, so a user may keep the logs
// on another disk.
enum class FolderLinks { Refused, OwnAccepted };

// A folder that exists and may be written, or the folder that could not be
// made or is refused, and why.
struct FolderResult {
    QString path;
    QString error;  // the system's words, or why the folder is refused; empty when it is ready
    FolderLinks links = FolderLinks::Refused;  // the rule it was chosen by, for making it again
    bool ok() const { return error.isEmpty(); }
};

// Makes the folder (and its parents) when missing. A folder another user
// owns is refused, and so is a symbolic link unless `links` accepts it.
FolderResult makeFolder(const QString& path, FolderLinks links = FolderLinks::Refused);

// The log folder: "Log" under the program folder, created when missing, when
// that folder may hold the logs (a copy its user owns and may write, not an
// installed one) and "Log" there is missing or a folder makeFolder accepts
// and the user may write; otherwise "Log" under the per-user data folder.
// Nothing is created beside an installed program. When no folder can be
// had, the result names the per-user folder (just "Log" when the user has
// no home) and why.
FolderResult ensureLogFolder(const QString& programFolder, const QString& userDataFolder);

}  // namespace tidemark
