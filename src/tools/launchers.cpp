#include "tools/launchers.h"

#include <QDir>

#include "tools/product.h"

namespace tidemark {
namespace {

// A launch's answer in the shell's own numbers: 2 ("file not found") for a
// program that is missing, 31 for one found that would not start, 42 (above
// the shell's failures, 32 and below) for one started. A list goes on to its
// next program only while this one is missing.
constexpr int kNotFound = 2;
constexpr int kCouldNotStart = 31;
constexpr int kStarted = 42;
constexpr int kFound = 10;  // this answer and above: the program was there

}  // namespace

int startTool(Shell& shell, const Tool& tool) {
    const QString path = shell.findProgram(tool.program);
    if (path.isEmpty()) return kNotFound;
    return shell.startDetached(path, tool.arguments) ? kStarted : kCouldNotStart;
}

LaunchResult startFirstFound(Shell& shell, const ToolChain& tools) {
    LaunchResult result;
    for (const Tool& tool : tools) {
        const int answer = startTool(shell, tool);
        result.tried << tool.program;
        if (answer >= kFound) return {answer == kStarted, result.tried};
    }
    return result;
}

LaunchResult startServicesTool(Shell& shell, const LaunchLists& lists) {
    return startFirstFound(shell, lists.services);
}

LaunchResult startSystemInfoTool(Shell& shell, const LaunchLists& lists) {
    return startFirstFound(shell, lists.systemInfo);
}

namespace {

LaunchResult startFolderOpener(Shell& shell, const QString& folder, const QStringList& openers) {
    LaunchResult result;
    // A folder opener reads its argument as a path of this system.
    const QString path = QDir::toNativeSeparators(folder);
    for (const QString& opener : openers) {
        if (startTool(shell, {opener, {path}}) == kStarted) return {true, {}};
        result.tried << opener;
    }
    return result;
}

}  // namespace

LaunchResult openFolder(Shell& shell, const QString& folder, const LateFailure& failedLater, const LaunchLists& lists) {
    const QStringList desktop{"the desktop's file browser"};
    if (lists.desktopOpensFolders) {
        const auto tryOpeners = [&shell, folder, openers = lists.folderOpeners, desktop, failedLater] {
            const LaunchResult rest = startFolderOpener(shell, folder, openers);
            if (!rest.started && failedLater) failedLater(desktop + rest.tried);
        };
        if (shell.open(folder, tryOpeners)) return {true, {}};
    }
    LaunchResult result = startFolderOpener(shell, folder, lists.folderOpeners);
    if (lists.desktopOpensFolders && !result.started) result.tried = desktop + result.tried;
    return result;
}

QString nothingStartedMessage(const QString& what, const QStringList& tried) {
    return QString("%1 (tried %2).").arg(what, tried.join(", "));
}

QString webPageNotOpenedMessage(const QString& address) {
    return nothingStartedMessage(QString("The web page %1 could not be opened").arg(address),
                                 {"the desktop's web browser"});
}

QString helpText(const QString& webAddress) {
    const QStringList lines = {
        QString(kProductTitle) + " " + kVersionText + "  (c) 2026 MarloFenwick",
        QString(62, '-'),
        "Copyright (c) 2026 Marlo Fenwick, author of TideMark",
        webAddress,
        QString("e-mail: ") + kMakerEmail,
        "",
        "OPTIONS",
        QString(11, '-'),
        "SAVE = save the graph as bitmap-file (BMP)",
        "LOG DATA = saves the registred data real-time to an excell compatible file.",
        "OPEN = open a log in MS-Excel",
        "CLEAR = reset and clear the graph",
        "PAUSE = holds the readings till you press the button again",
        "EXPAND = expands the graph to maximum width of your screen (or back)",
        "STAY ON TOP = when checked the program will stay on top of every window",
        "REFRESH = the interval for the graph readings to be made in milliseconds",
        "",
        "Scale divisions can be set with the little arrow on the top of the graph. Pressing the mousebutton in the "
        "graph gives you the value.",
    };
    return lines.join("\r\n");
}

}  // namespace tidemark
