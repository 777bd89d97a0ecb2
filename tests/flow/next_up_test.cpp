// The next-up lists and screens on real table files, through the headless driver and the virtual
// clock, with the scoring software writing the ready texts from a process of its own.
#include <gtest/gtest.h>

#include <atomic>
#include <map>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "flow/next_up.h"
#include "framework/core/app_services.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/engine/headless/test_driver.h"
#include "live/fuzzy_search.h"
#include "tests/support/scoring_tool.h"
#include "tests/support/screen_test.h"
#include "tests/support/temp_folder.h"

namespace zrv::flow {
namespace {

using data::TableId;

int scoring(std::vector<std::string> args) { return zrv::testing::run_scoring_tool(std::move(args)); }

// What a list and its screen work on.
struct Kind {
    const char* list;
    const char* screen;
    TableId table;
    const char* table_name;
    const char* prefix;
};
const Kind kKinds[] = {
    {"BrowseReadUpKumiteScreen41", "ReadUpKumiteScreen4C1", TableId::KumiteIndividual, "KumiteIndividual", "KE24"},
    {"BrowseReadUpTEAMScreen41", "ReadUpTEAMScreen41", TableId::KumiteEquipo5, "KumiteEquipo5", "KE212"},
    {"BrowseReadUpTEAMScreen4", "ReadUpTEAMScreen4", TableId::KumiteEquipo5, "KumiteEquipo5", "KE212"},
};

// A screen run directly with a request on the record with a number, as its list runs it.
// Afterwards, what the thread's Competidor buffer holds (it starts as "Stale").
std::atomic<int> g_response{0};
std::string g_screen, g_competitor;
int g_request = 0;
std::int64_t g_event = 0;
void ScreenWithRequest() {
    auto& table = *data::file_manager(g_screen == "ReadUpKumiteScreen4C1" ? TableId::KumiteIndividual : TableId::KumiteEquipo5);
    table.record().set_integer(0, g_event);
    table.get_by_key(0);
    auto& competitor = data::file_manager(TableId::Competidor)->record();
    competitor.set_text("CM:NOMBRECOM", "Stale");
    ThreadRequest() = static_cast<std::uint8_t>(g_request);
    g_response = run_procedure(g_screen);
    g_competitor = competitor.get_text("CM:NOMBRECOM");
    while (!g_competitor.empty() && g_competitor.back() == ' ') g_competitor.pop_back();
}
ProcedureRegistration screen_with_request("NextUpScreenWithRequest", &ScreenWithRequest);

class NextUp : public testing::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        for (const Kind& k : kKinds) live::fuzzy_search_active(k.list) = false;
        g_response = 0;
    }

    // Adds an event with these fields ("Field" without its prefix); returns its number.
    std::int64_t add(const Kind& k, const std::map<std::string, std::string>& values) {
        auto& t = *data::file_manager(k.table);
        EXPECT_TRUE(t.prepare_new_record());
        for (const auto& [f, v] : values) EXPECT_TRUE(t.record().set_text(std::string(k.prefix) + ":" + f, v)) << f;
        EXPECT_TRUE(t.insert());
        return t.record().get_integer(0);
    }
    std::string stored(const Kind& k, std::int64_t number, const std::string& field) {
        auto& t = *data::file_manager(k.table);
        t.record().set_integer(0, number);
        if (!t.get_by_key(0)) return "<none>";
        std::string s = t.record().get_text(std::string(k.prefix) + ":" + field);
        while (!s.empty() && s.back() == ' ') s.pop_back();
        return s;
    }
    std::int64_t events(const Kind& k) { return data::file_manager(k.table)->highest_value(0); }
    std::vector<ListRow> rows(Window& w) { return driver.control(w, "?BROWSE:1").rows; }
    std::vector<std::string> column(Window& w, int c) {
        std::vector<std::string> out;
        for (const ListRow& r : rows(w)) out.push_back(r.cells.at(static_cast<std::size_t>(c - 1)).text);
        return out;
    }
    std::string text(Window& w, const Kind& k, const char* field) {
        return driver.control(w, "?" + std::string(k.prefix) + ":" + field).text;
    }
    // Opens a list and one of its rows in its screen through a button or a double click.
    Window& open_screen(const Kind& k, int row, const char* button = nullptr) {
        driver.start(k.list);
        Window& list = driver.expect_window(k.list);
        if (button) {
            driver.choose(list, "?BROWSE:1", row);
            driver.press(list, button);
        } else {
            driver.double_click(list, "?BROWSE:1", row);
        }
        return driver.expect_window(k.screen);
    }

    testing::TempFolder folder;
    TestDriver driver;
};

TEST_F(NextUp, EachListShowsItsEventsWithTheScoreFirstAndItsOwnControls) {
    struct Case {
        const Kind& kind;
        const char* title;
        std::size_t cells;
        std::size_t tabs;
        const char* tab1;
        const char* header;  // one of its own headers, with its tip
        bool own_button;     // "?BUTTONNORECORDS" and the fixed prompt
    } cases[] = {
        {kKinds[0], "Kumite competition of 4 competitors", 8, 8, "&1) Individual Kumite ID",
         "~Individual Kumite ID~{Individual Kumite ID}", true},
        {kKinds[1], "4 Team Kumite Competition", 11, 7, "&1) Team Event ID", "~ Category~{Categoría}", false},
        {kKinds[2], "4 Team Kumite Competition", 11, 7, "&1) Team Event ID", "~Event Director~{Nombre Director Evento}", false},
    };
    for (const Kind* k : {&kKinds[0], &kKinds[1]}) {
        add(*k, {{"Queue", "1"}, {"Categoria", "Tigers"}});
        add(*k, {{"Queue", "4"}, {"Categoria", "Cranes"}});
    }
    ASSERT_EQ(scoring({"set", "KumiteEquipo5", "1", "NombreDeEquipoE1R1A=Tigers"}), 0);
    ASSERT_EQ(scoring({"create"}), 0);
    ASSERT_EQ(scoring({"set", "Equipos", "2", "Entrenado=Sensei Mori"}), 0);  // event 2's team; event 1 has none
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind.list);
        const bool team = c.kind.table == TableId::KumiteEquipo5;
        driver.start(c.kind.list);
        Window& w = driver.expect_window(c.kind.list);
        EXPECT_EQ(w.title(), c.title);
        EXPECT_EQ(w.kind(), WindowKind::MdiChild);
        EXPECT_EQ(w.timer(), 0);
        const ControlState list = driver.control(w, "?BROWSE:1");
        EXPECT_EQ(list.format.rfind("48C(2)|M~Match Result~", 0), 0u);
        EXPECT_NE(list.format.find(c.header), std::string::npos);
        ASSERT_EQ(list.rows.size(), 2u);
        EXPECT_EQ(list.rows[0].cells.size(), c.cells);
        EXPECT_EQ(column(w, 1), (std::vector<std::string>{"100", "100"}));  // no query: every row scores 100
        EXPECT_EQ(column(w, 2), (std::vector<std::string>{"2", "1"}));      // the newest event first
        if (team) {
            EXPECT_EQ(column(w, 5), (std::vector<std::string>{"Sensei Mori", ""}));  // "Coach Name": each row's own team
        }
        EXPECT_EQ(driver.control(w, "?TAB1").text, c.tab1);
        EXPECT_NE(w.number_of("?TAB" + std::to_string(c.tabs)), 0);
        EXPECT_EQ(w.number_of("?TAB" + std::to_string(c.tabs + 1)), 0);
        EXPECT_FALSE(driver.control(w, "?VIEW:3").hidden);
        for (const char* hidden : {"?INSERT:4", "?CHANGE:4", "?DELETE:4"}) EXPECT_TRUE(driver.control(w, hidden).hidden) << hidden;
        EXPECT_EQ(w.number_of("?BUTTONNORECORDS") != 0, c.own_button);
        EXPECT_EQ(w.number_of("?PROMPT1") != 0, c.own_button);
        // The queue status and the team names follow the highlighted row.
        const std::string queue = std::string("?") + c.kind.prefix + ":QUEUE";
        EXPECT_TRUE(driver.control(w, queue).disabled);
        EXPECT_EQ(driver.control(w, queue).selected, 4);
        driver.choose(w, "?BROWSE:1", 2);
        EXPECT_EQ(driver.control(w, queue).selected, 1);
        if (team) {
            EXPECT_EQ(driver.control(w, "?KE212:NOMBREDEEQUIPOE1R1A").text, "Tigers");
        }
        if (c.own_button) {
            EXPECT_EQ(driver.control(w, "?PROMPT1").text, "To create a competition of 4 competitors, Press (+Insert )");
        }
        driver.close(w);
    }
}

TEST(NextUpColours, TheEventsSizeColoursTheRowOtherSizesKeepTheDefaults) {
    struct Case {
        bool team;
        std::int64_t size;
        Colour back;
    } cases[] = {{false, 4, 0xC0E0FF},       {false, 8, 0xC0FFFF},      {false, 16, 0xFFC0FF}, {false, 3, kDefaultColour},
                 {false, 0, kDefaultColour}, {true, 3, 0xFFFFC0},       {true, 4, 0xFFC0C0},   {true, 8, kDefaultColour},
                 {true, 0, kDefaultColour},  {true, -4, kDefaultColour}};
    for (const Case& c : cases) EXPECT_EQ(event_size_colour(c.team, c.size), c.back) << c.team << " " << c.size;
}

TEST_F(NextUp, EveryCellButTheScoreTakesTheSizeColourAsItsNormalBackground) {
    const struct {
        const Kind& kind;
        const char* field;
        std::vector<const char*> sizes;  // in the order the events are added
        std::vector<Colour> shown;       // newest first
    } cases[] = {
        {kKinds[0], "KeyDe4816", {"4", "8", "16", "0"}, {kDefaultColour, 0xFFC0FF, 0xC0FFFF, 0xC0E0FF}},
        {kKinds[2], "KEYDE34", {"3", "4", "5"}, {kDefaultColour, 0xFFC0C0, 0xFFFFC0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind.list);
        for (const char* s : c.sizes) add(c.kind, {{c.field, s}});
        driver.start(c.kind.list);
        Window& w = driver.expect_window(c.kind.list);
        const std::vector<ListRow> r = rows(w);
        ASSERT_EQ(r.size(), c.shown.size());
        for (std::size_t i = 0; i < r.size(); ++i) {
            EXPECT_EQ(r[i].cells[0], ListCell{.text = "100"});
            for (std::size_t cell = 1; cell < r[i].cells.size(); ++cell)
                EXPECT_EQ(r[i].cells[cell], (ListCell{.text = r[i].cells[cell].text, .back_colour = c.shown[i]}))
                    << "row " << i << " cell " << cell;
        }
    }
}

TEST_F(NextUp, TheScreenShowsWhatTheScoringSoftwareWritesAtItsNextTickAndNeverClosesItself) {
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.screen);
        const std::int64_t event = add(k, {{"ReadyCompetitorAka", "Aiko Tanaka"}, {"ReadyCompetitorDojoAka", "Osaka Dojo"}});
        Window& screen = open_screen(k, 1);
        EXPECT_EQ(screen.title(), "Record Will Be Changed  (" + std::to_string(event) + ")");
        EXPECT_EQ(screen.kind(), k.screen == std::string("ReadUpTEAMScreen4") ? WindowKind::MdiChild : WindowKind::Floating);
        EXPECT_EQ(screen.timer(), 1);
        EXPECT_EQ(screen.resize_strategy(), ResizeStrategy::Scale);
        EXPECT_EQ(text(screen, k, "READYCOMPETITORAKA"), "Aiko Tanaka");
        EXPECT_EQ(text(screen, k, "READYCOMPETITORDOJOAKA"), "Osaka Dojo");
        const std::string id = std::to_string(event);
        ASSERT_EQ(scoring({"set", k.table_name, id, "ReadyCompetitorAo=Bruno Silva", "ReadyCompetitorDojoAo=Lisboa Club",
                           "ReadyCompetitorAka=Carla Mendez"}),
                  0);
        driver.advance_ms(10);
        EXPECT_EQ(text(screen, k, "READYCOMPETITORAKA"), "Carla Mendez");
        EXPECT_EQ(text(screen, k, "READYCOMPETITORAO"), "Bruno Silva");
        EXPECT_EQ(text(screen, k, "READYCOMPETITORDOJOAO"), "Lisboa Club");
        // The close flag is not the screen's business.
        ASSERT_EQ(scoring({"set", k.table_name, id, "Cerrar=1"}), 0);
        driver.advance_ms(100);
        EXPECT_NE(driver.window(k.screen), nullptr);
        // What is typed stays through the ticks; closing asks first, and stores nothing.
        driver.type(screen, std::string("?") + k.prefix + ":READYCOMPETITORAKA", "Someone Else");
        driver.advance_ms(10);
        EXPECT_EQ(text(screen, k, "READYCOMPETITORAKA"), "Someone Else");
        driver.close(screen);
        ASSERT_TRUE(driver.pending_message());
        EXPECT_EQ(driver.pending_message()->title, "Changes will be lost!");
        driver.answer_message(ButtonYes);
        EXPECT_EQ(driver.window(k.screen), nullptr);
        EXPECT_EQ(stored(k, event, "ReadyCompetitorAka"), "Carla Mendez");
        EXPECT_EQ(stored(k, event, "Cerrar"), "1");
        driver.close(driver.expect_window(k.list));
    }
}

TEST_F(NextUp, EveryOpenTeamScreenOnTheEventShowsANewTextAtItsNextTick) {
    add(kKinds[1], {{"ReadyCompetitorAka", "Tigers"}});
    Window& floating = open_screen(kKinds[1], 1, "?VIEW:3");
    Window& child = open_screen(kKinds[2], 1, "?VIEW:3");
    ASSERT_NE(floating.owner(), child.owner());
    ASSERT_EQ(scoring({"set", "KumiteEquipo5", "1", "ReadyCompetitorAka=Dragons"}), 0);
    driver.advance_ms(10);
    EXPECT_EQ(text(floating, kKinds[1], "READYCOMPETITORAKA"), "Dragons");
    EXPECT_EQ(text(child, kKinds[2], "READYCOMPETITORAKA"), "Dragons");
}

// The team screens also fetch the competitor whose number is the event's on every tick, and
// show nothing of it.
TEST_F(NextUp, EachRequestGivesItsTitleAndAnswer) {
    const struct {
        const char* screen;
        int request;
        std::int64_t event;
        const char* title;
        bool read_only;
        const char* ends_with;  // "?OK" (hidden, posted by code) or the close box
        int response;
        const char* competitor;
    } cases[] = {
        {"ReadUpTEAMScreen4", kRequestView, 12, "View Record", true, "close", kResponseCancelled, "Kenji"},
        {"ReadUpKumiteScreen4C1", kRequestView, 12, "View Record", true, "?OK", kResponseCancelled, "Stale"},
        {"ReadUpTEAMScreen41", kRequestChange, 12, "Record Will Be Changed  (12)", false, "?OK", kResponseCompleted, "Kenji"},
        {"ReadUpTEAMScreen41", kRequestChange, 13, "Record Will Be Changed  (13)", false, "close", kResponseCancelled, ""},
        {"ReadUpKumiteScreen4C1", kRequestChange, 12, "Record Will Be Changed  (12)", false, "close", kResponseCancelled, "Stale"},
    };
    ASSERT_EQ(scoring({"create"}), 0);
    for (const char* table : {"KumiteIndividual", "KumiteEquipo5"})
        for (const char* event : {"12", "13"})
            ASSERT_EQ(scoring({"set", table, event, "ReadyCompetitorAka=Aiko Tanaka", "Queue=1"}), 0);
    ASSERT_EQ(scoring({"set", "Competidor", "12", "NOMBRECOM=Kenji"}), 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.screen) + " " + std::to_string(c.request) + " " + std::to_string(c.event));
        g_screen = c.screen;
        g_request = c.request;
        g_event = c.event;
        g_response = 0;
        driver.start("NextUpScreenWithRequest");
        Window& w = driver.expect_window(c.screen);
        EXPECT_EQ(w.title(), c.title);
        const Kind& k = g_screen == "ReadUpKumiteScreen4C1" ? kKinds[0] : kKinds[1];
        for (const char* f : {"READYCOMPETITORAKA", "READYCOMPETITORDOJOAKA", "READYCOMPETITORAO", "READYCOMPETITORDOJOAO"})
            EXPECT_EQ(driver.control(w, std::string("?") + k.prefix + ":" + f).read_only, c.read_only) << f;
        EXPECT_EQ(text(w, k, "READYCOMPETITORAKA"), "Aiko Tanaka");
        driver.advance_ms(30);
        if (c.ends_with == std::string("?OK")) driver.press(w, "?OK");
        else driver.close(w);
        EXPECT_EQ(driver.window(c.screen), nullptr);
        EXPECT_EQ(g_response, c.response);
        EXPECT_EQ(g_competitor, c.competitor);
        EXPECT_EQ(stored(k, c.event, "ReadyCompetitorAka"), "Aiko Tanaka");
    }
}

TEST_F(NextUp, DeleteOnEveryListIsRefusedAndTheRecordStays) {
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.list);
        const std::int64_t event = add(k, {{"ReadyCompetitorAka", "Aiko Tanaka"}});
        driver.start(k.list);
        Window& list = driver.expect_window(k.list);
        driver.press(list, "?DELETE:4");
        ASSERT_TRUE(driver.pending_message());
        EXPECT_EQ(driver.pending_message()->title, "Invalid Request");
        EXPECT_EQ(driver.pending_message()->text, "This form cannot be used to delete a record");
        driver.answer_message(ButtonOk);
        EXPECT_EQ(driver.window(k.screen), nullptr);
        EXPECT_EQ(stored(k, event, "ReadyCompetitorAka"), "Aiko Tanaka");
        EXPECT_EQ(rows(list).size(), static_cast<std::size_t>(events(k)));
        driver.close(list);
    }
}

TEST_F(NextUp, AnInsertClosedWithoutOkLeavesNoEventBehind) {
    const Kind& k = kKinds[0];
    add(k, {});
    driver.start(k.list);
    Window& list = driver.expect_window(k.list);
    driver.press(list, "?INSERT:4");  // hidden: only code posts it
    Window& screen = driver.expect_window(k.screen);
    EXPECT_EQ(screen.title(), "Record Will Be Added  (New)");
    EXPECT_EQ(stored(k, 2, "Cerrar"), "0");  // added at once with its defaults
    driver.advance_ms(20);
    driver.close(screen);
    EXPECT_FALSE(driver.pending_message());
    EXPECT_EQ(driver.window(k.screen), nullptr);
    EXPECT_EQ(stored(k, 2, "Cerrar"), "<none>");
    EXPECT_EQ(rows(list).size(), 1u);
}

TEST_F(NextUp, TheButtonForNoRecordsAndItsPopupItemFollowWhetherTheListHasRows) {
    const Kind& k = kKinds[0];
    ASSERT_EQ(scoring({"create"}), 0);
    driver.start(k.list);
    Window& w = driver.expect_window(k.list);
    EXPECT_TRUE(rows(w).empty());
    EXPECT_TRUE(driver.control(w, "?BUTTONNORECORDS").disabled);
    driver.right_click(w, "?BROWSE:1");
    ASSERT_TRUE(driver.pending(HeadlessEngine::RequestKind::Popup));
    auto popup = driver.pending(HeadlessEngine::RequestKind::Popup)->popup;
    EXPECT_EQ(popup.items, (std::vector<std::string>{"Button"}));
    EXPECT_EQ(popup.disabled, (std::vector<bool>{true}));
    ASSERT_EQ(scoring({"set", "KumiteIndividual", "5", "Queue=1"}), 0);
    driver.answer_popup(1);  // a disabled item does nothing
    EXPECT_TRUE(rows(w).empty());
    // The scoring software's event shows once the list is filled again.
    driver.choose(w, "?CURRENTTAB", 2);
    EXPECT_EQ(column(w, 2), (std::vector<std::string>{"5"}));
    EXPECT_FALSE(driver.control(w, "?BUTTONNORECORDS").disabled);
    ASSERT_EQ(scoring({"set", "KumiteIndividual", "6", "Queue=2"}), 0);
    driver.right_click(w, "?BROWSE:1");
    EXPECT_EQ(driver.pending(HeadlessEngine::RequestKind::Popup)->popup.disabled, (std::vector<bool>{false}));
    driver.answer_popup(1);  // as pressing the button: the page is read again
    EXPECT_EQ(column(w, 2).size(), 2u);
    ASSERT_EQ(scoring({"set", "KumiteIndividual", "7", "Queue=2"}), 0);
    driver.press(w, "?BUTTONNORECORDS");
    EXPECT_EQ(column(w, 2).size(), 3u);
}

TEST_F(NextUp, AQueryScoresEveryRowAtOnceAndSearchOrdersByTheScore) {
    const Kind& k = kKinds[1];
    add(k, {{"NombreDeEquipoE1R1A", "Tigers"}, {"Categoria", "Adult"}});
    add(k, {{"NombreDeEquipoE4R1R", "Dragons"}, {"Categoria", "Cadet"}});
    add(k, {{"NombreDeEquipo2R1R", "Cranes"}, {"Categoria", "Junior"}});
    driver.start(k.list);
    Window& w = driver.expect_window(k.list);
    driver.choose(w, "?CURRENTTAB", 4);  // by category
    EXPECT_EQ(column(w, 6), (std::vector<std::string>{"Adult", "Cadet", "Junior"}));
    driver.type(w, "?FUZZYQUERY", "dragons");
    EXPECT_EQ(column(w, 6), (std::vector<std::string>{"Adult", "Cadet", "Junior"}));  // still in the tab's order
    EXPECT_EQ(column(w, 1)[1], "100");
    EXPECT_LT(std::stoi(column(w, 1)[0]), 100);
    driver.press(w, "?FUZZYGO");
    EXPECT_EQ(column(w, 6).front(), "Cadet");
    driver.choose(w, "?CURRENTTAB", 1);  // an active search holds its order
    EXPECT_EQ(column(w, 6).front(), "Cadet");
    driver.press(w, "?FUZZYCLEAR");
    EXPECT_EQ(driver.control(w, "?FUZZYQUERY").text, "");
    EXPECT_EQ(column(w, 2), (std::vector<std::string>{"3", "2", "1"}));
    EXPECT_EQ(column(w, 1), (std::vector<std::string>{"100", "100", "100"}));
}

TEST_F(NextUp, TheTypingLocatorAndTheNavigationButtonsMoveTheHighlight) {
    const Kind& k = kKinds[0];
    for (int i = 0; i < 3; ++i) add(k, {});
    driver.start(k.list);
    Window& w = driver.expect_window(k.list);
    const auto highlighted = [&] {
        const ControlState list = driver.control(w, "?BROWSE:1");
        return list.selected > 0 ? list.rows.at(static_cast<std::size_t>(list.selected - 1)).cells.at(1).text : "<none>";
    };
    driver.type(w, "?KE24:IDNUMERODEEVENTOKINDIVIDUAL", "2");
    EXPECT_EQ(highlighted(), "2");
    EXPECT_EQ(driver.control(w, "?KE24:IDNUMERODEEVENTOKINDIVIDUAL").text, "2");  // what was typed stays
    driver.press(w, "?BROWSE:BOTTOM");
    EXPECT_EQ(highlighted(), "1");
    driver.press(w, "?BROWSE:TOP");
    EXPECT_EQ(highlighted(), "3");
}

TEST(NextUpMenu, EveryListAndScreenIsRegistered) {
    for (const auto& names : {next_up_lists(), next_up_screens()})
        for (const std::string& n : names) EXPECT_TRUE(procedure_exists(n)) << n;
}

}  // namespace
}  // namespace zrv::flow
