#include "flow/next_up.h"

#include <stdexcept>

#include "data/declaration.h"
#include "flow/list_parts.h"
#include "framework/core/engine.h"
#include "framework/core/event.h"
#include "framework/core/procedures.h"
#include "live/field_binding.h"

namespace zrv::flow {

namespace {

using data::TableId;
using live::RelatedLookup;

struct Tab {
    const char* text;
    const char* key;
    const char* locator;
};

// An entry beside the list that shows a field of the highlighted row.
struct Detail {
    const char* prompt;
    const char* field;
    const char* picture;
};

// What the lists and the screens of one kind of event share.
struct EventSpec {
    TableId table;
    const char* prefix;       // of the screen's field names: "KE24"
    const char* id;           // the event number, shown in a change's title
    const char* primary_key;  // the screen reads its record again by it
    const char* size;         // the field whose value colours a row
    const char* list_title;
    const char* query;  // the names the list's query and row score are bound under
    const char* score;
    std::vector<ColumnSpec> columns;
    std::vector<Tab> tabs;
    std::vector<std::string> search;
    std::vector<TableId> also_open;
    std::vector<Detail> details;
    bool details_on_first_tab;  // the first tab's locator entry, or the team names below the list
    const char* fixed_prompt;   // nullptr: none
    bool no_records_button;     // "?BUTTONNORECORDS", with its popup item
    std::vector<RelatedLookup> related;
    std::vector<RelatedLookup> row_related;  // other tables' records of each row, read by the row's fields
};

enum Kind { Individual, Team };

const std::vector<EventSpec>& event_specs() {
    static const std::vector<EventSpec> specs = {
        {TableId::KumiteIndividual,
         "KE24",
         "KE24:IDNumeroDeEventoKIndividual",
         "KE24:KeyIDNumeroDeEventoKIndividual",
         "KE24:KeyDe4816",
         "Kumite competition of 4 competitors",
         "FuzzyQuery7",
         "FuzzyResult7",
         {{"Individual Kumite ID", "KE24:IDNumeroDeEventoKIndividual", "n-14", 45, 'R', true, "Individual Kumite ID"},
          {"Event Date", "KE24:FechaEvento", "D17", 45, 'R', true, "Event Date"},
          {"Event Code", "KE24:CodigoDeEvento", "s20", 60, 'L', true, "Codigo De Evento"},
          {"Category", "KE24:Categoria", "s10", 45, 'L', true, "Categorias"},
          {"Division", "KE24:Divicion", "s20", 45, 'L', true, "Divisiones"},
          {"Modality", "KE24:Modalidad", "s20", 45, 'L', true, "Modalidad"},
          {"Tournament Name", "KE24:NombreDelEvento", "s50", 80, 'L', true, "Nombre Torneo"}},
         {{"&1) Individual Kumite ID", "KE24:KeyIDNumeroDeEventoKIndividual", "KE24:IDNumeroDeEventoKIndividual"},
          {"&2) Event Code", "KE24:KEYCodigoDeEvento", ""},
          {"&3) Date", "KE24:KeyFechaEvento", "KE24:FechaEvento"},
          {"&4) Category", "KE24:KeyCategoria", "KE24:Categoria"},
          {"&5) Division", "KE24:KeyDivicion", ""},
          {"&6) Modality", "KE24:KeyModalidad", ""},
          {"&7) No de Tatami", "KE24:KeyTatamiMatsNo", ""},
          {"&8) Event status", "KE24:KeyQueue", "KE24:Queue"}},
         {"KE24:IDNumeroDeEventoKIndividual", "KE24:FechaEvento", "KE24:CodigoDeEvento", "KE24:Categoria", "KE24:Divicion",
          "KE24:Modalidad", "KE24:NombreDelEvento", "KE24:Queue", "KE24:TatamiMatsNo"},
         {TableId::Categoria, TableId::Colores, TableId::Competidor, TableId::Divisiones, TableId::Dojo, TableId::Modalidades,
          TableId::TatamiMats, TableId::TournamentInfo},
         {{"Individual Kumite ID:", "KE24:IDNUMERODEEVENTOKINDIVIDUAL", "@n-14B"}},
         true,
         "To create a competition of 4 competitors, Press (+Insert )",
         true,
         {}},
        {TableId::KumiteEquipo5,
         "KE212",
         "KE212:IDNumeroDeEventoEquipo",
         "KE212:KeyIDNumeroDeEventoEquipo",
         "KE212:KEYDE34",
         "4 Team Kumite Competition",
         "FuzzyQuery6",
         "FuzzyResult6",
         {{"Team Event ID", "KE212:IDNumeroDeEventoEquipo", "n-14", 55, 'R', true, "ID Evento Equipo"},
          {"Event Date", "KE212:FechaEvento", "D17", 45, 'R', true, "Fecha Evento"},
          {"Event Code", "KE212:CodigoDeEvento", "s20", 45, 'L', true, "Codigo de Evento"},
          // Each row's own team: the Equipos record whose number is the event's (blank when none).
          {"Coach Name", "Equ:Entrenado", "S20", 80, 'L', true, "Nombre Entrenador"},
          {" Category", "KE212:Categoria", "s10", 44, 'L', true, "Categoría"},
          {"Event Director", "KE212:NombreDelOrganizador", "s50", 80, 'D', true, "Nombre Director Evento"},
          {"Tournament Name", "KE212:NombreDelEvento", "s50", 80, 'L', true, "Nombre Torneo"},
          {"Address", "KE212:DirecionDelEvento", "s50", 80, 'L', true, "Direccion"},
          {"Division", "KE212:Divicion", "s20", 45, 'L', true, "Divisiones"},
          {"Modality", "KE212:Modalidad", "s20", 45, 'L', true, "Modalidad"}},
         {{"&1) Team Event ID", "KE212:KeyIDNumeroDeEventoEquipo", "KE212:IDNumeroDeEventoEquipo"},
          {"&2) Event Date", "KE212:KeyFechaEvento", "KE212:FechaEvento"},
          {"&3) Event Code", "KE212:KeyCodigoDeEvento", "KE212:CodigoDeEvento"},
          {"&4) Category", "KE212:KeyCategoria", "KE212:Categoria"},
          {"&5) Modality", "KE212:KeyModalidad", "KE212:Modalidad"},
          {"&6) Division", "KE212:KeyDivicion", "KE212:Divicion"},
          {"&7) Event", "KE212:KeyCategoriaModalidadDiviciones", "KE212:Modalidad"}},
         {"KE212:IDNumeroDeEventoEquipo", "KE212:FechaEvento", "KE212:CodigoDeEvento", "Equ:Entrenado", "KE212:Categoria",
          "KE212:NombreDelOrganizador", "KE212:NombreDelEvento", "KE212:DirecionDelEvento", "KE212:Divicion", "KE212:Modalidad",
          "KE212:NombreDeEquipoE1R1A", "KE212:NombreDeEquipo2R1R", "KE212:NombreDeEquipoE3R1A", "KE212:NombreDeEquipoE4R1R",
          "KE212:Queue"},
         {TableId::Equipos},
         {{"Team Name:", "KE212:NOMBREDEEQUIPOE1R1A", "@s20"},
          {"Team Name:", "KE212:NOMBREDEEQUIPO2R1R", "@s20"},
          {"Team Name:", "KE212:NOMBREDEEQUIPOE3R1A", "@s20"},
          {"Team Name:", "KE212:NOMBREDEEQUIPOE4R1R", "@s20"}},
         false,
         nullptr,
         false,
         // Fetched on every reset and shown nowhere.
         {{TableId::Competidor, "CM:KeyNumeroRecordID", {{"CM:IDCompetidor", "KE212:IDNumeroDeEventoEquipo"}}}},
         {{TableId::Equipos, "Equ:KeyIDNumeroDeEquipo", {{"EQU:IDNUMERODEEQUIPO", "KE212:IDNumeroDeEventoEquipo"}}}}},
    };
    return specs;
}

struct ListSpec {
    const char* procedure;
    const char* screen;
    Kind kind;
};
const ListSpec kLists[] = {
    {"BrowseReadUpKumiteScreen41", "ReadUpKumiteScreen4C1", Individual},
    {"BrowseReadUpTEAMScreen41", "ReadUpTEAMScreen41", Team},
    {"BrowseReadUpTEAMScreen4", "ReadUpTEAMScreen4", Team},
};

struct ScreenSpec {
    const char* procedure;
    const char* title;  // replaced by the request's text as the screen opens
    WindowKind window;
    Kind kind;
};
const ScreenSpec kScreens[] = {
    {"ReadUpKumiteScreen4C1", "Next Competitor Up ", WindowKind::Floating, Individual},
    {"ReadUpTEAMScreen41", "Read Up TEAM Screen", WindowKind::Floating, Team},
    {"ReadUpTEAMScreen4", "Read Up TEAM Screen", WindowKind::MdiChild, Team},
};

template <typename Spec, std::size_t N>
const Spec& find_spec(const Spec (&specs)[N], const std::string& procedure) {
    for (const Spec& s : specs)
        if (procedure == s.procedure) return s;
    throw std::invalid_argument("no next-up procedure " + procedure);
}

const EventSpec& event_of(Kind kind) { return event_specs()[static_cast<std::size_t>(kind)]; }

std::string use_of(const std::string& field) { return "?" + upper(field); }

// ---- the lists --------------------------------------------------------------------------------

constexpr int kListWidth = 640, kListHeight = 300, kFirstTab = 1001;

ControlState prompt(std::string use, std::string text, int x, int y, int width, int parent = 0) {
    return {.use = std::move(use),
            .kind = ControlKind::Prompt,
            .parent = parent,
            .text = std::move(text),
            .x = x,
            .y = y,
            .width = width,
            .height = 10};
}

ControlState entry(const char* field, const char* picture, int x, int y, int width, int parent = 0) {
    ControlState c{.use = use_of(field), .kind = ControlKind::Entry, .parent = parent, .x = x, .y = y, .width = width, .height = 10};
    c.picture = picture;
    return c;
}

ControlState button(const char* use, const char* text, int x, int y, bool hidden = false) {
    return {.use = use, .kind = ControlKind::Button, .text = text, .hidden = hidden, .x = x, .y = y, .width = 48, .height = 14};
}

// The cells after the score column take the event's size colour as their normal background.
void colour_by_size(bool team, const char* size, const store::RecordBuffer& record, ListRow& row) {
    const Colour back = event_size_colour(team, record.get_integer(size));
    for (std::size_t c = 1; c < row.cells.size(); ++c)
        row.cells[c] = ListCell{.text = std::move(row.cells[c].text), .back_colour = back};
}

// The list's controller: the navigation buttons scroll it, the queue status and the detail
// entries follow the highlighted row, and "?BUTTONNORECORDS" is enabled only while the list
// has rows, and its popup item with it.
class NextUpList final : public live::ListScreen {
public:
    explicit NextUpList(const std::string& procedure)
        : live::ListScreen(procedure, next_up_list_layout(procedure), next_up_list(procedure)) {}

    bool initialize() override {
        if (!live::ListScreen::initialize()) return false;
        no_records_ = control("?BUTTONNORECORDS");
        follow_page();
        window().display();
        return true;
    }

    Flow take_event(Event& event) override {
        const Flow flow = live::ListScreen::take_event(event);
        follow_page();
        return flow;
    }

    Flow on_accepted(int c) override {
        const Flow flow = live::ListScreen::on_accepted(c);
        if (c && c == no_records_ && !window().control(c).disabled) {
            browse_->select_row(window().selected(browse_->list_control()));
            reset(true);
        }
        return flow;
    }

    Flow on_alert_key(int c) override {
        if (no_records_ && c == browse_->list_control() && window().keycode() == kMouseRightKey) {
            const ControlState b = window().control(no_records_);
            const int chosen = engine().popup_menu(PopupRequest{.items = {b.text}, .disabled = {b.disabled}});
            if (chosen == 1 && !window().control(no_records_).disabled) window().post(EventKind::Accepted, no_records_);
            window().set_keycode(0);
            return Flow::Continue;
        }
        return live::ListScreen::on_alert_key(c);
    }

private:
    // After every fill of the page.
    void follow_page() {
        if (!no_records_) return;
        const bool none = browse_->page().empty();
        if (window().control(no_records_).disabled != none) window().set_disabled(no_records_, none);
    }

    int no_records_ = 0;
};

// ---- the screens ------------------------------------------------------------------------------

constexpr int kScreenWidth = 800, kScreenHeight = 600;
constexpr Colour kRed = 0x0000FF, kBlue = 0xFF0000, kWhite = 0xFFFFFF, kYellow = 0x00FFFF;

// One half of a screen: its box, its side's caption, the competitor and the dojo.
struct Side {
    const char* box;
    const char* caption_use;
    const char* caption;
    const char* name;
    const char* dojo_prompt;
    const char* dojo;
    Colour fill, frame;
    int top;
};

std::vector<Side> sides() {
    const int half = (kScreenHeight - 68) / 2;
    return {{"?BOX1", "?PROMPT2", "Ready Aka", "ReadyCompetitorAka", "?KE24:READYCOMPETITORDOJOAKA:PROMPT", "ReadyCompetitorDojoAka",
             kRed, kRed, 66},
            {"?BOX1:2", "?PROMPT2:2", "Ready Ao", "ReadyCompetitorAo", "?KE24:READYCOMPETITORDOJOAKA:PROMPT:2",
             "ReadyCompetitorDojoAo", kBlue, kWhite, 66 + half}};
}

ControlState screen_entry(const std::string& field, int y, int height, int size, bool black, Colour fill) {
    ControlState c{.use = use_of(field),
                   .kind = ControlKind::Entry,
                   .x = 12,
                   .y = y,
                   .width = kScreenWidth - 24,
                   .height = height,
                   .font_colour = kWhite,
                   .fill_colour = fill,
                   .font_size = size};
    if (black) {
        c.font_name = "Arial Black";
        c.bold = true;  // heavy also where another typeface stands in for it
    }
    c.picture = "@s45";
    return c;
}

void list_procedure(const std::string& name) { NextUpList(name).run(); }

void screen_procedure(const std::string& name) {
    live::LiveForm screen(name, next_up_screen_layout(name), next_up_screen(name));
    // Made larger (a projector's full screen), the texts grow with the window.
    screen.window().set_resize_strategy(ResizeStrategy::Scale);
    screen.run();
}

constexpr char kKumiteList[] = "BrowseReadUpKumiteScreen41";
constexpr char kTeamList41[] = "BrowseReadUpTEAMScreen41";
constexpr char kTeamList4[] = "BrowseReadUpTEAMScreen4";
constexpr char kKumiteScreen[] = "ReadUpKumiteScreen4C1";
constexpr char kTeamScreen41[] = "ReadUpTEAMScreen41";
constexpr char kTeamScreen4[] = "ReadUpTEAMScreen4";

const ProcedureRegistration registered_lists({kKumiteList, kTeamList41, kTeamList4}, &list_procedure);
const ProcedureRegistration registered_screens({kKumiteScreen, kTeamScreen41, kTeamScreen4}, &screen_procedure);

}  // namespace

const std::vector<std::string>& next_up_lists() {
    static const std::vector<std::string> names = {kKumiteList, kTeamList41, kTeamList4};
    return names;
}

const std::vector<std::string>& next_up_screens() {
    static const std::vector<std::string> names = {kKumiteScreen, kTeamScreen41, kTeamScreen4};
    return names;
}

Colour event_size_colour(bool team, std::int64_t size) {
    static const struct {
        bool team;
        std::int64_t size;
        Colour back;
    } colours[] = {{false, 4, 0xC0E0FF}, {false, 8, 0xC0FFFF}, {false, 16, 0xFFC0FF}, {true, 3, 0xFFFFC0}, {true, 4, 0xFFC0C0}};
    for (const auto& c : colours)
        if (c.team == team && c.size == size) return c.back;
    return kDefaultColour;
}

WindowLayout next_up_list_layout(const std::string& procedure) {
    const EventSpec& e = event_of(find_spec(kLists, procedure).kind);
    WindowLayout l{.title = e.list_title, .kind = WindowKind::MdiChild, .width = kListWidth, .height = kListHeight};
    std::vector<std::string> tabs;
    for (const Tab& t : e.tabs) tabs.push_back(t.text);
    add_tab_sheet(l, tabs, 4, 4, kListWidth - 8, 214);
    // The first tab carries a number of its own, for the controls that lie on it.
    for (ControlState& c : l.controls)
        if (c.use == "?TAB1") c.number = kFirstTab;
    int x = 8;
    const int below = 262;
    for (const Detail& d : e.details) {
        const int y = e.details_on_first_tab ? 22 : below;
        const int parent = e.details_on_first_tab ? kFirstTab : 0;
        l.controls.push_back(prompt(use_of(d.field) + ":PROMPT", d.prompt, x, y, 76, parent));
        l.controls.push_back(entry(d.field, d.picture, x + 78, y, 70, parent));
        x += 156;
    }
    l.controls.push_back({.use = "?BROWSE:1",
                          .kind = ControlKind::List,
                          .x = 8,
                          .y = 36,
                          .width = kListWidth - 16,
                          .height = 160,
                          .format = column_format(e.columns)});
    add_button_bar(l, {"?BROWSE:TOP", "?BROWSE:BOTTOM"}, 8, 200);
    l.controls.push_back(button("?VIEW:3", "&View", 48, 200));
    l.controls.push_back(button("?INSERT:4", "&Insert", 100, 200, true));
    l.controls.push_back(button("?CHANGE:4", "&Change", 152, 200, true));
    l.controls.push_back(button("?DELETE:4", "&Delete", 204, 200, true));
    add_queue_status(l, use_of(std::string(e.prefix) + ":Queue"), 260, 202);
    ControlState close = button("?CLOSE", "&Close", kListWidth - 56, 200);
    close.action = StandardAction::Close;
    l.controls.push_back(close);
    add_search_box(l, 4, 222, kListWidth - 8);
    if (e.fixed_prompt) l.controls.push_back(prompt("?PROMPT1", e.fixed_prompt, 8, below, 300));
    // Out of sight below the window; reached through its popup item.
    if (e.no_records_button) l.controls.push_back(button("?BUTTONNORECORDS", "Button", 8, kListHeight + 20));
    return l;
}

live::ListScreenDeclaration next_up_list(const std::string& procedure) {
    const ListSpec& spec = find_spec(kLists, procedure);
    const EventSpec& e = event_of(spec.kind);
    live::ListScreenDeclaration d;
    // The locator entry shows what is typed into it, not the row's number.
    d.record_controls = live::RecordControls::AllButLocator;
    d.list.table = e.table;
    d.list.format = column_format(e.columns);
    for (const ColumnSpec& c : e.columns) d.list.fields.push_back(c.field);
    for (const Tab& t : e.tabs) d.list.orders.push_back(by_key(t.key, t.locator));
    d.list.sheet = "?CURRENTTAB";
    d.list.row_related = e.row_related;
    const int tabs = static_cast<int>(e.tabs.size());
    d.list.tab_order = [tabs](int tab) { return tab >= 1 && tab <= tabs ? tab - 1 : 0; };
    const bool team = spec.kind == Team;
    // The team list's columns are wider than its box: a page of 18 rows stands whole above the
    // scroll bar they need.
    if (team) d.list.page_rows = 18;
    const char* size = e.size;
    d.list.colours = [team, size](const store::RecordBuffer& record, ListRow& row) { colour_by_size(team, size, record, row); };
    if (e.details_on_first_tab) d.list.typing_locator = use_of(e.details.front().field);
    d.list.search = live::SearchBox{.query_name = e.query,
                                    .score_name = e.score,
                                    .fields = e.search,
                                    .score_column = true,
                                    .query_resets = true};
    d.form = spec.screen;
    d.buttons = {.view = "?VIEW:3", .insert = "?INSERT:4", .change = "?CHANGE:4", .remove = "?DELETE:4", .select = ""};
    d.also_open = e.also_open;
    return d;
}

WindowLayout next_up_screen_layout(const std::string& procedure) {
    const ScreenSpec& s = find_spec(kScreens, procedure);
    const std::string prefix = std::string(event_of(s.kind).prefix) + ":";
    WindowLayout l{.title = s.title, .kind = s.window, .width = kScreenWidth, .height = kScreenHeight, .timer = 1};
    l.controls.push_back({.use = "?PROMPT1",
                          .kind = ControlKind::Prompt,
                          .text = "Next Competitor Up ",
                          .x = 0,
                          .y = 2,
                          .width = kScreenWidth,
                          .height = 60,
                          .font_name = "Arial Black",
                          .font_size = 55,
                          .bold = true,
                          .align = 1});
    const int half = (kScreenHeight - 68) / 2;
    for (const Side& side : sides()) {
        const int top = side.top;
        l.controls.push_back({.use = side.box,
                              .kind = ControlKind::Box,
                              .x = 0,
                              .y = top,
                              .width = kScreenWidth,
                              .height = half - 2,
                              .fill_colour = side.fill,
                              .border_colour = side.frame});
        l.controls.push_back({.use = side.caption_use,
                              .kind = ControlKind::Prompt,
                              .text = side.caption,
                              .x = 12,
                              .y = top + 6,
                              .width = 300,
                              .height = 26,
                              .font_colour = kWhite,
                              .font_name = "Arial Black",
                              .font_size = 20,
                              .bold = true});
        l.controls.push_back(screen_entry(prefix + side.name, top + 34, 110, 60, true, side.fill));
        l.controls.push_back({.use = side.dojo_prompt,
                              .kind = ControlKind::Prompt,
                              .text = "Competitor Dojo",
                              .x = 12,
                              .y = top + 150,
                              .width = 300,
                              .height = 26,
                              .font_colour = kYellow,
                              .font_name = "Arial Black",
                              .font_size = 20,
                              .bold = true});
        l.controls.push_back(screen_entry(prefix + side.dojo, top + 178, 32, 20, false, side.fill));
    }
    l.controls.push_back({.use = "?OK",
                          .kind = ControlKind::Button,
                          .text = "&OK",
                          .hidden = true,
                          .x = 4,
                          .y = 4,
                          .width = 40,
                          .height = 14,
                          .tip = "Accept data and close the window",
                          .action = StandardAction::Ok});
    l.controls.push_back({.use = "?CANCEL",
                          .kind = ControlKind::Button,
                          .text = "&Cancel",
                          .hidden = true,
                          .x = 48,
                          .y = 4,
                          .width = 40,
                          .height = 14,
                          .tip = "Cancel operation",
                          .action = StandardAction::Cancel});
    return l;
}

live::FormDeclaration next_up_screen(const std::string& procedure) {
    const EventSpec& e = event_of(find_spec(kScreens, procedure).kind);
    return live::FormDeclaration{.table = e.table,
                                 .primary_key = e.primary_key,
                                 .key_field = e.id,
                                 .caption = live::CaptionPlace::Title,
                                 .title_with_key = true,
                                 .close = live::CloseVariant::None,
                                 .handling = live::FrameworkHandling::First,
                                 .related = e.related,
                                 .history = true};
}

}  // namespace zrv::flow
