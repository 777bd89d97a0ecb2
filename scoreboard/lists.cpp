// The scoreboard lists: three lists of bouts that open their board, and the list that picks an
// individual event to narrow the first two.
#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "data/dictionary.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "scoreboard/scoreboard.h"

namespace zrv::scoreboard {

namespace {

using live::SortOrder;

struct Column {
    const char* header;
    const char* field;
    const char* picture;
};

struct ListSpec {
    const char* procedure;
    const char* title;
    const char* form;  // the board it runs; nullptr: none
    data::TableId table;
    std::vector<Column> columns;
    std::vector<const char*> hidden;
    std::vector<const char*> tabs;
    std::vector<SortOrder> orders;  // in tab order
    const char* query;
    const char* score;  // nullptr: no score column
    std::vector<const char*> search;
    const char* select_event;      // the button that runs SelectKumiteIndividual1
    const char* select_event_tab;  // the tab that button stands on
    int timer;
    bool drop_list;  // orders chosen from ?SORTORDERLIST
};

const Column kId{"ID Combat", "SB:IDCombate", "@n-10"};
const Column kIndividual{"Individual competition ID", "SB:IDNumeroDeEventoKIndividual", "@n-14"};
const Column kDate{"Date", "SB:FechaEvento", "@D17"};
const Column kCode{"Event code", "SB:CodigoDeEvento", "@s20"};
const Column kName{"Tournament name", "SB:NombreDelEvento", "@s50"};
const Column kTatami{"Tatami Mats No", "SB:TatamiMatsNo", "@s30"};
const Column kCategory{"Category", "SB:Categoria", "@s45"};
const Column kDivision{"Division", "SB:Divicion", "@s45"};

SortOrder by(const char* key, const char* locator) { return SortOrder{.key = key, .locator = locator}; }

// The bout orders, by tab of BrowseScoreBoardView1; BrowseScoreBoard's tabs name them in
// another order. The event's order is limited to the thread's current individual event.
SortOrder kByBout = by("SB:KeyIDCombate", "SB:IDCombate");
SortOrder kByQueue = by("SB:keyQueue", "SB:Queue");
SortOrder kByEvent{.key = "SB:keyIDNumeroDeEventoKIndividual",
                   .range_components = 1,
                   .range_from = {{"SB:IDNumeroDeEventoKIndividual", "KE24:IDNumeroDeEventoKIndividual"}},
                   .locator = "SB:IDNumeroDeEventoKIndividual"};
SortOrder kByDate = by("SB:keyFechaEvento", "SB:FechaEvento");
SortOrder kByCode = by("SB:keyCodigoDeEvento", "SB:CodigoDeEvento");
SortOrder kByName = by("SB:keyNombreDelEvento", "SB:NombreDelEvento");
SortOrder kByTatami = by("SB:keyTatamiMatsNo", "SB:TatamiMatsNo");
SortOrder kByCategory = by("SB:keyCategoria", "SB:Categoria");
SortOrder kByDivision = by("SB:keyDivisiones", "SB:Divicion");
SortOrder kByModality = by("SB:keyModalidad", "SB:Modalidad");

const std::vector<ListSpec>& specs() {
    static const std::vector<ListSpec> s = {
        {"BrowseScoreBoard",
         "Score Board Event",
         "UpDateScoreBoard2",
         data::TableId::ScoreBoard,
         {kId, kIndividual, kDate, kCode, kName, kTatami, kCategory, {"Queue", "SB:Queue", "@s20"}, kDivision},
         {"SB:Modalidad"},
         {"&1) ID Combat", "&2) Individual competition ID Kumite", "&3) Date", "&4) Event code", "&5) Tournament name",
          "&6) Tatami Mats No", "&7) Category", "&8) Queue", "&9) Division", "&10) Modality"},
         {kByBout, kByEvent, kByDate, kByCode, kByName, kByTatami, kByCategory, kByQueue, kByDivision, kByModality},
         "FuzzyQuery9",
         "FuzzyResult9",
         {"SB:IDCombate", "SB:IDNumeroDeEventoKIndividual", "SB:FechaEvento", "SB:CodigoDeEvento", "SB:NombreDelEvento",
          "SB:TatamiMatsNo", "SB:Categoria", "SB:Queue", "SB:Divicion", "SB:Modalidad"},
         "?SELECTKUMITEINDIVIDUAL:2",
         "&2) Individual competition ID Kumite",
         0,
         false},
        {"BrowseScoreBoardView1",
         "Score Board Combat Events",
         "UpdateScoreBoard1",
         data::TableId::ScoreBoard,
         {kId,
          kIndividual,
          kDate,
          kCode,
          {"Timer 1 Start Time", "SB:Timer1StartTime", "@n-14"},
          {"Timer 1 Flag", "SB:Timer1Flag", "@n3"},
          kName,
          kTatami,
          kCategory},
         {"SB:Queue", "SB:Divicion", "SB:Modalidad"},
         {"&1) ID Combat", "&2) Queue", "&3) Individual competition ID", "&4) Date", "&5) Event code", "&6) Name",
          "&7) Tatami Mats No", "&8) Category", "&9) Division", "&10) Modality"},
         {kByBout, kByQueue, kByEvent, kByDate, kByCode, kByName, kByTatami, kByCategory, kByDivision, kByModality},
         "FuzzyQuery6",
         "FuzzyResult6",
         {"SB:IDCombate", "SB:IDNumeroDeEventoKIndividual", "SB:FechaEvento", "SB:CodigoDeEvento", "SB:Timer1StartTime",
          "SB:Timer1Flag", "SB:NombreDelEvento", "SB:TatamiMatsNo", "SB:Categoria", "SB:Queue", "SB:Divicion", "SB:Modalidad"},
         "?SELECTKUMITEINDIVIDUAL",
         "&3) Individual competition ID",
         0,
         false},
        {"BrowseEquipo4ScoreBoard7",
         "Browse the Combats Events ScoreBoard",
         "UpDateEquipoScoreBoardPantalla",
         data::TableId::ScoreBoard,
         {kId,
          {"ID Team", "SB:IDNumeroDeEventoEquipo", "@n-14"},
          {"Event date", "SB:FechaEvento", "@D17"},
          kCode,
          kName,
          kTatami,
          kCategory,
          kDivision,
          {"Modality", "SB:Modalidad", "@s45"}},
         {},
         {"&1) ID Combate"},
         {kByBout, by("SB:KeyIDNumeroDeEventoEquipo", "SB:IDNumeroDeEventoEquipo")},
         "FuzzyQuery12",
         nullptr,
         {"SB:IDCombate", "SB:IDNumeroDeEventoEquipo", "SB:FechaEvento", "SB:CodigoDeEvento", "SB:NombreDelEvento", "SB:TatamiMatsNo",
          "SB:Categoria", "SB:Divicion", "SB:Modalidad"},
         nullptr,
         nullptr,
         5,
         true},
        {"SelectKumiteIndividual1",
         "Select Individual competitors",
         nullptr,
         data::TableId::KumiteIndividual,
         {{"ID Kumite individual", "KE24:IDNumeroDeEventoKIndividual", "@n-14"},
          {"Date", "KE24:FechaEvento", "@D17"},
          {"Event code", "KE24:CodigoDeEvento", "@s20"},
          {"Tournament name", "KE24:NombreDelEvento", "@s50"},
          {"Tatami Mats No", "KE24:TatamiMatsNo", "@s30"},
          {"Queue", "KE24:Queue", "@s20"},
          {"Address", "KE24:DirecionDelEvento", "@s50"},
          {"Category", "KE24:Categoria", "@s45"},
          {"Category", "KE24:Categoria_CM", "@s45"}},
         {"KE24:Modalidad", "KE24:Divicion", "KE24:CGanador"},
         {"&1) ID number of individual competitions", "&2) Queue", "&3) Tatami Mats No", "&4) Sort by category modality division",
          "&6) Modality", "&7) Division", "&8) Category", "&9) Event number", "&10) Event code", "&11) Date"},
         {by("KE24:KeyIDNumeroDeEventoKIndividual", "KE24:IDNumeroDeEventoKIndividual"), by("KE24:KeyQueue", "KE24:Queue"),
          by("KE24:KeyTatamiMatsNo", "KE24:TatamiMatsNo"), by("KE24:KeyCategoriaModalidadDiviciones", "KE24:Modalidad"),
          by("KE24:KeyModalidad", "KE24:Modalidad"), by("KE24:KeyDivicion", "KE24:Divicion"),
          by("KE24:KeyCategoria", "KE24:Categoria"), by("KE24:KeyIDNumeroDeEventoKIndividual", "KE24:IDNumeroDeEventoKIndividual"),
          by("KE24:KEYCodigoDeEvento", "KE24:CodigoDeEvento"), by("KE24:KeyFechaEvento", "KE24:FechaEvento")},
         "FuzzyQuery7",
         nullptr,
         {"KE24:IDNumeroDeEventoKIndividual", "KE24:FechaEvento", "KE24:CodigoDeEvento", "KE24:NombreDelEvento", "KE24:TatamiMatsNo",
          "KE24:Queue", "KE24:DirecionDelEvento", "KE24:Categoria", "KE24:Categoria_CM", "KE24:Modalidad", "KE24:Divicion",
          "KE24:CGanador"},
         nullptr,
         nullptr,
         0,
         false},
    };
    return s;
}

const ListSpec& spec(const std::string& procedure) {
    for (const ListSpec& s : specs())
        if (procedure == s.procedure) return s;
    throw std::invalid_argument("no scoreboard list " + procedure);
}

int width_of(const char* picture) {
    const std::string p = picture;
    if (p == "@D17") return 44;
    const int chars = std::atoi(p.c_str() + (p[1] == 'n' ? (p[2] == '-' ? 3 : 2) : 2));
    return std::clamp(chars * 3, 30, 120);
}

std::string format_of(const ListSpec& s) {
    std::string format;
    for (const Column& c : s.columns) {
        const bool number = c.picture[1] == 'n';
        format += std::to_string(width_of(c.picture)) + (number ? "R(2)" : "L(2)") + "|M~" + c.header + "~" + (number ? "C(0)" : "") +
                  c.picture + "@";
    }
    return format;
}

std::string without_ampersand(std::string text) {
    if (!text.empty() && text[0] == '&') text.erase(0, 1);
    return text;
}

// A bout list: ListScreen, plus the button that chooses the individual event its event order
// is limited to.
class BoutList final : public live::ListScreen {
public:
    explicit BoutList(const ListSpec& s)
        : ListScreen(s.procedure, list_layout(s.procedure), list_declaration(s.procedure)), spec_(s) {}

    Flow on_accepted(int c) override {
        const Flow flow = ListScreen::on_accepted(c);
        if (spec_.select_event && c && c == control(spec_.select_event)) {
            browse().select_row(window().selected(browse().list_control()));
            const std::optional<data::FieldRef> event = data::field_by_name("KE24:IDNumeroDeEventoKIndividual");
            const std::string before = event ? event->text() : "";
            ThreadRequest() = kRequestSelect;
            run_procedure("SelectKumiteIndividual1");
            ThreadRequest() = 0;
            // Not forced: the page is read again only when the chosen event changed the range.
            reset(event && event->text() != before);
        }
        return flow;
    }

private:
    const ListSpec& spec_;
};

void list_procedure(const std::string& name) {
    const ListSpec& s = spec(name);
    if (s.form) BoutList(s).run();
    else live::ListScreen(name, list_layout(name), list_declaration(name)).run();
}

}  // namespace

WindowLayout list_layout(const std::string& procedure) {
    const ListSpec& s = spec(procedure);
    WindowLayout l{.title = s.title, .kind = WindowKind::MdiChild, .width = 640, .height = 310};
    int top = 4;
    // The sheet is control 1 and its tabs 100 on; every other control numbers on after them.
    if (s.drop_list) top = 22;
    l.controls.push_back({.number = 1,
                          .use = "?CurrentTab",
                          .kind = ControlKind::Sheet,
                          .hidden = s.drop_list,
                          .x = 4,
                          .y = top,
                          .width = 632,
                          .height = 244 - top,
                          .selected = 1});
    for (std::size_t t = 0; t < s.tabs.size(); ++t)
        l.controls.push_back({.number = 100 + static_cast<int>(t),
                              .use = "?Tab:" + std::to_string(t + 1),
                              .kind = ControlKind::Tab,
                              .parent = 1,
                              .text = s.tabs[t]});
    if (s.drop_list) {
        l.controls.push_back(
            {.use = "?SortPrompt", .kind = ControlKind::Prompt, .text = "&Sort Order:", .x = 8, .y = 6, .width = 50, .height = 12});
        ControlState drop{.use = "?SORTORDERLIST", .kind = ControlKind::DropList, .x = 60, .y = 4, .width = 160, .height = 14};
        for (const char* t : s.tabs) drop.items.push_back(without_ampersand(t));
        drop.selected = 1;
        l.controls.push_back(drop);
    }
    for (std::size_t t = 0; t < s.tabs.size(); ++t)
        if (s.select_event && s.tabs[t] == std::string(s.select_event_tab))
            l.controls.push_back({.use = s.select_event,
                                  .kind = ControlKind::Button,
                                  .parent = 100 + static_cast<int>(t),
                                  .text = procedure == "BrowseScoreBoard" ? "Select KumiteIndividual" : "Select Kumite Individual",
                                  .x = 480,
                                  .y = 226,
                                  .width = 100,
                                  .height = 14});
    if (!s.form) {
        l.controls.push_back({.use = "?EventNumberPrompt",
                              .kind = ControlKind::Prompt,
                              .parent = 100,
                              .text = "Event number:",
                              .x = 420,
                              .y = 228,
                              .width = 56,
                              .height = 12});
        l.controls.push_back({.use = "?KE24:IDNUMERODEEVENTOKINDIVIDUAL",
                              .kind = ControlKind::Entry,
                              .parent = 100,
                              .x = 480,
                              .y = 226,
                              .width = 60,
                              .height = 14,
                              .picture = "@n-14"});
    }
    l.controls.push_back({.use = "?BROWSE:1",
                          .kind = ControlKind::List,
                          .x = 8,
                          .y = top + 18,
                          .width = 624,
                          .height = 204 - top,
                          .format = format_of(s)});
    struct B {
        const char* use;
        const char* text;
        int x;
    };
    std::vector<B> buttons = {{"?SELECT:2", "&Select", 8}};
    if (s.form) {
        const std::vector<B> more = {{"?VIEW:3", "&View", 60},
                                     {"?INSERT:4", "&Insert", 112},
                                     {"?CHANGE:4", "&Change", 164},
                                     {"?DELETE:4", "&Delete", 216}};
        buttons.insert(buttons.end(), more.begin(), more.end());
    }
    if (procedure == "BrowseScoreBoard") buttons.push_back({"?HELP", "&Help", 532});
    for (const B& b : buttons)
        l.controls.push_back(
            {.use = b.use, .kind = ControlKind::Button, .text = b.text, .x = b.x, .y = 248, .width = 48, .height = 14});
    l.controls.push_back({.use = "?CLOSE",
                          .kind = ControlKind::Button,
                          .text = "&Close",
                          .x = 584,
                          .y = 248,
                          .width = 48,
                          .height = 14,
                          .action = StandardAction::Close});
    l.controls.push_back(
        {.use = "?FUZZYGROUP", .kind = ControlKind::Group, .text = "Search All", .x = 4, .y = 266, .width = 632, .height = 40});
    l.controls.push_back({.use = "?FUZZYQUERY", .kind = ControlKind::Entry, .x = 10, .y = 280, .width = 500, .height = 14});
    l.controls.push_back(
        {.use = "?FUZZYGO", .kind = ControlKind::Button, .text = "&Search", .x = 516, .y = 280, .width = 52, .height = 14});
    l.controls.push_back(
        {.use = "?FUZZYCLEAR", .kind = ControlKind::Button, .text = "&Clear", .x = 574, .y = 280, .width = 52, .height = 14});
    return l;
}

live::ListScreenDeclaration list_declaration(const std::string& procedure) {
    const ListSpec& s = spec(procedure);
    live::ListScreenDeclaration d;
    d.list.table = s.table;
    d.list.format = format_of(s);
    for (const Column& c : s.columns) d.list.fields.push_back(c.field);
    for (const char* h : s.hidden) d.list.fields.push_back(h);
    d.list.orders = s.orders;
    d.list.sheet = s.drop_list ? "?SORTORDERLIST" : "?CurrentTab";
    const int orders = static_cast<int>(s.orders.size());
    if (s.drop_list) d.list.tab_order = [](int entry) { return entry == 1 ? 0 : 1; };
    else d.list.tab_order = [orders](int tab) { return tab >= 1 && tab <= orders ? tab - 1 : 0; };
    d.list.search = live::SearchBox{.query_name = s.query,
                                    .score_name = s.score ? s.score : "",
                                    .fields = {s.search.begin(), s.search.end()},
                                    .score_column = s.score != nullptr};
    if (!s.form) d.list.typing_locator = "?KE24:IDNUMERODEEVENTOKINDIVIDUAL";
    d.form = s.form ? s.form : "";
    d.buttons = {.view = "?VIEW:3", .insert = "?INSERT:4", .change = "?CHANGE:4", .remove = "?DELETE:4", .select = "?SELECT:2"};
    if (s.timer) {
        d.timer = s.timer;
        d.timer_steps = {live::TimerStep::Framework, live::TimerStep::Display, live::TimerStep::Reset};
    }
    return d;
}

namespace {

constexpr char kClassic[] = "BrowseScoreBoard";
constexpr char kBlack[] = "BrowseScoreBoardView1";
constexpr char kTeam[] = "BrowseEquipo4ScoreBoard7";
constexpr char kSelect[] = "SelectKumiteIndividual1";

const ProcedureRegistration registered_lists({kClassic, kBlack, kTeam, kSelect}, &list_procedure);

}  // namespace

}  // namespace zrv::scoreboard
