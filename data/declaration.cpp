#include "data/declaration.h"

#include "data/tables/tables.h"

namespace zrv::data {

namespace decl {

Row field(int offset, std::string name, Kind kind, std::string meaning) {
    Row row;
    row.type = Row::Type::Field;
    row.offset = offset;
    row.name = std::move(name);
    row.kind = kind;
    row.meaning = std::move(meaning);
    return row;
}

Row repeat(char letter, int from, int to, int stride, std::vector<Row> body) {
    Row row;
    row.type = Row::Type::Repeat;
    row.letter = letter;
    row.from = from;
    row.to = to;
    row.stride = stride;
    row.body = std::move(body);
    return row;
}

Row units(std::vector<Kind> kinds, int unit_size, std::vector<UnitRow> rows) {
    Row row;
    row.type = Row::Type::Units;
    row.unit_kinds = std::move(kinds);
    row.unit_size = unit_size;
    row.units = std::move(rows);
    return row;
}

UnitRow unit(int offset, std::vector<UnitName> names) { return UnitRow{offset, std::move(names)}; }

Difference rename(std::string field, std::string new_name) {
    return Difference{Difference::Type::Rename, std::move(field), std::move(new_name), 0, 0};
}

Difference store_before(std::string moved, int at, std::string before, int before_at) {
    return Difference{Difference::Type::StoreBefore, std::move(moved), std::move(before), at, before_at};
}

Key key(std::string name, std::vector<std::string> components, Attribute attributes, std::string description, Auto auto_number) {
    return Key{std::move(name), std::move(components), attributes, std::move(description), auto_number};
}

Check list_check(std::string field, std::string label, std::string list, std::string display) {
    Check check;
    check.type = Check::Type::List;
    check.field = std::move(field);
    check.label = std::move(label);
    check.list = std::move(list);
    check.display = std::move(display);
    return check;
}

Check range_check(std::string field, std::string label, std::int64_t low, std::int64_t high, std::string display) {
    Check check;
    check.type = Check::Type::Range;
    check.field = std::move(field);
    check.label = std::move(label);
    check.low = low;
    check.high = high;
    check.display = std::move(display);
    return check;
}

std::vector<Default> set(std::vector<std::string> fields, Value value) {
    std::vector<Default> defaults;
    for (std::string& name : fields) defaults.push_back(Default{std::move(name), value});
    return defaults;
}

std::vector<Default> set_each(std::string pattern, int from, int to, Value value) {
    std::vector<Default> defaults;
    for (int n = from; n <= to; ++n) defaults.push_back(Default{substitute(pattern, 'n', n), value});
    return defaults;
}

std::vector<Default> in_order(std::vector<std::vector<Default>> parts) {
    std::vector<Default> all;
    for (auto& part : parts)
        for (Default& d : part) all.push_back(std::move(d));
    return all;
}

Relation keyed(TableId related, std::string related_key, std::string field, std::string related_field) {
    return Relation{Relation::Type::Keyed, related, std::move(related_key), std::move(field), std::move(related_field)};
}

Relation plain(TableId related) { return Relation{Relation::Type::Plain, related, {}, {}, {}}; }

std::string substitute(std::string_view text, char letter, int value) {
    const char pattern[] = {'{', letter, '}', '\0'};
    std::string out;
    std::size_t at = 0;
    for (;;) {
        std::size_t next = text.find(pattern, at);
        if (next == std::string_view::npos) break;
        out.append(text.substr(at, next - at));
        out += std::to_string(value);
        at = next + 3;
    }
    out.append(text.substr(at));
    return out;
}

namespace {

void substitute_rows(std::vector<Row>& rows, char letter, int value) {
    for (Row& row : rows) {
        row.name = substitute(row.name, letter, value);
        row.meaning = substitute(row.meaning, letter, value);
        substitute_rows(row.body, letter, value);
        for (UnitRow& u : row.units)
            for (UnitName& n : u.names) n.name = substitute(n.name, letter, value);
    }
}

}  // namespace

Table with(char letter, int value, Table table) {
    auto sub = [&](std::string& s) { s = substitute(s, letter, value); };
    sub(table.name);
    sub(table.prefix);
    sub(table.stored_name);
    sub(table.label);
    substitute_rows(table.layout, letter, value);
    for (Difference& d : table.differences) {
        sub(d.name);
        sub(d.other);
    }
    for (Memo& m : table.memos) sub(m.name);
    for (Key& k : table.keys) {
        sub(k.name);
        sub(k.description);
        for (std::string& c : k.components) sub(c);
    }
    for (Check& c : table.checks) sub(c.field);
    for (Default& d : table.defaults) sub(d.field);
    for (Relation& r : table.relations) {
        sub(r.field);
        sub(r.related_key);
        sub(r.related_field);
    }
    return table;
}

}  // namespace decl

const std::vector<decl::Table>& declarations() {
    static const std::vector<decl::Table> all = [] {
        using namespace tables;
        return std::vector<decl::Table>{
            kata_event(),
            kumite_individual(),
            kumite_equipo5(),
            competidor(),
            dojo(),
            tournament_info(),
            categoria(),
            divisiones(),
            resultados_kata_jueces5(),
            modalidades(),
            katas(),
            colores(),
            equipos(),
            tatami_mats(),
            resultados_manual(),
            scoreboard(),
            kata_juez_card1(),
            kata_juez_card2(),
            kata_juez_card(3),
            kata_juez_card(4),
            kata_juez_card(5),
            kata_juez_card(6),
            kata_juez_card(7),
        };
    }();
    return all;
}

}  // namespace zrv::data
