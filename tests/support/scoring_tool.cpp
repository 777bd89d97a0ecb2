#include "tests/support/scoring_tool.h"

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace zrv::testing {

const char* scoring_tool_path() { return ZRV_SCORING_TOOL; }

namespace {

// Runs a program (found on PATH) with these arguments and waits for it.
int run(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int run_scoring_tool(std::vector<std::string> args) {
    args.insert(args.begin(), ZRV_SCORING_TOOL);
    return run(std::move(args));
}

int run_sqlite3(const std::string& file, const std::string& sql) {
    return run({"sqlite3", "-bail", "-cmd", ".timeout 2000", file, sql});
}

}  // namespace zrv::testing
