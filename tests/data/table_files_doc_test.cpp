// docs/table-files.md tells other programs, table by table, the first key, the new-record
// defaults and the checked fields with their allowed values. The text between its markers is
// what the declarations give, written out here; when a declaration changes, this test shows
// the text to put there. docs/table-columns.md, its reference of every column, is made again
// from the declarations and the screens' layouts and compared whole, as docs/table-schema.sql,
// the SQL that makes the files.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "data/dictionary.h"
#include "framework/store/store_context.h"
#include "data/table_reference.h"
#include "framework/core/procedures.h"
#include "tests/data/screen_controls.h"
#include "tests/support/temp_folder.h"

namespace zrv::data {
namespace {

std::string column(const std::string& field) {
    auto colon = field.find(':');
    return "`" + (colon == std::string::npos ? field : field.substr(colon + 1)) + "`";
}

std::string value_text(const decl::Value& v) { return v.is_text ? "`'" + v.text + "'`" : "`" + std::to_string(v.number) + "`"; }

// "OnDeck7" -> ("OnDeck", 7); no number: -1.
std::pair<std::string, int> numbered(const std::string& name) {
    std::size_t end = name.size();
    while (end > 0 && std::isdigit(static_cast<unsigned char>(name[end - 1]))) --end;
    if (end == name.size()) return {name, -1};
    return {name.substr(0, end), std::stoi(name.substr(end))};
}

// Consecutive entries with the same text after the name, written once: "`A`, `B` = 1"; a run of
// numbered names as a range: "`OnDeck1` to `OnDeck18` = `0`".
std::string grouped(const std::vector<std::pair<std::string, std::string>>& entries, const char* separator) {
    std::string out;
    for (std::size_t i = 0; i < entries.size();) {
        std::size_t j = i + 1;
        while (j < entries.size() && entries[j].second == entries[i].second) ++j;
        out += out.empty() ? "" : separator;
        for (std::size_t k = i; k < j;) {
            std::size_t end = k + 1;  // past the run of numbered names starting at k
            while (end < j && numbered(entries[end].first).second >= 0 &&
                   numbered(entries[end].first) ==
                       std::make_pair(numbered(entries[k].first).first, numbered(entries[k].first).second + static_cast<int>(end - k)))
                ++end;
            if (end - k < 3) end = k + 1;
            out += (k > i ? ", " : "") + column(entries[k].first) + (end - k > 1 ? " to " + column(entries[end - 1].first) : "");
            k = end;
        }
        out += entries[i].second;
        i = j;
    }
    return out.empty() ? "none" : out;
}

std::string defaults_text(const decl::Table& t) {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const decl::Default& d : t.defaults) entries.emplace_back(d.field, " = " + value_text(d.value));
    return grouped(entries, ", ");
}

std::string checks_text(const decl::Table& t) {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const decl::Check& c : t.checks) {
        if (c.type == decl::Check::Type::Range) {
            entries.emplace_back(c.field, " from " + std::to_string(c.low) + " to " + std::to_string(c.high));
            continue;
        }
        std::string values;
        for (std::size_t at = c.list.find(']'); at != std::string::npos; at = c.list.find(']', at + 1))
            values += (values.empty() ? "`'" : ", `'") + c.list.substr(at + 1, c.list.find('[', at) - at - 1) + "'`";
        entries.emplace_back(c.field, " one of " + values);
    }
    return grouped(entries, "; ");
}

std::string expected_tables() {
    std::string out =
        "| Table | File | First key | New-record defaults | Checked fields and their allowed values |\n"
        "|---|---|---|---|---|\n";
    for (TableId id : dictionary_order()) {
        const decl::Table& t = *definition(id).declaration;
        const store::TableLayout& l = layout(id);
        const store::KeyLayout& key = l.keys.at(0);
        out += "| `" + t.name + "` | `" + store::table_file_name(l) + "` | " +
               column(l.fields[static_cast<std::size_t>(key.components.at(0).field)].name) +
               (key.unique ? ", unique" : ", duplicates allowed") + " | " + defaults_text(t) + " | " + checks_text(t) + " |\n";
    }
    return out;
}

std::string read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(TableFilesDocument, SaysWhatTheDeclarationsSayOfEachTable) {
    const std::string doc = read(zrv::testing::source_dir() / "docs" / "table-files.md");
    ASSERT_FALSE(doc.empty()) << "docs/table-files.md not found";
    const std::string begin = "<!-- tables: begin -->\n", end = "<!-- tables: end -->";
    const auto from = doc.find(begin), to = doc.find(end);
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    const std::string expected = expected_tables();
    if (doc.substr(from + begin.size(), to - from - begin.size()) != expected)
        ADD_FAILURE() << "the text between the markers should be:\n" << expected;
}

// The screen modules: the sources of the layers above the live-screen machinery, a module's
// header and source together.
std::vector<ScreenSource> screen_sources() {
    std::map<std::string, std::string> modules;
    const std::filesystem::path top = zrv::testing::source_dir();
    for (const char* layer : {"clock", "scoreboard", "kumite", "kata", "flow", "shell"})
        for (const auto& entry : std::filesystem::directory_iterator(top / layer)) {
            const std::filesystem::path& p = entry.path();
            if (p.extension() != ".cpp" && p.extension() != ".h") continue;
            modules[std::string(layer) + "/" + p.stem().string()] += read(p);
        }
    std::vector<ScreenSource> out;
    for (auto& [module, text] : modules) out.push_back({module, std::move(text)});
    return out;
}

TEST(TableFilesDocument, TheColumnReferenceIsMadeFromTheDeclarations) {
    const std::string doc = read(zrv::testing::source_dir() / "docs" / "table-columns.md");
    const std::string made = table_columns_reference(screen_controls(), screen_sources());
    if (doc != made) {
        std::ofstream("table-columns.md", std::ios::binary) << made;
        ADD_FAILURE() << "docs/table-columns.md is not what the declarations give: copy "
                      << (std::filesystem::current_path() / "table-columns.md").string() << " there";
    }
    // It says what the declarations say of a column everyone reads.
    EXPECT_NE(made.find("| `PuntoAka` | Decimal(7,0) | 4 | points of aka |"), std::string::npos);
}

// Every registered procedure's layout is walked for the columns' screens, or is known to show
// no field: a new screen cannot be left out of the reference. (The registry keeps names in capitals.)
TEST(TableFilesDocument, TheScreensOfTheColumnsAreEveryProcedure) {
    const auto upper = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return s;
    };
    std::set<std::string> covered;
    for (const std::string& p : walked_procedures()) EXPECT_TRUE(covered.insert(upper(p)).second) << p << " walked twice";
    for (const std::string& p : procedures_without_fields()) covered.insert(upper(p));
    std::set<std::string> registered;
    for (const std::string& p : procedure_names()) registered.insert(upper(p));
    EXPECT_EQ(covered, registered);
}

// A field a layout builds its control's name for (the brackets', position by position) is named
// with its screen and control, as one named in a layout row and a lamp the board lights are; a
// field nothing shows says so.
TEST(TableFilesDocument, AColumnNamesTheControlsThatShowOrStoreIt) {
    const std::vector<ScreenControl> controls = screen_controls();
    const auto has = [&](const std::string& procedure, const std::string& control, const std::string& field) {
        for (const ScreenControl& c : controls)
            if (c.procedure == procedure && same_name(c.control, control) && same_name(c.field, field)) return true;
        return false;
    };
    EXPECT_TRUE(has("UpDateScoreBoard2", "?SB:PuntoAka", "SB:PuntoAka"));
    EXPECT_TRUE(has("UpdateScoreBoard1", "?CAO1", "SB:C1Ao"));
    EXPECT_TRUE(has("UpdateKumiteIndividual4", "?KE24:RESULTADOC1B", "KE24:RESULTADOC1B"));
    const std::string made = table_columns_reference(controls, {});
    EXPECT_NE(made.find("| `COLORAZUL` | Text(20) | 20 | text of the blue colour; no screen of this program shows it |  | no screen "
                        "|"),
              std::string::npos);
}

TEST(TableFilesDocument, EveryColumnHasAMeaningAndEveryCodeItsValues) {
    for (TableId id : dictionary_order()) {
        const TableDefinition& def = definition(id);
        for (std::size_t i = 0; i < def.layout.fields.size(); ++i) {
            if (def.layout.fields[i].kind == store::FieldKind::Group) continue;
            EXPECT_NE(column_meaning(id, def.layout.fields[i].name, def.meanings[i]), "") << def.layout.fields[i].name;
        }
        for (const store::MemoLayout& m : def.layout.memos) EXPECT_NE(column_meaning(id, m.name, {}), "") << m.name;
    }
    EXPECT_EQ(column_meaning(TableId::ScoreBoard, "SB:Queue", "queue status"),
              "queue status; values `'1'` QueueStart, `'2'` QueueStop, `'3'` QueueDone, `'4'` QueueAssigned");
}

TEST(TableFilesDocument, ThePublishedSchemaIsMadeFromTheDeclarations) {
    const std::string doc = read(zrv::testing::source_dir() / "docs" / "table-schema.sql");
    const std::string made = table_schema_script();
    if (doc != made) {
        std::ofstream("table-schema.sql", std::ios::binary) << made;
        ADD_FAILURE() << "docs/table-schema.sql is not what the declarations give: copy "
                      << (std::filesystem::current_path() / "table-schema.sql").string() << " there";
    }
    // A bout added naming only its number starts stopped, as the program's new bout does.
    EXPECT_NE(made.find("\"StopStart\" NUMERIC NOT NULL DEFAULT 1,"), std::string::npos);
}

}  // namespace
}  // namespace zrv::data
