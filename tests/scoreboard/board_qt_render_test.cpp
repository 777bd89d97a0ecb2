// Each board drawn by the Qt engine on the offscreen platform, as the audience sees it during a
// bout: names, points, lamps, the clock and its caption. The grabs are written as PNG files to
// $ZRV_RENDER_DIR when it is set (to look at them), else to a temporary folder.
#include <cstdlib>

#include <QImage>

#include "clock/digital_clock.h"
#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/app_services.h"
#include "framework/core/procedures.h"
#include "scoreboard/scoreboard.h"
#include "tests/engine/qt/qt_fixture.h"
#include "tests/support/recording_engine.h"
#include "tests/support/scoring_tool.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

using scoreboard::BoardKind;

class BoardRendering : public QtEngineTest {};

QColor pixel_at(const QImage& image, const ControlState& c) {
    return QColor(image.pixel(int((c.x + c.width / 2.0) * unit_x()), int((c.y + c.height / 2.0) * unit_y())));
}

// Pixels of a colour inside a control's rectangle.
int count_in(const QImage& image, const ControlState& c, QColor colour) {
    int n = 0;
    for (int y = int(c.y * unit_y()); y < std::min(image.height(), int((c.y + c.height) * unit_y())); ++y)
        for (int x = int(c.x * unit_x()); x < std::min(image.width(), int((c.x + c.width) * unit_x())); ++x)
            n += QColor(image.pixel(x, y)) == colour;
    return n;
}

const QColor kQtRed(255, 0, 0), kQtBlue(0, 0, 255), kQtWhite(255, 255, 255);

TEST_F(BoardRendering, EachBoardShowsABoutReadablyWithItsLampsAndClock) {
    TempFolder folder;
    const char* dir = std::getenv("ZRV_RENDER_DIR");
    for (const BoardKind& k : scoreboard::board_kinds()) {
        Procedure p(scoreboard::board_layout(k));
        DigitalClock clock;
        p.change([&](Window& w) {
            const auto set = [&](std::string_view use, std::string_view text) { w.set_text(w.number_of(use), text); };
            set("?SB:FULLNAMEAO", "Bruno Silva");
            set(std::string("?SB:FULLNAMEAKA") + (k.team ? "" : ":2"), "Aiko Tanaka");
            set(std::string("?SB:DOJONAMEAO") + k.name_suffix, "Shotokan Lisboa");
            set(std::string("?SB:DOJONAMEAKA") + k.name_suffix, "Kyokushin Osaka");
            set("?SB:PAISAO", "Portugal");
            set("?SB:PAISAKA", "Japan");
            set("?SB:PUNTOAO", "3");
            set("?SB:PUNTOAKA", "5");
            set("?SB:IDCOMBATE", "12");
            set(k.event_control, "4");
            if (w.number_of("?SB:TIMER1STARTTIME")) set("?SB:TIMER1STARTTIME", "90");
            for (const char* lamp : {"?CAO1", "?KAO2", "?CAKA1:3", "?SENSHUAKA"}) w.set_hidden(w.number_of(lamp), false);
            w.set_hidden(w.number_of("?STRING4"), false);
            clock.create_helpers();
            clock.attach_to_window(w, w.number_of("?XDIGITALCLOCKPANEL"), 300, "Paint", ".\\Digits", k.clock_settings,
                                   std::string(k.procedure) + ":xDC:4", kHours24, 0, kClockCountdown, 0, k.autosize, 0xFFFFFF);
            clock.set_countdown(83);
            clock.pause_countdown();
            clock.tick();
        });
        engine().flush();
        const QImage image = engine().grab(p.window());
        ASSERT_FALSE(image.isNull()) << k.procedure;
        const std::string png = (dir ? std::filesystem::path(dir) : folder.path()) / (std::string(k.procedure) + ".png");
        ASSERT_TRUE(engine().save_png(p.window(), png)) << png;

        Window& w = p.window();
        const auto at = [&](const char* use) { return w.control(w.number_of(use)); };
        // A lit Ao lamp is red on its blue bar, a lit Aka lamp blue on its red one; an unlit
        // lamp shows its bar.
        EXPECT_EQ(pixel_at(image, at("?CAO1")), kQtRed) << k.procedure;
        EXPECT_EQ(pixel_at(image, at("?CAKA1:3")), kQtBlue) << k.procedure;
        EXPECT_EQ(pixel_at(image, at("?HAO4")), kQtBlue) << k.procedure;
        EXPECT_EQ(pixel_at(image, at("?HAKA4:3")), kQtRed) << k.procedure;
        EXPECT_EQ(pixel_at(image, at("?SENSHUAKA")), kQtBlue) << k.procedure;
        // The points are large: their ink fills a good part of their box.
        const QColor ink = k.stacked ? kQtRed : kQtWhite;
        const ControlState aka_points = at("?SB:PUNTOAKA");
        EXPECT_GT(count_in(image, aka_points, ink), aka_points.width * aka_points.height * unit_x() * unit_y() / 25) << k.procedure;
        if (!k.stacked) {
            EXPECT_EQ(QColor(image.pixel(4, image.height() / 2)), kQtBlue) << "the Ao half";
            EXPECT_EQ(QColor(image.pixel(image.width() - 4, image.height() / 2)), kQtRed) << "the Aka half";
        }
        // The clock's digits stand on their white panel.
        EXPECT_GT(count_in(image, at("?XDIGITALCLOCKPANEL"), kQtWhite), 50) << k.procedure;
    }
}

// The boards themselves, each run on a bout that the scoring software is driving: what the
// table holds is what the Qt engine draws.
TEST_F(BoardRendering, EachBoardFollowingABoutDrawsItsRecord) {
    TempFolder folder;
    const char* dir = std::getenv("ZRV_RENDER_DIR");
    set_thread_hooks({.start = [] { data::InitDataDictionary(); }, .end = [] { data::KillDataDictionary(); }});
    app_settings_file().open(".\\Zorvane.INI");
    data::InitDataDictionary();
    RecordingEngine recording(engine());
    set_engine(&recording);
    for (const BoardKind& k : scoreboard::board_kinds()) {
        auto& sb = *data::file_manager(data::TableId::ScoreBoard);
        ASSERT_TRUE(sb.prepare_new_record());
        for (const auto& [field, value] : std::vector<std::pair<const char*, const char*>>{{"SB:FullNameAo", "Bruno Silva"},
                                                                                           {"SB:FullNameAka", "Aiko Tanaka"},
                                                                                           {"SB:PuntoAo", "3"},
                                                                                           {"SB:PuntoAka", "5"},
                                                                                           {"SB:C1Ao", "1"},
                                                                                           {"SB:C1Aka", "1"},
                                                                                           {"SB:SenshuAka", "1"}})
            sb.record().set_text(field, value);
        ASSERT_TRUE(sb.insert());
        const std::string id = sb.record().get_text("SB:IDCombate");
        start_thread(
            [id, procedure = std::string(k.procedure)] {
                auto& table = *data::file_manager(data::TableId::ScoreBoard);
                table.record().set_text("SB:IDCombate", id);
                table.get_by_key(0);
                ThreadRequest() = kRequestView;
                run_procedure(procedure);
            },
            4 * kMinimumThreadStack);
        ASSERT_TRUE(pump_until([&] { return recording.window(k.procedure) != nullptr; })) << k.procedure;
        Window& w = *recording.window(k.procedure);
        ASSERT_EQ(run_scoring_tool({"bout", id, "start"}), 0);
        const auto shown = [&](const char* use) { return !w.control(w.number_of(use)).hidden; };
        ASSERT_TRUE(pump_until([&] { return shown("?STRING4") && shown("?CAO1"); })) << k.procedure << ": GO and the lamps";
        TickCounter ticks(w);
        ASSERT_TRUE(ticks.wait(engine(), 3));  // a few ticks of the running clock
        ticks.stop();
        const QImage image = engine().grab(w);
        ASSERT_FALSE(image.isNull()) << k.procedure;
        const std::string png = (dir ? std::filesystem::path(dir) : folder.path()) / (std::string(k.procedure) + "-live.png");
        EXPECT_TRUE(engine().save_png(w, png)) << png;

        const auto at = [&](const char* use) { return w.control(w.number_of(use)); };
        EXPECT_EQ(pixel_at(image, at("?CAO1")), kQtRed) << k.procedure;
        EXPECT_EQ(pixel_at(image, at("?CAKA1:3")), kQtBlue) << k.procedure;
        EXPECT_EQ(pixel_at(image, at("?KAO2")), kQtBlue) << k.procedure << ": an unlit lamp shows its bar";
        // Aka's senshu lamp in Aka's place: the red lamp of the top row on the black board, the
        // blue one on the red half on the others.
        const char* senshu = k.senshu_crossed ? "?SENSHUAO" : "?SENSHUAKA";
        EXPECT_EQ(pixel_at(image, at(senshu)), k.senshu_crossed ? kQtRed : kQtBlue) << k.procedure;
        const ControlState aka_points = at("?SB:PUNTOAKA");
        EXPECT_EQ(aka_points.text, "5");
        EXPECT_GT(count_in(image, aka_points, k.stacked ? kQtRed : kQtWhite),
                  aka_points.width * aka_points.height * unit_x() * unit_y() / 25)
            << k.procedure;
        EXPECT_GT(count_in(image, at("?STRING4"), QColor(0, 255, 0)), 20) << k.procedure << ": GO in green";
        EXPECT_GT(count_in(image, at("?XDIGITALCLOCKPANEL"), kQtWhite), 50) << k.procedure;

        ASSERT_EQ(run_scoring_tool({"bout", id, "close"}), 0);
        EXPECT_TRUE(pump_until([&] { return recording.window(k.procedure) == nullptr; })) << k.procedure << " closes";
    }
    set_engine(&engine());
    EXPECT_TRUE(pump_until([] { return running_threads() == 0; }));
    data::KillDataDictionary();
    app_settings_file().close();
    set_thread_hooks({});
}

}  // namespace
}  // namespace zrv::testing
