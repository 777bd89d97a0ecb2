#include "kumite/team_sheets.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "kumite/layout_kit.h"

namespace zrv::kumite {

namespace {

using data::TableId;

std::string f(const std::string& name) { return "KE212:" + name; }

// ---- the record's eight team blocks -----------------------------------------------------------

struct Competitor {
    std::string name, dojo, win, result, points, kiken;
};

struct Block {
    std::string team_id;  // empty on the second round
    std::string team, city, coach, school;
    std::string colour;  // empty on the first round
    std::array<Competitor, 5> competitors;
    Competitor tie_break;
    std::string hantei;
    std::string team_win;  // empty on the second round
    std::string total_result, total_points;
};

enum Part { Name, Dojo, Win, Result, Points, Kiken };

struct Spelling {
    Part part;
    int n;
    const char* field;
};

// The five competitors of a block from the patterns of their six fields ({n} is the number),
// with the fields that the record spells otherwise.
std::array<Competitor, 5> five(const std::array<const char*, 6>& patterns, std::initializer_list<Spelling> otherwise = {}) {
    std::array<Competitor, 5> out;
    for (int n = 1; n <= 5; ++n) {
        std::array<std::string, 6> fields;
        for (int p = 0; p < 6; ++p) {
            std::string s = patterns[static_cast<std::size_t>(p)];
            s.replace(s.find("{n}"), 3, std::to_string(n));
            for (const Spelling& o : otherwise)
                if (o.part == p && o.n == n) s = o.field;
            fields[static_cast<std::size_t>(p)] = f(s);
        }
        out[static_cast<std::size_t>(n - 1)] = {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
    }
    return out;
}

Competitor tie(const char* name, const char* dojo, const char* win, const char* result, const char* points, const char* kiken) {
    return {f(name), f(dojo), f(win), f(result), f(points), f(kiken)};
}

enum BlockId { E1, E2, E3, E4, W1, W2, L1, L2 };

const std::array<Block, 8>& blocks() {
    static const std::array<Block, 8> all = {
        Block{f("IDNUMERODEEQUIPO1"), f("NombreDeEquipoE1R1A"), f("MUNICIPIOEQUIPOE1R1A"), f("ENTRENADOE1R1A"), f("NOMBREDOJOE1R1A"),
              "",
              five({"NOMBRECOMPETIDOR{n}E1R1A", "NOMBRECOMPETIDOR{n}DOJOE1R1A", "RESULTADOC{n}BE1R1A", "RESULTADOC{n}E1R1A",
                    "PUNTOSC{n}E1R1A", "KIKENC{n}BE1R1A"}),
              tie("COMPETIDORDESEMPATER1A", "NOMBRECOMPETIDORDOJODR1A", "RESULTADODBE1R1A", "RSULTADODE1R1A", "PUNTOSDE1R1A",
                  "KIKENDBE1R1A"),
              f("HANTEYE1R1A"), f("GANOE1"), f("EQUIPO1R1RE"), f("EQUIPO1R1PU")},
        Block{f("IDNUMERODEEQUIPO2"), f("NombreDeEquipo2R1R"), f("MUNICIPIOEQUIPO2R1R"), f("ENTRENADOE2R1R"), f("NOMBREDOJOE2R1R"), "",
              five({"NOMBRECOMPETIDOR{n}E2R1R", "NOMBRECOMPETIDOR{n}DOJOE2R1R", "RESULTADOC{n}BE2R1R", "RESULTADOC{n}E2R1R",
                    "PUNTOSC{n}E2R1R", "KIKENC{n}BE2R1R"}),
              tie("COMPETIDORDESEMPATEE2R1R", "NOMBRECOMPETIDORDOJODE2R1R", "RESULTADODBE2R1R", "RSULTADODE2R1R", "PUNTOSDE2R1R",
                  "KIKENDBE2R1R"),
              f("HANTEYE2R1R"), f("GANOE2"), f("EQUIPOE2R1RE"), f("EQUIPOE2R1PU")},
        Block{f("IDNUMERODEEQUIPO3"), f("NombreDeEquipoE3R1A"), f("MUNICIPIOEQUIPOE3R1A"), f("ENTRENADOE3R1A"), f("NOMBREDOJOE3R1A"),
              "",
              five({"NOMBRECOMPETIDOR{n}E3R1A", "NOMBRECOMPETIDOR{n}DOJOE3R1A", "RESULTADOC{n}BE3R1A", "RESULTADOC{n}E3R1A",
                    "PUNTOSC{n}E3R1A", "KIKENC{n}BE3R1A"}),
              tie("COMPETIDORDESEMPATEE3R1A", "NOMBRECOMPETIDORDOJODE3R1A", "RESULTADODBE3R1A", "RSULTADODE3R1A", "PUNTOSDE3R1A",
                  "KIKENDBE3R1A"),
              f("HANTEYE3R1A"), f("GANOE3"), f("EQUIPOE3R1RE"), f("EQUIPOE3R1PU")},
        Block{f("IDNUMERODEEQUIPO4"), f("NombreDeEquipoE4R1R"), f("MUNICIPIOEQUIPOE4R1R"), f("ENTRENADOE4R1R"), f("NOMBREDOJOE4R1R"),
              "",
              five({"NOMBRECOMPETIDOR{n}E4R1R", "NOMBREDOJOCOMPETIDOR{n}E4R1R", "RESULTADOC{n}BE4R1R", "RESULTADOC{n}E4R1R",
                    "PUNTOSC{n}E4R1R", "KIKENC{n}BE4R1R"}),
              tie("COMPETIDORDESEMPATEE4R1R", "NOMBRECOMPETIDORDOJODE4R1R", "RESULTADODE4R1R", "RSULTADODE4R1R", "PUNTOSDE4R1R",
                  "KIKENDE4R1R"),
              f("HANTEYE4R1R"), f("GANOE4"), f("EQUIPO4R1RE"), f("EQUIPO4R1PU")},
        Block{"", f("NOMBREDEEQUIPOW1R3R"), f("MUNICIPIOEQUIPOW1R3R"), f("ENTRENADOEW1R3R"), f("NOMBREDOJOEW1R3R"), f("COLOREW1R3R"),
              five({"NOMBRECOMPETIDOR{n}EW1R3R", "NOMBREDOJOCOMPETIDOR{n}EW1R3R", "RESULTADOC{n}BEW1R3R", "RESULTADOC{n}W1R3R",
                    "PUNTOSC{n}W1R3R", "KIKENC{n}BEW1R3R"},
                   {{Result, 5, "RESULTADOC5EW1R3R"}, {Points, 5, "PUNTOSC5EW1R3R"}}),
              tie("COMPETIDORDESEMPATEEW1R3R", "NOMBRECOMPETIDORDOJODEW1R3R", "RESULTADODBEW1R3R", "RSULTADODEW1R3R", "PUNTOSDEW1R3R",
                  "KIKENDBEW1R3R"),
              f("HANTEYEW1R3R"), "", f("RESULTADOFINALEW1R3R"), f("PUNTOSFINALESEW1R3R")},
        Block{"", f("NOMBREDEEQUIPOW2R3R"), f("MUNICIPIOEQUIPOW2R3R"), f("ENTRENADOEW2R3R"), f("NOMBREDOJOEW2R3R"), f("COLOREW2R3R"),
              five({"NOMBRECOMPETIDOR{n}EW2R3R", "NOMBREDOJOCOMPETIDOR{n}EW2R3R", "RESULTADOC{n}BEW2R3R", "RESULTADOC{n}W2R3R",
                    "PUNTOSC{n}W2R3R", "KIKENC{n}BEW2R3R"},
                   {{Win, 1, "RESULTADOC1EW2R3R"},
                    {Win, 2, "RESULTADOC2BW2R3R"},
                    {Result, 4, "RESULTADOC4RW2R3R"},
                    {Result, 5, "RESULTADOC5EW2R3R"},
                    {Points, 5, "PUNTOSC5EW2R3R"},
                    {Kiken, 1, "KIKENC1EW2R3R"},
                    {Kiken, 2, "KIKENC2BW2R3R"}}),
              tie("COMPETIDORDESEMPATEEW2R3R", "NOMBRECOMPETIDORDOJODEW2R3R", "RESULTADODBEW2R3R", "RSULTADODEW2R3R", "PUNTOSDEW2R3R",
                  "KIKENDBEW2R3R"),
              f("HANTEYEW2R3R"), "", f("RESULTADOFINALEW2R3R"), f("PUNTOSFINALESEW2R3R")},
        Block{"", f("NOMBREDEEQUIPOL1R4A"), f("MUNICIPIOEQUIPOL1R4A"), f("ENTRENADOEL1R4A"), f("NOMBREDOJOEL1R4A"), f("COLOREL1R4A"),
              five({"NOMBRECOMPETIDOR{n}EL1R4A", "NOMBREDOJOCOMPETIDOR{n}EL1R4A", "RESULTADOC{n}BEL1R4A", "RESULTADOC{n}L1R4A",
                    "PUNTOSC{n}L1R4A", "KIKENC{n}BEL1R4A"},
                   {{Win, 1, "RESULTADOC1BL1R4A"},
                    {Win, 5, "RESULTADOC5BL1R4A"},
                    {Kiken, 1, "KIKENC1BL1R4A"},
                    {Kiken, 5, "KIKENC5BL1R4A"}}),
              tie("COMPETIDORDESEMPATEL1R4A", "NOMBRECOMPETIDORDOJODL1R4A", "RESULTADODBL1R4A", "RSULTADODL1R4A", "PUNTOSDL1R4A",
                  "KIKENDBL1R4A"),
              f("HANTEYL1R4A"), "", f("RESULTADOSFINALESL1R4A"), f("PUNTOSFINALESL1R4A")},
        Block{"", f("NOMBREDEEQUIPOL2R4A"), f("MUNICIPIOEQUIPOL2R4A"), f("ENTRENADOEL2R4A"), f("NOMBREDOJOEL2R4A"), f("COLOREL2R4A"),
              five({"NOMBRECOMPETIDOR{n}EL2R4A", "NOMBREDOJOCOMPETIDOR{n}EL2R4A", "RESULTADOC{n}BEL2R4A", "RESULTADOC{n}L2R4A",
                    "PUNTOSC{n}L2R4A", "KIKENC{n}BEL2R4A"},
                   {{Win, 5, "RESULTADOC5BL2R4A"}, {Kiken, 5, "KIKENC5BL2R4A"}}),
              tie("COMPETIDORDESEMPATEL2R4A", "NOMBRECOMPETIDORDOJODL2R4A", "RESULTADODBL2R4A", "RSULTADODL2R4A", "PUNTOSDL2R4A",
                  "KIKENDBL2R4A"),
              f("HANTEYL2R4A"), "", f("RESULTADOFINALL2R4A"), f("PUNTOSFINALESL2R4A")},
    };
    return all;
}

// ---- the two sheets ---------------------------------------------------------------------------

// A block as one sheet shows it.
struct BlockView {
    BlockId block;
    std::string heading;
    std::string group;  // the totals' group
    std::string first_column, second_column;
    std::string result_label, points_label;  // prompts beside the totals; empty: none
    bool names_looked_up = true;             // the five competitor names (the tie-break name always is)
};

struct BoutTab {
    std::string text;
    BlockView left, right;
};

struct HanteiPair {
    BlockId a, b;
    bool clears;  // a checked box also sets the partner's field to 0
};

struct TotalsRow {
    std::string label, victories, points;  // points empty: a single value
    std::string picture = "@n-10.2";
};

struct TeamTotals {
    std::string group;
    std::vector<TotalsRow> rows;
};

struct SheetSpec {
    std::string procedure, title, cancel_text, colour_prompt;
    std::vector<BoutTab> bouts;
    std::vector<HanteiPair> hantei;
    std::string totals_first, totals_second;  // column headers of the totals tab
    std::vector<TeamTotals> totals;
    int totals_images = 1;
    bool places_and_chart = false;
    bool equipos_relations = false;
    std::vector<int> colour_numbers;  // run_child numbers that run the colour select
    int last_number = 0;              // run_child numbers up to here run the competitor select
    std::string colour_select;
};

constexpr const char* kCompetitorSelect = "SelectCompetidor2";
constexpr int kNameChild = 1;

TeamTotals team(std::string group, const std::string& r1, const std::string& r1p, const std::string& r2, const std::string& r2p,
                const std::string& total, const std::string& total_p, std::string last_label, const std::string& last,
                std::string last_picture) {
    return {std::move(group),
            {{"Round 1:", f(r1), f(r1p)},
             {"Round 2:", f(r2), f(r2p)},
             {"Team TOTAL:", f(total), f(total_p)},
             {std::move(last_label), f(last), "", std::move(last_picture)}}};
}

const std::vector<SheetSpec>& specs() {
    static const std::vector<SheetSpec> all = [] {
        std::vector<SheetSpec> s;
        {
            SheetSpec t{.procedure = "UpdateEquipo5",
                        .title = "Kumite 4 team competition",
                        .cancel_text = "",
                        .colour_prompt = "Colores:"};
            t.bouts = {
                {"&1) Kumite Team 1 Vs Team 2",
                 {E1, "TEAM 1", "Team One final results", "Victory", "Points"},
                 {E2, "TEAM 2", "Teen two final results", "Victory", "Points"}},
                {"&2) Kumite Team 3 Vs Team 4",
                 {E3, "TEAM 3", "Team 3 final results", "Victory", "Points"},
                 {E4, "TEAM 4", "Team 4 final results", "Victory", "Points"}},
                {"&3) Kumite Winning team from round one Vs winning team from round two",
                 {W1, "TEAM WIN ROUND 1", "Results Rronda 2", "", "", "Final results EW 1:", "Final points EW 1:"},
                 {W2, "TEAM WIN ROUND 2", "Results Rronda 2", "", "", "Final results EW 2:", "Final points EW 2:"}},
                {"&4) Kumite Losing team from round one Vs losing team from round two",
                 {L1, "TEAM LOST ROUND 1", "Final", "", "", "Final results L1:", "Final point L1:"},
                 {L2, "TEAM LOST ROUND 2", "Finals", "", "", "Final results L2:", "Final points L2:"}},
            };
            t.hantei = {{E1, E2, true}, {E3, E4, true}, {W1, W2, true}, {L1, L2, true}};
            t.totals_first = "Victory.";
            t.totals_second = "Points";
            t.totals = {team("Team 1 final results", "EQUIPO1R1RE", "EQUIPO1R1PU", "EQUIPO1R2RE", "EQUIPO1R2PU", "EQUIPO1R1TRE",
                             "EQUIPO1R1TPU", "Final E 1:", "FINALE1", "@n-10"),
                        team("Team two final results", "EQUIPOE2R1RE", "EQUIPOE2R1PU", "EQUIPO2R2RE", "EQUIPO2R2PU", "EQUIPOE2R1TRE",
                             "EQUIPOE2R1TPU", "Final E 2:", "FINALE2", "@n-10"),
                        team("Teen three final results", "EQUIPOE3R1RE", "EQUIPOE3R1PU", "EQUIPO3R2RE", "EQUIPO3R2PU",
                             "EQUIPO3TOTALRE", "EQUIPO3TOTALPU", "Final E 3:", "FINALE3", "@n-10"),
                        team("Team four final results", "EQUIPO4R1RE", "EQUIPO4R1PU", "EQUIPO4R2RE", "EQUIPO4R2PU", "EQUIPO4TOTALRE",
                             "EQUIPO4TOTALPU", "Final E 4:", "FINALE4", "@n-10")};
            t.totals_images = 2;
            t.places_and_chart = true;
            t.equipos_relations = true;
            t.colour_numbers = {25, 27, 29, 30, 57, 59, 61, 62};
            t.last_number = 64;
            t.colour_select = "SelectColores1";
            s.push_back(std::move(t));
        }
        {
            SheetSpec t{.procedure = "UpdateEquipo3", .title = "Kumite Team (3)", .cancel_text = "&Cancel", .colour_prompt = "Color:"};
            t.bouts = {
                {"&1) Kumite TEAM 1 Vs TEAM 2",
                 {E1, "TEAM 1", "Team One final results", "Victories", "Points :", "Team1 Re:", "Team1 Pu:"},
                 {E2, "TEAM 2", "Team two final results", "Victories", "Points :"}},
                {"&2) Kumite TEAM 3 Vs TEAM 2",
                 {E3, "TEAM 3", "Final results team Three", "Victories", "Points"},
                 {E4, "TEAM 2", "Final results team Two", "Victories", "Points", "", "", false}},
                {"&3) Kumite Final TEAM 3  Vs TEAM 1",
                 {W1, "TEAM  3", "Second round results", "", "", "Finals points EW 1:", "Finals points EW 1:", false},
                 {W2, "TEAM 1", "Second round results", "", "", "Finals points EW 2:", "Finals points EW 2:", false}},
            };
            // Round 1 only disables the partner's box; the final also clears its field.
            t.hantei = {{E1, E2, false}, {E3, E4, false}, {W1, W2, true}};
            t.totals_first = "Victorious";
            t.totals_second = "Points";
            t.totals = {team("Team won final results", "EQUIPO1R1RE", "EQUIPO1R1PU", "EQUIPO1R2RE", "EQUIPO1R2PU", "EQUIPO1R1TRE",
                             "EQUIPO1R1TPU", "Win Total:", "EQUIPO1R2TRE", "@n-10.2"),
                        team("Team two final results", "EQUIPOE2R1RE", "EQUIPOE2R1PU", "EQUIPO2R2RE", "EQUIPO2R2PU", "EQUIPOE2R1TRE",
                             "EQUIPOE2R1TPU", "Win Total:", "EQUIPO2R2TRE", "@n-10.2"),
                        team("Team three final results", "EQUIPOE3R1RE", "EQUIPOE3R1PU", "EQUIPO3R2RE", "EQUIPO3R2PU", "EQUIPO3R1TRE",
                             "EQUIPO3R1TPU", "Win Total:", "EQUIPO3R2TRE", "@n-10.2")};
            t.colour_numbers = {20, 22, 43, 45};
            t.last_number = 46;
            t.colour_select = "SelectEquipo3Color";
            s.push_back(std::move(t));
        }
        return s;
    }();
    return all;
}

const SheetSpec& spec(const std::string& procedure) {
    for (const SheetSpec& s : specs())
        if (s.procedure == procedure) return s;
    throw std::invalid_argument("no team sheet " + procedure);
}

const HanteiPair* pair_of(const SheetSpec& s, BlockId b, BlockId* partner) {
    for (const HanteiPair& p : s.hantei)
        if (p.a == b || p.b == b) {
            *partner = p.a == b ? p.b : p.a;
            return &p;
        }
    return nullptr;
}

// ---- the layout -------------------------------------------------------------------------------

constexpr int kWidth = 1000, kHeight = 400, kBlockWidth = 490, kTop = 22, kRow = 15;

// Use names of the controls: a field shown a second time gets ":2", a third time ":3".
class Uses {
public:
    std::string operator()(const std::string& field) {
        const int n = ++seen_[upper(field)];
        return "?" + field + (n > 1 ? ":" + std::to_string(n) : "");
    }

private:
    std::map<std::string, int> seen_;
};

struct SheetKit {
    LayoutKit kit;
    Uses uses;

    void entry(const std::string& field, const std::string& picture, int x, int y, int w) { kit.entry(uses(field), picture, x, y, w); }
    void check(const std::string& field, int x, int y, const std::string& text = "") {
        const int n = kit.check(uses(field), x, y, text);
        ControlState& c = kit.layout().controls[static_cast<std::size_t>(n - 1)];
        c.picture = "@n1";  // result fields with places: the box reads "1" and "0"
        if (!text.empty()) c.width = 40;
    }
    void labelled(const std::string& prompt, const std::string& field, const std::string& picture, int x, int y, int prompt_w, int w) {
        kit.prompt(prompt, x, y, prompt_w);
        entry(field, picture, x + prompt_w + 2, y, w);
    }
    void heading(const std::string& text, int x, int y, int w) {
        const int n = kit.text(text, x, y, w);
        ControlState& c = kit.layout().controls[static_cast<std::size_t>(n - 1)];
        c.bold = true;
        c.font_size = 12;
        c.height = 14;
    }
};

void add_block(SheetKit& k, const SheetSpec& s, const BlockView& v, bool left, int x) {
    const Block& b = blocks()[v.block];
    const bool first_round = !b.team_id.empty();
    int y = kTop;
    k.kit.image("zrv.png", x, y, 16, 16);
    k.heading(v.heading, x + 20, y + 1, 200);
    k.kit.image("fileopen.ico", x + 224, y, 16, 16);
    y += 20;
    const int half = kBlockWidth / 2;
    if (first_round) {
        k.labelled("Team ID number:", b.team_id, "@n-14", x, y, 80, 60);
        k.labelled("Team name:", b.team, "@s20", x + half, y, 80, 110);
    } else {
        k.labelled("Team name:", b.team, "@s20", x, y, 80, 110);
        k.labelled(s.colour_prompt, b.colour, "@s6", x + half, y, 80, 40);
    }
    y += kRow;
    k.labelled("City representing:", b.city, "@s20", x, y, 80, 110);
    k.labelled("Coach name:", b.coach, "@s20", x + half, y, 80, 110);
    y += kRow;
    k.labelled(left ? "School Name:" : "School name:", b.school, "@s20", x, y, 80, 110);
    y += kRow + 2;
    // Name, dojo, win box, result, points, kiken box.
    const int name_x = x + 58, dojo_x = x + 192, win_x = x + 298, result_x = x + 314, points_x = x + 360, kiken_x = x + 408;
    k.kit.text("Results:", result_x, y, 44);
    k.kit.text("Points", points_x, y, 44);
    k.kit.text("Kik,Han", kiken_x - 8, y, 36);
    y += 11;
    auto row = [&](const std::string& prompt, const Competitor& c) {
        k.kit.prompt(prompt, x, y, 56);
        k.entry(c.name, "@s30", name_x, y, 130);
        k.entry(c.dojo, "@s20", dojo_x, y, 102);
        k.check(c.win, win_x, y);
        k.entry(c.result, "@n-10", result_x, y, 42);
        k.entry(c.points, "@n-10", points_x, y, 42);
        k.check(c.kiken, kiken_x, y);
        y += kRow;
    };
    for (int n = 0; n < 5; ++n) row("Name " + std::to_string(n + 1) + ":", b.competitors[static_cast<std::size_t>(n)]);
    row(first_round ? (left ? "Name Empa.:" : "Name Empa:") : "Name Dese:", b.tie_break);
    y += 2;
    k.kit.prompt("Hantey:", x, y, 50);
    k.check(b.hantei, name_x, y);
    if (!b.team_win.empty()) k.check(b.team_win, name_x + 60, y, "WIN");
    y += kRow + 4;
    k.kit.group("?Group" + std::to_string(k.kit.layout().controls.size() + 1), v.group, x, y, kBlockWidth - 10, 44);
    const std::string picture = first_round ? "@n-10" : "@n-10.0";
    const int entries_x = x + 110;
    if (!v.first_column.empty()) {
        k.kit.text(v.first_column, entries_x, y + 10, 60);
        k.kit.text(v.second_column, entries_x + 120, y + 10, 60);
    }
    if (v.result_label.empty()) {
        k.entry(b.total_result, picture, entries_x, y + 22, 50);
        k.entry(b.total_points, picture, entries_x + 120, y + 22, 50);
    } else {
        k.labelled(v.result_label, b.total_result, picture, x + 6, y + 22, 100, 50);
        k.labelled(v.points_label, b.total_points, picture, entries_x + 70, y + 22, 100, 50);
    }
}

void add_totals(SheetKit& k, const SheetSpec& s) {
    k.kit.tab("&5) Final results");
    k.kit.image("zrv.png", 8, kTop, 40, 40);
    if (s.totals_images > 1) k.kit.image("zrv.png", kWidth - 56, kTop, 40, 40);
    const int columns = 2, w = 400;
    for (std::size_t t = 0; t < s.totals.size(); ++t) {
        const TeamTotals& team = s.totals[t];
        const int x = 80 + static_cast<int>(t % columns) * (w + 20), y = kTop + 10 + static_cast<int>(t / columns) * 150;
        k.kit.group("?Group" + std::to_string(k.kit.layout().controls.size() + 1), team.group, x, y, w, 140);
        k.kit.text(s.totals_first, x + 120, y + 12, 70);
        k.kit.text(s.totals_second, x + 220, y + 12, 70);
        int ry = y + 26;
        for (const TotalsRow& r : team.rows) {
            k.kit.prompt(r.label, x + 8, ry, 100);
            k.entry(r.victories, r.picture, x + 120, ry, 70);
            if (!r.points.empty()) k.entry(r.points, r.picture, x + 220, ry, 70);
            ry += 26;
        }
    }
}

// Places, large: the sheet's positions tab is shown to the hall.
void add_places(SheetKit& k) {
    k.kit.tab("&5) Display positions");
    const std::pair<const char*, const char*> places[] = {{"First place gold:", "PRIMERLUGARORO"},
                                                          {"Second place silver:", "SEGUNDOLUGARPLATA"},
                                                          {"Third place bronze:", "SUPERTERCERLUGARBRONCE"},
                                                          {"Third-place bronze:", "CUARTOLUGARBRONCE"}};
    for (int i = 0; i < 4; ++i) {
        const int y = kTop + 20 + i * 80;
        const int p = k.kit.prompt(places[i].first, 40, y, 300);
        k.kit.layout().controls[static_cast<std::size_t>(p - 1)].font_size = 16;
        k.kit.layout().controls[static_cast<std::size_t>(p - 1)].height = 20;
        k.entry(f(places[i].second), "@s45", 40, y + 22, 900);
        ControlState& c = k.kit.layout().controls.back();
        c.font_size = 28;
        c.bold = true;
        c.height = 40;
    }
}

void add_key_chart(SheetKit& k) {
    k.kit.tab("&6) Display key chart");
    k.heading("Final key chart", 8, kTop, 300);
    k.kit.image("zrv.png", kWidth - 56, kTop, 40, 40);
    const Block* b = blocks().data();
    auto place = [&](const std::string& prompt, const std::string& field, int x, int y) {
        if (!prompt.empty()) k.kit.prompt(prompt, x, y, 120);
        k.entry(field, "@s20", x, y + 11, 200);
        k.kit.layout().controls.back().font_size = 12;
        k.kit.layout().controls.back().height = 16;
    };
    const int c1 = 20, c2 = 380, c3 = 740;
    place("Team name 2:", b[E2].team, c1, 50);
    place("Team name 1:", b[E1].team, c1, 90);
    place("Team name 4:", b[E4].team, c1, 150);
    place("Team name 3:", b[E3].team, c1, 190);
    place("", b[L1].team, c1, 260);
    place("", b[L2].team, c1, 300);
    place("", b[W1].team, c2, 70);
    place("", b[W2].team, c2, 170);
    place("Third-place bronze:", f("SUPERTERCERLUGARBRONCE"), c2, 280);
    place("First place gold:", f("PRIMERLUGARORO"), c3, 120);
    // Each bout forks to the place its winner takes (the entries' middles are 19 units down).
    auto fork = [&](int from_x, int a, int b, int to_x, int to) {
        const int mid = from_x + (to_x - from_x) / 2;
        for (int y : {a, b}) k.kit.hline(from_x, y + 19, mid - from_x);
        k.kit.vline(mid, std::min({a, b, to}) + 19, std::max({a, b, to}) - std::min({a, b, to}));
        k.kit.hline(mid, to + 19, to_x - mid);
    };
    fork(c1 + 200, 50, 90, c2, 70);     // team 2 v team 1
    fork(c1 + 200, 150, 190, c2, 170);  // team 4 v team 3
    fork(c1 + 200, 260, 300, c2, 280);  // the losers' bout
    fork(c2 + 200, 70, 170, c3, 120);   // the winners' bout
}

}  // namespace

const std::vector<std::string>& team_sheets() {
    static const std::vector<std::string> names = {"UpdateEquipo5", "UpdateEquipo3"};
    return names;
}

WindowLayout team_sheet_layout(const std::string& procedure) {
    const SheetSpec& s = spec(procedure);
    SheetKit k{LayoutKit({.title = s.title,
                          .kind = WindowKind::MdiChild,
                          .width = kWidth,
                          .height = kHeight,
                          .icon = "zrvICON.ico",
                          .timer = 1,
                          .status = {{.width = -1}}}),
               {}};
    k.kit.sheet("?CurrentTab", 4, 4, kWidth - 8, kHeight - 30);
    for (const BoutTab& t : s.bouts) {
        k.kit.tab(t.text);
        add_block(k, s, t.left, true, 8);
        add_block(k, s, t.right, false, 8 + kBlockWidth + 10);
    }
    add_totals(k, s);
    if (s.places_and_chart) {
        add_places(k);
        add_key_chart(k);
    }
    k.kit.ok_cancel(kWidth - 92, kHeight - 22, s.cancel_text);
    return k.kit.take();
}

live::FormDeclaration team_sheet_declaration(const std::string& procedure) {
    spec(procedure);
    const std::string id = "KE212:IDNumeroDeEventoEquipo";
    live::FormDeclaration d{.table = TableId::KumiteEquipo5,
                            .primary_key = "KE212:KeyIDNumeroDeEventoEquipo",
                            .key_field = id,
                            .caption = live::CaptionPlace::Status,
                            .title_with_key = false,
                            .close = live::CloseVariant::CompletedAndClose,
                            .handling = live::FrameworkHandling::Last,
                            .history = true};
    d.related = {{TableId::Equipos, "Equ:KeyIDNumeroDeEquipo", {{"EQU:IDNUMERODEEQUIPO", id}}},
                 {TableId::Competidor, "CM:KeyNumeroRecordID", {{"CM:IDCompetidor", id}}},
                 {TableId::TournamentInfo, "TOU:KeyTID", {{"TOU:TID", id}}},
                 {TableId::Categoria, "Kat:CategoriasKey", {{"KAT:CATEGORIAS", "KE212:Categoria"}}},
                 {TableId::Divisiones, "DIV:DivicionesKey", {{"DIV:DIVISIONES", "KE212:Divicion"}}},
                 {TableId::Dojo, "DOJ:IDDojoKey", {{"DOJ:IDDOJO", id}}},
                 {TableId::Modalidades, "Mod:keyModalidad", {{"MOD:IDMNOMBER", "KE212:Modalidad"}}},
                 {TableId::Colores, "Col:KeyIDColor", {{"COL:IDCOLORES", "KE212:COLORE1R1A"}}},
                 {TableId::TatamiMats, "Tat:KeyIDTatami", {{"TAT:IDTATAMI", "KE212:TatamiMatsNo"}}}};
    return d;
}

const std::vector<BoxRule>& team_sheet_boxes(const std::string& procedure) {
    static const std::map<std::string, std::vector<BoxRule>> all = [] {
        std::map<std::string, std::vector<BoxRule>> m;
        for (const SheetSpec& s : specs()) {
            std::vector<BoxRule>& rules = m[s.procedure];
            for (const BoutTab& t : s.bouts)
                for (const BlockView* v : {&t.left, &t.right}) {
                    const Block& b = blocks()[v->block];
                    // A win box marks its competitor's result.
                    for (const Competitor& c : b.competitors) rules.push_back({c.win, c.result, "", false});
                    rules.push_back({b.tie_break.win, b.tie_break.result, "", false});
                    BlockId partner{};
                    if (const HanteiPair* p = pair_of(s, v->block, &partner))
                        rules.push_back({b.hantei, b.hantei, blocks()[partner].hantei, p->clears});
                }
        }
        return m;
    }();
    spec(procedure);
    return all.at(procedure);
}

const std::vector<SheetLookup>& team_sheet_lookups(const std::string& procedure) {
    static const std::map<std::string, std::vector<SheetLookup>> all = [] {
        std::map<std::string, std::vector<SheetLookup>> m;
        for (const SheetSpec& s : specs()) {
            std::vector<SheetLookup>& lookups = m[s.procedure];
            for (const BoutTab& t : s.bouts)
                for (const BlockView* v : {&t.left, &t.right}) {
                    const Block& b = blocks()[v->block];
                    if (!b.colour.empty()) lookups.push_back({b.colour, ""});
                    if (v->names_looked_up && !b.team_id.empty())
                        for (const Competitor& c : b.competitors) lookups.push_back({c.name, c.dojo});
                    lookups.push_back({b.tie_break.name, b.tie_break.dojo});
                }
        }
        return m;
    }();
    spec(procedure);
    return all.at(procedure);
}

namespace {

std::string trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

data::FieldRef field(const std::string& name) {
    std::optional<data::FieldRef> r = data::field_by_name(name);
    if (!r) throw std::invalid_argument("no field " + name);
    return *r;
}

class TeamSheet final : public live::LiveForm {
public:
    explicit TeamSheet(const std::string& procedure)
        : LiveForm(procedure, team_sheet_layout(procedure), team_sheet_declaration(procedure)),
          spec_(spec(procedure)),
          boxes_(team_sheet_boxes(procedure)) {}

    bool initialize() override {
        if (spec_.equipos_relations) {
            equipos_ = data::relation_manager(TableId::Equipos);
            if (equipos_) equipos_->open();
        }
        if (!LiveForm::initialize()) return false;
        for (const SheetLookup& l : team_sheet_lookups(procedure()))
            if (const int c = control("?" + l.entry)) lookups_[c] = &l;
        boxes_.attach(window());
        boxes_.apply_all(window());
        return true;
    }

    void shutdown() override {
        LiveForm::shutdown();
        if (equipos_) equipos_->close();
        equipos_ = nullptr;
    }

    Flow on_accepted(int c) override {
        const Flow flow = LiveForm::on_accepted(c);
        if (flow == Flow::Stop) return flow;
        if (boxes_.accepted(window(), c)) reset(false);
        else if (const SheetLookup* l = lookup_at(c)) accept_lookup(*l, c);
        return flow;
    }

    int run_child(int number, int request) override {
        if (this->request() == kRequestView) return kResponseCancelled;
        ThreadRequest() = static_cast<std::uint8_t>(request);
        const bool colour = std::find(spec_.colour_numbers.begin(), spec_.colour_numbers.end(), number) != spec_.colour_numbers.end();
        if (colour) run_procedure(spec_.colour_select);
        else if (number >= 1 && number <= spec_.last_number) run_procedure(kCompetitorSelect);
        return ThreadResponse();
    }

protected:
    Flow on_new_focus(int c) override {
        const Flow flow = LiveForm::on_new_focus(c);
        if (const SheetLookup* l = lookup_at(c)) visit_lookup(*l);
        return flow;
    }

private:
    // Where an entry's text is looked up: the table, its key, the key's field, the select run
    // when nothing is found.
    struct Source {
        TableId table;
        const char* key;
        const char* field;
        int child;
    };
    Source source(const SheetLookup& l) const {
        if (l.dojo.empty()) return {TableId::Colores, "Col:KeyColor", "COL:COLORES", spec_.colour_numbers.front()};
        return {TableId::Competidor, "CM:KeyFullNameC", "CM:FullNameC", kNameChild};
    }

    const SheetLookup* lookup_at(int c) const {
        auto it = lookups_.find(c);
        return it == lookups_.end() ? nullptr : it->second;
    }

    bool find(const SheetLookup& l) {
        const Source s = source(l);
        field(s.field).set_text(field(l.entry).text());
        data::DictionaryTable* t = data::file_manager(s.table);
        return t && t->get_by_key(t->layout().key_index(s.key));
    }
    bool choose(const SheetLookup& l) {
        const Source s = source(l);
        if (run_child(s.child, kRequestSelect) != kResponseCompleted) return false;
        field(l.entry).set_text(field(s.field).text());
        set_dojo(l, field("CM:DojoName").text());
        return true;
    }
    // The dojo shows at once: OK's pass takes every entry's screen value after its name's
    // look-up, and the dojo's entry must not take back what it showed before.
    void set_dojo(const SheetLookup& l, const std::string& dojo) {
        if (l.dojo.empty()) return;
        field(l.dojo).set_text(dojo);
        window().display(control("?" + l.dojo));
    }
    void clear_dojo(const SheetLookup& l) { set_dojo(l, ""); }

    void accept_lookup(const SheetLookup& l, int c) {
        if (trimmed(field(l.entry).text()).empty()) {
            reset(true);
            return;
        }
        if (find(l)) {
            set_dojo(l, field("CM:DojoName").text());
            reset(true);
            return;
        }
        if (choose(l)) {
            reset(true);
            return;
        }
        // Nothing chosen: the entry keeps the focus (an OK's pass stops here).
        clear_dojo(l);
        window().select(c);
    }

    void visit_lookup(const SheetLookup& l) {
        if (!find(l) && !choose(l)) clear_dojo(l);
        reset(false);
    }

    const SheetSpec& spec_;
    WinnerBoxes boxes_;
    std::map<int, const SheetLookup*> lookups_;
    data::DictionaryRelations* equipos_ = nullptr;
};

void sheet_procedure(const std::string& name) { TeamSheet(name).run(); }

constexpr char kSheet4[] = "UpdateEquipo5";
constexpr char kSheet3[] = "UpdateEquipo3";

const ProcedureRegistration registered_sheets({kSheet4, kSheet3}, &sheet_procedure);

}  // namespace

}  // namespace zrv::kumite
