#include "tests/support/scoring_tool.h"

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace zrv::testing {

const char* scoring_tool_path() { return ZRV_SCORING_TOOL; }

int run_scoring_tool(std::vector<std::string> args) {
    args.insert(args.begin(), ZRV_SCORING_TOOL);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawn(&pid, ZRV_SCORING_TOOL, nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace zrv::testing
