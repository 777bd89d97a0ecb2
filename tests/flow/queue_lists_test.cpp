// The six queue lists on real table files: their twins' texts, the status cell's colours, the
// half-second re-read that shows what the scoring software writes, tabs, the shared search flag
// and the detail controls that never store anything.
#include <gtest/gtest.h>

#include <tuple>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "flow/queue_lists.h"
#include "framework/core/app_services.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/engine/headless/test_driver.h"
#include "live/fuzzy_search.h"
#include "live/list_format.h"
#include "tests/support/scoring_tool.h"
#include "tests/support/screen_test.h"
#include "tests/support/temp_folder.h"

namespace zrv::flow {
namespace {

using data::TableId;

int scoring(std::vector<std::string> args) { return zrv::testing::run_scoring_tool(std::move(args)); }

const char* const kLists[] = {"BrouseQueueKata",          "BrouseQueueKata1",   "BrowseQueueKKIndividual",
                              "BrowseQueueKKIndividual1", "BrowseQueueEquipos", "BrowseQueueEquipos1"};

// One event per status; the numbers come out 1 to 4, the list shows the newest first.
struct Event {
    const char* queue;
    const char* division;
    const char* modality;
    const char* team;
};
const Event kEvents[] = {
    {"3", "Cadet", "Kumite", "Tigers"},
    {"1", "Adult", "Kata", "Cranes"},
    {"4", "Junior", "Kumite", "Dragons"},
    {"2", "Senior", "Kata", "Snakes"},
};

class QueueLists : public testing::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        for (const char* l : kLists) live::fuzzy_search_active(l) = false;
    }
    void seed() {
        const struct {
            TableId table;
            const char* prefix;
            const char* team_field;
        } tables[] = {{TableId::KataEvent, "KE", "KE:NombreDeEvento"},
                      {TableId::KumiteIndividual, "KE24", "KE24:NombreDelEvento"},
                      {TableId::KumiteEquipo5, "KE212", "KE212:NombreDeEquipoE1R1A"}};
        for (const auto& t : tables) {
            auto& f = *data::file_manager(t.table);
            for (const Event& e : kEvents) {
                ASSERT_TRUE(f.prepare_new_record());
                const std::string p = std::string(t.prefix) + ":";
                f.record().set_text(p + "Queue", e.queue);
                f.record().set_text(p + "Divicion", e.division);
                f.record().set_text(p + "Modalidad", e.modality);
                f.record().set_text(t.team_field, e.team);
                ASSERT_TRUE(f.insert());
            }
        }
    }
    std::string stored(TableId table, const char* key, int id, const char* field) {
        auto& f = *data::file_manager(table);
        f.record().set_integer(key, id);
        if (!f.get_by_key(0)) return "<none>";
        std::string t = f.record().get_text(field);
        while (!t.empty() && t.back() == ' ') t.pop_back();
        return t;
    }
    std::vector<ListRow> rows(Window& w) { return driver.control(w, "?BROWSE:1").rows; }
    // A column of the list, top to bottom.
    std::vector<std::string> column(Window& w, int c) {
        std::vector<std::string> out;
        for (const ListRow& r : rows(w)) out.push_back(r.cells.at(static_cast<std::size_t>(c - 1)).text);
        return out;
    }

    testing::TempFolder folder;
    TestDriver driver;
};

TEST_F(QueueLists, EachTwinShowsItsTableWithItsOwnTexts) {
    seed();
    struct Case {
        const char* list;
        const char* title;
        WindowKind kind;
        std::size_t columns;
        const char* second_header;
        const char* tab1;
        const char* detail;  // a detail prompt
        const char* detail_text;
        bool button_bar;
    } cases[] = {
        {"BrouseQueueKata", "Queue Katas Events ", WindowKind::Floating, 9, "Event date", "&1) Queue Status",
         "?KE:CodigoEvento:PROMPT", "Event code", false},
        {"BrouseQueueKata1", "Queue Katas Events ", WindowKind::MdiChild, 9, "Event date", "&1) Queue Status",
         "?KE:CodigoEvento:PROMPT", "Event code:", false},
        {"BrowseQueueKKIndividual", "Queue Event Kata y Kumite Individual", WindowKind::Floating, 8, "ID Evento", "&1) Event Queue",
         "?KE24:FechaEvento:PROMPT", "Date:", true},
        {"BrowseQueueKKIndividual1", "Queue Event Kata y Kumite Individual", WindowKind::MdiChild, 8, "ID Evento", "&1) Event Queue",
         "?KE24:FechaEvento:PROMPT", "Date:", true},
        {"BrowseQueueEquipos", "Queue Of team event", WindowKind::Floating, 12, "ID Event", "&1) Queue Team event",
         "?KE212:FechaEvento:PROMPT", "Event date:", true},
        {"BrowseQueueEquipos1", "Queue Team event", WindowKind::MdiChild, 12, "ID Teen", "&1) Queue Event",
         "?KE212:FechaEvento:PROMPT", "Date:", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        driver.start(c.list);
        Window& w = driver.expect_window(c.list);
        EXPECT_EQ(w.title(), c.title);
        EXPECT_EQ(w.kind(), c.kind);
        EXPECT_EQ(w.timer(), 50);
        ASSERT_EQ(rows(w).size(), 4u);
        EXPECT_EQ(rows(w)[0].cells.size(), c.columns);
        // The first tab orders by queue status.
        EXPECT_EQ(column(w, 1), (std::vector<std::string>{"1", "2", "3", "4"}));
        const std::string format = driver.control(w, "?BROWSE:1").format;
        EXPECT_NE(format.find(std::string("~") + c.second_header + "~"), std::string::npos);
        EXPECT_EQ(driver.control(w, "?TAB1").text, c.tab1);
        EXPECT_EQ(driver.control(w, c.detail).text, c.detail_text);
        EXPECT_EQ(w.number_of("?BROWSE:TOP") != 0, c.button_bar);
        for (const char* editing : {"?BROWSE:INSERT", "?BROWSE:CHANGE", "?BROWSE:DELETE"})
            EXPECT_TRUE(!c.button_bar || driver.control(w, editing).disabled) << editing;
        EXPECT_EQ(w.number_of("?INSERT"), 0);
        driver.close(w);
    }
}

TEST_F(QueueLists, TheTeamListsStackTheFourTeamNamesUnderTeams) {
    const char* const names[][2] = {{"KE212:NombreDeEquipo2R1R", "Tigers"},
                                    {"KE212:NombreDeEquipoE3R1A", "Cranes"},
                                    {"KE212:NombreDeEquipoE4R1R", "Dragons"},
                                    {"KE212:NombreDeEquipoE1R1A", "Snakes"}};
    auto& teams = *data::file_manager(TableId::KumiteEquipo5);
    ASSERT_TRUE(teams.prepare_new_record());
    teams.record().set_text("KE212:Queue", "2");
    for (const auto& [field, name] : names) teams.record().set_text(field, name);
    ASSERT_TRUE(teams.insert());
    for (const char* list : {"BrowseQueueEquipos", "BrowseQueueEquipos1"}) {
        SCOPED_TRACE(list);
        driver.start(list);
        Window& w = driver.expect_window(list);
        // One cell per name, top to bottom; only the status cell is coloured.
        const std::vector<ListRow> r = rows(w);
        ASSERT_EQ(r.size(), 1u);
        ASSERT_EQ(r[0].cells.size(), 12u);
        for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(r[0].cells[8 + i], ListCell{.text = names[i][1]});
        EXPECT_EQ(r[0].cells[0].back_colour, 0x0000FF);
        // The four stand one below the other under "Teams"; the columns before them side by side.
        const auto columns = live::parse_list_format(driver.control(w, "?BROWSE:1").format);
        ASSERT_TRUE(columns);
        ASSERT_EQ(columns->size(), 12u);
        for (std::size_t i = 0; i < columns->size(); ++i) {
            const live::ListColumn& c = (*columns)[i];
            EXPECT_EQ(c.stacked, i >= 8) << "column " << i + 1;
            EXPECT_EQ(c.group, i >= 8 ? "Teams" : "") << "column " << i + 1;
            if (i >= 8) {
                EXPECT_EQ(std::tie(c.width, c.align, c.header, c.picture_text),
                          std::make_tuple(80, 'L', std::string(), std::string("@s20")));
            }
        }
        driver.close(w);
    }
}

TEST(QueueStatusColours, OnlyTheFourStatusesColourTheCell) {
    const Colour D = kDefaultColour;
    struct Case {
        const char* status;
        bool team;
        Colour text, back, selected_text, selected_back;
    } cases[] = {
        {"1", false, D, 0x00C000, D, 0xC0FFC0},
        {"2", false, 0xFFFFFF, 0x0000FF, D, 0xC0C0FF},
        {"2", true, 0xFFFFFF, 0x0000FF, D, 0x0000FF},
        {"3", true, D, 0xC0C0C0, D, 0xE0E0E0},
        {"4", false, 0xFFFFFF, 0xFF0000, D, 0xFFC0C0},
        {"5", false, D, D, D, D},
        {"", true, D, D, D, D},
        {"QueueStart", false, D, D, D, D},
        {"0", false, D, D, D, D},
        {"-1", false, D, D, D, D},
        {"2.5", true, D, D, D, D},
        {"3.0", false, D, 0xC0C0C0, D, 0xE0E0E0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        const ListCell cell = queue_status_colours(c.status, c.team);
        EXPECT_EQ(cell, (ListCell{.text = {},
                                  .text_colour = c.text,
                                  .back_colour = c.back,
                                  .selected_text_colour = c.selected_text,
                                  .selected_back_colour = c.selected_back}))
            << "status '" << c.status << "' team " << c.team;
    }
}

TEST_F(QueueLists, OnlyTheStatusCellIsColouredAndAChangeFromOutsideShowsWithinHalfASecond) {
    seed();
    const struct {
        const char* list;
        const char* table;
        Colour stop_selected;
    } cases[] = {{"BrouseQueueKata", "KataEvent", 0xC0C0FF},
                 {"BrowseQueueKKIndividual1", "KumiteIndividual", 0xC0C0FF},
                 {"BrowseQueueEquipos", "KumiteEquipo5", 0x0000FF}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        driver.start(c.list);
        Window& w = driver.expect_window(c.list);
        std::vector<ListRow> r = rows(w);
        ASSERT_EQ(r.size(), 4u);
        EXPECT_EQ(r[0].cells[0].back_colour, 0x00C000);  // started: green
        EXPECT_EQ(r[1].cells[0].text_colour, 0xFFFFFF);  // stopped: white on red
        EXPECT_EQ(r[1].cells[0].back_colour, 0x0000FF);
        EXPECT_EQ(r[1].cells[0].selected_back_colour, c.stop_selected);
        for (const ListRow& row : r)
            for (std::size_t i = 1; i < row.cells.size(); ++i) EXPECT_EQ(row.cells[i], ListCell{.text = row.cells[i].text});
        // Event 4 (stopped) is marked done, event 2 (started) gets a status that is none of the four.
        ASSERT_EQ(scoring({"set", c.table, "4", "Queue=3"}), 0);
        ASSERT_EQ(scoring({"set", c.table, "2", "Queue=5"}), 0);
        driver.advance_ms(490);
        EXPECT_EQ(column(w, 1), (std::vector<std::string>{"1", "2", "3", "4"}));
        driver.advance_ms(10);
        EXPECT_EQ(column(w, 1), (std::vector<std::string>{"3", "3", "4", "5"}));
        r = rows(w);
        EXPECT_EQ(r[0].cells[0].back_colour, 0xC0C0C0);
        EXPECT_EQ(r[3].cells[0], ListCell{.text = "5"});
        driver.close(w);
    }
}

TEST_F(QueueLists, TabsChooseTheirKeys) {
    seed();
    driver.start("BrowseQueueEquipos");
    Window& team = driver.expect_window("BrowseQueueEquipos");
    const struct {
        int tab;
        int column;
        std::vector<std::string> shown;
    } team_cases[] = {
        {4, 4, {"Adult", "Cadet", "Junior", "Senior"}},  // "Tatami Mats No" sorts by division
        {6, 1, {"1", "2", "3", "4"}},                    // "Division" by queue status
        {9, 1, {"1", "2", "3", "4"}},                    // "Modality" too
        {2, 2, {"4", "3", "2", "1"}},                    // the event number's key runs downwards
    };
    for (const auto& c : team_cases) {
        SCOPED_TRACE("row " + std::to_string(&c - &*std::begin(team_cases)));
        driver.choose(team, "?CURRENTTAB", c.tab);
        EXPECT_EQ(column(team, c.column), c.shown) << "tab " << c.tab;
    }
    driver.start("BrouseQueueKata");
    Window& kata = driver.expect_window("BrouseQueueKata");
    driver.choose(kata, "?CURRENTTAB", 3);
    const std::vector<std::string> by_tatami_tab = column(kata, 3);
    driver.choose(kata, "?CURRENTTAB", 4);
    EXPECT_EQ(column(kata, 3), by_tatami_tab);
    EXPECT_EQ(column(kata, 6), (std::vector<std::string>{"Kata", "Kata", "Kumite", "Kumite"}));
}

TEST_F(QueueLists, ASearchHoldsEveryCopyOfItsListButNotTheTwin) {
    seed();
    driver.start("BrowseQueueEquipos");
    Window& a = driver.expect_window("BrowseQueueEquipos");
    driver.start("BrowseQueueEquipos");
    Window& b = driver.expect_window("BrowseQueueEquipos");
    driver.start("BrowseQueueEquipos1");
    Window& twin = driver.expect_window("BrowseQueueEquipos1");
    ASSERT_NE(&a, &b);
    driver.type(a, "?FUZZYQUERY", "dragons");
    driver.press(a, "?FUZZYGO");
    EXPECT_EQ(column(a, 12).front(), "Dragons");
    driver.choose(b, "?CURRENTTAB", 4);
    EXPECT_EQ(column(b, 1), (std::vector<std::string>{"1", "2", "3", "4"}));  // b keeps its order
    driver.choose(twin, "?CURRENTTAB", 4);
    EXPECT_EQ(column(twin, 4), (std::vector<std::string>{"Adult", "Cadet", "Junior", "Senior"}));
    driver.advance_ms(500);  // the ticks keep the search order
    EXPECT_EQ(column(a, 12).front(), "Dragons");
    driver.press(b, "?FUZZYCLEAR");
    driver.choose(a, "?CURRENTTAB", 4);
    EXPECT_EQ(column(a, 4), (std::vector<std::string>{"Adult", "Cadet", "Junior", "Senior"}));
}

TEST_F(QueueLists, DetailControlsFollowTheHighlightedRowAndStoreNothing) {
    seed();
    driver.start("BrowseQueueKKIndividual");
    Window& w = driver.expect_window("BrowseQueueKKIndividual");
    driver.choose(w, "?BROWSE:1", 2);  // status 2: event 4
    EXPECT_EQ(driver.control(w, "?KE24:IDNumeroDeEventoKIndividual").text, "4");
    EXPECT_EQ(driver.control(w, "?KE24:Divicion").text, "Senior");
    const ControlState status = driver.control(w, "?KE24:QUEUE");
    EXPECT_TRUE(status.disabled);
    EXPECT_EQ(status.items.at(static_cast<std::size_t>(status.selected - 1)), "QueueStop");
    driver.type(w, "?KE24:Divicion", "Veteran");
    driver.advance_ms(500);
    EXPECT_EQ(driver.control(w, "?KE24:Divicion").text, "Senior");
    EXPECT_EQ(stored(TableId::KumiteIndividual, "KE24:IDNumeroDeEventoKIndividual", 4, "KE24:Divicion"), "Senior");
    // What the scoring software writes into the highlighted event shows at the next tick.
    ASSERT_EQ(scoring({"set", "KumiteIndividual", "4", "Divicion=Master"}), 0);
    driver.advance_ms(500);
    EXPECT_EQ(driver.control(w, "?KE24:Divicion").text, "Master");
    driver.choose(w, "?BROWSE:1", 4);
    EXPECT_EQ(driver.control(w, "?KE24:QUEUE").selected, 4);  // QueueAssigned
}

TEST_F(QueueLists, AnEmptyTableShowsAnEmptyListAndTheTimerKeepsRunning) {
    driver.start("BrouseQueueKata1");
    Window& w = driver.expect_window("BrouseQueueKata1");
    EXPECT_TRUE(rows(w).empty());
    driver.advance_ms(1000);
    EXPECT_TRUE(rows(w).empty());
    auto& ke = *data::file_manager(TableId::KataEvent);
    ASSERT_TRUE(ke.prepare_new_record());
    ke.record().set_text("KE:Queue", "4");
    ASSERT_TRUE(ke.insert());
    driver.advance_ms(500);
    EXPECT_EQ(column(w, 1), (std::vector<std::string>{"4"}));
}

TEST_F(QueueLists, ACopyOpenedDuringASearchStartsInTheSearchOrderUntilItsOwnClear) {
    seed();
    driver.start("BrowseQueueEquipos");
    Window& a = driver.expect_window("BrowseQueueEquipos");
    driver.type(a, "?FUZZYQUERY", "dragons");
    driver.press(a, "?FUZZYGO");
    driver.start("BrowseQueueEquipos");
    Window& b = driver.expect_window("BrowseQueueEquipos");
    // Its own query is empty: every row scores the same and keeps the primary key's order.
    const std::vector<std::string> primary{"4", "3", "2", "1"};
    EXPECT_EQ(driver.control(b, "?FUZZYQUERY").text, "");
    EXPECT_EQ(column(b, 2), primary);
    driver.choose(b, "?CURRENTTAB", 4);
    driver.advance_ms(500);
    EXPECT_EQ(column(b, 2), primary);
    driver.press(b, "?FUZZYCLEAR");
    EXPECT_EQ(column(b, 4), (std::vector<std::string>{"Adult", "Cadet", "Junior", "Senior"}));
    driver.choose(a, "?CURRENTTAB", 1);
    EXPECT_EQ(column(a, 1), (std::vector<std::string>{"1", "2", "3", "4"}));
}

TEST_F(QueueLists, TheNavigationButtonsScrollThePageAndTheTicksKeepIt) {
    // 45 individual events, numbered 1 to 45; the second tab shows the newest first.
    auto& ke = *data::file_manager(TableId::KumiteIndividual);
    for (int i = 1; i <= 45; ++i) {
        ASSERT_TRUE(ke.prepare_new_record());
        ASSERT_TRUE(ke.insert());
    }
    driver.start("BrowseQueueKKIndividual1");
    Window& w = driver.expect_window("BrowseQueueKKIndividual1");
    driver.choose(w, "?CURRENTTAB", 2);
    const auto shown = [&] {
        const std::vector<std::string> ids = column(w, 2);
        return std::make_tuple(ids.front(), ids.back(), driver.control(w, "?KE24:IDNumeroDeEventoKIndividual").text);
    };
    using Shown = std::tuple<std::string, std::string, std::string>;  // top row, bottom row, highlighted
    const struct {
        const char* button;
        Shown after;
    } steps[] = {
        {"?BROWSE:UP", {"45", "26", "45"}},     {"?BROWSE:DOWN", {"45", "26", "44"}},   {"?BROWSE:PAGEDOWN", {"25", "6", "24"}},
        {"?BROWSE:PAGEDOWN", {"20", "1", "4"}}, {"?BROWSE:DOWN", {"20", "1", "3"}},     {"?BROWSE:BOTTOM", {"20", "1", "1"}},
        {"?BROWSE:DOWN", {"20", "1", "1"}},     {"?BROWSE:PAGEUP", {"40", "21", "21"}}, {"?BROWSE:UP", {"40", "21", "22"}},
        {"?BROWSE:TOP", {"45", "26", "45"}},
    };
    ASSERT_EQ(rows(w).size(), 20u);
    for (const auto& s : steps) {
        SCOPED_TRACE(s.button);
        driver.press(w, s.button);
        EXPECT_EQ(shown(), s.after) << s.button;
    }
    driver.press(w, "?BROWSE:PAGEDOWN");
    driver.press(w, "?BROWSE:DOWN");
    ASSERT_EQ(shown(), (Shown{"25", "6", "24"}));
    driver.advance_ms(1000);
    EXPECT_EQ(shown(), (Shown{"25", "6", "24"}));
}

TEST(QueueListsMenu, EveryListIsRegistered) {
    for (const char* l : kLists) EXPECT_TRUE(procedure_exists(l)) << l;
}

}  // namespace
}  // namespace zrv::flow
