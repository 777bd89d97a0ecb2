#include "tests/shell/qt/running_program.h"

#include <QMainWindow>

#include "framework/core/thread_context.h"
#include "shell/program_body.h"
#include "tests/engine/qt/qt_fixture.h"

namespace zrv::testing {

RunningProgram::RunningProgram() {
    Activity::begin();  // thread 1 busy while it runs, as the headless driver counts it
    thread_ = std::thread([] {
        install_thread_hooks();
        run_as_main_thread(&RunProgram);
        Activity::end();
    });
}

RunningProgram::~RunningProgram() {
    // A program whose frame would not close is left to the process's end (the test failed).
    if (thread_.joinable() && !close()) thread_.detach();
}

QMainWindow* RunningProgram::frame() {
    QMainWindow* frame = nullptr;
    pump_until([&] { return (frame = find_frame()) != nullptr; });
    return frame;
}

bool RunningProgram::close() {
    if (QMainWindow* f = find_frame()) f->close();
    if (!pump_until([] { return find_frame() == nullptr; })) return false;
    thread_.join();
    return true;
}

}  // namespace zrv::testing
