// Eight boards open at once, each followed by a writer process changing its bout 20 times a
// second (zrv_scoring bout-writer). Prints the CPU the boards take per board-tick and the
// latency from each writer's commit to the change showing in its board's points control.
//   scoreboard_bench <path of zrv_scoring> [seconds]
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/app_services.h"
#include "framework/core/engine.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/core/window_controller.h"
#include "framework/engine/headless/headless_engine.h"

extern char** environ;
using namespace zrv;

namespace {

constexpr int kBoards = 8;

std::int64_t now_ns(clockid_t id) {
    timespec t{};
    clock_gettime(id, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

pid_t spawn(const std::vector<std::string>& args, int* out_fd) {
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int fds[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (out_fd) {
        if (pipe(fds) != 0) return -1;
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
    }
    pid_t pid = -1;
    posix_spawn(&pid, args[0].c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (out_fd) {
        close(fds[1]);
        *out_fd = fds[0];
    }
    return pid;
}

int run(const std::vector<std::string>& args) {
    const pid_t pid = spawn(args, nullptr);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: scoreboard_bench <zrv_scoring> [seconds]\n");
        return 2;
    }
    const std::string scoring = std::filesystem::absolute(argv[1]).string();
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
    const auto folder = std::filesystem::temp_directory_path() / ("zrv_scoreboard_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);

    HeadlessEngine engine;
    set_engine(&engine);
    set_thread_hooks({.start = [] { data::InitDataDictionary(); }, .end = [] { data::KillDataDictionary(); }});
    app_settings_file().open(".\\Zorvane.INI");
    data::InitDataDictionary();
    {
        auto& sb = *data::file_manager(data::TableId::ScoreBoard);
        for (int i = 0; i < kBoards; ++i) {
            sb.prepare_new_record();
            sb.record().set_text("SB:FullNameAo", "Ao " + std::to_string(i + 1));
            sb.record().set_integer("SB:StopStart", 0);
            sb.insert();
        }
    }

    // Each board on a thread of its own, opened to view its bout.
    std::mutex mutex;
    std::map<int, Window*> boards;
    for (int i = 1; i <= kBoards; ++i)
        start_thread([i] {
            auto& sb = *data::file_manager(data::TableId::ScoreBoard);
            sb.record().set_integer("SB:IDCombate", i);
            sb.get_by_key(0);
            ThreadRequest() = kRequestView;
            run_procedure("UpDateScoreBoard2");
        }, 65536);
    while (static_cast<int>(boards.size()) < kBoards) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        boards.clear();
        // Each board by the bout number its entry shows.
        for (Window* w : engine.windows())
            if (const int bout = std::atoi(w->text(w->number_of("?SB:IDCOMBATE")).c_str()); bout >= 1 && bout <= kBoards)
                boards[bout] = w;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));

    // The writers, and one reader per writer of its commit times.
    const long count = seconds * 20L;
    std::vector<pid_t> writers;
    std::vector<std::thread> readers;
    std::vector<std::map<long, std::int64_t>> committed(kBoards + 1);
    for (int i = 1; i <= kBoards; ++i) {
        int fd = -1;
        writers.push_back(spawn({scoring, "bout-writer", std::to_string(i), "--count", std::to_string(count), "--every-ms", "50"}, &fd));
        readers.emplace_back([fd, i, &committed, &mutex] {
            FILE* in = fdopen(fd, "r");
            char line[128];
            long n;
            long long at;
            while (fgets(line, sizeof line, in))
                if (std::sscanf(line, "committed %ld %lld", &n, &at) == 2) {
                    std::lock_guard lock(mutex);
                    committed[i][n] = at;
                }
            fclose(in);
        });
    }

    // Watch every board's Aka points: the first time each value shows.
    std::vector<std::map<long, std::int64_t>> shown(kBoards + 1);
    std::vector<long> last(kBoards + 1, 0);
    const std::int64_t cpu_start = now_ns(CLOCK_PROCESS_CPUTIME_ID), wall_start = now_ns(CLOCK_MONOTONIC);
    const std::int64_t watch_cpu_start = now_ns(CLOCK_THREAD_CPUTIME_ID);
    bool done = false;
    while (!done) {
        done = true;
        for (int i = 1; i <= kBoards; ++i) {
            const long v = std::atol(boards[i]->text(boards[i]->number_of("?SB:PUNTOAKA")).c_str());
            if (v != last[i]) {
                shown[i][v] = now_ns(CLOCK_MONOTONIC);
                last[i] = v;
            }
            if (v < count) done = false;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
        if (now_ns(CLOCK_MONOTONIC) - wall_start > std::int64_t(seconds + 10) * 1'000'000'000) break;
    }
    const std::int64_t watch_cpu = now_ns(CLOCK_THREAD_CPUTIME_ID) - watch_cpu_start;
    const std::int64_t cpu = now_ns(CLOCK_PROCESS_CPUTIME_ID) - cpu_start - watch_cpu;
    const std::int64_t wall = now_ns(CLOCK_MONOTONIC) - wall_start;
    for (pid_t p : writers) waitpid(p, nullptr, 0);
    for (auto& r : readers) r.join();

    std::vector<double> latency_ms;
    long missed = 0;
    for (int i = 1; i <= kBoards; ++i)
        for (const auto& [n, at] : committed[i]) {
            auto it = shown[i].find(n);
            if (it == shown[i].end()) {
                // Overtaken by the next change before a tick showed it (two commits within a tick).
                ++missed;
                continue;
            }
            latency_ms.push_back((it->second - at) / 1e6);
        }
    std::sort(latency_ms.begin(), latency_ms.end());
    const auto pct = [&](double p) {
        return latency_ms.empty() ? 0.0 : latency_ms[std::min(latency_ms.size() - 1, std::size_t(p * latency_ms.size()))];
    };
    const double board_ticks = wall / 1e8 * kBoards;
    std::printf("boards: %d, writers at 20 changes/s each, %.1f s\n", kBoards, wall / 1e9);
    std::printf("CPU of the boards: %.1f %% of one core, %.1f us per board-tick\n", 100.0 * cpu / wall,
                cpu / 1e3 / board_ticks);
    std::printf("latency commit -> control (ms): p50 %.1f  p90 %.1f  p99 %.1f  max %.1f  (%zu changes seen, %ld overtaken)\n",
                pct(0.5), pct(0.9), pct(0.99), latency_ms.empty() ? 0.0 : latency_ms.back(), latency_ms.size(), missed);

    for (int i = 1; i <= kBoards; ++i) run({scoring, "bout", std::to_string(i), "close"});
    wait_for_threads(10000);
    data::KillDataDictionary();
    app_settings_file().close();
    set_engine(nullptr);
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(folder);
    return 0;
}
