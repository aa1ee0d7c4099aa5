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

// What the system says about the program's folder, for choosing the log folder.
struct ProgramFolderFacts {
    unsigned ownerId = 0;    // who owns the folder
    unsigned userId = 0;     // who runs the program
    bool writable = false;   // by the user who runs it
    bool installed = false;  // where the install rules put the program
};

// The facts about this folder and the user running the program. A folder
// counts as installed when it is the install folder the program was built
// for, or when the desktop entry the install rules write sits beside it
// (an install under another prefix).
ProgramFolderFacts programFolderFacts(const QString& programFolder);

// Logs go beside the program only in a copy its user owns and may write: a
// build folder or an unpacked copy. An installed program, or one in a folder
// someone else owns (root running a user's build, a user running root's
// copy), keeps its logs in the per-user data folder.
bool logsBesideProgram(const ProgramFolderFacts& facts);

// The log folder: "Log" under the program folder, created when missing, when
// logsBesideProgram allows it and the folder can be made; otherwise "Log"
// under the per-user data folder. Nothing is created beside an installed
// program. When no folder can be made, the result names the per-user folder
// and why it failed.
FolderResult ensureLogFolder(const QString& programFolder, const QString& userDataFolder);

}  // namespace tidemark
