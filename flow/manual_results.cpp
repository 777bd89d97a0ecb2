#include "flow/manual_results.h"

#include <stdexcept>

#include "flow/list_parts.h"
#include "framework/core/procedures.h"

namespace zrv::flow {

namespace {

// ---- the lists --------------------------------------------------------------------------------

using Column = ColumnSpec;

struct ListSpec {
    const char* procedure;
    const char* title;
    const char* form;
    const char* query;            // the bound name of the query
    std::vector<Column> columns;  // in the list's order
    std::vector<const char*> tabs;
    std::vector<const char*> search;  // the fields of the search expression
    const char* event_key;            // the order of tab 2, by the list's event number
};

constexpr const char* kId = "RM:IDResultadosM";

// No column of these lists is coloured; numbers stand at the right.
Column number_column(const char* header, const char* field, const char* picture, int width) {
    return {header, field, picture, width, 'R', false};
}
Column text_column(const char* header, const char* field, const char* picture, int width) {
    return {header, field, picture, width, 'L', false};
}
const Column kCode = text_column("Event code", "RM:CodigoDeEvento", "s20", 60);
const Column kDate = text_column("Date", "RM:FechaEvento", "D17", 44);
const Column kCategory = text_column("Category", "RM:Categorias", "s45", 80);
const Column kDivision = text_column("Division", "RM:Divisiones", "s45", 80);
const Column kModality = text_column("Modality", "RM:Modalidad", "s45", 80);
const Column kTatami = text_column("Tatami Mats No", "RM:TatamiMatsNo", "s45", 60);
const Column kFirst = text_column("First place name", "RM:PrimerLugarNombre", "s40", 80);
const Column kSecond = text_column("Second place name", "RM:SegundoLugarNombre", "s40", 80);
Column id_column(const char* header) { return number_column(header, kId, "n-10", 48); }
Column third(const char* header, const char* field) { return text_column(header, field, "s40", 80); }

const std::vector<const char*> kLaterTabs = {"&4) Category", "&5) Division", "&6) Modality", "&7) Tatami Mats No"};

std::vector<const char*> tabs(const char* one, const char* two, const char* three) {
    std::vector<const char*> t = {one, two, three};
    t.insert(t.end(), kLaterTabs.begin(), kLaterTabs.end());
    return t;
}

const std::vector<ListSpec>& list_specs() {
    static const std::vector<ListSpec> specs = {
        {"BrowseResultadosManualesKata",
         "Manuel results Kata",
         "PantallaResultadosManualKata",
         "FuzzyQuery9",
         {id_column("Manual results ID"), kCode, kDate, number_column("Competitor ID", "RM:NumeroDeCompeticion", "n6", 40), kCategory,
          kDivision, kModality, kTatami, kFirst, kSecond, third("Third-place name", "RM:STerceroLugarNombre"),
          third("Third-place name", "RM:TerceroLugarNombre")},
         tabs("&1)Manuel results ID", "&2) Competidor number Kata", "&3) Evan code"),
         {kId, "RM:CodigoDeEvento", "RM:FechaEvento", "RM:NumeroDeCompeticion", "RM:Categorias", "RM:Divisiones", "RM:Modalidad",
          "RM:TatamiMatsNo", "RM:PrimerLugarNombre", "RM:SegundoLugarNombre", "RM:STerceroLugarNombre", "RM:TerceroLugarNombre"},
         "RM:keyNumeroDeCompeticionKata"},
        {"BrowseResultadosManualesEquipos",
         "Manual results of team competition",
         "PantallaResultadosManualEquipo",
         "FuzzyQuery9",
         {id_column("Manual ID results"), kCode, kDate, kCategory, kDivision,
          number_column("Team ID", "RM:IDNumeroDeEventoEquipo", "n-14", 56), kModality, kTatami, kFirst, kSecond,
          third("Third-place name", "RM:STerceroLugarNombre"), third("Third place name", "RM:TerceroLugarNombre")},
         tabs("&1) Manual ID results", "&2) Competition number", "&3) Event code"),
         {kId, "RM:CodigoDeEvento", "RM:FechaEvento", "RM:Categorias", "RM:Divisiones", "RM:IDNumeroDeEventoEquipo", "RM:Modalidad",
          "RM:TatamiMatsNo", "RM:PrimerLugarNombre", "RM:SegundoLugarNombre", "RM:STerceroLugarNombre", "RM:TerceroLugarNombre"},
         "RM:keyIDNumeroDeEventoEquipo"},
        {"BrowseResultadosManualesIndividual",
         "Result individual competition Manuel Kumite",
         "PantallaResultadosManualIndividual",
         "FuzzyQuery2",
         {id_column("Manual results ID"), kCode, kDate, kCategory,
          number_column("ID Kata & Kumite Individual", "RM:IDNumeroDeEventoKIndividual", "n-14", 56), kDivision, kModality, kTatami,
          kFirst, kSecond, third("Third place name", "RM:STerceroLugarNombre"), third("Third place name", "RM:TerceroLugarNombre")},
         tabs("&1)Manuel results ID", "&2) Individual competition number", "&3) Event code"),
         {kId, "RM:CodigoDeEvento", "RM:FechaEvento", "RM:Categorias", "RM:IDNumeroDeEventoKIndividual", "RM:Divisiones",
          "RM:Modalidad", "RM:TatamiMatsNo", "RM:PrimerLugarNombre", "RM:SegundoLugarNombre", "RM:STerceroLugarNombre",
          "RM:TerceroLugarNombre", "RM:IDNumeroDeEventoEquipo"},
         "RM:keyIDNumeroDeEventoKIndividual"},
    };
    return specs;
}

const ListSpec& list_spec(const std::string& procedure) {
    for (const ListSpec& s : list_specs())
        if (procedure == s.procedure) return s;
    throw std::invalid_argument("no manual results list " + procedure);
}

// Tab n chooses order n: each tab orders by what its label names.
std::vector<live::SortOrder> orders(const ListSpec& spec) {
    return {by_key("RM:keyIDResultadosM", kId), by_key(spec.event_key),    by_key("RM:keyCodigoDeEvento"), by_key("RM:keyCategorias"),
            by_key("RM:keyDivisiones"),         by_key("RM:keyModalidad"), by_key("RM:keyTatamiMatsNo")};
}

// ---- the displays -----------------------------------------------------------------------------

constexpr Colour kGrey = 0x808080, kRed = 0x0000FF, kBlack = 0x000000, kWhite = 0xFFFFFF, kGreen = 0x00FF00, kYellow = 0x00FFFF;

struct DisplaySpec {
    const char* procedure;
    const char* title;
    const char* points_captions[3];  // total, technical, athletic; nullptr: not shown
    int name_size;
    int second_caption_size;
    const char* name_picture;
    const char* second_caption;
    live::FrameworkHandling handling;
};

const std::vector<DisplaySpec>& display_specs() {
    static const std::vector<DisplaySpec> specs = {
        {"PantallaResultadosManualKata",
         "Resultados Manual Kata",
         {"Total:", "Tecnico:", "Atletico:"},
         70,
         12,
         "@s45",
         "Second place:",
         live::FrameworkHandling::First},
        {"PantallaResultadosManualEquipo",
         "Resultados Manual Evento de Equipo",
         {"Puntos:", "Rondas Ganadas:", "Ganadas:"},
         75,
         18,
         "@s40",
         "&Second place:",
         live::FrameworkHandling::Last},
        {"PantallaResultadosManualIndividual",
         "Resultados Manual Competicion Individual",
         {"Total:", nullptr, nullptr},
         75,
         12,
         "@s40",
         "Second place:",
         live::FrameworkHandling::Last},
    };
    return specs;
}

const DisplaySpec& display_spec(const std::string& procedure) {
    for (const DisplaySpec& s : display_specs())
        if (procedure == s.procedure) return s;
    throw std::invalid_argument("no manual results display " + procedure);
}

struct Place {
    const char* caption;
    const char* stem;   // field names: RM:<stem>LugarNombre, RM:<STEM>LUGARDOJO, ...
    const char* words;  // the descriptions: "<words> Lugar Nombre"
};
const Place kPlaces[4] = {
    {"&First place:", "Primer", "Primer"},
    {"Second place:", "Segundo", "Segundo"},
    {"&Third place:", "STercero", "S Tercero"},
    {"&Third place:", "Tercero", "Tercero"},
};

std::string capitals(std::string s) { return upper(s); }

ControlState entry(std::string use, std::string picture, std::string description, int x, int y, int w, int h) {
    ControlState c{.use = std::move(use), .kind = ControlKind::Entry, .x = x, .y = y, .width = w, .height = h};
    c.picture = std::move(picture);
    c.tip = description;
    c.message = std::move(description);
    return c;
}

}  // namespace

WindowLayout manual_results_list_layout(const std::string& procedure) {
    const ListSpec& spec = list_spec(procedure);
    WindowLayout l{.title = spec.title, .kind = WindowKind::MdiChild, .width = 640, .height = 300};
    add_tab_sheet(l, {spec.tabs.begin(), spec.tabs.end()}, 4, 4, 632, 240);
    l.controls.push_back({.use = "?BROWSE:1",
                          .kind = ControlKind::List,
                          .x = 8,
                          .y = 22,
                          .width = 624,
                          .height = 200,
                          .format = column_format(spec.columns)});
    const struct {
        const char* use;
        const char* text;
        int x;
    } buttons[] = {{"?VIEW:3", "&View", 8},
                   {"?INSERT:4", "&Insert", 60},
                   {"?CHANGE:4", "&Change", 112},
                   {"?DELETE:4", "&Delete", 164}};
    for (const auto& b : buttons)
        l.controls.push_back(
            {.use = b.use, .kind = ControlKind::Button, .text = b.text, .x = b.x, .y = 226, .width = 48, .height = 14});
    l.controls.push_back({.use = "?CLOSE",
                          .kind = ControlKind::Button,
                          .text = "&Close",
                          .x = 584,
                          .y = 226,
                          .width = 48,
                          .height = 14,
                          .action = StandardAction::Close});
    add_search_box(l, 4, 248, 632);
    return l;
}

live::ListScreenDeclaration manual_results_list(const std::string& procedure) {
    const ListSpec& spec = list_spec(procedure);
    live::ListScreenDeclaration d;
    d.list.table = data::TableId::ResultadosManual;
    d.list.format = column_format(spec.columns);
    for (const Column& c : spec.columns) d.list.fields.push_back(c.field);
    d.list.orders = orders(spec);
    d.list.sheet = "?CURRENTTAB";
    d.list.tab_order = [](int tab) { return tab >= 1 && tab <= 7 ? tab - 1 : 0; };
    d.list.search = live::SearchBox{.query_name = spec.query, .fields = {spec.search.begin(), spec.search.end()}};
    d.form = spec.form;
    d.buttons = {.view = "?VIEW:3", .insert = "?INSERT:4", .change = "?CHANGE:4", .remove = "?DELETE:4", .select = "?SELECT"};
    return d;
}

WindowLayout manual_results_display_layout(const std::string& procedure) {
    const DisplaySpec& spec = display_spec(procedure);
    WindowLayout l{.title = spec.title, .kind = WindowKind::Floating, .width = 800, .height = 600, .timer = 1};
    l.status = {{.width = 200}, {.width = -1}};
    l.controls.push_back(
        {.use = "?Panel", .kind = ControlKind::Panel, .x = 0, .y = 0, .width = 800, .height = 600, .fill_colour = kGrey});
    l.controls.push_back({.use = "?Box",
                          .kind = ControlKind::Box,
                          .x = 60,
                          .y = 8,
                          .width = 680,
                          .height = 584,
                          .fill_colour = kRed,
                          .border_colour = kBlack});
    l.controls.push_back(
        {.use = "?ImageLeft", .kind = ControlKind::Image, .x = 4, .y = 8, .width = 52, .height = 52, .image = "zrv.png"});
    l.controls.push_back(
        {.use = "?ImageRight", .kind = ControlKind::Image, .x = 744, .y = 8, .width = 52, .height = 52, .image = "zrv.png"});
    const char* point_stems[3] = {"PUNTOSTOTAL", "PUNTOST", "PUNTOSA"};
    const char* point_words[3] = {"Puntos Total", "Punto Tecnico", "Puntos Atletico "};
    for (int p = 0; p < 4; ++p) {
        const Place& place = kPlaces[p];
        const int top = 16 + p * 140;
        const std::string stem = capitals(place.stem) + "LUGAR";
        l.controls.push_back({.use = "?PlaceBox" + std::to_string(p + 1),
                              .kind = ControlKind::Box,
                              .x = 68,
                              .y = top,
                              .width = 664,
                              .height = 132,
                              .fill_colour = kBlack,
                              .border_colour = kWhite});
        ControlState caption{.use = "?PlaceCaption" + std::to_string(p + 1),
                             .kind = ControlKind::Prompt,
                             .text = p == 1 ? spec.second_caption : place.caption,
                             .x = 76,
                             .y = top + 4,
                             .width = 300,
                             .height = 20,
                             .font_colour = kWhite,
                             .font_name = "Arial",
                             .font_size = p == 0   ? 25
                                          : p == 1 ? spec.second_caption_size
                                                   : 12,
                             .bold = true};
        l.controls.push_back(caption);
        ControlState name = entry(std::string("?RM:") + place.stem + "LugarNombre", spec.name_picture,
                                  std::string(place.words) + " Lugar Nombre", 76, top + 28, 480, 96);
        name.font_name = "Arial Black";
        name.font_size = spec.name_size;
        name.bold = true;
        name.font_colour = kGreen;
        name.fill_colour = kBlack;
        l.controls.push_back(name);
        ControlState dojo = entry("?RM:" + stem + "DOJO", "@s45", std::string(place.words) + " Lugar Dojo", 564, top + 28, 160, 12);
        dojo.font_size = 8;
        dojo.font_colour = kYellow;
        dojo.fill_colour = kBlack;
        l.controls.push_back(dojo);
        for (int k = 0; k < 3; ++k) {
            if (!spec.points_captions[k]) continue;
            const int y = top + 48 + k * 24;
            l.controls.push_back({.use = "?PointsCaption" + std::to_string(p + 1) + std::to_string(k + 1),
                                  .kind = ControlKind::Prompt,
                                  .text = spec.points_captions[k],
                                  .x = 564,
                                  .y = y,
                                  .width = 80,
                                  .height = 12,
                                  .font_colour = kWhite,
                                  .font_name = "Arial",
                                  .font_size = 8,
                                  .bold = true,
                                  .underline = true});
            ControlState points = entry("?RM:" + stem + point_stems[k], "@n-10", std::string(place.words) + " Lugar " + point_words[k],
                                        648, y, 76, 12);
            points.font_size = 8;
            points.font_colour = kYellow;
            points.fill_colour = kBlack;
            points.align = 2;
            l.controls.push_back(points);
        }
    }
    ControlState ok{.use = "?OK",
                    .kind = ControlKind::Button,
                    .x = 744,
                    .y = 540,
                    .width = 24,
                    .height = 24,
                    .image = "WAOK.ICO",
                    .tip = "Accept data and close the window",
                    .is_default = true,
                    .action = StandardAction::Ok};
    ControlState cancel{.use = "?CANCEL",
                        .kind = ControlKind::Button,
                        .x = 772,
                        .y = 540,
                        .width = 24,
                        .height = 24,
                        .image = "WACANCEL.ICO",
                        .tip = "Cancel operation",
                        .action = StandardAction::Cancel};
    l.controls.push_back(ok);
    l.controls.push_back(cancel);
    return l;
}

live::FormDeclaration manual_results_display(const std::string& procedure) {
    const DisplaySpec& spec = display_spec(procedure);
    return live::FormDeclaration{.table = data::TableId::ResultadosManual,
                                 .primary_key = "RM:keyIDResultadosM",
                                 .key_field = kId,
                                 .caption = live::CaptionPlace::StatusZone2,
                                 .title_with_key = true,
                                 .close = live::CloseVariant::CompletedAndClose,
                                 .handling = spec.handling,
                                 .history = true};
}

namespace {

void list_procedure(const std::string& name) {
    live::ListScreen(name, manual_results_list_layout(name), manual_results_list(name)).run();
}

void display_procedure(const std::string& name) {
    live::LiveForm(name, manual_results_display_layout(name), manual_results_display(name)).run();
}

constexpr char kKataList[] = "BrowseResultadosManualesKata";
constexpr char kIndividualList[] = "BrowseResultadosManualesIndividual";
constexpr char kTeamList[] = "BrowseResultadosManualesEquipos";
constexpr char kKataDisplay[] = "PantallaResultadosManualKata";
constexpr char kIndividualDisplay[] = "PantallaResultadosManualIndividual";
constexpr char kTeamDisplay[] = "PantallaResultadosManualEquipo";

const ProcedureRegistration registered_lists({kKataList, kIndividualList, kTeamList}, &list_procedure);
const ProcedureRegistration registered_displays({kKataDisplay, kIndividualDisplay, kTeamDisplay}, &display_procedure);

}  // namespace

}  // namespace zrv::flow
