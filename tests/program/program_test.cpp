// The program as users run it: the binary the run command builds, started in an empty working
// folder (no "Digits") on a virtual X display of its own, driven by X key presses and clicks.
// Each scoreboard opened from the frame's menus shows its clock in the built-in "Paint" digits the
// program carries. The last screen grab of each case is kept in program/<case>.png for a look,
// beside the program's output.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "framework/image/image_loader.h"
#include "tests/support/scoring_tool.h"
#include "tests/support/temp_folder.h"

extern char** environ;

namespace zrv::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// The calling process's environment with some variables set (an empty value removes one).
std::vector<std::string> environment(const std::map<std::string, std::string>& set) {
    std::vector<std::string> out;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (!set.count(entry.substr(0, entry.find('=')))) out.push_back(entry);
    }
    for (const auto& [name, value] : set)
        if (!value.empty()) out.push_back(name + "=" + value);
    return out;
}

bool wait_until(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(100ms);
    }
    return true;
}

// How long the program may take to answer a step (show its frame, open a menu, a list, a board):
// it answers as soon as it is ready, and a step that runs out means a program that hangs. The
// limit lies far beyond what a sanitized build takes on a machine busy with other builds, so
// that load alone never reaches it.
constexpr std::chrono::milliseconds kStepLimit = 90s;

// A process this test starts; ended (and waited for) when the object goes.
class Child {
public:
    // Its output goes to log; close_fd is closed in the child.
    Child(std::vector<std::string> args, const std::vector<std::string>& env, const fs::path& log, int close_fd = -1) {
        std::vector<char*> argv, envp;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        std::vector<std::string> e = env;
        for (std::string& v : e) envp.push_back(v.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        if (close_fd >= 0) posix_spawn_file_actions_addclose(&actions, close_fd);
        if (posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Child() {
        if (!running()) return;
        kill(pid_, SIGTERM);
        wait_until([&] { return !running(); }, 5s);
        if (running()) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    pid_t pid() const { return pid_; }
    bool running() {
        if (pid_ > 0 && waitpid(pid_, &status_, WNOHANG) == pid_) pid_ = -1;  // ended and reaped
        return pid_ > 0;
    }
    // How it ended (waitpid's status), once running() has seen it end.
    int status() const { return status_; }

private:
    pid_t pid_ = -1;
    int status_ = 0;
};

std::optional<Image> read_image(const fs::path& file, std::optional<Image> (*decode)(std::span<const unsigned char>)) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return bytes.empty() ? std::nullopt : decode(bytes);
}

// Where the opaque pixels of a picture stand on the screen, exactly; a border of `margin` pixels
// is left out (a cell may clip its picture's edge by a pixel).
std::vector<std::pair<int, int>> find_picture(const Image& screen, const Image& picture, int margin = 2) {
    std::vector<std::pair<int, int>> found;
    std::vector<std::pair<int, int>> opaque;  // offsets of the opaque pixels compared
    for (int y = margin; y < picture.height - margin; ++y)
        for (int x = margin; x < picture.width - margin; ++x)
            if ((picture.pixels[std::size_t(y * picture.width + x)] >> 24) == 0xFF) opaque.emplace_back(x, y);
    if (opaque.empty()) return found;
    const auto rgb = [](std::uint32_t p) { return p & 0xFFFFFFu; };
    for (int sy = 0; sy + picture.height <= screen.height; ++sy)
        for (int sx = 0; sx + picture.width <= screen.width; ++sx) {
            bool same = true;
            for (const auto& [x, y] : opaque)
                if (rgb(screen.pixels[std::size_t((sy + y) * screen.width + sx + x)]) !=
                    rgb(picture.pixels[std::size_t(y * picture.width + x)])) {
                    same = false;
                    break;
                }
            if (same) found.emplace_back(sx, sy);
        }
    return found;
}

class Program : public ::testing::Test {
protected:
    // Starts an X server on a display of its own; display_ becomes ":N", empty when it failed.
    // The display of a hall (1920x1080) holds each board at its own size, so its clock's
    // pictures stand on the screen as they are carried, not scaled.
    std::unique_ptr<Child> start_display() {
        display_.clear();
        int fds[2];
        if (pipe(fds) != 0) return nullptr;
        auto xvfb = std::make_unique<Child>(std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                                                     "1920x1080x24", "-nolisten", "tcp"},
                                            environment({}), fs::path(ZRV_ARTIFACT_DIR) / "xvfb.log", fds[0]);
        close(fds[1]);
        // Xvfb writes its display number once it accepts clients.
        std::string number;
        char c;
        fcntl(fds[0], F_SETFL, O_NONBLOCK);
        wait_until(
            [&] {
                while (read(fds[0], &c, 1) == 1)
                    if (c == '\n') return true;
                    else number += c;
                return !xvfb->running();
            },
            kStepLimit);
        close(fds[0]);
        if (!number.empty()) display_ = ":" + number;
        return xvfb;
    }

    // Runs an X client to its end (a minute at most: a client that hangs does not hang the
    // test); its output.
    std::string x_client(const std::string& command) {
        const std::string line = "DISPLAY=" + display_ + " timeout 60 " + command + " 2>/dev/null";
        std::string out;
        if (FILE* p = popen(line.c_str(), "r")) {
            char buf[256];
            while (std::fgets(buf, sizeof buf, p)) out += buf;
            pclose(p);
        }
        return out;
    }
    std::vector<std::string> windows(const std::string& search) {
        std::vector<std::string> ids;
        std::string all = x_client("xdotool search " + search);
        for (std::size_t at = 0, end; (end = all.find('\n', at)) != std::string::npos; at = end + 1)
            ids.push_back(all.substr(at, end - at));
        return ids;
    }
    std::optional<Image> grab(const fs::path& png) {
        fs::remove(png);
        x_client("import -window root '" + png.string() + "'");
        return read_image(png, &decode_png);
    }

    struct Board {
        const char* name;
        int menu;           // the menu's place on the menu bar, from 0
        int item;           // the list's item in it, from 0, separators left out
        const char* clock;  // what the clock shows; null: six digits and two separators
        const char* aka = "Aiko Tanaka";
        const char* ao = "Bruno Silva";
    };
    void open_board_and_check_the_clock(const Board& board);

    // Waits for a step of the program, at most kStepLimit, and says how long it took.
    bool step(const char* what, const std::function<bool()>& done) {
        const auto start = std::chrono::steady_clock::now();
        const bool ok = wait_until(done, kStepLimit);
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        std::printf("  %s: %s after %.1f s\n", what, ok ? "done" : "NOT done", double(took.count()) / 1000);
        std::fflush(stdout);
        return ok;
    }
    // What the program is doing when a step ran out: whether it still runs, and then the stacks
    // of its threads (through gdb where it is installed, else each thread's state), in a file
    // beside the screen grabs.
    std::string what_the_program_does(Child& program, const std::string& name) {
        if (!program.running()) return " (the program has ended)";
        const fs::path file = fs::path(ZRV_ARTIFACT_DIR) / (name + ".threads.txt");
        const std::string pid = std::to_string(program.pid());
        const std::string command = "if command -v gdb >/dev/null; then timeout 60 gdb -p " + pid +
                                    " -batch -ex 'thread apply all bt' </dev/null; else for t in /proc/" + pid +
                                    "/task/*; do echo \"$t $(cat $t/comm) $(cut -d' ' -f3 $t/stat) $(cat $t/wchan)\"; done; fi >'" +
                                    file.string() + "' 2>&1";
        std::system(command.c_str());
        return " (the program still runs; its threads: " + file.string() + ")";
    }

    TempFolder folder_;
    std::string display_;
};

void Program::open_board_and_check_the_clock(const Board& board) {
    for (const fs::directory_entry& e : fs::directory_iterator(folder_.path())) fs::remove_all(e.path());
    ASSERT_EQ(run_scoring_tool({"create"}), 0);
    ASSERT_EQ(run_scoring_tool({"set", "ScoreBoard", "1", "Timer1StartTime=90", "StopStart=1", std::string("FullNameAka=") + board.aka,
                                std::string("FullNameAo=") + board.ao}),
              0);
    const std::unique_ptr<Child> xvfb = start_display();
    ASSERT_FALSE(display_.empty()) << "Xvfb did not start";
    Child program({ZRV_PROGRAM}, environment({{"DISPLAY", display_}, {"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", ""}}),
                  fs::path(ZRV_ARTIFACT_DIR) / (std::string(board.name) + ".log"));
    const std::string shown_by_program = "--onlyvisible --pid " + std::to_string(program.pid());
    std::vector<std::string> shown;
    // A program that ended is not waited for; the X server's state tells a display that went
    // away from a program that could not use it.
    ASSERT_TRUE(step("the frame shows", [&] { return !(shown = windows(shown_by_program)).empty() || !program.running(); }) &&
                !shown.empty())
        << "the frame never showed" << what_the_program_does(program, board.name)
        << (xvfb->running() ? "; the X server on " + display_ + " still runs" : "; the X server on " + display_ + " had ended");
    const std::string frame = shown.front();
    // The program put the time-up sound and the demo digit sets into the empty folder; its
    // clocks still start on the built-in digits.
    for (const auto& [put, carried] : {std::pair{"TimeUP.wav", "sounds/TimeUP.wav"},
                                       {"Digits/Red/red.ini", "digits/Red/red.ini"},
                                       {"Digits/Amber/amber_7.jpg", "digits/Amber/amber_7.jpg"}}) {
        const auto bytes = [](const fs::path& p) {
            std::ifstream in(p, std::ios::binary);
            return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        };
        EXPECT_EQ(bytes(folder_ / put), bytes(source_dir() / "resources" / carried)) << put;
    }

    const fs::path png = fs::path(ZRV_ARTIFACT_DIR) / (std::string(board.name) + ".png");
    const auto on_screen = [&] { return grab(png) ? " (the screen: " + png.string() + ")" : std::string(); };
    const auto others = [&] {  // the program's windows shown beside the frame: a menu, a board
        std::vector<std::string> ids = windows(shown_by_program);
        std::erase(ids, frame);
        return ids;
    };
    // A click on the menu bar's first menu, then right to the board's menu, whose first item is
    // highlighted; down to the list's item.
    x_client("xdotool windowfocus --sync " + frame + " mousemove --window " + frame + " 12 8 click 1");
    ASSERT_TRUE(step("a menu opens", [&] { return !others().empty(); }))
        << "no menu opened" << on_screen() << what_the_program_does(program, board.name);
    std::string keys;
    for (int i = 0; i < board.menu; ++i) keys += " Right";
    for (int i = 0; i < board.item; ++i) keys += " Down";
    x_client("xdotool key --delay 60 " + keys + " Return");
    ASSERT_TRUE(step("the menu closes", [&] { return others().empty(); }))
        << "the menu stayed open" << on_screen() << what_the_program_does(program, board.name);
    // The list opens on bout 1, highlighted; "&View" opens its board, a window of its own. The
    // key is pressed again until the list is there to take it, waiting longer each time: once the
    // list has it, the board runs on the list's thread and the list drops what it is sent.
    auto patience = 1500ms;
    ASSERT_TRUE(step("a board opens",
                     [&] {
                         x_client("xdotool key alt+v");
                         const bool opened = wait_until([&] { return !others().empty(); }, patience);
                         patience = std::min(2 * patience, std::chrono::milliseconds(20s));
                         return opened;
                     }))
        << "no board opened" << on_screen() << what_the_program_does(program, board.name);

    // Each digit of the clock is a carried picture, found whole on the screen.
    std::map<char, Image> pictures;
    for (const char c : std::string("0123456789:")) {
        const std::string file = std::string("xsmall_") + (c == ':' ? 'd' : c) + ".gif";
        std::optional<Image> picture = read_image(source_dir() / "clock" / "digits" / file, &decode_gif);
        ASSERT_TRUE(picture) << file;
        pictures[c] = std::move(*picture);
    }
    std::map<char, int> expected, found;
    for (const auto& [c, picture] : pictures) expected[c] = 0;
    for (const char c : std::string(board.clock ? board.clock : "")) ++expected[c];
    std::optional<Image> grabbed;
    const auto shows_the_clock = [&] {
        int digits = 0;
        for (const auto& [c, picture] : pictures) {
            found[c] = static_cast<int>(find_picture(*grabbed, picture).size());
            if (c != ':') digits += found[c];
        }
        return board.clock ? found == expected : digits == 6 && found[':'] == 2;
    };
    const bool drawn = step("the clock shows", [&] { return (grabbed = grab(png)) && shows_the_clock(); });
    std::string seen;
    for (const auto& [c, n] : found) seen += std::string(std::size_t(n), c);
    EXPECT_TRUE(drawn) << "the clock's pictures found: \"" << seen << "\" on " << png << what_the_program_does(program, board.name);
    // The names were read whole: nothing about them in the program's log.
    std::ifstream log(folder_ / "Zorvane.log");
    for (std::string line; std::getline(log, line);) EXPECT_EQ(line.find("FullName"), std::string::npos) << line;
}

// Without a display (none named, or one named that is not there) the program says so in one
// line and ends with code 1, not with Qt's abort and its core dump.
TEST_F(Program, WithoutADisplayItSaysSoInOneLineAndEnds) {
    const struct {
        const char* name;
        std::map<std::string, std::string> env;
    } cases[] = {
        {"none named", {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}}},
        {"not there", {{"DISPLAY", ":9876"}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path log = fs::path(ZRV_ARTIFACT_DIR) / (std::string("no-display-") + c.name + ".log");
        fs::remove(log);
        {
            Child program({ZRV_PROGRAM}, environment(c.env), log);
            ASSERT_GT(program.pid(), 0);
            ASSERT_TRUE(wait_until([&] { return !program.running(); }, kStepLimit)) << "still running";
            const int status = program.status();
            EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
            EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
        }
        std::ifstream in(log);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        ASSERT_EQ(lines.size(), 1u) << (lines.empty() ? "" : lines.back());
        EXPECT_NE(lines[0].find("display"), std::string::npos) << lines[0];
        EXPECT_NE(lines[0].find("scripts/run.sh"), std::string::npos) << lines[0];
        EXPECT_TRUE(fs::is_empty(folder_.path())) << "nothing put in the folder";
    }
}

TEST_F(Program, AScoreboardOpenedFromTheMenusShowsItsClockInThePaintDigits) {
    // Bout 1's countdown of 90 seconds, stopped on the first two boards; the team board runs it.
    const Board boards[] = {
        {"board-classic", 3, 3, "00:01:30"},  // "&Display Kumite Individual", "&Score Board 1 Classic"
        {"board-black", 3, 4, "00:01:30"},    // "&Score Board 2  Black"
        {"board-team", 4, 2, nullptr},        // "&Display Kumite Team", "Score Board Team"
        // Names in other scripts, right to left among them: the grab shows them.
        {"board-scripts", 3, 4, "00:01:30", "山田 太郎 Yamada", "محمد عبد الله"},
    };
    for (const Board& b : boards) {
        SCOPED_TRACE(b.name);
        open_board_and_check_the_clock(b);
    }
}

}  // namespace
}  // namespace zrv::testing
