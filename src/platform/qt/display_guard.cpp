#include "platform/qt/display_guard.h"

#include <QByteArray>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <algorithm>

namespace tidemark {
namespace {

QStringList heldMessages;
QStringList expectedMessages;

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

bool isExpected(const QString& message) {
    return std::any_of(expectedMessages.cbegin(), expectedMessages.cend(),
                       [&](const QString& start) { return message.startsWith(start); });
}

// After the start, expected messages still come when the first window is
// made; everything else is written as the toolkit would.
void dropExpected(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (isExpected(message)) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

DisplayGuard::DisplayGuard(QStringList expected) {
    expectedMessages = std::move(expected);
    qInstallMessageHandler(holdOrGiveUp);
}

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(expectedMessages.isEmpty() ? nullptr : dropExpected);
    for (const QString& message : std::as_const(heldMessages))
        if (!isExpected(message)) std::fprintf(stderr, "%s\n", qPrintable(message));
    heldMessages.clear();
}

}  // namespace tidemark
