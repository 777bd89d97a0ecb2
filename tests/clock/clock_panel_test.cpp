// The clock panel on a test window: countdown, stopwatch, time of day, layout of the cells.
#include <gtest/gtest.h>

#include "framework/core/app_services.h"
#include "framework/image/image_loader.h"
#include "tests/clock/clock_host.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

constexpr std::int64_t kHour = 360000;  // hundredths

std::int64_t at(int h, int m, int s = 0) { return h * kHour + m * 6000 + s * 100; }

class ClockPanel : public ::testing::Test {
protected:
    void SetUp() override {
        host_config() = HostConfig{};
        g_sounds_at_redraw = -1;
        g_messages_at_redraw = -1;
        app_settings_file().open(".\\Zorvane.INI");
    }
    void TearDown() override { app_settings_file().close(); }
    Window& start() {
        driver.start("ClockHost");
        return driver.expect_window("ClockHost");
    }
    void countdown(int seconds, const char* wave = "TimeUP.wav") {
        host_config().setup = [=](DigitalClock& c, std::uint8_t& flag) {
            c.set_countdown(seconds);
            c.set_timer_end(1, &flag, 1, "", wave, 0);
        };
    }
    bool ended() { return !driver.engine().sounds().empty() || driver.pending_message().has_value(); }

    TempFolder folder;
    TestDriver driver;
};

TEST_F(ClockPanel, ACountdownRunsAcrossMidnightAndEndsWithFlagRedrawSoundAndMessageInThatOrder) {
    driver.clock().set_time_of_day_cs(at(23, 59, 30));
    countdown(90);
    Window& w = start();
    EXPECT_EQ(w.timer(), 10);
    EXPECT_EQ(shown(w), "00:01:30");
    driver.advance_ms(900);
    EXPECT_EQ(shown(w), "00:01:30");
    driver.advance_ms(100);
    EXPECT_EQ(shown(w), "00:01:29");
    driver.advance_ms(89'000);
    EXPECT_EQ(shown(w), "00:00:00");
    EXPECT_FALSE(ended());
    driver.advance_ms(100);  // the first tick past 90 s
    const auto message = driver.pending_message();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, "Timer end");
    EXPECT_EQ(message->title, "");
    EXPECT_EQ(driver.engine().sounds(), std::vector<std::string>{"TimeUP.wav"});
    EXPECT_EQ(driver.control(w, "?FLAG").text, "1");
    EXPECT_EQ(g_sounds_at_redraw, 0);  // the flag is shown before the sound starts
    EXPECT_EQ(g_messages_at_redraw, 0);
    driver.answer_message(ButtonOk);
    driver.advance_ms(5000);  // paused at the end: it ends once
    EXPECT_EQ(driver.engine().sounds().size(), 1u);
    EXPECT_EQ(shown(w), "00:00:00");
}

TEST_F(ClockPanel, APauseOfTenSecondsDelaysTheEndByTenSeconds) {
    countdown(90);
    Window& w = start();
    driver.advance_ms(30'000);
    driver.press(w, "?PAUSE");
    EXPECT_EQ(shown(w), "00:01:00");
    driver.advance_ms(10'000);
    EXPECT_EQ(shown(w), "00:01:00");
    driver.press(w, "?RESUME");
    driver.advance_ms(60'000);
    EXPECT_EQ(shown(w), "00:00:00");
    EXPECT_FALSE(ended());
    driver.advance_ms(100);
    EXPECT_TRUE(ended());
}

TEST_F(ClockPanel, ResumingAfterTheEndEndsAgainAtTheNextTick) {
    host_config().setup = [](DigitalClock& c, std::uint8_t& flag) {
        c.set_countdown(2);
        c.set_timer_end(0, &flag, 1, "", "TimeUP.wav", 0);
    };
    Window& w = start();
    driver.advance_ms(2100);
    ASSERT_EQ(driver.engine().sounds().size(), 1u);
    driver.press(w, "?RESUME");
    EXPECT_EQ(driver.engine().sounds().size(), 1u);
    driver.advance_ms(100);
    EXPECT_EQ(driver.engine().sounds().size(), 2u);
    EXPECT_TRUE(driver.engine().messages_shown().empty());  // no message asked for
}

TEST_F(ClockPanel, WithoutASetCountdownTheFirstTickEndsIt) {
    host_config().setup = [](DigitalClock& c, std::uint8_t& flag) { c.set_timer_end(0, nullptr, 1, "", "x.wav", 0); };
    Window& w = start();
    EXPECT_EQ(driver.engine().sounds().size(), 1u);
    EXPECT_EQ(driver.control(w, "?FLAG").text, "");  // no end flag given: nothing written
}

TEST_F(ClockPanel, TheStopwatchRunsFromAttachmentAcrossMidnight) {
    driver.clock().set_time_of_day_cs(at(23, 59, 59));
    host_config().clock_type = kClockStopwatch;
    Window& w = start();
    EXPECT_EQ(shown(w), "00:00:00");
    driver.advance_ms(61'100);
    EXPECT_EQ(shown(w), "00:01:01");
    EXPECT_TRUE(driver.engine().sounds().empty());
}

struct TimeOfDayCase {
    const char* name;
    int clock_type, f12, hours;
    std::int64_t now;
    const char* shown;
};

class TimeOfDay : public ClockPanel, public ::testing::WithParamInterface<TimeOfDayCase> {};

TEST_P(TimeOfDay, ShowsTheOffsetTimeInItsFormat) {
    const TimeOfDayCase& c = GetParam();
    driver.clock().set_time_of_day_cs(c.now);
    host_config().clock_type = c.clock_type;
    host_config().f12 = c.f12;
    host_config().hours_offset = c.hours;
    Window& w = start();
    EXPECT_EQ(shown(w), c.shown);
    driver.advance_ms(100);
    EXPECT_EQ(shown(w), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, TimeOfDay,
                         ::testing::Values(TimeOfDayCase{"BackOverMidnight", 0, kHours24, -3, at(1, 0), "22:00:00"},
                                           TimeOfDayCase{"ForwardOverMidnight", 3, kHours24, 5, at(22, 0), " 3:00:00"},
                                           TimeOfDayCase{"TypeThreeBlankLeadingZero", 3, kHours24, 0, at(9, 7, 5), " 9:07:05"},
                                           TimeOfDayCase{"AfternoonInTwelveHours", 3, kHours12, 0, at(17, 5), " 5:05P--"},
                                           TimeOfDayCase{"HalfPastMidnightInTwelveHours", 3, kHours12, 0, at(0, 30), "12:30A--"},
                                           TimeOfDayCase{"BackBeforeNoonInTwelveHours", 3, kHours12, -1, at(12, 59, 59), "11:59A--"},
                                           // the 12-hour choice applies to clock type 3 only
                                           TimeOfDayCase{"TwelveHoursIgnoredByOtherTypes", 0, kHours12, 0, at(17, 5), "17:05:00"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Geometry {
    int x, y, w, h;
    bool operator==(const Geometry&) const = default;
};
Geometry geometry_of(const ControlState& c) { return {c.x, c.y, c.width, c.height}; }

struct LayoutCase {
    const char* name;
    int autosize, panel_w, panel_h;
    int clock_type, f12;
    Geometry panel, first_cell;
};

class Layout : public ClockPanel, public ::testing::WithParamInterface<LayoutCase> {};

// The Paint digits are 56 x 74; the panel is laid out at (20, 30).
TEST_P(Layout, PlacesThePanelTheRegionAndTheCells) {
    const LayoutCase& c = GetParam();
    host_config().autosize = c.autosize;
    host_config().panel_w = c.panel_w;
    host_config().panel_h = c.panel_h;
    host_config().clock_type = c.clock_type;
    host_config().f12 = c.f12;
    Window& w = start();
    EXPECT_EQ(geometry_of(driver.control(w, "?PANEL")), c.panel);
    EXPECT_EQ(geometry_of(w.control(kRegion)), c.panel);
    EXPECT_EQ(w.control(kRegion).kind, ControlKind::Region);
    EXPECT_FALSE(w.has(kFirstCell + 9));  // the size probe is gone
    for (int i = 0; i < 8; ++i) {
        const ControlState cell = w.control(kFirstCell + i);
        EXPECT_EQ(geometry_of(cell), (Geometry{c.first_cell.x + c.first_cell.w * i, c.first_cell.y, c.first_cell.w, c.first_cell.h}))
            << "cell " << i;
        EXPECT_EQ(cell.kind, ControlKind::Image);
        EXPECT_EQ(cell.stretched, c.autosize == kStretchCells);
        EXPECT_EQ(cell.centred, c.autosize != kStretchCells);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Layout,
    ::testing::Values(LayoutCase{"KeepPanel", 0, 500, 100, 1, 1, {20, 30, 500, 100}, {46, 43, 56, 74}},
                      LayoutCase{"NarrowPanelNegativeOffset", 0, 400, 60, 1, 1, {20, 30, 400, 60}, {-4, 37, 56, 74}},
                      LayoutCase{"KeepPanelSixCells", 0, 500, 100, 3, 2, {20, 30, 500, 100}, {102, 43, 56, 74}},
                      LayoutCase{"FitCentred", 1, 500, 100, 1, 1, {44, 41, 452, 78}, {46, 43, 56, 74}},
                      LayoutCase{"FitCentredSixCells", 1, 500, 100, 3, 2, {100, 41, 340, 78}, {102, 43, 56, 74}},
                      LayoutCase{"FitTopLeft", 2, 500, 100, 1, 1, {20, 30, 450, 76}, {21, 31, 56, 74}},
                      LayoutCase{"Stretch", 3, 500, 100, 1, 1, {20, 30, 500, 100}, {21, 31, 62, 98}},
                      LayoutCase{"OtherLeavesAll", 7, 500, 100, 1, 1, {20, 30, 500, 100}, {20, 30, 56, 74}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClockPanel, WithNoSettingsFileTheCellsShowPaintOnAWhitePanel) {
    countdown(5);
    Window& w = start();
    EXPECT_EQ(driver.control(w, "?PANEL").fill_colour, 0xFFFFFF);
    EXPECT_EQ(w.control(kFirstCell).image, "~xsmall_0.gif");
    EXPECT_EQ(w.control(kFirstCell + 2).image, "~xsmall_d.gif");
    EXPECT_EQ(w.control(kFirstCell + 7).image, "~xsmall_5.gif");
    EXPECT_EQ(shown(w), "00:00:05");
    EXPECT_FALSE(std::filesystem::exists(folder / "digits.ini"));
}

TEST(PaintDigits, TheProgramCarriesTheFourteenImagesAtTheirSizes) {
    struct Size {
        const char* suffixes;
        int width, height;
    };
    for (const Size& s : {Size{"0123456789c", 56, 74}, Size{"d", 18, 44}, Size{"ap", 12, 16}})
        for (const char* k = s.suffixes; *k; ++k) {
            const std::string name = std::string("~xsmall_") + *k + ".gif";
            const auto image = load_image(name);
            ASSERT_TRUE(image) << name;
            EXPECT_EQ(image->width, s.width) << name;
            EXPECT_EQ(image->height, s.height) << name;
            EXPECT_EQ(image->pixels.front() >> 24, 0u) << name << ": the ground shows the panel";
        }
}

TEST_F(ClockPanel, TwoWindowsOnTwoThreadsEachGetTheirEightCellsInPlace) {
    Window& first = start();
    driver.start("ClockHost");
    Window* second = driver.windows().back();
    ASSERT_NE(second, &first);
    for (Window* w : {&first, second})
        for (int i = 0; i < 8; ++i) EXPECT_EQ(w->control(kFirstCell + i).x, 46 + 56 * i);
}

TEST(ClockSettings, TheEndMessageAndSoundFollowTheirArguments) {
    struct Case {
        int use_default;
        const char* message;
        int keep_sound;
        const char* expected_message;
        const char* expected_sound;
    };
    const Case cases[] = {
        {0, "   ", 0, "Timer end", "b.wav"},
        {1, "Time up", 0, "Timer end", "b.wav"},
        {0, "Time up", 0, "Time up", "b.wav"},
        {0, "Time up", 1, "Time up", "a.wav"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        DigitalClock clock;
        clock.set_timer_end(1, nullptr, 0, "", "a.wav", 0);
        clock.set_timer_end(1, nullptr, c.use_default, c.message, "b.wav", c.keep_sound);
        EXPECT_EQ(clock.message_text(), c.expected_message) << c.message;
        EXPECT_EQ(clock.wave_file(), c.expected_sound) << c.message;
    }
    DigitalClock clock;
    clock.set_timer_end(1, nullptr, 0, std::string(150, 'x'), std::string(300, 'w'), 0);
    EXPECT_EQ(clock.message_text().size(), 100u);
    EXPECT_EQ(clock.wave_file().size(), 254u);
    // Characters, not bytes: a message in another script is cut between two of its letters.
    std::string greek;
    for (int i = 0; i < 150; ++i) greek += "Τ";
    clock.set_timer_end(1, nullptr, 0, greek, "b.wav", 0);
    EXPECT_EQ(clock.message_text(), greek.substr(0, 200));  // 100 letters of two bytes each
}

}  // namespace
}  // namespace zrv::testing
