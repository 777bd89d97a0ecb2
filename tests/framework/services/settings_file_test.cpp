#include "framework/services/settings_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace zrv {
namespace {

using namespace std::string_literals;

// ---------------------------------------------------------------- entries

TEST(SettingsFile, NamesMatchWithoutRegardToCaseAndBlanksAroundAreNotPartOfThem) {
    testing::TempFolder folder;
    folder.write("Zorvane.INI", "[Setup]\n  Clock:DigitsIni =  .\\Digits\\red.ini  \n");
    SettingsFile ini;
    ini.open(".\\zorvane.ini");
    EXPECT_EQ(ini.get("SETUP", "clock:digitsini"), ".\\Digits\\red.ini");
    EXPECT_EQ(ini.get(" setup ", "Clock:DigitsIni"), ".\\Digits\\red.ini");
    EXPECT_EQ(ini.get("Setup", "Clock"), std::nullopt);
    EXPECT_EQ(ini.get("Other", "Clock:DigitsIni"), std::nullopt);
    EXPECT_EQ(ini.get_or("Other", "x", "fallback"), "fallback");
    EXPECT_EQ(ini.path(), (folder / "Zorvane.INI").string());  // the file as it is named
}

TEST(SettingsFile, AWriteKeepsEveryOtherLineAsWritten) {
    testing::TempFolder folder;
    const std::string before =
        "orphan=before any section\n"
        "; a comment\n"
        "[Main]\n"
        "Maximize=No\n"
        "garbage line without equals\n"
        "XPos = 10\n"
        "[broken section\n"
        "\n"
        "[Other]\n"
        "Key=Value\n";
    folder.write("Zorvane.INI", before);
    SettingsFile ini;
    ini.open(".\\Zorvane.INI");
    ini.put("main", "xpos", "42");  // replaced in place, its name as written
    ini.put("MAIN", "YPos", "7");   // added after the section's last entry
    ini.put("New", "Entry", "v");   // a new section at the end
    EXPECT_EQ(folder.read("Zorvane.INI"),
              "orphan=before any section\n"
              "; a comment\n"
              "[Main]\n"
              "Maximize=No\n"
              "garbage line without equals\n"
              "XPos=42\n"
              "YPos=7\n"
              "[broken section\n"
              "\n"
              "[Other]\n"
              "Key=Value\n"
              "[New]\n"
              "Entry=v\n");
    EXPECT_EQ(ini.get("Main", "orphan"), std::nullopt);
    EXPECT_EQ(ini.get("Main", "garbage line without equals"), std::nullopt);
}

TEST(SettingsFile, KeepsWindowsLineEndingsAndALastLineWithoutOne) {
    testing::TempFolder folder;
    folder.write("a.ini", "[A]\r\nX=1\r\n[B]\r\nY=2");
    SettingsFile ini;
    ini.open(".\\a.ini");
    EXPECT_EQ(ini.get("A", "X"), "1");
    EXPECT_EQ(ini.get("B", "Y"), "2");
    ini.put("B", "Z", "3");
    ini.put("A", "X", "4");
    EXPECT_EQ(folder.read("a.ini"), "[A]\r\nX=4\r\n[B]\r\nY=2\r\nZ=3\r\n");
}

TEST(SettingsFile, AMissingFileReadsEmptyAndTheFirstWriteCreatesIt) {
    testing::TempFolder folder;
    SettingsFile ini;
    ini.open(".\\Zorvane.INI");
    EXPECT_TRUE(ini.is_open());
    EXPECT_TRUE(ini.sectors().empty());
    EXPECT_EQ(ini.get("Main", "Maximize"), std::nullopt);
    ini.remove("Main", "Maximize");
    EXPECT_FALSE(std::filesystem::exists(folder / "Zorvane.INI"));  // nothing to remove, nothing written

    ini.put("Main", "Maximize", "Yes");
    EXPECT_EQ(folder.read("Zorvane.INI"), "[Main]\nMaximize=Yes\n");
    // Only the file itself: no temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

// A program killed while writing leaves its new file beside the settings file: the next open
// removes it, and nothing else.
TEST(SettingsFile, OpeningRemovesTheNewFilesOfAWriteThatNeverFinished) {
    testing::TempFolder folder;
    folder.write("Zorvane.INI", "[Main]\nMaximize=No\n");
    for (const char* left : {"Zorvane.INI.tmp.4242.0", "Zorvane.INI.tmp.17.3"}) folder.write(left, "[Main]\nMaxi");
    for (const char* kept : {"Other.INI.tmp.4242.0", "Zorvane.INI.tmpfile", "Zorvane.INI.tmp."}) folder.write(kept, "x");
    SettingsFile ini;
    ini.open(".\\Zorvane.INI");
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder.path())) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Other.INI.tmp.4242.0", "Zorvane.INI", "Zorvane.INI.tmp.", "Zorvane.INI.tmpfile"}));
    EXPECT_EQ(ini.get("Main", "Maximize"), "No");
}

TEST(SettingsFile, RemoveDeletesJustThatEntryWhereverItIsRepeated) {
    testing::TempFolder folder;
    folder.write("a.ini", "[Main]\nXPos=1\nYPos=2\n[Other]\nXPos=3\n[main]\nxpos=4\n");
    SettingsFile ini;
    ini.open(".\\a.ini");
    EXPECT_EQ(ini.get("Main", "XPos"), "1");  // the first of two equal entries
    ini.remove("MAIN", "xpos");
    EXPECT_EQ(ini.get("Main", "XPos"), std::nullopt);
    EXPECT_EQ(folder.read("a.ini"), "[Main]\nYPos=2\n[Other]\nXPos=3\n[main]\n");
}

TEST(SettingsFile, NamesThatCannotBeStoredWriteNothingAndLineBreaksInValuesBecomeBlanks) {
    testing::TempFolder folder;
    SettingsFile ini;
    ini.open(".\\a.ini");
    ini.put("Main", "Key", "one\r\n[Evil]\nX=1");
    ini.put("Main", "A=B", "v");
    ini.put("Ma]in", "A", "v");
    ini.put("Main\n[X]", "A", "v");
    ini.put("", "A", "v");
    ini.put("Main", "  ", "v");
    EXPECT_EQ(folder.read("a.ini"), "[Main]\nKey=one  [Evil] X=1\n");
    EXPECT_EQ(ini.get("Evil", "X"), std::nullopt);
}

TEST(SettingsFile, EveryObjectOnTheFileSeesTheOthersWrites) {
    testing::TempFolder folder;
    SettingsFile a, b;
    a.open(".\\Digits.ini");
    a.put("Setup", "Clock:DigitsF12", "2");
    b.open(".\\DIGITS.INI");  // the same file, found whatever the case
    EXPECT_EQ(b.path(), a.path());
    EXPECT_EQ(b.get("setup", "clock:digitsf12"), "2");
    b.put("Setup", "Clock:DigitsF12", "1");
    EXPECT_EQ(a.get("Setup", "Clock:DigitsF12"), "1");
}

TEST(SettingsFile, MalformedFilesNeverCrash) {
    testing::TempFolder folder;
    const std::string long_value(1 << 20, 'v');
    struct Case {
        std::string content;
        std::optional<std::string> value;  // of [S] K
    } cases[] = {
        {"", std::nullopt},
        {"K=no section\n", std::nullopt},
        {"[S]\nK\n", std::nullopt},
        {"[S\nK=1\n", std::nullopt},
        {"[]\n[S]\n=x\nK==1=\n", "=1="},
        {"[S]\r\r\nK=a\0b\n"s, "a\0b"s},
        {"\0[S]\nK=1\n"s, std::nullopt},
        {"[S]\nK=" + long_value + "\n", long_value},
        {"[" + long_value + "\n[S]]\nK= 5 ", "5"},
        {std::string(4096, '\n') + "[S]\nK=1", "1"},
        {"[S]\nK=1\r", "1"},
        {"[A]\nX=1\r", std::nullopt},  // a new section after a last line ended by a lone CR
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        folder.write("bad.ini", c.content);
        SettingsFile ini;
        ini.open(".\\bad.ini");
        EXPECT_EQ(ini.get("S", "K"), c.value) << c.content.substr(0, 40);
        ini.put("S", "New", "1");
        EXPECT_EQ(ini.get("S", "New"), "1");
        ini.remove("S", "New");
        EXPECT_EQ(ini.get("S", "K"), c.value);
        ini.close();
    }
}

TEST(SettingsFile, BeforeOpenNothingIsReadOrWritten) {
    testing::TempFolder folder;
    SettingsFile ini;
    ini.put("Main", "Maximize", "Yes");
    EXPECT_EQ(ini.get("Main", "Maximize"), std::nullopt);
    ini.close();
    EXPECT_FALSE(ini.is_open());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 0);
}

// A write that cannot be made leaves the file as it was and is told once per open, however
// many writes follow. A file without write permission bits is read-only even for a process
// that could write it anyway (root).
TEST(SettingsFile, AWriteThatCannotBeMadeLeavesTheFileAndIsToldOnce) {
    namespace fs = std::filesystem;
    struct Case {
        const char* name;
        std::function<void(const fs::path& folder)> block;
        bool existed;
        const char* why;  // empty: any
    };
    std::vector<Case> cases = {
        {"read-only file",
         [](const fs::path& f) { fs::permissions(f / "Zorvane.INI", fs::perms::owner_read | fs::perms::group_read); }, true,
         "the file is read-only"},
        {"folder gone", [](const fs::path& f) { fs::remove_all(f); }, false, ""},
    };
    if (::geteuid() != 0)
        cases.push_back({"folder without write permission",
                         [](const fs::path& f) { fs::permissions(f, fs::perms::owner_read | fs::perms::owner_exec); }, true, ""});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TempFolder folder;
        const std::string content = "[Main]\nMaximize=No\n; kept as written\n";
        if (c.existed) folder.write("work/Zorvane.INI", content);
        else fs::create_directory(folder / "work");
        SettingsFile ini;
        std::vector<std::string> told;
        ini.on_write_failure([&](const std::string& path, bool existed, const std::string& why) {
            told.push_back(why);
            EXPECT_EQ(path, (fs::canonical(folder.path()) / "work" / "Zorvane.INI").string());
            EXPECT_EQ(existed, c.existed);
        });
        ini.open(".\\work\\Zorvane.INI");
        c.block(folder / "work");
        struct stat before {};
        ::stat((folder / "work/Zorvane.INI").c_str(), &before);
        ini.put("Main", "XPos", "5");
        ini.remove("Main", "Maximize");
        ini.put("AboutUs", "Maximize", "Yes");
        ini.close();
        ASSERT_EQ(told.size(), 1u);
        if (*c.why) {
            EXPECT_EQ(told[0], c.why);
        }
        if (c.existed) {
            EXPECT_EQ(folder.read("work/Zorvane.INI"), content);
            struct stat after {};
            ::stat((folder / "work/Zorvane.INI").c_str(), &after);
            EXPECT_EQ(after.st_ino, before.st_ino) << "not replaced by another file";
            EXPECT_EQ(after.st_mode, before.st_mode);
            EXPECT_EQ(std::distance(fs::directory_iterator(folder / "work"), {}), 1) << "no file left beside it";
            EXPECT_EQ(ini.get("Main", "Maximize"), "No");  // still read
            fs::permissions(folder / "work", fs::perms::owner_all);
        }
    }
}

// ---------------------------------------------------------------- sector list

TEST(SectorList, ANewFileGetsSectorsZeroAtClose) {
    testing::TempFolder folder;
    SettingsFile ini;
    ini.open(".\\Zorvane.INI");
    ini.close();
    EXPECT_FALSE(ini.is_open());
    EXPECT_EQ(folder.read("Zorvane.INI"), "[__Dont_Touch_Me__]\nSectors=0\n");
}

TEST(SectorList, IsWrittenBackUnchanged) {
    testing::TempFolder folder;
    const std::string content =
        "[Main]\nMaximize=No\n"
        "[__Dont_Touch_Me__]\nSectors=3\nSectors_1=1,2,3\nSectors_2=a,,c\nSectors_3=x,y,z,w\n";
    folder.write("Zorvane.INI", content);
    SettingsFile ini;
    ini.open(".\\Zorvane.INI");
    ASSERT_EQ(ini.sectors().size(), 3u);
    EXPECT_EQ(ini.sectors()[0], (SettingsFile::Sector{"1", "2", "3"}));
    EXPECT_EQ(ini.sectors()[1], (SettingsFile::Sector{"a", "", "c"}));
    EXPECT_EQ(ini.sectors()[2], (SettingsFile::Sector{"x", "y", "z,w"}));  // nothing lost
    folder.write("Zorvane.INI", "[Main]\nMaximize=Yes\n");                 // rewritten meanwhile
    ini.close();
    EXPECT_TRUE(ini.sectors().empty());
    EXPECT_EQ(folder.read("Zorvane.INI"),
              "[Main]\nMaximize=Yes\n"
              "[__Dont_Touch_Me__]\nSectors=3\nSectors_1=1,2,3\nSectors_2=a,,c\nSectors_3=x,y,z,w\n");
}

TEST(SectorList, ACountThatIsNoNumberOrNamesMissingEntriesIsCut) {
    testing::TempFolder folder;
    struct Case {
        const char* section;
        std::size_t length;
        const char* written;  // what close writes
    } cases[] = {
        {"Sectors=\n", 0, "Sectors=0\n"},
        {"Sectors=two\nSectors_1=a,b,c\n", 0, "Sectors=0\nSectors_1=a,b,c\n"},
        {"Sectors=-1\nSectors_1=a,b,c\n", 0, "Sectors=0\nSectors_1=a,b,c\n"},
        {"Sectors=99999999999999999999999\nSectors_1=a,b,c\nSectors_2=d\n", 2, "Sectors=2\nSectors_1=a,b,c\nSectors_2=d,,\n"},
        {"Sectors=3\nSectors_1=a,b,c\nSectors_3=g,h,i\n", 3, "Sectors=3\nSectors_1=a,b,c\nSectors_3=g,h,i\nSectors_2=,,\n"},
        {"Sectors=1\nSectors_1=a,b,c\nSectors_2=d,e,f\n", 1, "Sectors=1\nSectors_1=a,b,c\nSectors_2=d,e,f\n"},
        {"sectors=1\nSECTORS_01=x\nsectors_1=p,q,r\n", 1, "sectors=1\nSECTORS_01=x\nsectors_1=p,q,r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section);
        folder.write("a.ini", "[__Dont_Touch_Me__]\n"s + c.section);
        SettingsFile ini;
        ini.open(".\\a.ini");
        EXPECT_EQ(ini.sectors().size(), c.length) << c.section;
        ini.close();
        EXPECT_EQ(folder.read("a.ini"), "[__Dont_Touch_Me__]\n"s + c.written) << c.section;
    }
}

// ---------------------------------------------------------------- window placement

class FakeWindow : public PlacementWindow {
public:
    bool maximized = false, minimized = false, resizable = true;
    int left = 0, top = 0, w = 100, h = 50;
    std::vector<std::string> calls;

    bool is_maximized() const override { return maximized; }
    bool is_minimized() const override { return minimized; }
    bool is_resizable() const override { return resizable; }
    int x() const override { return left; }
    int y() const override { return top; }
    int width() const override { return w; }
    int height() const override { return h; }
    void restore_normal() override { maximized = false, calls.push_back("restore"); }
    void maximize() override { maximized = true, calls.push_back("maximize"); }
    void move_to(int nx, int ny) override {
        left = nx, top = ny;
        calls.push_back("move " + std::to_string(nx) + "," + std::to_string(ny));
    }
    void set_width(int nw) override { w = nw, calls.push_back("width " + std::to_string(nw)); }
    void set_height(int nh) override { h = nh, calls.push_back("height " + std::to_string(nh)); }
};

TEST(WindowPlacement, SaveWritesOnlyWhatTheWindowsStateAllows) {
    struct Case {
        bool maximized, minimized, resizable;
        const char* section;
    } cases[] = {
        {false, false, true, "Maximize=No\nMinimize=No\nXPos=-12\nYPos=34\nWidth=640\nHeight=480\n"},
        {false, false, false, "Maximize=No\nMinimize=No\nXPos=-12\nYPos=34\n"},
        {true, false, true, "Maximize=Yes\nMinimize=No\n"},
        {false, true, true, "Maximize=No\nMinimize=Yes\n"},
        {true, true, false, "Maximize=Yes\nMinimize=Yes\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section);
        testing::TempFolder folder;
        // The placement of an earlier close, and a neighbour that must stay.
        folder.write("Zorvane.INI",
                     "[BrowseKataEvents]\nMaximize=Yes\nMinimize=Yes\nXPos=1\nYPos=2\nWidth=3\nHeight=4\n"
                     "[Main]\nMaximize=Yes\n");
        FakeWindow window;
        window.maximized = c.maximized, window.minimized = c.minimized, window.resizable = c.resizable;
        window.left = -12, window.top = 34, window.w = 640, window.h = 480;
        SettingsFile ini;
        ini.open(".\\Zorvane.INI");
        ini.save_window_placement("BrowseKataEvents", window);
        EXPECT_EQ(folder.read("Zorvane.INI"), "[BrowseKataEvents]\n"s + c.section + "[Main]\nMaximize=Yes\n");
        EXPECT_EQ(window.calls, std::vector<std::string>{});
    }
}

TEST(WindowPlacement, ANewSectionIsWrittenInOrder) {
    testing::TempFolder folder;
    FakeWindow window;
    window.left = 5, window.top = 6, window.w = 70, window.h = 80;
    SettingsFile ini;
    ini.open(".\\Zorvane.INI");
    ini.save_window_placement("Main", window);
    EXPECT_EQ(folder.read("Zorvane.INI"), "[Main]\nMaximize=No\nMinimize=No\nXPos=5\nYPos=6\nWidth=70\nHeight=80\n");
}

TEST(WindowPlacement, RestoreAppliesTheStepsInOrder) {
    struct Case {
        const char* name;
        const char* section;
        bool maximized, resizable;
        std::vector<std::string> calls;
    } cases[] = {
        {"normal", "Maximize=No\nXPos=10\nYPos=20\nWidth=300\nHeight=200\n", false, true, {"move 10,20", "width 300", "height 200"}},
        {"maximized window restored to normal first", "Maximize=No\nXPos=10\nYPos=20\n", true, true, {"restore", "move 10,20"}},
        {"maximized last",
         "Maximize=Yes\nXPos=10\nYPos=20\nWidth=300\nHeight=200\n",
         false,
         true,
         {"move 10,20", "width 300", "height 200", "maximize"}},
        {"already maximized", "Maximize=Yes\n", true, true, {}},
        {"not resizable keeps its size", "Maximize=No\nXPos=10\nYPos=20\nWidth=300\nHeight=200\n", false, false, {"move 10,20"}},
        {"no Maximize applies nothing", "XPos=10\nYPos=20\nWidth=300\nHeight=200\n", true, true, {}},
        {"Maximize neither Yes nor No", "Maximize=yes\nXPos=10\n", true, true, {}},
        {"one coordinate keeps the other", "Maximize=No\nYPos=20\nHeight=9\n", false, true, {"move 1,20", "height 9"}},
        {"bad numbers read as missing",
         "Maximize=No\nXPos=12abc\nYPos=99999999999999999999\nWidth=-5\nHeight=0x10\n",
         false,
         true,
         {}},
        {"numbers out of range read as missing",
         "Maximize=No\nXPos=1000001\nYPos=-1000000\nWidth=1000000\nHeight=0\n",
         false,
         true,
         {"move 1,-1000000", "width 1000000"}},
        {"blanks around numbers", "Maximize = No \nXPos= +7 \nYPos=-8\n", false, true, {"move 7,-8"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TempFolder folder;
        folder.write("Zorvane.INI", "[Main]\n"s + c.section);
        FakeWindow window;
        window.left = 1, window.top = 2;
        window.maximized = c.maximized, window.resizable = c.resizable;
        SettingsFile ini;
        ini.open(".\\Zorvane.INI");
        ini.restore_window_placement("MAIN", window);
        EXPECT_EQ(window.calls, c.calls) << c.name;
    }
}

TEST(WindowPlacement, AMissingFileOrSectionRestoresNothing) {
    testing::TempFolder folder;
    FakeWindow window;
    SettingsFile ini;
    ini.open(".\\Zorvane.INI");
    ini.restore_window_placement("Main", window);
    folder.write("Zorvane.INI", "[Other]\nMaximize=Yes\n");
    ini.restore_window_placement("Main", window);
    EXPECT_EQ(window.calls, std::vector<std::string>{});
}

TEST(WindowPlacement, SavedThenRestoredGivesTheSameWindow) {
    testing::TempFolder folder;
    FakeWindow closed;
    closed.left = 40, closed.top = -3, closed.w = 800, closed.h = 600;
    SettingsFile ini;
    ini.open(".\\Zorvane.INI");
    ini.save_window_placement("AboutUs", closed);
    FakeWindow reopened;
    reopened.maximized = true;
    ini.restore_window_placement("AboutUs", reopened);
    EXPECT_FALSE(reopened.maximized);
    EXPECT_EQ(std::vector<int>({reopened.left, reopened.top, reopened.w, reopened.h}), std::vector<int>({40, -3, 800, 600}));
}

}  // namespace
}  // namespace zrv
