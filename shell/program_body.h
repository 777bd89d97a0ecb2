#pragma once
// The program body: the first and last code of the process, and the start and end of every
// procedure thread.
namespace zrv {

// Sets up the error reporter, the text matcher and the settings file ".\Zorvane.INI", builds
// the main thread's data dictionary, runs the frame until the operator closes it, then shuts
// the services down. Runs on thread 1 (see run_as_main_thread).
void RunProgram();

// On every thread, before its procedure: the thread's own dictionary (not on thread 1, whose
// dictionary RunProgram builds once the error reporter exists).
void ThreadStartHook();
// On every thread, after its procedure has returned: the dictionary is released and the
// thread's table files are closed in their fixed order.
void ThreadEndHook();

// Installs the two hooks into the thread machinery.
void install_thread_hooks();

// The whole program on the calling thread: hooks installed, RunProgram as thread 1.
void run_program_as_thread_1();

}  // namespace zrv
