// CPU cost of the digital clock's tick in the window model: a countdown where one or two cells
// change per tick, and a time of day jumping so that every digit cell changes on each tick.
// The model runs headless here (no engine draws it).
#include <time.h>

#include <cstdio>
#include <functional>

#include "clock/digital_clock.h"
#include "framework/core/clock.h"
#include "framework/core/window.h"

namespace {

using namespace zrv;

class SteppedClock final : public Clock {
public:
    std::int64_t monotonic_ms() const override { return ms; }
    std::int64_t time_of_day_cs() const override { return tod_cs; }
    void wait(WaitPoint&, std::unique_lock<std::mutex>&, std::int64_t) override {}
    std::int64_t ms = 1'000'000, tod_cs = 0;
};

double thread_cpu_us() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

WindowLayout layout() {
    WindowLayout l;
    l.title = "Bench";
    ControlState panel;
    panel.use = "?PANEL";
    panel.kind = ControlKind::Panel;
    panel.x = 20;
    panel.y = 30;
    panel.width = 500;
    panel.height = 100;
    l.controls.push_back(panel);
    return l;
}

// Mean CPU microseconds per tick over n ticks, step() running before each.
double per_tick(int clock_type, int f12, int n, const std::function<void(SteppedClock&, int)>& step) {
    SteppedClock stepped;
    set_clock(&stepped);
    {
        Window window(layout());
        DigitalClock clock;
        clock.create_helpers();
        clock.attach_to_window(window, window.number_of("?PANEL"), 100, "Paint", ".\\Digits", ".\\bench-digits.ini", "Bench:xDC:4",
                               f12, 0, clock_type, 0, kKeepPanel, 0xFFFFFF);
        clock.set_countdown(5999);
        clock.tick();
        const double start = thread_cpu_us();
        for (int i = 0; i < n; ++i) {
            step(stepped, i);
            clock.tick();
        }
        const double total = thread_cpu_us() - start;
        set_clock(nullptr);
        return total / n;
    }
}

}  // namespace

int main() {
    constexpr int n = 200'000;
    const double countdown = per_tick(kClockCountdown, kHours24, n, [](SteppedClock& c, int) { c.ms += 100; });
    const double jumping = per_tick(kClockTimeOfDay12or24, kHours24, n, [](SteppedClock& c, int i) {
        c.tod_cs = (i % 2) ? (1 * 360000 + 23 * 6000 + 45 * 100) : (12 * 360000 + 34 * 6000 + 56 * 100);
    });
    const double twelve = per_tick(kClockTimeOfDay12or24, kHours12, n, [](SteppedClock& c, int i) {
        c.tod_cs = (i % 2) ? (1 * 360000 + 23 * 6000) : (22 * 360000 + 45 * 6000);
    });
    std::printf("clock tick, countdown (1-2 cells change):        %.3f us CPU\n", countdown);
    std::printf("clock tick, time of day, every digit changes:    %.3f us CPU\n", jumping);
    std::printf("clock tick, 12 hours, every cell changes:        %.3f us CPU\n", twelve);
    return 0;
}
