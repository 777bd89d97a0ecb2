#pragma once
// DigitalClock turns one panel control of a window into a digital clock drawn with eight image
// controls (the cells) laid side by side over the panel: a countdown, a stopwatch, or the time
// of day with an hours offset in 24- or 12-hour format. It redraws itself on every tick of its
// window's timer (set to one tenth of a second). The cells' images come from a digit set: a
// digit-set file chosen through the right-click menu over the panel, or a built-in set.
//
// Times are standard times (hundredths of a second since midnight plus 1, 0 = no time);
// durations use the same unit. Countdown and stopwatch run on the monotonic clock, so a bout
// that runs across midnight ends on time; only the time-of-day mode reads the time of day.
//
// A clock belongs to one window and runs on that window's thread. Calling order: construct,
// create_helpers(), attach_to_window(), then any of the others. Controls it makes, numbered
// from the first control number: cells +0 to +7, the right-click region +8, the size probe +9.
// The clock must not outlive its window.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/core/control.h"
#include "framework/core/event.h"
#include "framework/core/window.h"
#include "framework/services/settings_file.h"

namespace zrv {

enum ClockType : int { kClockCountdown = 1, kClockStopwatch = 2, kClockTimeOfDay12or24 = 3 };
inline constexpr int kHours24 = 1, kHours12 = 2;  // F12INI
// AUTOSIZE: how the panel and the cells fit each other.
inline constexpr int kKeepPanel = 0, kFitPanelCentred = 1, kFitPanelTopLeft = 2, kStretchCells = 3;
inline constexpr std::int64_t kOneDay = 8'640'000;  // hundredths

// The cell codes of show_digit beyond the digits.
inline constexpr int kSeparatorCode = 10, kAmCode = 11, kPmCode = 12, kBlankCode = 13;

class DigitalClock {
public:
    DigitalClock();
    ~DigitalClock();
    DigitalClock(const DigitalClock&) = delete;
    DigitalClock& operator=(const DigitalClock&) = delete;

    void create_helpers();
    void attach_to_window(Window& window, int panel, int first_control, std::string_view default_set, std::string_view digits_path,
                          std::string_view ini_file, std::string_view clock_name, int f12, int use_popup, int clock_type,
                          int hours_offset, int autosize, Colour default_back_colour);

    void set_countdown(int seconds);
    void pause_countdown();
    void resume_countdown();
    // end_flag null leaves the flag as it was.
    void set_timer_end(int show_message, std::uint8_t* end_flag, int use_default_text, std::string_view message,
                       std::string_view wave_file, int keep_sound);
    void set_hour_offset(int hours);

    // Redraws the value; the window's timer calls it, callers call it once to draw the first value.
    int tick();
    // Called after every event of the window: a right click on the clock's region pops its menu.
    int handle_right_click(const Event& event);

    void load_digit_set();
    void select_digit_set();
    // The drive and folder of a path, ending in its separator; empty when it has none.
    static std::string folder_of_path(std::string_view path);
    // True when a file or a folder of that name exists.
    static bool file_exists(std::string_view path);

    // --- state, for the clock's callers ---
    Window* window() const { return window_; }
    int region() const { return region_; }
    int first_control() const { return control_number_; }
    int cell(int i) const { return control_number_ + i; }  // i = 0 .. 7, left to right
    std::int64_t current_time() const { return current_time_; }
    bool timer_stopped() const { return timer_stopped_ != 0; }
    int clock_type() const { return clock_type_; }
    int f12() const { return f12_ini_; }
    bool uses_default_set() const { return default_ != 0; }
    const std::string& digits_file() const { return digits_file_; }
    const std::string& digits_folder() const { return digits_folder_; }
    const std::string& message_text() const { return message_text_; }
    const std::string& wave_file() const { return wave_file_; }
    int x_offset() const { return x_offset_; }
    int y_offset() const { return y_offset_; }
    int cell_width() const { return width_; }
    int cell_height() const { return height_; }
    Colour back_colour() const { return back_colour_; }
    // The fourteen image names: 0 .. 9 the digits, then separator, AM, PM, blank (the codes).
    const std::string& image_of(int code) const { return images_[code]; }

private:
    class TimerLink;

    void show_digit(int cell, std::string_view text, bool show_zero);
    void show_code(int cell, int code);
    void layout();
    void create_digits();
    void create_digit_control(int cell);
    void refresh_digits();
    void place_cell(int cell);
    void finish_countdown();
    bool twelve_hours() const { return clock_type_ == kClockTimeOfDay12or24 && f12_ini_ == kHours12; }
    std::string setup_entry(std::string_view suffix) const;
    std::int64_t now_monotonic() const;

    Window* window_ = nullptr;
    int control_ = 0;  // the panel
    int region_ = 0;
    int control_number_ = 0;
    std::int64_t start_time_ = 0;
    std::int64_t current_time_ = 0;
    int is_timer_ = 0;
    int is_stopwatch_ = 0;
    int clock_type_ = 0;
    int watch_stopped_ = 0;
    int timer_stopped_ = 0;
    std::uint8_t* timer_end_ = nullptr;
    std::string wave_file_;
    std::string message_text_;
    int show_message_ = 0;
    std::string ini_file_;
    std::unique_ptr<SettingsFile> ini_mgr_;
    std::string digits_path_;
    std::string digits_folder_;
    std::string digits_file_;
    std::string start_path_;
    std::array<std::string, 14> images_;  // by code
    int panel_x_ = 0, panel_y_ = 0, panel_w_ = 0, panel_h_ = 0;
    int x_offset_ = 0, y_offset_ = 0;
    int width_ = 0, height_ = 0;
    Colour back_colour_ = 0;
    std::string default_set_name_;
    Colour default_back_colour_ = 0;
    int default_ = 0;
    int autosize_ = 0;
    std::int64_t clock_offset_ = 0;
    int clock_offset_org_ = 0;
    int f12_ini_ = 0;
    int use_popup_ = 0;
    std::string clock_name_;
    std::unique_ptr<TimerLink> timer_link_;
    // What each cell shows, so a tick sets only the images that change.
    std::array<int, 8> shown_{};
};

}  // namespace zrv
