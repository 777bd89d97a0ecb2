#pragma once
// The conversions of every field kind in one place: a field's cells to a value and back, its
// value to text and the parsing of that text, and whether its cells hold a value it can have.
// The record buffer locates a field's cells and hands them here once; values.h holds the
// arithmetic the kinds share (fixed-point decimals, packing them, calendar and clock).
//
// Cells of the kinds: Text one byte per character (ISO 8859-1), blank-padded (a text beyond
// Latin-1 is kept by the record beside its cells); Long 32-bit little-endian; Decimal packed;
// Real IEEE double; Date day, month, 16-bit year (all zero: no date); Time hours, minutes,
// seconds, hundredths with the hundredths byte's high bit set, so that midnight differs from no
// time (all zero); Byte unsigned.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "framework/services/utf8.h"
#include "framework/store/store_internal.h"
#include "framework/store/table_layout.h"
#include "framework/store/values.h"

namespace zrv::store::kinds {

using Cells = std::span<const std::uint8_t>;
using MutableCells = std::span<std::uint8_t>;

// A field held in its cells alone (any kind but Text and Group), read and set as each of the
// record buffer's value types, with the record buffer's rules (record_buffer.h). A setter that
// returns false leaves the cells as they were.
std::string text(const FieldLayout& field, Cells cells);
bool set_text(const FieldLayout& field, MutableCells cells, std::string_view value);
std::int64_t integer(const FieldLayout& field, Cells cells);
bool set_integer(const FieldLayout& field, MutableCells cells, std::int64_t value);
Decimal decimal(const FieldLayout& field, Cells cells);
bool set_decimal(const FieldLayout& field, MutableCells cells, const Decimal& value);
double real(const FieldLayout& field, Cells cells);
bool set_real(const FieldLayout& field, MutableCells cells, double value);
std::int32_t date(const FieldLayout& field, Cells cells);
bool set_date(const FieldLayout& field, MutableCells cells, std::int32_t serial);
std::int32_t time(const FieldLayout& field, Cells cells);
bool set_time(const FieldLayout& field, MutableCells cells, std::int32_t standard);
bool is_valid(const FieldLayout& field, Cells cells);

// The values of a Text or Group field, from its text: a whole number (trimmed, 0 when it is not
// one), an exact number and a double (zero when it is not a number); and the text a number is
// kept in there. Inline, as the record's own reads were: a form reads every field of a record.
// Long, Byte, Date and Time as text: the whole number; blanks around allowed, empty is 0.
inline std::optional<std::int64_t> parse_integer(std::string_view text) {
    text = detail::trim_blanks(text);
    if (text.empty()) return 0;
    auto d = Decimal::parse(text, 9);
    if (!d || d->units() % 1'000'000'000 != 0) return std::nullopt;
    return d->units() / 1'000'000'000;
}
inline std::int64_t integer_of_text(std::string_view text) { return parse_integer(text).value_or(0); }
inline Decimal decimal_of_text(std::string_view text) { return Decimal::parse(text, Decimal::max_places / 2).value_or(Decimal()); }
inline double real_of_text(std::string_view text) {
    text = detail::trim_blanks(text);
    double d = 0;
    std::from_chars(text.data(), text.data() + text.size(), d);
    return d;
}
inline double real_of_decimal(const Decimal& value) {
    const std::string t = value.to_string();
    double d = 0;
    std::from_chars(t.data(), t.data() + t.size(), d);
    return d;
}
std::string real_text(double value);  // the shortest form that reads back the same

// Text cells. Where a text beyond Latin-1 is kept beside the cells, a character the cells
// cannot hold stands there as this.
constexpr std::uint8_t beyond_latin1 = 0x1A;
// As UTF-8; a group's text is made of it, character by character.
inline void append_char(std::string& out, char32_t c) {
    if (c < 0x80) out.push_back(static_cast<char>(c));
    else append_utf8(out, c);
}
// The UTF-8 text of Latin-1 cells.
inline std::string latin1_text(Cells cells) {
    if (std::all_of(cells.begin(), cells.end(), [](std::uint8_t b) { return b < 0x80; }))
        return std::string(reinterpret_cast<const char*>(cells.data()), cells.size());  // ASCII, as most values are
    std::string out;
    out.reserve(cells.size() + 8);
    for (std::uint8_t b : cells) append_char(out, b);
    return out;
}
// The UTF-8 text of characters kept beside the cells.
std::string wide_text(const std::u32string& chars);
// A UTF-8 text into Text cells, cut or blank-padded to their size. set_ascii takes a text that
// is all ASCII, as most values are (false, cells unchanged, for any other); set_utf8 any other:
// the number of its characters, nullopt when it is not well-formed; when a character is beyond
// U+00FF, `latin1` is false and the cells are left as they were, for the record to keep the text
// beside them (decode).
inline bool set_ascii(MutableCells cells, std::string_view value) {
    if (!std::all_of(value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) return false;
    const std::size_t n = std::min(value.size(), cells.size());
    std::copy_n(reinterpret_cast<const std::uint8_t*>(value.data()), n, cells.begin());
    std::fill(cells.begin() + static_cast<std::ptrdiff_t>(n), cells.end(), ' ');
    return true;
}
std::optional<std::size_t> set_utf8(MutableCells cells, std::string_view value, bool& latin1);
std::u32string decode(std::string_view utf8);

}  // namespace zrv::store::kinds
