// The manual results lists and displays, end to end on real table files, through the headless
// driver and the virtual clock, with the scoring software writing from a process of its own.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <set>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "flow/manual_results.h"
#include "framework/core/app_services.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/engine/headless/test_driver.h"
#include "live/live_form.h"
#include "tests/support/scoring_tool.h"
#include "tests/support/screen_test.h"
#include "tests/support/temp_folder.h"

namespace zrv::flow {
namespace {

using data::TableId;

int scoring(std::vector<std::string> args) { return zrv::testing::run_scoring_tool(std::move(args)); }

std::atomic<int> g_view_list_response{0};
void ViewListProcedure() {
    ThreadRequest() = kRequestView;
    g_view_list_response = run_procedure("BrowseResultadosManualesKata");
}
ProcedureRegistration view_list("ManualResultsListInViewMode", &ViewListProcedure);

// Runs the team display straight away with a request on record 2, as a list would.
std::atomic<int> g_display_request{0};
std::atomic<int> g_display_response{0};
void DisplayWithRequest() {
    auto& rm = *data::file_manager(TableId::ResultadosManual);
    rm.record().set_integer("RM:IDResultadosM", 2);
    rm.get_by_key(0);
    ThreadRequest() = static_cast<std::uint8_t>(g_display_request.load());
    g_display_response = run_procedure("PantallaResultadosManualEquipo");
}
ProcedureRegistration display_with_request("ManualResultsDisplayWithRequest", &DisplayWithRequest);

class ManualResults : public testing::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        const char* names[] = {"Aiko Tanaka", "Bruno Silva", "Carla Mendez"};
        for (int i = 0; i < 3; ++i) {
            auto& rm = *data::file_manager(TableId::ResultadosManual);
            ASSERT_TRUE(rm.prepare_new_record());
            rm.record().set_text("RM:PrimerLugarNombre", names[i]);
            rm.record().set_text("RM:CodigoDeEvento", std::string("EV-") + char('C' - i));
            rm.record().set_integer("RM:NumeroDeCompeticion", 30 - i * 10);
            ASSERT_TRUE(rm.insert());
        }
    }
    // The stored record with that number, read afresh.
    std::string stored(int id, const char* field) {
        auto& rm = *data::file_manager(TableId::ResultadosManual);
        rm.record().set_integer("RM:IDResultadosM", id);
        if (!rm.get_by_key(0)) return "<none>";
        std::string t = rm.record().get_text(field);
        while (!t.empty() && t.back() == ' ') t.pop_back();
        return t;
    }
    std::int64_t count() { return data::file_manager(TableId::ResultadosManual)->highest_value(0); }
    std::string cell(Window& w, int row, int column) {
        return driver.control(w, "?BROWSE:1").rows.at(row - 1).cells.at(column - 1).text;
    }

    testing::TempFolder folder;
    TestDriver driver;
};

TEST_F(ManualResults, ListsShowTheNewestFirstWithTheirColumnsAndTabs) {
    struct Case {
        const char* list;
        const char* title;
        int event_column;
        const char* event_header;
    } cases[] = {
        {"BrowseResultadosManualesKata", "Manuel results Kata", 4, "Competitor ID"},
        {"BrowseResultadosManualesEquipos", "Manual results of team competition", 6, "Team ID"},
        {"BrowseResultadosManualesIndividual", "Result individual competition Manuel Kumite", 5, "ID Kata & Kumite Individual"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        driver.start(c.list);
        Window& w = driver.expect_window(c.list);
        EXPECT_EQ(w.title(), c.title);
        ControlState list = driver.control(w, "?BROWSE:1");
        ASSERT_EQ(list.rows.size(), 3u) << c.list;
        EXPECT_EQ(list.rows[0].cells.size(), 12u);
        EXPECT_EQ(cell(w, 1, 1), "3");  // descending primary key
        EXPECT_EQ(cell(w, 3, 9), "Aiko Tanaka");
        EXPECT_NE(list.format.find(std::string("~") + c.event_header + "~"), std::string::npos);
        driver.close(w);
    }
    driver.start("BrowseResultadosManualesKata");
    Window& w = driver.expect_window("BrowseResultadosManualesKata");
    EXPECT_EQ(cell(w, 1, 4), "10");
    driver.choose(w, "?CurrentTab", 2);  // by competition number, ascending
    EXPECT_EQ(cell(w, 1, 4), "10");
    EXPECT_EQ(cell(w, 3, 4), "30");
    driver.choose(w, "?CurrentTab", 1);
    EXPECT_EQ(cell(w, 1, 1), "3");
}

TEST_F(ManualResults, RequestsShowTheirCaptionAndViewChangesNothing) {
    driver.start("BrowseResultadosManualesKata");
    Window& list = driver.expect_window("BrowseResultadosManualesKata");
    driver.choose(list, "?BROWSE:1", 2);  // record 2
    driver.press(list, "?CHANGE:4");
    Window& change = driver.expect_window("PantallaResultadosManualKata");
    EXPECT_EQ(change.title(), "Resultados Manual Kata  (2)");
    EXPECT_EQ(change.status().at(1).text, "Record Will Be Changed");
    EXPECT_EQ(driver.control(change, "?RM:PrimerLugarNombre").text, "Bruno Silva");
    EXPECT_EQ(driver.control(change, "?RM:PrimerLugarNombre").message, "Primer Lugar Nombre");
    driver.press(change, "?CANCEL");
    EXPECT_EQ(driver.window("PantallaResultadosManualKata"), nullptr);

    driver.press(list, "?VIEW:3");
    Window& view = driver.expect_window("PantallaResultadosManualKata");
    EXPECT_EQ(view.title(), "Resultados Manual Kata");
    EXPECT_EQ(view.status().at(1).text, "View Record");
    EXPECT_TRUE(driver.control(view, "?RM:PrimerLugarNombre").read_only);
    driver.press(view, "?OK");
    EXPECT_EQ(driver.window("PantallaResultadosManualKata"), nullptr);
    EXPECT_EQ(stored(2, "RM:PrimerLugarNombre"), "Bruno Silva");
}

TEST_F(ManualResults, DeleteIsRefusedWithMessage14AndNothingIsDeleted) {
    driver.start("BrowseResultadosManualesEquipos");
    Window& list = driver.expect_window("BrowseResultadosManualesEquipos");
    driver.press(list, "?DELETE:4");
    auto m = driver.pending_message();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->title, "Invalid Request");
    EXPECT_EQ(m->text, "This form cannot be used to delete a record");
    driver.answer_message(ButtonOk);
    EXPECT_EQ(driver.window("PantallaResultadosManualEquipo"), nullptr);
    EXPECT_EQ(count(), 3);
    EXPECT_EQ(stored(3, "RM:PrimerLugarNombre"), "Carla Mendez");
}

TEST_F(ManualResults, ACancelledInsertLeavesTheTableAsItWas) {
    driver.start("BrowseResultadosManualesIndividual");
    Window& list = driver.expect_window("BrowseResultadosManualesIndividual");
    driver.press(list, "?INSERT:4");
    Window& form = driver.expect_window("PantallaResultadosManualIndividual");
    EXPECT_EQ(form.title(), "Resultados Manual Competicion Individual  (New)");
    EXPECT_EQ(form.status().at(1).text, "Record Will Be Added");
    EXPECT_EQ(form.number_of("?RM:PRIMERLUGARPUNTOST"), 0);  // totals only
    EXPECT_EQ(stored(4, "RM:Cerrar"), "0");                  // added at once with its defaults
    driver.type(form, "?RM:PrimerLugarNombre", "Dana Ito");
    driver.press(form, "?CANCEL");
    ASSERT_TRUE(driver.pending_message());
    EXPECT_EQ(driver.pending_message()->title, "Changes will be lost!");
    driver.answer_message(ButtonYes);
    EXPECT_EQ(driver.window("PantallaResultadosManualIndividual"), nullptr);
    EXPECT_EQ(stored(4, "RM:IDResultadosM"), "<none>");
    EXPECT_EQ(driver.control(list, "?BROWSE:1").rows.size(), 3u);

    driver.press(list, "?INSERT:4");
    Window& again = driver.expect_window("PantallaResultadosManualIndividual");
    driver.type(again, "?RM:PrimerLugarNombre", "Dana Ito");
    driver.press(again, "?OK");
    EXPECT_EQ(stored(4, "RM:PrimerLugarNombre"), "Dana Ito");
    EXPECT_EQ(driver.control(list, "?BROWSE:1").rows.size(), 4u);
}

TEST_F(ManualResults, AListInViewModeAnswersCancelledWithoutAddingARecord) {
    driver.start("ManualResultsListInViewMode");
    Window& list = driver.expect_window("BrowseResultadosManualesKata");
    driver.press(list, "?INSERT:4");
    EXPECT_EQ(driver.window("PantallaResultadosManualKata"), nullptr);
    EXPECT_EQ(count(), 3);
    driver.close(list);
    EXPECT_EQ(g_view_list_response, kResponseCancelled);
}

TEST_F(ManualResults, TheDisplayFollowsItsRecordAndAsksBeforeLosingAChange) {
    driver.start("BrowseResultadosManualesKata");
    Window& list = driver.expect_window("BrowseResultadosManualesKata");
    driver.double_click(list, "?BROWSE:1", 1);  // record 3, through the change button
    Window& form = driver.expect_window("PantallaResultadosManualKata");
    EXPECT_EQ(form.title(), "Resultados Manual Kata  (3)");
    ASSERT_EQ(scoring({"set", "ResultadosManual", "3", "PrimerLugarNombre=Carla M. Mendez"}), 0);
    driver.advance_ms(10);
    EXPECT_EQ(driver.control(form, "?RM:PrimerLugarNombre").text, "Carla M. Mendez");
    driver.press(form, "?CANCEL");
    ASSERT_TRUE(driver.pending_message());
    driver.answer_message(ButtonNo);  // keeps the form
    EXPECT_NE(driver.window("PantallaResultadosManualKata"), nullptr);
    driver.press(form, "?CANCEL");
    driver.answer_message(ButtonYes);
    EXPECT_EQ(driver.window("PantallaResultadosManualKata"), nullptr);
    EXPECT_EQ(stored(3, "RM:PrimerLugarNombre"), "Carla M. Mendez");
}

// A display reads its record on every tick; ticks that find nothing changed set nothing, and a
// commit from another process shows at the next tick, in the controls it changed and no other.
TEST_F(ManualResults, UnchangedTicksSetNothingAndTheNextCommitShowsAtTheNextTick) {
    driver.start("BrowseResultadosManualesKata");
    Window& list = driver.expect_window("BrowseResultadosManualesKata");
    driver.choose(list, "?BROWSE:1", 2);  // record 2
    driver.press(list, "?VIEW:3");
    Window& view = driver.expect_window("PantallaResultadosManualKata");
    const auto revisions = [&] {
        std::map<int, std::uint64_t> r;
        for (const ControlState& c : view.controls()) r[c.number] = c.revision;
        return r;
    };
    driver.advance_ms(10);
    const std::uint64_t settled = view.revision();
    const auto before = revisions();
    for (int tick = 0; tick < 20; ++tick) driver.advance_ms(10);
    EXPECT_EQ(view.revision(), settled);

    ASSERT_EQ(scoring({"set", "ResultadosManual", "2", "PrimerLugarNombre=Dario Rossi", "SegundoLugarNombre=Eva Lind"}), 0);
    driver.advance_ms(10);
    EXPECT_EQ(driver.control(view, "?RM:PrimerLugarNombre").text, "Dario Rossi");
    EXPECT_EQ(driver.control(view, "?RM:SegundoLugarNombre").text, "Eva Lind");
    std::set<std::string> moved;
    for (const auto& [number, revision] : revisions())
        if (before.at(number) != revision) moved.insert(view.control(number).use);
    EXPECT_EQ(moved, (std::set<std::string>{"?RM:PrimerLugarNombre", "?RM:SegundoLugarNombre"}));
    driver.press(view, "?OK");
}

TEST_F(ManualResults, CerrarFromAnotherProcessClosesTheChangeAndInsertFormsWithoutAMessage) {
    driver.start("BrowseResultadosManualesEquipos");
    Window& list = driver.expect_window("BrowseResultadosManualesEquipos");
    driver.choose(list, "?BROWSE:1", 3);  // record 1
    driver.press(list, "?CHANGE:4");
    ASSERT_NE(driver.window("PantallaResultadosManualEquipo"), nullptr);
    ASSERT_EQ(scoring({"set", "ResultadosManual", "1", "PrimerLugarNombre=Aiko T.", "Cerrar=1"}), 0);
    driver.advance_ms(10);
    EXPECT_EQ(driver.window("PantallaResultadosManualEquipo"), nullptr);
    EXPECT_FALSE(driver.pending_message());
    for (const auto& m : app_error_reporter().history()) ADD_FAILURE() << "message " << m.number << " " << m.title;
    EXPECT_EQ(stored(1, "RM:PrimerLugarNombre"), "Aiko T.");
    EXPECT_EQ(stored(1, "RM:Cerrar"), "1");
    EXPECT_EQ(cell(list, 3, 9), "Aiko T.");  // the list reads the record again
    // Opened again with Cerrar still 1, it closes at its first tick.
    driver.press(list, "?VIEW:3");
    ASSERT_NE(driver.window("PantallaResultadosManualEquipo"), nullptr);
    driver.advance_ms(10);
    EXPECT_EQ(driver.window("PantallaResultadosManualEquipo"), nullptr);

    // An insert closed from outside keeps the new record as the scoring software left it.
    driver.press(list, "?INSERT:4");
    ASSERT_NE(driver.window("PantallaResultadosManualEquipo"), nullptr);
    ASSERT_EQ(scoring({"set", "ResultadosManual", "4", "PrimerLugarNombre=Dana Ito", "Cerrar=1"}), 0);
    driver.advance_ms(10);
    EXPECT_EQ(driver.window("PantallaResultadosManualEquipo"), nullptr);
    EXPECT_FALSE(driver.pending_message());
    for (const auto& m : app_error_reporter().history()) ADD_FAILURE() << "message " << m.number << " " << m.title;
    EXPECT_EQ(stored(4, "RM:PrimerLugarNombre"), "Dana Ito");
    EXPECT_EQ(driver.control(list, "?BROWSE:1").rows.size(), 4u);
}

// The operator's typing against another program writing the same record with plain SQL.
class TypingAgainstTheScoringSoftware : public ManualResults {
protected:
    Window& open_record_1() {
        driver.start("BrowseResultadosManualesIndividual");
        Window& list = driver.expect_window("BrowseResultadosManualesIndividual");
        driver.choose(list, "?BROWSE:1", 3);  // record 1
        driver.press(list, "?CHANGE:4");
        return driver.expect_window("PantallaResultadosManualIndividual");
    }
    void outside(const std::string& set) {
        ASSERT_EQ(testing::run_sqlite3("ResultadosManual.sqlite", "UPDATE ResultadosManual SET " + set + " WHERE IDResultadosM = 1;"),
                  0);
    }
    std::string shown(Window& form, const char* use) { return driver.control(form, use).text; }
};

TEST_F(TypingAgainstTheScoringSoftware, WhatTheOperatorTypedOutlivesTheTicksAndOkStoresIt) {
    Window& form = open_record_1();
    driver.type(form, "?RM:PrimerLugarNombre", "Aiko T. Tanaka");
    outside("SegundoLugarNombre = 'Dana Ito'");
    driver.advance_ms(50);
    EXPECT_EQ(shown(form, "?RM:PrimerLugarNombre"), "Aiko T. Tanaka");
    EXPECT_EQ(shown(form, "?RM:SegundoLugarNombre"), "Dana Ito");  // every other field follows the table
    driver.press(form, "?OK");
    EXPECT_EQ(driver.window("PantallaResultadosManualIndividual"), nullptr);
    EXPECT_FALSE(driver.pending_message());
    EXPECT_EQ(stored(1, "RM:PrimerLugarNombre"), "Aiko T. Tanaka");
    EXPECT_EQ(stored(1, "RM:SegundoLugarNombre"), "Dana Ito");
}

TEST_F(TypingAgainstTheScoringSoftware, AFieldAnotherProgramChangedMeanwhileGivesMessage7AndNothingIsLost) {
    Window& form = open_record_1();
    driver.type(form, "?RM:PrimerLugarNombre", "Aiko T. Tanaka");
    driver.type(form, "?RM:SegundoLugarNombre", "Bruno S.");
    outside("PrimerLugarNombre = 'Aiko Tanaka-Sato', PRIMERLUGARDOJO = 'Tora'");
    driver.advance_ms(20);
    EXPECT_EQ(shown(form, "?RM:PrimerLugarNombre"), "Aiko T. Tanaka");
    driver.press(form, "?OK");
    ASSERT_TRUE(driver.pending_message());
    EXPECT_EQ(driver.pending_message()->title, "Record Was Not Updated");
    // While the operator reads it, the scoring software writes at once: with no wait for a lock
    // allowed (a busy timeout of 0), its write goes through only if no transaction is open.
    EXPECT_EQ(testing::run_sqlite3("ResultadosManual.sqlite",
                                   "UPDATE ResultadosManual SET PRIMERLUGARPUNTOST = 9 WHERE IDResultadosM = 1;", nullptr, 0),
              0);
    driver.answer_message(ButtonOk);
    // Nothing was written; the form shows the other program's changes of other fields and the
    // operator's typing in both of the operator's fields, through the ticks.
    ASSERT_NE(driver.window("PantallaResultadosManualIndividual"), nullptr);
    EXPECT_EQ(stored(1, "RM:PrimerLugarNombre"), "Aiko Tanaka-Sato");
    EXPECT_EQ(stored(1, "RM:SegundoLugarNombre"), "");
    driver.advance_ms(20);
    EXPECT_EQ(shown(form, "?RM:PRIMERLUGARDOJO"), "Tora");
    EXPECT_EQ(shown(form, "?RM:PrimerLugarNombre"), "Aiko T. Tanaka");
    EXPECT_EQ(shown(form, "?RM:SegundoLugarNombre"), "Bruno S.");
    // A second OK stores the operator's values over what the operator has now been told of.
    driver.press(form, "?OK");
    EXPECT_FALSE(driver.pending_message());
    EXPECT_EQ(driver.window("PantallaResultadosManualIndividual"), nullptr);
    EXPECT_EQ(stored(1, "RM:PrimerLugarNombre"), "Aiko T. Tanaka");
    EXPECT_EQ(stored(1, "RM:SegundoLugarNombre"), "Bruno S.");
    EXPECT_EQ(stored(1, "RM:PRIMERLUGARDOJO"), "Tora");
    EXPECT_EQ(stored(1, "RM:PRIMERLUGARPUNTOST"), "9");
}

// The operator begins typing into an entry just as a tick shows another program's change of its
// field: what the operator typed over is what the entry showed then, the value the tick read or,
// its redisplay not yet drawn, the one before.
TEST_F(TypingAgainstTheScoringSoftware, TypingBegunOverTheValueBeforeATicksRedisplayMeetsItsChange) {
    const struct {
        const char* name;
        bool drawn;  // the entry showed the tick's value when the typing began
    } cases[] = {{"the new value drawn", true}, {"the old value still drawn", false}};
    const char* entry = "?RM:PrimerLugarNombre";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Window& form = open_record_1();
        const std::string before = shown(form, entry);
        outside("PrimerLugarNombre = '" + std::string(c.name) + "'");
        driver.advance_ms(10);  // one tick reads and shows it
        ASSERT_EQ(shown(form, entry), c.name);
        Event typing;
        typing.kind = EventKind::Typing;
        typing.control = form.number_of(entry);
        typing.text = c.drawn ? c.name : before;
        form.post(std::move(typing));  // as the engine tells it
        driver.settle();
        const std::string typed = std::string("Over ") + c.name;
        driver.type(form, entry, typed);
        driver.press(form, "?OK");
        EXPECT_EQ(driver.pending_message().has_value(), !c.drawn);
        if (!c.drawn) {
            EXPECT_EQ(driver.pending_message()->title, "Record Was Not Updated");
            driver.answer_message(ButtonOk);
            driver.press(form, "?CANCEL");
            driver.answer_message(ButtonYes);  // changes will be lost
        }
        EXPECT_EQ(driver.window("PantallaResultadosManualIndividual"), nullptr);
        EXPECT_EQ(stored(1, "RM:PrimerLugarNombre"), c.drawn ? typed : c.name);
        driver.press(driver.expect_window("BrowseResultadosManualesIndividual"), "?CLOSE");
    }
}

TEST_F(ManualResults, CtrlHPutsBackAFieldFromTheLastCompletedRecord) {
    driver.start("BrowseResultadosManualesKata");
    Window& list = driver.expect_window("BrowseResultadosManualesKata");
    driver.choose(list, "?BROWSE:1", 3);  // record 1
    driver.press(list, "?CHANGE:4");
    driver.press(driver.expect_window("PantallaResultadosManualKata"), "?OK");
    driver.choose(list, "?BROWSE:1", 2);  // record 2
    driver.press(list, "?CHANGE:4");
    Window& form = driver.expect_window("PantallaResultadosManualKata");
    EXPECT_EQ(driver.control(form, "?RM:PrimerLugarNombre").text, "Bruno Silva");
    driver.key(form, "?RM:PrimerLugarNombre", kCtrlHKey);
    EXPECT_EQ(driver.control(form, "?RM:PrimerLugarNombre").text, "Aiko Tanaka");
    EXPECT_EQ(driver.control(form, "?RM:SegundoLugarNombre").text, "");
}

TEST_F(ManualResults, TwoCopiesShareTheSearchFlagAndALaterCopyFindsItActive) {
    driver.start("BrowseResultadosManualesKata");
    Window& a = driver.expect_window("BrowseResultadosManualesKata");
    driver.start("BrowseResultadosManualesKata");
    Window& b = driver.expect_window("BrowseResultadosManualesKata");
    ASSERT_NE(&a, &b);
    ASSERT_NE(a.owner(), b.owner());
    driver.press(b, "?FUZZYCLEAR");
    driver.type(a, "?FUZZYQUERY", "bruno");
    driver.press(a, "?FUZZYGO");
    EXPECT_EQ(cell(a, 1, 9), "Bruno Silva");  // best match first
    driver.choose(b, "?CurrentTab", 2);       // b keeps its order while the search is active
    EXPECT_EQ(cell(b, 1, 1), "3");
    driver.choose(a, "?CurrentTab", 2);
    EXPECT_EQ(cell(a, 1, 9), "Bruno Silva");
    driver.close(a);
    driver.close(b);
    driver.start("BrowseResultadosManualesKata");
    Window& c = driver.expect_window("BrowseResultadosManualesKata");
    driver.choose(c, "?CurrentTab", 2);
    EXPECT_EQ(cell(c, 1, 1), "3");  // does not follow its tabs yet
    driver.press(c, "?FUZZYCLEAR");
    EXPECT_EQ(driver.control(c, "?FUZZYQUERY").text, "");
    EXPECT_EQ(cell(c, 1, 4), "10");  // the tab's order again
}

TEST_F(ManualResults, TabsChooseTheirOrdersAndABlankSearchChangesNothing) {
    // Records 1 to 3: team events 200, 300, 100; individual events 20, 10, 30; codes A, C, B;
    // categories A, B, C; divisions C, A, B.
    const struct {
        int team, individual;
        const char *code, *category, *division;
    } more[] = {{200, 20, "EV-A", "A", "C"}, {300, 10, "EV-C", "B", "A"}, {100, 30, "EV-B", "C", "B"}};
    auto& rm = *data::file_manager(TableId::ResultadosManual);
    for (int id = 1; id <= 3; ++id) {
        rm.record().set_integer("RM:IDResultadosM", id);
        ASSERT_TRUE(rm.get_by_key(0));
        rm.record().set_integer("RM:IDNumeroDeEventoEquipo", more[id - 1].team);
        rm.record().set_integer("RM:IDNumeroDeEventoKIndividual", more[id - 1].individual);
        rm.record().set_text("RM:CodigoDeEvento", more[id - 1].code);
        rm.record().set_text("RM:Categorias", more[id - 1].category);
        rm.record().set_text("RM:Divisiones", more[id - 1].division);
        ASSERT_TRUE(rm.update());
    }
    using Ids = std::vector<std::string>;
    const Ids newest{"3", "2", "1"}, by_team{"3", "1", "2"}, by_individual{"2", "1", "3"}, by_code{"1", "3", "2"},
        by_category{"1", "2", "3"}, by_division{"2", "3", "1"};
    const struct {
        const char* list;
        int tab;
        Ids ids;
    } cases[] = {
        {"BrowseResultadosManualesKata", 1, newest},
        {"BrowseResultadosManualesKata", 4, by_category},
        {"BrowseResultadosManualesKata", 3, by_code},
        {"BrowseResultadosManualesKata", 5, by_division},
        {"BrowseResultadosManualesEquipos", 2, by_team},
        {"BrowseResultadosManualesEquipos", 5, by_division},
        // Each tab of the individual list orders by what its label names.
        {"BrowseResultadosManualesIndividual", 1, newest},
        {"BrowseResultadosManualesIndividual", 2, by_individual},
        {"BrowseResultadosManualesIndividual", 3, by_code},
        {"BrowseResultadosManualesIndividual", 4, by_category},
        {"BrowseResultadosManualesIndividual", 5, by_division},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        driver.start(c.list);
        Window& w = driver.expect_window(c.list);
        driver.choose(w, "?CURRENTTAB", c.tab);
        Ids ids;
        for (int row = 1; row <= 3; ++row) ids.push_back(cell(w, row, 1));
        EXPECT_EQ(ids, c.ids) << c.list << " tab " << c.tab;
        driver.close(w);
    }
    driver.start("BrowseResultadosManualesKata");
    Window& w = driver.expect_window("BrowseResultadosManualesKata");
    driver.choose(w, "?CURRENTTAB", 5);
    driver.press(w, "?FUZZYGO");  // blank: the search does not start
    EXPECT_EQ(cell(w, 1, 1), "2");
    driver.choose(w, "?CURRENTTAB", 4);
    EXPECT_EQ(cell(w, 1, 1), "1");
    EXPECT_EQ(cell(w, 2, 1), "2");
}

TEST_F(ManualResults, TheDisplaysDifferInTheirTextsSizesAndPoints) {
    const struct {
        const char* display;
        const char* title;
        const char* points[3];  // captions of the first place's points; nullptr: not shown
        const char* second_caption;
        int second_size, name_size;
        const char* name_picture;
    } cases[] = {
        {"PantallaResultadosManualKata",
         "Resultados Manual Kata",
         {"Total:", "Tecnico:", "Atletico:"},
         "Second place:",
         12,
         70,
         "@s45"},
        {"PantallaResultadosManualEquipo",
         "Resultados Manual Evento de Equipo",
         {"Puntos:", "Rondas Ganadas:", "Ganadas:"},
         "&Second place:",
         18,
         75,
         "@s40"},
        {"PantallaResultadosManualIndividual",
         "Resultados Manual Competicion Individual",
         {"Total:", nullptr, nullptr},
         "Second place:",
         12,
         75,
         "@s40"},
    };
    const char* const points[3] = {"PUNTOSTOTAL", "PUNTOST", "PUNTOSA"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.display);
        const WindowLayout l = manual_results_display_layout(c.display);
        EXPECT_EQ(l.title, c.title);
        EXPECT_EQ(l.kind, WindowKind::Floating);
        EXPECT_EQ(l.timer, 1);
        const auto find = [&](const std::string& use) -> const ControlState* {
            for (const ControlState& s : l.controls)
                if (upper(s.use) == upper(use)) return &s;
            return nullptr;
        };
        for (const char* place : {"PRIMER", "SEGUNDO", "STERCERO", "TERCERO"})
            for (int k = 0; k < 3; ++k)
                EXPECT_EQ(find(std::string("?RM:") + place + "LUGAR" + points[k]) != nullptr, c.points[k] != nullptr)
                    << place << points[k];
        for (int k = 0; k < 3; ++k) {
            const ControlState* caption = find("?PointsCaption1" + std::to_string(k + 1));
            EXPECT_EQ(caption ? caption->text : "-", c.points[k] ? c.points[k] : "-");
            if (caption) {
                EXPECT_TRUE(caption->bold && caption->underline) << caption->use;
            }
        }
        const ControlState* second = find("?PlaceCaption2");
        ASSERT_TRUE(second);
        EXPECT_EQ(second->text, c.second_caption);
        EXPECT_EQ(second->font_size, c.second_size);
        const ControlState* name = find("?RM:SegundoLugarNombre");
        ASSERT_TRUE(name);
        EXPECT_EQ(name->font_name, "Arial Black");
        EXPECT_EQ(name->font_size, c.name_size);
        EXPECT_FALSE(name->underline || second->underline);
        EXPECT_EQ(name->picture, c.name_picture);
        EXPECT_EQ(name->message, "Segundo Lugar Nombre");
        const ControlState* total = find("?RM:STERCEROLUGARPUNTOSTOTAL");
        ASSERT_TRUE(total);
        EXPECT_EQ(total->tip, "S Tercero Lugar Puntos Total");
    }
}

TEST_F(ManualResults, TheDisplayAnswersByItsRequest) {
    enum Action { Ok, Cancel, TypeThenOk, TypeThenCancel };
    const struct {
        int request;
        Action action;
        bool asks;  // message 10 before it closes
        int response;
        const char* stored;
    } cases[] = {
        {kRequestView, Ok, false, kResponseCancelled, "Bruno Silva"},
        {kRequestView, Cancel, false, kResponseCancelled, "Bruno Silva"},
        {kRequestChange, Ok, false, kResponseCompleted, "Bruno Silva"},
        {kRequestChange, Cancel, false, kResponseCancelled, "Bruno Silva"},
        {kRequestChange, TypeThenOk, false, kResponseCompleted, "Bruno S."},
        {kRequestChange, TypeThenCancel, true, kResponseCancelled, "Bruno Silva"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "request " << c.request << " action " << c.action);
        auto& rm = *data::file_manager(TableId::ResultadosManual);
        rm.record().set_integer("RM:IDResultadosM", 2);
        ASSERT_TRUE(rm.get_by_key(0));
        rm.record().set_text("RM:PrimerLugarNombre", "Bruno Silva");
        ASSERT_TRUE(rm.update());
        g_display_request = c.request;
        g_display_response = 0;
        driver.start("ManualResultsDisplayWithRequest");
        Window& form = driver.expect_window("PantallaResultadosManualEquipo");
        EXPECT_EQ(driver.control(form, "?RM:PrimerLugarNombre").read_only, c.request == kRequestView);
        if (c.action == TypeThenOk || c.action == TypeThenCancel) driver.type(form, "?RM:PrimerLugarNombre", "Bruno S.");
        driver.press(form, c.action == Ok || c.action == TypeThenOk ? "?OK" : "?CANCEL");
        EXPECT_EQ(driver.pending_message().has_value(), c.asks);
        if (c.asks) driver.answer_message(ButtonYes);
        driver.settle();
        EXPECT_EQ(driver.window("PantallaResultadosManualEquipo"), nullptr);
        EXPECT_EQ(g_display_response, c.response);
        EXPECT_EQ(stored(2, "RM:PrimerLugarNombre"), c.stored);
    }
}

TEST(ManualResultsProcedures, EveryListAndDisplayIsRegistered) {
    for (const char* list : {"BrowseResultadosManualesKata", "BrowseResultadosManualesIndividual", "BrowseResultadosManualesEquipos"})
        EXPECT_TRUE(procedure_exists(list)) << list;
    for (const char* form : {"PantallaResultadosManualKata", "PantallaResultadosManualEquipo", "PantallaResultadosManualIndividual"})
        EXPECT_TRUE(procedure_exists(form)) << form;
}

}  // namespace
}  // namespace zrv::flow
