#include "framework/services/settings_file.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/temp_folder.h"

namespace zrv {
namespace {

// Procedures on different threads closing at the same moment, each with its own object on
// the one settings file: every entry of every thread is in the file afterwards.
TEST(SettingsFileThreads, ConcurrentWritersOfOneFileLoseNothing) {
    testing::TempFolder folder;
    folder.write("Zorvane.INI", "; kept\n[Main]\nMaximize=No\n");
    constexpr int kThreads = 4, kEntries = 40;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t] {
            SettingsFile ini;
            ini.open(t % 2 ? ".\\zorvane.ini" : ".\\Zorvane.INI");
            std::string section = "Screen" + std::to_string(t);
            for (int k = 0; k < kEntries; ++k) {
                ini.put(section, "Entry" + std::to_string(k), std::to_string(t * 1000 + k));
                // A read between writes sees a whole file: the entry just written is there.
                EXPECT_EQ(ini.get(section, "Entry" + std::to_string(k)), std::to_string(t * 1000 + k));
                EXPECT_EQ(ini.get("Main", "Maximize"), "No");
            }
            ini.remove(section, "Entry0");
        });
    for (std::thread& t : threads) t.join();

    SettingsFile ini;
    ini.open(".\\Zorvane.INI");
    for (int t = 0; t < kThreads; ++t) {
        std::string section = "Screen" + std::to_string(t);
        EXPECT_EQ(ini.get(section, "Entry0"), std::nullopt);
        for (int k = 1; k < kEntries; ++k)
            EXPECT_EQ(ini.get(section, "Entry" + std::to_string(k)), std::to_string(t * 1000 + k)) << section << k;
    }
    EXPECT_EQ(folder.read("Zorvane.INI").rfind("; kept\n[Main]\nMaximize=No\n", 0), 0u);
}

// Two programs in one folder closing at the same moment: each writes its window's placement
// and then the sector list, every write a read-modify-write of the whole file. Neither loses
// the other's section, in any of 20 rounds.
TEST(SettingsFileProcesses, TwoProgramsClosingAtOnceLoseNoSection) {
    struct Placed : PlacementWindow {
        int n = 0;
        bool is_maximized() const override { return false; }
        bool is_minimized() const override { return false; }
        bool is_resizable() const override { return true; }
        int x() const override { return n; }
        int y() const override { return n + 1; }
        int width() const override { return n + 2; }
        int height() const override { return n + 3; }
        void restore_normal() override {}
        void maximize() override {}
        void move_to(int, int) override {}
        void set_width(int) override {}
        void set_height(int) override {}
    };
    constexpr int kRounds = 20, kPrograms = 2, kScreens = 8;
    testing::TempFolder folder;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::filesystem::remove(folder / "Zorvane.INI");
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        std::vector<pid_t> programs;
        for (int p = 0; p < kPrograms; ++p) {
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                ::close(go[1]);
                SettingsFile ini;
                ini.open(".\\Zorvane.INI");
                char start = 0;
                (void)::read(go[0], &start, 1);  // all start together, when the pipe closes
                Placed window;
                for (int k = 0; k < kScreens; ++k) {
                    window.n = p * 100 + k;
                    ini.save_window_placement("Program" + std::to_string(p) + "Screen" + std::to_string(k), window);
                }
                ini.close();
                ::_exit(0);
            }
            programs.push_back(pid);
        }
        ::close(go[0]);
        ::close(go[1]);
        for (pid_t pid : programs) {
            int status = 0;
            ASSERT_EQ(::waitpid(pid, &status, 0), pid);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        SettingsFile ini;
        ini.open(".\\Zorvane.INI");
        for (int p = 0; p < kPrograms; ++p)
            for (int k = 0; k < kScreens; ++k) {
                const std::string section = "Program" + std::to_string(p) + "Screen" + std::to_string(k);
                EXPECT_EQ(ini.get(section, "XPos"), std::to_string(p * 100 + k)) << section;
                EXPECT_EQ(ini.get(section, "Height"), std::to_string(p * 100 + k + 3)) << section;
            }
        EXPECT_EQ(ini.get("__Dont_Touch_Me__", "Sectors"), "0");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "only the settings file";
    }
}

}  // namespace
}  // namespace zrv
