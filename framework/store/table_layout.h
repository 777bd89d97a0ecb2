#pragma once
// The shape of one table as the store needs it: fields in record order with their kinds,
// sizes and offsets, memos, and keys. The data dictionary declares a TableLayout for each of
// the 23 tables; the store derives columns, indexes and record buffers from it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zrv::store {

enum class FieldKind : std::uint8_t {
    Text,     // Text(n): n bytes in the file's layout, n characters (code points) of any script
    Long,     // signed 32-bit, little-endian
    Decimal,  // Decimal(d,p): packed decimal, (d+1)/2 bytes
    Real,     // IEEE double
    Date,     // day, month, 16-bit year
    Time,     // hours, minutes, seconds, hundredths
    Byte,     // unsigned 8-bit
    Group,    // spans the fields that follow it at the next depth; no bytes of its own
};

struct FieldLayout {
    std::string name;  // with prefix, as declared ("SB:IDCombate"); matched without regard to case
    FieldKind kind;
    int size = 0;    // bytes in the record (0 for a group)
    int digits = 0;  // Decimal: d
    int places = 0;  // Decimal: p
    int offset = 0;  // from the start of the record
    int depth = 0;   // 0 at the top level, +1 inside each group
    int group = -1;  // index of the enclosing group field, -1 at the top level
    // Where the record buffer keeps the field (place_cells): its first byte and its bytes there,
    // as in the layout (a text beyond Latin-1 is kept beside them); a group: the bytes of the
    // fields it spans.
    int at = 0;
    int width = 0;
    // The value a new record starts with, as an SQL literal ("'2'", "90", "-1"): the column's
    // default in a file this program makes. Empty: blank text, zero or no date.
    std::string initial;
};

struct MemoLayout {
    std::string name;  // "SB:ShikakuAkaMO"
    int size = 0;      // Memo(n): at most n characters
};

struct KeyComponent {
    int field = 0;  // index into TableLayout::fields
    bool descending = false;
};

struct KeyLayout {
    std::string name;         // "SB:KeyIDCombate"
    std::string description;  // the registered description that messages use ("KeyIDCombate")
    std::vector<KeyComponent> components;
    bool unique = false;
    bool primary = false;
    bool optional = false;
    bool auto_number = false;  // only the first key of a table
    // every key compares text without regard to case
};

struct TableLayout {
    std::string name;                 // "ScoreBoard"
    std::string prefix;               // "SB"
    std::string stored_name;          // "scoreboard": the file in the current folder (the store adds its extension)
    std::string label;                // the name messages use ("ScoreBoard")
    int record_size = 0;              // bytes, memos excluded
    int buffer_size = 0;              // bytes of a record buffer (place_cells)
    std::vector<std::uint8_t> blank;  // a cleared record buffer: blank text, zero elsewhere
    std::vector<FieldLayout> fields;
    std::vector<MemoLayout> memos;
    std::vector<KeyLayout> keys;

    // Index of a field or key by name, without regard to case; -1 when none.
    int field_index(std::string_view field_name) const;
    int key_index(std::string_view key_name) const;
};

// Places the fields in the record buffer (each field's `at` and `width`, the buffer's size and
// its blank image), in record order; the layout's offsets and sizes stay as declared. Every
// layout is placed once, when it is made, before a record buffer of it exists.
void place_cells(TableLayout& layout);

// The layout signature a table file keeps (zrv_layout.signature): a first line with the table's
// name and record size, one line per field (name, kind, size, digits and places, offset, depth)
// and one per memo, each ending in a line feed. Every name is spelled with the table's prefix as
// the layout gives it ("EQU:TotalIntegrantes").
std::string layout_signature(const TableLayout& layout);
// Whether a file's signature is this one: line by line, without regard to the case of letters,
// to the blanks between and after the words, to carriage returns or to empty lines. A file
// whose signature is not its layout's is of another layout.
bool same_signature(std::string_view found, std::string_view expected);
// Where a file's signature first differs from the expected one, as same_signature compares
// them ("line 7 reads \"FIELD ...\" where the layout has \"FIELD ...\""); "" when they are the same.
std::string signature_difference(std::string_view found, std::string_view expected);

}  // namespace zrv::store
