#include "tests/data/table_reference.h"

#include <cctype>
#include <map>
#include <set>

#include "data/dictionary.h"
#include "framework/store/store_context.h"

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
    case store::FieldKind::Text: return "Text(" + std::to_string(f.size) + ")";
    case store::FieldKind::Long: return "Long";
    case store::FieldKind::Byte: return "Byte";
    case store::FieldKind::Time: return "Time";
    case store::FieldKind::Date: return "Date";
    case store::FieldKind::Real: return "Real";
    case store::FieldKind::Decimal: return "Decimal(" + std::to_string(f.digits) + "," + std::to_string(f.places) + ")";
    case store::FieldKind::Group: break;
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

}  // namespace

std::string table_columns_reference(const std::vector<ScreenSource>& screens) {
    std::map<std::string, std::set<std::string>> named_by;  // field in capitals -> modules
    for (const ScreenSource& s : screens)
        for (const std::string& name : field_names_in(s.text)) named_by[name].insert(s.module);
    const auto screens_of = [&](const std::string& field) {
        std::string out;
        const auto it = named_by.find(upper(field));
        if (it == named_by.end()) return out;
        for (const std::string& m : it->second) out += (out.empty() ? "`" : ", `") + m + "`";
        return out;
    };

    std::string out =
        "# Table columns\n\n"
        "<!-- Made from the table declarations (data/tables/*.cpp) by tests/data/table_reference.cpp;\n"
        "     data_table_files_doc_test checks that it is up to date. Do not edit by hand. -->\n\n"
        "Every column of the 23 table files, table by table in the files' column order (see\n"
        "[table-files.md](table-files.md) for the files, keys and how to write a record; its\n"
        "Values table gives each kind's SQL column type and what to write). Size is the field's\n"
        "size in the record: characters for a Text or Memo, bytes otherwise. Screens are the\n"
        "program's screen modules whose sources name the field (reading or writing it); a field\n"
        "that screens reach only through a name they build, such as the close flag `Cerrar` every\n"
        "display screen follows, is not listed there.\n";
    for (TableId id : dictionary_order()) {
        const TableDefinition& def = definition(id);
        const store::TableLayout& l = def.layout;
        out += "\n## " + l.name + "\n\nFile `" + store::table_file_name(l) + "`, SQL table `" + l.name + "`, prefix `" + l.prefix +
               ":`.\n\n| Column | Kind | Size | Meaning | Unit | Screens |\n|---|---|---|---|---|---|\n";
        for (std::size_t i = 0; i < l.fields.size(); ++i) {
            const store::FieldLayout& f = l.fields[i];
            if (f.kind == store::FieldKind::Group) continue;  // no column
            const std::string& meaning = def.meanings.at(i);
            out += "| `" + column_of(f.name) + "` | " + kind_text(f) + " | " + std::to_string(f.size) + " | " + cell(meaning) + " | " +
                   unit_of(f, meaning) + " | " + screens_of(f.name) + " |\n";
        }
        for (const store::MemoLayout& m : l.memos)
            out += "| `" + column_of(m.name) + "` | Memo(" + std::to_string(m.size) + ") | " + std::to_string(m.size) + " | | | " +
                   screens_of(m.name) + " |\n";
    }
    return out;
}

}  // namespace zrv::data
