// The kata event lists, result screens, console and competitor screens, end to end on real
// table files through the headless driver and the virtual clock, with the scoring software
// writing from a process of its own.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/app_services.h"
#include "framework/core/event.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/engine/headless/test_driver.h"
#include "kata/kata.h"
#include "live/list_format.h"
#include "tests/support/scoring_tool.h"
#include "tests/support/screen_test.h"
#include "tests/support/temp_folder.h"

namespace zrv::kata {
namespace {

using data::TableId;

int scoring(std::vector<std::string> args) { return zrv::testing::run_scoring_tool(std::move(args)); }

// Runs a form on a thread of its own with a request, as a list would, event 2 in the buffer.
std::atomic<int> g_request{0}, g_response{-1};
std::string g_form;
void RunFormWithRequest() {
    auto& ke = *data::file_manager(TableId::KataEvent);
    ke.record().set_integer("KE:NumeroDeCompeticion", 2);
    ke.get_by_key(0);
    ThreadRequest() = static_cast<std::uint8_t>(g_request.load());
    g_response = run_procedure(g_form);
}
ProcedureRegistration run_form("KataFormWithRequest", &RunFormWithRequest);

// Five events, numbered 1 to 5, with 3, 5, 7, 4 and 0 judges.
struct Event {
    int judges;
    const char* name;
    const char* result;
    const char* queue;
    const char* category;
};
const Event kEvents[] = {
    {3, "Aiko", "7.50", "1", "CAT-E"}, {5, "Bruno", "8.25", "2", "CAT-D"}, {7, "Carla", "6.00", "3", "CAT-C"},
    {4, "Dana", "9.10", "4", "CAT-B"}, {0, "Emil", "5.75", "2", "CAT-A"},
};

class Kata : public testing::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        for (const Event& e : kEvents) {
            auto& ke = *data::file_manager(TableId::KataEvent);
            ASSERT_TRUE(ke.prepare_new_record());
            store::RecordBuffer& r = ke.record();
            r.set_integer("KE:KeyDe357", e.judges);
            r.set_text("KE:NombreCompetidor1", e.name);
            r.set_text("KE:NombreCompetidor2", std::string(e.name) + " II");
            r.set_text("KE:AppelidoCompetidor2", "Second");
            r.set_text("KE:ResultadoC1", e.result);
            r.set_text("KE:ResultadoC2", "4.40");
            r.set_text("KE:ResultadoTC2", "2.20");
            r.set_text("KE:ResultadoAC2", "2.10");
            r.set_text("KE:Queue", e.queue);
            r.set_text("KE:CategoriaCode", e.category);
            r.set_text("KE:CodigoEvento", std::string("EV-") + e.name);
            r.set_text("KE:NombreDeEvento", "Open Cup");
            r.set_text("KE:RegistracionCompetidor1", std::string("Reg ") + e.name);
            r.set_text("KE:PrimerLugarNombre", e.name);
            r.set_text("KE:SegundoLugarPuntos", "1.11");
            r.set_text("KE:SEGUNDOLUGARPUNTOS1", "2.22");
            ASSERT_TRUE(ke.insert());
        }
    }
    std::string stored(int id, const char* field) {
        auto& ke = *data::file_manager(TableId::KataEvent);
        ke.record().set_integer("KE:NumeroDeCompeticion", id);
        if (!ke.get_by_key(0)) return "<none>";
        std::string t = ke.record().get_text(field);
        while (!t.empty() && t.back() == ' ') t.pop_back();
        return t;
    }
    const ListCell& cell(Window& w, int row, int column) {
        rows_ = driver.control(w, "?BROWSE:1").rows;
        return rows_.at(row - 1).cells.at(column - 1);
    }
    // The list's row of an event, 0 when it is not on the page.
    int row_of(Window& w, int event, int number_column) {
        const auto rows = driver.control(w, "?BROWSE:1").rows;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].cells.at(number_column - 1).text == std::to_string(event)) return static_cast<int>(i) + 1;
        return 0;
    }
    std::string text(Window& w, const char* use) { return driver.control(w, use).text; }
    // More events after the five, numbered on from 6.
    void add_events(int count) {
        auto& ke = *data::file_manager(TableId::KataEvent);
        for (int i = 0; i < count; ++i) {
            ASSERT_TRUE(ke.prepare_new_record());
            ke.record().set_text("KE:NombreCompetidor1", "Extra");
            ASSERT_TRUE(ke.insert());
        }
    }

    testing::TempFolder folder;
    TestDriver driver;
    std::vector<ListRow> rows_;
};

TEST_F(Kata, ListsShowTheNewestFirstWithTheirColumnsButtonsAndTabs) {
    struct Case {
        const char* list;
        const char* title;
        std::size_t cells;
        int number_column;
        const char* header;
        std::vector<const char*> shown, hidden;
        const char* tab1;
    } cases[] = {
        {"BrowseKataEvents",
         "Katas Competition results",
         19,
         2,
         "~Competitor ID~",
         {"?VIEW:3", "?CHANGE:4"},
         {},
         "&1)Competition number"},
        {"BrowseKataEventResultados",
         " Katas Competition results",
         19,
         3,
         "~Predator ID~",
         {"?VIEW:3"},
         {"?SELECT:2", "?CHANGE:4"},
         "&1)Competition number"},
        {"BrowseKataEvent",
         "Kata Event",
         23,
         3,
         "~TID~",
         {"?VIEW:2"},
         {"?INSERT:3", "?CHANGE:3", "?DELETE:3"},
         "&1) Kata event with 8 competitors and 5 judges"},
        {"BrowseKataEvent1",
         "Katas Event",
         23,
         3,
         "~Competitor ID~",
         {"?VIEW:2"},
         {"?INSERT:3", "?CHANGE:3", "?DELETE:3"},
         "&1) Kata 8 Competitors 5 Judges"},
        {"BrowseKataEvent11",
         "Katas Event",
         23,
         3,
         "~Competitor ID~",
         {"?VIEW:2"},
         {"?INSERT:3", "?CHANGE:3", "?DELETE:3"},
         "&1) Kata 8 Competitors 5 Judges"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        driver.start(c.list);
        Window& w = driver.expect_window(c.list);
        EXPECT_EQ(w.title(), c.title);
        const ControlState list = driver.control(w, "?BROWSE:1");
        ASSERT_EQ(list.rows.size(), 5u);
        EXPECT_EQ(list.rows[0].cells.size(), c.cells);
        EXPECT_EQ(cell(w, 1, c.number_column).text, "5");  // highest number first
        EXPECT_EQ(cell(w, 5, c.number_column).text, "1");
        EXPECT_NE(list.format.find(c.header), std::string::npos);
        EXPECT_EQ(cell(w, 5, static_cast<int>(c.cells) - 15).text, "Aiko");
        EXPECT_EQ(cell(w, 5, static_cast<int>(c.cells) - 14).text, "7.50");
        for (const char* b : c.shown) EXPECT_FALSE(driver.control(w, b).hidden) << b;
        for (const char* b : c.hidden) EXPECT_TRUE(driver.control(w, b).hidden) << b;
        EXPECT_EQ(driver.control(w, "?Tab:1").text, c.tab1);
        driver.close(w);
    }
}

TEST_F(Kata, JudgeCountListsColourSixCellsByTheNumberOfJudgesAndScoreEveryRow) {
    driver.start("BrowseKataEvent1");
    Window& w = driver.expect_window("BrowseKataEvent1");
    const struct {
        int event;
        Colour back;
    } cases[] = {{1, 0xC0E0FF}, {2, 0xC0FFC0}, {3, 0xC0C0FF}, {4, kDefaultColour}, {5, kDefaultColour}};
    for (const auto& c : cases) {
        SCOPED_TRACE("row " + std::to_string(&c - &*std::begin(cases)));
        const int row = row_of(w, c.event, 3);
        ASSERT_GT(row, 0);
        for (int column = 1; column <= 23; ++column) {
            const ListCell& cl = cell(w, row, column);
            const bool coloured = column >= 2 && column <= 7;
            EXPECT_EQ(cl.back_colour, coloured ? c.back : kDefaultColour) << c.event << " column " << column;
            EXPECT_EQ(cl.text_colour, kDefaultColour);
            EXPECT_EQ(cl.selected_text_colour, kDefaultColour);
            EXPECT_EQ(cl.selected_back_colour, kDefaultColour);
        }
        EXPECT_EQ(cell(w, row, 1).text, "100");  // a blank query matches everything
    }
}

TEST_F(Kata, TabsChooseTheirOrderAndTheTypingLocatorFindsAnEvent) {
    driver.start("BrowseKataEvent");
    Window& w = driver.expect_window("BrowseKataEvent");
    driver.choose(w, "?CurrentTab", 3);  // by category
    EXPECT_EQ(cell(w, 1, 5).text, "CAT-A");
    EXPECT_EQ(cell(w, 5, 5).text, "CAT-E");
    driver.choose(w, "?CurrentTab", 1);
    EXPECT_EQ(cell(w, 1, 3).text, "5");
    driver.type(w, "?KE:NUMERODECOMPETICION", "2");
    EXPECT_EQ(cell(w, driver.control(w, "?BROWSE:1").selected, 3).text, "2");
}

TEST_F(Kata, TheEventTabOrdersEventsOfOneCategoryByTheirCompetitionNumber) {
    // Events 2 and 4 join event 1's category; event 1, renumbered 9, keeps its place in the
    // table before them.
    auto& ke = *data::file_manager(TableId::KataEvent);
    for (int event : {2, 4}) {
        ke.record().set_integer("KE:NumeroDeCompeticion", event);
        ASSERT_TRUE(ke.get_by_key(0));
        ke.record().set_text("KE:CategoriaCode", "CAT-E");
        ASSERT_TRUE(ke.update());
    }
    ke.record().set_integer("KE:NumeroDeCompeticion", 1);
    ASSERT_TRUE(ke.get_by_key(0));
    ke.record().set_integer("KE:NumeroDeCompeticion", 9);
    ASSERT_TRUE(ke.update());
    driver.start("BrowseKataEvent");
    Window& w = driver.expect_window("BrowseKataEvent");
    driver.choose(w, "?CurrentTab", 2);
    std::vector<std::string> numbers;
    for (const ListRow& r : driver.control(w, "?BROWSE:1").rows) numbers.push_back(r.cells.at(2).text);
    EXPECT_EQ(numbers, (std::vector<std::string>{"5", "3", "2", "4", "9"}));
}

TEST_F(Kata, ColumnTipsAndGroupHeadersReachTheListControl) {
    struct Case {
        const char* list;
        std::vector<std::pair<int, const char*>> tips;  // column, tip; every other column has none
        const char* group;                              // over the last sixteen columns
    } cases[] = {
        {"BrowseKataEvents", {}, "Resultados"},
        {"BrowseKataEventResultados", {}, "Results"},
        {"BrowseKataEvent",
         {{2, "Event Date"}, {4, "Codigo de Evento"}, {5, "Categoría"}, {6, "Divisiones"}, {7, "Modalidad"}},
         "Results"},
        {"BrowseKataEvent1", {}, "Results"},
        {"BrowseKataEvent11", {}, "Results"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        driver.start(c.list);
        Window& w = driver.expect_window(c.list);
        const auto columns = live::parse_list_format(driver.control(w, "?BROWSE:1").format);
        ASSERT_TRUE(columns);
        const std::size_t grouped = columns->size() - 16;
        for (std::size_t i = 0; i < columns->size(); ++i) {
            const auto tip = std::find_if(c.tips.begin(), c.tips.end(),
                                          [&](const auto& t) { return t.first == static_cast<int>(i) + 1; });
            EXPECT_EQ((*columns)[i].tip, tip == c.tips.end() ? "" : tip->second) << "column " << i + 1;
            EXPECT_EQ((*columns)[i].group, i >= grouped ? c.group : "") << "column " << i + 1;
        }
        driver.close(w);
    }
}

TEST_F(Kata, NavigationButtonsScrollThroughTheWholeOrder) {
    add_events(20);  // 25 events: a page of 20 and 5 more
    driver.start("BrowseKataEvent");
    Window& w = driver.expect_window("BrowseKataEvent");
    const struct {
        const char* button;
        const char *first, *selected;  // competition numbers of the first and the selected row
    } steps[] = {
        {"?BROWSE:DOWN", "25", "24"}, {"?BROWSE:PAGEDOWN", "20", "4"}, {"?BROWSE:BOTTOM", "20", "1"},
        {"?BROWSE:DOWN", "20", "1"},  {"?BROWSE:UP", "20", "2"},       {"?BROWSE:PAGEUP", "25", "22"},
        {"?BROWSE:TOP", "25", "25"},  {"?BROWSE:UP", "25", "25"},      {"?BROWSE:PAGEUP", "25", "25"},
    };
    for (const auto& s : steps) {
        driver.press(w, s.button);
        SCOPED_TRACE(s.button);
        const ControlState list = driver.control(w, "?BROWSE:1");
        ASSERT_EQ(list.rows.size(), 20u);
        EXPECT_EQ(list.rows.front().cells.at(2).text, s.first);
        ASSERT_GT(list.selected, 0);
        EXPECT_EQ(list.rows.at(static_cast<std::size_t>(list.selected - 1)).cells.at(2).text, s.selected);
    }
    // Under a search the buttons scroll through the rows by score, the best match first.
    driver.type(w, "?FUZZYQUERY:2", "aiko");
    driver.press(w, "?FUZZYGO:2");
    EXPECT_EQ(cell(w, 1, 3).text, "1");
    driver.press(w, "?BROWSE:BOTTOM");
    EXPECT_NE(cell(w, 1, 3).text, "1");
    EXPECT_LT(std::stoi(cell(w, 20, 1).text), 100);
    driver.press(w, "?BROWSE:TOP");
    EXPECT_EQ(cell(w, 1, 3).text, "1");
    driver.press(w, "?FUZZYCLEAR:2");
    // The selected row's record is the one a View shows.
    driver.press(w, "?BROWSE:BOTTOM");
    driver.press(w, "?VIEW:2");
    Window& view = driver.expect_window("PantallaJueces5Update");
    EXPECT_EQ(text(view, "?KE:REGISTRACIONCOMPETIDOR1"), "Reg Aiko");
    driver.close(view);
}

TEST_F(Kata, AJudgeCountListChangesOnlyWhenTheOperatorMovesIt) {
    driver.start("BrowseKataEvent11");
    Window& w = driver.expect_window("BrowseKataEvent11");
    ASSERT_EQ(scoring({"set", "KataEvent", "5", "NombreCompetidor1=Emil K."}), 0);
    driver.advance_ms(5000);
    EXPECT_EQ(cell(w, 1, 8).text, "Emil");  // no timer
    driver.press(w, "?BROWSE:TOP");
    EXPECT_EQ(cell(w, 1, 8).text, "Emil K.");
}

TEST_F(Kata, EachListShowsItsNavigationButtonsWhereItsLayoutPutsThem) {
    const struct {
        const char* list;
        bool on_first_tab;
        std::vector<const char*> shown;
    } cases[] = {
        {"BrowseKataEvents", false, {"TOP", "PAGEUP", "UP", "DOWN", "PAGEDOWN", "BOTTOM"}},
        {"BrowseKataEventResultados", true, {"TOP", "PAGEUP", "UP", "DOWN", "PAGEDOWN", "BOTTOM"}},
        {"BrowseKataEvent", true, {"TOP", "PAGEUP", "UP", "DOWN", "PAGEDOWN", "BOTTOM"}},
        {"BrowseKataEvent1", false, {"TOP", "BOTTOM"}},
        {"BrowseKataEvent11", false, {"TOP", "BOTTOM"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        const WindowLayout l = kata_list_layout(c.list);
        int first_tab = 0, shown = 0;
        for (const ControlState& k : l.controls)
            if (k.use == "?Tab:1") first_tab = k.number;
        for (const ControlState& k : l.controls) {
            if (k.use.rfind("?BROWSE:", 0) != 0 || k.use == "?BROWSE:1") continue;
            const std::string name = k.use.substr(8);
            const bool navigation = std::string("TOP PAGEUP UP DOWN PAGEDOWN BOTTOM").find(name) != std::string::npos;
            const bool in_sight = k.x >= 0 && k.x + k.width <= l.width && !k.hidden;
            if (!navigation) {
                EXPECT_FALSE(in_sight) << k.use;  // the framework's further browse buttons lie outside
                continue;
            }
            const bool wanted = std::find_if(c.shown.begin(), c.shown.end(), [&](const char* s) { return name == s; }) !=
                                c.shown.end();
            EXPECT_EQ(in_sight, wanted) << k.use;
            EXPECT_EQ(k.parent, c.on_first_tab ? first_tab : 0) << k.use;
            shown += in_sight;
        }
        EXPECT_EQ(shown, static_cast<int>(c.shown.size()));
    }
}

TEST_F(Kata, AKeyTypedIntoAJudgeCountListStartsTheCompetitionNumber) {
    driver.start("BrowseKataEvent1");
    Window& w = driver.expect_window("BrowseKataEvent1");
    driver.key(w, "?BROWSE:1", '3');
    EXPECT_EQ(w.focus(), w.number_of("?KE:NUMERODECOMPETICION"));
    EXPECT_EQ(text(w, "?KE:NUMERODECOMPETICION"), "3");
    EXPECT_EQ(cell(w, driver.control(w, "?BROWSE:1").selected, 3).text, "5");  // nothing located yet
    driver.type(w, "?KE:NUMERODECOMPETICION", "3");
    EXPECT_EQ(cell(w, driver.control(w, "?BROWSE:1").selected, 3).text, "3");
    // On another tab the key is that tab's locator's, not the entry's.
    driver.choose(w, "?CurrentTab", 3);
    driver.key(w, "?BROWSE:1", 'c');
    EXPECT_EQ(text(w, "?KE:NUMERODECOMPETICION"), "3");
}

TEST_F(Kata, CloseAnswersCompletedAndRightClickOffersNoUpdate) {
    for (const char* list : {"BrowseKataEvents", "BrowseKataEvent"}) {
        SCOPED_TRACE(list);
        g_form = list;
        g_request = 0;
        g_response = -1;
        driver.start("KataFormWithRequest");
        Window& w = driver.expect_window(list);
        driver.right_click(w, "?BROWSE:1");
        EXPECT_FALSE(driver.pending(HeadlessEngine::RequestKind::Popup));
        EXPECT_EQ(driver.windows().size(), 1u);
        driver.press(w, "?CLOSE");
        EXPECT_EQ(driver.window(list), nullptr);
        EXPECT_EQ(g_response.load(), kResponseCompleted);
    }
}

TEST_F(Kata, AJudgeCountSearchFollowsANewQueryAsSoonAsItIsAccepted) {
    driver.start("BrowseKataEvent11");
    Window& w = driver.expect_window("BrowseKataEvent11");
    driver.press(w, "?FUZZYCLEAR:2");
    driver.type(w, "?FUZZYQUERY:2", "carla");
    driver.press(w, "?FUZZYGO:2");
    EXPECT_EQ(cell(w, 1, 3).text, "3");
    EXPECT_EQ(cell(w, 1, 1).text, "100");
    EXPECT_LT(std::stoi(cell(w, 2, 1).text), 100);
    driver.type(w, "?FUZZYQUERY:2", "dana");  // no "&Search"
    EXPECT_EQ(cell(w, 1, 3).text, "4");
    driver.press(w, "?FUZZYCLEAR:2");
    EXPECT_EQ(cell(w, 1, 3).text, "5");
    EXPECT_EQ(cell(w, 1, 1).text, "100");
}

TEST_F(Kata, AResultListFollowsANewQueryAtItsNextRefresh) {
    driver.start("BrowseKataEvents");
    Window& w = driver.expect_window("BrowseKataEvents");
    driver.press(w, "?FUZZYCLEAR");
    driver.type(w, "?FUZZYQUERY", "bruno");
    driver.press(w, "?FUZZYGO");
    EXPECT_EQ(cell(w, 1, 2).text, "2");
    driver.type(w, "?FUZZYQUERY", "emil");
    EXPECT_EQ(cell(w, 1, 2).text, "2");
    driver.advance_ms(2000);
    EXPECT_EQ(cell(w, 1, 2).text, "5");
    driver.press(w, "?FUZZYCLEAR");
}

TEST_F(Kata, TheQueueDropListFollowsTheSelectedRowAndTheTimer) {
    driver.start("BrowseKataEventResultados");
    Window& w = driver.expect_window("BrowseKataEventResultados");
    EXPECT_TRUE(driver.control(w, "?KE:QUEUE").disabled);
    EXPECT_EQ(driver.control(w, "?KE:QUEUE").selected, 2);  // event 5: QueueStop
    driver.choose(w, "?BROWSE:1", row_of(w, 4, 3));
    EXPECT_EQ(driver.control(w, "?KE:QUEUE").selected, 4);
    ASSERT_EQ(scoring({"set", "KataEvent", "4", "Queue=1", "NombreCompetidor1=Dana K."}), 0);
    driver.advance_ms(1000);
    EXPECT_EQ(driver.control(w, "?KE:QUEUE").selected, 4);
    driver.advance_ms(1000);
    EXPECT_EQ(driver.control(w, "?KE:QUEUE").selected, 1);
    EXPECT_EQ(cell(w, row_of(w, 4, 3), 4).text, "Dana K.");
}

TEST_F(Kata, ScoringScreenShowsItsRequestAndStoresTheRecordAsReadWhenClosedFromOutside) {
    driver.start("BrowseKataEvents");
    Window& list = driver.expect_window("BrowseKataEvents");
    driver.choose(list, "?BROWSE:1", row_of(list, 2, 2));
    driver.press(list, "?VIEW:3");
    Window& view = driver.expect_window("PantallaKataEvent");
    EXPECT_EQ(view.title(), "View Record");
    EXPECT_TRUE(driver.control(view, "?KE:PRIMERLUGARNOMBRE").read_only);
    EXPECT_EQ(text(view, "?KE:SEGUNDOLUGARPUNTOS1"), "2.22");
    EXPECT_EQ(text(view, "?KE:NOMBRECOMPETIDOR2"), "Bruno II");
    for (const ControlState& c : view.controls()) EXPECT_TRUE(c.kind != ControlKind::Button || c.hidden) << c.use;
    driver.close(view);
    EXPECT_EQ(driver.window("PantallaKataEvent"), nullptr);

    driver.press(list, "?CHANGE:4");  // "View Scord Bord"
    Window& change = driver.expect_window("PantallaKataEvent");
    EXPECT_EQ(change.title(), "Record Will Be Changed  (2)");
    EXPECT_FALSE(driver.control(change, "?KE:PRIMERLUGARNOMBRE").read_only);
    ASSERT_EQ(scoring({"set", "KataEvent", "2", "PrimerLugarNombre=Bruno B.", "Cerrar=1"}), 0);
    driver.advance_ms(10);
    EXPECT_EQ(driver.window("PantallaKataEvent"), nullptr);
    EXPECT_FALSE(driver.pending_message());
    EXPECT_EQ(stored(2, "KE:PrimerLugarNombre"), "Bruno B.");
    EXPECT_EQ(stored(2, "KE:Cerrar"), "1");
}

TEST_F(Kata, FinalResultScreensShowTheEventAndNeverStore) {
    const struct {
        const char* list;
        const char* screen;
        const char* title;
        bool places, athletic;
    } cases[] = {
        {"BrowseKataEvent", "PantallaJueces5Update", "Final Results", true, false},
        {"BrowseKataEvent1", "PantallaJueces5Update1", "Final Results", false, false},
        {"BrowseKataEvent11", "PantallaJueces5Update11", "Results Final", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        driver.start(c.list);
        Window& list = driver.expect_window(c.list);
        driver.press(list, "?VIEW:2");
        Window& view = driver.expect_window(c.screen);
        EXPECT_EQ(view.title(), c.title);
        EXPECT_EQ(text(view, "?KE:REGISTRACIONCOMPETIDOR1"), "Reg Emil");
        EXPECT_TRUE(driver.control(view, "?KE:RESULTADOC1").read_only);
        EXPECT_EQ(view.number_of("?KE:PRIMERLUGARNOMBRE") != 0, c.places);
        EXPECT_EQ(view.number_of("?KE:RESULTADOAC1") != 0, c.athletic);
        driver.close(view);

        driver.double_click(list, "?BROWSE:1", row_of(list, 3, 3));  // change, through the hidden button
        Window& change = driver.expect_window(c.screen);
        EXPECT_EQ(change.title(), c.title);
        EXPECT_FALSE(driver.control(change, "?KE:RESULTADOC1").read_only);
        driver.type(change, "?KE:REGISTRACIONCOMPETIDOR1", "Typed");
        driver.advance_ms(10);
        EXPECT_EQ(text(change, "?KE:REGISTRACIONCOMPETIDOR1"), "Reg Carla");  // replaced by the record
        ASSERT_EQ(scoring({"set", "KataEvent", "3", "Cerrar=1"}), 0);
        driver.advance_ms(10);
        EXPECT_EQ(driver.window(c.screen), nullptr);
        EXPECT_FALSE(driver.pending_message());
        EXPECT_EQ(stored(3, "KE:RegistracionCompetidor1"), "Reg Carla");
        ASSERT_EQ(scoring({"set", "KataEvent", "3", "Cerrar=0"}), 0);
        driver.close(list);
    }
    auto labels = [&](const char* screen, const char* use) {
        for (const ControlState& c : result_screen_layout(screen).controls)
            if (c.use == use) return c.text;
        return std::string("<none>");
    };
    EXPECT_EQ(labels("PantallaJueces5Update", "?PromptCompetitor2"), "Competitor  2:");
    EXPECT_EQ(labels("PantallaJueces5Update1", "?PromptCompetitor2"), "Competitor 2:");
    EXPECT_EQ(labels("PantallaJueces5Update", "?PromptPlace4"), "Third Place Name:");
    EXPECT_EQ(labels("PantallaKataEvent", "?PromptPlace4"), "&BRONCE");
    EXPECT_EQ(labels("PantallaKataEvent", "?PromptPlace3"), "&BRONCE S+");
}

TEST_F(Kata, TheConsoleRunsItsDisplaysOnItsThreadAndStoresWhatTheyLastRead) {
    driver.start("BrowseKataEventResultados");
    Window& list = driver.expect_window("BrowseKataEventResultados");
    driver.double_click(list, "?BROWSE:1", row_of(list, 2, 3));  // change, though "&Change" is hidden
    Window& console = driver.expect_window("Consola");
    EXPECT_EQ(console.title(), "Display for Cansol scoreboard points");
    EXPECT_EQ(console.status().at(0).text, "Record Will Be Changed");
    EXPECT_EQ(text(console, "?KE:NUMERODECOMPETICION"), "2");
    driver.type(console, "?KE:CODIGOEVENTO", "TYPED");
    ASSERT_EQ(scoring({"set", "KataEvent", "2", "NombreCompetidor2=Bruno Jr", "ResultadoC2=9.99"}), 0);

    driver.press(console, "?BUTTON2");
    Window& screen = driver.expect_window("Competidor2");
    EXPECT_EQ(screen.title(), "View Record");
    driver.advance_ms(10);
    EXPECT_EQ(text(screen, "?KE:NOMBRECOMPETIDOR2"), "Bruno Jr");
    EXPECT_EQ(text(screen, "?KE:RESULTADOC2"), "9.99");
    EXPECT_EQ(text(screen, "?KE:RESULTADOTC2"), "2.20");
    EXPECT_TRUE(driver.control(screen, "?KE:RESULTADOC2").read_only);
    driver.press(screen, "?OK");
    EXPECT_EQ(driver.window("Competidor2"), nullptr);
    EXPECT_EQ(text(console, "?KE:CODIGOEVENTO"), "EV-Bruno");  // as the display last read it

    ASSERT_EQ(scoring({"set", "KataEvent", "2", "Cerrar=1"}), 0);
    driver.press(console, "?BUTTON9:3");
    ASSERT_NE(driver.window("PantallaKataEvent1"), nullptr);
    driver.advance_ms(10);  // closes at its first tick; the console has no timer and stays
    EXPECT_EQ(driver.window("PantallaKataEvent1"), nullptr);
    ASSERT_EQ(driver.window("Consola"), &console);
    driver.press(console, "?OK");
    if (auto m = driver.pending_message()) ADD_FAILURE() << m->title << ": " << m->text;
    for (const auto& m : app_error_reporter().history()) ADD_FAILURE() << "message " << m.number << " " << m.title;
    EXPECT_EQ(driver.window("Consola"), nullptr);
    EXPECT_EQ(stored(2, "KE:CodigoEvento"), "EV-Bruno");
    EXPECT_EQ(stored(2, "KE:NombreCompetidor2"), "Bruno Jr");
}

TEST_F(Kata, EveryConsoleDisplayShowsTheEventReadOnlyAndClosesAtTheFirstTickOfCerrar) {
    const std::string modality = "Kata Individual Senior Masculino";  // 32 characters
    ASSERT_EQ(scoring({"set", "KataEvent", "2", "Modalidad=" + modality}), 0);
    driver.start("BrowseKataEventResultados");
    Window& list = driver.expect_window("BrowseKataEventResultados");
    driver.double_click(list, "?BROWSE:1", row_of(list, 2, 3));
    Window& console = driver.expect_window("Consola");
    EXPECT_EQ(console.focus(), console.number_of("?BUTTON1"));
    for (const DisplayButton& b : console_buttons()) {
        SCOPED_TRACE(b.procedure);
        driver.press(console, b.use);
        Window& screen = driver.expect_window(b.procedure);
        const bool final_results = b.procedure.rfind("PantallaJueces", 0) == 0;
        EXPECT_EQ(screen.title(), final_results ? "Final Results" : "View Record");
        for (const ControlState& c : screen.controls()) EXPECT_TRUE(c.kind != ControlKind::Entry || c.read_only) << c.use;
        if (b.procedure.rfind("Competidor", 0) == 0) {
            EXPECT_EQ(text(screen, "?KE:MODALIDAD"), b.procedure == "Competidor1" ? modality : modality.substr(0, 20));
        }
        ASSERT_EQ(scoring({"set", "KataEvent", "2", "Cerrar=1"}), 0);
        driver.advance_ms(10);
        EXPECT_EQ(driver.window(b.procedure), nullptr);
        EXPECT_EQ(driver.window("Consola"), &console);
        EXPECT_FALSE(driver.pending_message());
        ASSERT_EQ(scoring({"set", "KataEvent", "2", "Cerrar=0"}), 0);
    }
}

TEST_F(Kata, TheConsoleAsksBeforeLosingAnEditKeepsAnotherProgramsScoresAndRemembersItsLastRecord) {
    driver.start("BrowseKataEventResultados");
    Window& list = driver.expect_window("BrowseKataEventResultados");
    driver.double_click(list, "?BROWSE:1", row_of(list, 2, 3));
    Window& console = driver.expect_window("Consola");
    driver.type(console, "?KE:CODIGOEVENTO", "TYPED");
    driver.press(console, "?CANCEL");
    auto asked = driver.pending_message();
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->title, "Changes will be lost!");
    driver.answer_message(ButtonNo);
    ASSERT_EQ(driver.window("Consola"), &console);

    // The scoring software writes a score while the console is open: OK stores the edit beside
    // it and nothing over it.
    ASSERT_EQ(scoring({"set", "KataEvent", "2", "ResultadoC2=7.77"}), 0);
    driver.press(console, "?OK");
    EXPECT_FALSE(driver.pending_message());
    EXPECT_EQ(driver.window("Consola"), nullptr);
    EXPECT_EQ(stored(2, "KE:ResultadoC2"), "7.77");
    EXPECT_EQ(stored(2, "KE:CodigoEvento"), "TYPED");

    // Ctrl+H in an entry of the next console on this thread brings back the field as last completed.
    driver.double_click(list, "?BROWSE:1", row_of(list, 3, 3));
    Window& next = driver.expect_window("Consola");
    EXPECT_EQ(text(next, "?KE:CODIGOEVENTO"), "EV-Carla");
    driver.key(next, "?KE:CODIGOEVENTO", kCtrlHKey);
    EXPECT_EQ(text(next, "?KE:CODIGOEVENTO"), "TYPED");
    driver.press(next, "?CANCEL");
    ASSERT_TRUE(driver.pending_message());
    driver.answer_message(ButtonYes);
    EXPECT_EQ(driver.window("Consola"), nullptr);
    EXPECT_EQ(stored(3, "KE:CodigoEvento"), "EV-Carla");
}

TEST_F(Kata, ClosingAScoringScreenOpenedForChangeAsksOnceItReadAnotherRecord) {
    driver.start("BrowseKataEvents");
    Window& list = driver.expect_window("BrowseKataEvents");
    driver.choose(list, "?BROWSE:1", row_of(list, 2, 2));
    driver.press(list, "?CHANGE:4");
    Window& screen = driver.expect_window("PantallaKataEvent");
    ASSERT_EQ(scoring({"set", "KataEvent", "2", "PrimerLugarNombre=Bruno B."}), 0);
    driver.advance_ms(10);
    EXPECT_EQ(text(screen, "?KE:PRIMERLUGARNOMBRE"), "Bruno B.");
    driver.close(screen);
    auto asked = driver.pending_message();
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->title, "Changes will be lost!");
    driver.answer_message(ButtonNo);
    ASSERT_EQ(driver.window("PantallaKataEvent"), &screen);
    driver.close(screen);
    ASSERT_TRUE(driver.pending_message());
    driver.answer_message(ButtonYes);
    EXPECT_EQ(driver.window("PantallaKataEvent"), nullptr);
    EXPECT_FALSE(driver.pending_message());
    EXPECT_EQ(stored(2, "KE:PrimerLugarNombre"), "Bruno B.");
}

TEST_F(Kata, TheConsoleInViewModeOffersNoDisplay) {
    driver.start("BrowseKataEventResultados");
    Window& list = driver.expect_window("BrowseKataEventResultados");
    driver.press(list, "?VIEW:3");
    Window& console = driver.expect_window("Consola");
    EXPECT_EQ(console.status().at(0).text, "View Record");
    for (const DisplayButton& b : console_buttons()) EXPECT_TRUE(driver.control(console, b.use).disabled) << b.use;
    for (const char* e : {"?KE:NOMBREDEEVENTO", "?KE:FECHADEEVENTO", "?KE:CODIGOEVENTO"})
        EXPECT_TRUE(driver.control(console, e).read_only) << e;
    driver.press(console, "?OK");
    EXPECT_EQ(driver.window("Consola"), nullptr);
    EXPECT_FALSE(driver.pending_message());
}

TEST_F(Kata, ADeleteRequestIsRefusedWithMessage14) {
    for (const char* form : {"Consola", "Competidor1", "PantallaKataEvent"}) {
        SCOPED_TRACE(form);
        g_form = form;
        g_request = kRequestDelete;
        driver.start("KataFormWithRequest");
        auto m = driver.pending_message();
        ASSERT_TRUE(m);
        EXPECT_EQ(m->title, "Invalid Request");
        driver.answer_message(ButtonOk);
        EXPECT_EQ(driver.window(form), nullptr);
        EXPECT_EQ(stored(2, "KE:NombreCompetidor1"), "Bruno");
    }
}

TEST_F(Kata, AFinalResultScreenShowsItsEventWhateverTheRequest) {
    for (const int request : {kRequestDelete, kRequestInsert}) {
        SCOPED_TRACE(request);
        g_form = "PantallaJueces5Update1";
        g_request = request;
        driver.start("KataFormWithRequest");
        EXPECT_FALSE(driver.pending_message());
        Window& screen = driver.expect_window("PantallaJueces5Update1");
        EXPECT_EQ(screen.title(), "Final Results");
        driver.advance_ms(10);
        EXPECT_EQ(text(screen, "?KE:REGISTRACIONCOMPETIDOR1"), "Reg Bruno");
        EXPECT_FALSE(driver.control(screen, "?KE:RESULTADOC1").read_only);
        driver.close(screen);
        EXPECT_EQ(driver.window("PantallaJueces5Update1"), nullptr);
        EXPECT_EQ(g_response.load(), kResponseCancelled);
        EXPECT_EQ(stored(2, "KE:RegistracionCompetidor1"), "Reg Bruno");
        EXPECT_EQ(stored(6, "KE:NumeroDeCompeticion"), "<none>");  // nothing added
    }
}

TEST(KataScreens, CompetitorScreensDifferOnlyByTheirTable) {
    auto find = [](const WindowLayout& l, const std::string& use) {
        for (const ControlState& c : l.controls)
            if (upper(c.use) == upper(use)) return c;
        return ControlState{.use = "<none>"};
    };
    const struct {
        int n;
        const char* caption;
        const char* athletic;
        const char* modality;
        bool caption_italic, caption_underline;
    } cases[] = {
        {1, "Competitor results 1:", "Athletic results :", "@s45", false, true},
        {2, "Competitor results 2:", "Athletic results :", "@s20", true, false},
        {3, "Competitor results 3:", "Atlantic results :", "@s20", true, false},
        {5, "Competitor results 5", "Athletic results :", "@s20", true, false},
        {6, "Resultado Competidor 6:", "Athletic results :", "@s20", true, false},
        {7, "Competitor results 7:", "Atlantic results :", "@s20", true, false},
        {8, "Competitor results 8:", "Atlantic results :", "@s20", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        const WindowLayout l = competitor_layout(c.n);
        const std::string k = std::to_string(c.n);
        EXPECT_EQ(l.title, "Competitor results " + k);
        const ControlState caption = find(l, "?PromptResult");
        EXPECT_EQ(caption.text, c.caption);
        EXPECT_TRUE(caption.bold);
        EXPECT_EQ(caption.italic, c.caption_italic);
        EXPECT_EQ(caption.underline, c.caption_underline);
        // The header's captions and those of the technical and athletic results are underlined,
        // the values they stand by are not.
        for (const char* use : {"?PromptHeader1", "?PromptHeader4", "?PromptHeader5", "?PromptResultadoTC", "?PromptResultadoAC"})
            EXPECT_TRUE(find(l, use).underline) << use;
        for (const std::string& use :
             {std::string("?PromptName"), std::string("?KE:MODALIDAD"), "?KE:RESULTADOTC" + k, "?KE:RESULTADOC" + k})
            EXPECT_FALSE(find(l, use).underline || find(l, use).italic) << use;
        EXPECT_EQ(find(l, "?PromptResultadoAC").text, c.athletic);
        EXPECT_EQ(find(l, "?KE:MODALIDAD").picture, c.modality);
        EXPECT_EQ(find(l, "?KE:RESULTADOC" + k).font_size, 200);
        EXPECT_EQ(find(l, "?KE:RESULTADOTC" + k).tip, c.n == 6 ? "ResultadoTC6" : "");
    }
    EXPECT_THROW(competitor_layout(9), std::invalid_argument);
}

// The audience reads the result and competitor screens from the back of a hall: every text is
// large, holds its widest value at its typeface's character width, and stays in the window.
TEST(KataScreens, AudienceScreensAreLargeAndEveryTextFitsItsBox) {
    constexpr double kPixelsAcross = 1.5, kPixelsDown = 1.625;  // a window unit at 96 dpi
    // The characters a control must hold: its text, or its picture's widest value (a result
    // of the table is at most 999.99).
    auto characters = [](const ControlState& c) -> std::size_t {
        if (c.kind != ControlKind::Entry) {
            std::string t = c.text;
            std::erase(t, '&');
            return t.size();
        }
        const char kind = static_cast<char>(std::tolower(static_cast<unsigned char>(c.picture.at(1))));
        if (kind == 'd') return 10;
        const std::size_t digits = static_cast<std::size_t>(std::stoi(c.picture.substr(c.picture.find_first_of("0123456789"))));
        return kind == 'n' ? std::min<std::size_t>(digits, 6) : digits;
    };
    std::vector<std::pair<std::string, WindowLayout>> screens;
    for (const char* s :
         {"PantallaKataEvent", "PantallaKataEvent1", "PantallaJueces5Update", "PantallaJueces5Update1", "PantallaJueces5Update11"})
        screens.emplace_back(s, result_screen_layout(s));
    for (int n = 1; n <= 8; ++n) screens.emplace_back("Competidor" + std::to_string(n), competitor_layout(n));
    for (const auto& [name, l] : screens) {
        SCOPED_TRACE(name);
        int values = 0;
        for (const ControlState& c : l.controls) {
            if (c.hidden || (c.kind != ControlKind::Prompt && c.kind != ControlKind::String && c.kind != ControlKind::Entry)) continue;
            EXPECT_GE(c.font_size, c.kind == ControlKind::Entry ? 15 : 12) << c.use;
            const double em = c.font_size * 96.0 / 72.0;
            const double per_char = (c.font_name == "Arial Black" ? 0.7 : c.bold ? 0.6 : 0.55) * em;
            EXPECT_GE(c.width * kPixelsAcross, characters(c) * per_char) << c.use;
            EXPECT_GE(c.height * kPixelsDown, 1.2 * em) << c.use;
            EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.width <= l.width && c.y + c.height <= l.height) << c.use;
            values += c.kind == ControlKind::Entry;
        }
        EXPECT_GE(values, 10);
    }
}

TEST(KataScreens, EveryRelatedLookUpNamesARealKeyAndFields) {
    testing::TempFolder folder;
    data::InitDataDictionary();
    for (const char* screen : {"PantallaKataEvent", "PantallaKataEvent1"}) {
        const live::FormDeclaration d = result_screen(screen);
        ASSERT_EQ(d.related.size(), 18u) << screen;
        for (const live::RelatedLookup& r : d.related) {
            EXPECT_GE(data::file_manager(r.table)->layout().key_index(r.key), 0) << r.key;
            for (const auto& [theirs, mine] : r.links) {
                EXPECT_TRUE(data::field_by_name(theirs)) << theirs;
                EXPECT_TRUE(data::field_by_name(mine)) << mine;
            }
        }
        const auto katas = std::find_if(d.related.begin(), d.related.end(), [](auto& r) { return r.table == TableId::Katas; });
        EXPECT_EQ(katas - d.related.begin(), std::string(screen) == "PantallaKataEvent" ? 5 : 12) << screen;
    }
    data::KillDataDictionary();
}

TEST(KataScreens, MenusStartRegisteredProceduresAndTheColoursAreThoseOfTheJudges) {
    for (const char* p : {"BrowseKataEvents", "BrowseKataEventResultados", "BrowseKataEvent", "BrowseKataEvent1", "BrowseKataEvent11",
                          "PantallaKataEvent", "PantallaKataEvent1", "PantallaJueces5Update", "PantallaJueces5Update1",
                          "PantallaJueces5Update11", "Consola"})
        EXPECT_TRUE(procedure_exists(p)) << p;
    for (const DisplayButton& b : console_buttons()) EXPECT_TRUE(procedure_exists(b.procedure)) << b.procedure;
    EXPECT_EQ(console_buttons().size(), 11u);
    EXPECT_EQ(judge_count_colour(3), 0xC0E0FF);
    EXPECT_EQ(judge_count_colour(-3), kDefaultColour);
}

}  // namespace
}  // namespace zrv::kata
