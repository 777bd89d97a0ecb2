#include "kumite/lists.h"

#include <stdexcept>

#include "data/dictionary.h"
#include "framework/core/procedures.h"
#include "kumite/layout_kit.h"
#include "live/button_bar.h"
#include "live/field_binding.h"

namespace zrv::kumite {

namespace {

using data::TableId;
using live::TimerStep;

struct Column {
    std::string header, field, picture;
    int width;
};

struct Tab {
    std::string text, key, locator;
    live::Thumb thumb = live::Thumb::Rows;
    bool limited = false;  // only the event the buffer holds
};
constexpr live::Thumb kText = live::Thumb::Text, kDate = live::Thumb::Date;

struct ListSpec {
    std::string procedure, title, form;
    TableId table;
    int timer;
    std::vector<TimerStep> steps;
    std::vector<Column> columns;
    std::vector<std::string> hidden;
    std::vector<Tab> tabs;
    std::vector<std::string> search;
    std::vector<TableId> also_open;
    std::vector<live::RelatedLookup> row_related;  // other tables' records of each row
    std::string group_text;
    std::string typing_locator;                              // entry on tab 1; empty: none
    std::vector<std::pair<std::string, std::string>> names;  // entries on tab 1: prompt, field
    std::string queue;                                       // the queue drop list's field
    bool close_icon = false;                                 // "&Close" shown as an icon only
    bool queue_prompt_on_tab = false;                        // the "Queue:" prompt lies on the first tab
    bool updates_out_of_sight = false;                       // Insert, Change, Delete below the window
    int last_tab_order = -1;                                 // order of any tab past the sixth; -1: tab n gives n
};

constexpr const char* kEventId = "KE24:IDNumeroDeEventoKIndividual";
constexpr const char* kTeamId = "KE212:IDNumeroDeEventoEquipo";

std::vector<std::string> with_prefix(const std::string& prefix, std::initializer_list<const char*> names) {
    std::vector<std::string> out;
    for (const char* n : names) out.push_back(prefix + n);
    return out;
}

// The bracket lists: the list of 8 and the twins of 4 and 16 differ in headers, tabs and fields.
ListSpec bracket_list(const std::string& procedure) {
    const bool eight = procedure == "BrowseKumiteIndividual";
    const bool four = procedure == "BrowseKumiteIndividual4";
    ListSpec s{.procedure = procedure,
               .table = TableId::KumiteIndividual,
               .timer = four ? 50 : 200,
               .steps = {TimerStep::Framework, TimerStep::Reset, TimerStep::Display}};
    s.title = eight  ? "8 individual Kumite Competition"
              : four ? "4 Individual competitors Kumite "
                     : "16 Individual Competition Kumite ";
    s.form = eight ? "UpdateKumiteIndividual" : four ? "UpdateKumiteIndividual4" : "UpdateKumiteIndividual16";
    auto h = [&](const char* common, const char* of_four) { return std::string(four ? of_four : common); };
    s.columns = {{h("Event ID", "ID Evnt."), kEventId, "@n-14", 56},
                 {h("Date", "Fecha"), "KE24:FechaEvento", "@D17", 44},
                 {h("Event code", "Codigo De Evento"), "KE24:CodigoDeEvento", "@s20", 80},
                 {h("Category", "Categorias"), "KE24:Categoria", "@s10", 44},
                 {h("Division", "Divisiones"), "KE24:Divicion", "@s20", 80},
                 {eight  ? "Morality"
                  : four ? "Modalidad"
                         : "Modality",
                  "KE24:Modalidad", "@s20", 80}};
    if (eight) s.columns.push_back({"Address", "KE24:DirecionDelEvento", "@s50", 120});
    s.columns.push_back({h("Tournament name", "Nombre Torneo"), "KE24:NombreDelEvento", "@s50", 120});
    s.hidden = {"KE24:Queue"};
    if (!eight) s.hidden.push_back("KE24:TatamiMatsNo");
    if (eight)
        s.tabs = {{"&1) ID Kumite Individual", "KE24:KeyIDNumeroDeEventoKIndividual", kEventId},
                  {"&2) Event code", "KE24:KeyFechaEvento", "KE24:FechaEvento", kDate},
                  {"&3) Date", "KE24:KEYCodigoDeEvento", "KE24:CodigoDeEvento", kText},
                  {"&4) Category", "KE24:KeyCategoria", "KE24:Categoria", kText},
                  {"&5) Division", "KE24:KeyDivicion", "KE24:Divicion", kText},
                  {"&6) Modality", "KE24:KeyModalidad", "KE24:Modalidad", kText},
                  {"&7) Tournament name", "KE24:KeyNombreDelEvento", "KE24:NombreDelEvento", kText},
                  {"&8) Sort by event", "KE24:KeyCategoriaModalidadDiviciones", "KE24:Modalidad"}};
    else
        s.tabs = {{"&1) Event ID", "KE24:KeyIDNumeroDeEventoKIndividual", kEventId},
                  {"&2) Event code", "KE24:KEYCodigoDeEvento", "", kText},
                  {"&3) Date", "KE24:KeyFechaEvento", "KE24:FechaEvento", kDate},
                  {"&4) Category", "KE24:KeyCategoria", "KE24:Categoria", kText},
                  {"&5) Division", "KE24:KeyDivicion", "", kText},
                  {"&6) Modality", "KE24:KeyModalidad", "", kText},
                  {"&7) No de Tatami", "KE24:KeyTatamiMatsNo", "", kText},
                  {"&8) Sort by event", "KE24:KeyQueue", "KE24:Queue", kText}};
    s.search = with_prefix("KE24:",
                           {"IDNumeroDeEventoKIndividual", "FechaEvento", "CodigoDeEvento", "Categoria", "Divicion", "Modalidad"});
    if (eight) s.search.push_back("KE24:DirecionDelEvento");
    s.search.push_back("KE24:NombreDelEvento");
    s.search.push_back("KE24:Queue");
    if (!eight) s.search.push_back("KE24:TatamiMatsNo");
    s.also_open = {TableId::Categoria, TableId::Colores,     TableId::Competidor,    TableId::Divisiones,
                   TableId::Dojo,      TableId::Modalidades, TableId::TournamentInfo};
    if (!eight) s.also_open.push_back(TableId::TatamiMats);
    s.group_text = "Search All";
    s.typing_locator = "?KE24:IDNUMERODEEVENTOKINDIVIDUAL";
    s.queue = "KE24:Queue";
    s.close_icon = procedure == "BrowseKumiteIndividual41";
    s.queue_prompt_on_tab = eight;
    return s;
}

ListSpec team_list(const std::string& procedure) {
    const bool five = procedure == "BrowseEquipo5";
    ListSpec s{.procedure = procedure, .table = TableId::KumiteEquipo5, .timer = 200};
    s.steps = five ? std::vector<TimerStep>{TimerStep::Framework, TimerStep::Display, TimerStep::Reset}
                   : std::vector<TimerStep>{TimerStep::Framework, TimerStep::Display};
    s.title = five ? " 4 Team event Kumite " : "3  teens event Kumite ";
    s.form = five ? "UpdateEquipo5" : "UpdateEquipo3";
    const Column id{"ID Team", kTeamId, "@n-14", 56}, code{"Event code", "KE212:CodigoDeEvento", "@s20", 80},
        category{"Category", "KE212:Categoria", "@s10", 44}, division{"Division", "KE212:Divicion", "@s20", 80},
        modality{"Modality", "KE212:Modalidad", "@s20", 80}, name{"Tournament name", "KE212:NombreDelEvento", "@s50", 120},
        address{"Address", "KE212:DirecionDelEvento", "@s50", 120};
    const std::vector<std::string> teams = with_prefix("KE212:", {"NombreDeEquipoE1R1A", "NombreDeEquipo2R1R", "NombreDeEquipoE3R1A",
                                                                  "NombreDeEquipoE4R1R"});
    if (five) {
        // The coach column and the coach in the search text show each row's own team: the
        // Equipos record whose number is the event's, as the sheet reads it (blank when none).
        s.columns = {id,       {"Event date", "KE212:FechaEvento", "@D17", 44},
                     code,     {"Coach name", "Equ:Entrenado", "@S20", 80},
                     category, {"Event director", "KE212:NombreDelOrganizador", "@s50", 120},
                     name,     address,
                     division, modality};
        s.hidden = teams;
        s.hidden.push_back("KE212:Queue");
        s.tabs = {{"&1) Team competition number", "KE212:KeyIDNumeroDeEventoEquipo", kTeamId},
                  {"&2) Event date", "KE212:KeyFechaEvento", "KE212:FechaEvento"},
                  {"&3) When code", "KE212:KeyCodigoDeEvento", "KE212:CodigoDeEvento"},
                  {"&4) Category", "KE212:KeyCategoria", "KE212:Categoria"},
                  {"&5) Modality", "KE212:KeyModalidad", "KE212:Modalidad"},
                  {"&6) Division", "KE212:KeyDivicion", "KE212:Divicion"},
                  {"&7) Sort by event", "KE212:KeyCategoriaModalidadDiviciones", "KE212:Modalidad"}};
        s.search = with_prefix("KE212:", {"IDNumeroDeEventoEquipo", "FechaEvento", "CodigoDeEvento"});
        s.search.push_back("Equ:Entrenado");
        const std::vector<std::string> rest = with_prefix("KE212:", {"Categoria", "NombreDelOrganizador", "NombreDelEvento",
                                                                     "DirecionDelEvento", "Divicion", "Modalidad"});
        s.search.insert(s.search.end(), rest.begin(), rest.end());
        s.search.insert(s.search.end(), teams.begin(), teams.end());
        s.search.push_back("KE212:Queue");
        s.also_open = {TableId::Equipos};
        s.row_related = {{TableId::Equipos, "Equ:KeyIDNumeroDeEquipo", {{"EQU:IDNUMERODEEQUIPO", kTeamId}}}};
        s.group_text = "Fu&zzy Search Options";
        s.names = {{"First team:", teams[0]}, {"Second teen:", teams[1]}, {"Third teen:", teams[2]}, {"Fourth teen:", teams[3]}};
    } else {
        s.columns = {id, {"Date", "KE212:FechaEvento", "@D17", 44}, code, category, division, modality, name, address};
        s.hidden = {"KE212:Queue", teams[0], teams[1], teams[2]};
        s.tabs = {{"&1) ID Team event", "KE212:KeyIDNumeroDeEventoEquipo", kTeamId},
                  {"&2) Event date", "KE212:KeyFechaEvento", "KE212:FechaEvento"},
                  {"&3) Event code", "KE212:KeyCodigoDeEvento", "KE212:CodigoDeEvento"},
                  {"&4) Category", "KE212:KeyCategoria", "KE212:Categoria"},
                  {"&5) Division", "KE212:KeyDivicion", "KE212:Divicion"},
                  {"&6) Modality", "KE212:KeyModalidad", "KE212:Modalidad"},
                  {"&7) Sort by event", "KE212:KeyIDNumeroDeEventoEquipo", "", live::Thumb::Rows, true}};
        s.search = with_prefix("KE212:", {"IDNumeroDeEventoEquipo", "FechaEvento", "CodigoDeEvento", "Categoria", "Divicion",
                                          "Modalidad", "NombreDelEvento", "DirecionDelEvento", "Queue"});
        s.search.insert(s.search.end(), teams.begin(), teams.begin() + 3);
        s.also_open = {TableId::Categoria, TableId::Colores, TableId::Competidor,  TableId::Divisiones,
                       TableId::Dojo,      TableId::Equipos, TableId::Modalidades, TableId::TournamentInfo};
        s.group_text = "Search All";
        s.names = {{"First team name:", teams[0]}, {"Second team name:", teams[1]}, {"Third teen name:", teams[2]}};
        s.updates_out_of_sight = true;
        s.last_tab_order = 6;
    }
    s.queue = "KE212:Queue";
    return s;
}

const std::vector<ListSpec>& specs() {
    static const std::vector<ListSpec> all = {bracket_list("BrowseKumiteIndividual4"), bracket_list("BrowseKumiteIndividual"),
                                              bracket_list("BrowseKumiteIndividual41"), team_list("BrowseEquipo5"),
                                              team_list("BrowseEquipo3")};
    return all;
}

const ListSpec& spec(const std::string& procedure) {
    for (const ListSpec& s : specs())
        if (s.procedure == procedure) return s;
    throw std::invalid_argument("no kumite list " + procedure);
}

std::string list_format(const ListSpec& s) {
    std::string format;
    for (const Column& c : s.columns) {
        const bool number = c.picture[1] == 'n';
        format += std::to_string(c.width) + (number ? "R(2)" : "L(2)") + "|M~" + c.header + "~" + (number ? "C(0)" : "") + c.picture +
                  "@";
    }
    return format;
}

constexpr int kWidth = 700, kHeight = 330;

void list_procedure(const std::string& name) { live::ListScreen(name, kumite_list_layout(name), kumite_list(name)).run(); }

constexpr char kList4[] = "BrowseKumiteIndividual4";
constexpr char kList8[] = "BrowseKumiteIndividual";
constexpr char kList16[] = "BrowseKumiteIndividual41";
constexpr char kTeams4[] = "BrowseEquipo5";
constexpr char kTeams3[] = "BrowseEquipo3";

const ProcedureRegistration registered_lists({kList4, kList8, kList16, kTeams4, kTeams3}, &list_procedure);

}  // namespace

const std::vector<std::string>& kumite_lists() {
    static const std::vector<std::string> names = {kList4, kList8, kList16, kTeams4, kTeams3};
    return names;
}

WindowLayout kumite_list_layout(const std::string& procedure) {
    const ListSpec& s = spec(procedure);
    LayoutKit kit({.title = s.title, .kind = WindowKind::MdiChild, .width = kWidth, .height = kHeight, .timer = s.timer});
    kit.sheet("?CurrentTab", 4, 4, kWidth - 8, 250);
    int first_tab = 0;
    for (std::size_t t = 0; t < s.tabs.size(); ++t) {
        const int tab = kit.tab(s.tabs[t].text);
        if (t != 0) continue;
        first_tab = tab;
        if (s.table == TableId::KumiteIndividual) kit.prompt("&Click Tab", 8, 24, 50);
        if (!s.typing_locator.empty()) {
            kit.prompt("Event ID:", 64, 24, 40);
            kit.entry(s.typing_locator, "@n-14B", 108, 24, 60);
        }
        for (std::size_t n = 0; n < s.names.size(); ++n) {
            kit.prompt(s.names[n].first, 64 + static_cast<int>(n) * 150, 24, 50);
            kit.entry("?" + s.names[n].second, "@s35", 116 + static_cast<int>(n) * 150, 24, 90);
        }
    }
    kit.end_tabs();
    ControlState list{.use = "?BROWSE:1",
                      .kind = ControlKind::List,
                      .x = 8,
                      .y = 40,
                      .width = kWidth - 16,
                      .height = 190,
                      .format = list_format(s)};
    list.message = "Browsing the " + data::table_name(s.table) + " file";
    kit.add(list);
    // The button bar: the navigation buttons under the list, the further buttons out of sight.
    const std::string bar_suffix = s.table == TableId::KumiteIndividual ? ":2" : "";
    for (std::size_t i = 0; i < live::kButtonBar.size(); ++i) {
        const live::BarButton& b = live::kButtonBar[i];
        const bool navigation = i < live::kNavigationButtons;
        const int x = navigation ? 8 + static_cast<int>(i) * 16 : kWidth + 20 + static_cast<int>(i - live::kNavigationButtons) * 20;
        ControlState& button =
            kit.layout().controls[static_cast<std::size_t>(kit.button(b.use + bar_suffix, "", x, navigation ? 234 : 0, 14, 12) - 1)];
        if (navigation) button.image = b.image, button.tip = b.tip;
    }
    const int queue_prompt = kit.prompt("Queue:", 120, 236, 30);
    if (s.queue_prompt_on_tab) kit.layout().controls[static_cast<std::size_t>(queue_prompt - 1)].parent = first_tab;
    // Shows the selected row's status; the list stores nothing, so the operator cannot change it.
    ControlState
        queue{.use = "?" + s.queue, .kind = ControlKind::DropList, .disabled = true, .x = 154, .y = 234, .width = 80, .height = 12};
    queue.items = {"QueueStart", "QueueStop", "QueueDone", "QueueAssigned"};
    queue.item_values = {"1", "2", "3", "4"};
    kit.add(queue);
    const int update_y = s.updates_out_of_sight ? kHeight + 40 : 258;
    struct Button {
        const char* use;
        const char* text;
        const char* tip;
        int x, y;
    } buttons[] = {{"?VIEW:3", "&View", "View Record", 8, 258},
                   {"?INSERT:4", "&Insert", "Insert a Record", 60, update_y},
                   {"?CHANGE:4", "&Change", "Change the Record", 112, update_y},
                   {"?DELETE:4", "&Delete", "Delete the Record", 164, update_y}};
    for (const Button& b : buttons)
        kit.layout().controls[static_cast<std::size_t>(kit.button(b.use, b.text, b.x, b.y) - 1)].tip = b.tip;
    ControlState close{.use = "?CLOSE",
                       .kind = ControlKind::Button,
                       .text = s.close_icon ? "" : "&Close",
                       .x = kWidth - 56,
                       .y = 258,
                       .width = 48,
                       .height = 14,
                       .tip = "Close Window",
                       .action = StandardAction::Close};
    if (s.close_icon) close.image = "WACLOSE.ICO";
    kit.add(close);
    kit.group("?FUZZYGROUP", s.group_text, 4, 278, kWidth - 8, 40);
    kit.entry("?FUZZYQUERY", "@S255", 10, 294, kWidth - 140);
    kit.button("?FUZZYGO", "&Search", kWidth - 124, 294, 52);
    kit.button("?FUZZYCLEAR", "&Clear", kWidth - 66, 294, 52);
    return kit.take();
}

live::ListScreenDeclaration kumite_list(const std::string& procedure) {
    const ListSpec& s = spec(procedure);
    live::ListScreenDeclaration d;
    d.record_controls = live::RecordControls::All;  // the queue and the team names
    d.list.table = s.table;
    d.list.format = list_format(s);
    for (const Column& c : s.columns) d.list.fields.push_back(c.field);
    d.list.fields.insert(d.list.fields.end(), s.hidden.begin(), s.hidden.end());
    d.list.row_related = s.row_related;
    for (const Tab& t : s.tabs) {
        live::SortOrder o{.key = t.key, .locator = t.locator, .thumb = t.thumb};
        if (t.limited) {
            // The event the record buffer holds as the page is read: the selected row's.
            o.range_components = 1;
            o.range_from = {{kTeamId, kTeamId}};
        }
        d.list.orders.push_back(o);
    }
    d.list.sheet = "?CurrentTab";
    const int tabs = static_cast<int>(s.tabs.size()), last = s.last_tab_order;
    d.list.tab_order = [tabs, last](int tab) {
        if (last >= 0) return tab >= 1 && tab <= last ? tab - 1 : last;
        return tab >= 1 && tab <= tabs ? tab - 1 : 0;
    };
    d.list.typing_locator = s.typing_locator;
    d.list.search = live::SearchBox{.query_name = "FuzzyQuery9",
                                    .score_name = "FuzzyResult9",
                                    .fields = s.search,
                                    .score_column = true,
                                    .query_resets = true};
    d.form = s.form;
    d.buttons = {.view = "?VIEW:3", .insert = "?INSERT:4", .change = "?CHANGE:4", .remove = "?DELETE:4", .select = "?SELECT"};
    d.timer = s.timer;
    d.timer_steps = s.steps;
    d.also_open = s.also_open;
    return d;
}

}  // namespace zrv::kumite
