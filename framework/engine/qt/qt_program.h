#pragma once
// The program's entry: the GUI on the main thread, the program body on procedure thread 1.
#include <functional>
#include <string>

namespace zrv {

// Creates the application on the calling (main) thread, installs the Qt engine, runs
// program_body as procedure thread 1 on a thread of its own and ends the application when
// the body returns. Returns the application's exit code.
// Without a display to show the windows on (none named, or the one named cannot be opened),
// it says so in one line on the standard error, ending with no_display_advice, and returns 1.
// A platform without a display (QT_QPA_PLATFORM=offscreen) needs none.
int run_qt_program(int argc, char** argv, std::function<void()> program_body, std::string no_display_advice = {});

}  // namespace zrv
