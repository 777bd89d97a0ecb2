// The clock drawn by the Qt engine on the offscreen platform: a grab shows the digits.
#include <algorithm>
#include <cstdlib>

#include <QImage>

#include "clock/digital_clock.h"
#include "tests/engine/qt/qt_fixture.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

class ClockRendering : public QtEngineTest {};

// Dark pixels (the Paint digits' ink) inside a control's rectangle on the grab.
int ink_in(const QImage& image, const ControlState& c) {
    const int x0 = int(c.x * unit_x()), y0 = int(c.y * unit_y());
    const int x1 = int((c.x + c.width) * unit_x()), y1 = int((c.y + c.height) * unit_y());
    int n = 0;
    for (int y = std::max(0, y0); y < std::min(image.height(), y1); ++y)
        for (int x = std::max(0, x0); x < std::min(image.width(), x1); ++x) n += qGray(image.pixel(x, y)) < 96;
    return n;
}

TEST_F(ClockRendering, AGrabShowsTheCountdownsDigitsOnTheWhitePanel) {
    TempFolder folder;
    WindowLayout l;
    l.kind = WindowKind::Floating;
    l.width = 480, l.height = 100;
    l.colour = 0x808080;
    l.controls = {control(ControlKind::Panel, "?PANEL", 10, 10, 460, 80)};
    Procedure p(l);
    DigitalClock clock;
    p.change([&](Window& w) {
        clock.create_helpers();
        clock.attach_to_window(w, w.number_of("?PANEL"), 100, "Paint", ".\\Digits", ".\\digits.ini", "Render:xDC:4", kHours24, 0,
                               kClockCountdown, 0, kKeepPanel, 0xFFFFFF);
        clock.set_countdown(90);  // 00:01:30
        clock.pause_countdown();
        clock.tick();
    });
    engine().flush();
    const QImage image = engine().grab(p.window());
    ASSERT_FALSE(image.isNull());
    const std::string png = (folder / "clock.png").string();
    ASSERT_TRUE(engine().save_png(p.window(), png));

    int ink[8];
    for (int i = 0; i < 8; ++i) ink[i] = ink_in(image, p.window().control(clock.cell(i)));
    // Equal pictures give the same ink, give or take an edge column where cells meet.
    const auto near = [](int a, int b) { return std::abs(a - b) * 20 <= std::max(a, b); };
    EXPECT_GT(ink[0], 300) << "a zero is drawn";
    for (int same : {1, 3, 7}) EXPECT_TRUE(near(ink[0], ink[same])) << ink[0] << " " << ink[same];
    EXPECT_TRUE(near(ink[2], ink[5])) << "the separators";
    EXPECT_GT(ink[2], 0);
    EXPECT_LT(ink[2], ink[4]);  // a separator is lighter than a 1,
    EXPECT_LT(ink[4], ink[6]);  // 1 has fewer segments than 3,
    EXPECT_LT(ink[6], ink[0]);  // and 3 fewer than 0
    // The panel is white between the digits' ink and the window grey around it.
    const ControlState panel = p.window().control(p.window().number_of("?PANEL"));
    EXPECT_EQ(QColor(image.pixel(int(panel.x * unit_x()) + 2, int(panel.y * unit_y()) + 2)), QColor(255, 255, 255));
    EXPECT_EQ(QColor(image.pixel(2, 2)), QColor(128, 128, 128));
}

}  // namespace
}  // namespace zrv::testing
