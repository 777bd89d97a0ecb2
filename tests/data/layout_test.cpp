// Every declared table derives to a contiguous layout whose offsets are the declared ones and
// whose figures are those of the table list.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "data/declaration.h"
#include "data/derive.h"

namespace zrv::data {
namespace {

struct Figures {
    TableId id;
    const char* name;
    const char* prefix;
    const char* stored_name;
    int record_bytes;
    int fields;  // groups included
    int groups;
    int keys;
    int memos;
};

constexpr Figures kTables[] = {
    {TableId::KataEvent, "KataEvent", "KE", "KataEvent", 2438, 305, 16, 34, 0},
    {TableId::KumiteIndividual, "KumiteIndividual", "KE24", "KumiteIndividual", 4348, 323, 7, 11, 0},
    {TableId::KumiteEquipo5, "KumiteEquipo5", "KE212", "KumiteEquipo5", 5151, 528, 13, 18, 0},
    {TableId::Competidor, "Competidor", "CM", "Competidor", 2811, 75, 6, 26, 4},
    {TableId::Dojo, "Dojo", "DOJ", "Dojo", 453, 21, 0, 9, 0},
    {TableId::TournamentInfo, "TournamentInfo", "TOU", "TournamentInfo", 542, 18, 0, 11, 0},
    {TableId::Categoria, "Categoria", "KAT", "Categoria", 109, 4, 0, 2, 0},
    {TableId::Divisiones, "Divisiones", "DIV", "Divisiones", 53, 2, 0, 2, 0},
    {TableId::ResultadosKataJueces5, "ResultadosKataJueces5", "R5J", "ResultadosKataJueces5", 544, 52, 0, 3, 0},
    {TableId::Modalidades, "Modalidades", "MOD", "Modalidades", 49, 2, 0, 2, 0},
    {TableId::Katas, "Katas", "KN", "Katas", 69, 3, 0, 3, 0},
    {TableId::Colores, "Colores", "COL", "Colores", 10, 2, 0, 2, 0},
    {TableId::Equipos, "Equipos", "EQU", "Equipos", 253, 12, 0, 11, 0},
    {TableId::TatamiMats, "TatamiMats", "TAT", "TatamiMats", 109, 3, 0, 3, 0},
    {TableId::ResultadosManual, "ResultadosManual", "RM", "ResultadosManual", 612, 31, 0, 9, 0},
    {TableId::ScoreBoard, "ScoreBoard", "SB", "scoreboard", 846, 80, 0, 11, 2},
    {TableId::KataJuezCard1, "KataJuezCard1", "KJ1", "KataJuezCard1", 1661, 243, 64, 17, 0},
    {TableId::KataJuezCard2, "KataJuezCard2", "KJ2", "KataJuezCard2", 1236, 86, 9, 18, 0},
    {TableId::KataJuezCard3, "KataJuezCard3", "KJ3", "KataJuezCard3", 1233, 85, 9, 17, 0},
    {TableId::KataJuezCard4, "KataJuezCard4", "KJ4", "KataJuezCard4", 1233, 85, 9, 17, 0},
    {TableId::KataJuezCard5, "KataJuezCard5", "KJ5", "KataJuezCard5", 1233, 85, 9, 17, 0},
    {TableId::KataJuezCard6, "KataJuezCard6", "KJ6", "KataJuezCard6", 1233, 85, 9, 18, 0},
    {TableId::KataJuezCard7, "KataJuezCard7", "KJ7", "KataJuezCard7", 1233, 85, 9, 17, 0},
};

const std::vector<TableDefinition>& defs() {
    static const std::vector<TableDefinition> all = derive_all(declarations());
    return all;
}

class TableFigures : public ::testing::TestWithParam<Figures> {};

TEST_P(TableFigures, DerivedLayoutMatchesDeclarationAndFigures) {
    const Figures& want = GetParam();
    const TableDefinition& def = defs().at(static_cast<std::size_t>(want.id));
    for (const std::string& p : def.problems) ADD_FAILURE() << want.name << ": " << p;
    const store::TableLayout& l = def.layout;
    EXPECT_EQ(l.name, want.name);
    EXPECT_EQ(l.prefix, want.prefix);
    EXPECT_EQ(l.stored_name, want.stored_name);
    EXPECT_EQ(l.label, want.name);
    EXPECT_EQ(l.record_size, want.record_bytes);
    EXPECT_EQ(static_cast<int>(l.fields.size()), want.fields);
    EXPECT_EQ(std::count_if(l.fields.begin(), l.fields.end(),
                            [](const store::FieldLayout& f) { return f.kind == store::FieldKind::Group; }),
              want.groups);
    EXPECT_EQ(static_cast<int>(l.keys.size()), want.keys);
    EXPECT_EQ(static_cast<int>(l.memos.size()), want.memos);

    // Contiguous: each non-group field starts where the previous one ended; a group starts where
    // its first member starts and its members fill it.
    int at = 0;
    for (std::size_t i = 0; i < l.fields.size(); ++i) {
        const store::FieldLayout& f = l.fields[i];
        EXPECT_EQ(f.offset, at) << f.name;
        if (f.group >= 0) {
            const store::FieldLayout& g = l.fields[static_cast<std::size_t>(f.group)];
            EXPECT_LT(f.group, static_cast<int>(i));
            EXPECT_EQ(f.depth, g.depth + 1) << f.name;
            EXPECT_GE(f.offset, g.offset) << f.name;
        } else {
            EXPECT_EQ(f.depth, 0) << f.name;
        }
        at += f.size;
    }
    EXPECT_EQ(at, want.record_bytes);

    // The record buffer's cells: in record order, as the layout's bytes, a group over the cells
    // of its fields.
    int cell = 0;
    for (std::size_t i = 0; i < l.fields.size(); ++i) {
        const store::FieldLayout& f = l.fields[i];
        if (f.kind == store::FieldKind::Group) continue;
        EXPECT_EQ(f.at, cell) << f.name;
        EXPECT_EQ(f.width, f.size) << f.name;
        cell += f.width;
        for (int g = f.group; g >= 0; g = l.fields[static_cast<std::size_t>(g)].group) {
            const store::FieldLayout& group = l.fields[static_cast<std::size_t>(g)];
            EXPECT_TRUE(f.at >= group.at && f.at + f.width <= group.at + group.width) << f.name << " in " << group.name;
        }
    }
    EXPECT_EQ(l.buffer_size, cell);
    EXPECT_EQ(static_cast<int>(l.blank.size()), cell);

    // The first key: one component, auto-numbered, unique and primary except in Katas.
    ASSERT_FALSE(l.keys.empty());
    const store::KeyLayout& first = l.keys.front();
    EXPECT_EQ(first.components.size(), 1u);
    EXPECT_TRUE(first.auto_number);
    EXPECT_EQ(first.unique, want.id != TableId::Katas);
    EXPECT_EQ(first.primary, want.id != TableId::Katas);
    EXPECT_EQ(first.optional, want.id != TableId::Competidor);
}

INSTANTIATE_TEST_SUITE_P(AllTables, TableFigures, ::testing::ValuesIn(kTables),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Dictionary, TotalsOverAllTables) {
    int fields = 0, keys = 0, keyed = 0, plain = 0, checks = 0, defaults = 0, unique = 0, optional = 0, descending_first = 0;
    ASSERT_EQ(defs().size(), 23u);
    for (const TableDefinition& d : defs()) {
        fields += static_cast<int>(d.layout.fields.size());
        keys += static_cast<int>(d.layout.keys.size());
        checks += static_cast<int>(d.declaration->checks.size());
        defaults += static_cast<int>(d.declaration->defaults.size());
        for (const ResolvedRelation& r : d.relations) (r.type == decl::Relation::Type::Keyed ? keyed : plain)++;
        for (const store::KeyLayout& k : d.layout.keys) {
            unique += k.unique;
            optional += k.optional;
            EXPECT_EQ(k.auto_number, &k == &d.layout.keys.front()) << k.name;
        }
        descending_first += d.layout.keys.front().components.front().descending;
    }
    EXPECT_EQ(fields, 2215);
    EXPECT_EQ(keys, 278);
    EXPECT_EQ(keyed, 56);
    EXPECT_EQ(plain, 56);
    EXPECT_EQ(checks, 24);
    EXPECT_EQ(defaults, 112);
    EXPECT_EQ(unique, 24);    // 22 first keys, TOU:KEYCodigoDeEvento, DIV:DivicionesKey
    EXPECT_EQ(optional, 26);  // 22 first keys and four others
    EXPECT_EQ(descending_first, 13);
}

// Places the layout notation makes easy to get wrong, by field name: offset, and for a group
// the offset just past its last member.
TEST(Dictionary, IrregularPlacesLieWhereTheRecordsHaveThem) {
    struct Place {
        TableId table;
        const char* field;
        int offset;
        int end;  // groups only (-1 otherwise)
    };
    const Place places[] = {
        {TableId::KataEvent, "KE:ResultadoC2", 625, -1},
        {TableId::KataEvent, "KE:ResultadoC1", 670, -1},
        {TableId::KataEvent, "KE:COMPETIDOR2", 699, 853},
        {TableId::KataEvent, "KE:JUEZ6AC5", 1126 + 157, -1},
        {TableId::KataEvent, "KE:ResultadoAC7", 1635, -1},
        {TableId::KumiteIndividual, "KE24:LLAVEA", 1168, 2386},
        {TableId::KumiteIndividual, "KE24:LLAVEB", 2386, 4040},
        {TableId::KumiteIndividual, "KE24:PRIMERLUGARORO", 4040, -1},
        {TableId::KumiteEquipo5, "KE212:RESULTADOS", 4983, 5151},
        {TableId::KumiteEquipo5, "KE212:EQUIPOLOST2", 4493, 4983},
        {TableId::KataJuezCard4, "KJ4:JUEZ4TC5", 871, -1},
        {TableId::KataJuezCard6, "KJ6:JUEZ6AC5", 871, -1},
        {TableId::KataJuezCard6, "KJ6:KATAC2", 489, -1},
        {TableId::KataJuezCard6, "KJ6:COLORC2", 509, -1},
        {TableId::KataJuezCard6, "KJ6:DIVICION", 247, -1},
        {TableId::KataJuezCard2, "KJ2:COMPETIDOR2", 452, 564},
        {TableId::KataJuezCard3, "KJ3:COMPETIDOR2", 449, 561},
        {TableId::KataJuezCard1, "KJ1:JUEZ1", 477, 1373},
        {TableId::KataJuezCard1, "KJ1:COMPETIDOR8_5", 1373 + 3 * 48 + 7 * 6, 1373 + 3 * 48 + 8 * 6},
        {TableId::ResultadosKataJueces5, "R5J:TECERLUGARPUNTOS", 540, -1},
        {TableId::ScoreBoard, "SB:DOJONAMEAKA", 648, -1},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.field);
        const store::TableLayout& l = defs().at(static_cast<std::size_t>(p.table)).layout;
        int i = find_field(l, p.field);
        ASSERT_GE(i, 0) << p.field;
        EXPECT_EQ(l.fields[static_cast<std::size_t>(i)].offset, p.offset) << p.field;
        if (p.end < 0) continue;
        int end = l.fields[static_cast<std::size_t>(i)].offset;
        for (std::size_t f = static_cast<std::size_t>(i) + 1; f < l.fields.size(); ++f) {
            // members: every later field whose chain of groups reaches this one
            int g = l.fields[f].group;
            while (g >= 0 && g != i) g = l.fields[static_cast<std::size_t>(g)].group;
            if (g == i) end = l.fields[f].offset + l.fields[f].size;
        }
        EXPECT_EQ(end, p.end) << p.field;
    }
}

// A declaration that does not hold together is told, not trusted.
TEST(Dictionary, FaultyDeclarationsAreReported) {
    using namespace decl;
    struct Case {
        const char* what;
        Table table;
        const char* problem;
    };
    auto base = [](std::vector<Row> rows, int size) {
        Table t;
        t.name = t.label = t.stored_name = "T";
        t.prefix = "T";
        t.record_size = size;
        t.layout = std::move(rows);
        t.keys = {key("T:K", {"-T:A"}, Primary | Unique, "K", Auto::Yes)};
        return t;
    };
    std::vector<Case> cases;
    cases.push_back({"offset", base({field(0, "T:A", Long), field(5, "T:B", Long)}, 8), "T:B: declared at 5, lies at 4"});
    cases.push_back({"size", base({field(0, "T:A", Long)}, 5), "record of 4 bytes, declared 5"});
    cases.push_back({"group overrun", base({field(0, "T:G", Group(3)), field(0, "T:A", Long)}, 4),
                     "T:G: its fields run past the group's end at 3"});
    cases.push_back({"group short", base({field(0, "T:A", Long), field(4, "T:G", Group(8)), field(4, "T:B", Long)}, 8),
                     "T:G: its fields end at 8, before the group's end at 12"});
    cases.push_back({"repeat stride", base({field(0, "T:A", Long), repeat('n', 1, 2, 5, {field(4, "T:B{n}", Long)})}, 12),
                     "T:B2: declared at 9, lies at 8"});
    cases.push_back({"unit size", base({field(0, "T:A", Long), units({Long, Long}, 9, {unit(4, {"T:B", "T:C"})})}, 12),
                     "units of 2 fields: kinds take 8 bytes, declared 9"});
    Table bad_key = base({field(0, "T:A", Long)}, 4);
    bad_key.keys.push_back(key("T:K2", {"T:Nope"}, Duplicates, "K2", Auto::No));
    cases.push_back({"key field", bad_key, "T:K2: no field T:Nope"});
    Table twice = base({field(0, "T:A", Long), field(4, "T:a", Long)}, 8);
    cases.push_back({"same name in other case", twice, "T:a: declared twice"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TableDefinition d = derive_table(c.table);
        EXPECT_NE(std::find(d.problems.begin(), d.problems.end(), c.problem), d.problems.end())
            << c.what << ": got " << (d.problems.empty() ? std::string("nothing") : d.problems.front());
    }
}

TEST(Dictionary, KeyedRelationsLinkToTheRelatedKeysFirstFieldAndAreMirrored) {
    for (const TableDefinition& d : defs()) {
        for (const ResolvedRelation& r : d.relations) {
            const TableDefinition& other = defs().at(static_cast<std::size_t>(r.related));
            if (r.type == decl::Relation::Type::Keyed) {
                const store::KeyLayout& k = other.layout.keys.at(static_cast<std::size_t>(r.related_key));
                EXPECT_EQ(k.components.front().field, r.related_field) << d.layout.name << " -> " << k.name;
            }
            // the other side lists this table with the other kind of entry
            auto back = std::count_if(other.relations.begin(), other.relations.end(),
                                      [&](const ResolvedRelation& o) { return o.related == d.declaration->id && o.type != r.type; });
            auto here = std::count_if(d.relations.begin(), d.relations.end(),
                                      [&](const ResolvedRelation& o) { return o.related == r.related && o.type == r.type; });
            EXPECT_EQ(back, here) << d.layout.name << " / " << other.layout.name;
        }
    }
}

}  // namespace
}  // namespace zrv::data
