#pragma once
// The buttons that start tools of the desktop, and the help text.
#include <QString>
#include <QStringList>
#include <functional>

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

// Tools tried in turn: the next one only when the one before was not found
// (an answer below 10); one found that would not start ends the turn.
using ToolChain = QList<Tool>;

LaunchResult startFirstFound(Shell& shell, const ToolChain& tools);

// What the buttons start on one platform.
struct LaunchLists {
    ToolChain services;
    ToolChain systemInfo;              // on Linux, which records no such program, the About box looks for these too
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

// Called when an opening that seemed to start failed after all, with what
// was tried.
using LateFailure = std::function<void(const QStringList& tried)>;

// "Open": the desktop's handler for folders where it is asked, else the first
// folder opener that starts, given the folder with this system's separators.
// When the desktop's handler fails only later, the openers are tried then,
// and `failedLater` hears of it if none starts.
LaunchResult openFolder(Shell& shell, const QString& folder, const LateFailure& failedLater = {},
                        const LaunchLists& lists = launchLists());

// What the user is told when nothing opened or started: "<what> (tried a, b)."
QString nothingStartedMessage(const QString& what, const QStringList& tried);

// The same for a web page the desktop's browser did not open.
QString webPageNotOpenedMessage(const QString& address);

// The help box's eighteen lines joined by CR LF, with none after the last.
QString helpText(const QString& webAddress);

}  // namespace tidemark
