#include "framework/store/field_kinds.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "framework/services/utf8.h"
#include "framework/store/store_internal.h"

namespace zrv::store::kinds {
namespace {

// Long: signed 32-bit, little-endian.
std::int32_t read_long(Cells b) {
    std::uint32_t v = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                      static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    return static_cast<std::int32_t>(v);
}

bool write_long(MutableCells b, std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) return false;
    auto v = static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
    for (int i = 0; i < 4; ++i) b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    return true;
}

// Byte: unsigned 8-bit.
bool write_byte(MutableCells b, std::int64_t value) {
    if (value < 0 || value > 255) return false;
    b[0] = static_cast<std::uint8_t>(value);
    return true;
}

// Decimal: packed; digits that are not 0-9 read as zero.
Decimal read_decimal(const FieldLayout& field, Cells b) { return unpack_decimal(b, field.places).value_or(Decimal(0, field.places)); }

std::optional<Decimal> parse_decimal(std::string_view text, int places) {
    text = detail::trim_blanks(text);
    return text.empty() ? std::optional<Decimal>(Decimal(0, places)) : Decimal::parse(text, places);
}

// Real: IEEE double, finite only.
double read_real(Cells b) {
    double d;
    std::memcpy(&d, b.data(), sizeof d);
    return d;
}

bool write_real(MutableCells b, double d) {
    if (!std::isfinite(d)) return false;
    std::memcpy(b.data(), &d, sizeof d);
    return true;
}

std::optional<double> parse_real(std::string_view text) {
    text = detail::trim_blanks(text);
    if (text.empty()) return 0.0;
    if (text.front() == '+') text.remove_prefix(1);
    double d = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), d);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return d;
}

std::optional<Decimal> decimal_of_real(double d) {
    if (!std::isfinite(d)) return std::nullopt;
    char text[400];
    auto result = std::to_chars(text, text + sizeof text, d, std::chars_format::fixed);
    std::string_view t(text, static_cast<std::size_t>(result.ptr - text));
    auto point = t.find('.');
    int places = point == std::string_view::npos ? 0 : static_cast<int>(t.size() - point - 1);
    return Decimal::parse(t, std::min(places, Decimal::max_places / 2));
}

// Date: day, month, 16-bit year; all zero is no date.
std::int32_t read_date(Cells b) {
    int year = b[2] | b[3] << 8;
    return date_serial(year, b[1], b[0]);
}

bool write_date(MutableCells b, std::int32_t serial) {
    if (serial == 0) {
        std::fill(b.begin(), b.end(), 0);
        return true;
    }
    auto d = civil_from_serial(serial);
    if (!d) return false;
    b[0] = static_cast<std::uint8_t>(d->day);
    b[1] = static_cast<std::uint8_t>(d->month);
    b[2] = static_cast<std::uint8_t>(d->year & 0xFF);
    b[3] = static_cast<std::uint8_t>(d->year >> 8);
    return true;
}

// Time: hours, minutes, seconds, hundredths; this bit marks a Time field that holds a time, so
// that midnight (all parts zero) is not "no time".
constexpr std::uint8_t time_set_bit = 0x80;

std::int32_t read_time(Cells b) {
    if (b[0] == 0 && b[1] == 0 && b[2] == 0 && b[3] == 0) return 0;
    return standard_time(b[0], b[1], b[2], b[3] & 0x7F);
}

bool write_time(MutableCells b, std::int32_t standard) {
    if (standard == 0) {
        std::fill(b.begin(), b.end(), 0);
        return true;
    }
    auto t = time_from_standard(standard);
    if (!t) return false;
    b[0] = static_cast<std::uint8_t>(t->hours);
    b[1] = static_cast<std::uint8_t>(t->minutes);
    b[2] = static_cast<std::uint8_t>(t->seconds);
    b[3] = static_cast<std::uint8_t>(t->hundredths | time_set_bit);
    return true;
}

bool all_zero(Cells b) {
    return std::all_of(b.begin(), b.end(), [](auto v) { return v == 0; });
}

// The characters of a UTF-8 text and whether each is in Latin-1; nullopt when it is not
// well-formed.
std::optional<std::size_t> count_chars(std::string_view utf8, bool& latin1) {
    std::size_t n = 0;
    latin1 = true;
    for (std::size_t at = 0; at < utf8.size(); ++n) {
        if (static_cast<unsigned char>(utf8[at]) < 0x80) {
            ++at;
            continue;
        }
        const auto c = next_utf8(utf8, at);
        if (!c) return std::nullopt;
        if (*c > 0xFF) latin1 = false;
    }
    return n;
}

}  // namespace

std::string text(const FieldLayout& field, Cells cells) {
    switch (field.kind) {
        case FieldKind::Long:
            return std::to_string(read_long(cells));
        case FieldKind::Byte:
            return std::to_string(cells[0]);
        case FieldKind::Decimal:
            return read_decimal(field, cells).to_string();
        case FieldKind::Real:
            return real_text(read_real(cells));
        case FieldKind::Date:
            return std::to_string(read_date(cells));
        case FieldKind::Time:
            return std::to_string(read_time(cells));
        case FieldKind::Text:
        case FieldKind::Group:
            break;
    }
    return {};
}

bool set_text(const FieldLayout& field, MutableCells cells, std::string_view value) {
    switch (field.kind) {
        case FieldKind::Long:
        case FieldKind::Byte:
        case FieldKind::Date:
        case FieldKind::Time: {
            auto v = parse_integer(value);
            return v && set_integer(field, cells, *v);
        }
        case FieldKind::Decimal: {
            auto d = parse_decimal(value, field.places);
            return d && pack_decimal(*d, field.digits, field.places, cells);
        }
        case FieldKind::Real: {
            auto d = parse_real(value);
            return d && write_real(cells, *d);
        }
        case FieldKind::Text:
        case FieldKind::Group:
            break;
    }
    return false;
}

std::int64_t integer(const FieldLayout& field, Cells cells) {
    switch (field.kind) {
        case FieldKind::Long:
            return read_long(cells);
        case FieldKind::Byte:
            return cells[0];
        case FieldKind::Decimal:
            return read_decimal(field, cells).rounded_integer();
        case FieldKind::Real: {
            double d = std::round(read_real(cells));
            return std::isfinite(d) && std::fabs(d) < 9.2e18 ? static_cast<std::int64_t>(d) : 0;
        }
        case FieldKind::Date:
            return read_date(cells);
        case FieldKind::Time:
            return read_time(cells);
        case FieldKind::Text:
        case FieldKind::Group:
            break;
    }
    return 0;
}

bool set_integer(const FieldLayout& field, MutableCells cells, std::int64_t value) {
    switch (field.kind) {
        case FieldKind::Long:
            return write_long(cells, value);
        case FieldKind::Byte:
            return write_byte(cells, value);
        case FieldKind::Decimal:
            return pack_decimal(Decimal::from_integer(value), field.digits, field.places, cells);
        case FieldKind::Real:
            return write_real(cells, static_cast<double>(value));
        case FieldKind::Date:
            return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max() &&
                   write_date(cells, static_cast<std::int32_t>(value));
        case FieldKind::Time:
            return value >= 0 && value <= max_standard_time && write_time(cells, static_cast<std::int32_t>(value));
        case FieldKind::Text:
        case FieldKind::Group:
            break;
    }
    return false;
}

Decimal decimal(const FieldLayout& field, Cells cells) {
    switch (field.kind) {
        case FieldKind::Decimal:
            return read_decimal(field, cells);
        case FieldKind::Real:
            return decimal_of_real(read_real(cells)).value_or(Decimal());
        default:
            return Decimal::from_integer(integer(field, cells));
    }
}

bool set_decimal(const FieldLayout& field, MutableCells cells, const Decimal& value) {
    switch (field.kind) {
        case FieldKind::Decimal:
            return pack_decimal(value, field.digits, field.places, cells);
        case FieldKind::Real:
            return write_real(cells, real_of_decimal(value));  // so 0.1 becomes the double nearest to 0.1
        default:
            if (value.rescaled(0) != value) return false;  // not a whole number
            return set_integer(field, cells, value.rounded_integer());
    }
}

double real(const FieldLayout& field, Cells cells) {
    return field.kind == FieldKind::Real ? read_real(cells) : real_of_decimal(decimal(field, cells));
}

bool set_real(const FieldLayout& field, MutableCells cells, double value) {
    if (field.kind == FieldKind::Real) return write_real(cells, value);
    auto d = decimal_of_real(value);
    if (!d) return false;
    if (field.kind == FieldKind::Decimal) return pack_decimal(*d, field.digits, field.places, cells);
    return set_decimal(field, cells, *d->rescaled(0));  // whole-number fields round half away from zero
}

std::int32_t date(const FieldLayout& field, Cells cells) {
    return field.kind == FieldKind::Date ? read_date(cells) : static_cast<std::int32_t>(integer(field, cells));
}

bool set_date(const FieldLayout& field, MutableCells cells, std::int32_t serial) {
    return field.kind == FieldKind::Date ? write_date(cells, serial) : set_integer(field, cells, serial);
}

std::int32_t time(const FieldLayout& field, Cells cells) {
    return field.kind == FieldKind::Time ? read_time(cells) : static_cast<std::int32_t>(integer(field, cells));
}

bool set_time(const FieldLayout& field, MutableCells cells, std::int32_t standard) {
    return field.kind == FieldKind::Time ? write_time(cells, standard) : set_integer(field, cells, standard);
}

bool is_valid(const FieldLayout& field, Cells cells) {
    switch (field.kind) {
        case FieldKind::Decimal:
            return unpack_decimal(cells, field.places).has_value();
        case FieldKind::Real:
            return std::isfinite(read_real(cells));
        case FieldKind::Date:
            return all_zero(cells) || read_date(cells) != 0;
        case FieldKind::Time:
            return all_zero(cells) || read_time(cells) != 0;
        default:
            return true;
    }
}

std::string real_text(double value) {
    char text[400];
    auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string wide_text(const std::u32string& chars) {
    std::string out;
    out.reserve(chars.size() + 8);
    for (char32_t c : chars) append_char(out, c);
    return out;
}

std::optional<std::size_t> set_utf8(MutableCells cells, std::string_view value, bool& latin1) {
    const auto chars = count_chars(value, latin1);
    if (!chars || !latin1) return chars;
    std::size_t i = 0;
    for (std::size_t at = 0; i < cells.size() && at < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[at]);
        if (c < 0x80) {
            ++at;
            cells[i] = c;
        } else {
            cells[i] = static_cast<std::uint8_t>(*next_utf8(value, at));
        }
    }
    std::fill(cells.begin() + static_cast<std::ptrdiff_t>(i), cells.end(), ' ');
    return chars;
}

std::u32string decode(std::string_view utf8) {
    std::u32string out;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto c = next_utf8(utf8, at);
        if (!c) break;
        out.push_back(*c);
    }
    return out;
}

}  // namespace zrv::store::kinds
