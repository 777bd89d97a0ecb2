#pragma once
// What the benchmark programs share: their arguments, clocks and the writer processes they start.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace zrv::bench {

// A benchmark's arguments: the path of zrv_scoring, then in any order the seconds to run, flags
// such as --qt, and "--vs <benchmark> <its zrv_scoring>" (another build of the benchmark to run
// side by side) with "--rounds <n>".
struct Arguments {
    std::string scoring;  // absolute
    int seconds = 0;      // at least 1
    std::vector<std::string> flags;
    std::vector<std::string> vs;  // empty, or the other build's benchmark and zrv_scoring (absolute)
    int rounds = 5;
    bool has(const std::string& flag) const { return std::find(flags.begin(), flags.end(), flag) != flags.end(); }
};

// The arguments, or nothing (after printing the usage) when the path of zrv_scoring is missing.
inline std::optional<Arguments> arguments(int argc, char** argv, const char* usage, int default_seconds) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s\n", usage);
        return std::nullopt;
    }
    Arguments a{std::filesystem::absolute(argv[1]).string(), default_seconds, {}};
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--vs" && i + 2 < argc) {
            a.vs = {std::filesystem::absolute(argv[i + 1]).string(), std::filesystem::absolute(argv[i + 2]).string()};
            i += 2;
        } else if (arg == "--rounds" && i + 1 < argc) {
            a.rounds = std::max(1, std::atoi(argv[++i]));
        } else if (arg.starts_with("--")) a.flags.push_back(arg);
        else a.seconds = std::max(1, std::atoi(arg.c_str()));
    }
    return a;
}

inline std::int64_t now_ns(clockid_t id) {
    timespec t{};
    clock_gettime(id, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// Starts a program; with out_fd, its standard output is a pipe read from *out_fd.
inline pid_t spawn(const std::vector<std::string>& args, int* out_fd) {
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

// Runs a program to its end; its exit status (-1 when it did not exit).
inline int run(const std::vector<std::string>& args) {
    const pid_t pid = spawn(args, nullptr);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Reads a writer's "committed <n> <monotonic nanoseconds>" lines from fd into `committed`
// (n -> time) under `mutex`, until the writer ends.
inline std::thread read_commits(int fd, std::map<long, std::int64_t>& committed, std::mutex& mutex) {
    return std::thread([fd, &committed, &mutex] {
        FILE* in = fdopen(fd, "r");
        char line[128];
        long n;
        long long at;
        while (fgets(line, sizeof line, in))
            if (std::sscanf(line, "committed %ld %lld", &n, &at) == 2) {
                std::lock_guard lock(mutex);
                committed[n] = at;
            }
        fclose(in);
    });
}

}  // namespace zrv::bench
