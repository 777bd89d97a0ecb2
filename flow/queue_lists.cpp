#include "flow/queue_lists.h"

#include <optional>
#include <stdexcept>
#include <utility>

#include "flow/list_parts.h"
#include "framework/core/procedures.h"
#include "live/field_binding.h"
#include "live/value.h"

namespace zrv::flow {

namespace {

using data::TableId;

struct Detail {
    const char* prompt;
    const char* field;
    const char* picture;
    bool read_only = false;
};

// What the two twins of a pair share.
struct PairSpec {
    TableId table;
    const char* status;  // the queue-status field
    std::vector<ColumnSpec> columns;
    std::vector<std::string> tabs;
    std::vector<live::SortOrder> orders;  // one per tab
    std::vector<std::string> search;
    std::vector<Detail> details;
    bool button_bar;
    bool team;
    std::vector<TableId> also_open;
    // The last columns, from `from` (0-based) on, stand one below the other in one column under
    // the group header.
    struct Stack {
        const char* group;
        std::size_t from;
    };
    std::optional<Stack> stack;
};

// Where a twin differs from its pair.
struct TwinSpec {
    const char* procedure;
    const char* title;
    WindowKind kind;
    int pair;
    const char* query;                                         // the bound name of the query
    std::vector<std::pair<int, const char*>> tabs;             // tab (1-based) -> its own text
    std::vector<std::pair<int, const char*>> headers;          // column (1-based) -> its own header
    std::vector<std::pair<const char*, const char*>> prompts;  // detail field -> its own prompt
};

const std::vector<TableId> kEventTables = {TableId::Categoria, TableId::Colores,     TableId::Competidor, TableId::Divisiones,
                                           TableId::Dojo,      TableId::Modalidades, TableId::TatamiMats, TableId::TournamentInfo};

std::vector<TableId> with(std::vector<TableId> tables, std::initializer_list<TableId> more) {
    tables.insert(tables.end(), more);
    return tables;
}

enum Pair { Kata, Individual, Team };

const std::vector<PairSpec>& pair_specs() {
    static const std::vector<PairSpec> specs = {
        {TableId::KataEvent,
         "KE:Queue",
         {{"Queue", "KE:Queue", "s20", 50},
          {"Event date", "KE:FechaDeEvento", "D17", 40},
          {"Competitor ID", "KE:NumeroDeCompeticion", "n6", 24},
          {"Event code", "KE:CodigoEvento", "s20", 55},
          {"Tatami Mats No", "KE:TatamiMatsNo", "s30", 60},
          {"Modality", "KE:Modalidad", "s20", 45},
          {"Division", "KE:Divicion", "s20", 45},
          {"Category", "KE:CategoriaCode", "s20", 45},
          {"Tournament name", "KE:NombreDeEvento", "s50", 176}},
         {"&1) Queue Status", "&2) Event code", "&3) Tatami Mat", "&4) Modality", "5) Category", "6) Event number"},
         {by_key("KE:KeyQueue"), by_key("KE:KeyFechaDeEvento", "KE:FechaDeEvento"), by_key("KE:KeyModalidad"),
          by_key("KE:KeyModalidad"), by_key("KE:KeyCategoriaCode", "KE:CategoriaCode"),
          by_key("KE:KeyNumeroDeCompetencia", "KE:NumeroDeCompeticion")},
         {"KE:Queue", "KE:FechaDeEvento", "KE:NumeroDeCompeticion", "KE:CodigoEvento", "KE:TatamiMatsNo", "KE:Modalidad",
          "KE:Divicion", "KE:CategoriaCode", "KE:NombreDeEvento"},
         {{"&TID:", "KE:NumeroDeCompeticion", "n6", true},
          {"Event date:", "KE:FechaDeEvento", "D17"},
          {"Category:", "KE:CategoriaCode", "s20"},
          {"Event code", "KE:CodigoEvento", "s20"},
          {"Tatami Mats No:", "KE:TatamiMatsNo", "s30"},
          {"Division", "KE:Divicion", "s20"}},
         false,
         false,
         with(kEventTables, {TableId::Katas, TableId::ResultadosKataJueces5}),
         {}},
        {TableId::KumiteIndividual,
         "KE24:Queue",
         {{"Queue", "KE24:Queue", "s20", 45, 'R'},
          {"ID Evento", "KE24:IDNumeroDeEventoKIndividual", "n-14", 35, 'R'},
          {"Date", "KE24:FechaEvento", "D17", 45, 'R'},
          {"Event code", "KE24:CodigoDeEvento", "s20", 60},
          {"Tatami Mats No", "KE24:TatamiMatsNo", "s30", 55},
          {"Category", "KE24:Categoria", "s20", 45},
          {"Division", "KE24:Divicion", "s20", 80},
          {"Tournament name", "KE24:NombreDelEvento", "s50", 80, 'L', false}},
         {"&1) Event Queue", "&2) ID Kumite Individual", "&3) Tatami Mats No", "&4) Category", "&5) Modality", "&6) Division",
          "&7) Event code", "&8) Date", "&9) Tournament name"},
         {by_key("KE24:KeyQueue"), by_key("KE24:KeyIDNumeroDeEventoKIndividual"), by_key("KE24:KeyTatamiMatsNo", "KE24:TatamiMatsNo"),
          by_key("KE24:KeyCategoria", "KE24:Categoria"), by_key("KE24:KeyModalidad"), by_key("KE24:KeyDivicion"),
          by_key("KE24:KEYCodigoDeEvento"), by_key("KE24:KeyFechaEvento", "KE24:FechaEvento"),
          by_key("KE24:KeyNombreDelEvento", "KE24:NombreDelEvento")},
         {"KE24:Queue", "KE24:IDNumeroDeEventoKIndividual", "KE24:FechaEvento", "KE24:CodigoDeEvento", "KE24:TatamiMatsNo",
          "KE24:Categoria", "KE24:Divicion", "KE24:NombreDelEvento", "KE24:Modalidad"},
         {{"ID Evento", "KE24:IDNumeroDeEventoKIndividual", "n-14"},
          {"Event code:", "KE24:CodigoDeEvento", "s20"},
          {"Date:", "KE24:FechaEvento", "D17"},
          {"Modality:", "KE24:Modalidad", "s20"},
          {"Category:", "KE24:Categoria", "s20"},
          {"Division:", "KE24:Divicion", "s20"},
          {"Tatami Mats No:", "KE24:TatamiMatsNo", "s30"}},
         true,
         false,
         kEventTables,
         {}},
        {TableId::KumiteEquipo5,
         "KE212:Queue",
         {{"Queue", "KE212:Queue", "s20", 40},
          {"ID Event", "KE212:IDNumeroDeEventoEquipo", "n-14", 55, 'R'},
          {"Event code", "KE212:CodigoDeEvento", "s20", 60},
          {"Division", "KE212:Divicion", "s20", 45},
          {"Modality", "KE212:Modalidad", "s20", 45},
          {"Date", "KE212:FechaEvento", "D17", 45, 'R'},
          {"Tatami Mats No", "KE212:TatamiMatsNo", "s30", 55},
          {"Category", "KE212:Categoria", "s20", 45},
          {"", "KE212:NombreDeEquipo2R1R", "s20", 80},
          {"", "KE212:NombreDeEquipoE3R1A", "s20", 80},
          {"", "KE212:NombreDeEquipoE4R1R", "s20", 80},
          {"", "KE212:NombreDeEquipoE1R1A", "s20", 80}},
         {"&1) Queue Team event", "&2) ID Event", "&3) Event code", "&4) Tatami Mats No", "&5) Category", "&6) Division", "&7) Date",
          "&8) Team name", "&9) Modality"},
         {by_key("KE212:KeyQueue"), by_key("KE212:KeyIDNumeroDeEventoEquipo"), by_key("KE212:KeyCodigoDeEvento"),
          by_key("KE212:KeyDivicion", "KE212:Divicion"), by_key("KE212:KeyModalidad", "KE212:Modalidad"),
          by_key("KE212:KeyQueue", "KE212:Queue"), by_key("KE212:KeyFechaEvento", "KE212:FechaEvento"),
          by_key("KE212:KeyCategoria", "KE212:Categoria"), by_key("KE212:KeyQueue", "KE212:Queue")},
         {"KE212:Queue", "KE212:IDNumeroDeEventoEquipo", "KE212:CodigoDeEvento", "KE212:Divicion", "KE212:Modalidad",
          "KE212:FechaEvento", "KE212:TatamiMatsNo", "KE212:Categoria", "KE212:NombreDeEquipo2R1R", "KE212:NombreDeEquipoE3R1A",
          "KE212:NombreDeEquipoE4R1R", "KE212:NombreDeEquipoE1R1A"},
         {{"ID Event:", "KE212:IDNumeroDeEventoEquipo", "n-14"},
          {"Event code:", "KE212:CodigoDeEvento", "s20"},
          {"Division:", "KE212:Divicion", "s20"},
          {"Event date:", "KE212:FechaEvento", "D17"},
          {"Category:", "KE212:Categoria", "s20"},
          {"Tatami Mats No:", "KE212:TatamiMatsNo", "s30"},
          {"Modality:", "KE212:Modalidad", "s20"}},
         true,
         true,
         with(kEventTables, {TableId::Equipos}),
         PairSpec::Stack{"Teams", 8}},
    };
    return specs;
}

const std::vector<TwinSpec>& twin_specs() {
    static const std::vector<TwinSpec> specs = {
        {"BrouseQueueKata", "Queue Katas Events ", WindowKind::Floating, Kata, "FuzzyQuery1", {}, {}, {}},
        {"BrouseQueueKata1",
         "Queue Katas Events ",
         WindowKind::MdiChild,
         Kata,
         "FuzzyQuery1",
         {},
         {},
         {{"KE:CodigoEvento", "Event code:"}, {"KE:Divicion", "Division:"}}},
        {"BrowseQueueKKIndividual",
         "Queue Event Kata y Kumite Individual",
         WindowKind::Floating,
         Individual,
         "FuzzyQuery2",
         {},
         {},
         {}},
        {"BrowseQueueKKIndividual1",
         "Queue Event Kata y Kumite Individual",
         WindowKind::MdiChild,
         Individual,
         "FuzzyQuery2",
         {},
         {},
         {}},
        {"BrowseQueueEquipos", "Queue Of team event", WindowKind::Floating, Team, "FuzzyQuery3", {}, {}, {}},
        {"BrowseQueueEquipos1",
         "Queue Team event",
         WindowKind::MdiChild,
         Team,
         "FuzzyQuery3",
         {{1, "&1) Queue Event"}, {3, "&3) Encode"}, {8, "&8) Team  name"}},
         {{2, "ID Teen"}},
         {{"KE212:FechaEvento", "Date:"}}},
    };
    return specs;
}

const TwinSpec& twin_spec(const std::string& procedure) {
    for (const TwinSpec& s : twin_specs())
        if (procedure == s.procedure) return s;
    throw std::invalid_argument("no queue list " + procedure);
}

// The pair's columns with the twin's own headers.
std::vector<ColumnSpec> columns_of(const TwinSpec& twin) {
    std::vector<ColumnSpec> columns = pair_specs()[static_cast<std::size_t>(twin.pair)].columns;
    for (const auto& [column, header] : twin.headers) columns.at(static_cast<std::size_t>(column - 1)).header = header;
    return columns;
}

// The twin's column format, its stacked columns under their group header.
std::string format_of(const TwinSpec& twin) {
    const std::vector<ColumnSpec> columns = columns_of(twin);
    const std::optional<PairSpec::Stack>& stack = pair_specs()[static_cast<std::size_t>(twin.pair)].stack;
    if (!stack) return column_format(columns);
    const auto from = columns.begin() + static_cast<std::ptrdiff_t>(stack->from);
    return column_format({columns.begin(), from}) + live::grouped_format(stack->group, column_format({from, columns.end()}), true);
}

const int kWidth = 640;

}  // namespace

ListCell queue_status_colours(const std::string& status, bool team) {
    struct Row {
        int status;
        Colour text, back, selected_text, selected_back;
    };
    static const Row rows[] = {
        {1, kDefaultColour, 0x00C000, kDefaultColour, 0xC0FFC0},
        {2, 0xFFFFFF, 0x0000FF, kDefaultColour, 0xC0C0FF},
        {3, kDefaultColour, 0xC0C0C0, kDefaultColour, 0xE0E0E0},
        {4, 0xFFFFFF, 0xFF0000, kDefaultColour, 0xFFC0C0},
    };
    ListCell cell;
    // Read as a number: "2.5" or a text is none of the four.
    const store::Decimal value = live::Value(status).number();
    for (const Row& r : rows) {
        if (!(value == store::Decimal::from_integer(r.status))) continue;
        cell.text_colour = r.text;
        cell.back_colour = r.back;
        cell.selected_text_colour = r.selected_text;
        cell.selected_back_colour = team && r.status == 2 ? 0x0000FF : r.selected_back;
        break;
    }
    return cell;
}

WindowLayout queue_list_layout(const std::string& procedure) {
    const TwinSpec& twin = twin_spec(procedure);
    const PairSpec& pair = pair_specs()[static_cast<std::size_t>(twin.pair)];
    WindowLayout l{.title = twin.title, .kind = twin.kind, .width = kWidth, .height = 360, .timer = 50};
    std::vector<std::string> tabs = pair.tabs;
    for (const auto& [tab, text] : twin.tabs) tabs.at(static_cast<std::size_t>(tab - 1)) = text;
    add_tab_sheet(l, tabs, 4, 4, kWidth - 8, 210);
    l.controls.push_back({.use = "?BROWSE:1",
                          .kind = ControlKind::List,
                          .x = 8,
                          .y = 22,
                          .width = kWidth - 16,
                          .height = 170,
                          .format = format_of(twin)});
    if (pair.button_bar)
        add_button_bar(l, {"?BROWSE:TOP", "?BROWSE:PAGEUP", "?BROWSE:UP", "?BROWSE:DOWN", "?BROWSE:PAGEDOWN", "?BROWSE:BOTTOM"}, 8,
                       196);
    l.controls.push_back({.use = "?CLOSE",
                          .kind = ControlKind::Button,
                          .x = kWidth - 26,
                          .y = 196,
                          .width = 18,
                          .height = 14,
                          .image = "WACLOSE.ICO",
                          .tip = "Close Window",
                          .action = StandardAction::Close});
    add_search_box(l, 4, 218, kWidth - 8);
    std::string status = std::string("?") + pair.status;
    add_queue_status(l, upper(status), 8, 258);
    int y = 274;
    for (const Detail& d : pair.details) {
        const char* prompt = d.prompt;
        for (const auto& [field, own] : twin.prompts)
            if (std::string(field) == d.field) prompt = own;
        const std::string use = std::string("?") + d.field;
        l.controls.push_back(
            {.use = use + ":PROMPT", .kind = ControlKind::Prompt, .text = prompt, .x = 8, .y = y, .width = 70, .height = 10});
        ControlState
            entry{.use = use, .kind = ControlKind::Entry, .read_only = d.read_only, .x = 80, .y = y, .width = 160, .height = 10};
        entry.picture = std::string("@") + d.picture;
        l.controls.push_back(entry);
        y += 12;
    }
    return l;
}

live::ListScreenDeclaration queue_list(const std::string& procedure) {
    const TwinSpec& twin = twin_spec(procedure);
    const PairSpec& pair = pair_specs()[static_cast<std::size_t>(twin.pair)];
    live::ListScreenDeclaration d;
    d.record_controls = live::RecordControls::All;  // the detail entries show the highlighted row
    d.list.table = pair.table;
    const std::vector<ColumnSpec> columns = columns_of(twin);
    d.list.format = format_of(twin);
    for (const ColumnSpec& c : columns) d.list.fields.push_back(c.field);
    d.list.orders = pair.orders;
    d.list.sheet = "?CURRENTTAB";
    const int tabs = static_cast<int>(pair.tabs.size());
    d.list.tab_order = [tabs](int tab) { return tab >= 1 && tab <= tabs ? tab - 1 : 0; };
    const bool team = pair.team;
    const std::string status = pair.status;
    d.list.colours = [team, status](const store::RecordBuffer& record, ListRow& row) {
        // The status is the first column; only its cell is coloured.
        if (row.cells.empty()) return;
        const ListCell colours = queue_status_colours(record.get_text(status), team);
        const std::string text = row.cells[0].text;
        row.cells[0] = colours;
        row.cells[0].text = text;
    };
    d.list.search = live::SearchBox{.query_name = twin.query, .fields = pair.search};
    d.timer = 50;
    d.timer_steps = {live::TimerStep::Framework, live::TimerStep::Reset, live::TimerStep::Display};
    d.also_open = pair.also_open;
    return d;
}

namespace {

void queue_procedure(const std::string& name) { live::ListScreen(name, queue_list_layout(name), queue_list(name)).run(); }

constexpr char kKata[] = "BrouseQueueKata";
constexpr char kKata1[] = "BrouseQueueKata1";
constexpr char kIndividual[] = "BrowseQueueKKIndividual";
constexpr char kIndividual1[] = "BrowseQueueKKIndividual1";
constexpr char kTeam[] = "BrowseQueueEquipos";
constexpr char kTeam1[] = "BrowseQueueEquipos1";

const ProcedureRegistration registered_queues({kKata, kKata1, kIndividual, kIndividual1, kTeam, kTeam1}, &queue_procedure);

}  // namespace

}  // namespace zrv::flow
