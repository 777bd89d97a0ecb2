// The five lists of the kata events. Two families, each one mechanism with a table of the
// differences between its twins:
//   result lists       BrowseKataEvents, BrowseKataEventResultados: names and results of the
//                      eight competitors, read again every 2 seconds, the queue status shown
//   judge-count lists  BrowseKataEvent, BrowseKataEvent1, BrowseKataEvent11: category, division
//                      and modality, six cells coloured by the event's number of judges, the
//                      row's search score in a first column, no timer
#include <algorithm>
#include <limits>
#include <memory>
#include <stdexcept>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/procedures.h"
#include "kata/kata.h"
#include "live/button_bar.h"
#include "live/field_binding.h"

namespace zrv::kata {

namespace {

using live::SortOrder;

struct Column {
    std::string header;
    std::string field;
    std::string picture;
    bool coloured = false;
    std::string tip;
    std::string group;  // the group header the column stands under; empty: none
};

// The eight competitors' names and results, under a group header.
std::vector<Column> competitor_columns(const char* group) {
    std::vector<Column> columns;
    for (int n = 1; n <= 8; ++n) {
        const std::string k = std::to_string(n);
        columns.push_back({.header = "Name" + k, .field = "KE:NombreCompetidor" + k, .picture = "@S20", .group = group});
        columns.push_back({.header = "RC" + k, .field = "KE:ResultadoC" + k, .picture = "@n-6.2", .group = group});
    }
    return columns;
}

std::string column_format(const std::vector<Column>& columns) {
    std::string format;
    for (std::size_t i = 0; i < columns.size();) {
        // A run of columns under one group header is formatted as one group.
        std::size_t end = i + 1;
        while (end < columns.size() && !columns[i].group.empty() && columns[end].group == columns[i].group) ++end;
        std::string run;
        for (std::size_t j = i; j < end; ++j) {
            const Column& c = columns[j];
            const char kind = static_cast<char>(std::tolower(static_cast<unsigned char>(c.picture[1])));
            const bool number = kind == 'n';
            const int width = kind == 'd' ? 44 : number ? 40 : 80;
            run += std::to_string(width) + (number ? "R(2)" : "L(2)") + "|M" + (c.coloured ? "*" : "") + "~" + c.header + "~" +
                   (number ? "C(0)" : "") + (c.tip.empty() ? "" : "{" + c.tip + "}") + c.picture + "@";
        }
        format += columns[i].group.empty() ? run : live::grouped_format(columns[i].group, run);
        i = end;
    }
    return format;
}

SortOrder by(const char* key, const char* locator = "", live::Thumb thumb = live::Thumb::Rows) {
    return SortOrder{.key = key, .locator = locator, .thumb = thumb};
}

struct Tab {
    const char* text;
    const char* tip;
};

// Where a list's navigation buttons stand.
struct Navigation {
    int parent;  // 0: the window; 2: the first tab, shown only while it is selected
    int x, y;
    bool ends_only;  // only first page and last page shown
};

// ---- the result lists -------------------------------------------------------------------------

struct ResultList {
    const char* procedure;
    const char* title;
    const char* form;
    bool code_second;  // the event code before the competition number
    const char* number_header;
    const char* group;  // over the names and results
    std::vector<Tab> tabs;
    const char* change_text;
    bool change_hidden;
    bool select_button;
    Navigation navigation;
    live::Thumb division_thumb;  // the thumb of the division order
};

const std::vector<ResultList>& result_lists() {
    static const std::vector<ResultList> lists = {
        {"BrowseKataEvents",
         "Katas Competition results",
         "PantallaKataEvent",
         false,
         "Competitor ID",
         "Resultados",
         {{"&1)Competition number", ""}, {"&2)Event date", ""}, {"&3)Event code", ""}, {"&4)Division", ""}},
         "View Scord Bord",
         false,
         false,
         {0, 618, 276, false},
         live::Thumb::Text},
        {"BrowseKataEventResultados",
         " Katas Competition results",
         "Consola",
         true,
         "Predator ID",
         "Results",
         {{"&1)Competition number", ""}, {"&2) Event date", ""}, {"&3) Event code", ""}, {"&4) Division", ""}},
         "&Change",
         true,
         true,
         {2, 130, 222, false},
         live::Thumb::Rows},
    };
    return lists;
}

const ResultList* result_list(const std::string& procedure) {
    for (const ResultList& l : result_lists())
        if (procedure == l.procedure) return &l;
    return nullptr;
}

std::vector<Column> columns_of(const ResultList& l) {
    const Column date{"Date", "KE:FechaDeEvento", "@D17"};
    const Column number{l.number_header, "KE:NumeroDeCompeticion", "@n6"};
    const Column code{"Event code", "KE:CodigoEvento", "@s20"};
    std::vector<Column> columns = l.code_second ? std::vector<Column>{date, code, number} : std::vector<Column>{date, number, code};
    for (Column& c : competitor_columns(l.group)) columns.push_back(std::move(c));
    return columns;
}

// ---- the judge-count lists --------------------------------------------------------------------

struct JudgeList {
    const char* procedure;
    const char* title;
    const char* form;
    const char* headers[3];  // date, competition number, event code
    Tab tab1;
    const char* tab5;
    bool tips;  // the tips of its tabs and columns
    const char* number_prompt;
    Navigation navigation;
};

const std::vector<JudgeList>& judge_lists() {
    static const std::vector<JudgeList> lists = {
        {"BrowseKataEvent",
         "Kata Event",
         "PantallaJueces5Update",
         {"Event Date", "TID", "Event Code"},
         {"&1) Kata event with 8 competitors and 5 judges", "Kata 8 Competidores 5 Jueces"},
         "&5) Event Code",
         true,
         "&Competition Number:",
         {2, 220, 22, false}},
        {"BrowseKataEvent1",
         "Katas Event",
         "PantallaJueces5Update1",
         {"Date", "Competitor ID", "Event code"},
         {"&1) Kata 8 Competitors 5 Judges", ""},
         "&5) Event code",
         false,
         "Competition number:",
         {0, 80, 244, true}},
        {"BrowseKataEvent11",
         "Katas Event",
         "PantallaJueces5Update11",
         {"Date", "Competitor ID", "Event code"},
         {"&1) Kata 8 Competitors 5 Judges", ""},
         "&5) Event code",
         false,
         "Competition number:",
         {0, 80, 244, true}},
    };
    return lists;
}

const JudgeList* judge_list(const std::string& procedure) {
    for (const JudgeList& l : judge_lists())
        if (procedure == l.procedure) return &l;
    return nullptr;
}

std::vector<Tab> tabs_of(const JudgeList& l) {
    const bool t = l.tips;
    return {l.tab1,
            {"&2) Event", t ? "Eventos" : ""},
            {"&3) Category", t ? "Categoría" : ""},
            {"&4) Division", t ? "Division" : ""},
            {l.tab5, t ? "Codigo de Evento" : ""},
            {"&6) Modality", t ? "Modalidad" : ""}};
}

std::vector<Column> columns_of(const JudgeList& l) {
    const bool t = l.tips;
    std::vector<Column> columns = {
        {l.headers[0], "KE:FechaDeEvento", "@D17", true, t ? "Event Date" : ""},
        {l.headers[1], "KE:NumeroDeCompeticion", "@n6", true},
        {l.headers[2], "KE:CodigoEvento", "@s20", true, t ? "Codigo de Evento" : ""},
        {"Category", "KE:CategoriaCode", "@s20", true, t ? "Categoría" : ""},
        {"Division", "KE:Divicion", "@s20", true, t ? "Divisiones" : ""},
        {"Modality", "KE:Modalidad", "@s20", true, t ? "Modalidad" : ""},
    };
    for (Column& c : competitor_columns("Results")) columns.push_back(std::move(c));
    return columns;
}

// The row's cells after the score column that take the judge-count colour.
constexpr std::size_t kFirstColouredCell = 1, kColouredCells = 6;

void colour_by_judges(const store::RecordBuffer& record, ListRow& row) {
    const Colour back = judge_count_colour(record.get_integer("KE:KeyDe357"));
    for (std::size_t c = kFirstColouredCell; c < kFirstColouredCell + kColouredCells && c < row.cells.size(); ++c)
        row.cells[c] = ListCell{.text = std::move(row.cells[c].text), .back_colour = back};
}

// ---- the layouts ------------------------------------------------------------------------------

struct Button {
    const char* use;
    const char* text;
    bool hidden;
};

void add_sheet(WindowLayout& l, const std::vector<Tab>& tabs) {
    l.controls.push_back(
        {.number = 1, .use = "?CurrentTab", .kind = ControlKind::Sheet, .x = 4, .y = 4, .width = 712, .height = 236, .selected = 1});
    for (std::size_t t = 0; t < tabs.size(); ++t)
        l.controls.push_back({.number = static_cast<int>(t) + 2,
                              .use = "?Tab:" + std::to_string(t + 1),
                              .kind = ControlKind::Tab,
                              .parent = 1,
                              .text = tabs[t].text,
                              .tip = tabs[t].tip});
}

void add_buttons(WindowLayout& l, const std::vector<Button>& buttons) {
    int x = 8;
    for (const Button& b : buttons) {
        l.controls.push_back({.use = b.use,
                              .kind = ControlKind::Button,
                              .text = b.text,
                              .hidden = b.hidden,
                              .x = x,
                              .y = 244,
                              .width = 60,
                              .height = 14});
        if (!b.hidden) x += 64;
    }
    l.controls.push_back({.use = "?CLOSE",
                          .kind = ControlKind::Button,
                          .text = "&Close",
                          .x = 656,
                          .y = 244,
                          .width = 60,
                          .height = 14,
                          .action = StandardAction::Close});
}

void add_search(WindowLayout& l, const char* group, const std::string& suffix, int width = 712) {
    l.controls.push_back(
        {.use = "?FUZZYGROUP" + suffix, .kind = ControlKind::Group, .text = group, .x = 4, .y = 262, .width = width, .height = 34});
    l.controls.push_back({.use = "?FUZZYQUERY" + suffix,
                          .kind = ControlKind::Entry,
                          .x = 10,
                          .y = 276,
                          .width = width - 152,
                          .height = 14,
                          .picture = "@S255"});
    l.controls.push_back({.use = "?FUZZYGO" + suffix,
                          .kind = ControlKind::Button,
                          .text = "&Search",
                          .x = width - 136,
                          .y = 276,
                          .width = 64,
                          .height = 14});
    l.controls.push_back({.use = "?FUZZYCLEAR" + suffix,
                          .kind = ControlKind::Button,
                          .text = "&Clear",
                          .x = width - 66,
                          .y = 276,
                          .width = 64,
                          .height = 14});
}

void add_navigation(WindowLayout& l, const Navigation& n) {
    // The navigation buttons where the list shows them; the further browse buttons, which every
    // list has, outside its visible area.
    int x = n.x, out = l.width + 20;
    for (std::size_t i = 0; i < live::kButtonBar.size(); ++i) {
        const live::BarButton& b = live::kButtonBar[i];
        if (i >= live::kNavigationButtons) {
            l.controls.push_back({.use = b.use, .kind = ControlKind::Button, .x = out, .y = 0, .width = 14, .height = 14});
            out += 20;
            continue;
        }
        const bool shown = !n.ends_only || i == 0 || i == live::kNavigationButtons - 1;
        l.controls.push_back({.use = b.use,
                              .kind = ControlKind::Button,
                              .parent = n.parent,
                              .hidden = !shown,
                              .x = x,
                              .y = n.y,
                              .width = 14,
                              .height = 14,
                              .image = b.image,
                              .tip = b.tip});
        if (shown) x += 16;
    }
}

constexpr const char* kQueueItems[] = {"QueueStart", "QueueStop", "QueueDone", "QueueAssigned"};

WindowLayout result_list_layout(const ResultList& spec) {
    WindowLayout l{.title = spec.title, .kind = WindowKind::MdiChild, .width = 720, .height = 300, .timer = 200};
    add_sheet(l, spec.tabs);
    l.controls.push_back({.use = "?BROWSE:1",
                          .kind = ControlKind::List,
                          .x = 8,
                          .y = 22,
                          .width = 704,
                          .height = 196,
                          .format = column_format(columns_of(spec))});
    l.controls.push_back(
        {.use = "?KE:QUEUE:Prompt", .kind = ControlKind::Prompt, .text = "Queue:", .x = 8, .y = 222, .width = 30, .height = 12});
    ControlState queue{.use = "?KE:QUEUE",
                       .kind = ControlKind::DropList,
                       .disabled = true,
                       .x = 40,
                       .y = 222,
                       .width = 80,
                       .height = 12,
                       .picture = "@s20"};
    for (int i = 0; i < 4; ++i) {
        queue.items.push_back(kQueueItems[i]);
        queue.item_values.push_back(std::to_string(i + 1));
    }
    l.controls.push_back(queue);
    std::vector<Button> buttons;
    if (spec.select_button) buttons.push_back({"?SELECT:2", "&Select", false});
    buttons.push_back({"?VIEW:3", "&View", false});
    buttons.push_back({"?CHANGE:4", spec.change_text, spec.change_hidden});
    add_buttons(l, buttons);
    // Beside the search box, the navigation buttons of a list without them on its first tab.
    add_search(l, "Fu&zzy Search Options", "", spec.navigation.parent ? 712 : spec.navigation.x - 10);
    add_navigation(l, spec.navigation);
    return l;
}

WindowLayout judge_list_layout(const JudgeList& spec) {
    WindowLayout l{.title = spec.title, .kind = WindowKind::MdiChild, .width = 720, .height = 300};
    add_sheet(l, tabs_of(spec));
    // Tab 1's typing locator.
    l.controls.push_back({.use = "?PromptNumber",
                          .kind = ControlKind::Prompt,
                          .parent = 2,
                          .text = spec.number_prompt,
                          .x = 8,
                          .y = 22,
                          .width = 80,
                          .height = 12});
    l.controls.push_back({.use = "?KE:NUMERODECOMPETICION",
                          .kind = ControlKind::Entry,
                          .parent = 2,
                          .x = 92,
                          .y = 22,
                          .width = 40,
                          .height = 12,
                          .picture = "@n6B"});
    l.controls.push_back({.use = "?PromptClickTab",
                          .kind = ControlKind::Prompt,
                          .parent = 2,
                          .text = "&Click Tab",
                          .x = 140,
                          .y = 22,
                          .width = 60,
                          .height = 12});
    l.controls.push_back({.use = "?BROWSE:1",
                          .kind = ControlKind::List,
                          .x = 8,
                          .y = 38,
                          .width = 704,
                          .height = 196,
                          .format = column_format(columns_of(spec))});
    add_buttons(l, {{"?VIEW:2", "&View", false},
                    {"?INSERT:3", "&Insert", true},
                    {"?CHANGE:3", "&Change", true},
                    {"?DELETE:3", "&Delete", true}});
    add_search(l, "Search All", ":2");
    add_navigation(l, spec.navigation);
    return l;
}

std::vector<std::string> fields_of(const std::vector<Column>& columns) {
    std::vector<std::string> fields;
    for (const Column& c : columns) fields.push_back(c.field);
    return fields;
}

live::ListScreenDeclaration result_list_declaration(const ResultList& spec) {
    live::ListScreenDeclaration d;
    d.list.table = data::TableId::KataEvent;
    d.list.format = column_format(columns_of(spec));
    d.list.fields = fields_of(columns_of(spec));
    d.list.fields.push_back("KE:Queue");
    d.list.fields.push_back("KE:CategoriaCode");
    d.list.orders = {by("KE:KeyNumeroDeCompetencia", "KE:NumeroDeCompeticion"),
                     by("KE:KeyFechaDeEvento", "KE:FechaDeEvento", live::Thumb::Date),
                     by("KE:KeyCodigoDeEvento", "KE:CodigoEvento", live::Thumb::Text),
                     by("KE:KEYDivicionCode", "KE:CategoriaCode", spec.division_thumb)};
    d.list.sheet = "?CurrentTab";
    d.list.tab_order = [](int tab) { return tab >= 1 && tab <= 4 ? tab - 1 : 0; };
    d.list.search = live::SearchBox{.query_name = "FuzzyQuery8", .fields = d.list.fields};
    d.form = spec.form;
    d.buttons = {.view = "?VIEW:3", .insert = "", .change = "?CHANGE:4", .remove = "", .select = "?SELECT:2"};
    d.timer = 200;
    d.timer_steps = {live::TimerStep::Display, live::TimerStep::Reset, live::TimerStep::Framework};
    d.also_open = {data::TableId::Categoria,     data::TableId::Colores,
                   data::TableId::Competidor,    data::TableId::Divisiones,
                   data::TableId::Dojo,          data::TableId::Katas,
                   data::TableId::Modalidades,   data::TableId::ResultadosKataJueces5,
                   data::TableId::TournamentInfo};
    return d;
}

live::ListScreenDeclaration judge_list_declaration(const JudgeList& spec) {
    live::ListScreenDeclaration d;
    d.list.table = data::TableId::KataEvent;
    d.list.format = column_format(columns_of(spec));
    d.list.fields = fields_of(columns_of(spec));
    d.list.orders = {by("KE:KeyNumeroDeCompetencia", "KE:NumeroDeCompeticion"),
                     SortOrder{.key = "KE:KeyCategoriaModalidadDiviciones",
                               .then_by = "KE:NumeroDeCompeticion",
                               .thumb = live::Thumb::Text},
                     by("KE:KeyCategoriaCode", "KE:CategoriaCode"),
                     by("KE:KEYDivicionCode", "KE:CategoriaCode"),
                     by("KE:KeyCodigoDeEvento", "KE:CodigoEvento"),
                     by("KE:KeyModalidad", "KE:Modalidad")};
    d.list.colours = &colour_by_judges;
    d.list.sheet = "?CurrentTab";
    d.list.tab_order = [](int tab) { return tab >= 1 && tab <= 6 ? tab - 1 : 0; };
    d.list.typing_locator = "?KE:NUMERODECOMPETICION";
    d.list.locate_on_accept = true;
    d.list.search = live::SearchBox{.query_name = "FuzzyQuery8",
                                    .score_name = "FuzzyResult8",
                                    .fields = d.list.fields,
                                    .score_column = true,
                                    .query_resets = true,
                                    .query_control = "?FUZZYQUERY:2",
                                    .go_control = "?FUZZYGO:2",
                                    .clear_control = "?FUZZYCLEAR:2"};
    d.form = spec.form;
    d.buttons = {.view = "?VIEW:2", .insert = "?INSERT:3", .change = "?CHANGE:3", .remove = "?DELETE:3", .select = ""};
    d.also_open = {data::TableId::Categoria, data::TableId::Competidor, data::TableId::Divisiones, data::TableId::Dojo,
                   data::TableId::TournamentInfo};
    return d;
}

// A kata list: the list's own controller, with its navigation buttons and the result lists'
// queue status following the selected row.
class KataList final : public live::ListScreen {
public:
    KataList(const std::string& procedure, const WindowLayout& layout, live::ListScreenDeclaration declaration)
        : ListScreen(procedure, layout, std::move(declaration)) {}

    bool initialize() override {
        if (!ListScreen::initialize()) return false;
        queue_ = control("?KE:QUEUE");
        if (queue_) {
            window().bind(queue_, std::make_shared<live::FieldBinding>(*data::field_by_name("KE:Queue"), live::Picture{}));
            window().display(queue_);
        }
        return true;
    }
    Flow on_accepted(int c) override {
        if (c && c == control("?CLOSE")) {
            // "&Close" answers completed, cancelled when the list was run to select.
            if (request() != kRequestSelect) set_response(kResponseCompleted);
            window().post(EventKind::CloseWindow);
            return Flow::Continue;
        }
        return ListScreen::on_accepted(c);
    }
    Flow on_new_selection(int c) override {
        Flow flow = ListScreen::on_new_selection(c);
        if (queue_) window().display(queue_);
        return flow;
    }

private:
    int queue_ = 0;
};

void list_procedure(const std::string& name) { KataList(name, kata_list_layout(name), kata_list(name)).run(); }

constexpr char kEvents[] = "BrowseKataEvents";
constexpr char kResultados[] = "BrowseKataEventResultados";
constexpr char kEvent[] = "BrowseKataEvent";
constexpr char kEvent1[] = "BrowseKataEvent1";
constexpr char kEvent11[] = "BrowseKataEvent11";

const ProcedureRegistration registered_lists({kEvents, kResultados, kEvent, kEvent1, kEvent11}, &list_procedure);

}  // namespace

Colour judge_count_colour(std::int64_t judges) {
    switch (judges) {
        case 3:
            return 0xC0E0FF;
        case 5:
            return 0xC0FFC0;
        case 7:
            return 0xC0C0FF;
        default:
            return kDefaultColour;
    }
}

WindowLayout kata_list_layout(const std::string& procedure) {
    if (const ResultList* r = result_list(procedure)) return result_list_layout(*r);
    if (const JudgeList* j = judge_list(procedure)) return judge_list_layout(*j);
    throw std::invalid_argument("no kata list " + procedure);
}

live::ListScreenDeclaration kata_list(const std::string& procedure) {
    if (const ResultList* r = result_list(procedure)) return result_list_declaration(*r);
    if (const JudgeList* j = judge_list(procedure)) return judge_list_declaration(*j);
    throw std::invalid_argument("no kata list " + procedure);
}

}  // namespace zrv::kata
