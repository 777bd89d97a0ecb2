// The bracket forms on real table files: the winner boxes of each bout, as clicked and as the
// form opens, view mode, the live re-read and the GO button.
#include <gtest/gtest.h>

#include "kumite/brackets.h"
#include "kumite/team_sheets.h"
#include "live/field_binding.h"
#include "tests/kumite/kumite_fixture.h"

namespace zrv::kumite {
namespace {

using data::TableId;

struct Bracket {
    const char* list;
    const char* form;
};
const Bracket kBrackets[] = {{"BrowseKumiteIndividual4", "UpdateKumiteIndividual4"},
                             {"BrowseKumiteIndividual", "UpdateKumiteIndividual"},
                             {"BrowseKumiteIndividual41", "UpdateKumiteIndividual16"}};

const char* list_of(const std::string& form) {
    for (const Bracket& b : kBrackets)
        if (form == b.form) return b.list;
    return "";
}

class Brackets : public KumiteFixture {
protected:
    void SetUp() override {
        KumiteFixture::SetUp();
        event_ = add(TableId::KumiteIndividual, {{"KE24:CodigoDeEvento", "KUM-1"}, {"KE24:COMPETIDOR1ROJOAZUL", "Aiko Tanaka"}});
    }
    // Opens the form of the event through its list with a request button.
    Window& open(const std::string& form, const char* button = "?CHANGE:4") {
        driver.start(list_of(form));
        Window& list = driver.expect_window(list_of(form));
        driver.choose(list, "?BROWSE:1", 1);
        driver.press(list, button);
        return driver.expect_window(form);
    }
    ControlState box(Window& w, const std::string& field) { return driver.control(w, "?KE24:" + field); }

    std::int64_t event_ = 0;
};

TEST_F(Brackets, EveryControlOfEveryFormIsBoundToAFieldAndEveryLookupKeyExists) {
    for (const std::string& form : bracket_forms()) {
        Window w(bracket_layout(form));
        int entries = 0;
        for (const ControlState& c : w.controls())
            if (c.kind == ControlKind::Entry || c.kind == ControlKind::Check) {
                ++entries;
                EXPECT_TRUE(live::field_of_use(c.use)) << form << " " << c.use;
            }
        EXPECT_EQ(live::bind_record_controls(w), entries) << form;
        for (const BoxRule& r : bracket_boxes(form)) {
            EXPECT_TRUE(w.number_of("?" + r.box)) << form << " " << r.box;
            if (!r.partner.empty()) {
                EXPECT_TRUE(w.number_of("?" + r.partner)) << form << " " << r.partner;
            }
        }
        for (const std::string& b : bracket_setup_order(form)) EXPECT_TRUE(w.number_of("?" + b)) << form << " " << b;
        for (const live::RelatedLookup& r : bracket_declaration(form).related)
            EXPECT_GE(table(r.table).layout().key_index(r.key), 0) << form << " " << r.key;
    }
}

// Entries and boxes of one tab never cover each other and stay inside the window; the names of
// a chart are large enough to read from the back of the hall.
TEST_F(Brackets, ControlsOfATabDoNotOverlapAndChartNamesAreLarge) {
    std::vector<std::pair<std::string, WindowLayout>> forms;
    for (const std::string& f : bracket_forms()) forms.emplace_back(f, bracket_layout(f));
    for (const std::string& f : team_sheets()) forms.emplace_back(f, team_sheet_layout(f));
    for (const auto& [form, layout] : forms) {
        SCOPED_TRACE(form);
        std::vector<const ControlState*> shown;
        for (const ControlState& c : layout.controls)
            if (c.kind == ControlKind::Entry || c.kind == ControlKind::Check || c.kind == ControlKind::Button) shown.push_back(&c);
        for (const ControlState* a : shown) {
            if (a->y < layout.height) {
                EXPECT_LE(a->x + a->width, layout.width) << a->use;
            }
            for (const ControlState* b : shown) {
                if (a >= b || a->parent != b->parent) continue;
                const bool apart = a->x + a->width <= b->x || b->x + b->width <= a->x || a->y + a->height <= b->y ||
                                   b->y + b->height <= a->y;
                EXPECT_TRUE(apart) << a->use << " covers " << b->use;
            }
        }
    }
    for (const std::string& f : bracket_forms())
        for (const ControlState& c : bracket_layout(f).controls)
            if (c.use.find("COMPETIDOR") != std::string::npos && c.kind == ControlKind::Entry &&
                c.use.find("DOJO") == std::string::npos) {
                EXPECT_GE(c.font_size, 12) << f << " " << c.use;
                EXPECT_TRUE(c.bold) << f << " " << c.use;
            }
}

TEST_F(Brackets, EachFormHasItsTitleTabsAndCountOfBoxes) {
    struct Case {
        const char* form;
        const char* title;
        std::vector<std::string> tabs;
        int boxes;
    } cases[] = {
        {"UpdateKumiteIndividual4", "Kumite Individual 4 Competidores", {"&2) Llaves", "&3) Finales Terceros", "&4) Resultados"}, 10},
        {"UpdateKumiteIndividual", "Kumite Individual 8 Competitors", {"&2) Llaves", "&3) Finales Terceros", "&4) Resultados"}, 22},
        {"UpdateKumiteIndividual16",
         "Kumite Individual 16 Competidores",
         {"&2) Pul A Llaves", "&3) Pul B Llaves", "&4) Resultados", "FinalesTerceros"},
         40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        Window w(bracket_layout(c.form));
        EXPECT_EQ(w.title(), c.title);
        EXPECT_EQ(w.kind(), WindowKind::Floating);
        EXPECT_EQ(w.timer(), 1);
        std::vector<std::string> tabs;
        int boxes = 0;
        for (const ControlState& s : w.controls()) {
            if (s.kind == ControlKind::Tab) tabs.push_back(s.text);
            if (s.kind == ControlKind::Check) ++boxes;
        }
        EXPECT_EQ(tabs, c.tabs) << c.form;
        EXPECT_EQ(boxes, c.boxes) << c.form;
        EXPECT_EQ(static_cast<int>(bracket_setup_order(c.form).size()), c.boxes) << c.form;
    }
}

struct BoxCase {
    const char* form;
    Values stored;    // before the form opens
    const char* box;  // clicked
    bool on;
    Values after;  // stored after OK
    std::vector<const char*> disabled, enabled;
};

TEST_F(Brackets, WinnerBoxesOfEachBoutFollowTheirFormsRules) {
    const BoxCase cases[] = {
        // 8: the first bout only disables its partner; the other first-round bouts also clear it
        {"UpdateKumiteIndividual",
         {{"KE24:RESULTADOC2B", "1"}},
         "RESULTADOC1B",
         true,
         {{"KE24:RESULTADOC1B", "1"}, {"KE24:RESULTADOC2B", "1"}},
         {"RESULTADOC2B"},
         {}},
        {"UpdateKumiteIndividual",
         {{"KE24:RESULTADOC4B", "1"}},
         "RESULTADOC3B",
         true,
         {{"KE24:RESULTADOC3B", "1"}, {"KE24:RESULTADOC4B", "0"}},
         {"RESULTADOC4B"},
         {}},
        {"UpdateKumiteIndividual", {}, "RGANADOR", true, {{"KE24:RGANADOR", "1"}}, {}, {"RGANADOR_B"}},
        {"UpdateKumiteIndividual",
         {{"KE24:RFINALB3A", "1"}},
         "RFINALA3R",
         true,
         {{"KE24:RFINALA3R", "1"}, {"KE24:RFINALB3A", "1"}},
         {"RFINALB3A"},
         {}},
        // 16: every box has a partner, cleared and disabled
        {"UpdateKumiteIndividual16",
         {{"KE24:RGANADOR_B", "1"}},
         "RGANADOR",
         true,
         {{"KE24:RGANADOR", "1"}, {"KE24:RGANADOR_B", "0"}},
         {"RGANADOR_B"},
         {}},
        {"UpdateKumiteIndividual16",
         {{"KE24:RREPECA1BB", "1"}},
         "RREPECA1AA",
         true,
         {{"KE24:RREPECA1AA", "1"}, {"KE24:RREPECA1BB", "0"}},
         {"RREPECA1BB"},
         {}},
        {"UpdateKumiteIndividual16",
         {{"KE24:RREPECA1BB_B", "1"}},
         "RREPECA1AA_B",
         true,
         {{"KE24:RREPECA1AA_B", "1"}, {"KE24:RREPECA1BB_B", "0"}},
         {"RREPECA1BB_B"},
         {}},
        {"UpdateKumiteIndividual16",
         {{"KE24:RESULTADOC1B", "1"}},
         "RESULTADOC1B",
         false,
         {{"KE24:RESULTADOC1B", "0"}, {"KE24:RESULTADOC2B", "0"}},
         {},
         {"RESULTADOC2B"}},
        {"UpdateKumiteIndividual16",
         {{"KE24:RESULTADOC6B_B", "1"}},
         "RESULTADOC5B_B",
         true,
         {{"KE24:RESULTADOC5B_B", "1"}, {"KE24:RESULTADOC6B_B", "0"}},
         {"RESULTADOC6B_B"},
         {}},
        // 4: every pair clears its partner; the two winners stand alone
        {"UpdateKumiteIndividual4",
         {{"KE24:RESULTADOC1B", "1"}},
         "RESULTADOC2B",
         true,
         {{"KE24:RESULTADOC1B", "0"}, {"KE24:RESULTADOC2B", "1"}},
         {"RESULTADOC1B"},
         {}},
        {"UpdateKumiteIndividual4",
         {{"KE24:RESULTADOC2B", "1"}},
         "RESULTADOC2B",
         false,
         {{"KE24:RESULTADOC2B", "0"}},
         {},
         {"RESULTADOC1B"}},
        {"UpdateKumiteIndividual4", {}, "RFINALA3R", true, {{"KE24:RFINALA3R", "1"}}, {}, {"RGANADOR_B", "RRONDAA2A", "RRONDAA2R"}},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(std::string(c.form) + " " + c.box);
        Values reset;
        for (const BoxRule& r : bracket_boxes(c.form)) reset[r.box] = "0";
        for (const auto& [f, v] : c.stored) reset[f] = v;
        change(TableId::KumiteIndividual, event_, reset);
        Window& form = open(c.form);
        driver.check(form, std::string("?KE24:") + c.box, c.on);
        for (const char* d : c.disabled) EXPECT_TRUE(box(form, d).disabled) << d;
        for (const char* e : c.enabled) EXPECT_FALSE(box(form, e).disabled) << e;
        driver.press(form, "?OK");
        EXPECT_EQ(driver.window(c.form), nullptr);
        for (const auto& [f, v] : c.after) EXPECT_EQ(stored(TableId::KumiteIndividual, event_, f), v) << f;
        driver.close(driver.expect_window(list_of(c.form)));
    }
}

TEST_F(Brackets, BoxesStoredCheckedDisableTheirPartnersAsTheFormOpens) {
    change(TableId::KumiteIndividual, event_, {{"KE24:RESULTADOC1B", "1"}, {"KE24:RGANADOR", "1"}});
    Window& eight = open("UpdateKumiteIndividual");
    EXPECT_TRUE(box(eight, "RESULTADOC2B").disabled);
    EXPECT_FALSE(box(eight, "RESULTADOC1B").disabled);
    EXPECT_FALSE(box(eight, "RGANADOR_B").disabled);  // the 8's winners stand alone
    driver.press(eight, "?CANCEL");
    driver.close(driver.expect_window("BrowseKumiteIndividual"));
    Window& sixteen = open("UpdateKumiteIndividual16");
    EXPECT_TRUE(box(sixteen, "RGANADOR_B").disabled);  // the final of the two pools
    EXPECT_TRUE(box(sixteen, "RESULTADOC2B").disabled);
}

TEST_F(Brackets, ViewModeMakesEntriesReadOnlyLeavesBoxesActiveAndStoresNothing) {
    for (const Bracket& b : kBrackets) {
        SCOPED_TRACE(b.form);
        Window& form = open(b.form, "?VIEW:3");
        // The form of 8 shows its request in the second zone of its status bar.
        const bool eight = std::string(b.form) == "UpdateKumiteIndividual";
        EXPECT_EQ(form.status().at(eight ? 1 : 0).text, "View Record");
        EXPECT_EQ(form.title(), Window(bracket_layout(b.form)).title());
        EXPECT_TRUE(box(form, "COMPETIDOR1ROJOAZUL").read_only);
        EXPECT_FALSE(box(form, "RESULTADOC1B").disabled);
        if (eight) {
            EXPECT_TRUE(driver.control(form, "?BUTTON1").disabled);
        }
        driver.check(form, "?KE24:RESULTADOC1B", true);
        EXPECT_TRUE(box(form, "RESULTADOC2B").disabled);
        driver.press(form, "?OK");
        EXPECT_EQ(driver.window(b.form), nullptr);
        EXPECT_EQ(stored(TableId::KumiteIndividual, event_, "KE24:RESULTADOC1B"), "0");
        driver.close(driver.expect_window(b.list));
    }
}

TEST_F(Brackets, EachTickShowsTheStoredRecordAndCerrarClosesTheForm) {
    Window& form = open("UpdateKumiteIndividual4");
    EXPECT_EQ(form.status().at(0).text, "Record Will Be Changed");
    EXPECT_EQ(form.title(), "Kumite Individual 4 Competidores");
    driver.check(form, "?KE24:RESULTADOC1B", true);  // clicked, kept until stored
    change(TableId::KumiteIndividual, event_, {{"KE24:COMPETIDOR1ROJOAZUL", "Bruno Silva"}});
    driver.advance_ms(20);
    EXPECT_EQ(box(form, "COMPETIDOR1ROJOAZUL").text, "Bruno Silva");
    EXPECT_TRUE(box(form, "RESULTADOC1B").checked);
    EXPECT_TRUE(box(form, "RESULTADOC2B").disabled);
    change(TableId::KumiteIndividual, event_, {{"KE24:Cerrar", "1"}});
    driver.advance_ms(20);
    EXPECT_EQ(driver.window("UpdateKumiteIndividual4"), nullptr);
    EXPECT_EQ(stored(TableId::KumiteIndividual, event_, "KE24:COMPETIDOR1ROJOAZUL"), "Bruno Silva");
    EXPECT_EQ(stored(TableId::KumiteIndividual, event_, "KE24:RESULTADOC1B"), "1");
}

TEST_F(Brackets, GoReadsTheStoredRecordAgainAtOnceAndBeeps) {
    Window& form = open("UpdateKumiteIndividual");
    driver.type(form, "?KE24:PRIMERLUGARORO", "typed");
    change(TableId::KumiteIndividual, event_, {{"KE24:SEGUNDOLUGARPLATA", "Carla Mendez"}});
    const int beeps = driver.engine().beeps();
    driver.press(form, "?BUTTON1");
    EXPECT_EQ(box(form, "SEGUNDOLUGARPLATA").text, "Carla Mendez");
    EXPECT_EQ(box(form, "PRIMERLUGARORO").text, "typed");  // what the operator typed stays
    EXPECT_EQ(driver.engine().beeps(), beeps + 1);
}

TEST_F(Brackets, DeleteIsRefusedAndLeavesTheRecord) {
    driver.start("BrowseKumiteIndividual41");
    Window& list = driver.expect_window("BrowseKumiteIndividual41");
    driver.press(list, "?DELETE:4");
    auto m = driver.pending_message();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->text, "This form cannot be used to delete a record");
    driver.answer_message(ButtonOk);
    EXPECT_EQ(driver.window("UpdateKumiteIndividual16"), nullptr);
    EXPECT_EQ(stored(TableId::KumiteIndividual, event_, "KE24:CodigoDeEvento"), "KUM-1");
}

}  // namespace
}  // namespace zrv::kumite
