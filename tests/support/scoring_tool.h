#pragma once
// The scoring software's stand-in (zrv_scoring), run as a process of its own as the real one
// runs beside the program.
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

}  // namespace zrv::testing
