#include "tests/support/scoring_tool.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zrv::testing {

const char* scoring_tool_path() { return ZRV_SCORING_TOOL; }

namespace {

// Runs a program (found on PATH) with these arguments and waits for it; what it says on its
// error output goes to `said` when given.
int run(std::vector<std::string> args, std::string* said = nullptr) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int error_output[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (said && ::pipe(error_output) == 0) {
        posix_spawn_file_actions_adddup2(&actions, error_output[1], 2);
        posix_spawn_file_actions_addclose(&actions, error_output[0]);
    }
    pid_t pid;
    const bool spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    if (error_output[1] >= 0) ::close(error_output[1]);
    if (error_output[0] >= 0) {
        char c;
        while (spawned && ::read(error_output[0], &c, 1) == 1) said->push_back(c);
        ::close(error_output[0]);
    }
    if (!spawned) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int run_scoring_tool(std::vector<std::string> args, std::string* said) {
    args.insert(args.begin(), ZRV_SCORING_TOOL);
    return run(std::move(args), said);
}

int run_sqlite3(const std::string& file, const std::string& sql) {
    return run({"sqlite3", "-bail", "-cmd", ".timeout 2000", file, sql});
}

}  // namespace zrv::testing
