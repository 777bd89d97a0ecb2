// The bracket and team lists on real table files: their columns, the tabs' orders, the search
// box, the timers and the selected row's record shown beside the list.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "kumite/lists.h"
#include "tests/kumite/kumite_fixture.h"
#include "tests/support/scoring_tool.h"

namespace zrv::kumite {
namespace {

using data::TableId;

bool individual(const std::string& list) { return list.rfind("BrowseKumite", 0) == 0; }

class Lists : public KumiteFixture {
protected:
    void SetUp() override {
        KumiteFixture::SetUp();
        // Three events of each table: codes, dates, modalities and divisions in different orders.
        const struct {
            const char *code, *date, *modality, *division, *name, *queue;
        } rows[] = {{"C", "80000", "Kata", "Zeta", "Aiko Tanaka", "1"},
                    {"A", "80002", "Kumite", "Alfa", "Bruno Silva", "2"},
                    {"B", "80001", "Mixed", "Beta", "Carla Mendez", "3"}};
        for (const auto& r : rows) {
            add(TableId::KumiteIndividual, {{"KE24:CodigoDeEvento", r.code},
                                            {"KE24:FechaEvento", r.date},
                                            {"KE24:Modalidad", r.modality},
                                            {"KE24:Divicion", r.division},
                                            {"KE24:NombreDelEvento", r.name},
                                            {"KE24:Queue", r.queue}});
            add(TableId::KumiteEquipo5, {{"KE212:CodigoDeEvento", r.code},
                                         {"KE212:FechaEvento", r.date},
                                         {"KE212:Modalidad", r.modality},
                                         {"KE212:Divicion", r.division},
                                         {"KE212:NombreDeEquipoE1R1A", r.name},
                                         {"KE212:Queue", r.queue}});
        }
    }
    std::vector<std::string> codes(Window& w) {
        std::vector<std::string> out;
        for (const ListRow& r : driver.control(w, "?BROWSE:1").rows) {
            std::string c = r.cells.at(3).text;
            while (!c.empty() && c.back() == ' ') c.pop_back();
            out.push_back(c);
        }
        return out;
    }
    using Codes = std::vector<std::string>;
};

TEST_F(Lists, EachListHasItsTitleTimerAndScoreColumnFirst) {
    struct Case {
        const char* list;
        const char* title;
        int timer;
        std::size_t columns;
    } cases[] = {
        {"BrowseKumiteIndividual4", "4 Individual competitors Kumite ", 50, 8},
        {"BrowseKumiteIndividual", "8 individual Kumite Competition", 200, 9},
        {"BrowseKumiteIndividual41", "16 Individual Competition Kumite ", 200, 8},
        {"BrowseEquipo5", " 4 Team event Kumite ", 200, 11},
        {"BrowseEquipo3", "3  teens event Kumite ", 200, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        driver.start(c.list);
        Window& w = driver.expect_window(c.list);
        EXPECT_EQ(w.title(), c.title);
        EXPECT_EQ(w.timer(), c.timer);
        ControlState list = driver.control(w, "?BROWSE:1");
        EXPECT_EQ(list.message, individual(c.list) ? "Browsing the KumiteIndividual file" : "Browsing the KumiteEquipo5 file");
        EXPECT_EQ(list.format.rfind("48C(2)|M~Match Result~L(1)@n_3@", 0), 0u);
        ASSERT_EQ(list.rows.size(), 3u);
        EXPECT_EQ(list.rows[0].cells.size(), c.columns);
        EXPECT_EQ(codes(w), (Codes{"B", "A", "C"}));  // by event number, newest first
        driver.close(w);
    }
}

TEST_F(Lists, TabsChooseTheirOrdersWithEachListsOwnMapping) {
    struct Case {
        const char* list;
        int tab;
        std::vector<std::string> codes;
    } cases[] = {
        {"BrowseKumiteIndividual", 2, {"C", "B", "A"}},  // "Event code" orders by date
        {"BrowseKumiteIndividual", 3, {"A", "B", "C"}},  // "Date" by code
        {"BrowseKumiteIndividual4", 2, {"A", "B", "C"}}, {"BrowseKumiteIndividual41", 3, {"C", "B", "A"}},
        {"BrowseKumiteIndividual4", 8, {"C", "A", "B"}},  // by queue
        {"BrowseEquipo5", 5, {"C", "A", "B"}},            // modality
        {"BrowseEquipo5", 6, {"A", "B", "C"}},            // division
        {"BrowseEquipo3", 5, {"A", "B", "C"}},            // division
        {"BrowseEquipo3", 6, {"C", "A", "B"}},            // modality
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " tab " + std::to_string(c.tab));
        driver.start(c.list);
        Window& w = driver.expect_window(c.list);
        driver.choose(w, "?CurrentTab", c.tab);
        EXPECT_EQ(codes(w), c.codes);
        driver.close(w);
    }
}

TEST_F(Lists, TheLastTabOfTheThreeTeamListShowsOnlyTheSelectedEvent) {
    driver.start("BrowseEquipo3");
    Window& w = driver.expect_window("BrowseEquipo3");
    driver.choose(w, "?BROWSE:1", 2);
    driver.choose(w, "?CurrentTab", 7);
    EXPECT_EQ(codes(w), (Codes{"A"}));
    driver.choose(w, "?CurrentTab", 1);
    EXPECT_EQ(codes(w).size(), 3u);
}

TEST_F(Lists, SearchOrdersByScoreSharedByCopiesUntilClear) {
    driver.start("BrowseKumiteIndividual");
    Window& one = driver.expect_window("BrowseKumiteIndividual");
    driver.press(one, "?FUZZYGO");  // a blank query starts nothing
    EXPECT_EQ(codes(one), (Codes{"B", "A", "C"}));
    driver.type(one, "?FUZZYQUERY", "Aiko Tanaka");
    driver.press(one, "?FUZZYGO");
    EXPECT_EQ(codes(one).at(0), "C");
    driver.start("BrowseKumiteIndividual");
    Window& two = *driver.windows().back();
    ASSERT_NE(&two, &one);
    driver.choose(two, "?CurrentTab", 3);  // the search is active in every copy: it keeps its order
    EXPECT_EQ(codes(two), (Codes{"B", "A", "C"}));
    driver.press(two, "?FUZZYCLEAR");
    EXPECT_EQ(codes(two), (Codes{"A", "B", "C"}));
    EXPECT_EQ(driver.control(two, "?FUZZYQUERY").text, "");
    driver.choose(one, "?CurrentTab", 1);
    EXPECT_EQ(codes(one), (Codes{"B", "A", "C"}));
}

// The search text holds a row's date as its serial day number, not as the list shows it.
TEST_F(Lists, SearchMatchesADateByItsDayNumberNotAsShown) {
    for (const std::string& list : kumite_lists()) {
        SCOPED_TRACE(list);
        driver.start(list);
        Window& w = driver.expect_window(list);
        std::string shown;
        for (const ListRow& r : driver.control(w, "?BROWSE:1").rows)
            if (r.cells.at(3).text.rfind("B", 0) == 0) shown = r.cells.at(2).text;
        ASSERT_FALSE(shown.empty());
        auto best = [&](const std::string& query) {
            driver.type(w, "?FUZZYQUERY", query);
            driver.press(w, "?FUZZYGO");
            const ListRow top = driver.control(w, "?BROWSE:1").rows.at(0);
            return std::pair{codes(w).at(0), std::stoi(top.cells.at(0).text)};
        };
        const auto [by_day, day_score] = best("80001");
        EXPECT_EQ(by_day, "B");
        const auto [by_shown, shown_score] = best(shown);
        EXPECT_LT(shown_score, day_score);
        driver.press(w, "?FUZZYCLEAR");
        driver.close(w);
    }
}

TEST_F(Lists, TimersReadThePageAgainExceptOnTheThreeTeamList) {
    struct Case {
        const char* list;
        int ms;
        bool shown;
    } cases[] = {
        {"BrowseKumiteIndividual4", 500, true},
        {"BrowseKumiteIndividual", 2000, true},
        {"BrowseEquipo5", 2000, true},
        {"BrowseEquipo3", 2000, false},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        driver.start(c.list);
        Window& w = driver.expect_window(c.list);
        const std::string code = "N" + std::to_string(++n);
        change(individual(c.list) ? TableId::KumiteIndividual : TableId::KumiteEquipo5, 1,
               {{individual(c.list) ? "KE24:CodigoDeEvento" : "KE212:CodigoDeEvento", code}});
        driver.advance_ms(c.ms);
        const Codes before = codes(w);
        EXPECT_EQ(std::find(before.begin(), before.end(), code) != before.end(), c.shown);
        driver.choose(w, "?CurrentTab", 1);
        driver.choose(w, "?CurrentTab", 3);
        const Codes after = codes(w);
        EXPECT_NE(std::find(after.begin(), after.end(), code), after.end());  // any reset shows it
        driver.close(w);
    }
}

// Each row shows the coach of its own team (the team record whose number is the event's), also
// after a sheet has read one team into the thread's buffer, and the search finds a row by it.
TEST_F(Lists, TheCoachColumnShowsEachRowsOwnTeam) {
    add(TableId::Equipos, {{"Equ:Entrenado", "Sensei Kato"}, {"Equ:TotalIntegrantes", "5"}});  // team 1: event 1's
    add(TableId::Equipos, {{"Equ:Entrenado", "Sensei Mori"}, {"Equ:TotalIntegrantes", "5"}});  // team 2; event 3 has none
    driver.start("BrowseEquipo5");
    Window& w = driver.expect_window("BrowseEquipo5");
    driver.choose(w, "?BROWSE:1", 3);  // event 1
    driver.press(w, "?VIEW:3");
    driver.press(driver.expect_window("UpdateEquipo5"), "?OK");
    const auto coaches = [&] {
        std::vector<std::pair<std::string, std::string>> out;  // event number, coach, as listed
        for (const ListRow& r : driver.control(w, "?BROWSE:1").rows) {
            std::string id = r.cells.at(1).text;
            id.erase(0, id.find_first_not_of(' '));
            out.emplace_back(id, r.cells.at(4).text);
        }
        return out;
    };
    using Coaches = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(coaches(), (Coaches{{"3", ""}, {"2", "Sensei Mori"}, {"1", "Sensei Kato"}}));
    driver.type(w, "?FUZZYQUERY", "Sensei Mori");
    driver.press(w, "?FUZZYGO");
    EXPECT_EQ(coaches().at(0), (std::pair<std::string, std::string>{"2", "Sensei Mori"}));
}

// The coach column and the search read each row's team record: what another process commits to
// the teams' file shows at the next tick, after ticks that found nothing changed set nothing.
TEST_F(Lists, ACommitToTheRowsTeamsByAnotherProcessShowsAtTheNextTick) {
    add(TableId::Equipos, {{"Equ:Entrenado", "Sensei Kato"}, {"Equ:TotalIntegrantes", "5"}});
    add(TableId::Equipos, {{"Equ:Entrenado", "Sensei Mori"}, {"Equ:TotalIntegrantes", "5"}});
    driver.start("BrowseEquipo5");
    Window& w = driver.expect_window("BrowseEquipo5");
    const auto first_row = [&] {
        const ControlState list = driver.control(w, "?BROWSE:1");
        const ListRow& r = list.rows.at(0);
        std::string id = r.cells.at(1).text;
        id.erase(0, id.find_first_not_of(' '));
        return id + " " + r.cells.at(4).text;
    };
    const auto unchanged_ticks = [&] {
        driver.advance_ms(2000);
        const std::uint64_t settled = w.revision();
        for (int tick = 0; tick < 10; ++tick) driver.advance_ms(2000);
        EXPECT_EQ(w.revision(), settled);
    };
    unchanged_ticks();
    EXPECT_EQ(first_row(), "3 ");  // the newest event, without a team record
    ASSERT_EQ(testing::run_sqlite3("Equipos.sqlite",
                                   "INSERT INTO Equipos (IDNUMERODEEQUIPO, Entrenado, TotalIntegrantes) "
                                   "VALUES (3, 'Sensei Ueda', 5);"),
              0);
    driver.advance_ms(2000);
    EXPECT_EQ(first_row(), "3 Sensei Ueda");

    driver.type(w, "?FUZZYQUERY", "Sensei Mori");
    driver.press(w, "?FUZZYGO");
    EXPECT_EQ(first_row(), "2 Sensei Mori");
    unchanged_ticks();
    EXPECT_EQ(first_row(), "2 Sensei Mori");
    ASSERT_EQ(testing::run_scoring_tool({"set", "Equipos", "2", "Entrenado=Sensei Abe"}), 0);
    ASSERT_EQ(testing::run_scoring_tool({"set", "Equipos", "1", "Entrenado=Sensei Mori"}), 0);
    driver.advance_ms(2000);
    EXPECT_EQ(first_row(), "1 Sensei Mori");
    driver.press(w, "?FUZZYCLEAR");
}

TEST_F(Lists, TheSelectedRowsQueueAndTeamNamesAreShown) {
    driver.start("BrowseEquipo5");
    Window& w = driver.expect_window("BrowseEquipo5");
    driver.choose(w, "?BROWSE:1", 1);  // the newest event
    EXPECT_EQ(driver.control(w, "?KE212:Queue").selected, 3);
    EXPECT_TRUE(driver.control(w, "?KE212:Queue").disabled);
    EXPECT_EQ(driver.control(w, "?KE212:NombreDeEquipoE1R1A").text, "Carla Mendez");
    driver.close(w);
    driver.start("BrowseKumiteIndividual41");
    Window& b = driver.expect_window("BrowseKumiteIndividual41");
    driver.choose(b, "?BROWSE:1", 3);
    EXPECT_EQ(driver.control(b, "?KE24:Queue").selected, 1);
}

// 150 more events: codes K000 to K149, one date every second day after the first three's, and
// a last code Y. A page holds 20 rows.
class LongLists : public Lists {
protected:
    void SetUp() override {
        Lists::SetUp();
        for (int i = 0; i < 150; ++i) {
            char code[8];
            std::snprintf(code, sizeof code, "K%03d", i);
            add(TableId::KumiteIndividual, {{"KE24:CodigoDeEvento", code}, {"KE24:FechaEvento", std::to_string(80100 + 2 * i)}});
        }
        add(TableId::KumiteIndividual, {{"KE24:CodigoDeEvento", "Y"}, {"KE24:FechaEvento", "80001"}});
    }
    // What a list shows of its order: the rows' codes, the highlight and the scroll bar.
    struct Shown {
        Codes codes;
        int selected, steps, at;
        bool operator==(const Shown&) const = default;
    };
    Shown shown_in(Window& w) {
        const ControlState list = driver.control(w, "?BROWSE:1");
        return Shown{codes(w), list.selected, list.scroll_steps, list.scroll_at};
    }
};

TEST_F(LongLists, TheScrollBarCoversTheWholeOrderAndItsThumbMapsRowsTextsAndDates) {
    struct Case {
        int tab;
        const char* thumb;
        int steps;  // rows: a step per page start; text: A B C K00..K14 Y; date: the range in 100
        int drag_to;
        const char* first_code;  // the page's first row once the thumb is let go
        int selected;            // the row highlighted: the first at or after the step
        int at;                  // where the thumb then stands: the page's first row, or the highlighted row's key
    } cases[] = {
        {1, "rows (newest first)", 154 - 20 + 1, 10, "K140", 1, 10},
        {1, "rows past the last page", 154 - 20 + 1, 200, "K016", 20, 134},
        {2, "text", 19, 8, "K050", 1, 8},                    // K05: the ninth prefix
        {2, "text, the last step", 19, 18, "K131", 20, 18},  // the last page is full
        {3, "date", 100, 50, "K050", 1, 50},                 // 80000 + 50/99 of 398 days: K050's 80200
        {3, "date, the first step", 100, 0, "C", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("tab ") + std::to_string(c.tab) + " " + c.thumb);
        driver.start("BrowseKumiteIndividual4");
        Window& w = driver.expect_window("BrowseKumiteIndividual4");
        driver.choose(w, "?CurrentTab", c.tab);
        ControlState list = driver.control(w, "?BROWSE:1");
        EXPECT_EQ(list.scroll_steps, c.steps);
        EXPECT_EQ(list.scroll_at, 0);
        driver.drag_thumb(w, "?BROWSE:1", c.drag_to);
        list = driver.control(w, "?BROWSE:1");
        EXPECT_EQ(codes(w).size(), 20u);
        EXPECT_EQ(codes(w).front(), c.first_code);
        EXPECT_EQ(list.scroll_at, c.at);
        EXPECT_EQ(list.selected, c.selected);
        driver.close(w);
    }
}

// However many ticks found nothing changed, a commit by another process (the scoring software,
// or any program through sqlite3) shows at the very next tick: a changed row, a row that moves
// onto the page, a row deleted, and a row that now matches the search best.
TEST_F(LongLists, AfterUnchangedTicksAnotherProcessesCommitShowsAtTheNextTick) {
    driver.start("BrowseKumiteIndividual4");
    Window& w = driver.expect_window("BrowseKumiteIndividual4");
    driver.choose(w, "?CurrentTab", 2);  // by code: A B C K000 K001 ...
    driver.choose(w, "?BROWSE:1", 5);    // K001, event 5
    const auto unchanged_ticks = [&] {
        driver.advance_ms(500);
        const std::uint64_t settled = w.revision();
        for (int tick = 0; tick < 40; ++tick) driver.advance_ms(500);
        EXPECT_EQ(w.revision(), settled);
    };
    const auto sql = [](const std::string& text) { return testing::run_sqlite3("KumiteIndividual.sqlite", text); };
    struct Case {
        const char* what;
        std::function<int()> commit;
        Codes first;
        const char* highlighted;
    } cases[] = {
        {"a row changed",
         [] {
             return testing::run_scoring_tool({"set", "KumiteIndividual", "5", "CodigoDeEvento=B1"});
         },
         {"A", "B", "B1", "C", "K000"},
         "B1"},
        {"a row onto the page",
         [&] { return sql("UPDATE KumiteIndividual SET CodigoDeEvento = 'A0' WHERE IDNumeroDeEventoKIndividual = 154;"); },
         {"A0", "B", "B1", "C", "K000"},
         "B1"},  // the highlighted row keeps its place
        {"a row deleted",
         [&] { return sql("DELETE FROM KumiteIndividual WHERE IDNumeroDeEventoKIndividual = 1;"); },
         {"A0", "B", "B1", "K000", "K002"},
         "B1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        unchanged_ticks();
        ASSERT_EQ(c.commit(), 0);
        driver.advance_ms(500);
        Codes first = codes(w);
        first.resize(c.first.size());
        EXPECT_EQ(first, c.first);
        EXPECT_EQ(codes(w).at(static_cast<std::size_t>(driver.control(w, "?BROWSE:1").selected - 1)), c.highlighted);
    }
    // In the search order the highlighted best match keeps its place: a better one committed
    // meanwhile comes before it, at the top of the order.
    driver.type(w, "?FUZZYQUERY", "QX77");
    driver.press(w, "?FUZZYGO");
    EXPECT_EQ(codes(w).front(), "K077");
    unchanged_ticks();
    EXPECT_EQ(driver.control(w, "?BROWSE:1").scroll_at, 0);
    ASSERT_EQ(sql("UPDATE KumiteIndividual SET CodigoDeEvento = 'QX77' WHERE IDNumeroDeEventoKIndividual = 60;"), 0);
    driver.advance_ms(500);
    EXPECT_EQ(codes(w).front(), "K077");
    EXPECT_EQ(driver.control(w, "?BROWSE:1").scroll_at, 1);
    driver.key(w, "?BROWSE:1", kHomeKey);
    EXPECT_EQ(codes(w).front(), "QX77");
    driver.press(w, "?FUZZYCLEAR");
    driver.close(w);
}

// In an order by number (a row thumb), a commit to the list's own table is read for the page
// alone: the page, its highlight and the scroll bar are at the next tick what a read of the whole
// order shows (a move of the highlight one row up and back reads the whole order again).
TEST_F(LongLists, AfterACommitThePageReadAloneIsTheWholeOrdersPage) {
    driver.start("BrowseKumiteIndividual4");
    Window& w = driver.expect_window("BrowseKumiteIndividual4");
    driver.choose(w, "?CurrentTab", 1);  // newest first: Y K149 K148 ...
    driver.drag_thumb(w, "?BROWSE:1", 50);
    driver.choose(w, "?BROWSE:1", 5);  // K096, the 55th row
    const auto sql = [](const std::string& text) { return testing::run_sqlite3("KumiteIndividual.sqlite", text); };
    const auto shown = [&] { return shown_in(w); };
    struct Case {
        const char* what;
        std::function<int()> commit;
        const char* highlighted;
        const char* on_page;  // a code the page shows
        int steps, at;
    } cases[] = {
        {"a newer row added",
         [&] { return sql("INSERT INTO KumiteIndividual (IDNumeroDeEventoKIndividual, CodigoDeEvento) VALUES (155, 'N');"); }, "K096",
         "K100", 155 - 20 + 1, 51},
        {"a row before the page deleted", [&] { return sql("DELETE FROM KumiteIndividual WHERE IDNumeroDeEventoKIndividual = 154;"); },
         "K096", "K100", 154 - 20 + 1, 50},
        {"a row on the page changed",
         [] {
             return testing::run_scoring_tool({"set", "KumiteIndividual", "98", "CodigoDeEvento=P094"});
         },
         "K096", "P094", 154 - 20 + 1, 50},
        {"a row after the page moved before it",
         [&] { return sql("UPDATE KumiteIndividual SET IDNumeroDeEventoKIndividual = 300 WHERE IDNumeroDeEventoKIndividual = 14;"); },
         "K096", "K100", 154 - 20 + 1, 51},
        {"a row of the page moved after it",
         [&] { return sql("UPDATE KumiteIndividual SET IDNumeroDeEventoKIndividual = -5 WHERE IDNumeroDeEventoKIndividual = 104;"); },
         "K096", "K099", 154 - 20 + 1, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        driver.advance_ms(2000);
        ASSERT_EQ(c.commit(), 0);
        driver.advance_ms(500);
        const Shown tick = shown();
        ASSERT_GT(tick.selected, 0);
        EXPECT_EQ(tick.codes.at(static_cast<std::size_t>(tick.selected - 1)), c.highlighted);
        EXPECT_NE(std::find(tick.codes.begin(), tick.codes.end(), c.on_page), tick.codes.end());
        EXPECT_EQ(tick.steps, c.steps);
        EXPECT_EQ(tick.at, c.at);
        driver.key(w, "?BROWSE:1", kUpKey);
        driver.key(w, "?BROWSE:1", kDownKey);
        EXPECT_EQ(shown(), tick);
    }
}

// A commit to the list's own table is read at the next tick for the page alone, in an order by
// number, by text and by date: the page shows the highlighted record's change, while a value that
// cannot be read, committed at once into a record far from the page, is not read (the error log
// does not name it) until a move reads the whole order.
TEST_F(LongLists, AfterACommitATickReadsThePageAndNotTheWholeOrder) {
    driver.start("BrowseKumiteIndividual4");
    Window& w = driver.expect_window("BrowseKumiteIndividual4");
    const auto logged = [](int id) {
        std::ifstream log("Zorvane.log");
        const std::string record = "(KE24:IDNumeroDeEventoKIndividual " + std::to_string(id) + "): KE24:DirecionDelEvento: not a text";
        for (std::string line; std::getline(log, line);)
            if (line.find(record) != std::string::npos) return true;
        return false;
    };
    const auto trimmed = [](std::string text) {
        while (!text.empty() && text.back() == ' ') text.pop_back();
        return text.substr(text.find_first_not_of(' '));
    };
    struct Case {
        int tab;
        const char* order;
        int far;  // a record far from the middle of the order (K000, K001, K002)
    } cases[] = {{1, "number", 4}, {2, "text", 5}, {3, "date", 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.order);
        driver.choose(w, "?CurrentTab", c.tab);
        driver.drag_thumb(w, "?BROWSE:1", driver.control(w, "?BROWSE:1").scroll_steps / 2);
        driver.advance_ms(500);
        const ControlState before = driver.control(w, "?BROWSE:1");
        ASSERT_GT(before.selected, 0);
        const std::string id = trimmed(before.rows.at(static_cast<std::size_t>(before.selected - 1)).cells.at(1).text);
        const std::string name = std::string("Changed by ") + c.order;
        ASSERT_EQ(testing::run_sqlite3("KumiteIndividual.sqlite",
                                       "BEGIN; UPDATE KumiteIndividual SET DirecionDelEvento = X'41' WHERE "
                                       "IDNumeroDeEventoKIndividual = " +
                                           std::to_string(c.far) + "; UPDATE KumiteIndividual SET NombreDelEvento = '" + name +
                                           "' WHERE IDNumeroDeEventoKIndividual = " + id + "; COMMIT;"),
                  0);
        driver.advance_ms(500);
        const ControlState after = driver.control(w, "?BROWSE:1");
        ASSERT_EQ(after.selected, before.selected);
        EXPECT_EQ(trimmed(after.rows.at(static_cast<std::size_t>(after.selected - 1)).cells.back().text), name);
        EXPECT_FALSE(logged(c.far)) << "the tick read the whole order";
        driver.key(w, "?BROWSE:1", kUpKey);
        EXPECT_TRUE(logged(c.far)) << "a move reads the whole order";
    }
}

// In an order longer than the list counts at a tick (1,200 more records), the page read alone
// after another program's commit stands where a read of the whole order puts it, in an order by
// number and by text: after records added before the page and after it, and a record of the page
// changed. Its row thumb is where the whole order's read puts it too; a text thumb keeps the
// steps of the last whole read until the next move reads the order again.
TEST_F(LongLists, InALongOrderThePageReadAloneStandsWhereTheWholeOrderPutsIt) {
    const auto sql = [](const std::string& text) { return testing::run_sqlite3("KumiteIndividual.sqlite", text); };
    ASSERT_EQ(sql("WITH RECURSIVE n(i) AS (SELECT 1000 UNION ALL SELECT i + 1 FROM n WHERE i < 2199) INSERT INTO KumiteIndividual "
                  "(IDNumeroDeEventoKIndividual, CodigoDeEvento) SELECT i, printf('L%04d', i) FROM n;"),
              0);
    driver.start("BrowseKumiteIndividual4");
    Window& w = driver.expect_window("BrowseKumiteIndividual4");
    const auto shown = [&] { return shown_in(w); };
    struct Case {
        int tab;
        const char* order;
        const char* commit;
        bool row_thumb;
    } cases[] = {
        // Newest first: records numbered above all others come before the page, below all after it.
        {1, "number",
         "INSERT INTO KumiteIndividual (IDNumeroDeEventoKIndividual, CodigoDeEvento) VALUES (3000, 'M1'), (3001, 'M2'), (-1, 'M3');",
         true},
        {1, "number", "UPDATE KumiteIndividual SET NombreDelEvento = 'Changed' WHERE IDNumeroDeEventoKIndividual = 1600;", true},
        // By code: "A..." before the page, "Z..." after it.
        {2, "text",
         "INSERT INTO KumiteIndividual (IDNumeroDeEventoKIndividual, CodigoDeEvento) VALUES (3002, 'AA'), (3003, 'AB'), (3004, 'ZZ');",
         false},
        {2, "text", "UPDATE KumiteIndividual SET NombreDelEvento = 'Changed again' WHERE CodigoDeEvento = 'L1600';", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.order) + ": " + c.commit);
        driver.choose(w, "?CurrentTab", c.tab);
        driver.drag_thumb(w, "?BROWSE:1", driver.control(w, "?BROWSE:1").scroll_steps / 2);
        driver.choose(w, "?BROWSE:1", 5);
        driver.advance_ms(500);
        const Shown before = shown();
        ASSERT_EQ(sql(c.commit), 0);
        driver.advance_ms(500);
        const Shown tick = shown();
        ASSERT_GT(tick.selected, 0);
        EXPECT_EQ(tick.codes.at(static_cast<std::size_t>(tick.selected - 1)),
                  before.codes.at(static_cast<std::size_t>(before.selected - 1)));
        driver.key(w, "?BROWSE:1", kUpKey);
        driver.key(w, "?BROWSE:1", kDownKey);
        const Shown whole = shown();
        EXPECT_EQ(whole.codes, tick.codes);
        EXPECT_EQ(whole.selected, tick.selected);
        if (c.row_thumb) {
            EXPECT_EQ(whole.steps, tick.steps);
            EXPECT_EQ(whole.at, tick.at);
        }
    }
}

TEST_F(LongLists, ALocatedRowNearTheEndEndsAFullPage) {
    driver.start("BrowseKumiteIndividual");
    Window& w = driver.expect_window("BrowseKumiteIndividual");
    driver.choose(w, "?CurrentTab", 3);  // by code, located by it
    driver.key(w, "?BROWSE:1", 'K');
    EXPECT_EQ(codes(w).front(), "K000");
    EXPECT_EQ(driver.control(w, "?BROWSE:1").selected, 1);
    driver.key(w, "?BROWSE:1", 'y');
    const Codes page = codes(w);
    ASSERT_EQ(page.size(), 20u);
    EXPECT_EQ(page.front(), "K131");
    EXPECT_EQ(page.back(), "Y");
    EXPECT_EQ(driver.control(w, "?BROWSE:1").selected, 20);
    EXPECT_EQ(driver.control(w, "?BROWSE:1").scroll_at, 18);  // its thumb: the last text step
    driver.close(w);
}

}  // namespace
}  // namespace zrv::kumite
