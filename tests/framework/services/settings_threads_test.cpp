#include "framework/services/settings_file.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zrv
