// The three boards' windows: big names and points readable from the back of a hall, the
// penalty and senshu lamps, the clock panel with its captions, and the few operator controls.
// Board 1 stacks an Aka row over an Ao row on black; the other two split the window into a
// blue Ao half and a red Aka half.
#include <stdexcept>

#include "scoreboard/scoreboard.h"

namespace zrv::scoreboard {

namespace {

constexpr Colour kYellow = 0x00FFFF, kDarkGrey = 0x202020;

struct Rect {
    int x, y, w, h;
};

ControlState shape(std::string use, ControlKind kind, Rect r, Colour fill, Colour border) {
    return ControlState{.use = std::move(use),
                        .kind = kind,
                        .x = r.x,
                        .y = r.y,
                        .width = r.w,
                        .height = r.h,
                        .fill_colour = fill,
                        .border_colour = border};
}

ControlState label(std::string use, ControlKind kind, std::string text, Rect r, int size, Colour colour, int align = 1) {
    return ControlState{.use = std::move(use),
                        .kind = kind,
                        .text = std::move(text),
                        .x = r.x,
                        .y = r.y,
                        .width = r.w,
                        .height = r.h,
                        .font_colour = colour,
                        .font_name = "Arial",
                        .font_size = size,
                        .bold = true,
                        .align = align};
}

ControlState entry(std::string use, std::string picture, Rect r, int size, Colour colour, Colour fill, int align = 1) {
    ControlState c = label(std::move(use), ControlKind::Entry, "", r, size, colour, align);
    c.fill_colour = fill;
    c.picture = std::move(picture);
    return c;
}

ControlState check(std::string use, std::string text, Rect r, Colour colour, Colour fill) {
    ControlState c = label(std::move(use), ControlKind::Check, std::move(text), r, 9, colour, 0);
    c.fill_colour = fill;
    return c;
}

// A box on a field kept with two decimal places, which reads "1.00" when set.
ControlState check_2_places(std::string use, std::string text, Rect r, Colour colour, Colour fill) {
    ControlState c = check(std::move(use), std::move(text), r, colour, fill);
    c.true_value = "1.00";
    c.false_value = "0.00";
    return c;
}

ControlState button(std::string use, std::string text, Rect r) {
    return ControlState{.use = std::move(use),
                        .kind = ControlKind::Button,
                        .text = std::move(text),
                        .x = r.x,
                        .y = r.y,
                        .width = r.w,
                        .height = r.h,
                        .font_name = "Arial",
                        .font_size = 8};
}

// Where one side's controls stand.
struct Side {
    bool ao;
    Colour colour;      // the side's own colour: its half, its lamps' bars
    Colour background;  // behind its texts
    Colour points_colour;
    Rect name, dojo, country, points, senshu;
    int lamps_x, lamps_y;  // the lamp block: prompts, two labelled rows of four
    int boxes_x, boxes_y;  // hantei and kiken boxes
    bool boxes_in_column;
};

// The penalty lamps of one side: "C", "K", "HC", "H" over two rows, "Category 1" and "2".
void add_lamps(WindowLayout& l, const Side& s) {
    static const char* letters[4] = {"C", "K", "HC", "H"};
    constexpr int label_w = 64, lamp_w = 30, lamp_h = 24, pitch = 40, row_pitch = 32;
    const std::string side = s.ao ? "Ao" : "Aka";
    const Colour lamp_fill = s.ao ? kRed : kBlue;
    const int first_x = s.lamps_x + label_w;
    for (int i = 0; i < 4; ++i)
        l.controls.push_back(label("?Letter" + side + std::to_string(i + 1), ControlKind::Prompt, letters[i],
                                   {first_x + i * pitch, s.lamps_y, lamp_w, 12}, 9, kWhite));
    const std::vector<Lamp>& lamps = penalty_lamps();
    for (int row = 0; row < 2; ++row) {
        const int y = s.lamps_y + 14 + row * row_pitch;
        l.controls.push_back(label("?Category" + side + std::to_string(row + 1), ControlKind::Prompt,
                                   "Category " + std::to_string(row + 1), {s.lamps_x, y + 6, label_w - 4, 12}, 9, kWhite, 0));
        l.controls.push_back(shape("?Bar" + side + std::to_string(row + 1), ControlKind::Box,
                                   {first_x - 5, y - 3, 4 * pitch, lamp_h + 6}, s.colour, kWhite));
        for (int i = 0; i < 4; ++i) {
            const Lamp& lamp = lamps[(s.ao ? 0 : 8) + row * 4 + i];
            ControlState e = shape(lamp.lamp, ControlKind::Ellipse, {first_x + i * pitch, y, lamp_w, lamp_h}, lamp_fill, kWhite);
            e.hidden = true;
            l.controls.push_back(e);
        }
    }
}

void add_side(WindowLayout& l, const BoardKind& k, const Side& s) {
    const std::string side = s.ao ? "AO" : "AKA";
    const std::string suffix = k.name_suffix;
    l.controls.push_back(entry("?SB:FULLNAME" + side + (s.ao ? "" : suffix), "@s30", s.name, 26, kWhite, s.background,
                               k.stacked ? 0 : 1));
    l.controls.push_back(entry("?SB:DOJONAME" + side + suffix, s.ao ? "@s20" : "@s30", s.dojo, 13, kWhite, s.background,
                               k.stacked ? 0 : 1));
    l.controls.push_back(entry("?SB:PAIS" + side, "@s20", s.country, 13, kYellow, s.background, k.stacked ? 0 : 1));
    ControlState points = entry("?SB:PUNTO" + side, "n-10", s.points, 110, s.points_colour, s.background);
    points.font_name = "Arial Black";
    l.controls.push_back(points);
    // Each side's senshu lamp stands with that side; on the stacked board the red lamp is the
    // Aka row's.
    const bool red_lamp = k.senshu_crossed ? !s.ao : s.ao;
    ControlState senshu = shape(red_lamp ? "?SENSHUAO" : "?SENSHUAKA", ControlKind::Ellipse, s.senshu, red_lamp ? kRed : kBlue,
                                kWhite);
    senshu.hidden = true;
    l.controls.push_back(senshu);
    add_lamps(l, s);
    const Rect hantei{s.boxes_x, s.boxes_y, 80, 14};
    const Rect kiken = s.boxes_in_column ? Rect{s.boxes_x, s.boxes_y + 20, 80, 14} : Rect{s.boxes_x + 90, s.boxes_y, 80, 14};
    l.controls.push_back(check("?SB:HANTEY" + side, "Hantei", hantei, kWhite, s.background));
    l.controls.push_back(check("?SB:KIKEN" + side, "Kiken", kiken, kWhite, s.background));
}

// The clock with its captions: "GO", "STOP" and "TIME UP Oss" share one place.
void add_clock(WindowLayout& l, Rect caption, Rect panel) {
    ControlState go = label("?STRING4", ControlKind::String, "GO", caption, 22, kGreen);
    ControlState stop = label("?STRING4:2", ControlKind::String, "STOP", caption, 22, kRed);
    ControlState up = label("?STRING3", ControlKind::String, "TIME UP Oss", caption, 22, kYellow);
    for (ControlState* c : {&go, &stop, &up}) {
        c->hidden = true;
        c->fill_colour = kBlack;
        l.controls.push_back(*c);
    }
    l.controls.push_back(shape("?XDIGITALCLOCKPANEL", ControlKind::Panel, panel, kWhite, kDefaultColour));
}

void add_ok_cancel(WindowLayout& l, int x, int y) {
    ControlState ok{.use = "?OK",
                    .kind = ControlKind::Button,
                    .x = x,
                    .y = y,
                    .width = 20,
                    .height = 18,
                    .image = "WAOK.ICO",
                    .tip = "Accept data and close the window",
                    .is_default = true,
                    .action = StandardAction::Ok};
    ControlState cancel{.use = "?CANCEL",
                        .kind = ControlKind::Button,
                        .x = x + 24,
                        .y = y,
                        .width = 20,
                        .height = 18,
                        .image = "WACANCEL.ICO",
                        .tip = "Cancel operation",
                        .action = StandardAction::Cancel};
    l.controls.push_back(ok);
    l.controls.push_back(cancel);
}

// The bout's number and event in small print in a corner.
void add_bout(WindowLayout& l, const BoardKind& k, int x, int y, Colour fill) {
    l.controls.push_back(label("?BoutPrompt", ControlKind::Prompt, "Bout:", {x, y + 1, 26, 12}, 8, kWhite, 0));
    l.controls.push_back(entry("?SB:IDCOMBATE", "@n-10", {x + 28, y, 44, 13}, 8, kWhite, fill, 0));
    l.controls.push_back(label("?EventPrompt", ControlKind::Prompt, "Event:", {x + 78, y + 1, 30, 12}, 8, kWhite, 0));
    l.controls.push_back(entry(k.event_control, "@n-14", {x + 110, y, 56, 13}, 8, kWhite, fill, 0));
}

WindowLayout stacked_board(const BoardKind& k) {
    WindowLayout l{.kind = WindowKind::Floating,
                   .width = k.width,
                   .height = k.height,
                   .icon = "zrvICON.ico",
                   .colour = kBlack,
                   .timer = 10};
    constexpr int row_h = 172;
    for (bool ao : {false, true}) {
        const int y = ao ? row_h : 0;
        l.controls.push_back(label(ao ? "?AoLabel" : "?AkaLabel", ControlKind::String, ao ? "AO" : "AKA", {10, y + 10, 70, 30}, 22,
                                   kWhite, 0));
        const Side s{.ao = ao,
                     .colour = ao ? kBlue : kRed,
                     .background = kBlack,
                     .points_colour = ao ? kBlue : kRed,
                     .name = {84, y + 6, 450, 42},
                     .dojo = {84, y + 50, 300, 20},
                     .country = {390, y + 50, 150, 20},
                     .points = {560, y + 6, 200, 160},
                     .senshu = {780, y + 60, 56, 50},
                     .lamps_x = 10,
                     .lamps_y = y + 84,
                     .boxes_x = 300,
                     .boxes_y = y + 100,
                     .boxes_in_column = true};
        add_side(l, k, s);
    }
    l.controls.push_back(shape("?Rule", ControlKind::Line, {0, 2 * row_h - 4, k.width, 1}, kDefaultColour, kWhite));
    const int strip = 2 * row_h;
    add_clock(l, {140, strip + 16, 180, 34}, {330, strip + 4, 220, 66});
    l.controls.push_back(label("?Timer1Prompt", ControlKind::Prompt, "Timer 1 Start Time:", {8, strip + 8, 90, 12}, 8, kWhite, 0));
    l.controls.push_back(entry("?SB:TIMER1STARTTIME", "@n-14", {100, strip + 7, 34, 13}, 8, kWhite, kBlack, 0));
    add_bout(l, k, 8, strip + 56, kBlack);
    l.controls.push_back(button(k.start_button, "Start", {640, strip + 20, 50, 20}));
    l.controls.push_back(button(k.stop_button, "Stop", {696, strip + 20, 50, 20}));
    add_ok_cancel(l, k.width - 52, k.height - 24);
    return l;
}

WindowLayout halves_board(const BoardKind& k) {
    WindowLayout l{.kind = WindowKind::Floating,
                   .width = k.width,
                   .height = k.height,
                   .icon = "zrvICON.ico",
                   .colour = kBlack,
                   .timer = 10};
    const int half = k.width / 2;
    const int extra = k.height - 415;  // the team board's taller window
    const auto mirror = [&](Rect r) { return Rect{k.width - r.x - r.w, r.y, r.w, r.h}; };
    l.controls.push_back(shape("?AoHalf", ControlKind::Box, {0, 0, half, k.height}, kBlue, kBlue));
    l.controls.push_back(shape("?AkaHalf", ControlKind::Box, {half, 0, k.width - half, k.height}, kRed, kRed));
    for (bool ao : {true, false}) {
        Side s{.ao = ao,
               .colour = ao ? kBlue : kRed,
               .background = ao ? kBlue : kRed,
               .points_colour = kWhite,
               .name = {12, 22, half - 24, 44},
               .dojo = {12, 68, half - 24, 20},
               .country = {12, 90, half - 24, 20},
               .points = {60, 112, 250, 156},
               .senshu = {330, 170, 56, 50},
               .lamps_x = 12,
               .lamps_y = 300 + extra,
               .boxes_x = 24,
               .boxes_y = 274};
        if (!ao) {
            for (Rect* r : {&s.name, &s.dojo, &s.country, &s.points, &s.senshu}) *r = mirror(*r);
            s.lamps_x = k.width - 12 - 224;
            s.boxes_x = k.width - 24 - 170;
        }
        add_side(l, k, s);
    }
    // Wide enough for the eight cells of the clock's digits at their own size.
    const Rect box{half - 165, 290 + extra, 330, 118};
    l.controls.push_back(shape("?ClockBox", ControlKind::Box, box, kDarkGrey, kWhite));
    add_clock(l, {box.x + 10, box.y + 6, box.w - 20, 30}, {box.x + 10, box.y + 38, box.w - 20, 50});
    add_bout(l, k, 8, 4, kBlue);
    if (k.start_button) {
        l.controls.push_back(button(k.start_button, "Start", {box.x + 20, box.y + 92, 50, 18}));
        l.controls.push_back(button(k.stop_button, "Stop", {box.x + 76, box.y + 92, 50, 18}));
    }
    add_ok_cancel(l, box.x + box.w - 64, box.y + 92);
    if (k.team) {
        l.controls.push_back(label("?CodePrompt", ControlKind::Prompt, "Event code:", {half + 8, 5, 52, 12}, 8, kWhite, 0));
        l.controls.push_back(entry("?SB:CODIGODEEVENTO", "@s20", {half + 62, 4, 90, 13}, 8, kWhite, kRed, 0));
        l.controls.push_back(check("?SB:AOWIN", "Ao Win:", {24, 294, 80, 14}, kWhite, kBlue));
        l.controls.push_back(check_2_places("?SB:SHIKAKUAOCK", "Shikaku", {114, 294, 80, 14}, kWhite, kBlue));
        l.controls.push_back(check("?SB:AKAWIN", "Aka Win:", {k.width - 194, 294, 80, 14}, kWhite, kRed));
        l.controls.push_back(check_2_places("?SB:SHIKAKUAKACK", "Shikaku", {k.width - 104, 294, 80, 14}, kWhite, kRed));
        l.controls.push_back(check("?SB:STOPSTART", "StopStart", {box.x + box.w - 150, box.y + 94, 76, 14}, kWhite, kDarkGrey));
    }
    return l;
}

}  // namespace

WindowLayout board_layout(const BoardKind& k) {
    WindowLayout l = k.stacked ? stacked_board(k) : halves_board(k);
    l.status = {{.width = 200}, {.width = -1}};
    return l;
}

}  // namespace zrv::scoreboard
