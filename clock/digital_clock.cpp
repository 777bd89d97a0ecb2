// The clock panel: attaching to a window, the layout of the cells, the three modes and the end
// of a countdown.
#include "clock/digital_clock.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "framework/core/clock.h"
#include "framework/core/engine.h"
#include "framework/image/image_loader.h"
#include "framework/services/utf8.h"

namespace zrv {

namespace {

constexpr int kCells = 8;
constexpr std::size_t kMessageLength = 100, kWaveLength = 254, kTextLength = 256;

std::string_view trim_right(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.remove_suffix(1);
    return text;
}

// At most `length` characters of a text, cut between two characters.
std::string cut(std::string_view text, std::size_t length) { return std::string(utf8_prefix(text, length)); }

// A value formatted as a time of day, hh:mm:ss; no valid time (0, negative, above one day) reads
// as zeros.
void format_time(std::int64_t t, char out[9]) {
    std::int64_t cs = (t >= 1 && t <= kOneDay) ? t - 1 : 0;
    const int h = int(cs / 360000), m = int(cs / 6000 % 60), s = int(cs / 100 % 60);
    const int parts[3] = {h, m, s};
    for (int i = 0; i < 3; ++i) {
        out[i * 3] = char('0' + parts[i] / 10);
        out[i * 3 + 1] = char('0' + parts[i] % 10);
        if (i < 2) out[i * 3 + 2] = ':';
    }
    out[8] = 0;
}

// hh:mm followed by AM or PM: hour 12 for 0, 13 to 23 less 12, PM from 12:00.
void format_twelve_hours(std::int64_t t, char out[9]) {
    std::int64_t cs = (t >= 1 && t <= kOneDay) ? t - 1 : 0;
    int h = int(cs / 360000);
    const int m = int(cs / 6000 % 60);
    const bool pm = h >= 12;
    h %= 12;
    if (h == 0) h = 12;
    out[0] = char('0' + h / 10);
    out[1] = char('0' + h % 10);
    out[2] = ':';
    out[3] = char('0' + m / 10);
    out[4] = char('0' + m % 10);
    out[5] = pm ? 'P' : 'A';
    out[6] = 'M';
    out[7] = ' ';
    out[8] = 0;
}

// A cell's text read as a number: blank or non-numeric reads as 0.
int number_of(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    text = trim_right(text);
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return 0;
    while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
    if (text.size() > 9) return -1;  // a large number: no image of its own
    int n = 0;
    for (char c : text) n = n * 10 + (c - '0');
    return n;
}

}  // namespace

// The clock's place among its window's timer handlers.
class DigitalClock::TimerLink final : public TimerHandler {
public:
    explicit TimerLink(DigitalClock& clock) : clock_(clock) {}
    void on_timer() override { clock_.tick(); }

private:
    DigitalClock& clock_;
};

DigitalClock::DigitalClock() { shown_.fill(-1); }

DigitalClock::~DigitalClock() {
    if (window_ && timer_link_) window_->remove_timer_handler(timer_link_.get());
}

void DigitalClock::create_helpers() { ini_mgr_ = std::make_unique<SettingsFile>(); }

std::int64_t DigitalClock::now_monotonic() const { return clock().monotonic_cs(); }

std::string DigitalClock::setup_entry(std::string_view suffix) const {
    return std::string(trim_right(clock_name_)) + std::string(suffix);
}

void DigitalClock::attach_to_window(Window& window, int panel, int first_control, std::string_view default_set,
                                    std::string_view digits_path, std::string_view ini_file, std::string_view clock_name, int f12,
                                    int use_popup, int clock_type, int hours_offset, int autosize, Colour default_back_colour) {
    if (!ini_mgr_) create_helpers();
    // 1. the settings file
    clock_name_ = cut(clock_name, kMessageLength);
    ini_file_ = cut(ini_file, kTextLength);
    std::error_code ec;
    start_path_ = std::filesystem::current_path(ec).string();
    ini_mgr_->open(ini_file_);
    // 2. the window and its timer
    window_ = &window;
    window.set_timer(10);
    // 3.
    control_ = panel;
    control_number_ = first_control;
    digits_path_ = cut(digits_path, kTextLength);
    default_set_name_ = cut(default_set, kMessageLength);
    default_back_colour_ = default_back_colour;
    autosize_ = autosize;
    // 4, 5. the stored choices
    digits_file_ = cut(trim_right(ini_mgr_->get_or("Setup", setup_entry(":DigitsIni"), "")), kTextLength);
    f12_ini_ = f12;
    if (int stored = number_of(ini_mgr_->get_or("Setup", setup_entry(":DigitsF12"), "")); stored > 0 && stored < 256)
        f12_ini_ = stored;
    // 6. the menu texts translate to themselves
    use_popup_ = use_popup;
    // 7. the mode
    clock_type_ = clock_type;
    if (clock_type == kClockStopwatch) {
        is_stopwatch_ = 1;
        is_timer_ = 0;
    } else if (clock_type == kClockCountdown) {
        is_timer_ = 1;
        is_stopwatch_ = 0;
    }
    // 8.
    if (!file_exists(digits_file_)) default_ = 1;
    // 9. the engines draw every window through an off-screen buffer: nothing to switch on.
    // 10, 11.
    digits_folder_ = folder_of_path(digits_file_);
    const ControlState p = window.control(panel);
    panel_x_ = p.x;
    panel_y_ = p.y;
    panel_w_ = p.width;
    panel_h_ = p.height;
    // 12. the region that catches the right click
    region_ = control_number_ + 8;
    ControlState region;
    region.kind = ControlKind::Region;
    window.create_control(region, region_, p.parent);
    // 13 .. 15
    load_digit_set();
    create_digits();
    set_hour_offset(hours_offset);
    // 16.
    timer_link_ = std::make_unique<TimerLink>(*this);
    window.add_timer_handler(timer_link_.get());
    // 17.
    if (is_stopwatch_) {
        start_time_ = now_monotonic();
        current_time_ = 0;
    }
}

void DigitalClock::set_countdown(int seconds) {
    current_time_ = std::int64_t(seconds) * 100 + 100;
    start_time_ = now_monotonic() + current_time_;
}

void DigitalClock::pause_countdown() { timer_stopped_ = 1; }

void DigitalClock::resume_countdown() {
    start_time_ = now_monotonic() + current_time_;
    timer_stopped_ = 0;
}

void DigitalClock::set_timer_end(int show_message, std::uint8_t* end_flag, int use_default_text, std::string_view message,
                                 std::string_view wave_file, int keep_sound) {
    show_message_ = show_message;
    if (end_flag) timer_end_ = end_flag;
    message_text_ = (use_default_text || trim_right(message).empty()) ? "Timer end" : cut(message, kMessageLength);
    if (!keep_sound) wave_file_ = cut(wave_file, kWaveLength);
}

void DigitalClock::set_hour_offset(int hours) {
    clock_offset_ = std::int64_t(hours) * 360000;
    clock_offset_org_ = hours;
}

void DigitalClock::show_code(int cell, int code) {
    if (shown_[cell] == code) return;
    shown_[cell] = code;
    window_->set_image(control_number_ + cell, images_[code]);
}

void DigitalClock::show_digit(int cell, std::string_view text, bool show_zero) {
    const int n = number_of(text);
    if (n == 0) show_code(cell, show_zero ? 0 : kBlankCode);
    else if (n >= 1 && n <= kBlankCode) show_code(cell, n);
    // any other number: the cell keeps its image
}

int DigitalClock::tick() {
    if (!window_) return 0;
    char text[9];
    bool time_of_day = false;
    if (is_stopwatch_ == 1) {
        if (!watch_stopped_) current_time_ = now_monotonic() - start_time_;
        format_time(current_time_, text);
    } else if (is_timer_ == 1) {
        if (!timer_stopped_) current_time_ = start_time_ - now_monotonic();
        format_time(current_time_, text);
    } else {
        time_of_day = true;
        current_time_ = clock().time_of_day_cs() + 1;
        std::int64_t t = current_time_ + clock_offset_;
        if (t > kOneDay) t -= kOneDay;
        else if (t < 0) t += kOneDay;
        if (twelve_hours()) format_twelve_hours(t, text);
        else format_time(t, text);
    }
    const auto ch = [&](int position) { return std::string_view(text + position - 1, 1); };

    show_digit(0, ch(1), !time_of_day);
    show_digit(1, ch(2), true);
    show_code(2, kSeparatorCode);
    show_digit(3, ch(4), true);
    show_digit(4, ch(5), true);

    if (clock_type_ == kClockTimeOfDay12or24) {
        bool cell7_hidden = false;
        window_->read(cell(6), [&](const ControlState& c) { cell7_hidden = c.hidden; });
        if (f12_ini_ == kHours12 && !cell7_hidden) {
            window_->set_hidden(cell(6), true);
            window_->set_hidden(cell(7), true);
            layout();
            refresh_digits();
        } else if (f12_ini_ == kHours24 && cell7_hidden) {
            window_->set_hidden(cell(6), false);
            window_->set_hidden(cell(7), false);
            layout();
            refresh_digits();
        }
    }

    if (time_of_day && twelve_hours()) {
        show_code(5, text[5] == 'P' ? kPmCode : kAmCode);
    } else {
        show_code(5, kSeparatorCode);
        show_digit(6, ch(7), true);
        show_digit(7, ch(8), true);
    }

    if (is_timer_ == 1 && current_time_ < 100 && timer_stopped_ == 0) {
        pause_countdown();
        finish_countdown();
    }
    return 0;
}

void DigitalClock::finish_countdown() {
    if (timer_end_) {
        *timer_end_ = 1;
        window_->display();
    }
    if (!trim_right(wave_file_).empty()) engine().play_sound(std::string(trim_right(wave_file_)));
    if (show_message_) {
        MessageBoxRequest box;
        box.text = std::string(trim_right(message_text_));
        box.icon = MessageIcon::Information;
        engine().message_box(box);
    }
}

void DigitalClock::layout() {
    Window& w = *window_;
    // 1. the probe shows the image of "1" at its own size
    const int probe = control_number_ + 9;
    const int parent = w.control(control_).parent;
    ControlState state;
    state.kind = ControlKind::Image;
    state.image = images_[1];
    state.hidden = true;
    // The picture's own size, in the engine's window units.
    const std::optional<Image> picture = load_image(images_[1]);
    const auto units = [](int pixels, double per_unit) { return per_unit > 0 ? int(std::lround(pixels / per_unit)) : pixels; };
    state.width = picture ? units(picture->width, engine().pixels_per_unit_x()) : 0;
    state.height = picture ? units(picture->height, engine().pixels_per_unit_y()) : 0;
    w.create_control(state, probe, parent);
    width_ = state.width;
    height_ = state.height;
    const int probe_height = state.height;
    // 2, 3.
    const int n = twelve_hours() ? 6 : kCells;
    switch (autosize_) {
        case kKeepPanel: {
            w.set_geometry(control_, panel_x_, panel_y_, panel_w_, panel_h_);
            x_offset_ = (panel_w_ - width_ * n) / 2;
            y_offset_ = std::abs((panel_h_ - probe_height) / 2);
            break;
        }
        case kFitPanelCentred: {
            const int x0 = (panel_w_ - width_ * n) / 2 - 2;
            const int y0 = (panel_h_ - probe_height) / 2 - 2;
            w.set_geometry(control_, panel_x_ + x0, panel_y_ + y0, width_ * n + 4, probe_height + 4);
            x_offset_ = y_offset_ = 2;
            break;
        }
        case kFitPanelTopLeft:
            w.set_geometry(control_, panel_x_, panel_y_, width_ * n + 2, probe_height + 2);
            x_offset_ = y_offset_ = 1;
            break;
        case kStretchCells:
            w.set_geometry(control_, panel_x_, panel_y_, panel_w_, panel_h_);
            width_ = (panel_w_ - 2) / n;
            height_ = panel_h_ - 2;
            x_offset_ = y_offset_ = 1;
            break;
        default:
            break;
    }
    // 4, 5.
    const ControlState p = w.control(control_);
    w.set_geometry(region_, p.x, p.y, p.width, p.height);
    w.destroy_control(probe);
}

void DigitalClock::place_cell(int i) {
    const ControlState p = window_->control(control_);
    const bool stretch = autosize_ == kStretchCells;
    window_->modify(cell(i), [&](ControlState& c) {
        c.width = width_;
        c.height = height_;
        c.x = p.x + x_offset_ + width_ * i;
        c.y = p.y + y_offset_;
        c.stretched = stretch;
        c.centred = !stretch;
    });
}

void DigitalClock::create_digit_control(int i) {
    ControlState state;
    state.kind = ControlKind::Image;
    state.hidden = twelve_hours() && i >= 6;
    window_->create_control(state, cell(i), window_->control(control_).parent);
    place_cell(i);
}

void DigitalClock::create_digits() {
    // Each clock counts its own cells 0 to 7: two clocks made at once on two threads each get
    // their cells in their own places.
    for (int i = 0; i < kCells; ++i) create_digit_control(i);
    shown_.fill(-1);
    window_->set_fill_colour(control_, back_colour_);
    show_code(2, kSeparatorCode);
    show_code(5, kSeparatorCode);
}

void DigitalClock::refresh_digits() {
    window_->set_fill_colour(control_, back_colour_);
    show_code(2, kSeparatorCode);
    show_code(5, kSeparatorCode);
    for (int i = 0; i < kCells; ++i) place_cell(i);
}

}  // namespace zrv
