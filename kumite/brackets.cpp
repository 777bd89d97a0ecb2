#include "kumite/brackets.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "data/dictionary_table.h"
#include "framework/core/engine.h"
#include "framework/core/procedures.h"
#include "kumite/layout_kit.h"

namespace zrv::kumite {

namespace {

// ---- the charts -------------------------------------------------------------------------------

struct Position {
    std::string prompt, name, dojo, points, win;
    int column = 0;
};

struct Label {
    std::string text;
    int column;
    bool below;
};

struct Pool {
    std::vector<Position> positions;
    std::string points_picture;
    bool mirrored = false;
    std::vector<Label> labels;
};

struct ChartTab {
    std::string text, heading;
    std::vector<Pool> pools;
};

std::string f(const std::string& name) { return "KE24:" + name; }

Position first_round(int n, const std::string& prompt) {
    const std::string name = n == 1 ? "COMPETIDOR1ROJOAZUL" : "COMPETIDOR" + std::to_string(n) + (n % 2 ? "ROJO" : "AZUL");
    const std::string c = std::to_string(n);
    return {prompt, f(name), f("COMPETIDOR" + c + "DOJO"), f("PUNTOSC" + c), f("RESULTADOC" + c + "B"), 0};
}

// A later position: its four fields are the tag with the letters C, D, P and R in front.
Position later(const std::string& tag, const std::string& prompt, int column) {
    return {prompt, f("C" + tag), f("D" + tag), f("P" + tag), f("R" + tag), column};
}

Position winner(const std::string& suffix, const std::string& prompt, int column) {
    return {prompt, f("CGanador" + suffix), f("DGANADOR" + suffix), f("PGANADOR" + suffix), f("RGANADOR" + suffix), column};
}

Position with_suffix(Position p, const std::string& suffix) {
    for (std::string* s : {&p.name, &p.dojo, &p.points, &p.win}) *s += suffix;
    return p;
}

// The chart of 8: first round, second round, third round and the winner.
std::vector<Position> chart_of_8(int first_number) {
    std::vector<Position> p;
    for (int n = 1; n <= 8; ++n)
        p.push_back(first_round(n,
                                "Competidor" + std::string(first_number > 1 ? " " : "") + std::to_string(first_number + n - 1) + ":"));
    p.push_back(later("RONDAA2R", "Competidor A:", 1));
    p.push_back(later("RONDAA2A", "Competidor A:", 1));
    p.push_back(later("RONDAB2R", "Competidor B:", 1));
    p.push_back(later("RONDAB2A", "Competidor B:", 1));
    p.push_back(later("FINALA3R", "Competidor A:", 2));
    p.push_back(later("FINALB3A", "Competidor B:", 2));
    p.push_back(winner("", "Competidor WIN:", 3));
    return p;
}

std::vector<Label> round_labels(const std::string& above, const std::string& below) {
    std::vector<Label> l;
    const char* ordinals[] = {"1st", "2st", "3st"};
    for (int c = 0; c < 3; ++c) {
        l.push_back({std::string(ordinals[c]) + " Round " + above + " Key Competition:", c, false});
        l.push_back({std::string(ordinals[c]) + " Round " + below + " Key Competition:", c, true});
    }
    return l;
}

std::vector<Position> third_of_16(const std::string& suffix) {
    std::vector<Position> p = {
        {"CRepeca1:", f("CREPECA1AA"), f("DREPECA1AA"), f("PREPECA1AA"), f("RREPECA1AA"), 0},
        {"CRepeca1B:", f("CREPECA1BB"), f("DREPECA1BB"), f("PREPECA1BB"), f("RREPECA1BB"), 0},
        {"CRepeca1:", f("CREPECAT1"), f("DREPECAT2"), f("PREPECAT4"), f("RREPECAT3"), 1},
        {"CRepeca1B:", f("CREPECA1B"), f("DREPECA1B"), f("PREPECA1B"), f("RREPECA1B"), 1},
        {"S Tercero:", f("CREPECA1W"), f("DREPECA1W"), f("PREPECA1W"), f("RREPECA1W"), 2},
    };
    for (Position& q : p) q = with_suffix(q, suffix);
    return p;
}

std::vector<Label> lost_labels(const std::string& pool) {
    return {{"1st Round Lost " + pool + " Key:", 0, false},
            {"2st Round Lost " + pool + " Key:", 0, true},
            {"3st Round Lost " + pool + " Key:", 1, true},
            {pool + ":", 2, false}};
}

struct BracketSpec {
    std::string procedure, title, cancel_text, results_picture, last_third_prompt;
    std::vector<ChartTab> charts;
    std::vector<data::TableId> lookup_order;
    std::vector<BoxRule> boxes;
    std::vector<std::string> setup_order;
    bool go_button = false;
    live::CaptionPlace caption = live::CaptionPlace::Status;  // where the request's text goes
};

BoxRule own_pair(const std::string& box, const std::string& partner, bool clears) {
    return {f(box), f(box), partner.empty() ? "" : f(partner), clears};
}
// A box that keeps the value it stored itself; only its partner is touched.
BoxRule partner_only(const std::string& box, const std::string& partner) { return {f(box), "", f(partner), true}; }

void add_pair(std::vector<BoxRule>& rules, BoxRule (*make)(const std::string&, const std::string&, bool), const std::string& a,
              const std::string& b, bool clears) {
    rules.push_back(make(a, b, clears));
    rules.push_back(make(b, a, clears));
}

std::vector<BoxRule> boxes_of_8() {
    std::vector<BoxRule> r;
    add_pair(r, own_pair, "RESULTADOC1B", "RESULTADOC2B", false);
    for (int n = 3; n <= 7; n += 2)
        add_pair(r, own_pair, "RESULTADOC" + std::to_string(n) + "B", "RESULTADOC" + std::to_string(n + 1) + "B", true);
    for (auto [a, b] : {std::pair{"RRONDAA2R", "RRONDAA2A"},
                        {"RRONDAB2R", "RRONDAB2A"},
                        {"RFINALA3R", "RFINALB3A"},
                        {"RREPECA1A", "RREPECA1B"},
                        {"RREPECA1AA", "RREPECA1BB"},
                        {"RREPECA1W", "RREPECA1W_B"}})
        add_pair(r, own_pair, a, b, false);
    r.push_back(own_pair("RGANADOR", "", false));
    r.push_back(own_pair("RGANADOR_B", "", false));
    return r;
}

std::vector<BoxRule> boxes_of_16() {
    std::vector<BoxRule> r;
    auto pair = [&](const std::string& a, const std::string& b) {
        r.push_back(partner_only(a, b));
        r.push_back(partner_only(b, a));
    };
    for (const std::string pool : {"", "_B"}) {
        for (int n = 1; n <= 7; n += 2)
            pair("RESULTADOC" + std::to_string(n) + "B" + pool, "RESULTADOC" + std::to_string(n + 1) + "B" + pool);
        pair("RRONDAA2R" + pool, "RRONDAA2A" + pool);
        pair("RRONDAB2R" + pool, "RRONDAB2A" + pool);
        pair("RFINALA3R" + pool, "RFINALB3A" + pool);
    }
    pair("RGANADOR", "RGANADOR_B");
    add_pair(r, own_pair, "RREPECA1AA", "RREPECA1BB", true);
    add_pair(r, own_pair, "RREPECAT3", "RREPECA1B", true);
    pair("RREPECA1AA_B", "RREPECA1BB_B");
    pair("RREPECAT3_B", "RREPECA1B_B");
    pair("RREPECA1W", "RREPECA1W_B");
    return r;
}

std::vector<BoxRule> boxes_of_4() {
    std::vector<BoxRule> r;
    for (auto [a, b] : {std::pair{"RESULTADOC1B", "RESULTADOC2B"},
                        {"RESULTADOC3B", "RESULTADOC4B"},
                        {"RRONDAA2A", "RRONDAA2R"},
                        {"RREPECA1W", "RREPECA1W_B"}})
        add_pair(r, own_pair, a, b, true);
    r.push_back(own_pair("RFINALA3R", "", false));
    r.push_back(own_pair("RGANADOR_B", "", false));
    return r;
}

std::vector<std::string> fields(std::initializer_list<const char*> names) {
    std::vector<std::string> out;
    for (const char* n : names) out.push_back(f(n));
    return out;
}

std::vector<std::string> setup_of_16() {
    std::vector<std::string> o;
    for (int n = 2; n <= 8; ++n) o.push_back(f("RESULTADOC" + std::to_string(n) + "B"));
    const char* later_boxes[] = {"RRONDAA2R", "RRONDAA2A", "RRONDAB2R", "RRONDAB2A", "RFINALA3R", "RFINALB3A", "RGANADOR"};
    for (const char* b : later_boxes) o.push_back(f(b));
    o.push_back(f("RESULTADOC1B"));
    for (int n = 1; n <= 8; ++n) o.push_back(f("RESULTADOC" + std::to_string(n) + "B_B"));
    for (const char* b : later_boxes) o.push_back(f(std::string(b) + "_B"));
    for (const char* b : {"RREPECA1AA", "RREPECA1BB", "RREPECAT3", "RREPECA1B", "RREPECA1W", "RREPECA1W_B", "RREPECAT3_B",
                          "RREPECA1B_B", "RREPECA1AA_B", "RREPECA1BB_B"})
        o.push_back(f(b));
    return o;
}

using data::TableId;

const std::vector<BracketSpec>& specs() {
    static const std::vector<BracketSpec> all = [] {
        std::vector<BracketSpec> s;
        {  // 8 competitors
            BracketSpec b{.procedure = "UpdateKumiteIndividual",
                          .title = "Kumite Individual 8 Competitors",
                          .cancel_text = "",
                          .results_picture = "@s20",
                          .last_third_prompt = "Third place:"};
            b.charts.push_back({"&2) Llaves",
                                "Division de 2, 4, 8 Competitors",
                                {{chart_of_8(1), "@n-10b", false, round_labels("A", "B")}}});
            b.charts.push_back({"&3) Finales Terceros",
                                "Final results S 3ro & 3ro",
                                {{{{"Ronda A 1:", f("CREPECA1A"), f("DREPECA1A"), f("PCREPECA1A"), f("RREPECA1A"), 0},
                                   {"Ronda A 2:", f("CREPECA1B"), f("DREPECA1B"), f("PREPECA1B"), f("RREPECA1B"), 0},
                                   {"Ronda B 1:", f("CREPECA1AA"), f("DREPECA1AA"), f("PREPECA1AA"), f("RREPECA1AA"), 0},
                                   {"Ronda B 2:", f("CREPECA1BB"), f("DREPECA1BB"), f("PREPECA1BB"), f("RREPECA1BB"), 0},
                                   {"Competidor A:", f("CREPECA1W"), f("DREPECA1W"), f("PREPECA1W"), f("RREPECA1W"), 1},
                                   {"Competidor B:", f("CREPECA1W_B"), f("DREPECA1W_B"), f("PREPECA1W_B"), f("RREPECA1W_B"), 1},
                                   winner("_B", "Competidor W:", 2)},
                                  "@n-10b",
                                  false,
                                  {{"1st Round A Key Competition:", 0, false},
                                   {"1st Round B Key Competition:", 0, true},
                                   {"2st Round A Key Competition:", 1, false},
                                   {"2st Round A Key Competition:", 1, true}}}}});
            b.lookup_order = {TableId::Competidor,  TableId::TournamentInfo, TableId::Categoria, TableId::Divisiones,
                              TableId::Modalidades, TableId::TatamiMats,     TableId::Colores,   TableId::Dojo};
            b.boxes = boxes_of_8();
            b.setup_order = fields({"RESULTADOC1B", "RESULTADOC2B", "RESULTADOC3B", "RESULTADOC5B", "RESULTADOC4B", "RESULTADOC8B",
                                    "RESULTADOC7B", "RESULTADOC6B", "RRONDAA2A",    "RRONDAA2R",    "RFINALA3R",    "RRONDAB2A",
                                    "RRONDAB2R",    "RFINALB3A",    "RGANADOR",     "RGANADOR_B",   "RREPECA1W",    "RREPECA1W_B",
                                    "RREPECA1BB",   "RREPECA1AA",   "RREPECA1B",    "RREPECA1A"});
            b.go_button = true;
            b.caption = live::CaptionPlace::StatusZone2;
            s.push_back(std::move(b));
        }
        {  // 16 competitors
            BracketSpec b{.procedure = "UpdateKumiteIndividual16",
                          .title = "Kumite Individual 16 Competidores",
                          .cancel_text = "",
                          .results_picture = "@s40",
                          .last_third_prompt = "Third place"};
            std::vector<Position> pool_a = chart_of_8(1), pool_b;
            pool_a.back().prompt = "Competidor WIN:";
            for (const Position& p : chart_of_8(9)) pool_b.push_back(with_suffix(p, "_B"));
            std::vector<Label> a_labels = round_labels("A", "A"), b_labels = round_labels("B", "B");
            a_labels.push_back({"A:", 3, false});
            b_labels.push_back({"B:", 3, false});
            b.charts.push_back({"&2) Pul A Llaves", "Division de 2, 4, 8 ,16    Competitors", {{pool_a, "@n-10B", false, a_labels}}});
            b.charts.push_back({"&3) Pul B Llaves", "Decision de 2, 4, 8 ,16    Competitors", {{pool_b, "@n-10b", true, b_labels}}});
            b.charts.push_back({"FinalesTerceros",
                                "Final resultsl de 3ro & 4to",
                                {{third_of_16(""), "@n-10", false, lost_labels("A")},
                                 {third_of_16("_B"), "@n-10", true, lost_labels("B")}}});
            b.lookup_order = {TableId::Competidor, TableId::TournamentInfo, TableId::Categoria, TableId::Modalidades,
                              TableId::Divisiones, TableId::Dojo,           TableId::Colores,   TableId::TatamiMats};
            b.boxes = boxes_of_16();
            b.setup_order = setup_of_16();
            s.push_back(std::move(b));
        }
        {  // 4 competitors
            BracketSpec b{.procedure = "UpdateKumiteIndividual4",
                          .title = "Kumite Individual 4 Competidores",
                          .cancel_text = "&Cancel",
                          .results_picture = "@s20",
                          .last_third_prompt = "Third place:"};
            std::vector<Position> main;
            for (int n = 1; n <= 4; ++n) main.push_back(first_round(n, "Competidor" + std::to_string(n) + ":"));
            main.push_back(later("RONDAA2R", "Competidor A:", 1));
            main.push_back(later("RONDAA2A", "Competidor A:", 1));
            main.push_back(later("FINALA3R", "Competidor A:", 2));
            b.charts.push_back({"&2) Llaves",
                                "Division de 2, 4, Competitors",
                                {{main,
                                  "@n-10B",
                                  false,
                                  {{"1st Round A Key Competition:", 0, false},
                                   {"1st Round B Key Competition:", 0, true},
                                   {"2st Round A Key Competition:", 1, false},
                                   {"2st Round B Key Competition:", 1, true},
                                   {"Ganador:", 2, false}}}}});
            b.charts.push_back(
                {"&3) Finales Terceros",
                 "Final results S 3ro & 3ro",
                 {{{{"Competidor A:", f("CREPECA1W"), f("DREPECA1W"), f("PREPECA1W"), f("RREPECA1W"), 0},
                    {"Competidor B:", f("CREPECA1W_B"), f("DREPECA1W_B"), f("PREPECA1W_B"), f("RREPECA1W_B"), 0},
                    winner("_B", "Competidor A:", 1)},
                   "@n-10b",
                   false,
                   {{"1st Round A Key Competition:", 0, false}, {"1st Round B Key Competition:", 0, true}, {"Ganador:", 1, false}}}}});
            b.lookup_order = {TableId::Categoria,  TableId::Competidor, TableId::Colores,        TableId::Dojo,
                              TableId::Divisiones, TableId::TatamiMats, TableId::TournamentInfo, TableId::Modalidades};
            b.boxes = boxes_of_4();
            b.setup_order = fields({"RESULTADOC1B", "RESULTADOC2B", "RESULTADOC3B", "RESULTADOC4B", "RRONDAA2A", "RRONDAA2R",
                                    "RFINALA3R", "RGANADOR_B", "RREPECA1W", "RREPECA1W_B"});
            s.push_back(std::move(b));
        }
        return s;
    }();
    return all;
}

const BracketSpec& spec(const std::string& procedure) {
    for (const BracketSpec& s : specs())
        if (s.procedure == procedure) return s;
    throw std::invalid_argument("no bracket form " + procedure);
}

// The records the reset reads, each by the event's values.
live::RelatedLookup lookup(TableId table) {
    const std::string id = "KE24:IDNumeroDeEventoKIndividual";
    switch (table) {
        case TableId::Competidor:
            return {table, "CM:KeyNumeroRecordID", {{"CM:IDCompetidor", id}}};
        case TableId::TournamentInfo:
            return {table, "TOU:KeyTID", {{"TOU:TID", id}}};
        case TableId::Categoria:
            return {table, "Kat:CategoriasKey", {{"KAT:CATEGORIAS", "KE24:Categoria"}}};
        case TableId::Divisiones:
            return {table, "DIV:DivicionesKey", {{"DIV:DIVISIONES", "KE24:Divicion"}}};
        case TableId::Modalidades:
            return {table, "Mod:keyModalidad", {{"MOD:IDMNOMBER", "KE24:Modalidad"}}};
        case TableId::TatamiMats:
            return {table, "Tat:KeyIDTatami", {{"TAT:IDTATAMI", "KE24:TatamiMatsNo"}}};
        case TableId::Colores:
            return {table, "Col:KeyIDColor", {{"COL:IDCOLORES", id}}};
        case TableId::Dojo:
            return {table, "DOJ:IDDojoKey", {{"DOJ:IDDOJO", id}}};
        default:
            throw std::invalid_argument("no bracket look-up for this table");
    }
}

// ---- the layout -------------------------------------------------------------------------------

constexpr int kTabTop = 40, kTabHeight = 520, kWidth = 1000, kBlockHeight = 44;

// The chart is read from the back of the hall: the names large and bold, each position as wide
// as its column leaves room for the line to the next.
void add_pool(LayoutKit& kit, const Pool& pool, int left, int width) {
    int columns = 0;
    for (const Position& p : pool.positions) columns = std::max(columns, p.column + 1);
    const int column_width = width / std::max(columns, 1);
    const int block = std::min(200, column_width - 24);
    auto x_of = [&](int column) {
        const int c = pool.mirrored ? columns - 1 - column : column;
        return left + c * column_width;
    };
    auto sized = [&](int control, int height, int font, bool bold) {
        ControlState& c = kit.layout().controls[static_cast<std::size_t>(control - 1)];
        c.height = height;
        c.font_size = font;
        c.bold = bold;
    };
    // The centre of each position's name, column by column.
    std::vector<std::vector<int>> centres(static_cast<std::size_t>(columns));
    for (int column = 0; column < columns; ++column) {
        std::vector<const Position*> in;
        for (const Position& p : pool.positions)
            if (p.column == column) in.push_back(&p);
        const int step = (kTabHeight - 60) / static_cast<int>(in.size());
        const int x = x_of(column);
        for (std::size_t i = 0; i < in.size(); ++i) {
            const Position& p = *in[i];
            const int y = kTabTop + 30 + static_cast<int>(i) * step + (step - kBlockHeight) / 2;
            kit.prompt(p.prompt, x, y, block);
            sized(kit.entry("?" + p.name, "@s30", x, y + 10, block), 16, 12, true);
            sized(kit.entry("?" + p.dojo, "@S20", x, y + 28, block - 52), 12, 9, false);
            sized(kit.entry("?" + p.points, pool.points_picture, x + block - 50, y + 28, 34), 12, 10, true);
            kit.check("?" + p.win, x + block - 12, y + 29);
            centres[static_cast<std::size_t>(column)].push_back(y + 18);
        }
        for (const Label& l : pool.labels)
            if (l.column == column) kit.text(l.text, x, l.below ? kTabTop + kTabHeight - 24 : kTabTop + 16, column_width - 4);
    }
    // Each bout (positions 2j and 2j + 1 of a column) joined to position j of the next column,
    // which its winner takes: a fork half-way across the gap.
    const int gap = column_width - block;
    for (int column = 0; column + 1 < columns; ++column) {
        const std::vector<int>& here = centres[static_cast<std::size_t>(column)];
        const std::vector<int>& next = centres[static_cast<std::size_t>(column + 1)];
        const int edge = pool.mirrored ? x_of(column) : x_of(column) + block;  // where the lines leave
        const int fork = pool.mirrored ? edge - gap / 2 : edge + gap / 2;
        const int target = pool.mirrored ? x_of(column + 1) + block : x_of(column + 1);
        for (std::size_t j = 0; 2 * j + 1 < here.size() && j < next.size(); ++j) {
            const int a = here[2 * j], b = here[2 * j + 1], t = next[j];
            for (int y : {a, b}) kit.hline(std::min(edge, fork), y, gap / 2);
            kit.vline(fork, std::min({a, b, t}), std::max({a, b, t}) - std::min({a, b, t}));
            kit.hline(std::min(fork, target), t, std::abs(target - fork));
        }
    }
}

}  // namespace

const std::vector<std::string>& bracket_forms() {
    static const std::vector<std::string> names = {"UpdateKumiteIndividual4", "UpdateKumiteIndividual", "UpdateKumiteIndividual16"};
    return names;
}

WindowLayout bracket_layout(const std::string& procedure) {
    const BracketSpec& s = spec(procedure);
    LayoutKit kit({.title = s.title,
                   .kind = WindowKind::Floating,
                   .width = kWidth,
                   .height = 600,
                   .icon = "zrvICON.ico",
                   .timer = 1,
                   .status = s.caption == live::CaptionPlace::StatusZone2 ? std::vector<StatusZone>{{.width = 200}, {.width = -1}}
                                                                          : std::vector<StatusZone>{{.width = -1}}});
    kit.sheet("?CurrentTab", 4, 4, kWidth - 8, kTabHeight + 40);
    auto results = [&] {
        kit.tab("&4) Resultados");
        kit.image("zrv1024.png", 8, 24);
        kit.image("zrv1024.png", kWidth - 60, 24);
        const std::pair<std::string, std::string> places[] = {{"First place:", "PRIMERLUGARORO"},
                                                              {"Second place:", "SEGUNDOLUGARPLATA"},
                                                              {"Third place:", "SUPERTERCERLUGARBRONCE"},
                                                              {s.last_third_prompt, "CUARTOLUGARBRONCE"}};
        for (int i = 0; i < 4; ++i) {
            kit.prompt(places[i].first, 60, 80 + i * 100, 120);
            const int n = kit.entry("?" + f(places[i].second), s.results_picture, 60, 96 + i * 100, 800);
            ControlState& c = kit.layout().controls[static_cast<std::size_t>(n - 1)];
            c.height = 60;
            c.font_size = 36;
        }
    };
    // The results come after the first two charts.
    for (std::size_t i = 0; i < s.charts.size(); ++i) {
        if (i == 2) results();
        const ChartTab& t = s.charts[i];
        kit.tab(t.text);
        kit.text(t.heading, 8, 24, 300);
        kit.image("zrv1024.png", kWidth - 60, 20);
        const int width = (kWidth - 16) / static_cast<int>(t.pools.size());
        for (std::size_t p = 0; p < t.pools.size(); ++p) add_pool(kit, t.pools[p], 8 + static_cast<int>(p) * width, width);
    }
    if (s.charts.size() <= 2) results();
    // GO stands beside OK and Cancel, on the window below the tabs.
    kit.ok_cancel(kWidth - 92, 570, s.cancel_text);
    if (s.go_button) kit.button("?BUTTON1", "GO", kWidth - 140, 570, 40);
    return kit.take();
}

live::FormDeclaration bracket_declaration(const std::string& procedure) {
    const BracketSpec& s = spec(procedure);
    live::FormDeclaration d{.table = TableId::KumiteIndividual,
                            .primary_key = "KE24:KeyIDNumeroDeEventoKIndividual",
                            .key_field = "KE24:IDNumeroDeEventoKIndividual",
                            .caption = s.caption,
                            .title_with_key = false,
                            .close = live::CloseVariant::CompletedAndClose,
                            .handling = live::FrameworkHandling::Last,
                            .history = true};
    for (TableId t : s.lookup_order) d.related.push_back(lookup(t));
    return d;
}

const std::vector<BoxRule>& bracket_boxes(const std::string& procedure) { return spec(procedure).boxes; }
const std::vector<std::string>& bracket_setup_order(const std::string& procedure) { return spec(procedure).setup_order; }

namespace {

class BracketForm final : public live::LiveForm {
public:
    explicit BracketForm(const std::string& procedure)
        : LiveForm(procedure, bracket_layout(procedure), bracket_declaration(procedure)),
          boxes_(bracket_boxes(procedure)),
          order_(bracket_setup_order(procedure)) {}

    bool initialize() override {
        if (!LiveForm::initialize()) return false;
        go_ = control("?BUTTON1");
        if (go_ && request() == kRequestView) window().set_disabled(go_, true);
        boxes_.attach(window());
        boxes_.apply_all(window(), order_);
        return true;
    }

    Flow on_accepted(int c) override {
        if (c && c == go_) {
            // GO reads the stored record again at once, and beeps.
            reread();
            window().display();
            engine().beep();
        }
        const Flow flow = LiveForm::on_accepted(c);
        if (boxes_.accepted(window(), c)) reset(false);
        return flow;
    }

private:
    WinnerBoxes boxes_;
    std::vector<std::string> order_;
    int go_ = 0;
};

void bracket_procedure(const std::string& name) { BracketForm(name).run(); }

constexpr char kForm4[] = "UpdateKumiteIndividual4";
constexpr char kForm8[] = "UpdateKumiteIndividual";
constexpr char kForm16[] = "UpdateKumiteIndividual16";

const ProcedureRegistration registered_brackets({kForm4, kForm8, kForm16}, &bracket_procedure);

}  // namespace

}  // namespace zrv::kumite
