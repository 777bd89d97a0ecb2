#include "tests/support/scoring_tool.h"

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <limits>

extern char** environ;

namespace zrv::testing {

namespace {

// The tool as every user can run it: a test that has become another user (a reader without
// write permission) starts it too. A build folder that others cannot reach (under /root, say)
// gets a copy of the tool in a folder of the test's own, removed when the test ends.
class ReachableTool {
public:
    ReachableTool() : path_(ZRV_SCORING_TOOL) {
        namespace fs = std::filesystem;
        bool reachable = true;
        for (fs::path p = fs::path(path_).parent_path(); !p.empty() && p != p.root_path(); p = p.parent_path())
            if (struct stat s{}; ::stat(p.c_str(), &s) != 0 || !(s.st_mode & S_IXOTH)) reachable = false;
        if (reachable) return;
        char folder[] = "/tmp/zrv-scoring-XXXXXX";
        if (!::mkdtemp(folder)) return;
        copy_ = folder;
        const fs::path tool = copy_ / fs::path(path_).filename();
        std::error_code ec;
        fs::copy_file(path_, tool, ec);
        if (ec || ::chmod(folder, 0755) != 0 || ::chmod(tool.c_str(), 0755) != 0) return;
        path_ = tool.string();
    }
    ~ReachableTool() {
        std::error_code ec;
        if (!copy_.empty()) std::filesystem::remove_all(copy_, ec);
    }
    const char* path() const { return path_.c_str(); }

private:
    std::string path_;
    std::filesystem::path copy_;
};

}  // namespace

const char* scoring_tool_path() {
    static const ReachableTool tool;
    return tool.path();
}

namespace {

// Runs a program (found on PATH) with these arguments and waits for it; what it says on its
// error output (or, with `standard_output`, on its output) goes to `said` when given.
int run(std::vector<std::string> args, std::string* said = nullptr, bool standard_output = false) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int error_output[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (said && ::pipe(error_output) == 0) {
        posix_spawn_file_actions_adddup2(&actions, error_output[1], standard_output ? 1 : 2);
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
    args.insert(args.begin(), scoring_tool_path());
    return run(std::move(args), said);
}

int run_sqlite3(const std::string& file, const std::string& sql) {
    return run({"sqlite3", "-bail", "-cmd", ".timeout 2000", file, sql});
}

int run_sqlite3(const std::string& file, const std::string& sql, std::string* output, int timeout_ms) {
    return run({"sqlite3", "-bail", "-cmd", ".timeout " + std::to_string(timeout_ms), file, sql}, output, true);
}

ScoringWriter::ScoringWriter(std::vector<std::string> args) {
    int fds[2];
    if (::pipe(fds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    args.insert(args.begin(), std::string(scoring_tool_path()));
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, scoring_tool_path(), &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    out_ = fdopen(fds[0], "r");
}

ScoringWriter::~ScoringWriter() {
    stop(SIGKILL);
    if (out_) std::fclose(out_);
}

long ScoringWriter::read_commits(long at_least) {
    char line[64];
    while (out_ && last_ < at_least && std::fgets(line, sizeof line, out_)) std::sscanf(line, "committed %ld", &last_);
    return last_;
}

int ScoringWriter::wait(std::string* printed) {
    char buffer[256];
    std::size_t n;
    while (out_ && (n = std::fread(buffer, 1, sizeof buffer, out_)) > 0)
        if (printed) printed->append(buffer, n);
    int status = -1;
    if (pid_ > 0) waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

long ScoringWriter::stop(int signal) {
    if (pid_ > 0) {
        kill(pid_, signal);
        int status;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        read_commits(std::numeric_limits<long>::max());
    }
    return last_;
}

}  // namespace zrv::testing
