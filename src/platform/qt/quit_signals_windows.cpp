// Console close, Ctrl+C and logoff events arrive on a thread of their own;
// they are queued to the window's thread.
#include <windows.h>

#include <QMetaObject>
#include <QPointer>

#include "platform/qt/quit_signals.h"

namespace tidemark {
namespace {

QPointer<QObject> quitContext;
std::function<void()> quitHandler;

BOOL WINAPI passOn(DWORD) {
    if (!quitContext) return FALSE;
    QMetaObject::invokeMethod(
        quitContext, [] { quitHandler(); }, Qt::QueuedConnection);
    return TRUE;
}

}  // namespace

void onQuitRequest(QObject* context, std::function<void()> handler) {
    quitContext = context;
    quitHandler = std::move(handler);
    SetConsoleCtrlHandler(passOn, TRUE);
}

}  // namespace tidemark
