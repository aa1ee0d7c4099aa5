#pragma once
#include <functional>

namespace tidemark {

class frmMain;

// The whole program: the toolkit, the backends and the main window, until the
// window closes. `started` runs once the window has loaded (a test child
// uses it to switch logging on); the program itself passes nothing.
int runTideMark(int& argc, char** argv, const std::function<void(frmMain&)>& started = {});

}  // namespace tidemark
