#pragma once
#include <functional>

namespace tidemark {

class frmMain;

// The whole program: the command line, the toolkit, the backends and the main
// window, until the window closes. Help and the version print and return 0, a
// usage error prints the usage and returns 2, no display exits with status 1;
// otherwise the window's status. `started` runs once the window has loaded (a
// test child uses it to switch logging on); the program itself passes nothing.
int runTideMark(int& argc, char** argv, const std::function<void(frmMain&)>& started = {});

}  // namespace tidemark
