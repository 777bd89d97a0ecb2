#include "data/table_reference.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "data/dictionary.h"
#include "data/tables/meanings.h"
#include "framework/store/store_context.h"
#include "framework/store/table_schema.h"

namespace zrv::data {
namespace {

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool name_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Every "PREFIX:NAME" in a text, in capitals.
std::set<std::string> field_names_in(const std::string& text) {
    std::set<std::string> names;
    for (std::size_t colon = text.find(':'); colon != std::string::npos; colon = text.find(':', colon + 1)) {
        std::size_t from = colon, to = colon + 1;
        while (from > 0 && name_char(text[from - 1])) --from;
        while (to < text.size() && name_char(text[to])) ++to;
        if (from < colon && to > colon + 1) names.insert(upper(text.substr(from, to - from)));
    }
    return names;
}

std::string column_of(const std::string& field) {
    const auto colon = field.find(':');
    return colon == std::string::npos ? field : field.substr(colon + 1);
}

std::string kind_text(const store::FieldLayout& f) {
    switch (f.kind) {
        case store::FieldKind::Text:
            return "Text(" + std::to_string(f.size) + ")";
        case store::FieldKind::Long:
            return "Long";
        case store::FieldKind::Byte:
            return "Byte";
        case store::FieldKind::Time:
            return "Time";
        case store::FieldKind::Date:
            return "Date";
        case store::FieldKind::Real:
            return "Real";
        case store::FieldKind::Decimal:
            return "Decimal(" + std::to_string(f.digits) + "," + std::to_string(f.places) + ")";
        case store::FieldKind::Group:
            break;
    }
    return "";
}

// The unit the kind stores, or the one the meaning names.
std::string unit_of(const store::FieldLayout& f, const std::string& meaning) {
    if (f.kind == store::FieldKind::Date) return "date, `YYYY-MM-DD`";
    if (f.kind == store::FieldKind::Time) return "time of day, hundredths of a second plus 1";
    if (meaning.find("in seconds") != std::string::npos) return "seconds";
    return "";
}

// A table cell: pipes escaped, nothing for an empty one.
std::string cell(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '|') out += '\\';
        out += c;
    }
    return out;
}

// Every key of the table, in the order the program registers them, with the index that is it.
std::string keys_reference(const store::TableLayout& l) {
    const std::vector<std::string> indexes = store::index_names(l);
    std::string out =
        "\nKeys, in order (one index each; text compared without regard to case):\n\n"
        "| # | Index | Columns, in order | Unique | Key |\n|---|---|---|---|---|\n";
    for (std::size_t k = 0; k < l.keys.size(); ++k) {
        const store::KeyLayout& key = l.keys[k];
        std::string columns;
        for (const store::KeyComponent& c : key.components)
            columns += (columns.empty() ? "`" : ", `") + column_of(l.fields[static_cast<std::size_t>(c.field)].name) + "`" +
                       (c.descending ? " DESC" : "");
        std::string unique = key.unique ? "unique" : "duplicates allowed";
        if (k == 0) unique += key.unique ? "; identifies the record" : "; first key";
        if (key.auto_number && key.unique) unique += ", numbered by its highest value plus 1";
        out += "| " + std::to_string(k + 1) + " | `" + indexes[k] + "` | " + columns + " | " + unique + " | `" + key.name + "` |\n";
    }
    return out;
}

// The records of other tables that belong to a record of this one, by the declared relations.
std::string relations_reference(const TableDefinition& def) {
    std::string rows;
    for (const ResolvedRelation& r : def.relations) {
        if (r.type != decl::Relation::Type::Keyed || r.field < 0 || r.related_field < 0 || r.related_key < 0) continue;
        const store::TableLayout& other = layout(r.related);
        rows += "| `" + other.name + "` | `" + column_of(other.fields[static_cast<std::size_t>(r.related_field)].name) + "` = `" +
                column_of(def.layout.fields[static_cast<std::size_t>(r.field)].name) + "` | `" +
                other.keys[static_cast<std::size_t>(r.related_key)].name + "` |\n";
    }
    if (rows.empty()) return {};
    return "\nRelated records (declared relations: for a record of this table, the records of the other table whose column "
           "equals this record's, found through that table's key):\n\n| Other table | Its column = this table's | Through its key |\n"
           "|---|---|---|\n" +
           rows;
}

// "'QueueStart','QueueStop'" -> {"QueueStart", "QueueStop"}.
std::vector<std::string> display_entries(const std::string& display) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while ((at = display.find('\'', at)) != std::string::npos) {
        const std::size_t end = display.find('\'', at + 1);
        if (end == std::string::npos) break;
        out.push_back(display.substr(at + 1, end - at - 1));
        at = end + 1;
    }
    return out;
}

}  // namespace

std::string column_meaning(TableId table, const std::string& name, const std::string& declared) {
    const TableDefinition& def = definition(table);
    const std::string column = column_of(name);
    std::string meaning = declared;
    if (meaning.empty())
        for (const tables::PatternMeaning& p : tables::pattern_meanings())
            if ((p.prefix.empty() || p.prefix == def.layout.prefix) && tables::matches_pattern(p.pattern, column)) {
                meaning = p.meaning;
                break;
            }
    for (const decl::Check& c : def.declaration->checks) {
        if (!same_name(c.field, name) || c.type != decl::Check::Type::List) continue;
        const std::vector<std::string> shown = display_entries(c.display);
        std::string values;
        std::size_t n = 0;
        for (std::size_t at = c.list.find(']'); at != std::string::npos; at = c.list.find(']', at + 1), ++n)
            values += (values.empty() ? "" : ", ") + std::string("`'") + c.list.substr(at + 1, c.list.find('[', at) - at - 1) + "'`" +
                      (n < shown.size() ? " " + shown[n] : "");
        meaning += "; values " + values;
    }
    return meaning;
}

std::string table_columns_reference(const std::vector<ScreenControl>& controls, const std::vector<ScreenSource>& screens) {
    // field in capitals -> procedure -> its controls, each once, in the order given
    std::map<std::string, std::map<std::string, std::vector<std::string>>> shown_by;
    for (const ScreenControl& c : controls) {
        std::vector<std::string>& uses = shown_by[upper(c.field)][c.procedure];
        if (std::find(uses.begin(), uses.end(), c.control) == uses.end()) uses.push_back(c.control);
    }
    std::map<std::string, std::set<std::string>> named_by;  // field in capitals -> modules
    for (const ScreenSource& s : screens)
        for (const std::string& name : field_names_in(s.text)) named_by[name].insert(s.module);
    const auto screens_of = [&](const std::string& field) {
        std::string out;
        if (const auto it = shown_by.find(upper(field)); it != shown_by.end()) {
            for (const auto& [procedure, uses] : it->second) {
                out += (out.empty() ? "`" : "; `") + procedure + "`";
                for (std::size_t i = 0; i < uses.size(); ++i) out += (i ? ", `" : " `") + uses[i] + "`";
            }
            return out;
        }
        const auto it = named_by.find(upper(field));
        if (it == named_by.end()) return std::string("no screen");
        for (const std::string& m : it->second) out += (out.empty() ? "no control; named in the code of `" : ", `") + m + "`";
        return out;
    };

    std::string out =
        "# Table columns\n\n"
        "<!-- Made from the table declarations (data/tables/*.cpp) by data/table_reference.cpp;\n"
        "     data_table_files_doc_test checks that it is up to date. Do not edit by hand. -->\n\n"
        "Every column of the 23 table files, table by table in the files' column order (see\n"
        "[table-files.md](table-files.md) for the files and how to write a record; its Values table\n"
        "gives each kind's SQL column type and what to write, and [table-schema.sql](table-schema.sql)\n"
        "makes the files). Size is the field's size in the record: characters for a Text or Memo,\n"
        "bytes otherwise. Meaning is the field's description in its table's declaration, or the one\n"
        "the table of meanings beside the declarations (data/tables/meanings.cpp) gives its name;\n"
        "a checked field lists the values it allows with what each stands for. Screens and controls\n"
        "are taken from the screens' layouts: for each procedure (the name a menu or another screen\n"
        "runs it by) the use names of its controls that show or store the field: entries, texts,\n"
        "check boxes and drop lists bound to it, a list whose columns or row fields read it, a check\n"
        "box that sets it to 1 or 0, a name entry that fills it in, a scoreboard's penalty lamp. A\n"
        "field no control shows names the screen modules whose code reads or writes it by name (a\n"
        "key a look-up goes through, a winner worked out), and a field no screen uses at all says\n"
        "\"no screen\". After each table's columns come its keys, in the order the program registers\n"
        "them, each with the index that is it in the file.\n";
    for (TableId id : dictionary_order()) {
        const TableDefinition& def = definition(id);
        const store::TableLayout& l = def.layout;
        out += "\n## " + l.name + "\n\nFile `" + store::table_file_name(l) + "`, SQL table `" + l.name + "`, prefix `" + l.prefix +
               ":`.\n\n";
        if (const std::string note = tables::table_note(l.prefix); !note.empty()) out += note + "\n\n";
        out += "| Column | Kind | Size | Meaning | Unit | Screens and controls |\n|---|---|---|---|---|---|\n";
        for (std::size_t i = 0; i < l.fields.size(); ++i) {
            const store::FieldLayout& f = l.fields[i];
            if (f.kind == store::FieldKind::Group) continue;  // no column
            const std::string meaning = column_meaning(id, f.name, def.meanings.at(i));
            out += "| `" + column_of(f.name) + "` | " + kind_text(f) + " | " + std::to_string(f.size) + " | " + cell(meaning) + " | " +
                   unit_of(f, meaning) + " | " + screens_of(f.name) + " |\n";
        }
        for (const store::MemoLayout& m : l.memos)
            out += "| `" + column_of(m.name) + "` | Memo(" + std::to_string(m.size) + ") | " + std::to_string(m.size) + " | " +
                   cell(column_meaning(id, m.name, {})) + " | | " + screens_of(m.name) + " |\n";
        out += keys_reference(l);
        out += relations_reference(def);
    }
    return out;
}

std::string table_schema_script() {
    std::string out =
        "-- The 23 table files, exactly as the program makes them: for each, its zrv_layout rows, its\n"
        "-- table and one index per key. Made from the table declarations by data/table_reference.cpp\n"
        "-- (data_table_files_doc_test checks that it is up to date; `zrv_scoring schema` prints it).\n"
        "-- Run it in a folder without these files, with the sqlite3 client:\n"
        "--     sqlite3 -bail < table-schema.sql\n"
        "-- or, from another program, run each file's statements (from its PRAGMA to its COMMIT) on a\n"
        "-- new, empty file. On a file that holds tables already it fails at its first CREATE and\n"
        "-- changes nothing. docs/table-files.md says what each part means.\n";
    for (TableId id : dictionary_order()) {
        const store::TableLayout& l = layout(id);
        out += "\n-- " + l.name + "\n.open " + store::table_file_name(l) + "\n" + store::schema_script(l);
    }
    return out;
}

}  // namespace zrv::data
