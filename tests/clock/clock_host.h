#pragma once
// A test window hosting one clock on a panel, run as the procedure "ClockHost" on its own
// thread. The test fills host_config() before starting it. The buttons "?PAUSE" and "?RESUME"
// pause and resume the countdown on the window's thread.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "clock/digital_clock.h"
#include "framework/core/window.h"
#include "framework/engine/headless/test_driver.h"

namespace zrv::testing {

inline constexpr int kFirstCell = 100, kRegion = kFirstCell + 8;

struct HostConfig {
    std::string default_set = "Paint";
    std::string ini_file = ".\\digits.ini";
    std::string clock_name = "Host:xDC:4";
    int f12 = kHours24;
    int use_popup = 0;
    int clock_type = kClockCountdown;
    int hours_offset = 0;
    int autosize = kKeepPanel;
    Colour back_colour = 0xFFFFFF;
    int panel_x = 20, panel_y = 30, panel_w = 500, panel_h = 100;
    // Runs on the window's thread after attaching, before the first direct tick.
    std::function<void(DigitalClock&, std::uint8_t& end_flag)> setup;
};

HostConfig& host_config();
// What the window's redraw saw when it first showed the end flag set (-1: not yet).
extern std::atomic<int> g_sounds_at_redraw, g_messages_at_redraw;

// The cells as one text: a digit, ":" separator, " " blank, "A"/"P" marks, "-" hidden, "?" other.
std::string shown(const Window& w);
// A right click (or another key) on a control, as the engine posts it.
void click(TestDriver& driver, Window& w, int control, int keycode = kMouseRightKey);

}  // namespace zrv::testing
