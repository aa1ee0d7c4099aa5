#include "tools/launchers.h"

#include "tools/product.h"

namespace tidemark {
namespace {

constexpr int kNotFound = 2;
constexpr int kCouldNotStart = 31;
constexpr int kStarted = 42;

// File managers tried in turn when the desktop has no handler for folders.
const char* const kFileManagers[] = {"xdg-open", "nautilus", "dolphin", "thunar", "nemo", "caja", "pcmanfm"};

}  // namespace

int startTool(Shell& shell, const Tool& tool) {
    const QString path = shell.findProgram(tool.program);
    if (path.isEmpty()) return kNotFound;
    return shell.startDetached(path, tool.arguments) ? kStarted : kCouldNotStart;
}

LaunchResult startWithFallback(Shell& shell, const Tool& first, const Tool& fallback) {
    const int answer = startTool(shell, first);
    if (answer >= 10) return {answer == kStarted, {first.program}};
    return {startTool(shell, fallback) == kStarted, {first.program, fallback.program}};
}

LaunchResult startServicesTool(Shell& shell) {
    return startWithFallback(shell, {"systemadm", {}},
                             {"x-terminal-emulator", {"-e", "systemctl", "list-units", "--type=service"}});
}

LaunchResult startSystemInfoTool(Shell& shell) {
    return startWithFallback(shell, {"hardinfo", {}}, {"kinfocenter", {}});
}

LaunchResult openFolder(Shell& shell, const QString& folder) {
    if (shell.open(folder)) return {true, {}};
    LaunchResult result{false, {"the desktop's file browser"}};
    for (const char* manager : kFileManagers) {
        if (startTool(shell, {manager, {folder}}) == kStarted) return {true, {}};
        result.tried << manager;
    }
    return result;
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
