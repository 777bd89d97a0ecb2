// The scoreboard controller: one class for the three boards, told apart by their BoardKind.
// On every tick (0.1 s) the board reads its bout again, drives the clock from SB:StopStart and
// SB:SBStop, shows the captions and the lamps, closes on SB:Cerrar, redisplays, looks its
// event up; after the framework's handling the points of a side that has won blink.
#include <array>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "clock/digital_clock.h"
#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/procedures.h"
#include "live/field_binding.h"
#include "scoreboard/scoreboard.h"

namespace zrv::scoreboard {

namespace {

constexpr std::int64_t kBlinkPoints = 8;
constexpr int kMaxToggles = 500;

const std::vector<std::string> kBoard1ReadOnly = {"?SB:IDNUMERODEEVENTOKINDIVIDUAL",
                                                  "?SB:FULLNAMEAO",
                                                  "?SB:DOJONAMEAKA:2",
                                                  "?SB:FULLNAMEAKA:2",
                                                  "?SB:DOJONAMEAO:2",
                                                  "?SB:PUNTOAO",
                                                  "?SB:PUNTOAKA",
                                                  "?SB:TIMER1STARTTIME"};
const std::vector<std::string> kBoard2ReadOnly = {"?SB:IDNUMERODEEVENTOKINDIVIDUAL", "?SB:IDCOMBATE", "?SB:FULLNAMEAO", "?SB:PUNTOAO",
                                                  "?SB:PUNTOAKA"};

// The bout's number is shown, never taken from the screen: the board re-reads its bout by it,
// so a number typed over it would switch the board to another bout or to none.
class KeyBinding final : public Binding {
public:
    explicit KeyBinding(live::FieldBinding shown) : shown_(std::move(shown)) {}
    std::string text() const override { return shown_.text(); }
    void set_text(std::string_view) override {}

private:
    live::FieldBinding shown_;
};

// What the board looked up once by a name of this file's own, kept by the literal's address in
// a small table read straight through (every tick goes through most of them).
template <typename T>
class LookedUp {
public:
    // The entry of a name, and whether it was added just now.
    std::pair<T&, bool> entry(const char* name) {
        for (auto& [n, value] : entries_)
            if (n == name) return {value, false};
        entries_.emplace_back(name, T{});
        return {entries_.back().second, true};
    }

private:
    std::vector<std::pair<const char*, T>> entries_;
};

struct BlinkState {
    Colour saved = 0;
    int step = 0;
    bool green = false;
    int toggles = 0;
    bool enabled = false;
};

class Scoreboard final : public live::LiveForm {
public:
    explicit Scoreboard(const BoardKind& kind) : LiveForm(kind.procedure, board_layout(kind), board_form(kind)), kind_(kind) {}

    bool initialize() override;
    Flow take_event(Event& event) override;
    Flow on_accepted(int control) override;
    Flow on_window_event(const Event& event) override;

private:
    store::RecordBuffer& record() { return table().record(); }
    // A field of the bout by its name; -1 when there is none. The names are this file's own
    // literals, so each is looked up once by its address.
    int field(const char* name) {
        auto [f, added] = fields_.entry(name);
        if (added) f = record().field_index(name);
        return f;
    }
    std::int64_t value(const char* name) {
        const int f = field(name);
        return f < 0 ? 0 : record().get_integer(f);
    }
    bool is_one(const char* name) {
        const int f = field(name);
        return f >= 0 && record().get_decimal(f) == store::Decimal::from_integer(1);
    }
    // A countdown that has run out stays at its end: resuming it would end it again at once.
    bool run_out() const { return clock_.current_time() < 100; }
    void resume() {
        if (!run_out()) clock_.resume_countdown();
    }
    // Only this board shows and hides its captions and lamps, so a control is set only when
    // what it shows changes.
    void show(const char* use, bool shown) {
        auto [s, added] = shown_.entry(use);
        if (added) s.control = control(use);
        if (!s.control || s.state == static_cast<int>(shown)) return;
        s.state = shown;
        window().set_hidden(s.control, !shown);
    }
    void timer_step();
    void time_up_captions();
    void lamps();
    void copy_back();
    void hantei_kiken_rule(int box);
    void point_blink(BlinkState& state, const char* field, int points_control);

    const BoardKind& kind_;
    DigitalClock clock_;
    int start_ = 0, stop_ = 0, key_control_ = 0;
    int points_ao_ = 0, points_aka_ = 0;
    std::array<int, 4> boxes_{};  // hantei Aka, hantei Ao, kiken Aka, kiken Ao
    BlinkState blink_ao_, blink_aka_;
    LookedUp<int> fields_;
    struct Shown {
        int control = 0;
        int state = -1;  // shown (1) or hidden (0) as last set; -1: not set yet
    };
    LookedUp<Shown> shown_;                             // by use
    std::vector<int> entries_;                          // the entries an operator's change is copied back from
    std::uint64_t copied_back_at_ = ~std::uint64_t{0};  // the operator's changes when none was left
};

bool Scoreboard::initialize() {
    if (!LiveForm::initialize()) return false;
    Window& w = window();
    w.set_resize_strategy(ResizeStrategy::Scale);
    key_control_ = control("?SB:IDCOMBATE");
    if (std::optional<data::FieldRef> key = data::field_by_name("SB:IDCombate"); key && key_control_) {
        w.bind(key_control_, std::make_shared<KeyBinding>(live::FieldBinding(*key, *live::Picture::parse("@n-10"))));
        w.display(key_control_);
    }
    if (kind_.start_button) {
        start_ = control(kind_.start_button);
        stop_ = control(kind_.stop_button);
    }
    for (const ControlState& c : w.controls())
        if (c.kind == ControlKind::Entry && c.number != key_control_) entries_.push_back(c.number);
    points_ao_ = control("?SB:PUNTOAO");
    points_aka_ = control("?SB:PUNTOAKA");
    boxes_ = {control("?SB:HANTEYAKA"), control("?SB:HANTEYAO"), control("?SB:KIKENAKA"), control("?SB:KIKENAO")};

    clock_.create_helpers();
    const std::string clock_name = std::string(kind_.procedure) + ":xDC:4";
    clock_.attach_to_window(w, control("?XDIGITALCLOCKPANEL"), 300, "Paint", ".\\Digits", kind_.clock_settings, clock_name, kHours24,
                            0, kClockCountdown, 0, kind_.autosize, kWhite);
    if (kind_.paused_at_open) clock_.pause_countdown();
    clock_.set_countdown(static_cast<int>(value("SB:Timer1StartTime")));
    std::uint8_t* flag = nullptr;
    if (kind_.end_flag_and_sound) {
        flag = record().cells(record().field_index("SB:Timer1Flag")).data();
    }
    clock_.set_timer_end(0, flag, 0, "TIME UP!", kind_.end_flag_and_sound ? "TimeUP.wav" : "", 0);
    clock_.tick();

    blink_ao_.saved = w.control(points_ao_).font_colour;
    blink_aka_.saved = w.control(points_aka_).font_colour;
    blink_ao_.enabled = blink_aka_.enabled = true;
    if (request() == kRequestView)
        for (int b : {start_, stop_})
            if (b) w.set_disabled(b, true);
    if (kind_.hantei_rule)
        for (int box : boxes_) hantei_kiken_rule(box);
    return true;
}

Flow Scoreboard::take_event(Event& event) {
    const Flow flow = LiveForm::take_event(event);
    clock_.handle_right_click(event);
    return flow;
}

Flow Scoreboard::on_accepted(int c) {
    if (c && c == stop_) clock_.pause_countdown();
    if (c && c == start_) resume();
    const Flow flow = LiveForm::on_accepted(c);
    if (kind_.team && c && c == control(kind_.event_control)) reset(true);
    if (kind_.hantei_rule && c && std::find(boxes_.begin(), boxes_.end(), c) != boxes_.end()) {
        hantei_kiken_rule(c);
        reset(false);
    }
    return flow;
}

Flow Scoreboard::on_window_event(const Event& e) {
    if (e.kind == EventKind::Timer) timer_step();
    const Flow flow = framework_event(e);
    if (e.kind == EventKind::Timer) {
        point_blink(blink_ao_, "SB:PuntoAo", points_ao_);
        point_blink(blink_aka_, "SB:PuntoAka", points_aka_);
    }
    return flow;
}

void Scoreboard::timer_step() {
    reread();  // the same bout again; a failed read leaves the buffer as it is
    if (value("SB:SBStop") == 1) {
        record().set_integer("SB:StopStart", 1);
        clock_.pause_countdown();
    }
    const std::int64_t stop_start = value("SB:StopStart");
    if (stop_start == 0) resume();
    show("?STRING4", stop_start == 0);
    if (stop_start == 1) clock_.pause_countdown();
    show("?STRING4:2", stop_start == 1);
    if (!kind_.time_up_after_lamps) time_up_captions();
    lamps();
    if (kind_.time_up_after_lamps) time_up_captions();
    if (asked_to_close()) close_from_outside();
    if (kind_.copy_back) copy_back();
    show_with_related();
}

void Scoreboard::time_up_captions() {
    if (value("SB:SBStop") == 1) {
        show("?STRING3", true);
        show("?STRING4", false);
        show("?STRING4:2", false);
    } else {
        show("?STRING3", false);
    }
}

void Scoreboard::lamps() {
    for (const Lamp& l : penalty_lamps()) show(l.lamp, is_one(l.field));
    show("?SENSHUAO", is_one(kind_.senshu_crossed ? "SB:SenshuAka" : "SB:SenshuAo"));
    show("?SENSHUAKA", is_one(kind_.senshu_crossed ? "SB:SenshuAo" : "SB:SenshuAka"));
}

void Scoreboard::copy_back() {
    // Nothing typed since a look found no entry changed: none is.
    const std::uint64_t typed = window().operator_changes();
    if (typed == copied_back_at_) return;
    bool any = false;
    for (int c : entries_)
        if (window().changed_by_operator(c)) {
            window().update(c);
            any = true;
        }
    if (!any) copied_back_at_ = typed;
}

void Scoreboard::hantei_kiken_rule(int box) {
    if (!box) return;
    const bool on = window().checked(box);
    store::RecordBuffer& r = record();
    if (box == boxes_[0]) {
        if (on) {
            r.set_integer("SB:HanteyAka", 1);
            r.set_integer("SB:AkaWin", 1);
            r.set_integer("SB:HanteyAo", 0);
        } else {
            r.set_integer("SB:HanteyAka", 0);
        }
        if (boxes_[1]) window().set_disabled(boxes_[1], on);
    } else if (box == boxes_[1]) {
        if (on) {
            r.set_integer("SB:HanteyAo", 1);
            r.set_integer("SB:HanteyAka", 0);
            r.set_integer("SB:AoWin", 1);
        } else {
            r.set_integer("SB:HanteyAo", 0);
        }
        if (boxes_[0]) window().set_disabled(boxes_[0], on);
    } else if (box == boxes_[2] && on) {
        r.set_integer("SB:AoWin", 1);
    } else if (box == boxes_[3] && on) {
        r.set_integer("SB:AkaWin", 1);
    }
}

void Scoreboard::point_blink(BlinkState& s, const char* field, int points) {
    if (!s.enabled || !points || value("SB:WinnerByOr") != 1 || value(field) < kBlinkPoints) return;
    window().set_hidden(points, false);
    if (s.toggles >= kMaxToggles) {
        window().set_font_colour(points, s.saved);
        return;
    }
    if (++s.step > 2) {
        s.step = 1;
        s.green = !s.green;
        window().set_font_colour(points, s.green ? kGreen : s.saved);
        ++s.toggles;
        window().display(points);
    }
}

}  // namespace

const std::vector<BoardKind>& board_kinds() {
    static const std::vector<BoardKind> kinds = {
        {.procedure = "UpdateScoreBoard1",
         .width = 861,
         .height = 422,
         .stacked = true,
         .clock_settings = ".\\digits.ini",
         .autosize = kFitPanelCentred,
         .paused_at_open = true,
         .end_flag_and_sound = true,
         .start_button = "?BUTTON2",
         .stop_button = "?BUTTON1",
         .hantei_rule = false,
         .time_up_after_lamps = false,
         .copy_back = false,
         .team = false,
         .senshu_crossed = true,
         .name_suffix = ":2",
         .event_control = "?SB:IDNUMERODEEVENTOKINDIVIDUAL",
         .view_read_only = kBoard1ReadOnly},
        {.procedure = "UpDateScoreBoard2",
         .width = 822,
         .height = 415,
         .stacked = false,
         .clock_settings = ".\\digits.ini",
         .autosize = kKeepPanel,
         .paused_at_open = true,
         .end_flag_and_sound = true,
         .start_button = "?SAVE",
         .stop_button = "?SAVE:14",
         .hantei_rule = true,
         .time_up_after_lamps = false,
         .copy_back = true,
         .team = false,
         .senshu_crossed = false,
         .name_suffix = ":2",
         .event_control = "?SB:IDNUMERODEEVENTOKINDIVIDUAL",
         .view_read_only = kBoard2ReadOnly},
        {.procedure = "UpDateEquipoScoreBoardPantalla",
         .width = 823,
         .height = 437,
         .stacked = false,
         .clock_settings = ".\\xClock.ini",
         .autosize = kKeepPanel,
         .paused_at_open = false,
         .end_flag_and_sound = false,
         .start_button = nullptr,
         .stop_button = nullptr,
         .hantei_rule = false,
         .time_up_after_lamps = true,
         .copy_back = true,
         .team = true,
         .senshu_crossed = false,
         .name_suffix = "",
         .event_control = "?SB:IDNUMERODEEVENTOEQUIPO",
         .view_read_only = {}},
    };
    return kinds;
}

const BoardKind& board_kind(const std::string& procedure) {
    for (const BoardKind& k : board_kinds())
        if (procedure == k.procedure) return k;
    throw std::invalid_argument("no scoreboard " + procedure);
}

const std::vector<Lamp>& penalty_lamps() {
    static const std::vector<Lamp> lamps = {
        {"SB:C1Ao", "?CAO1"},     {"SB:K1Ao", "?KAO2"},     {"SB:H1CAo", "?HCAO3"},     {"SB:H1Ao", "?HAO4"},
        {"SB:C2Ao", "?CAO1:2"},   {"SB:K2Ao", "?KAO2:2"},   {"SB:HC2Ao", "?HCAO3:2"},   {"SB:H2Ao", "?HAO4:2"},
        {"SB:C1Aka", "?CAKA1:3"}, {"SB:K1Aka", "?KAKA2:3"}, {"SB:H1CAka", "?HCAKA3:3"}, {"SB:H1Aka", "?HAKA4:3"},
        {"SB:C2Aka", "?CAKA1:4"}, {"SB:K2Aka", "?KAKA2:4"}, {"SB:HC2Aka", "?HCAKA3:4"}, {"SB:H2Aka", "?HAKA4:4"},
    };
    return lamps;
}

live::FormDeclaration board_form(const BoardKind& k) {
    live::FormDeclaration d{.table = data::TableId::ScoreBoard,
                            .primary_key = "SB:KeyIDCombate",
                            .key_field = "SB:IDCombate",
                            .caption = live::CaptionPlace::StatusZone2,
                            .title_with_key = true,
                            .live = false,  // the board's own timer step reads the bout again
                            .close = live::CloseVariant::CompletedAndClose,
                            .handling = live::FrameworkHandling::Last};
    if (k.team)
        d.related.push_back({data::TableId::KumiteEquipo5,
                             "KE212:KeyIDNumeroDeEventoEquipo",
                             {{"KE212:IDNumeroDeEventoEquipo", "SB:IDNumeroDeEventoEquipo"}}});
    d.related.push_back({data::TableId::KumiteIndividual,
                         "KE24:KeyIDNumeroDeEventoKIndividual",
                         {{"KE24:IDNumeroDeEventoKIndividual", "SB:IDNumeroDeEventoKIndividual"}}});
    d.view_read_only = k.view_read_only;
    return d;
}

namespace {

void board_procedure(const std::string& name) { Scoreboard(board_kind(name)).run(); }

constexpr char kBoard1[] = "UpdateScoreBoard1";
constexpr char kBoard2[] = "UpDateScoreBoard2";
constexpr char kTeamBoard[] = "UpDateEquipoScoreBoardPantalla";

const ProcedureRegistration registered_boards({kBoard1, kBoard2, kTeamBoard}, &board_procedure);

}  // namespace

}  // namespace zrv::scoreboard
