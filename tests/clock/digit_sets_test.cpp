// Digit sets, the clock's stored choices and its right-click menu, on a test window.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "framework/core/app_services.h"
#include "framework/services/settings_file.h"
#include "tests/clock/clock_host.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kF12Entry = "Host:xDC:4:DigitsF12";
constexpr const char* kSetEntry = "Host:xDC:4:DigitsIni";

std::optional<std::string> setting(const char* file, const char* section, const char* entry) {
    SettingsFile f;
    f.open(file);
    return f.get(section, entry);
}

// What the clock's cells and panel look like, as one text.
std::string snapshot(const Window& w) {
    std::string out;
    for (int n : w.numbers()) {
        const ControlState c = w.control(n);
        out += std::to_string(n) + ":" + c.image + "@" + std::to_string(c.x) + "," + std::to_string(c.y) + "," +
               std::to_string(c.width) + "x" + std::to_string(c.height) + (c.hidden ? " hidden" : "") + " fill " +
               std::to_string(c.fill_colour) + "\n";
    }
    return out;
}

// Copies a demo set of the source tree to a folder.
void copy_demo_set(const char* name, const fs::path& to) {
    fs::create_directories(to);
    fs::copy(source_dir() / "resources" / "digits" / name, to, fs::copy_options::recursive);
}

class DigitSets : public ::testing::Test {
protected:
    void SetUp() override {
        host_config() = HostConfig{};
        host_config().setup = [](DigitalClock& c, std::uint8_t&) {
            c.set_countdown(75);
            c.pause_countdown();
        };
        app_settings_file().open(".\\Zorvane.INI");
    }
    void TearDown() override { app_settings_file().close(); }
    Window& start() {
        driver.start("ClockHost");
        return driver.expect_window("ClockHost");
    }
    // Right click on the clock, choose an item, and for item 1 answer the file dialog.
    void choose(Window& w, int item, std::optional<std::string> file = std::nullopt) {
        click(driver, w, kRegion);
        ASSERT_TRUE(driver.pending(HeadlessEngine::RequestKind::Popup));
        driver.answer_popup(item);
        if (item != 1) return;
        ASSERT_TRUE(driver.pending(HeadlessEngine::RequestKind::File));
        driver.answer_file(std::move(file));
    }

    TempFolder folder;
    TestDriver driver;
};

TEST_F(DigitSets, TheMenuOffersTheFormatSwitchOnlyWithUsePopup) {
    struct Case {
        int use_popup, f12;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {0, kHours24, {"Choose digits..."}},
        {1, kHours24, {"Choose digits...", "12 hours with AM/PM format"}},
        {1, kHours12, {"Choose digits...", "24 hours format"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(&c - &*std::begin(cases)));
        host_config().use_popup = c.use_popup;
        host_config().f12 = c.f12;
        Window& w = start();
        choose(w, 0);
        ASSERT_FALSE(driver.engine().popups_shown().empty());
        EXPECT_EQ(driver.engine().popups_shown().back().items, c.items);
        EXPECT_EQ(w.keycode(), 0);  // the right click goes no further
        driver.close(w);
    }
    EXPECT_FALSE(fs::exists(folder / "digits.ini"));  // no choice: nothing stored
}

TEST_F(DigitSets, OnlyARightClickOnTheClocksRegionShowsTheMenu) {
    Window& w = start();
    click(driver, w, w.number_of("?PANEL"));
    click(driver, w, kFirstCell);
    click(driver, w, kRegion, kMouseLeft2Key);
    EXPECT_TRUE(driver.engine().popups_shown().empty());
}

TEST_F(DigitSets, SwitchingTheFormatIsStoredAndAppliedAtTheNextTickOnTimeOfDayOnly) {
    struct Case {
        int clock_type;
        const char* before;
        const char* after;
        int first_cell_x;
    };
    const Case cases[] = {
        {kClockTimeOfDay12or24, "17:05:00", " 5:05P--", 102},
        {kClockCountdown, "00:01:15", "00:01:15", 46},
    };
    driver.clock().set_time_of_day_cs(17 * 360000 + 5 * 6000);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        host_config().clock_type = c.clock_type;
        host_config().use_popup = 1;
        host_config().f12 = kHours24;
        fs::remove(folder / "digits.ini");
        Window& w = start();
        EXPECT_EQ(shown(w), c.before);
        choose(w, 2);
        EXPECT_EQ(setting(".\\digits.ini", "Setup", kF12Entry), "2");
        EXPECT_EQ(shown(w), c.before);
        driver.advance_ms(100);
        EXPECT_EQ(shown(w), c.after);
        EXPECT_EQ(w.control(kFirstCell).x, c.first_cell_x);
        driver.close(w);
    }
}

TEST_F(DigitSets, SwitchingBackToTwentyFourHoursShowsTheLastCellsAgain) {
    driver.clock().set_time_of_day_cs(9 * 360000 + 15 * 6000);
    host_config().clock_type = kClockTimeOfDay12or24;
    host_config().use_popup = 1;
    host_config().f12 = kHours12;
    Window& w = start();
    EXPECT_EQ(shown(w), " 9:15A--");
    choose(w, 2);
    driver.advance_ms(100);
    EXPECT_EQ(shown(w), " 9:15:00");
    EXPECT_EQ(w.control(kFirstCell).x, 46);
    EXPECT_EQ(setting(".\\digits.ini", "Setup", kF12Entry), "1");
}

struct SetCase {
    const char* name;
    const char* set;     // demo set folder
    bool under_current;  // copied below the current folder, or outside it
    const char* file;    // the set file in it
    const char* ext;
    int width, height;  // of its digits
    Colour back_colour;
};

class ChoosingASet : public DigitSets, public ::testing::WithParamInterface<SetCase> {};

TEST_P(ChoosingASet, LoadsItsImagesRedrawsAndStoresTheChoice) {
    const SetCase& c = GetParam();
    const fs::path outside = fs::temp_directory_path() / ("zrv-clock-" + std::to_string(::getpid()));
    const fs::path base = c.under_current ? folder.path() / "Digits" : outside;
    copy_demo_set(c.set, base / c.set);
    const fs::path chosen = base / c.set / c.file;
    const std::string stored = c.under_current ? std::string(".\\Digits\\") + c.set + "\\" + c.file : chosen.string();
    const std::string images = stored.substr(0, stored.size() - std::strlen(c.file));

    Window& w = start();
    choose(w, 1, chosen.string());
    const FileDialogRequest dialog = driver.engine().file_dialogs_shown().back();
    EXPECT_EQ(dialog.title, "Select Digital Set");
    EXPECT_EQ(dialog.folder, ".\\Digits");
    ASSERT_FALSE(dialog.masks.empty());
    EXPECT_EQ(dialog.masks[0].description, "Digital Clock Sets");
    EXPECT_EQ(dialog.masks[0].pattern, "*.ini");

    EXPECT_EQ(setting(".\\digits.ini", "Setup", kSetEntry), stored);
    EXPECT_EQ(shown(w), "00:01:15");
    const std::string prefix = images + std::string(c.file, std::strlen(c.file) - 4) + "_";
    EXPECT_EQ(w.control(kFirstCell + 4).image, prefix + "1." + c.ext);
    EXPECT_EQ(w.control(kFirstCell + 2).image, prefix + "d." + c.ext);
    EXPECT_EQ(w.control(kFirstCell).width, c.width);  // the size of its "1", decoded
    EXPECT_EQ(w.control(kFirstCell).height, c.height);
    EXPECT_EQ(w.control(kFirstCell + 1).x, 20 + (500 - 8 * c.width) / 2 + c.width);
    EXPECT_EQ(driver.control(w, "?PANEL").fill_colour, c.back_colour);
    // Reading the set file wrote its bookkeeping back into it.
    EXPECT_EQ(setting(chosen.c_str(), "__Dont_Touch_Me__", "Sectors"), "0");

    driver.close(w);
    Window& again = start();  // the choice lasts
    EXPECT_EQ(again.control(kFirstCell + 4).image, prefix + "1." + c.ext);
    fs::remove_all(outside);
}

INSTANTIATE_TEST_SUITE_P(Sets, ChoosingASet,
                         ::testing::Values(SetCase{"UnderTheCurrentFolder", "Red", true, "red.ini", "png", 40, 60, 0},
                                           SetCase{"OutsideIt", "Amber", false, "amber.ini", "jpg", 48, 66, 16 | 12 << 8 | 8 << 16}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DigitSets, CancellingOrChoosingNothingThatExistsChangesNothing) {
    copy_demo_set("Red", folder.path() / "Digits" / "Red");
    Window& w = start();
    choose(w, 1, (folder.path() / "Digits" / "Red" / "red.ini").string());
    const std::string before = snapshot(w);
    const std::string stored = folder.read("digits.ini");
    for (std::optional<std::string> answer : {std::optional<std::string>(), std::optional<std::string>("none.ini")}) {
        choose(w, 1, answer);
        EXPECT_EQ(snapshot(w), before);
        EXPECT_EQ(folder.read("digits.ini"), stored);
    }
}

TEST_F(DigitSets, StoredChoicesAreReadWhenTheClockIsAttached) {
    struct Case {
        const char* set;
        const char* f12;
        const char* first_image;
        const char* shown;
    };
    const Case cases[] = {
        {".\\Digits\\Red\\red.ini", "2", ".\\Digits\\Red\\red_c.png", " 5:05P--"},
        {".\\Digits\\Red\\RED.INI", "0", ".\\Digits\\Red\\red_1.png", "17:05:00"},  // found whatever its case
        {".\\Digits\\Gone\\gone.ini", "x", "~xsmall_1.gif", "17:05:00"},
        {"", "", "~xsmall_1.gif", "17:05:00"},
    };
    copy_demo_set("Red", folder.path() / "Digits" / "Red");
    driver.clock().set_time_of_day_cs(17 * 360000 + 5 * 6000);
    host_config().clock_type = kClockTimeOfDay12or24;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        folder.write("digits.ini", std::string("[Setup]\r\n") + kSetEntry + "=" + c.set + "\r\n" + kF12Entry + "=" + c.f12 + "\r\n");
        Window& w = start();
        EXPECT_EQ(shown(w), c.shown) << c.set;
        EXPECT_EQ(w.control(kFirstCell).image, c.first_image) << c.set;
        driver.close(w);
    }
}

TEST_F(DigitSets, AMissingKeyGivesNoPictureAndABadColourGivesBlack) {
    folder.write("Digits/odd.ini", "[Digits]\r\nDig1=one.png\r\nBackColor=white\r\n");
    folder.write("digits.ini", std::string("[Setup]\r\n") + kSetEntry + "=.\\Digits\\odd.ini\r\n");
    Window& w = start();
    EXPECT_EQ(w.control(kFirstCell + 3).image, ".\\Digits\\");  // "Dig0" is missing
    EXPECT_EQ(w.control(kFirstCell).width, 0);                  // "one.png" does not load
    EXPECT_EQ(driver.control(w, "?PANEL").fill_colour, 0);
}

TEST(FolderOfPath, GivesTheDriveAndFolderEndingInItsSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {".\\Digits\\Red\\red.ini", ".\\Digits\\Red\\"},
        {"/srv/sets/a.ini", "/srv/sets/"},
        {"C:red.ini", "C:"},
        {"red.ini", ""},
        {"", ""},
    };
    for (const auto& [path, folder] : cases) EXPECT_EQ(DigitalClock::folder_of_path(path), folder) << path;
}

}  // namespace
}  // namespace zrv::testing
