#include "shell/program_body.h"

#include "data/dictionary.h"
#include "framework/core/app_services.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"

namespace zrv {

void ThreadStartHook() {
    if (this_thread().number() != 1) data::InitDataDictionary();
}

void ThreadEndHook() { data::KillDataDictionary(); }

void install_thread_hooks() { set_thread_hooks({.start = &ThreadStartHook, .end = &ThreadEndHook}); }

void RunProgram() {
    app_error_reporter().initialize();
    TextMatcher& matcher = app_text_matcher();
    matcher.initialize();
    matcher.set_options(TextMatcher::CaseInsensitive, true);
    matcher.set_options(TextMatcher::WholeWord, false);
    SettingsFile& settings = app_settings_file();
    settings.open(".\\Zorvane.INI", SettingsFile::Kind::IniFile);
    data::InitDataDictionary();
    run_procedure("Main");
    settings.flush();
    settings.close();
    matcher.release();
    // The main thread's own thread end releases its dictionary.
}

void run_program_as_thread_1() {
    install_thread_hooks();
    run_as_main_thread(&RunProgram);
}

}  // namespace zrv
