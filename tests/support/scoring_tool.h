#pragma once
// The scoring software's stand-in (zrv_scoring), run as a process of its own as the real one
// runs beside the program.
#include <sys/types.h>

#include <cstdio>
#include <string>
#include <vector>

namespace zrv::testing {

// Runs the tool with these arguments and waits for it; its exit status, -1 when it could not
// run or did not exit normally. What it says on its error output goes to `said` when given.
int run_scoring_tool(std::vector<std::string> args, std::string* said = nullptr);

// The tool's path, for tests that talk to it while it runs.
const char* scoring_tool_path();

// Runs the sqlite3 command-line client on a table file with one SQL text, as another program
// following docs/table-files.md writes; its exit status, -1 when it could not run.
int run_sqlite3(const std::string& file, const std::string& sql);
// The same, with what the client prints (a SELECT's rows) in `output`, waiting at most
// `timeout_ms` for another program's lock.
int run_sqlite3(const std::string& file, const std::string& sql, std::string* output, int timeout_ms = 2000);

// The tool running as a process of its own while the test goes on (a writer that commits as fast
// as it is told); killed at the end when still running.
class ScoringWriter {
public:
    explicit ScoringWriter(std::vector<std::string> args);
    ~ScoringWriter();
    ScoringWriter(const ScoringWriter&) = delete;
    ScoringWriter& operator=(const ScoringWriter&) = delete;
    // The number of the last "committed <n>" line, reading until at least `at_least`.
    long read_commits(long at_least);
    // Waits for it to end; returns its exit status and what it printed.
    int wait(std::string* printed = nullptr);
    // Kills it; returns the last commit it reported.
    long stop(int signal);

private:
    pid_t pid_ = -1;
    std::FILE* out_ = nullptr;
    long last_ = 0;
};

}  // namespace zrv::testing
