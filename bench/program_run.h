#pragma once
// What the benchmarks that run the program's screens share: a working folder of their own (the
// program's current folder while they run, removed at the end), the data dictionary on the main
// thread and on every thread a screen starts, the settings file, and the shut-down in its order:
// the screens' threads ended first, then the dictionary, the settings, the engine and the clock.
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "data/dictionary.h"
#include "framework/core/app_services.h"
#include "framework/core/clock.h"
#include "framework/core/engine.h"
#include "framework/core/thread_context.h"

namespace zrv::bench {

class ProgramRun {
public:
    // `name` names the folder: zrv_<name>_<process id> in the temporary folder.
    explicit ProgramRun(const std::string& name)
        : folder_(std::filesystem::temp_directory_path() / ("zrv_" + name + "_" + std::to_string(getpid()))) {
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
        set_thread_hooks({.start = [] { data::InitDataDictionary(); }, .end = [] { data::KillDataDictionary(); }});
        app_settings_file().open(".\\Zorvane.INI");
        data::InitDataDictionary();
    }
    ~ProgramRun() { shut_down(); }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    const std::filesystem::path& folder() const { return folder_; }

    // Waits at most ten seconds for the screens' threads to end, calling `pump` meanwhile (the
    // GUI thread's events: a closing window may need them), then ends the rest. Once.
    void shut_down(const std::function<void()>& pump = {}) {
        if (done_) return;
        done_ = true;
        for (const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
             running_threads() > 0 && std::chrono::steady_clock::now() < end;) {
            if (pump) pump();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        wait_for_threads(10000);
        data::KillDataDictionary();
        app_settings_file().close();
        set_thread_hooks({});
        set_engine(nullptr);
        set_clock(nullptr);
        std::error_code ec;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
        std::filesystem::remove_all(folder_, ec);
    }

private:
    std::filesystem::path folder_;
    bool done_ = false;
};

}  // namespace zrv::bench
