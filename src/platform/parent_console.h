#pragma once
// Where a program's answers on the command line (help, version, usage
// errors) go. On Windows the monitor is a window program with no console of
// its own: started from a console, it writes its answers to that console;
// output already sent to a pipe or a file stays there. Elsewhere standard
// output and error serve as they are.

namespace tidemark {

#ifdef _WIN32
void answerInParentConsole();  // windows/parent_console_windows.cpp
#else
inline void answerInParentConsole() {}
#endif

}  // namespace tidemark
