#pragma once
// The whole program on the Qt engine: its main procedure on a thread of its own, as the
// program's main thread, while the test's thread runs the GUI.
#include <thread>

class QMainWindow;

namespace zrv::testing {

class RunningProgram {
public:
    RunningProgram();
    // Closes the frame (by its close box) if it still shows, and waits for the program to end.
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The frame, once it shows (waited for while the GUI runs); null when it did not come.
    QMainWindow* frame();
    // Closes the frame by its close box; whether the program then ended.
    bool close();

private:
    std::thread thread_;
};

}  // namespace zrv::testing
