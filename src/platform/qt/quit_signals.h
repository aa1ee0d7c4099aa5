#pragma once
// The requests to end the program that do not come through its window:
// SIGTERM, SIGINT and SIGHUP on POSIX (logout, kill, Ctrl+C), console close
// events on Windows. Each is handed to the event loop and handled there like
// a close of the window, so the program ends the normal way. A signal the
// program was started with ignored (nohup) stays ignored.
#include <functional>

class QObject;

namespace tidemark {

// Calls `handler` on the event loop's thread for each such request, for as
// long as `context` lives.
void onQuitRequest(QObject* context, std::function<void()> handler);

}  // namespace tidemark
