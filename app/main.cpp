// The program: the GUI on the main thread, the program body on procedure thread 1.
#include "framework/engine/qt/qt_program.h"
#include "shell/program_body.h"

int main(int argc, char** argv) {
    zrv::install_thread_hooks();
    return zrv::run_qt_program(argc, argv, [] { zrv::RunProgram(); });
}
