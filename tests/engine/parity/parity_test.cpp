// The scenarios that matter, played once on the headless engine and once on the Qt engine with
// real input: look-ups on entering, the focus after a failed look-up, Ctrl+H, locators, request
// texts and status messages, insert / change / cancel / OK with timer ticks between the keys,
// message boxes and the windows they block, a remote close. Real table files, a virtual clock.
#include <gtest/gtest.h>

#include <map>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "tests/engine/parity/operator.h"
#include "tests/support/scoring_tool.h"
#include "tests/support/screen_test.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

using data::TableId;
using Values = std::map<std::string, std::string>;

std::string trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

class Parity : public ScreenTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        op = std::string(GetParam()) == "qt" ? make_qt_operator() : make_headless_operator();
    }
    void TearDown() override {
        op.reset();
        ScreenTest::TearDown();
    }

    static data::DictionaryTable& table(TableId id) { return *data::file_manager(id); }
    std::int64_t add(TableId id, const Values& values) {
        auto& t = table(id);
        EXPECT_TRUE(t.prepare_new_record());
        for (const auto& [f, v] : values) EXPECT_TRUE(t.record().set_text(f, v)) << f;
        EXPECT_TRUE(t.insert());
        return t.record().get_integer(0);
    }
    std::string stored(TableId id, std::int64_t number, const std::string& field) {
        auto& t = table(id);
        t.record().set_integer(0, number);
        return t.get_by_key(0) ? trimmed(t.record().get_text(field)) : "<none>";
    }
    Window& expect(std::string_view name) {
        Window* w = op->window(name);
        if (!w) throw std::runtime_error("no window " + std::string(name));
        return *w;
    }
    // A list's form for its highlighted row or a new record.
    Window& open(const char* list, int row, const char* button, const char* form) {
        op->start(list);
        Window& l = expect(list);
        if (row) op->click_row(l, "?BROWSE:1", row);
        op->click(l, button);
        return expect(form);
    }
    std::string message_text() {
        auto m = op->message();
        return m ? m->text : "";
    }
    // The cells of a list's highlighted row, joined.
    std::string highlighted(Window& w, int columns) {
        std::string all;
        for (int c = 1; c <= columns; ++c) all += op->cell(w, "?BROWSE:1", op->selected_row(w, "?BROWSE:1"), c) + "|";
        return all;
    }

    TempFolder folder;
    std::unique_ptr<Operator> op;
};

// Every scenario runs on both engines.
std::string engine_name(const ::testing::TestParamInfo<const char*>& info) { return info.param; }
#define ZRV_ON_BOTH_ENGINES(Suite) INSTANTIATE_TEST_SUITE_P(Engines, Suite, ::testing::Values("headless", "qt"), engine_name)

ZRV_ON_BOTH_ENGINES(Parity);

// --- the team sheet: look-ups on entering and on leaving ---------------------------------------

class TeamSheetParity : public Parity {
protected:
    void SetUp() override {
        Parity::SetUp();
        add(TableId::Competidor, {{"CM:FullNameC", "Aiko Tanaka"}, {"CM:DojoName", "Shotokan Norte"}});
        event_ = add(TableId::KumiteEquipo5, {{"KE212:CodigoDeEvento", "TEAM-1"},
                                              {"KE212:NOMBRECOMPETIDOR1E1R1A", "Aiko Tanaka"},
                                              {"KE212:NOMBRECOMPETIDOR1E2R1R", "Aiko Tanaka"}});
    }
    Window& sheet() { return open("BrowseEquipo5", 1, "?CHANGE:4", "UpdateEquipo5"); }
    std::int64_t event_ = 0;
};

ZRV_ON_BOTH_ENGINES(TeamSheetParity);

TEST_P(TeamSheetParity, EnteringANameNotFoundLooksItUpOnceAndKeepsTheFocus) {
    Window& w = sheet();
    op->click(w, "?KE212:NOMBRECOMPETIDOR2E1R1A");  // empty: not found
    EXPECT_EQ(message_text(), "The Procedure SelectCompetidor2 has not been defined.");
    EXPECT_TRUE(op->blocked(w));
    op->answer(ButtonOk);
    EXPECT_FALSE(op->message());  // the focus coming back is no new entering
    EXPECT_EQ(op->focused(w), "?KE212:NOMBRECOMPETIDOR2E1R1A");
    op->click(w, "?KE212:NOMBRECOMPETIDOR1E1R1A");  // found: nothing to say
    EXPECT_FALSE(op->message());
}

TEST_P(TeamSheetParity, AFailedLookUpOnLeavingBringsTheFocusBackAndVoidsTheEntering) {
    Window& w = sheet();
    op->fill(w, "?KE212:NOMBRECOMPETIDOR1E1R1A", "Nobody Known");
    EXPECT_FALSE(op->message());
    op->click(w, "?KE212:NOMBRECOMPETIDOR1E2R1R");  // leaving: the name is looked up
    EXPECT_EQ(message_text(), "The Procedure SelectCompetidor2 has not been defined.");
    op->answer(ButtonOk);
    EXPECT_FALSE(op->message());
    EXPECT_EQ(op->focused(w), "?KE212:NOMBRECOMPETIDOR1E1R1A");
    EXPECT_EQ(trimmed(op->text(w, "?KE212:NOMBRECOMPETIDOR1E1R1A")), "Nobody Known");
    // OK stops at the same look-up; a name found then stores.
    op->click(w, "?OK");
    EXPECT_EQ(message_text(), "The Procedure SelectCompetidor2 has not been defined.");
    op->answer(ButtonOk);
    EXPECT_NE(op->window("UpdateEquipo5"), nullptr);
    op->fill(w, "?KE212:NOMBRECOMPETIDOR1E1R1A", "aiko tanaka");
    op->click(w, "?OK");
    EXPECT_FALSE(op->message());
    EXPECT_EQ(op->window("UpdateEquipo5"), nullptr);
    EXPECT_EQ(stored(TableId::KumiteEquipo5, event_, "KE212:NOMBRECOMPETIDOR1E1R1A"), "aiko tanaka");  // as typed
}

// A name typed with its accents, keyed in by the operator as spelt, is looked up and stored as
// typed; its dojo shows with its accents.
TEST_P(TeamSheetParity, ANameTypedWithItsAccentsIsLookedUpAndStoredAsTyped) {
    add(TableId::Competidor, {{"CM:FullNameC", "José Hernández"}, {"CM:DojoName", "Dojo Málaga"}});
    Window& w = sheet();
    op->fill(w, "?KE212:NOMBRECOMPETIDOR1E1R1A", "josé hernández");
    EXPECT_EQ(op->text(w, "?KE212:NOMBRECOMPETIDOR1E1R1A"), "josé hernández");
    op->click(w, "?KE212:NOMBRECOMPETIDOR1E2R1R");  // leaving: found, nothing to say
    EXPECT_FALSE(op->message());
    EXPECT_EQ(trimmed(op->text(w, "?KE212:NOMBRECOMPETIDOR1DOJOE1R1A")), "Dojo Málaga");
    op->click(w, "?OK");
    EXPECT_FALSE(op->message());
    EXPECT_EQ(stored(TableId::KumiteEquipo5, event_, "KE212:NOMBRECOMPETIDOR1E1R1A"), "josé hernández");
}

// A name typed in another case than stored is found in every script, not only from A to Z.
TEST_P(TeamSheetParity, ANameTypedInAnotherCaseIsFoundInEveryScript) {
    const struct {
        const char* stored;
        const char* typed;
        const char* dojo;
    } cases[] = {{"Иван Петров", "иван ПЕТРОВ", "Додзё Москва"},
                 {"Γιώργος Παπαδόπουλος", "ΓΙΏΡΓΟΣ παπαδόπουλοσ", "Ντότζο Αθήνα"},
                 {"Łukasz Żółć", "łukasz żółć", "Dojo Łódź"}};
    Window& w = sheet();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        add(TableId::Competidor, {{"CM:FullNameC", c.stored}, {"CM:DojoName", c.dojo}});
        op->fill(w, "?KE212:NOMBRECOMPETIDOR1E1R1A", c.typed);
        op->click(w, "?KE212:NOMBRECOMPETIDOR1E2R1R");  // leaving: looked up
        EXPECT_FALSE(op->message()) << message_text();
        if (op->message()) op->answer(ButtonOk);
        EXPECT_EQ(trimmed(op->text(w, "?KE212:NOMBRECOMPETIDOR1DOJOE1R1A")), c.dojo);
    }
}

// OK on a sheet gives every name found in Competidor its dojo, also the names the sheet opened
// with (a stale dojo, none) that the operator did not touch; a blank name keeps the dojo it has.
TEST_P(TeamSheetParity, OkGivesEveryNameFoundOnTheSheetItsDojo) {
    auto& t = table(TableId::KumiteEquipo5);
    t.record().set_integer(0, event_);
    ASSERT_TRUE(t.get_by_key(0));
    for (const auto& [f, v] :
         Values{{"KE212:NOMBRECOMPETIDOR1DOJOE1R1A", "old dojo"}, {"KE212:NOMBRECOMPETIDOR4DOJOE1R1A", "kept dojo"}})
        ASSERT_TRUE(t.record().set_text(f, v)) << f;
    ASSERT_TRUE(t.update());
    Window& w = sheet();
    op->click(w, "?OK");
    EXPECT_FALSE(op->message()) << message_text();
    EXPECT_EQ(op->window("UpdateEquipo5"), nullptr);
    const struct {
        const char* name;
        const char* dojo;
        const char* expected;
    } cases[] = {{"on the sheet, a stale dojo", "KE212:NOMBRECOMPETIDOR1DOJOE1R1A", "Shotokan Norte"},
                 {"on the sheet, no dojo", "KE212:NOMBRECOMPETIDOR1DOJOE2R1R", "Shotokan Norte"},
                 {"blank", "KE212:NOMBRECOMPETIDOR4DOJOE1R1A", "kept dojo"}};
    for (const auto& c : cases) EXPECT_EQ(stored(TableId::KumiteEquipo5, event_, c.dojo), c.expected) << c.name;
}

// --- the manual results: request texts, status messages, typing between ticks, Ctrl+H ---------

class ManualResultsParity : public Parity {
protected:
    void SetUp() override {
        Parity::SetUp();
        for (const char* name : {"Aiko Tanaka", "Bruno Silva"})
            ids_.push_back(add(TableId::ResultadosManual, {{"RM:PrimerLugarNombre", name}}));
    }
    std::vector<std::int64_t> ids_;
    static constexpr const char* kList = "BrowseResultadosManualesKata";
    static constexpr const char* kForm = "PantallaResultadosManualKata";
    static constexpr const char* kName = "?RM:PrimerLugarNombre";
};

ZRV_ON_BOTH_ENGINES(ManualResultsParity);

TEST_P(ManualResultsParity, TheRequestTextAndTheFocusedEntrysMessageShowInTheStatusBar) {
    Window& w = open(kList, 1, "?CHANGE:4", kForm);
    EXPECT_EQ(op->status(w, 2), "Record Will Be Changed");
    op->click(w, kName);
    EXPECT_EQ(op->status(w, 1), "Primer Lugar Nombre");
    op->click(w, "?CANCEL");
    EXPECT_EQ(op->window(kForm), nullptr);
    Window& view = open(kList, 0, "?VIEW:3", kForm);
    EXPECT_EQ(op->status(view, 2), "View Record");
    op->click(view, "?OK");
    Window& insert = open(kList, 0, "?INSERT:4", kForm);
    EXPECT_EQ(op->status(insert, 2), "Record Will Be Added");
    op->click(insert, "?CANCEL");
}

// Typed text lives through the ticks until the entry is left, whichever way OK is reached.
TEST_P(ManualResultsParity, TypingBetweenTicksIsStoredByOkByMouseAndByEnter) {
    struct Case {
        const char* how;
        const char* typed;
        bool enter;
    } cases[] = {{"mouse", "Carla Mendez", false}, {"enter", "Dana Ito", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        Window& w = open(kList, 1, "?CHANGE:4", kForm);
        const std::int64_t id = ids_.back();  // the newest first
        op->click(w, kName);
        op->select_all();
        const std::string typed = c.typed;
        op->type(typed.substr(0, 4));
        op->advance_ms(50);  // ticks re-read the record meanwhile
        op->type(typed.substr(4));
        op->advance_ms(50);
        EXPECT_EQ(op->text(w, kName), typed);
        if (c.enter) op->press(Key::Enter);
        else op->click(w, "?OK");
        EXPECT_EQ(op->window(kForm), nullptr);
        EXPECT_EQ(stored(TableId::ResultadosManual, id, "RM:PrimerLugarNombre"), typed);
        op->click(expect(kList), "?CLOSE");
    }
}

// A name typed in other scripts, by key, is stored as typed.
TEST_P(ManualResultsParity, ANameTypedInOtherScriptsIsStoredAsTyped) {
    const std::int64_t id = ids_.back();
    const std::string typed = "Łukasz Иванов Παπαδόπουλος דוד 김민준";
    Window& w = open(kList, 1, "?CHANGE:4", kForm);
    op->fill(w, kName, typed);
    EXPECT_EQ(op->text(w, kName), typed);
    op->click(w, "?OK");
    EXPECT_EQ(op->window(kForm), nullptr);
    EXPECT_EQ(stored(TableId::ResultadosManual, id, "RM:PrimerLugarNombre"), typed);
}

TEST_P(ManualResultsParity, AnInsertKeepsWhatWasTypedAndACancelledChangeAsksFirst) {
    Window& insert = open(kList, 0, "?INSERT:4", kForm);
    op->fill(insert, kName, "Emil Novak");
    op->advance_ms(30);
    op->click(insert, "?OK");
    EXPECT_EQ(op->window(kForm), nullptr);
    const std::int64_t added = table(TableId::ResultadosManual).highest_value(0);
    EXPECT_EQ(stored(TableId::ResultadosManual, added, "RM:PrimerLugarNombre"), "Emil Novak");

    Window& change = open(kList, 1, "?CHANGE:4", kForm);
    op->fill(change, kName, "Somebody Else");
    op->advance_ms(30);
    op->click(change, "?CANCEL");  // leaving the entry accepts it first: the record differs
    auto asked = op->message();
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->title, "Changes will be lost!");
    op->answer(ButtonNo);
    EXPECT_NE(op->window(kForm), nullptr);
    op->click(change, "?CANCEL");
    op->answer(ButtonYes);
    EXPECT_EQ(op->window(kForm), nullptr);
}

// Escape presses the form's Cancel as a click does: at once when nothing changed, asking first
// when something did (typed and not yet left, too); on a list it presses Close.
TEST_P(ManualResultsParity, EscapePressesTheFormsCancelAndTheListsClose) {
    op->start(kList);
    Window& list = expect(kList);
    op->click_row(list, "?BROWSE:1", 1);
    op->click(list, "?CHANGE:4");
    expect(kForm);
    op->press(Key::Escape);
    EXPECT_FALSE(op->message());
    EXPECT_EQ(op->window(kForm), nullptr);

    op->click(list, "?CHANGE:4");
    Window& form = expect(kForm);
    const std::int64_t id = ids_.back();  // the newest first
    op->fill(form, kName, "Somebody Else");
    op->press(Key::Escape);
    auto asked = op->message();
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->title, "Changes will be lost!");
    op->answer(ButtonNo);
    ASSERT_EQ(op->window(kForm), &form);
    EXPECT_EQ(op->text(form, kName), "Somebody Else");
    op->click(form, kName);  // back in the form
    op->press(Key::Escape);
    ASSERT_TRUE(op->message());
    op->answer(ButtonYes);
    EXPECT_EQ(op->window(kForm), nullptr);
    EXPECT_EQ(stored(TableId::ResultadosManual, id, "RM:PrimerLugarNombre"), "Bruno Silva");

    op->click_row(list, "?BROWSE:1", 2);
    op->press(Key::Escape);
    EXPECT_FALSE(op->message());
    EXPECT_EQ(op->window(kList), nullptr);
}

// A list opened from the menu has the focus on its rows: the arrow keys move at once.
TEST_P(ManualResultsParity, AListOpensWithTheFocusOnItsRows) {
    op->start(kList);
    Window& list = expect(kList);
    EXPECT_EQ(op->focused(list), "?BROWSE:1");
    EXPECT_EQ(op->selected_row(list, "?BROWSE:1"), 1);
    op->press(Key::Down);
    EXPECT_EQ(op->selected_row(list, "?BROWSE:1"), 2);
}

TEST_P(ManualResultsParity, CtrlHInAnEntryRestoresItsFieldFromTheLastCompletion) {
    Window& w = open(kList, 1, "?CHANGE:4", kForm);
    op->fill(w, kName, "José Hernández");
    op->click(w, "?OK");
    Window& again = open(kList, 1, "?CHANGE:4", kForm);
    op->fill(again, kName, "Łukasz Żółć Иванов 田中");  // typed in other scripts, then given up
    EXPECT_EQ(op->text(again, kName), "Łukasz Żółć Иванов 田中");
    op->press(Key::CtrlH);
    EXPECT_EQ(trimmed(op->text(again, kName)), "José Hernández");
    op->click(again, "?CANCEL");
    if (op->message()) op->answer(ButtonYes);
}

TEST_P(ManualResultsParity, AMessageBoxBlocksItsOwnScreenOnly) {
    Window& form = open(kList, 1, "?CHANGE:4", kForm);
    op->start("BrowseResultadosManualesIndividual");
    Window& other = expect("BrowseResultadosManualesIndividual");
    op->fill(form, kName, "Someone New");
    op->click(form, "?CANCEL");
    ASSERT_TRUE(op->message());
    EXPECT_TRUE(op->blocked(form));
    EXPECT_FALSE(op->blocked(other));
    op->click_row(other, "?BROWSE:1", 2);
    EXPECT_EQ(op->selected_row(other, "?BROWSE:1"), 2);
    op->answer(ButtonYes);
    EXPECT_FALSE(op->blocked(other));
}

TEST_P(ManualResultsParity, CerrarWrittenByAnotherProcessClosesTheForm) {
    open(kList, 1, "?CHANGE:4", kForm);
    ASSERT_EQ(run_scoring_tool({"set", "ResultadosManual", std::to_string(ids_.back()), "Cerrar=1"}), 0);
    op->advance_ms(100);
    EXPECT_EQ(op->window(kForm), nullptr);
    EXPECT_FALSE(op->message());
}

// The operator is still typing when the scoring software closes the form: the typing is the
// operator's change and is stored; the other program's fields stay as it wrote them.
TEST_P(ManualResultsParity, CerrarWhileTheOperatorTypesStoresTheTyping) {
    const std::int64_t id = ids_.back();
    Window& w = open(kList, 1, "?CHANGE:4", kForm);
    op->fill(w, kName, "Carla Mendez");
    op->advance_ms(50);
    ASSERT_EQ(run_scoring_tool({"set", "ResultadosManual", std::to_string(id), "SegundoLugarNombre=Eva Kim", "Cerrar=1"}), 0);
    op->advance_ms(100);
    EXPECT_EQ(op->window(kForm), nullptr);
    EXPECT_FALSE(op->message());
    EXPECT_EQ(stored(TableId::ResultadosManual, id, "RM:PrimerLugarNombre"), "Carla Mendez");
    EXPECT_EQ(stored(TableId::ResultadosManual, id, "RM:SegundoLugarNombre"), "Eva Kim");
}

// --- a running scoreboard beside another screen's message box -----------------------------------

// The black board on a bout the scoring software wrote; its record leaves the clock to the board
// (SB:StopStart 2), so Start and Stop alone run it. A message box on another screen's thread
// blocks that screen only: the board keeps counting, and its buttons keep working.
TEST_P(ManualResultsParity, AScoreboardsStartAndStopWorkWhileAnotherScreenShowsAMessageBox) {
    constexpr int kClock = 300;  // the board's clock cells
    ASSERT_EQ(run_scoring_tool({"create"}), 0);
    ASSERT_EQ(run_scoring_tool({"set", "ScoreBoard", "1", "FullNameAo=Bruno Silva", "FullNameAka=Aiko Tanaka", "Timer1StartTime=90",
                                "StopStart=2"}),
              0);
    Window& board = open("BrowseScoreBoardView1", 1, "?CHANGE:4", "UpdateScoreBoard1");
    op->advance_ms(1000);
    EXPECT_EQ(op->clock(board, kClock), "00:01:30");  // it opens paused

    Window& form = open(kList, 1, "?CHANGE:4", kForm);
    op->fill(form, kName, "Someone New");
    op->click(form, "?CANCEL");
    ASSERT_TRUE(op->message());
    ASSERT_TRUE(op->blocked(form));
    EXPECT_FALSE(op->blocked(board));

    op->click(board, "?BUTTON2");  // Start
    op->advance_ms(5000);
    EXPECT_EQ(op->clock(board, kClock), "00:01:25");
    op->click(board, "?BUTTON1");  // Stop
    op->advance_ms(3000);
    EXPECT_EQ(op->clock(board, kClock), "00:01:25");
    op->click(board, "?BUTTON2");
    op->advance_ms(2000);
    EXPECT_EQ(op->clock(board, kClock), "00:01:23");
    ASSERT_TRUE(op->message());  // still waiting for its answer
    EXPECT_EQ(op->window(kForm), &form);

    op->answer(ButtonYes);
    EXPECT_EQ(op->window(kForm), nullptr);
    op->advance_ms(1000);
    EXPECT_EQ(op->clock(board, kClock), "00:01:22");
}

// --- another program's change of the field being typed into --------------------------------------

// Every kind of form that stores, each on a record of its table: the operator types into an
// entry and clicks OK without leaving it, while another program (the sqlite3 client) changed
// that very field meanwhile. OK gives message 7; the other program's value stays in the file and
// the operator's text in the form, which a second OK stores over it.
struct TypedOverCase {
    const char* form;
    const char* list;
    TableId table;
    const char* field;  // the entry shows it: "?" + field
};

TEST_P(Parity, AFieldAnotherProgramChangesWhileTheOperatorTypesIntoItGivesMessage7AndKeepsBoth) {
    const TypedOverCase cases[] = {
        {"UpDateScoreBoard2", "BrowseScoreBoard", TableId::ScoreBoard, "SB:FullNameAo"},
        {"UpdateScoreBoard1", "BrowseScoreBoardView1", TableId::ScoreBoard, "SB:FullNameAo"},
        {"UpDateEquipoScoreBoardPantalla", "BrowseEquipo4ScoreBoard7", TableId::ScoreBoard, "SB:FullNameAo"},
        {"UpdateKumiteIndividual", "BrowseKumiteIndividual", TableId::KumiteIndividual, "KE24:COMPETIDOR1DOJO"},
        {"UpdateKumiteIndividual4", "BrowseKumiteIndividual4", TableId::KumiteIndividual, "KE24:COMPETIDOR1DOJO"},
        {"UpdateKumiteIndividual16", "BrowseKumiteIndividual41", TableId::KumiteIndividual, "KE24:COMPETIDOR1DOJO"},
        {"UpdateEquipo5", "BrowseEquipo5", TableId::KumiteEquipo5, "KE212:NombreDeEquipoE1R1A"},
        {"UpdateEquipo3", "BrowseEquipo3", TableId::KumiteEquipo5, "KE212:NombreDeEquipoE1R1A"},
        {"Consola", "BrowseKataEventResultados", TableId::KataEvent, "KE:CodigoEvento"},
        {"PantallaResultadosManualKata", "BrowseResultadosManualesKata", TableId::ResultadosManual, "RM:PrimerLugarNombre"},
        {"PantallaResultadosManualIndividual", "BrowseResultadosManualesIndividual", TableId::ResultadosManual,
         "RM:PrimerLugarNombre"},
        {"PantallaResultadosManualEquipo", "BrowseResultadosManualesEquipos", TableId::ResultadosManual, "RM:PrimerLugarNombre"},
    };
    for (const TypedOverCase& c : cases) {
        SCOPED_TRACE(c.form);
        const store::TableLayout& layout = table(c.table).layout();
        const std::string file = layout.stored_name + ".sqlite";
        const auto column = [](const std::string& field) { return field.substr(field.find(':') + 1); };
        if (table(c.table).highest_value(0) > 0) {
            ASSERT_EQ(run_sqlite3(file, "DELETE FROM " + layout.name + ";"), 0);
        }
        const std::int64_t id = add(c.table, {{c.field, "As Opened"}});  // the list's only row
        op->start(c.list);
        Window& list = expect(c.list);
        op->double_click_row(list, "?BROWSE:1", 1);  // change
        Window& form = expect(c.form);
        const std::string entry = std::string("?") + c.field;
        ASSERT_TRUE(op->visible(form, entry));
        op->fill(form, entry, "Typed");
        op->advance_ms(50);
        ASSERT_EQ(run_sqlite3(file, "UPDATE " + layout.name + " SET " + column(c.field) + " = 'Written Elsewhere' WHERE " +
                                        column(layout.fields[0].name) + " = " + std::to_string(id) + ";"),
                  0);
        op->advance_ms(50);  // ticks read the record again while the operator types
        op->type(" By Hand");
        op->advance_ms(50);
        EXPECT_EQ(op->text(form, entry), "Typed By Hand");
        op->click(form, "?OK");  // without leaving the entry first
        auto shown = op->message();
        ASSERT_TRUE(shown) << "the other program's value was overwritten: " << stored(c.table, id, c.field);
        EXPECT_EQ(shown->title, "Record Was Not Updated");
        op->answer(ButtonOk);
        EXPECT_EQ(op->window(c.form), &form);
        EXPECT_EQ(trimmed(op->text(form, entry)), "Typed By Hand");
        EXPECT_EQ(stored(c.table, id, c.field), "Written Elsewhere");
        op->click(form, "?OK");  // the operator, told, stores over it
        EXPECT_FALSE(op->message()) << message_text();
        EXPECT_EQ(op->window(c.form), nullptr);
        EXPECT_EQ(stored(c.table, id, c.field), "Typed By Hand");
        op->click_row(list, "?BROWSE:1", 1);
        op->press(Key::Escape);  // the list's close
        ASSERT_EQ(op->window(c.list), nullptr);
    }
}

// --- values that do not fit their fields -------------------------------------------------------

// A number entry's text that is no number, whose value the field cannot hold or that has more
// decimals than the entry keeps, and a date entry's text that is no date, are refused with
// message 20 naming the field; the field keeps its value and the form stays open. A text entry
// takes no more characters than its field holds (a place field of 20 characters shown with room
// for 40), so what it shows is what is stored. Each typed into and OK clicked without leaving.
TEST_P(Parity, AValueThatDoesNotFitItsFieldIsRefusedNamingItOrShownCutBeforeItIsStored) {
    const std::string forty(40, 'n'), twenty(20, 'p');
    const struct {
        const char* form;
        const char* list;
        TableId table;
        int tab;  // 0: the form's first
        const char* field;
        std::string typed;
        std::string refused;  // the range message 20 gives; "" none
        std::string stored;
        std::string shown;  // what the entry shows before OK, where it is not what is stored
    } cases[] = {
        {"PantallaResultadosManualKata", "BrowseResultadosManualesKata", TableId::ResultadosManual, 0, "RM:PRIMERLUGARPUNTOSTOTAL",
         "12x5", "-9999999 .. 9999999", "7"},
        {"PantallaResultadosManualKata", "BrowseResultadosManualesKata", TableId::ResultadosManual, 0, "RM:PRIMERLUGARPUNTOSTOTAL",
         "12345678", "-9999999 .. 9999999", "7"},
        {"PantallaResultadosManualKata", "BrowseResultadosManualesKata", TableId::ResultadosManual, 0, "RM:PRIMERLUGARPUNTOSTOTAL",
         "-9999999", "", "-9999999"},
        {"PantallaResultadosManualKata", "BrowseResultadosManualesKata", TableId::ResultadosManual, 0, "RM:PrimerLugarNombre",
         forty + "cut", "", forty},
        {"UpdateKumiteIndividual16", "BrowseKumiteIndividual41", TableId::KumiteIndividual, 3, "KE24:PRIMERLUGARORO", twenty + "Łódź",
         "", twenty},
        {"UpdateKumiteIndividual16", "BrowseKumiteIndividual41", TableId::KumiteIndividual, 3, "KE24:PRIMERLUGARORO",
         "Żaneta Łukasiewicz", "", "Żaneta Łukasiewicz"},
        // A date entry's text that is no date, or no day of the calendar.
        {"Consola", "BrowseKataEventResultados", TableId::KataEvent, 0, "KE:FechaDeEvento", "yesterday", "01/01/1801 .. 31/12/9999",
         "80000"},
        {"Consola", "BrowseKataEventResultados", TableId::KataEvent, 0, "KE:FechaDeEvento", "31/02/2026", "01/01/1801 .. 31/12/9999",
         "80000"},
        // More decimals than the entry keeps: its field's two, or none where its picture shows none.
        {"UpdateEquipo3", "BrowseEquipo3", TableId::KumiteEquipo5, 1, "KE212:PUNTOSC1E1R1A", "1.5", "-99999 .. 99999", "7.00"},
        {"UpdateEquipo3", "BrowseEquipo3", TableId::KumiteEquipo5, 4, "KE212:EQUIPO1R2TRE", "1.230", "", "1.23", "1.230"},
        {"UpdateEquipo3", "BrowseEquipo3", TableId::KumiteEquipo5, 4, "KE212:EQUIPO1R2TRE", "1.234", "-99999.99 .. 99999.99", "7.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.typed);
        auto& t = table(c.table);
        if (t.highest_value(0) > 0) {
            ASSERT_EQ(run_sqlite3(t.layout().stored_name + ".sqlite", "DELETE FROM " + t.layout().name + ";"), 0);
        }
        const std::string before = c.refused.empty() ? "" : c.stored;
        const std::int64_t id = add(c.table, {{c.field, before}});
        op->start(c.list);
        Window& list = expect(c.list);
        op->double_click_row(list, "?BROWSE:1", 1);  // change
        Window& form = expect(c.form);
        if (c.tab) op->click_tab(form, "?CurrentTab", c.tab);
        const std::string entry = std::string("?") + c.field;
        ASSERT_TRUE(op->visible(form, entry));
        op->fill(form, entry, c.typed);
        op->advance_ms(30);
        if (c.refused.empty()) {
            EXPECT_EQ(op->text(form, entry), c.shown.empty() ? c.stored : c.shown);  // the entry took what its field holds
        }
        op->click(form, "?OK");
        if (!c.refused.empty()) {
            auto shown = op->message();
            ASSERT_TRUE(shown) << "stored as " << stored(c.table, id, c.field);
            EXPECT_EQ(shown->title, "Range Error");
            EXPECT_EQ(shown->text, "The value of " + std::string(c.field) + " must be in range " + c.refused + ".");
            op->answer(ButtonOk);
            EXPECT_FALSE(op->message());  // told once
            EXPECT_EQ(op->window(c.form), &form);
            EXPECT_EQ(upper(op->focused(form)), upper(entry));
            EXPECT_EQ(op->text(form, entry), c.typed);  // the operator's text stays to be mended
            op->press(Key::Escape);                     // nothing to lose: the field kept its value
            EXPECT_FALSE(op->message()) << message_text();
        }
        EXPECT_EQ(op->window(c.form), nullptr);
        EXPECT_EQ(stored(c.table, id, c.field), c.stored);
        op->click_row(list, "?BROWSE:1", 1);
        op->press(Key::Escape);
        ASSERT_EQ(op->window(c.list), nullptr);
    }
}

// --- locators -----------------------------------------------------------------------------------

TEST_P(Parity, ABracketListsTypingLocatorLocatesAsEachDigitIsTyped) {
    for (int i = 1; i <= 12; ++i) add(TableId::KumiteIndividual, {{"KE24:CodigoDeEvento", "EV-" + std::to_string(i)}});
    op->start("BrowseKumiteIndividual");
    Window& w = expect("BrowseKumiteIndividual");
    op->click(w, "?KE24:IDNUMERODEEVENTOKINDIVIDUAL");
    op->select_all();
    op->type("1");
    EXPECT_NE(highlighted(w, 12).find("|EV-1|"), std::string::npos) << highlighted(w, 12);
    op->type("2");
    EXPECT_NE(highlighted(w, 12).find("|EV-12|"), std::string::npos) << highlighted(w, 12);
}

TEST_P(Parity, AKataListTakesANumberOfSeveralDigitsTypedIntoTheList) {
    for (int i = 1; i <= 12; ++i) add(TableId::KataEvent, {{"KE:CodigoEvento", "KA-" + std::to_string(i)}});
    op->start("BrowseKataEvent1");
    Window& w = expect("BrowseKataEvent1");
    op->click_row(w, "?BROWSE:1", 1);
    op->type("1");
    op->type("0");
    EXPECT_EQ(op->focused(w), "?KE:NUMERODECOMPETICION");
    EXPECT_EQ(op->text(w, "?KE:NUMERODECOMPETICION"), "10");
    op->press(Key::Enter);  // accepting the entry locates
    EXPECT_NE(highlighted(w, 8).find("|KA-10|"), std::string::npos) << highlighted(w, 8);
    // The entry lies on the first tab: on another, a key typed into the list is that tab's.
    op->click_tab(w, "?CurrentTab", 3);
    EXPECT_FALSE(op->visible(w, "?KE:NUMERODECOMPETICION"));
    EXPECT_TRUE(op->visible(w, "?BROWSE:1"));
    op->click_row(w, "?BROWSE:1", 1);
    op->type("7");
    EXPECT_EQ(op->focused(w), "?BROWSE:1");
    EXPECT_EQ(op->text(w, "?KE:NUMERODECOMPETICION"), "10");
}

TEST_P(Parity, TheNextUpKumiteListLocatesByTheWholeNumberAndItsBoxesFollow) {
    // Event 125 alone is running; the number typed into the list goes on in the locator entry.
    for (int i = 1; i <= 130; ++i)
        add(TableId::KumiteIndividual, {{"KE24:CodigoDeEvento", "EV-" + std::to_string(i)}, {"KE24:Queue", i == 125 ? "1" : "2"}});
    op->start("BrowseReadUpKumiteScreen41");
    Window& w = expect("BrowseReadUpKumiteScreen41");
    op->click_row(w, "?BROWSE:1", 1);
    EXPECT_EQ(op->text(w, "?KE24:QUEUE"), "QueueStop");
    op->type("125");
    EXPECT_EQ(op->focused(w), "?KE24:IDNUMERODEEVENTOKINDIVIDUAL");
    EXPECT_EQ(op->text(w, "?KE24:IDNUMERODEEVENTOKINDIVIDUAL"), "125");
    EXPECT_NE(highlighted(w, 4).find("|EV-125|"), std::string::npos) << highlighted(w, 4);
    EXPECT_EQ(op->text(w, "?KE24:QUEUE"), "QueueStart");
    op->advance_ms(1000);  // the list's ticks keep it there
    EXPECT_NE(highlighted(w, 4).find("|EV-125|"), std::string::npos) << highlighted(w, 4);
    EXPECT_EQ(op->text(w, "?KE24:QUEUE"), "QueueStart");
}

// A character typed into a list in an order by text locates by its letters without accents or
// case, whatever the keyboard's script: the first name that begins with it, wherever the order
// by the file's bytes puts it ("Émile" after "Zoe").
TEST_P(Parity, ACharacterOfAnyScriptTypedIntoAListLocatesTheNameThatBeginsWithItsLetter) {
    for (const char* name : {"Zoe", "Émile", "Ola", "Lukas", "Adam", "Иванов", "Łukasz"})
        add(TableId::KumiteIndividual, {{"KE24:NombreDelEvento", name}});
    op->start("BrowseKumiteIndividual");
    Window& w = expect("BrowseKumiteIndividual");
    op->click_tab(w, "?CurrentTab", 7);  // by tournament name, located by it
    op->click_row(w, "?BROWSE:1", 1);
    const auto name = [&] { return trimmed(op->cell(w, "?BROWSE:1", op->selected_row(w, "?BROWSE:1"), 9)); };
    ASSERT_EQ(name(), "Adam");
    const struct {
        const char* step;
        const char* typed;
        const char* located;
    } cases[] = {
        {"a letter beyond Latin-1 as its base letter", "ł", "Lukas"},
        {"an upper-case letter finds the accented name", "E", "Émile"},
        {"the accented letter itself", "é", "Émile"},
        {"a lower-case letter", "z", "Zoe"},
        {"a letter of another script", "и", "Иванов"},
        {"a letter of another script that no name begins with, nor any after it", "я", "Иванов"},
        {"a letter beyond the BMP, the same", "𠮷", "Иванов"},
        {"and back", "o", "Ola"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        op->type(c.typed);
        EXPECT_EQ(name(), c.located);
        EXPECT_EQ(op->focused(w), "?BROWSE:1");
    }
}

// --- the search ----------------------------------------------------------------------------------

// A query typed without accents finds the accented name and ranks the row holding the whole
// query in one field before the row holding its words in two.
TEST_P(Parity, ASearchWithoutAccentsRanksTheNameWholeInOneFieldFirst) {
    // The list's own order (newest first) would put the row of two fields before the other.
    add(TableId::KumiteIndividual, {{"KE24:CodigoDeEvento", "ONE-FIELD"}, {"KE24:NombreDelEvento", "LUIS HERNÁNDEZ"}});
    add(TableId::KumiteIndividual, {{"KE24:CodigoDeEvento", "NEAR"}, {"KE24:NombreDelEvento", "Luisa Fernandez"}});
    add(TableId::KumiteIndividual,
        {{"KE24:CodigoDeEvento", "TWO-FIELDS"}, {"KE24:NombreDelEvento", "Luis"}, {"KE24:Divicion", "Hernandez"}});
    add(TableId::KumiteIndividual, {{"KE24:CodigoDeEvento", "OTHER"}, {"KE24:NombreDelEvento", "Ana Silva"}});
    op->start("BrowseKumiteIndividual");
    Window& w = expect("BrowseKumiteIndividual");
    op->fill(w, "?FUZZYQUERY", "luis hernandez");
    op->click(w, "?FUZZYGO");
    const struct {
        const char* code;
        const char* score;
    } ranked[] = {{"ONE-FIELD", "100"}, {"TWO-FIELDS", "100"}, {"NEAR", "96"}};
    ASSERT_EQ(op->rows(w, "?BROWSE:1"), 4);
    for (int row = 1; row <= 3; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(trimmed(op->cell(w, "?BROWSE:1", row, 4)), ranked[row - 1].code);
        EXPECT_EQ(trimmed(op->cell(w, "?BROWSE:1", row, 1)), ranked[row - 1].score);
    }
}

// --- a list keeps its place ----------------------------------------------------------------------

TEST_P(Parity, AHighlightedRowDeletedByAnotherProgramGivesWayToTheNextInTheOrder) {
    // The third tab orders by tatami; the first keeps the numbers' order.
    for (const char* tatami : {"T3", "T1", "T5", "T2", "T6", "T4"}) add(TableId::KumiteIndividual, {{"KE24:TatamiMatsNo", tatami}});
    op->start("BrowseQueueKKIndividual1");
    Window& w = expect("BrowseQueueKKIndividual1");
    op->click_tab(w, "?CURRENTTAB", 3);
    op->click_row(w, "?BROWSE:1", 5);
    const auto tatami = [&] { return trimmed(op->cell(w, "?BROWSE:1", op->selected_row(w, "?BROWSE:1"), 5)); };
    ASSERT_EQ(tatami(), "T5");
    const struct {
        const char* deleted;
        const char* then;
    } cases[] = {{"T5", "T6"}, {"T6", "T4"}};  // the next in the order; at the end, the one before
    for (const auto& c : cases) {
        SCOPED_TRACE(c.deleted);
        ASSERT_EQ(run_sqlite3("KumiteIndividual.sqlite",
                              std::string("DELETE FROM KumiteIndividual WHERE TatamiMatsNo = '") + c.deleted + "';"),
                  0);
        op->advance_ms(500);
        EXPECT_EQ(tatami(), c.then);
        EXPECT_EQ(trimmed(op->text(w, "?KE24:TATAMIMATSNO")), c.then);  // the detail entries follow
    }
}

// Forty team events on the team queue list in the order of their codes, each row four lines high.
class TeamQueueParity : public Parity {
protected:
    void SetUp() override {
        Parity::SetUp();
        for (int i = 1; i <= 40; ++i)
            add(TableId::KumiteEquipo5, {{"KE212:CodigoDeEvento", (i < 10 ? "TE-0" : "TE-") + std::to_string(i)},
                                         {"KE212:NombreDeEquipoE1R1A", "Blue"},
                                         {"KE212:NombreDeEquipo2R1R", "Red"}});
        op->start("BrowseQueueEquipos1");
        list_ = &expect("BrowseQueueEquipos1");
        op->click_tab(*list_, "?CURRENTTAB", 3);  // by event code, "TE-01" first
        op->click_row(*list_, "?BROWSE:1", 1);
    }
    // The event's number in the code of a row of the page.
    int id_at(int row) { return std::stoi(op->cell(*list_, "?BROWSE:1", row, 3).substr(3)); }
    Window* list_ = nullptr;
};
ZRV_ON_BOTH_ENGINES(TeamQueueParity);

TEST_P(TeamQueueParity, PageDownMovesByTheRowsThePageShowsWholeAndSkipsNone) {
    const struct {
        const char* way;
        bool button;
    } ways[] = {{"the Page Down key", false}, {"the Go to the Next Page button", true}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        if (way.button) {
            op->click(*list_, "?BROWSE:TOP");
            op->click_row(*list_, "?BROWSE:1", 1);
        }
        ASSERT_EQ(id_at(1), 1);
        std::vector<int> seen;
        for (int press = 0; press < 40 && (seen.empty() || seen.back() < 40); ++press) {
            const int rows = op->rows(*list_, "?BROWSE:1");
            ASSERT_GT(rows, 0);
            EXPECT_EQ(op->rows_whole(*list_, "?BROWSE:1"), rows) << "page " << press + 1;
            for (int r = 1; r <= rows; ++r)
                if (seen.empty() || id_at(r) > seen.back()) seen.push_back(id_at(r));
            if (way.button) op->click(*list_, "?BROWSE:PAGEDOWN");
            else op->press(Key::PageDown);
            if (seen.back() < 40) {
                EXPECT_EQ(id_at(1), seen.back() + 1) << "page " << press + 2 << " follows the last row shown";
            }
        }
        std::vector<int> all(40);
        for (int i = 0; i < 40; ++i) all[static_cast<std::size_t>(i)] = i + 1;
        EXPECT_EQ(seen, all);
    }
}

TEST_P(TeamQueueParity, TheRowsFollowTheThumbWhileItIsDragged) {
    const int held = op->drag_thumb(*list_, "?BROWSE:1", 10, false);
    ASSERT_GT(held, 0);
    EXPECT_EQ(id_at(1), held + 1);  // before the thumb is let go
    const int let_go = op->drag_thumb(*list_, "?BROWSE:1", 20, true);
    EXPECT_EQ(id_at(1), let_go + 1);
    EXPECT_EQ(op->selected_row(*list_, "?BROWSE:1"), 1);
}

// --- the kata console: its focus on opening and Ctrl+H -------------------------------------------

TEST_P(Parity, TheKataConsoleOpensOnItsFirstButtonAndCtrlHRestoresAnEntry) {
    add(TableId::KataEvent, {{"KE:CodigoEvento", "KA-1"}});
    op->start("BrowseKataEventResultados");
    Window& list = expect("BrowseKataEventResultados");
    op->double_click_row(list, "?BROWSE:1", 1);  // change
    Window& console = expect("Consola");
    EXPECT_EQ(op->focused(console), "?BUTTON1");
    EXPECT_EQ(op->status(console, 1), "Record Will Be Changed");
    op->fill(console, "?KE:CODIGOEVENTO", "KA-STORED");
    op->click(console, "?OK");
    EXPECT_EQ(op->window("Consola"), nullptr);
    op->double_click_row(list, "?BROWSE:1", 1);
    Window& again = expect("Consola");
    op->fill(again, "?KE:CODIGOEVENTO", "KA-TYPED");
    op->press(Key::CtrlH);
    EXPECT_EQ(trimmed(op->text(again, "?KE:CODIGOEVENTO")), "KA-STORED");
}

// OK by its access key from inside the entry being typed into: the typing is stored, as by a
// click on OK.
TEST_P(Parity, TheKataConsolesOkByItsAccessKeyStoresTheEntryBeingTyped) {
    const std::int64_t id = add(TableId::KataEvent, {{"KE:CodigoEvento", "KA-1"}});
    op->start("BrowseKataEventResultados");
    Window& list = expect("BrowseKataEventResultados");
    op->double_click_row(list, "?BROWSE:1", 1);  // change
    Window& console = expect("Consola");
    op->fill(console, "?KE:CODIGOEVENTO", "KA-BY-ALT");
    op->advance_ms(50);  // a tick between the typing and the key
    op->press_access_key('o');
    EXPECT_EQ(op->window("Consola"), nullptr);
    EXPECT_EQ(trimmed(stored(TableId::KataEvent, id, "KE:CodigoEvento")), "KA-BY-ALT");
}

}  // namespace
}  // namespace zrv::testing
