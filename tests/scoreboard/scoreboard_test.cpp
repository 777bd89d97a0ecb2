// The scoreboards and their lists on real table files, through the headless driver and the
// virtual clock; the scoring software drives the bouts from a process of its own.
#include <gtest/gtest.h>

#include <map>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/app_services.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/engine/headless/headless_engine.h"
#include "framework/engine/headless/test_driver.h"
#include "scoreboard/scoreboard.h"
#include "tests/support/scoring_tool.h"
#include "tests/support/screen_test.h"
#include "tests/support/temp_folder.h"

namespace zrv::scoreboard {
namespace {

using data::TableId;

int scoring(std::vector<std::string> args) { return zrv::testing::run_scoring_tool(std::move(args)); }

struct Board {
    const char* list;
    const char* board;
};
const Board kBoard1{"BrowseScoreBoardView1", "UpdateScoreBoard1"};
const Board kBoard2{"BrowseScoreBoard", "UpDateScoreBoard2"};
const Board kTeam{"BrowseEquipo4ScoreBoard7", "UpDateEquipoScoreBoardPantalla"};
const Board kBoards[] = {kBoard1, kBoard2, kTeam};

class Scoreboards : public testing::ScreenTest {
protected:
    void SetUp() override { ScreenTest::SetUp(); }
    // A new bout with the table's defaults (90 s, stopped) and these fields; returns its number.
    int add_bout(std::vector<std::pair<const char*, std::string>> fields = {}) {
        auto& sb = *data::file_manager(TableId::ScoreBoard);
        EXPECT_TRUE(sb.prepare_new_record());
        sb.record().set_text("SB:FullNameAo", "Bruno Silva");
        sb.record().set_text("SB:FullNameAka", "Aiko Tanaka");
        for (const auto& [f, v] : fields) EXPECT_TRUE(sb.record().set_text(f, v)) << f;
        EXPECT_TRUE(sb.insert());
        return static_cast<int>(sb.record().get_integer("SB:IDCombate"));
    }
    // A new individual event; returns its number.
    int add_event() {
        auto& ke = *data::file_manager(TableId::KumiteIndividual);
        EXPECT_TRUE(ke.prepare_new_record());
        EXPECT_TRUE(ke.insert());
        return static_cast<int>(ke.record().get_integer("KE24:IDNumeroDeEventoKIndividual"));
    }
    std::string stored(int id, const char* field) {
        auto& sb = *data::file_manager(TableId::ScoreBoard);
        sb.record().set_integer("SB:IDCombate", id);
        if (!sb.get_by_key(0)) return "<none>";
        std::string t = sb.record().get_text(field);
        while (!t.empty() && t.back() == ' ') t.pop_back();
        return t;
    }
    int set(int id, std::vector<std::string> fields) {
        fields.insert(fields.begin(), {"set", "ScoreBoard", std::to_string(id)});
        return scoring(fields);
    }
    // Opens a bout's board from its list (the bout's row chosen by its number).
    Window& open(const Board& b, int id, const char* button = "?CHANGE:4") {
        driver.start(b.list);
        Window& list = driver.expect_window(b.list);
        const ControlState rows = driver.control(list, "?BROWSE:1");
        int row = 0;
        for (std::size_t r = 0; r < rows.rows.size(); ++r)
            if (rows.rows[r].cells.at(column_of_id(b)).text == std::to_string(id)) row = static_cast<int>(r) + 1;
        EXPECT_GT(row, 0) << "bout " << id << " not listed";
        driver.choose(list, "?BROWSE:1", row);
        driver.press(list, button);
        return driver.expect_window(b.board);
    }
    static std::size_t column_of_id(const Board& b) { return b.list == kTeam.list ? 0 : 1; }
    void tick(int n = 1) { driver.advance_ms(100 * n); }
    // Cancels a board, losing what it holds, and closes its list.
    void cancel(Window& w, const Board& b) {
        driver.press(w, "?CANCEL");
        if (driver.pending_message()) driver.answer_message(ButtonYes);
        EXPECT_EQ(driver.window(b.board), nullptr);
        driver.close(driver.expect_window(b.list));
    }
    bool hidden(Window& w, const char* use) { return driver.control(w, use).hidden; }
    std::string text(Window& w, const char* use) { return driver.control(w, use).text; }
    // The clock's cells as hh:mm:ss.
    std::string clock(Window& w) {
        std::string out;
        for (int i = 0; i < 8; ++i) {
            const std::string image = w.control(300 + i).image;
            const std::size_t dot = image.rfind('.');
            const char k = dot == std::string::npos || dot == 0 ? '?' : image[dot - 1];
            out += std::isdigit(static_cast<unsigned char>(k)) ? k : ':';
        }
        return out;
    }
    std::string captions(Window& w) {
        std::string out;
        for (const char* c : {"?STRING4", "?STRING4:2", "?STRING3"})
            if (!hidden(w, c)) out += (out.empty() ? "" : "+") + text(w, c);
        return out.empty() ? "none" : out;
    }

    testing::TempFolder folder;
    TestDriver driver;
};

TEST_F(Scoreboards, StopStartDrivesTheClockAndTheCaptionsOnEveryBoard) {
    struct Case {
        const char* first;  // SB:StopStart for the first second
        const char* then;   // and after
        const char* captions;
        const char* clock_after;  // after one second of the first, three of the second
    } cases[] = {
        {"0", "0", "GO", "00:01:27"},   {"0", "1", "STOP", "00:01:29"},
        {"1", "1", "STOP", "00:01:30"}, {"0", "2", "none", "00:01:27"},  // 2 leaves the clock running
        {"1", "2", "none", "00:01:30"},                                  // ... or stopped
    };
    for (const Board& b : kBoards)
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(b.board) + ", StopStart " + c.first + " then " + c.then);
            const int id = add_bout({{"SB:StopStart", c.first}});
            Window& w = open(b, id);
            if (b.board != kTeam.board) {
                EXPECT_EQ(clock(w), "00:01:30") << b.board;
            }  // paused at opening
            tick(10);
            ASSERT_EQ(set(id, {std::string("StopStart=") + c.then}), 0);
            tick(30);
            EXPECT_EQ(captions(w), c.captions) << b.board << " " << c.first << "->" << c.then;
            if (b.board != kTeam.board) {
                EXPECT_EQ(clock(w), c.clock_after) << b.board << " " << c.first << "->" << c.then;
            }
            cancel(w, b);
        }
}

TEST_F(Scoreboards, TimeUpStopsTheClockAndALaterOkStoresTheStop) {
    for (const Board& b : kBoards) {
        SCOPED_TRACE(b.board);
        const int id = add_bout({{"SB:StopStart", "0"}});
        Window& w = open(b, id);
        tick(10);
        EXPECT_EQ(captions(w), "GO");
        ASSERT_EQ(scoring({"bout", std::to_string(id), "timeup"}), 0);
        tick();
        EXPECT_EQ(captions(w), "TIME UP Oss") << b.board;
        const std::string at = clock(w);
        tick(20);
        EXPECT_EQ(clock(w), at) << b.board;
        EXPECT_EQ(stored(id, "SB:StopStart"), "0");
        driver.press(w, "?OK");
        EXPECT_EQ(driver.window(b.board), nullptr);
        EXPECT_EQ(stored(id, "SB:StopStart"), "1") << b.board;
        driver.close(driver.expect_window(b.list));
    }
}

TEST_F(Scoreboards, TheEndOfTheCountdownPlaysOnceAndTheCaptionsStillFollowTheRecord) {
    struct Case {
        Board board;
        std::size_t sounds;
    } cases[] = {{kBoard1, 1}, {kBoard2, 1}, {kTeam, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.board.board);
        const std::size_t before = driver.engine().sounds().size();
        const int id = add_bout({{"SB:Timer1StartTime", "2"}, {"SB:StopStart", "0"}});
        Window& w = open(c.board, id);
        tick(40);  // two seconds of bout, then two more with the record still running
        EXPECT_EQ(clock(w), "00:00:00") << c.board.board;
        EXPECT_EQ(driver.engine().sounds().size() - before, c.sounds) << c.board.board;
        if (c.sounds) {
            EXPECT_EQ(driver.engine().sounds().back(), "TimeUP.wav");
        }
        EXPECT_EQ(captions(w), "GO");
        ASSERT_EQ(scoring({"bout", std::to_string(id), "stop"}), 0);
        tick();
        EXPECT_EQ(captions(w), "STOP");
        ASSERT_EQ(scoring({"bout", std::to_string(id), "start"}), 0);
        tick(10);
        EXPECT_EQ(driver.engine().sounds().size() - before, c.sounds) << "a run-out clock stays at its end";
        // The flag lives in the buffer only: it is not the operator's, so not even OK stores it.
        driver.press(w, "?OK");
        EXPECT_EQ(driver.window(c.board.board), nullptr);
        EXPECT_EQ(stored(id, "SB:Timer1Flag"), "0") << c.board.board;
        driver.close(driver.expect_window(c.board.list));
    }
}

TEST_F(Scoreboards, PointsBlinkFromTheThirdTickOnceASideHasEightWithWinnerByOr) {
    const int id = add_bout({{"SB:PuntoAo", "8"}, {"SB:PuntoAka", "12"}, {"SB:WinnerByOr", "1"}});
    Window& w = open(kBoard2, id);
    const auto colour = [&] { return driver.control(w, "?SB:PUNTOAO").font_colour; };
    const Colour saved = colour();
    ASSERT_NE(saved, kGreen);
    const Colour expected[] = {saved, saved, kGreen, kGreen, saved, saved, kGreen};
    for (int t = 0; t < 7; ++t) {
        tick();
        EXPECT_EQ(colour(), expected[t]) << "tick " << t + 1;
    }
    ASSERT_EQ(set(id, {"PuntoAo=7"}), 0);  // green now: frozen
    tick(5);
    EXPECT_EQ(colour(), kGreen);
    ASSERT_EQ(set(id, {"PuntoAo=9", "WinnerByOr=0"}), 0);
    tick(5);
    EXPECT_EQ(colour(), kGreen);
    ASSERT_EQ(set(id, {"WinnerByOr=1"}), 0);
    tick();  // the count goes on where it stopped: one step, then the toggle
    EXPECT_EQ(colour(), kGreen);
    tick();
    EXPECT_EQ(colour(), saved);
    tick(1000);  // 500 toggles in all: the points stay in their own colour
    EXPECT_EQ(colour(), saved);
    tick(5);
    EXPECT_EQ(colour(), saved);
    cancel(w, kBoard2);

    struct Case {
        const char* by_or;
        const char* points;
    } still[] = {{"0", "12"}, {"1", "0"}, {"1", "7"}};
    for (const Case& c : still) {
        SCOPED_TRACE(c.by_or);
        const int other = add_bout({{"SB:PuntoAo", c.points}, {"SB:WinnerByOr", c.by_or}});
        Window& b = open(kBoard1, other);
        const Colour blue = driver.control(b, "?SB:PUNTOAO").font_colour;
        EXPECT_EQ(blue, kBlue);
        tick(6);
        EXPECT_EQ(driver.control(b, "?SB:PUNTOAO").font_colour, blue) << c.by_or << " " << c.points;
        cancel(b, kBoard1);
    }
}

TEST_F(Scoreboards, TheClockButtonsLastUntilTheNextTick) {
    struct Case {
        Board board;
        const char* stop_start;
        const char* button;
        bool runs;  // after five seconds
    } cases[] = {
        {kBoard1, "1", "?BUTTON2", false},  // Start, undone by the record
        {kBoard1, "2", "?BUTTON2", true},   // Start, kept: 2 leaves the clock alone
        {kBoard2, "1", "?SAVE", false},
        {kBoard2, "2", "?SAVE", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.board.board) + ", StopStart " + c.stop_start + ", " + c.button);
        const int id = add_bout({{"SB:StopStart", c.stop_start}});
        Window& w = open(c.board, id);
        tick(2);
        driver.press(w, c.button);
        tick(50);
        // Undone: the record stopped it again at the next tick, within its first second.
        EXPECT_EQ(clock(w), c.runs ? "00:01:25" : "00:01:30");
        cancel(w, c.board);
    }
    // Stop on a running bout with the record at 2 stops it.
    const int id = add_bout({{"SB:StopStart", "0"}});
    Window& w = open(kBoard2, id);
    tick(10);
    ASSERT_EQ(set(id, {"StopStart=2"}), 0);
    tick();
    driver.press(w, "?SAVE:14");
    const std::string at = clock(w);
    tick(30);
    EXPECT_EQ(clock(w), at);
}

TEST_F(Scoreboards, EachLampLightsWithItsFieldAndSenshuInItsSidesRow) {
    const int id = add_bout();
    Window& w = open(kBoard2, id);
    for (const Lamp& l : penalty_lamps()) {
        ASSERT_EQ(set(id, {std::string(l.field).substr(3) + "=1"}), 0);
        tick();
        for (const Lamp& other : penalty_lamps())
            EXPECT_EQ(hidden(w, other.lamp), other.lamp != l.lamp) << l.field << " " << other.lamp;
        ASSERT_EQ(set(id, {std::string(l.field).substr(3) + "=0"}), 0);
    }
    tick();
    for (const Lamp& l : penalty_lamps()) EXPECT_TRUE(hidden(w, l.lamp));
    cancel(w, kBoard2);

    struct Case {
        Board board;
        const char* field;
        const char* lamp;
        Colour fill;
        bool aka_place;  // top row on board 1, right half on board 2
    } cases[] = {
        {kBoard1, "SenshuAka", "?SENSHUAO", kRed, true},
        {kBoard1, "SenshuAo", "?SENSHUAKA", kBlue, false},
        {kBoard2, "SenshuAka", "?SENSHUAKA", kBlue, true},
        {kBoard2, "SenshuAo", "?SENSHUAO", kRed, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.board.board) + " " + c.field);
        const int other = add_bout();
        Window& b = open(c.board, other);
        ASSERT_EQ(scoring({"bout", std::to_string(other), "senshu", std::string(c.field).substr(6)}), 0);
        tick();
        const ControlState lamp = driver.control(b, c.lamp);
        EXPECT_FALSE(lamp.hidden) << c.board.board << " " << c.field;
        EXPECT_TRUE(hidden(b, std::string(c.lamp) == "?SENSHUAO" ? "?SENSHUAKA" : "?SENSHUAO"));
        EXPECT_EQ(lamp.fill_colour, c.fill);
        const ControlState points = driver.control(b, std::string(c.field) == "SenshuAka" ? "?SB:PUNTOAKA" : "?SB:PUNTOAO");
        if (c.board.board == kBoard1.board) {
            EXPECT_EQ(lamp.y < 172, c.aka_place);
        } else EXPECT_EQ(lamp.x > 411, c.aka_place);
        EXPECT_EQ(lamp.y < 172, points.y < 172) << "beside its side's points";
        cancel(b, c.board);
    }
}

TEST_F(Scoreboards, CerrarClosesEveryBoardOnTheBoutWithinOneTickStoringTheOperatorsChangesFirst) {
    const int id = add_bout({{"SB:StopStart", "0"}});
    Window& change = open(kBoard1, id);
    open(kBoard2, id, "?VIEW:3");
    open(kTeam, id, "?VIEW:3");
    tick(5);
    driver.type(change, "?SB:PAISAO", "Brasil");
    tick();
    // Closed with the time up: the change board stores what its operator typed, not the stop
    // it forced itself.
    ASSERT_EQ(set(id, {"SBStop=1", "Cerrar=1"}), 0);
    tick();
    EXPECT_EQ(driver.window(kBoard1.board), nullptr);
    EXPECT_EQ(driver.window(kBoard2.board), nullptr);
    EXPECT_EQ(driver.window(kTeam.board), nullptr);
    EXPECT_FALSE(driver.pending_message());
    EXPECT_EQ(stored(id, "SB:PaisAo"), "Brasil");
    EXPECT_EQ(stored(id, "SB:StopStart"), "0");
    EXPECT_EQ(stored(id, "SB:Cerrar"), "1");
}

TEST_F(Scoreboards, ACloseFromOutsideOnABoutWithBlankCheckedFieldsClosesWithoutABoxAndLogsTheDroppedChange) {
    // The scoring software writes the bout with Queue and Timer blank, which the field checks
    // refuse.
    ASSERT_EQ(scoring({"create"}), 0);
    ASSERT_EQ(testing::run_sqlite3("scoreboard.sqlite",
                                   "INSERT INTO ScoreBoard (IDCombate, FullNameAo, FullNameAka, PaisAo, "
                                   "StopStart, Queue, Timer) VALUES (7, 'Bruno Silva', 'Aiko Tanaka', 'Japan', 1, '', '');"),
              0);
    Window& w = open(kBoard2, 7);
    driver.type(w, "?SB:PAISAO", "Brasil");
    tick();
    ASSERT_EQ(testing::run_sqlite3("scoreboard.sqlite", "UPDATE ScoreBoard SET Cerrar = 1 WHERE IDCombate = 7;"), 0);
    tick();
    EXPECT_EQ(driver.window(kBoard2.board), nullptr);
    EXPECT_FALSE(driver.pending_message());
    for (const auto& m : app_error_reporter().history()) ADD_FAILURE() << "message " << m.number << " " << m.title;
    EXPECT_EQ(stored(7, "SB:PaisAo"), "Japan");
    EXPECT_EQ(stored(7, "SB:Cerrar"), "1");
    const std::string log = folder.read(kErrorLogFile);
    EXPECT_NE(log.find("UpDateScoreBoard2  Value Error (19)"), std::string::npos) << log;
    EXPECT_NE(log.find("could not be stored and were dropped"), std::string::npos) << log;
    driver.close(driver.expect_window(kBoard2.list));
}

TEST_F(Scoreboards, HanteiAndKikenBoxesDecideTheWinnerFlagsOnBoard2) {
    struct Case {
        std::vector<std::pair<const char*, bool>> clicks;
        bool ao_disabled, aka_disabled;
        const char* aka_win;
        const char* ao_win;
        const char* hantey_aka;
    } cases[] = {
        {{{"?SB:HANTEYAKA", true}}, true, false, "1", "0", "1"},
        {{{"?SB:HANTEYAKA", true}, {"?SB:HANTEYAKA", false}}, false, false, "1", "0", "0"},
        {{{"?SB:HANTEYAO", true}}, false, true, "0", "1", "0"},
        {{{"?SB:KIKENAKA", true}}, false, false, "0", "1", "0"},
        {{{"?SB:KIKENAO", true}}, false, false, "1", "0", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.clicks.front().first) + (c.clicks.size() > 1 ? " twice" : ""));
        const int id = add_bout();
        Window& w = open(kBoard2, id);
        for (const auto& [box, on] : c.clicks) driver.check(w, box, on);
        EXPECT_EQ(driver.control(w, "?SB:HANTEYAO").disabled, c.ao_disabled);
        EXPECT_EQ(driver.control(w, "?SB:HANTEYAKA").disabled, c.aka_disabled);
        driver.press(w, "?OK");  // stored before any re-read
        EXPECT_EQ(stored(id, "SB:AkaWin"), c.aka_win) << c.clicks.front().first;
        EXPECT_EQ(stored(id, "SB:AoWin"), c.ao_win) << c.clicks.front().first;
        EXPECT_EQ(stored(id, "SB:HanteyAka"), c.hantey_aka) << c.clicks.front().first;
        driver.close(driver.expect_window(kBoard2.list));
    }
    // The ticks leave the operator's click as it is until it is stored.
    const int id = add_bout();
    Window& w = open(kBoard2, id);
    driver.check(w, "?SB:HANTEYAKA", true);
    tick(3);
    EXPECT_TRUE(driver.control(w, "?SB:HANTEYAKA").checked);
    EXPECT_TRUE(driver.control(w, "?SB:HANTEYAO").disabled);
    driver.press(w, "?OK");
    EXPECT_EQ(stored(id, "SB:HanteyAka"), "1");
    EXPECT_EQ(stored(id, "SB:AkaWin"), "1");
    driver.close(driver.expect_window(kBoard2.list));
    // Opened on a bout whose Ao hantei is stored, the Aka box starts disabled.
    Window& again = open(kBoard2, add_bout({{"SB:HanteyAo", "1"}}));
    EXPECT_TRUE(driver.control(again, "?SB:HANTEYAKA").disabled);
    EXPECT_FALSE(driver.control(again, "?SB:HANTEYAO").disabled);
}

TEST_F(Scoreboards, TypedTextStaysInChangeModeAndOneTickInViewModeWhereTheBoardCopiesItBack) {
    struct Case {
        Board board;
        const char* button;
        const char* after_one;
        const char* after_two;
    } cases[] = {{kBoard2, "?CHANGE:4", "Brasil", "Brasil"},
                 {kTeam, "?CHANGE:4", "Brasil", "Brasil"},
                 {kBoard1, "?CHANGE:4", "Brasil", "Brasil"},
                 {kBoard2, "?VIEW:3", "Brasil", "Japan"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.board.board) + " " + c.button);
        const int id = add_bout({{"SB:PaisAo", "Japan"}});
        Window& w = open(c.board, id, c.button);
        tick();
        driver.type(w, "?SB:PAISAO", "Brasil");
        tick();
        EXPECT_EQ(text(w, "?SB:PAISAO"), c.after_one) << c.board.board << c.button;
        tick();
        EXPECT_EQ(text(w, "?SB:PAISAO"), c.after_two) << c.board.board << c.button;
        cancel(w, c.board);
    }
}

TEST_F(Scoreboards, ANumberTypedOverTheBoutNumberNeverSwitchesTheBout) {
    for (const Board& b : kBoards) {
        SCOPED_TRACE(b.board);
        const int other = add_bout({{"SB:PuntoAo", "1"}});
        const int id = add_bout({{"SB:PuntoAo", "2"}});
        Window& w = open(b, id);
        driver.type(w, "?SB:IDCOMBATE", std::to_string(other));
        tick(3);
        ASSERT_EQ(scoring({"bout", std::to_string(id), "point", "ao", "4"}), 0);
        tick();
        EXPECT_EQ(text(w, "?SB:PUNTOAO"), "6") << b.board;
        EXPECT_EQ(text(w, "?SB:IDCOMBATE"), std::to_string(id));
        driver.press(w, "?OK");
        EXPECT_EQ(stored(other, "SB:PuntoAo"), "1");
        EXPECT_EQ(stored(id, "SB:IDCombate"), std::to_string(id));
        if (driver.window(b.board)) driver.press(*driver.window(b.board), "?CANCEL");
        driver.close(driver.expect_window(b.list));
    }
}

TEST_F(Scoreboards, ViewModeMakesEachBoardsEntriesReadOnly) {
    struct Case {
        Board board;
        std::vector<const char*> read_only, editable;
        const char* start;
    } cases[] = {
        {kBoard1, {"?SB:PUNTOAO", "?SB:FULLNAMEAKA:2", "?SB:TIMER1STARTTIME"}, {"?SB:PAISAO", "?SB:IDCOMBATE"}, "?BUTTON2"},
        {kBoard2, {"?SB:PUNTOAKA", "?SB:IDCOMBATE", "?SB:FULLNAMEAO"}, {"?SB:FULLNAMEAKA:2", "?SB:PAISAKA"}, "?SAVE"},
        {kTeam, {"?SB:PUNTOAO", "?SB:FULLNAMEAKA", "?SB:CODIGODEEVENTO", "?SB:IDNUMERODEEVENTOEQUIPO"}, {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.board.board);
        const int id = add_bout();
        Window& w = open(c.board, id, "?VIEW:3");
        EXPECT_EQ(w.status().at(1).text, "View Record");
        for (const char* e : c.read_only) EXPECT_TRUE(driver.control(w, e).read_only) << c.board.board << " " << e;
        for (const char* e : c.editable) EXPECT_FALSE(driver.control(w, e).read_only) << c.board.board << " " << e;
        if (c.start) {
            EXPECT_TRUE(driver.control(w, c.start).disabled);
        }
        driver.press(w, "?OK");
        EXPECT_EQ(driver.window(c.board.board), nullptr);
        driver.close(driver.expect_window(c.board.list));
    }
}

TEST_F(Scoreboards, TheTeamBoardsBoxesShowTheirFields) {
    struct Case {
        const char* field;
        const char* box;
    } cases[] = {{"SB:AkaWin", "?SB:AKAWIN"},           {"SB:AoWin", "?SB:AOWIN"},
                 {"SB:ShikakuAoCK", "?SB:SHIKAKUAOCK"}, {"SB:ShikakuAkaCK", "?SB:SHIKAKUAKACK"},  // two decimal places
                 {"SB:StopStart", "?SB:STOPSTART"},     {"SB:KikenAo", "?SB:KIKENAO"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const int id = add_bout({{"SB:StopStart", "0"}});
        Window& w = open(kTeam, id);
        EXPECT_FALSE(driver.control(w, c.box).checked) << c.box;
        ASSERT_EQ(set(id, {std::string(c.field).substr(3) + "=1"}), 0);
        tick();
        EXPECT_TRUE(driver.control(w, c.box).checked) << c.box;
        cancel(w, kTeam);
    }
}

TEST_F(Scoreboards, TheChangeRequestShowsItsTextAndTheBout) {
    const int id = add_bout();
    Window& w = open(kBoard2, id);
    EXPECT_EQ(w.status().at(1).text, "Record Will Be Changed");
    EXPECT_EQ(w.title(), "  (" + std::to_string(id) + ")");
    EXPECT_EQ(w.kind(), WindowKind::Floating);
    EXPECT_EQ(w.resize_strategy(), ResizeStrategy::Scale);
    EXPECT_EQ(w.icon(), "zrvICON.ico");
    EXPECT_EQ(text(w, "?SB:FULLNAMEAO"), "Bruno Silva");
    EXPECT_EQ(text(w, "?SB:FULLNAMEAKA:2"), "Aiko Tanaka");
}

TEST_F(Scoreboards, InsertOpensTheBoardOnANewBoutWithTheDefaultsAndCancelRemovesIt) {
    for (const Board& b : {kBoard1, kBoard2}) {
        driver.start(b.list);
        Window& w = driver.expect_window(b.list);
        driver.press(w, "?INSERT:4");
        Window& board = driver.expect_window(b.board);
        EXPECT_EQ(board.status().at(1).text, "Record Will Be Added");
        EXPECT_EQ(board.title(), "  (New)");
        tick(10);
        EXPECT_EQ(clock(board), "00:01:30") << "90 s, stopped";
        EXPECT_EQ(captions(board), "STOP");
        EXPECT_EQ(stored(1, "SB:IDCombate"), "1") << "the list added it";
        driver.press(board, "?CANCEL");
        EXPECT_EQ(driver.window(b.board), nullptr);
        EXPECT_EQ(stored(1, "SB:IDCombate"), "<none>") << b.board;
        driver.close(w);
    }
}

TEST_F(Scoreboards, ARightClickOnTheClockOffersTheDigitSetsOnly) {
    for (const Board& b : kBoards) {
        SCOPED_TRACE(b.board);
        Window& w = open(b, add_bout());
        Event e;
        e.kind = EventKind::AlertKey;
        e.control = 308;  // the clock's region
        e.keycode = kMouseRightKey;
        w.post(std::move(e));
        driver.settle();
        const auto popup = driver.pending(HeadlessEngine::RequestKind::Popup);
        ASSERT_TRUE(popup) << b.board;
        EXPECT_EQ(popup->popup.items, std::vector<std::string>{"Choose digits..."});
        driver.answer_popup(0);
        cancel(w, b);
    }
}

// ---- the lists --------------------------------------------------------------------------------

TEST_F(Scoreboards, ListsShowTheirColumnsAndSearchWithTheirOwnExpressions) {
    struct Case {
        const char* list;
        const char* title;
        std::size_t cells;
        const char* header;
        const char* expression;
    } cases[] = {
        {"BrowseScoreBoard", "Score Board Event", 10, "~Match Result~",
         "200-FuzzyMatch(FuzzyQuery9,SB:IDCombate&' '&SB:IDNumeroDeEventoKIndividual&' '&SB:FechaEvento&' '&SB:CodigoDeEvento&' "
         "'&SB:NombreDelEvento&' '&SB:TatamiMatsNo&' '&SB:Categoria&' '&SB:Queue&' '&SB:Divicion&' '&SB:Modalidad)"},
        {"BrowseScoreBoardView1", "Score Board Combat Events", 10, "~Timer 1 Flag~",
         "200-FuzzyMatch(FuzzyQuery6,SB:IDCombate&' '&SB:IDNumeroDeEventoKIndividual&' '&SB:FechaEvento&' '&SB:CodigoDeEvento&' "
         "'&SB:Timer1StartTime&' '&SB:Timer1Flag&' '&SB:NombreDelEvento&' '&SB:TatamiMatsNo&' '&SB:Categoria&' '&SB:Queue&' "
         "'&SB:Divicion&' '&SB:Modalidad)"},
        {"BrowseEquipo4ScoreBoard7", "Browse the Combats Events ScoreBoard", 9, "~ID Team~",
         "200-FuzzyMatch(FuzzyQuery12,SB:IDCombate&' '&SB:IDNumeroDeEventoEquipo&' '&SB:FechaEvento&' '&SB:CodigoDeEvento&' "
         "'&SB:NombreDelEvento&' '&SB:TatamiMatsNo&' '&SB:Categoria&' '&SB:Divicion&' '&SB:Modalidad)"},
        {"SelectKumiteIndividual1", "Select Individual competitors", 9, "~Address~",
         "200-FuzzyMatch(FuzzyQuery7,KE24:IDNumeroDeEventoKIndividual&' '&KE24:FechaEvento&' '&KE24:CodigoDeEvento&' "
         "'&KE24:NombreDelEvento&' '&KE24:TatamiMatsNo&' '&KE24:Queue&' '&KE24:DirecionDelEvento&' '&KE24:Categoria&' "
         "'&KE24:Categoria_CM&' '&KE24:Modalidad&' '&KE24:Divicion&' '&KE24:CGanador)"},
    };
    add_bout({{"SB:CodigoDeEvento", "EV-A"}});
    add_bout({{"SB:CodigoDeEvento", "EV-B"}});
    add_event();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        const live::ListScreenDeclaration d = list_declaration(c.list);
        std::string joined;
        for (const std::string& f : d.list.search->fields) joined += (joined.empty() ? "" : "&' '&") + f;
        EXPECT_EQ("200-FuzzyMatch(" + d.list.search->query_name + "," + joined + ")", c.expression);
        driver.start(c.list);
        Window& w = driver.expect_window(c.list);
        EXPECT_EQ(w.title(), c.title);
        const ControlState list = driver.control(w, "?BROWSE:1");
        ASSERT_FALSE(list.rows.empty()) << c.list;
        EXPECT_EQ(list.rows[0].cells.size(), c.cells) << c.list;
        EXPECT_NE(list.format.find(c.header), std::string::npos) << c.list;
        EXPECT_TRUE(driver.control(w, "?SELECT:2").hidden);
        driver.close(w);
    }
    // The team list's drop list carries the tab's text; the classic list searches.
    driver.start("BrowseEquipo4ScoreBoard7");
    Window& team = driver.expect_window("BrowseEquipo4ScoreBoard7");
    EXPECT_EQ(driver.control(team, "?SORTORDERLIST").items, std::vector<std::string>{"1) ID Combate"});
    EXPECT_TRUE(driver.control(team, "?CurrentTab").hidden);
    EXPECT_EQ(driver.control(team, "?BROWSE:1").rows[0].cells[0].text, "2");
    driver.close(team);
    driver.start("BrowseScoreBoard");
    Window& classic = driver.expect_window("BrowseScoreBoard");
    driver.type(classic, "?FUZZYQUERY", "EV-A");
    driver.press(classic, "?FUZZYGO");
    const ControlState found = driver.control(classic, "?BROWSE:1");
    EXPECT_EQ(found.rows[0].cells[1].text, "1");
    EXPECT_GT(std::stoi(found.rows[0].cells[0].text), std::stoi(found.rows[1].cells[0].text)) << "the Match Result";
    driver.press(classic, "?FUZZYCLEAR");
}

TEST_F(Scoreboards, EachTabOrdersTheBoutsByItsKeyAndLocatesOnIt) {
    // Three bouts whose fields sort as bouts 2, 3, 1.
    const std::map<std::string, std::string> tatami = {{"1", "Alpha"}, {"2", "Bravo"}, {"3", "Charlie"}};
    for (const char* v : {"3", "1", "2"})
        add_bout({{"SB:Queue", v},
                  {"SB:CodigoDeEvento", std::string("C") + v},
                  {"SB:TatamiMatsNo", tatami.at(v)},
                  {"SB:Modalidad", std::string("M") + v}});
    struct Case {
        const char* list;
        const char* sheet;
        int choice;
        const char* bouts;
    } cases[] = {
        {"BrowseScoreBoard", "?CurrentTab", 1, "321"},       // the newest bout first
        {"BrowseScoreBoard", "?CurrentTab", 4, "231"},       // event code
        {"BrowseScoreBoard", "?CurrentTab", 6, "231"},       // tatami
        {"BrowseScoreBoard", "?CurrentTab", 8, "231"},       // queue
        {"BrowseScoreBoard", "?CurrentTab", 10, "231"},      // modality
        {"BrowseScoreBoardView1", "?CurrentTab", 2, "231"},  // queue
        {"BrowseScoreBoardView1", "?CurrentTab", 5, "231"},  // event code
        {"BrowseScoreBoardView1", "?CurrentTab", 7, "231"},  // tatami
        {"BrowseEquipo4ScoreBoard7", "?SORTORDERLIST", 1, "321"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        driver.start(c.list);
        Window& list = driver.expect_window(c.list);
        driver.choose(list, c.sheet, c.choice);
        const std::size_t id_column = std::string(c.list) == kTeam.list ? 0 : 1;
        std::string bouts;
        for (const ListRow& r : driver.control(list, "?BROWSE:1").rows) bouts += r.cells.at(id_column).text;
        EXPECT_EQ(bouts, c.bouts) << c.list << " " << c.choice;
        driver.close(list);
    }
    // Each order's locator: a key typed into the list goes to the first row from there.
    for (const char* l : {"BrowseScoreBoard", "BrowseScoreBoardView1"}) {
        driver.start(l);
        Window& list = driver.expect_window(l);
        driver.choose(list, "?CurrentTab", std::string(l) == "BrowseScoreBoard" ? 6 : 7);  // tatami
        driver.key(list, "?BROWSE:1", 'B');
        const ControlState rows = driver.control(list, "?BROWSE:1");
        ASSERT_GT(rows.selected, 0) << l;
        EXPECT_EQ(rows.rows.at(static_cast<std::size_t>(rows.selected - 1)).cells.at(1).text, "3") << l << ": Bravo";
        driver.close(list);
    }
    // The event list locates as its event number is typed.
    for (int i = 0; i < 3; ++i) add_event();
    driver.start("SelectKumiteIndividual1");
    Window& select = driver.expect_window("SelectKumiteIndividual1");
    EXPECT_EQ(driver.control(select, "?EventNumberPrompt").text, "Event number:");
    driver.type(select, "?KE24:IDNUMERODEEVENTOKINDIVIDUAL", "2");
    const ControlState events = driver.control(select, "?BROWSE:1");
    ASSERT_GT(events.selected, 0);
    EXPECT_EQ(events.rows.at(static_cast<std::size_t>(events.selected - 1)).cells.at(0).text, "2");
    driver.close(select);
}

TEST_F(Scoreboards, TheEventTabIsLimitedToTheChosenOrLookedUpEvent) {
    const std::string first = std::to_string(add_event()), second = std::to_string(add_event());
    add_bout({{"SB:IDNumeroDeEventoKIndividual", first}});
    add_bout({{"SB:IDNumeroDeEventoKIndividual", second}});
    add_bout({{"SB:IDNumeroDeEventoKIndividual", second}});
    add_bout();
    const auto events = [&](Window& list) {
        std::vector<std::string> out;
        for (const ListRow& r : driver.control(list, "?BROWSE:1").rows) out.push_back(r.cells.at(2).text);
        return out;
    };
    driver.start("BrowseScoreBoard");
    Window& list = driver.expect_window("BrowseScoreBoard");
    driver.choose(list, "?CurrentTab", 2);
    EXPECT_EQ(events(list), std::vector<std::string>{"0"}) << "no event chosen yet";
    const ControlState button = driver.control(list, "?SELECTKUMITEINDIVIDUAL:2");
    EXPECT_EQ(button.kind, ControlKind::Button);
    EXPECT_EQ(button.text, "Select KumiteIndividual");
    EXPECT_EQ(button.parent, list.number_of("?Tab:2"));
    driver.press(list, "?SELECTKUMITEINDIVIDUAL:2");
    Window& select = driver.expect_window("SelectKumiteIndividual1");
    EXPECT_FALSE(driver.control(select, "?SELECT:2").hidden);
    driver.choose(select, "?BROWSE:1", 1);  // the second event, the newest first
    ASSERT_EQ(driver.control(select, "?BROWSE:1").rows[0].cells[0].text, second);
    driver.press(select, "?SELECT:2");
    EXPECT_EQ(driver.window("SelectKumiteIndividual1"), nullptr);
    EXPECT_EQ(events(list), (std::vector<std::string>{second, second}));
    driver.choose(list, "?CurrentTab", 1);
    EXPECT_EQ(events(list).size(), 4u) << "other tabs are not limited";
    // A board shown for a bout of the first event looks that event up on this thread.
    driver.choose(list, "?BROWSE:1", 4);  // bout 1, the oldest
    driver.press(list, "?VIEW:3");
    driver.press(driver.expect_window(kBoard2.board), "?OK");
    driver.choose(list, "?CurrentTab", 2);
    EXPECT_EQ(events(list), std::vector<std::string>{first});
}

TEST_F(Scoreboards, DeleteOnABoutListDeletesNothing) {
    for (const Board& b : kBoards) {
        SCOPED_TRACE(b.board);
        const int id = add_bout();
        open(b, id, "?DELETE:4");
        const auto m = driver.pending_message();
        ASSERT_TRUE(m);
        EXPECT_EQ(m->title, "Invalid Request");
        driver.answer_message(ButtonOk);
        EXPECT_EQ(driver.window(b.board), nullptr);
        EXPECT_EQ(stored(id, "SB:IDCombate"), std::to_string(id));
        driver.close(driver.expect_window(b.list));
    }
}

TEST_F(Scoreboards, TheTeamListShowsABoutAddedByAnotherProcessWithinItsTick) {
    add_bout();
    driver.start("BrowseEquipo4ScoreBoard7");
    Window& list = driver.expect_window("BrowseEquipo4ScoreBoard7");
    EXPECT_EQ(driver.control(list, "?SortPrompt").text, "&Sort Order:");
    ASSERT_EQ(driver.control(list, "?BROWSE:1").rows.size(), 1u);
    ASSERT_EQ(set(2, {"IDNumeroDeEventoEquipo=44", "StopStart=1"}), 0);
    driver.advance_ms(50);
    const ControlState rows = driver.control(list, "?BROWSE:1");
    ASSERT_EQ(rows.rows.size(), 2u);
    EXPECT_EQ(rows.rows[0].cells[1].text, "44");
}

// ---- a whole bout from the scoring software ---------------------------------------------------

TEST_F(Scoreboards, ABoutDrivenFromOutsideShowsOnTheBoardStepByStep) {
    struct Step {
        std::vector<std::string> action;
        int ticks;
        const char* points_ao;
        const char* points_aka;
        const char* captions;
        const char* lit;  // a penalty lamp expected lit, or ""
        bool senshu_ao;
        const char* clock;
    } steps[] = {
        {{"start"}, 10, "0", "0", "GO", "", false, "00:01:00"},
        {{"point", "ao", "2"}, 1, "2", "0", "GO", "", false, nullptr},
        {{"senshu", "ao"}, 1, "2", "0", "GO", "", true, nullptr},
        {{"point", "aka", "1"}, 1, "2", "1", "GO", "", true, "00:00:59"},
        {{"penalty", "aka", "C1"}, 1, "2", "1", "GO", "?CAKA1:3", true, nullptr},
        {{"stop"}, 1, "2", "1", "STOP", "?CAKA1:3", true, nullptr},
        {{"penalty", "aka", "C1", "off"}, 20, "2", "1", "STOP", "", true, "00:00:59"},
        {{"start"}, 10, "2", "1", "GO", "", true, "00:00:58"},
        {{"point", "ao", "-1"}, 1, "1", "1", "GO", "", true, nullptr},
        {{"point", "aka", "7"}, 3, "1", "8", "GO", "", true, nullptr},  // Aka has won: green at the 3rd tick
        {{"timeup"}, 1, "1", "8", "TIME UP Oss", "", true, nullptr},
    };
    for (const Board& b : {kBoard1, kBoard2}) {
        const int id = add_bout({{"SB:Timer1StartTime", "60"}});
        Window& w = open(b, id);
        // Ao's senshu lamp is the blue one in the Ao row on board 1, the red one on the Ao half on board 2.
        const char* senshu_ao = b.board == kBoard1.board ? "?SENSHUAKA" : "?SENSHUAO";
        const Colour aka_saved = driver.control(w, "?SB:PUNTOAKA").font_colour;
        for (const Step& s : steps) {
            SCOPED_TRACE("step " + std::to_string(&s - &*std::begin(steps)) + ": " + s.action.front());
            std::vector<std::string> args = {"bout", std::to_string(id)};
            args.insert(args.end(), s.action.begin(), s.action.end());
            ASSERT_EQ(scoring(args), 0) << s.action[0];
            tick(s.ticks);
            const std::string at = std::string(b.board) + " " + s.action[0];
            EXPECT_EQ(text(w, "?SB:PUNTOAO"), s.points_ao) << at;
            EXPECT_EQ(text(w, "?SB:PUNTOAKA"), s.points_aka) << at;
            EXPECT_EQ(captions(w), s.captions) << at;
            for (const Lamp& l : penalty_lamps()) EXPECT_EQ(hidden(w, l.lamp), l.lamp != std::string(s.lit)) << at;
            EXPECT_EQ(hidden(w, senshu_ao), !s.senshu_ao) << at;
            if (s.clock) {
                EXPECT_EQ(clock(w), s.clock) << at;
            }
            EXPECT_EQ(driver.control(w, "?SB:PUNTOAKA").font_colour, std::string(s.points_aka) == "8" ? kGreen : aka_saved) << at;
        }
        EXPECT_NE(scoring({"bout", "999", "close"}), 0) << "no such bout";
        EXPECT_NE(scoring({"bout", std::to_string(id), "penalty", "ao", "X9"}), 0);
        ASSERT_EQ(scoring({"bout", std::to_string(id), "close"}), 0);
        tick();
        EXPECT_EQ(driver.window(b.board), nullptr);
        EXPECT_EQ(stored(id, "SB:StopStart"), "0");  // the board's own stop is not the operator's change
        EXPECT_EQ(stored(id, "SB:PuntoAka"), "8");
        driver.close(driver.expect_window(b.list));
    }
}

TEST(ScoreboardMenu, TheListsAndBoardsAreRegistered) {
    for (const char* p : {"BrowseScoreBoard", "BrowseScoreBoardView1", "BrowseEquipo4ScoreBoard7", "SelectKumiteIndividual1",
                          "UpdateScoreBoard1", "UpDateScoreBoard2", "UpDateEquipoScoreBoardPantalla"})
        EXPECT_TRUE(procedure_exists(p)) << p;
}

}  // namespace
}  // namespace zrv::scoreboard
