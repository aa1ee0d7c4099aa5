#pragma once
// Starting a program the shell has found, in this system's way.
#include <QString>
#include <QStringList>

namespace tidemark {

// Starts `program` detached from this one; false when it could not start.
// Implemented by start_program_posix.cpp and start_program_windows.cpp.
bool startProgram(const QString& program, const QStringList& arguments);

}  // namespace tidemark
