// The program: the GUI on the main thread, the program body on procedure thread 1, which first
// puts the time-up sound and the demo digit sets into the working folder when it lacks them.
#include "framework/engine/qt/qt_program.h"
#include "shell/program_body.h"
#include "shell/working_folder.h"

int main(int argc, char** argv) {
    zrv::install_thread_hooks();
    return zrv::run_qt_program(
        argc, argv,
        [] {
            zrv::provide_working_files();
            zrv::RunProgram();
        },
        "it needs a display: start it on a desktop, or with scripts/run.sh, which starts a virtual one");
}
