#pragma once
// Starting programs and opening documents in this system's way.
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace tidemark {

// Starts `program` detached from this one; false when it could not start.
// Implemented by start_program_posix.cpp and start_program_windows.cpp.
bool startProgram(const QString& program, const QStringList& arguments);

// Opens the address or file with the desktop's handler; false when none took
// it. A handler that reports its failure only when it ends calls
// `failedLater` then, on the event loop.
bool openWithDesktop(const QUrl& url, std::function<void()> failedLater);

}  // namespace tidemark
