#include "platform/qt/display_guard.h"

#include <QByteArray>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace tidemark {
namespace {

QStringList heldMessages;

QByteArray whichDisplay() {
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (display.isEmpty() && wayland.isEmpty()) return "neither DISPLAY nor WAYLAND_DISPLAY is set";
    return display.isEmpty() ? "WAYLAND_DISPLAY=" + wayland : "DISPLAY=" + display;
}

void holdOrGiveUp(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        heldMessages << message;
        return;
    }
    std::fprintf(stderr, "TideMark: no display could be opened (%s).\n", whichDisplay().constData());
    std::fflush(stderr);
    std::_Exit(1);  // the toolkit is half started: nothing may run after this
}

}  // namespace

DisplayGuard::DisplayGuard() { qInstallMessageHandler(holdOrGiveUp); }

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(nullptr);
    for (const QString& message : std::as_const(heldMessages)) std::fprintf(stderr, "%s\n", qPrintable(message));
    heldMessages.clear();
}

}  // namespace tidemark
