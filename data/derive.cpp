#include "data/derive.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace zrv::data {

using decl::Kind;
using decl::Row;
using store::FieldKind;

bool same_name(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

int find_field(const store::TableLayout& layout, std::string_view name) {
    for (std::size_t i = 0; i < layout.fields.size(); ++i)
        if (same_name(layout.fields[i].name, name)) return static_cast<int>(i);
    return -1;
}

int find_key(const store::TableLayout& layout, std::string_view name) {
    for (std::size_t i = 0; i < layout.keys.size(); ++i)
        if (same_name(layout.keys[i].name, name)) return static_cast<int>(i);
    return -1;
}

namespace {

struct Letter {
    char letter;
    int value;
};

std::string with_letters(std::string name, const std::vector<Letter>& letters) {
    for (const Letter& l : letters) name = decl::substitute(name, l.letter, l.value);
    return name;
}

void expand(const std::vector<Row>& rows, int shift, std::vector<Letter>& letters, std::vector<ExpandedField>& out,
            std::vector<std::string>& problems) {
    for (const Row& row : rows) {
        switch (row.type) {
            case Row::Type::Field:
                out.push_back({with_letters(row.name, letters), row.kind, row.offset + shift, with_letters(row.meaning, letters)});
                break;
            case Row::Type::Repeat:
                if (row.to < row.from || row.stride <= 0)
                    problems.push_back("repeat for " + std::string(1, row.letter) + " has no occurrences");
                for (int i = row.from; i <= row.to; ++i) {
                    letters.push_back({row.letter, i});
                    expand(row.body, shift + row.stride * (i - row.from), letters, out, problems);
                    letters.pop_back();
                }
                break;
            case Row::Type::Units: {
                int kinds_size = 0;
                for (const Kind& k : row.unit_kinds) kinds_size += k.size;
                if (kinds_size != row.unit_size)
                    problems.push_back("units of " + std::to_string(row.unit_kinds.size()) + " fields: kinds take " +
                                       std::to_string(kinds_size) + " bytes, declared " + std::to_string(row.unit_size));
                for (const decl::UnitRow& u : row.units) {
                    if (u.names.size() != row.unit_kinds.size()) {
                        problems.push_back("unit at " + std::to_string(u.offset) + " names " + std::to_string(u.names.size()) +
                                           " fields");
                        continue;
                    }
                    int at = u.offset + shift;
                    int unit_bytes = 0;
                    for (std::size_t i = 0; i < u.names.size(); ++i) {
                        Kind kind = u.names[i].own_kind ? u.names[i].kind : row.unit_kinds[i];
                        out.push_back({with_letters(u.names[i].name, letters), kind, at});
                        at += kind.size;
                        unit_bytes += kind.size;
                    }
                    if (unit_bytes != row.unit_size)
                        problems.push_back("unit at " + std::to_string(u.offset) + " takes " + std::to_string(unit_bytes) +
                                           " bytes, declared " + std::to_string(row.unit_size));
                }
                break;
            }
        }
    }
}

// A default as the SQL literal of its column: text in quotes, a number as it is.
std::string sql_literal(const store::FieldLayout& f, const decl::Value& v) {
    const bool text_column = f.kind == FieldKind::Text || f.kind == FieldKind::Date;
    if (!text_column) return v.is_text ? v.text : std::to_string(v.number);
    std::string out = "'";
    for (char c : v.is_text ? v.text : std::to_string(v.number)) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + "'";
}

std::size_t index_of(const std::vector<ExpandedField>& fields, std::string_view name) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (same_name(fields[i].name, name)) return i;
    return fields.size();
}

void apply(const decl::Difference& d, std::vector<ExpandedField>& fields, std::vector<std::string>& problems) {
    std::size_t a = index_of(fields, d.name);
    if (a == fields.size()) {
        problems.push_back("difference names a field that is not there: " + d.name);
        return;
    }
    if (d.type == decl::Difference::Type::Rename) {
        fields[a].name = d.other;
        return;
    }
    std::size_t b = index_of(fields, d.other);
    if (b == fields.size()) {
        problems.push_back("difference names a field that is not there: " + d.other);
        return;
    }
    ExpandedField moved = fields[a];
    moved.declared_offset = d.offset;
    fields[b].declared_offset = d.other_offset;
    fields.erase(fields.begin() + static_cast<std::ptrdiff_t>(a));
    if (a < b) --b;
    fields.insert(fields.begin() + static_cast<std::ptrdiff_t>(b), std::move(moved));
}

void derive_layout(const decl::Table& table, TableDefinition& def) {
    std::vector<ExpandedField> rows = expand_rows(table, def.problems);
    store::TableLayout& layout = def.layout;
    layout.name = table.name;
    layout.prefix = table.prefix;
    layout.stored_name = table.stored_name;
    layout.label = table.label;

    struct Open {
        int field;
        int end;
    };
    std::vector<Open> open;
    int offset = 0;
    auto close_groups = [&] {
        while (!open.empty() && offset >= open.back().end) {
            if (offset > open.back().end)
                def.problems.push_back(layout.fields[static_cast<std::size_t>(open.back().field)].name +
                                       ": its fields run past the group's end at " + std::to_string(open.back().end));
            open.pop_back();
        }
    };
    for (const ExpandedField& row : rows) {
        close_groups();
        if (find_field(layout, row.name) >= 0) def.problems.push_back(row.name + ": declared twice");
        if (row.name.find('{') != std::string::npos) def.problems.push_back(row.name + ": letter left in the name");
        std::string_view prefix = std::string_view(row.name).substr(0, row.name.find(':'));
        if (!same_name(prefix, table.prefix)) def.problems.push_back(row.name + ": not of prefix " + table.prefix);

        store::FieldLayout f;
        f.name = row.name;
        f.kind = row.kind.kind;
        f.digits = row.kind.digits;
        f.places = row.kind.places;
        f.offset = offset;
        f.depth = static_cast<int>(open.size());
        f.group = open.empty() ? -1 : open.back().field;
        if (row.declared_offset != offset)
            def.problems.push_back(row.name + ": declared at " + std::to_string(row.declared_offset) + ", lies at " +
                                   std::to_string(offset));
        int index = static_cast<int>(layout.fields.size());
        if (row.kind.kind == FieldKind::Group) {
            f.size = 0;
            if (row.kind.size <= 0) def.problems.push_back(row.name + ": a group spans no bytes");
            else open.push_back({index, offset + row.kind.size});
        } else {
            f.size = row.kind.size;
            if (f.size <= 0) def.problems.push_back(row.name + ": no size");
            offset += f.size;
        }
        layout.fields.push_back(std::move(f));
        def.meanings.push_back(row.meaning);
    }
    close_groups();
    for (const Open& g : open)
        def.problems.push_back(layout.fields[static_cast<std::size_t>(g.field)].name + ": its fields end at " +
                               std::to_string(offset) + ", before the group's end at " + std::to_string(g.end));
    layout.record_size = offset;
    store::place_cells(layout);
    if (offset != table.record_size)
        def.problems.push_back("record of " + std::to_string(offset) + " bytes, declared " + std::to_string(table.record_size));

    for (const decl::Memo& m : table.memos) layout.memos.push_back({m.name, m.size});

    for (std::size_t k = 0; k < table.keys.size(); ++k) {
        const decl::Key& key = table.keys[k];
        store::KeyLayout kl;
        kl.name = key.name;
        kl.description = key.description;
        kl.unique = (key.attributes & decl::Unique) != 0;
        kl.primary = (key.attributes & decl::Primary) != 0;
        kl.optional = (key.attributes & decl::Optional) != 0;
        kl.auto_number = key.auto_number == decl::Auto::Yes;
        if (kl.unique == ((key.attributes & decl::Duplicates) != 0))
            def.problems.push_back(key.name + ": neither unique nor duplicates, or both");
        if (kl.auto_number && k != 0) def.problems.push_back(key.name + ": only the first key is auto-numbered");
        if (key.components.empty()) def.problems.push_back(key.name + ": no components");
        for (const std::string& c : key.components) {
            bool descending = !c.empty() && c.front() == '-';
            std::string_view name = descending ? std::string_view(c).substr(1) : std::string_view(c);
            int field = find_field(layout, name);
            if (field < 0 || layout.fields[static_cast<std::size_t>(field)].kind == FieldKind::Group)
                def.problems.push_back(key.name + ": no field " + std::string(name));
            else kl.components.push_back({field, descending});
        }
        if (find_key(layout, key.name) >= 0) def.problems.push_back(key.name + ": declared twice");
        layout.keys.push_back(std::move(kl));
    }
}

}  // namespace

std::vector<ExpandedField> expand_rows(const decl::Table& table, std::vector<std::string>& problems) {
    std::vector<ExpandedField> out;
    std::vector<Letter> letters;
    expand(table.layout, 0, letters, out, problems);
    for (const decl::Difference& d : table.differences) apply(d, out, problems);
    return out;
}

TableDefinition derive_table(const decl::Table& table) {
    TableDefinition def;
    def.declaration = &table;
    derive_layout(table, def);
    const store::TableLayout& layout = def.layout;

    def.check_of_field.assign(layout.fields.size(), -1);
    for (std::size_t c = 0; c < table.checks.size(); ++c) {
        int field = find_field(layout, table.checks[c].field);
        if (field < 0) def.problems.push_back("check on a field that is not there: " + table.checks[c].field);
        else if (def.check_of_field[static_cast<std::size_t>(field)] >= 0)
            def.problems.push_back(table.checks[c].field + ": two checks");
        else def.check_of_field[static_cast<std::size_t>(field)] = static_cast<int>(c);
    }
    for (const decl::Default& d : table.defaults) {
        int field = find_field(layout, d.field);
        if (field < 0 || layout.fields[static_cast<std::size_t>(field)].kind == FieldKind::Group)
            def.problems.push_back("default for a field that is not there: " + d.field);
        else
            def.layout.fields[static_cast<std::size_t>(field)].initial = sql_literal(layout.fields[static_cast<std::size_t>(field)],
                                                                                     d.value);
        def.default_fields.push_back(field);
    }
    return def;
}

std::vector<TableDefinition> derive_all(const std::vector<decl::Table>& tables) {
    std::vector<TableDefinition> defs;
    defs.reserve(tables.size());
    for (const decl::Table& t : tables) defs.push_back(derive_table(t));
    for (std::size_t i = 0; i < tables.size(); ++i) {
        if (static_cast<int>(tables[i].id) != static_cast<int>(i))
            defs[i].problems.push_back(tables[i].name + ": out of dictionary order");
    }
    for (TableDefinition& def : defs) {
        for (const decl::Relation& r : def.declaration->relations) {
            ResolvedRelation rr;
            rr.type = r.type;
            rr.related = r.related;
            const std::size_t ri = static_cast<std::size_t>(r.related);
            if (ri >= defs.size()) {
                def.problems.push_back("relation to a table that is not there");
                continue;
            }
            if (r.type == decl::Relation::Type::Keyed) {
                const store::TableLayout& other = defs[ri].layout;
                rr.related_key = find_key(other, r.related_key);
                rr.field = find_field(def.layout, r.field);
                rr.related_field = find_field(other, r.related_field);
                if (rr.related_key < 0) def.problems.push_back("relation through a key that is not there: " + r.related_key);
                if (rr.field < 0) def.problems.push_back("relation from a field that is not there: " + r.field);
                if (rr.related_field < 0) def.problems.push_back("relation to a field that is not there: " + r.related_field);
            }
            def.relations.push_back(rr);
        }
    }
    return defs;
}

}  // namespace zrv::data
