#pragma once
// The program's entry: the GUI on the main thread, the program body on procedure thread 1.
#include <functional>

namespace zrv {

// Creates the application on the calling (main) thread, installs the Qt engine, runs
// program_body as procedure thread 1 on a thread of its own and ends the application when
// the body returns. Returns the application's exit code.
int run_qt_program(int argc, char** argv, std::function<void()> program_body);

}  // namespace zrv
