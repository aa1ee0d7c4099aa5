#pragma once
// The buttons that start tools of the desktop, and the help text.
#include <QString>
#include <QStringList>

#include "platform/qt/desktop_services.h"

namespace tidemark {

struct Tool {
    QString program;  // looked up on PATH
    QStringList arguments;
};

// Like a shell's answer: below 10 the program was not found (2); 31 it was
// found but would not start; 42 it started.
int startTool(Shell& shell, const Tool& tool);

// What a launch did: whether a program started, and which were tried.
struct LaunchResult {
    bool started = false;
    QStringList tried;
};

// Starts `first`; only when it was not found (an answer below 10) starts
// `fallback`.
LaunchResult startWithFallback(Shell& shell, const Tool& first, const Tool& fallback);

// "Services": a service manager, else a terminal listing the services.
LaunchResult startServicesTool(Shell& shell);
// "System Info": a system-information tool, else another one.
LaunchResult startSystemInfoTool(Shell& shell);

// "Open": the desktop's handler for folders, else the first file manager
// that starts.
LaunchResult openFolder(Shell& shell, const QString& folder);

// The help box's eighteen lines joined by CR LF, with none after the last.
QString helpText(const QString& webAddress);

}  // namespace tidemark
