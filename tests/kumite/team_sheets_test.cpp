// The team sheets on real table files: their layouts, the win and hantei boxes, the competitor
// and colour look-ups on accept and on focus, OK's pass, view mode, the live re-read, and the
// select procedures that are not defined.
#include <gtest/gtest.h>

#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "kumite/team_sheets.h"
#include "live/field_binding.h"
#include "tests/kumite/kumite_fixture.h"
#include "tests/support/scoring_tool.h"

namespace zrv::kumite {
namespace {

using data::TableId;

// Runs one select procedure with a request and a response already set, as a sheet does.
struct SelectRun {
    std::string name;
    int before = 0;
    int after = -1;
};
SelectRun g_select;
void run_select() {
    ThreadRequest() = kRequestSelect;
    ThreadResponse() = static_cast<std::uint8_t>(g_select.before);
    g_select.after = run_procedure(g_select.name);
}
const ProcedureRegistration select_probe{"ProbeUndefinedSelect", &run_select};

const char* list_of(const std::string& sheet) { return sheet == "UpdateEquipo5" ? "BrowseEquipo5" : "BrowseEquipo3"; }

class TeamSheets : public KumiteFixture {
protected:
    void SetUp() override {
        KumiteFixture::SetUp();
        event_ = add(TableId::KumiteEquipo5, {{"KE212:CodigoDeEvento", "TEAM-1"}});
        add(TableId::Competidor, {{"CM:FullNameC", "Aiko Tanaka"}, {"CM:DojoName", "Shotokan Norte"}});
        add(TableId::Colores, {{"COL:COLORES", "ROJO"}});
    }
    Window& open(const std::string& sheet, const char* button = "?CHANGE:4") {
        driver.start(list_of(sheet));
        Window& list = driver.expect_window(list_of(sheet));
        driver.choose(list, "?BROWSE:1", 1);
        driver.press(list, button);
        return driver.expect_window(sheet);
    }
    // The operator moves into an entry.
    void focus(Window& w, const std::string& use) { driver.enter(w, use); }
    ControlState c(Window& w, const std::string& field) { return driver.control(w, "?KE212:" + field); }
    std::string shown(Window& w, const std::string& field) {
        std::string s = c(w, field).text;
        while (!s.empty() && s.back() == ' ') s.pop_back();
        return s;
    }
    // The message of an undefined select procedure, answered; empty when none is waiting.
    std::string undefined_select() {
        auto m = driver.pending_message();
        if (!m) return "";
        EXPECT_EQ(m->title, "Procedure not defined");
        driver.answer_message(ButtonOk);
        return m->text;
    }
    std::string stored(const std::string& field) { return KumiteFixture::stored(TableId::KumiteEquipo5, event_, "KE212:" + field); }

    std::int64_t event_ = 0;
};

TEST_F(TeamSheets, EachSheetHasItsWindowTabsAndControlsAllBoundToTheRecord) {
    struct Case {
        const char* sheet;
        const char* title;
        const char* cancel;
        std::vector<std::string> tabs;
        int entries, boxes, rules;
    } cases[] = {
        {"UpdateEquipo5",
         "Kumite 4 team competition",
         "",
         {"&1) Kumite Team 1 Vs Team 2", "&2) Kumite Team 3 Vs Team 4",
          "&3) Kumite Winning team from round one Vs winning team from round two",
          "&4) Kumite Losing team from round one Vs losing team from round two", "&5) Final results", "&5) Display positions",
          "&6) Display key chart"},
         290,
         108,
         56},
        {"UpdateEquipo3",
         "Kumite Team (3)",
         "&Cancel",
         {"&1) Kumite TEAM 1 Vs TEAM 2", "&2) Kumite TEAM 3 Vs TEAM 2", "&3) Kumite Final TEAM 3  Vs TEAM 1", "&5) Final results"},
         207,
         82,
         42},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.sheet);
        Window w(team_sheet_layout(k.sheet));
        EXPECT_EQ(w.title(), k.title);
        EXPECT_EQ(w.kind(), WindowKind::MdiChild);
        EXPECT_EQ(w.timer(), 1);
        EXPECT_EQ(w.icon(), "zrvICON.ico");
        EXPECT_EQ(w.control(w.number_of("?CANCEL")).text, k.cancel);
        std::vector<std::string> tabs;
        int entries = 0, boxes = 0;
        for (const ControlState& s : w.controls()) {
            if (s.kind == ControlKind::Tab) tabs.push_back(s.text);
            if (s.kind == ControlKind::Entry) ++entries;
            if (s.kind == ControlKind::Check) ++boxes;
            if (s.kind == ControlKind::Entry || s.kind == ControlKind::Check) {
                EXPECT_TRUE(live::field_of_use(s.use)) << s.use;
            }
        }
        EXPECT_EQ(tabs, k.tabs);
        EXPECT_EQ(entries, k.entries);
        EXPECT_EQ(boxes, k.boxes);
        EXPECT_EQ(live::bind_record_controls(w), entries + boxes);
        EXPECT_EQ(static_cast<int>(team_sheet_boxes(k.sheet).size()), k.rules);
        for (const BoxRule& r : team_sheet_boxes(k.sheet)) {
            EXPECT_TRUE(w.number_of("?" + r.box)) << r.box;
            if (!r.partner.empty()) {
                EXPECT_TRUE(w.number_of("?" + r.partner)) << r.partner;
            }
        }
        for (const SheetLookup& l : team_sheet_lookups(k.sheet)) {
            EXPECT_TRUE(w.number_of("?" + l.entry)) << l.entry;
            if (!l.dojo.empty()) {
                EXPECT_TRUE(w.number_of("?" + l.dojo)) << l.dojo;
            }
        }
        for (const live::RelatedLookup& r : team_sheet_declaration(k.sheet).related)
            EXPECT_GE(table(r.table).layout().key_index(r.key), 0) << r.key;
    }
    EXPECT_EQ(team_sheet_lookups("UpdateEquipo5").size(), 28u + 4u);  // names and colours
    EXPECT_EQ(team_sheet_lookups("UpdateEquipo3").size(), 21u + 2u);
}

TEST_F(TeamSheets, AWinBoxSetsItsCompetitorsResultAndNothingElse) {
    struct Case {
        const char* sheet;
        const char* box;
        const char* result;
    } cases[] = {
        {"UpdateEquipo5", "RESULTADOC1BE1R1A", "RESULTADOC1E1R1A"},
        {"UpdateEquipo5", "RESULTADOC3BE2R1R", "RESULTADOC3E2R1R"},  // a result with places
        {"UpdateEquipo5", "RESULTADODE4R1R", "RSULTADODE4R1R"},      // tie-break of team 4
        {"UpdateEquipo5", "RESULTADOC1EW2R3R", "RESULTADOC1W2R3R"},
        {"UpdateEquipo5", "RESULTADOC4BEW2R3R", "RESULTADOC4RW2R3R"},
        {"UpdateEquipo5", "RESULTADOC5BL1R4A", "RESULTADOC5L1R4A"},
        {"UpdateEquipo3", "RESULTADODBEW1R3R", "RSULTADODEW1R3R"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.sheet) + " " + k.box);
        change(TableId::KumiteEquipo5, event_, {{std::string("KE212:") + k.result, "7"}});
        Window& w = open(k.sheet);
        driver.check(w, std::string("?KE212:") + k.box, true);
        EXPECT_EQ(shown(w, k.result), "1");
        driver.check(w, std::string("?KE212:") + k.box, false);
        EXPECT_EQ(shown(w, k.result), "0");
        driver.check(w, std::string("?KE212:") + k.box, true);
        driver.press(w, "?OK");
        EXPECT_EQ(driver.window(k.sheet), nullptr);
        EXPECT_EQ(stored(k.box).substr(0, 1), "1");
        EXPECT_EQ(stored(k.result).substr(0, 1), "1");
        driver.close(driver.expect_window(list_of(k.sheet)));
    }
}

TEST_F(TeamSheets, TheHanteiBoxesOfABoutExcludeEachOther) {
    struct Case {
        const char* sheet;
        Values before;
        const char* box;
        bool on;
        const char* partner;
        Values after;  // stored after OK
        bool partner_disabled;
    } cases[] = {
        {"UpdateEquipo5",
         {{"KE212:HANTEYE2R1R", "1"}},
         "HANTEYE1R1A",
         true,
         "HANTEYE2R1R",
         {{"HANTEYE1R1A", "1.00"}, {"HANTEYE2R1R", "0.00"}},
         true},
        {"UpdateEquipo5",
         {{"KE212:HANTEYE1R1A", "1"}},
         "HANTEYE1R1A",
         false,
         "HANTEYE2R1R",
         {{"HANTEYE1R1A", "0.00"}, {"HANTEYE2R1R", "0.00"}},
         false},
        {"UpdateEquipo5",
         {{"KE212:HANTEYL1R4A", "1"}},
         "HANTEYL2R4A",
         true,
         "HANTEYL1R4A",
         {{"HANTEYL2R4A", "1"}, {"HANTEYL1R4A", "0"}},
         true},
        // Round 1 of three teams only disables the partner; the final also clears it.
        {"UpdateEquipo3",
         {{"KE212:HANTEYE2R1R", "1"}},
         "HANTEYE1R1A",
         true,
         "HANTEYE2R1R",
         {{"HANTEYE1R1A", "1.00"}, {"HANTEYE2R1R", "1.00"}},
         true},
        {"UpdateEquipo3",
         {{"KE212:HANTEYEW2R3R", "1"}},
         "HANTEYEW1R3R",
         true,
         "HANTEYEW2R3R",
         {{"HANTEYEW1R3R", "1"}, {"HANTEYEW2R3R", "0"}},
         true},
        {"UpdateEquipo3",
         {{"KE212:HANTEYEW1R3R", "1"}},
         "HANTEYEW1R3R",
         false,
         "HANTEYEW2R3R",
         {{"HANTEYEW1R3R", "0"}, {"HANTEYEW2R3R", "0"}},
         false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.sheet) + " " + k.box);
        Values reset;
        for (const BoxRule& r : team_sheet_boxes(k.sheet))
            if (r.box.find("HANTEY") != std::string::npos) reset[r.box] = "0";
        for (const auto& [f, v] : k.before) reset[f] = v;
        change(TableId::KumiteEquipo5, event_, reset);
        Window& w = open(k.sheet);
        driver.check(w, std::string("?KE212:") + k.box, k.on);
        EXPECT_EQ(c(w, k.partner).disabled, k.partner_disabled);
        driver.press(w, "?OK");
        for (const auto& [f, v] : k.after) EXPECT_EQ(stored(f), v) << f;
        driver.close(driver.expect_window(list_of(k.sheet)));
    }
}

TEST_F(TeamSheets, AHanteiStoredCheckedDisablesItsPartnerAsTheSheetOpens) {
    change(TableId::KumiteEquipo5, event_, {{"KE212:HANTEYE4R1R", "1"}, {"KE212:HANTEYEW1R3R", "1"}});
    Window& w = open("UpdateEquipo5");
    EXPECT_TRUE(c(w, "HANTEYE3R1A").disabled);
    EXPECT_FALSE(c(w, "HANTEYE4R1R").disabled);
    EXPECT_TRUE(c(w, "HANTEYEW2R3R").disabled);
    EXPECT_FALSE(c(w, "HANTEYE1R1A").disabled);
    EXPECT_FALSE(c(w, "HANTEYE2R1R").disabled);
}

TEST_F(TeamSheets, AcceptingANameLooksTheCompetitorUp) {
    struct Case {
        const char* sheet;
        const char* name;
        const char* dojo;  // "" : the entry has no look-up
        const char* typed;
        const char* select;  // the undefined select shown; "" none
        const char* dojo_after;
    } cases[] = {
        {"UpdateEquipo5", "NOMBRECOMPETIDOR1E1R1A", "NOMBRECOMPETIDOR1DOJOE1R1A", "aiko TANAKA", "", "Shotokan Norte"},
        {"UpdateEquipo5", "NOMBRECOMPETIDOR5E4R1R", "NOMBREDOJOCOMPETIDOR5E4R1R", "Aiko Tanaka", "", "Shotokan Norte"},
        {"UpdateEquipo5", "COMPETIDORDESEMPATEEW2R3R", "NOMBRECOMPETIDORDOJODEW2R3R", "Aiko Tanaka", "", "Shotokan Norte"},
        {"UpdateEquipo5", "NOMBRECOMPETIDOR2E2R1R", "NOMBRECOMPETIDOR2DOJOE2R1R", "Nobody Known", "SelectCompetidor2", ""},
        {"UpdateEquipo5", "NOMBRECOMPETIDOR2EW1R3R", "NOMBREDOJOCOMPETIDOR2EW1R3R", "Aiko Tanaka", "", "old dojo"},
        {"UpdateEquipo5", "NOMBRECOMPETIDOR3EL2R4A", "NOMBREDOJOCOMPETIDOR3EL2R4A", "Nobody Known", "", "old dojo"},
        {"UpdateEquipo3", "NOMBRECOMPETIDOR1E4R1R", "NOMBREDOJOCOMPETIDOR1E4R1R", "Aiko Tanaka", "", "old dojo"},
        {"UpdateEquipo3", "COMPETIDORDESEMPATEE4R1R", "NOMBRECOMPETIDORDOJODE4R1R", "Aiko Tanaka", "", "Shotokan Norte"},
        {"UpdateEquipo3", "NOMBRECOMPETIDOR4E3R1A", "NOMBRECOMPETIDOR4DOJOE3R1A", "Nobody Known", "SelectCompetidor2", ""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.sheet) + " " + k.name);
        change(TableId::KumiteEquipo5, event_, {{std::string("KE212:") + k.dojo, "old dojo"}});
        Window& w = open(k.sheet);
        driver.type(w, std::string("?KE212:") + k.name, k.typed);
        const std::string message = undefined_select();
        if (*k.select) {
            EXPECT_EQ(message, std::string("The Procedure ") + k.select + " has not been defined.");
            EXPECT_EQ(w.focus(), w.number_of(std::string("?KE212:") + k.name));
        } else {
            EXPECT_EQ(message, "");
        }
        EXPECT_EQ(shown(w, k.name), k.typed);  // kept as typed
        EXPECT_EQ(shown(w, k.dojo), k.dojo_after);
        driver.press(w, "?CANCEL");
        ASSERT_TRUE(driver.pending_message());  // "Changes will be lost!"
        driver.answer_message(ButtonYes);
        EXPECT_EQ(driver.window(k.sheet), nullptr);
        driver.close(driver.expect_window(list_of(k.sheet)));
    }
}

TEST_F(TeamSheets, VisitingANameEntryLooksItUpWithoutFillingAFoundDojo) {
    change(TableId::KumiteEquipo5, event_,
           {{"KE212:NOMBRECOMPETIDOR1E1R1A", "Aiko Tanaka"},
            {"KE212:NOMBRECOMPETIDOR1DOJOE1R1A", "old dojo"},
            {"KE212:NOMBRECOMPETIDOR2DOJOE1R1A", "old dojo"}});
    Window& w = open("UpdateEquipo5");
    focus(w, "?KE212:NOMBRECOMPETIDOR1E1R1A");  // found: nothing copied
    EXPECT_EQ(undefined_select(), "");
    EXPECT_EQ(shown(w, "NOMBRECOMPETIDOR1DOJOE1R1A"), "old dojo");
    focus(w, "?KE212:NOMBRECOMPETIDOR2E1R1A");  // empty: not found, the dojo cleared
    EXPECT_EQ(undefined_select(), "The Procedure SelectCompetidor2 has not been defined.");
    EXPECT_EQ(shown(w, "NOMBRECOMPETIDOR2DOJOE1R1A"), "");
    focus(w, "?KE212:NOMBRECOMPETIDOR2EW1R3R");  // no look-up on this entry
    EXPECT_EQ(undefined_select(), "");
    focus(w, "?KE212:COLOREW1R3R");  // an empty colour is not found either
    EXPECT_EQ(undefined_select(), "The Procedure SelectColores1 has not been defined.");
}

TEST_F(TeamSheets, AColourNotFoundRunsTheSheetsOwnColourSelect) {
    struct Case {
        const char* sheet;
        const char* entry;
        const char* select;
    } cases[] = {
        {"UpdateEquipo5", "COLOREL2R4A", "SelectColores1"},
        {"UpdateEquipo3", "COLOREW2R3R", "SelectEquipo3Color"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.sheet);
        Window& w = open(k.sheet);
        driver.type(w, std::string("?KE212:") + k.entry, "rojo");  // found, whatever the case
        EXPECT_EQ(undefined_select(), "");
        driver.type(w, std::string("?KE212:") + k.entry, "VERDE");
        EXPECT_EQ(undefined_select(), std::string("The Procedure ") + k.select + " has not been defined.");
        EXPECT_EQ(w.focus(), w.number_of(std::string("?KE212:") + k.entry));
        driver.close(w);
        if (driver.pending_message()) driver.answer_message(ButtonYes);
        driver.close(driver.expect_window(list_of(k.sheet)));
    }
}

// OK's pass gives every name found its dojo, the names already on the sheet as well as those
// typed now; a blank name keeps its dojo.
TEST_F(TeamSheets, OkGivesEveryNameFoundOnTheSheetItsDojo) {
    change(TableId::KumiteEquipo5, event_,
           {{"KE212:NOMBRECOMPETIDOR1E1R1A", "Aiko Tanaka"},
            {"KE212:NOMBRECOMPETIDOR1DOJOE1R1A", "old dojo"},
            {"KE212:NOMBRECOMPETIDOR2DOJOE1R1A", "kept dojo"}});
    Window& w = open("UpdateEquipo5");
    driver.type(w, "?KE212:NOMBRECOMPETIDOR1E2R1R", "aiko tanaka");
    driver.press(w, "?OK");
    EXPECT_EQ(undefined_select(), "");
    EXPECT_EQ(driver.window("UpdateEquipo5"), nullptr);
    EXPECT_EQ(stored("NOMBRECOMPETIDOR1DOJOE1R1A"), "Shotokan Norte");  // on the sheet already
    EXPECT_EQ(stored("NOMBRECOMPETIDOR1DOJOE2R1R"), "Shotokan Norte");  // typed now
    EXPECT_EQ(stored("NOMBRECOMPETIDOR2DOJOE1R1A"), "kept dojo");
}

TEST_F(TeamSheets, OkStopsOnANameNotFoundAndStoresOnceItIsFound) {
    Window& w = open("UpdateEquipo3");
    driver.type(w, "?KE212:NOMBRECOMPETIDOR3E2R1R", "Nobody Known");
    undefined_select();
    driver.press(w, "?OK");
    EXPECT_EQ(undefined_select(), "The Procedure SelectCompetidor2 has not been defined.");
    EXPECT_NE(driver.window("UpdateEquipo3"), nullptr);
    EXPECT_EQ(w.focus(), w.number_of("?KE212:NOMBRECOMPETIDOR3E2R1R"));
    EXPECT_EQ(stored("NOMBRECOMPETIDOR3E2R1R"), "");
    driver.type(w, "?KE212:NOMBRECOMPETIDOR3E2R1R", "Aiko Tanaka");
    driver.press(w, "?OK");
    EXPECT_EQ(undefined_select(), "");
    EXPECT_EQ(driver.window("UpdateEquipo3"), nullptr);
    EXPECT_EQ(stored("NOMBRECOMPETIDOR3E2R1R"), "Aiko Tanaka");
    EXPECT_EQ(stored("NOMBRECOMPETIDOR3DOJOE2R1R"), "Shotokan Norte");
}

TEST_F(TeamSheets, ViewModeMakesEntriesReadOnlyLeavesBoxesActiveAndStoresNothing) {
    Window& w = open("UpdateEquipo5", "?VIEW:3");
    EXPECT_EQ(w.status().at(0).text, "View Record");
    EXPECT_EQ(w.title(), "Kumite 4 team competition");
    EXPECT_TRUE(c(w, "NOMBRECOMPETIDOR1E1R1A").read_only);
    EXPECT_TRUE(c(w, "PRIMERLUGARORO").read_only);
    EXPECT_FALSE(c(w, "HANTEYE1R1A").disabled);
    driver.check(w, "?KE212:HANTEYE1R1A", true);
    EXPECT_TRUE(c(w, "HANTEYE2R1R").disabled);
    focus(w, "?KE212:NOMBRECOMPETIDOR2E1R1A");  // no select runs in view mode
    EXPECT_EQ(undefined_select(), "");
    driver.press(w, "?OK");
    EXPECT_EQ(driver.window("UpdateEquipo5"), nullptr);
    EXPECT_EQ(stored("HANTEYE1R1A"), "0.00");
}

TEST_F(TeamSheets, EachTickShowsTheStoredRecordAndCerrarFromTheScoringSoftwareStoresAndCloses) {
    Window& w = open("UpdateEquipo5");
    EXPECT_EQ(w.status().at(0).text, "Record Will Be Changed");
    driver.check(w, "?KE212:HANTEYE3R1A", true);  // clicked, kept until stored
    const std::string id = std::to_string(event_);
    ASSERT_EQ(testing::run_scoring_tool({"set", "KumiteEquipo5", id, "NOMBREDEEQUIPOW1R3R=Tora Dojo"}), 0);
    driver.advance_ms(20);
    EXPECT_EQ(shown(w, "NOMBREDEEQUIPOW1R3R"), "Tora Dojo");
    EXPECT_TRUE(c(w, "HANTEYE3R1A").checked);
    EXPECT_TRUE(c(w, "HANTEYE4R1R").disabled);
    ASSERT_EQ(testing::run_scoring_tool({"set", "KumiteEquipo5", id, "PRIMERLUGARORO=Tora Dojo", "Cerrar=1"}), 0);
    driver.advance_ms(20);
    EXPECT_EQ(driver.window("UpdateEquipo5"), nullptr);
    EXPECT_EQ(stored("PRIMERLUGARORO"), "Tora Dojo");
    EXPECT_EQ(stored("HANTEYE3R1A"), "1.00");
    EXPECT_NE(driver.window("BrowseEquipo5"), nullptr);
}

TEST_F(TeamSheets, EachUndefinedSelectTellsTheOperatorOnceAndAnswersCancelled) {
    for (const char* name : {"SelectCompetidor2", "SelectColores1", "SelectEquipo3Color"})
        for (int before : {0, 1}) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(before));
            g_select = {name, before};
            driver.start("ProbeUndefinedSelect");
            EXPECT_EQ(undefined_select(), std::string("The Procedure ") + name + " has not been defined.");
            EXPECT_FALSE(driver.pending_message());
            EXPECT_EQ(g_select.after, kResponseCancelled);
        }
}

TEST_F(TeamSheets, InsertStoresANewEventAndACancelledInsertLeavesNone) {
    std::size_t events = 1;
    for (const std::string& sheet : team_sheets()) {
        for (const char* end : {"?CANCEL", "?OK"}) {
            SCOPED_TRACE(sheet + " " + end);
            Window& w = open(sheet, "?INSERT:4");
            EXPECT_EQ(w.status().at(0).text, "Record Will Be Added");
            EXPECT_EQ(w.title(), Window(team_sheet_layout(sheet)).title());
            driver.press(w, end);
            EXPECT_FALSE(driver.pending_message());
            EXPECT_EQ(driver.window(sheet), nullptr);
            Window& list = driver.expect_window(list_of(sheet));
            driver.choose(list, "?CurrentTab", 1);
            if (std::string(end) == "?OK") ++events;
            EXPECT_EQ(driver.control(list, "?BROWSE:1").rows.size(), events);
            driver.close(list);
        }
    }
}

TEST_F(TeamSheets, DeleteIsRefusedAndLeavesTheRecord) {
    for (const std::string& sheet : team_sheets()) {
        SCOPED_TRACE(sheet);
        driver.start(list_of(sheet));
        Window& list = driver.expect_window(list_of(sheet));
        driver.press(list, "?DELETE:4");
        auto m = driver.pending_message();
        ASSERT_TRUE(m);
        EXPECT_EQ(m->text, "This form cannot be used to delete a record");
        driver.answer_message(ButtonOk);
        EXPECT_EQ(driver.window(sheet), nullptr);
        EXPECT_EQ(stored("CodigoDeEvento"), "TEAM-1");
        driver.close(list);
    }
}

}  // namespace
}  // namespace zrv::kumite
