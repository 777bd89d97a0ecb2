#include "tests/data/screen_controls.h"

#include <functional>

#include "data/dictionary.h"
#include "flow/manual_results.h"
#include "flow/next_up.h"
#include "flow/queue_lists.h"
#include "framework/core/window.h"
#include "kata/kata.h"
#include "kumite/brackets.h"
#include "kumite/lists.h"
#include "kumite/team_sheets.h"
#include "live/field_binding.h"
#include "live/list_screen.h"
#include "scoreboard/scoreboard.h"

namespace zrv::data {
namespace {

// The full name of the field or memo a name reaches ("SB:PUNTOAKA" -> "SB:PuntoAka").
std::string declared_name(TableId table, int field, int memo) {
    const store::TableLayout& l = layout(table);
    return field >= 0 ? l.fields[static_cast<std::size_t>(field)].name : l.memos[static_cast<std::size_t>(memo)].name;
}

std::string field_named(const std::string& name) {
    const std::optional<FieldAddress> a = find_field_address(name);
    return a ? declared_name(a->table, a->field, a->memo) : std::string();
}

// The controls of a layout that the live screens bind to a field: entries, strings, check
// boxes and drop lists whose use names one (live::bind_record_controls), but `except`.
void bound_controls(const std::string& procedure, const WindowLayout& l, std::vector<ScreenControl>& out,
                    const std::string& except = {}) {
    for (const ControlState& c : l.controls) {
        if (c.kind != ControlKind::Entry && c.kind != ControlKind::String && c.kind != ControlKind::Check &&
            c.kind != ControlKind::DropList)
            continue;
        if (!except.empty() && same_name(c.use, except)) continue;
        if (const std::optional<FieldRef> f = live::field_of_use(c.use))
            out.push_back({procedure, c.use, declared_name(f->table(), f->field(), f->memo())});
    }
}

void form(const std::string& procedure, const WindowLayout& l, std::vector<ScreenControl>& out) { bound_controls(procedure, l, out); }

void list(const std::string& procedure, const WindowLayout& l, const live::ListScreenDeclaration& d, std::vector<ScreenControl>& out) {
    for (const std::string& f : d.list.fields)
        if (const std::string name = field_named(f); !name.empty()) out.push_back({procedure, d.list.list, name});
    if (d.record_controls != live::RecordControls::None)
        bound_controls(procedure, l, out, d.record_controls == live::RecordControls::AllButLocator ? d.list.typing_locator : "");
}

// A check box sets its mark field to 1 or 0.
void boxes(const std::string& procedure, const std::vector<kumite::BoxRule>& rules, std::vector<ScreenControl>& out) {
    for (const kumite::BoxRule& r : rules)
        if (!r.mark.empty()) out.push_back({procedure, "?" + r.box, field_named(r.mark)});
}

struct Screen {
    std::string procedure;
    std::function<void(std::vector<ScreenControl>&)> walk;
};

std::vector<Screen> screens() {
    std::vector<Screen> s;
    const auto add_list = [&](const std::string& p, auto layout_of, auto declaration_of) {
        s.push_back({p, [=](auto& out) { list(p, layout_of(p), declaration_of(p), out); }});
    };
    for (const scoreboard::BoardKind& k : scoreboard::board_kinds())
        s.push_back({k.procedure, [&k](auto& out) {
                         const WindowLayout l = scoreboard::board_layout(k);
                         form(k.procedure, l, out);
                         for (const scoreboard::Lamp& lamp : scoreboard::penalty_lamps())
                             for (const ControlState& c : l.controls)
                                 if (same_name(c.use, lamp.lamp)) out.push_back({k.procedure, c.use, field_named(lamp.field)});
                     }});
    for (const char* p : {"BrowseScoreBoard", "BrowseScoreBoardView1", "BrowseEquipo4ScoreBoard7", "SelectKumiteIndividual1"})
        add_list(p, scoreboard::list_layout, scoreboard::list_declaration);
    for (const std::string& p : kumite::kumite_lists()) add_list(p, kumite::kumite_list_layout, kumite::kumite_list);
    for (const std::string& p : kumite::bracket_forms())
        s.push_back({p, [p](auto& out) {
                         form(p, kumite::bracket_layout(p), out);
                         boxes(p, kumite::bracket_boxes(p), out);
                     }});
    for (const std::string& p : kumite::team_sheets())
        s.push_back({p, [p](auto& out) {
                         form(p, kumite::team_sheet_layout(p), out);
                         boxes(p, kumite::team_sheet_boxes(p), out);
                         // A competitor's name looked up fills in the dojo beside it.
                         for (const kumite::SheetLookup& l : kumite::team_sheet_lookups(p))
                             if (!l.dojo.empty()) out.push_back({p, "?" + l.entry, field_named(l.dojo)});
                     }});
    for (const char* p : {"BrowseKataEvents", "BrowseKataEventResultados", "BrowseKataEvent", "BrowseKataEvent1", "BrowseKataEvent11"})
        add_list(p, kata::kata_list_layout, kata::kata_list);
    for (const char* p :
         {"PantallaKataEvent", "PantallaKataEvent1", "PantallaJueces5Update", "PantallaJueces5Update1", "PantallaJueces5Update11"})
        s.push_back({p, [p = std::string(p)](auto& out) { form(p, kata::result_screen_layout(p), out); }});
    s.push_back({"Consola", [](auto& out) { form("Consola", kata::console_layout(), out); }});
    for (int n = 1; n <= 8; ++n) {
        const std::string p = "Competidor" + std::to_string(n);
        s.push_back({p, [p, n](auto& out) { form(p, kata::competitor_layout(n), out); }});
    }
    for (const char* p : {"BrouseQueueKata", "BrouseQueueKata1", "BrowseQueueKKIndividual", "BrowseQueueKKIndividual1",
                          "BrowseQueueEquipos", "BrowseQueueEquipos1"})
        add_list(p, flow::queue_list_layout, flow::queue_list);
    for (const char* p : {"BrowseResultadosManualesKata", "BrowseResultadosManualesIndividual", "BrowseResultadosManualesEquipos"})
        add_list(p, flow::manual_results_list_layout, flow::manual_results_list);
    for (const char* p : {"PantallaResultadosManualKata", "PantallaResultadosManualIndividual", "PantallaResultadosManualEquipo"})
        s.push_back({p, [p = std::string(p)](auto& out) { form(p, flow::manual_results_display_layout(p), out); }});
    for (const std::string& p : flow::next_up_lists()) add_list(p, flow::next_up_list_layout, flow::next_up_list);
    for (const std::string& p : flow::next_up_screens())
        s.push_back({p, [p](auto& out) { form(p, flow::next_up_screen_layout(p), out); }});
    return s;
}

}  // namespace

std::vector<ScreenControl> screen_controls() {
    const bool built = dictionary_built();
    if (!built) InitDataDictionary();  // live::field_of_use reads the names through the thread's buffers
    std::vector<ScreenControl> out;
    for (const Screen& s : screens()) s.walk(out);
    if (!built) KillDataDictionary();
    return out;
}

std::vector<std::string> walked_procedures() {
    std::vector<std::string> out;
    for (const Screen& s : screens()) out.push_back(s.procedure);
    return out;
}

std::vector<std::string> procedures_without_fields() {
    // The frame and its About window show no record; the team sheets' select procedures have no window.
    return {"Main", "AboutUs", "SelectCompetidor2", "SelectColores1", "SelectEquipo3Color"};
}

}  // namespace zrv::data
