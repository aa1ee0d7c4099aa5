#pragma once
// The user the program runs as: who they are and which folders are theirs.
#include <QString>

namespace tidemark {

// The user the program runs as, to compare with a folder's owner.
unsigned currentUserId();

// Whether the entry at `path` itself (a symbolic link is not followed)
// belongs to that user or to the system's administrator: an entry another
// user made is never trusted to say where to write. False when there is no
// such entry.
bool madeByUserOrSystem(const QString& path);

// The user's home folder: HOME when it names an existing folder by an
// absolute path, else the home the system's user database gives; never the
// root folder. Empty when the user has none.
QString userHomeFolder();

// Makes HOME name the user's home folder, before the toolkit starts: the
// toolkit takes every per-user folder from HOME and, without it, puts them
// under the root folder.
void settleHomeFolder();

// The folder of the program's single-instance claim: the user's alone and
// the same however the program is started, so not one the environment
// chooses (a runtime or temporary folder). Empty when the user has no home.
QString userLockFolder();

}  // namespace tidemark
