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

// A tool and the one started when the first is not found.
struct ToolChoice {
    Tool first;
    Tool fallback;
};

// What the buttons start on one platform.
struct LaunchLists {
    ToolChoice services;
    ToolChoice systemInfo;
    bool desktopOpensFolders = false;  // "Open" asks the desktop's handler first
    QStringList folderOpeners;         // then these, given the folder, in turn
};

// This platform's lists (launch_lists_linux.cpp or launch_lists_windows.cpp,
// picked by CMake).
const LaunchLists& launchLists();

// "Services": a service manager, else another way to see the services.
LaunchResult startServicesTool(Shell& shell, const LaunchLists& lists = launchLists());
// "System Info": a system-information tool, else another one.
LaunchResult startSystemInfoTool(Shell& shell, const LaunchLists& lists = launchLists());

// "Open": the desktop's handler for folders where it is asked, else the first
// folder opener that starts, given the folder with this system's separators.
LaunchResult openFolder(Shell& shell, const QString& folder, const LaunchLists& lists = launchLists());

// The help box's eighteen lines joined by CR LF, with none after the last.
QString helpText(const QString& webAddress);

}  // namespace tidemark
