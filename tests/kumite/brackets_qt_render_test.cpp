// The bracket charts and the team sheet's places drawn by the Qt engine on the offscreen
// platform, as the hall sees them: the names must stand large in their boxes. The grabs are
// written as PNG files to $ZRV_RENDER_DIR when it is set (to look at them), else to a temporary
// folder.
#include <cstdlib>
#include <filesystem>

#include <QImage>

#include "kumite/brackets.h"
#include "kumite/team_sheets.h"
#include "tests/engine/qt/qt_fixture.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

class BracketRendering : public QtEngineTest {};

// The height in pixels of the dark ink inside a control's rectangle (0 when none).
int ink_height(const QImage& image, const ControlState& c) {
    int top = -1, bottom = -1;
    for (int y = int(c.y * unit_y()); y < std::min(image.height(), int((c.y + c.height) * unit_y())); ++y)
        for (int x = int(c.x * unit_x()); x < std::min(image.width(), int((c.x + c.width) * unit_x())); ++x)
            if (QColor(image.pixel(x, y)).lightness() < 100) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
    return top < 0 ? 0 : bottom - top + 1;
}

TEST_F(BracketRendering, NamesAndPlacesStandLargeInTheirBoxes) {
    TempFolder folder;
    const char* dir = std::getenv("ZRV_RENDER_DIR");
    struct Case {
        std::string form;
        WindowLayout layout;
        int tab;
        std::vector<std::string> names;  // entries filled with a competitor's name
        std::string dojo;                // an entry beside, in smaller type
        bool lines = true;               // the tab is a chart
    };
    std::vector<Case> cases;
    for (const std::string& f : kumite::bracket_forms())
        cases.push_back({f, kumite::bracket_layout(f), 1, {"?KE24:COMPETIDOR1ROJOAZUL", "?KE24:CRONDAA2R"}, "?KE24:COMPETIDOR1DOJO"});
    cases.push_back({"UpdateEquipo5", kumite::team_sheet_layout("UpdateEquipo5"), 6, {"?KE212:PRIMERLUGARORO"}, "", false});
    cases.push_back({"UpdateEquipo5-bout", kumite::team_sheet_layout("UpdateEquipo5"), 1, {}, "", false});
    cases.push_back({"UpdateEquipo5-chart", kumite::team_sheet_layout("UpdateEquipo5"), 7, {"?KE212:PRIMERLUGARORO:2"}, ""});
    for (Case& k : cases) {
        SCOPED_TRACE(k.form);
        Procedure p(k.layout);
        p.change([&](Window& w) {
            w.set_selected(w.number_of("?CurrentTab"), k.tab);
            for (const std::string& n : k.names) w.set_text(w.number_of(n), "Aiko Tanaka");
            if (!k.dojo.empty()) w.set_text(w.number_of(k.dojo), "Shotokan Norte");
        });
        engine().flush();
        const QImage image = engine().grab(p.window());
        ASSERT_FALSE(image.isNull());
        const std::string png = (dir ? std::filesystem::path(dir) : folder.path()) / (k.form + ".png");
        ASSERT_TRUE(engine().save_png(p.window(), png)) << png;
        Window& w = p.window();
        for (const std::string& n : k.names) {
            const ControlState c = w.control(w.number_of(n));
            const int ink = ink_height(image, c);
            EXPECT_GE(ink, int(c.height * unit_y() / 3)) << n;
            if (!k.dojo.empty()) {
                EXPECT_GT(ink, ink_height(image, w.control(w.number_of(k.dojo)))) << n;
            }
        }
        // The chart's lines are drawn whole: a fork's upright is inked from end to end.
        int tab = 0, uprights = 0;
        for (const ControlState& c : w.controls())
            if (c.kind == ControlKind::Tab && ++tab == k.tab)
                for (const ControlState& l : w.controls())
                    if (l.kind == ControlKind::Line && l.parent == c.number && l.width == 1) {
                        ++uprights;
                        EXPECT_GE(ink_height(image, l), int(l.height * unit_y()) - 2) << l.use;
                    }
        EXPECT_EQ(uprights > 0, k.lines);
    }
}

TEST_F(BracketRendering, GoStandsBesideOkAndCancelOnEveryTab) {
    TempFolder folder;
    Procedure p(kumite::bracket_layout("UpdateKumiteIndividual"));
    for (int tab = 1; tab <= 3; ++tab) {
        SCOPED_TRACE(tab);
        p.change([&](Window& w) { w.set_selected(w.number_of("?CurrentTab"), tab); });
        engine().flush();
        for (const char* use : {"?BUTTON1", "?OK", "?CANCEL"}) {
            QWidget* button = widget(p, use);
            ASSERT_TRUE(button) << use;
            EXPECT_TRUE(button->isVisible()) << use;
        }
    }
}

}  // namespace
}  // namespace zrv::testing
