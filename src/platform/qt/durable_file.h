#pragma once
// What a file written in place of another needs from the system.
#include <QFileDevice>
#include <QString>

namespace tidemark {

// Writes what the file holds through to the disk, so that a file renamed
// into place after it is never found empty after a crash. The system's
// reason when it refuses; empty otherwise.
QString syncToDisk(QFileDevice& file);

// Renames `from` over `to`, replacing the entry itself (never following a
// link there). The system's reason when it refuses; empty otherwise.
QString replaceEntry(const QString& from, const QString& to);

// The permissions a new file gets here: read and write for everyone, less
// what the user's file-creation mask takes away.
QFileDevice::Permissions newFilePermissions();

}  // namespace tidemark
