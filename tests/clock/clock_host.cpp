#include "tests/clock/clock_host.h"

#include "framework/core/procedures.h"
#include "framework/core/window_controller.h"

namespace zrv::testing {

std::atomic<int> g_sounds_at_redraw{-1}, g_messages_at_redraw{-1};

HostConfig& host_config() {
    static HostConfig config;
    return config;
}

namespace {

class FlagBinding final : public Binding {
public:
    explicit FlagBinding(const std::uint8_t& flag) : flag_(flag) {}
    std::string text() const override {
        if (flag_ == 1 && g_sounds_at_redraw < 0) {
            auto& headless = static_cast<HeadlessEngine&>(engine());
            g_sounds_at_redraw = int(headless.sounds().size());
            g_messages_at_redraw = int(headless.messages_shown().size());
        }
        return std::to_string(flag_);
    }
    void set_text(std::string_view) override {}

private:
    const std::uint8_t& flag_;
};

WindowLayout host_layout(const HostConfig& c) {
    WindowLayout l;
    l.title = "Clock host";
    l.kind = WindowKind::Floating;
    l.width = 700;
    l.height = 200;
    l.timer = 50;  // the clock replaces it
    const auto add = [&](const char* use, ControlKind kind) -> ControlState& {
        ControlState& s = l.controls.emplace_back();
        s.use = use;
        s.kind = kind;
        return s;
    };
    ControlState& panel = add("?PANEL", ControlKind::Panel);
    panel.x = c.panel_x;
    panel.y = c.panel_y;
    panel.width = c.panel_w;
    panel.height = c.panel_h;
    add("?FLAG", ControlKind::String);
    add("?PAUSE", ControlKind::Button);
    add("?RESUME", ControlKind::Button);
    return l;
}

class ClockHost final : public WindowController {
public:
    ClockHost() : WindowController("ClockHost", host_layout(host_config())) {}

    bool initialize() override {
        if (!WindowController::initialize()) return false;
        const HostConfig& c = host_config();
        window().bind(control("?FLAG"), std::make_shared<FlagBinding>(end_flag_));
        clock_.create_helpers();
        clock_.attach_to_window(window(), control("?PANEL"), kFirstCell, c.default_set, ".\\Digits", c.ini_file, c.clock_name, c.f12,
                                c.use_popup, c.clock_type, c.hours_offset, c.autosize, c.back_colour);
        if (c.setup) c.setup(clock_, end_flag_);
        clock_.tick();
        return true;
    }
    Flow take_event(Event& event) override {
        const Flow flow = WindowController::take_event(event);
        clock_.handle_right_click(event);
        return flow;
    }
    Flow on_accepted(int number) override {
        if (number == control("?PAUSE")) clock_.pause_countdown();
        else if (number == control("?RESUME")) clock_.resume_countdown();
        return WindowController::on_accepted(number);
    }

private:
    DigitalClock clock_;
    std::uint8_t end_flag_ = 0;
};

void ClockHostProcedure() { ClockHost().run(); }
ProcedureRegistration registration("ClockHost", &ClockHostProcedure);

char cell_char(const ControlState& c) {
    if (c.hidden) return '-';
    const std::string& image = c.image;
    const std::size_t dot = image.rfind('.');
    if (dot == std::string::npos || dot == 0) return '?';
    const char k = image[dot - 1];
    if (k >= '0' && k <= '9') return k;
    switch (k) {
        case 'd':
            return ':';
        case 'c':
            return ' ';
        case 'a':
            return 'A';
        case 'p':
            return 'P';
        default:
            return '?';
    }
}

}  // namespace

std::string shown(const Window& w) {
    std::string out;
    for (int i = 0; i < 8; ++i) w.read(kFirstCell + i, [&](const ControlState& c) { out += cell_char(c); });
    return out;
}

void click(TestDriver& driver, Window& w, int control, int keycode) {
    Event e;
    e.kind = EventKind::AlertKey;
    e.control = control;
    e.keycode = keycode;
    w.post(std::move(e));
    driver.settle();
}

}  // namespace zrv::testing
