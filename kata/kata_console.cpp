// The kata console (Consola): the operator's panel for one event, whose eleven buttons each put
// one audience display of the event on screen, on the console's own thread; and the eight
// competitor screens (Competidor1 .. Competidor8), one design with a table of differences.
#include <stdexcept>

#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "kata/kata.h"

namespace zrv::kata {

namespace {

constexpr Colour kBlack = 0x000000, kYellow = 0x00FFFF, kGreen = 0x00C000, kWhite = 0xFFFFFF;

live::FormDeclaration kata_event_form(live::CaptionPlace caption, bool title_with_key, bool live) {
    return live::FormDeclaration{.table = data::TableId::KataEvent,
                                 .primary_key = "KE:KeyNumeroDeCompetencia",
                                 .key_field = "KE:NumeroDeCompeticion",
                                 .caption = caption,
                                 .title_with_key = title_with_key,
                                 .live = live,
                                 .close = live ? live::CloseVariant::CompletedAndClose : live::CloseVariant::None,
                                 .handling = live::FrameworkHandling::Last,
                                 .history = true};
}

ControlState text(std::string use, ControlKind kind, std::string value, int x, int y, int width, int height = 12) {
    return {.use = std::move(use), .kind = kind, .text = std::move(value), .x = x, .y = y, .width = width, .height = height};
}

ControlState field(const std::string& name, const char* picture, int x, int y, int width, int height = 12) {
    ControlState c{.use = "?" + upper(name), .kind = ControlKind::Entry, .x = x, .y = y, .width = width, .height = height};
    c.picture = picture;
    return c;
}

ControlState ok_button(int x, int y) {
    return {.use = "?OK",
            .kind = ControlKind::Button,
            .text = "&OK",
            .x = x,
            .y = y,
            .width = 48,
            .height = 16,
            .image = "WAOK.ICO",
            .tip = "Accept data and close the window",
            .is_default = true,
            .action = StandardAction::Ok};
}

ControlState cancel_button(const char* label, int x, int y) {
    return {.use = "?CANCEL",
            .kind = ControlKind::Button,
            .text = label,
            .x = x,
            .y = y,
            .width = 48,
            .height = 16,
            .image = "WACANCEL.ICO",
            .tip = "Cancel operation",
            .action = StandardAction::Cancel};
}

// ---- the competitor screens -------------------------------------------------------------------

struct Competitor {
    const char* result_caption;
    const char* athletic_caption;
    int caption_size;  // the result caption, "Arial Black", bold
    bool caption_italic;
    bool caption_underline;
    int value_size;  // the technical and athletic values
    bool value_bold;
    const char* value_font;
    int small_caption_size;  // the technical and athletic captions
    const char* modality_picture;
    const char* technical_message;
};

const Competitor kCompetitors[8] = {
    {"Competitor results 1:", "Athletic results :", 40, false, true, 30, false, "", 20, "@s45", ""},
    {"Competitor results 2:", "Athletic results :", 30, true, false, 40, true, "", 25, "@s20", ""},
    {"Competitor results 3:", "Atlantic results :", 30, true, false, 35, true, "Arial Black", 25, "@s20", ""},
    {"Competitor results 4:", "Athletic results :", 25, true, false, 40, true, "", 25, "@s20", ""},
    {"Competitor results 5", "Athletic results :", 30, true, false, 40, true, "", 25, "@s20", ""},
    {"Resultado Competidor 6:", "Athletic results :", 35, true, false, 30, true, "", 25, "@s20", "ResultadoTC6"},
    {"Competitor results 7:", "Atlantic results :", 30, true, false, 30, true, "", 25, "@s20", ""},
    {"Competitor results 8:", "Atlantic results :", 30, true, false, 40, true, "", 25, "@s20", ""},
};

const Competitor& competitor(int n) {
    if (n < 1 || n > 8) throw std::invalid_argument("no competitor screen " + std::to_string(n));
    return kCompetitors[n - 1];
}

void header_style(ControlState& c) {
    c.font_name = "Arial";
    c.font_size = 15;
    c.font_colour = kYellow;
    c.fill_colour = kBlack;
}

void result_style(ControlState& c, const char* font, int size, bool bold) {
    c.font_name = font;
    c.font_size = size;
    c.bold = bold;
    c.font_colour = kWhite;
    c.fill_colour = kGreen;
}

// ---- the console ------------------------------------------------------------------------------

class Console : public live::LiveForm {
public:
    using LiveForm::LiveForm;

    void run_event_loop() override {
        // In view mode no display can be put on screen.
        for (const DisplayButton& b : console_buttons())
            if (const int c = control(b.use); c && request() == kRequestView) window().set_disabled(c, true);
        if (const int first = control(console_buttons().front().use)) window().select(first);
        LiveForm::run_event_loop();
    }

    Flow on_accepted(int c) override {
        const Flow flow = LiveForm::on_accepted(c);
        for (const DisplayButton& b : console_buttons()) {
            if (c != control(b.use)) continue;
            // The display runs here, on the console's thread, until its window closes; it reads
            // the console's own buffer again, which the console then shows.
            ThreadRequest() = kRequestView;
            run_procedure(b.procedure);
            reset(false);
            break;
        }
        return flow;
    }
};

void console_procedure() { Console("Consola", console_layout(), console_form()).run(); }

template <int N>
void competitor_procedure() {
    const std::string name = "Competidor" + std::to_string(N);
    live::LiveForm(name, competitor_layout(N), competitor_form()).run();
}

const ProcedureRegistration registrations[] = {
    {"Consola", &console_procedure},           {"Competidor1", &competitor_procedure<1>}, {"Competidor2", &competitor_procedure<2>},
    {"Competidor3", &competitor_procedure<3>}, {"Competidor4", &competitor_procedure<4>}, {"Competidor5", &competitor_procedure<5>},
    {"Competidor6", &competitor_procedure<6>}, {"Competidor7", &competitor_procedure<7>}, {"Competidor8", &competitor_procedure<8>},
};

}  // namespace

const std::vector<DisplayButton>& console_buttons() {
    static const std::vector<DisplayButton> buttons = [] {
        std::vector<DisplayButton> b;
        for (int n = 1; n <= 8; ++n) {
            const std::string k = std::to_string(n);
            b.push_back({"?BUTTON" + k, "Competidor " + k, "Competidor" + k});
        }
        b.push_back({"?BUTTON9", "Scord Bord", "PantallaKataEvent"});
        b.push_back({"?BUTTON9:2", "Scord Bord Full", "PantallaJueces5Update1"});
        b.push_back({"?BUTTON9:3", "Scord Bord Full 2", "PantallaKataEvent1"});
        return b;
    }();
    return buttons;
}

WindowLayout console_layout() {
    WindowLayout l{.title = "Display for Cansol scoreboard points",
                   .kind = WindowKind::MdiChild,
                   .width = 420,
                   .height = 260,
                   .icon = "zrvICON.ico"};
    l.status = {{.width = -1}};
    l.controls.push_back(
        {.number = 1, .use = "?CurrentTab", .kind = ControlKind::Sheet, .x = 4, .y = 4, .width = 412, .height = 226, .selected = 1});
    l.controls.push_back(
        {.number = 2, .use = "?Tab:1", .kind = ControlKind::Tab, .parent = 1, .text = "&1) Scoreboard points Consol"});
    auto on_tab = [&](ControlState c) {
        c.parent = 2;
        l.controls.push_back(std::move(c));
    };
    on_tab(text("?PromptTID", ControlKind::Prompt, "&TID:", 12, 24, 40));
    ControlState number = field("KE:NumeroDeCompeticion", "@n6", 56, 24, 40);
    number.kind = ControlKind::String;
    on_tab(number);
    on_tab(field("KE:NombreDeEvento", "@s50", 12, 42, 300));
    on_tab(text("?PromptDate", ControlKind::Prompt, "Date:", 12, 60, 40));
    on_tab(field("KE:FechaDeEvento", "@D17", 56, 60, 60));
    on_tab(text("?PromptCode", ControlKind::Prompt, "Event code:", 130, 60, 50));
    on_tab(field("KE:CodigoEvento", "@s20", 184, 60, 100));
    int i = 0;
    for (const DisplayButton& b : console_buttons()) {
        on_tab(text(b.use, ControlKind::Button, b.text, 12 + (i % 4) * 96, 84 + (i / 4) * 24, 90, 18));
        ++i;
    }
    ControlState
        image{.use = "?IMAGE1", .kind = ControlKind::Image, .x = 330, .y = 20, .width = 80, .height = 60, .image = "zrvICON2.png"};
    on_tab(image);
    l.controls.push_back(ok_button(310, 236));
    l.controls.push_back(cancel_button("&Cancel", 362, 236));
    return l;
}

live::FormDeclaration console_form() { return kata_event_form(live::CaptionPlace::Status, false, false); }

WindowLayout competitor_layout(int n) {
    const Competitor& spec = competitor(n);
    const std::string k = std::to_string(n);
    // An audience screen: a black header band over the green results area, the total filling
    // most of it, every text readable from the back of a hall.
    constexpr int kWidth = 1100, kHeight = 620, kBand = 134;
    WindowLayout l{.title = "Competitor results " + k, .kind = WindowKind::Floating, .width = kWidth, .height = kHeight, .timer = 1};
    l.controls.push_back(
        {.use = "?PanelHeader", .kind = ControlKind::Panel, .x = 0, .y = 0, .width = kWidth, .height = kBand, .fill_colour = kBlack});
    l.controls.push_back({.use = "?PanelResults",
                          .kind = ControlKind::Panel,
                          .x = 0,
                          .y = kBand,
                          .width = kWidth,
                          .height = kHeight - kBand,
                          .fill_colour = kGreen});
    const struct {
        const char* caption;
        const char* field;
        const char* picture;
        int x, y, caption_width, width;
    } header[] = {
        {"&TID:", "KE:NumeroDeCompeticion", "@n6", 8, 6, 56, 90},
        {"Date:", "KE:FechaDeEvento", "@D17", 170, 6, 60, 130},
        {"Event code:", "KE:CodigoEvento", "@s20", 380, 6, 116, 240},
        {"Modality:", "KE:Modalidad", spec.modality_picture, 8, 38, 100, 620},
        {"Tournament name:", "KE:NombreDeEvento", "@s50", 8, 70, 170, 700},
    };
    int p = 0;
    for (const auto& h : header) {
        ControlState caption = text("?PromptHeader" + std::to_string(++p), ControlKind::Prompt, h.caption, h.x, h.y, h.caption_width,
                                    26);
        header_style(caption);
        caption.underline = true;
        l.controls.push_back(caption);
        ControlState value = field(h.field, h.picture, h.x + h.caption_width + 4, h.y, h.width, 26);
        header_style(value);
        l.controls.push_back(value);
    }
    ControlState name = text("?PromptName", ControlKind::Prompt, "Name:", 8, 102, 70, 26);
    header_style(name);
    l.controls.push_back(name);
    for (const auto& [f, x] : {std::pair{"KE:NombreCompetidor", 82}, std::pair{"KE:AppelidoCompetidor", 350}}) {
        ControlState c = field(f + k, "@s20", x, 102, 260, 26);
        header_style(c);
        l.controls.push_back(c);
    }

    ControlState caption = text("?PromptResult", ControlKind::Prompt, spec.result_caption, 8, kBand + 6, kWidth - 16, 60);
    result_style(caption, "Arial Black", spec.caption_size, true);
    caption.italic = spec.caption_italic;
    caption.underline = spec.caption_underline;
    l.controls.push_back(caption);
    ControlState total = field("KE:ResultadoC" + k, "@n-10.2", 8, kBand + 72, 780, kHeight - kBand - 100);
    result_style(total, "Arial Black", 200, true);
    l.controls.push_back(total);
    const struct {
        const char* caption;
        const char* stem;
        int y;
    } parts[] = {{"Technical results:", "KE:ResultadoTC", kBand + 80}, {spec.athletic_caption, "KE:ResultadoAC", kBand + 250}};
    for (const auto& part : parts) {
        ControlState c = text(std::string("?Prompt") + (part.stem + 3), ControlKind::Prompt, part.caption, 796, part.y, 296, 40);
        result_style(c, "Arial", spec.small_caption_size, true);
        c.underline = true;
        l.controls.push_back(c);
        ControlState v = field(part.stem + k, "@n-10.2", 796, part.y + 46, 296, 70);
        result_style(v, *spec.value_font ? spec.value_font : "Arial", spec.value_size, spec.value_bold);
        v.align = 2;
        if (part.stem == std::string("KE:ResultadoTC") && *spec.technical_message) v.message = v.tip = spec.technical_message;
        l.controls.push_back(v);
    }
    // The window's own typeface, 8 points, on its two buttons.
    for (ControlState b : {ok_button(kWidth - 112, kHeight - 22), cancel_button("", kWidth - 58, kHeight - 22)}) {
        b.font_size = 8;
        l.controls.push_back(b);
    }
    return l;
}

live::FormDeclaration competitor_form() { return kata_event_form(live::CaptionPlace::Title, true, true); }

}  // namespace zrv::kata
