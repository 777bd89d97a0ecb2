#pragma once
// The vocabulary in which the 23 tables are declared (data/tables/*.cpp). A declaration reads
// like the table it comes from: layout rows with their offsets, repeat runs and unit rows, memos,
// keys, field checks, new-record defaults and relations. Everything the store and the screens
// use (TableLayout, key components, managers) is derived from these rows by data/derive.h; the
// offsets written here are checked against the derived ones, never trusted.
//
// Layout notation:
//   field(offset, name, kind[, meaning]) one field; a Group(span) field spans the fields after it;
//                                        the meaning is its description in the data dictionary
//                                        (docs/table-columns.md is made of them)
//   repeat('n', a, b, stride, {rows})    the rows (written for n = a) occur for n = a..b, each
//                                        occurrence `stride` bytes after the one before; "{n}" in
//                                        a name is the occurrence's number. Repeats nest ('j').
//   units({kinds}, size, {unit rows})    one row per unit: unit(offset, {names}); the names take
//                                        the kinds in order, a name may give its own kind.
//   with('k', 6, ...)                    (see card declarations) fixes a letter for a whole table.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/store/table_layout.h"

namespace zrv::data {

// The 23 tables, in dictionary order: the order in which every thread builds, initialises and
// releases their managers.
enum class TableId : int {
    KataEvent,
    KumiteIndividual,
    KumiteEquipo5,
    Competidor,
    Dojo,
    TournamentInfo,
    Categoria,
    Divisiones,
    ResultadosKataJueces5,
    Modalidades,
    Katas,
    Colores,
    Equipos,
    TatamiMats,
    ResultadosManual,
    ScoreBoard,
    KataJuezCard1,
    KataJuezCard2,
    KataJuezCard3,
    KataJuezCard4,
    KataJuezCard5,
    KataJuezCard6,
    KataJuezCard7,
};
inline constexpr int table_count = 23;

namespace decl {

using store::FieldKind;

struct Kind {
    FieldKind kind = FieldKind::Text;
    int size = 0;  // bytes; for a group, the bytes it spans
    int digits = 0;
    int places = 0;
};

constexpr Kind Text(int n) { return {FieldKind::Text, n, 0, 0}; }
constexpr Kind Decimal(int digits, int places) { return {FieldKind::Decimal, (digits + 1) / 2, digits, places}; }
constexpr Kind Group(int span) { return {FieldKind::Group, span, 0, 0}; }
inline constexpr Kind Long{FieldKind::Long, 4, 0, 0};
inline constexpr Kind Real{FieldKind::Real, 8, 0, 0};
inline constexpr Kind Date{FieldKind::Date, 4, 0, 0};
inline constexpr Kind Time{FieldKind::Time, 4, 0, 0};
inline constexpr Kind Byte{FieldKind::Byte, 1, 0, 0};

// A name in a unit row, optionally with a kind of its own.
struct UnitName {
    UnitName(const char* name) : name(name) {}
    UnitName(std::string name) : name(std::move(name)) {}
    UnitName(const char* name, Kind kind) : name(name), kind(kind), own_kind(true) {}
    std::string name;
    Kind kind{};
    bool own_kind = false;
};

struct UnitRow {
    int offset = 0;
    std::vector<UnitName> names;
};

struct Row {
    enum class Type { Field, Repeat, Units };
    Type type = Type::Field;
    // Field
    int offset = 0;
    std::string name;
    Kind kind{};
    std::string meaning;  // the data dictionary's description; may be empty
    // Repeat
    char letter = 0;
    int from = 0;
    int to = 0;
    int stride = 0;
    std::vector<Row> body;
    // Units
    std::vector<Kind> unit_kinds;
    int unit_size = 0;
    std::vector<UnitRow> units;
};

Row field(int offset, std::string name, Kind kind, std::string meaning = {});
Row repeat(char letter, int from, int to, int stride, std::vector<Row> body);
Row units(std::vector<Kind> kinds, int unit_size, std::vector<UnitRow> rows);
UnitRow unit(int offset, std::vector<UnitName> names);

// A change made to a layout after its rows are expanded: the cards given as differences from
// another card use these.
struct Difference {
    enum class Type { Rename, StoreBefore };
    Type type = Type::Rename;
    std::string name;      // Rename: the field; StoreBefore: the field that moves
    std::string other;     // Rename: its new name; StoreBefore: the field it now precedes
    int offset = 0;        // StoreBefore: the moved field's offset
    int other_offset = 0;  // StoreBefore: the offset of the field it now precedes
};
Difference rename(std::string field, std::string new_name);
// `moved` (now at `at`) is stored right before `before` (now at `before_at`).
Difference store_before(std::string moved, int at, std::string before, int before_at);

struct Memo {
    std::string name;  // the name it is bound by for expressions ("SB:ShikakuAkaMO")
    int size = 0;      // Memo(n)
};

// Key attributes.
enum Attribute : unsigned {
    Unique = 1,
    Duplicates = 2,
    Primary = 4,
    Optional = 8,
};
constexpr Attribute operator|(Attribute a, Attribute b) {
    return static_cast<Attribute>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
enum class Auto { No, Yes };

struct Key {
    std::string name;
    std::vector<std::string> components;  // field names; a leading '-' is descending
    Attribute attributes = Duplicates;
    std::string description;  // registered description, used by the store's messages
    Auto auto_number = Auto::No;
};
Key key(std::string name, std::vector<std::string> components, Attribute attributes, std::string description, Auto auto_number);

struct Check {
    enum class Type { List, Range };
    Type type = Type::List;
    std::string field;
    std::string label;     // %Field of the message
    std::string list;      // List: the allowed values, each between ']' and '[' ("]1[]2[")
    std::int64_t low = 0;  // Range: both bounds included
    std::int64_t high = 0;
    std::string display;  // %Message of the message
};
Check list_check(std::string field, std::string label, std::string list, std::string display);
Check range_check(std::string field, std::string label, std::int64_t low, std::int64_t high, std::string display);

struct Value {
    Value(std::int64_t number) : number(number) {}
    Value(int number) : number(number) {}
    Value(const char* text) : is_text(true), text(text) {}
    bool is_text = false;
    std::int64_t number = 0;
    std::string text;
};

struct Default {
    std::string field;
    Value value;
};
// One default per field named, in the order given ("{n}" runs over from..to when given).
std::vector<Default> set(std::vector<std::string> fields, Value value);
std::vector<Default> set_each(std::string pattern, int from, int to, Value value);

struct Relation {
    enum class Type { Keyed, Plain };
    Type type = Type::Keyed;
    TableId related{};
    std::string related_key;  // Keyed
    std::string field;        // Keyed: the declaring table's link field
    std::string related_field;
};
Relation keyed(TableId related, std::string related_key, std::string field, std::string related_field);
Relation plain(TableId related);

struct Table {
    TableId id{};
    std::string name;         // "ScoreBoard"
    std::string prefix;       // "SB"
    std::string stored_name;  // "scoreboard"
    std::string label;        // the name messages use
    int record_size = 0;      // as declared; checked against the derived layout
    std::vector<Row> layout{};
    std::vector<Difference> differences{};
    std::vector<Memo> memos{};
    std::vector<Key> keys{};
    std::vector<Check> checks{};
    std::vector<Default> defaults{};
    std::vector<Relation> relations{};
};

// Joins default lists written as groups of rows into one list, keeping their order.
std::vector<Default> in_order(std::vector<std::vector<Default>> parts);

// Replaces "{letter}" by `value` in every name of a table (a card declared for any judge).
Table with(char letter, int value, Table table);
std::string substitute(std::string_view text, char letter, int value);

}  // namespace decl

// Every table's declaration, in dictionary order.
const std::vector<decl::Table>& declarations();

}  // namespace zrv::data
