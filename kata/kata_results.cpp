// The five audience screens of a kata event's results, each following its KataEvent record
// live and closing itself when the record's Cerrar is 1:
//   scoring screens       PantallaKataEvent, PantallaKataEvent1: forms that show their request,
//                         refuse deletes, can store the record and fetch its related records
//   final-result screens  PantallaJueces5Update, PantallaJueces5Update1, PantallaJueces5Update11:
//                         no request handling, nothing ever stored
#include <stdexcept>

#include "framework/core/procedures.h"
#include "kata/kata.h"

namespace zrv::kata {

namespace {

using data::TableId;
using live::RelatedLookup;

struct ResultScreen {
    const char* procedure;
    const char* title;
    bool scoring;
    bool places;
    bool technical;  // the technical and athletic results (scoring screens)
    bool athletic;   // the athletic result alone (a final-result screen)
    const char* name_prompt;
    const char* block_prompt;  // "<block_prompt> n:" beside each competitor
    bool katas_after_cards;
};

const std::vector<ResultScreen>& screens() {
    static const std::vector<ResultScreen> specs = {
        {"PantallaKataEvent", "KATAS POR PUNTOS", true, true, true, false, "&Nombre:", "Registracion Competidor", false},
        {"PantallaKataEvent1", "KATAS POR PUNTOS", true, false, true, false, "&Name:", "Competidor", true},
        {"PantallaJueces5Update", "Final Results", false, true, false, false, "", "Competitor", false},
        {"PantallaJueces5Update1", "Final Results", false, false, false, false, "", "Competitor", false},
        {"PantallaJueces5Update11", "Results Final", false, false, false, true, "", "Competitor", false},
    };
    return specs;
}

const ResultScreen& screen(const std::string& procedure) {
    for (const ResultScreen& s : screens())
        if (procedure == s.procedure) return s;
    throw std::invalid_argument("no kata result screen " + procedure);
}

struct Place {
    const char* scoring_prompt;
    const char* final_prompt;
    const char* name;
    const char* points;
};
// The second place's points shown are always those of SEGUNDOLUGARPUNTOS1.
const Place kPlaces[4] = {
    {"&ORO", "&First Place Name:", "PrimerLugarNombre", "PrimerLugarPuntos"},
    {"&PLATA", "&Second Place Name:", "SegundoLugarNombre", "SEGUNDOLUGARPUNTOS1"},
    {"&BRONCE S+", "&Third Place Name:", "TercerLugarNombre", "TercerLugarPuntos"},
    {"&BRONCE", "Third Place Name:", "CuartoLugarNombre", "CuartoLugarPuntos"},
};

// The screens face the audience: every text large enough to read from the back of a hall, in a
// window of 1200 x 660 units that grows with its fonts when the operator enlarges it.
constexpr int kWidth = 1200, kHeight = 660;
constexpr int kPromptSize = 14, kValueSize = 22, kTotalSize = 24;

ControlState prompt(std::string use, std::string text, int x, int y, int width, int height, int size = kPromptSize,
                    bool bold = false) {
    return {.use = std::move(use),
            .kind = ControlKind::Prompt,
            .text = std::move(text),
            .x = x,
            .y = y,
            .width = width,
            .height = height,
            .font_name = "Arial",
            .font_size = size,
            .bold = bold};
}

ControlState entry(const std::string& field, const char* picture, int x, int y, int width, int height, int size = kValueSize,
                   bool bold = false) {
    // Results and points stand right-aligned in their column.
    return {.use = "?" + upper(field),
            .kind = ControlKind::Entry,
            .x = x,
            .y = y,
            .width = width,
            .height = height,
            .font_name = "Arial",
            .font_size = size,
            .bold = bold,
            .align = picture[1] == 'n' ? 2 : 0,
            .picture = picture};
}

ControlState hidden_button(const char* use, const char* text, StandardAction action, bool disabled = false) {
    return {.use = use,
            .kind = ControlKind::Button,
            .text = text,
            .hidden = true,
            .disabled = disabled,
            .x = 4,
            .y = 4,
            .width = 40,
            .height = 14,
            .action = action};
}

std::vector<RelatedLookup> related_records(bool katas_after_cards) {
    const char* number = "KE:NumeroDeCompeticion";
    std::vector<RelatedLookup> cards;
    for (int j = 1; j <= 5; ++j) {
        const std::string k = std::to_string(j);
        cards.push_back({static_cast<TableId>(static_cast<int>(TableId::KataJuezCard1) + j - 1),
                         "KJ" + k + ":KeyNumeroDeCompeticionJ" + k,
                         {{"KJ" + k + ":NumeroDeCompeticion", number}}});
    }
    cards.push_back({TableId::KataJuezCard6, "KJ6:KeyIDCardJ6", {{"KJ6:IDCardJ6", number}}});
    cards.push_back({TableId::KataJuezCard7, "KJ7:KeyNumeroDeCompeticion7", {{"KJ7:NumeroDeCompeticion", number}}});
    const RelatedLookup katas{TableId::Katas, "KN:KeyIDKatas", {{"KN:IDNOMBREKATAS", number}}};

    std::vector<RelatedLookup> r = {
        {TableId::Categoria, "Kat:CategoriasKey", {{"KAT:CATEGORIAS", "KE:CategoriaCode"}}},
        {TableId::Colores, "Col:KeyIDColor", {{"COL:IDCOLORES", number}}},
        {TableId::Competidor, "CM:KeyNumeroRecordID", {{"CM:IDCompetidor", number}}},
        {TableId::Divisiones, "DIV:DivicionesKey", {{"DIV:DIVISIONES", "KE:CategoriaCode"}}},
        {TableId::Dojo, "DOJ:IDDojoKey", {{"DOJ:IDDOJO", number}}},
    };
    if (!katas_after_cards) r.push_back(katas);
    r.insert(r.end(), cards.begin(), cards.end());
    if (katas_after_cards) r.push_back(katas);
    r.push_back({TableId::Modalidades, "Mod:KeyMobalidades", {{"MOD:MODALIDAD", "KE:Modalidad"}}});
    r.push_back({TableId::ResultadosKataJueces5, "R5J:KeyResultadosDiNumber", {{"R5J:IDCONTROLNUMBER", number}}});
    r.push_back({TableId::ResultadosManual, "RM:keyNumeroDeCompeticionKata", {{"RM:NumeroDeCompeticion", number}}});
    r.push_back({TableId::TatamiMats, "Tat:KeyIDTatami", {{"TAT:IDTATAMI", "KE:TatamiMatsNo"}}});
    r.push_back({TableId::TournamentInfo, "TOU:KeyTID", {{"TOU:TID", number}}});
    return r;
}

// A final-result screen: it shows its record whatever the request; view mode only makes its
// entries read-only.
class FinalResults : public live::LiveForm {
public:
    using LiveForm::LiveForm;

    void run_event_loop() override {
        if (request() == kRequestView)
            for (const ControlState& c : window().controls())
                if (c.kind == ControlKind::Entry) window().set_read_only(c.number, true);
        LiveForm::run_event_loop();
    }
};

void screen_procedure(const std::string& name) {
    if (screen(name).scoring) live::LiveForm(name, result_screen_layout(name), result_screen(name)).run();
    else FinalResults(name, result_screen_layout(name), result_screen(name)).run();
}

constexpr char kScoring[] = "PantallaKataEvent";
constexpr char kScoring1[] = "PantallaKataEvent1";
constexpr char kFinal[] = "PantallaJueces5Update";
constexpr char kFinal1[] = "PantallaJueces5Update1";
constexpr char kFinal11[] = "PantallaJueces5Update11";

const ProcedureRegistration registered_screens({kScoring, kScoring1, kFinal, kFinal1, kFinal11}, &screen_procedure);

}  // namespace

WindowLayout result_screen_layout(const std::string& procedure) {
    const ResultScreen& s = screen(procedure);
    WindowLayout l{.title = s.title, .kind = WindowKind::Floating, .width = kWidth, .height = kHeight, .timer = 1};
    l.controls.push_back({.use = s.scoring ? "?STRING3" : "?STRING1",
                          .kind = ControlKind::String,
                          .text = s.scoring ? "RESULTS" : "Results",
                          .x = 8,
                          .y = 4,
                          .width = kWidth - 16,
                          .height = 42,
                          .font_name = "Arial Black",
                          .font_size = 26,
                          .bold = true,
                          .align = 1});
    // Eight competitor rows; with the places below them the rows stand closer.
    const int top = 52, pitch = s.places ? 46 : 70, row_height = 38;
    for (int n = 1; n <= 8; ++n) {
        const std::string k = std::to_string(n);
        const int y = top + (n - 1) * pitch;
        std::string block = std::string(s.block_prompt) + (!s.scoring && s.places && n == 2 ? "  " : " ") + k + ":";
        if (s.scoring) {
            l.controls.push_back(prompt("?PromptCompetitor" + k, block, 8, y, 176, row_height, 12));
            l.controls.push_back(prompt("?PromptName" + k, s.name_prompt, 186, y, 66, row_height));
            l.controls.push_back(entry("KE:NombreCompetidor" + k, "@S20", 254, y, 222, row_height));
            l.controls.push_back(entry("KE:AppelidoCompetidor" + k, "@S20", 480, y, 222, row_height));
            const struct {
                const char* caption;
                const char* stem;
                int width, size;
                bool bold;
            } results[] = {{"RT:", "KE:ResultadoTC", 100, kValueSize, false},
                           {"RA:", "KE:ResultadoAC", 100, kValueSize, false},
                           {"R:", "KE:ResultadoC", 124, kTotalSize, true}};
            int x = 708;
            for (const auto& r : results) {
                l.controls.push_back(prompt(std::string("?Prompt") + (r.stem + 3) + k, r.caption, x, y, 34, row_height));
                l.controls.push_back(entry(r.stem + k, "@n-6.2", x + 36, y, r.width, row_height, r.size, r.bold));
                x += 36 + r.width + 8;
            }
        } else {
            l.controls.push_back(prompt("?PromptCompetitor" + k, block, 8, y, 150, row_height, 16));
            l.controls.push_back(entry("KE:RegistracionCompetidor" + k, "@s20", 162, y, 260, row_height));
            l.controls.push_back(entry("KE:RegistracionCApellido" + k, "@s20", 426, y, 260, row_height));
            l.controls.push_back(prompt("?PromptResult" + k, "R:", 700, y, 30, row_height, 16));
            l.controls.push_back(entry("KE:ResultadoC" + k, "@n-6.2", 732, y, 150, row_height, kTotalSize, true));
            if (s.athletic) {
                l.controls.push_back(prompt("?PromptAthletic" + k, "D:", 900, y, 30, row_height, 16));
                l.controls.push_back(entry("KE:ResultadoAC" + k, "@n-6.2", 932, y, 150, row_height, kTotalSize, true));
            }
        }
    }
    if (s.places)
        for (int p = 0; p < 4; ++p) {
            const Place& place = kPlaces[p];
            const int y = top + 8 * pitch + 8 + p * 50;
            l.controls.push_back(prompt("?PromptPlace" + std::to_string(p + 1), s.scoring ? place.scoring_prompt : place.final_prompt,
                                        8, y, s.scoring ? 170 : 220, 42, 16, true));
            const int x = s.scoring ? 182 : 232;
            l.controls.push_back(entry(std::string("KE:") + place.name, s.scoring ? "@s45" : "@s40", x, y, 640, 42, kTotalSize, true));
            l.controls.push_back(entry(std::string("KE:") + place.points, "@n-6.2", x + 650, y, 150, 42, kTotalSize, true));
        }
    if (s.scoring) {
        l.controls.push_back(hidden_button("?OK:2", "&OK", StandardAction::Ok));
        l.controls.push_back(hidden_button("?CANCEL:2", "&Cancel", StandardAction::Cancel));
        // Buttons of the layout with no action of their own.
        l.controls.push_back(hidden_button("?OK", "OK", StandardAction::None, true));
        ControlState cancel = hidden_button("?CANCEL", "", StandardAction::None, true);
        cancel.image = "WACANCEL.ICO";
        l.controls.push_back(cancel);
        l.controls.push_back(hidden_button("?BUTTON1", "Button1", StandardAction::None, true));
        l.controls.push_back(hidden_button("?BUTTON2", "Button2", StandardAction::None, true));
    } else {
        ControlState cancel = hidden_button("?CANCEL", "", StandardAction::Cancel);
        cancel.image = "WACANCEL.ICO";
        l.controls.push_back(cancel);
    }
    return l;
}

live::FormDeclaration result_screen(const std::string& procedure) {
    const ResultScreen& s = screen(procedure);
    live::FormDeclaration d{.table = TableId::KataEvent,
                            .primary_key = "KE:KeyNumeroDeCompetencia",
                            .key_field = "KE:NumeroDeCompeticion",
                            .request_handling = s.scoring,
                            .caption = live::CaptionPlace::Title,
                            .title_with_key = s.scoring,
                            .close = s.scoring ? live::CloseVariant::CompletedAndClose : live::CloseVariant::CloseOnly,
                            .handling = live::FrameworkHandling::Last,
                            .history = s.scoring};
    if (s.scoring) d.related = related_records(s.katas_after_cards);
    return d;
}

}  // namespace zrv::kata
