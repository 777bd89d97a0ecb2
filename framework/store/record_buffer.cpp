#include "framework/store/record_buffer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "framework/services/utf8.h"
#include "framework/store/store_internal.h"

namespace zrv::store {
namespace {

// Marks a Time field that holds a time, so that midnight (all parts zero) is not "no time".
constexpr std::uint8_t time_set_bit = 0x80;

std::int32_t read_i32(std::span<const std::uint8_t> b) {
    std::uint32_t v = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                      static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    return static_cast<std::int32_t>(v);
}

void write_i32(std::span<std::uint8_t> b, std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

double read_real(std::span<const std::uint8_t> b) {
    double d;
    std::memcpy(&d, b.data(), sizeof d);
    return d;
}

void write_real(std::span<std::uint8_t> b, double d) { std::memcpy(b.data(), &d, sizeof d); }

// Whole number from text: blanks around allowed, empty is 0; nullopt otherwise.
std::optional<std::int64_t> parse_integer(std::string_view text) {
    text = detail::trim_blanks(text);
    if (text.empty()) return 0;
    auto d = Decimal::parse(text, 9);
    if (!d || d->units() % 1'000'000'000 != 0) return std::nullopt;
    return d->units() / 1'000'000'000;
}

std::string shortest(double d) {
    char text[400];
    auto result = std::to_chars(text, text + sizeof text, d);
    return std::string(text, result.ptr);
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

// Where a text beyond Latin-1 is kept beside the cells, a character the cells cannot hold
// stands there as this.
constexpr std::uint8_t beyond_latin1 = 0x1A;

void append_char(std::string& out, char32_t c) {
    if (c < 0x80) out.push_back(static_cast<char>(c));
    else append_utf8(out, c);
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

std::u32string decode(std::string_view utf8) {
    std::u32string out;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto c = next_utf8(utf8, at);
        if (!c) break;
        out.push_back(*c);
    }
    return out;
}

}  // namespace

RecordBuffer::RecordBuffer(const TableLayout& layout) : layout_(&layout), bytes_(layout.blank), memos_(layout.memos.size()) {
    if (layout.blank.size() != static_cast<std::size_t>(layout.buffer_size) || (layout.buffer_size == 0 && layout.record_size > 0))
        throw std::logic_error("the layout of " + layout.name + " has no cells placed (place_cells)");
}

void RecordBuffer::clear() {
    std::copy(layout_->blank.begin(), layout_->blank.end(), bytes_.begin());
    wide_.clear();
    for (std::string& m : memos_) m.clear();
}

void RecordBuffer::clear_field(int field) {
    const FieldLayout& fl = f(field);
    const auto blank = std::span(layout_->blank).subspan(static_cast<std::size_t>(fl.at), static_cast<std::size_t>(fl.width));
    std::copy(blank.begin(), blank.end(), span_of(fl).begin());
    if (wide_.empty()) return;
    if (fl.kind != FieldKind::Group) set_wide(field, {});
    for (std::size_t i = static_cast<std::size_t>(field) + 1; fl.kind == FieldKind::Group && i < layout_->fields.size() && layout_->fields[i].depth > fl.depth; ++i)
        set_wide(static_cast<int>(i), {});
}

const RecordBuffer::Wide* RecordBuffer::wide(int field) const {
    for (const Wide& w : wide_)
        if (w.field == field) return &w;
    return nullptr;
}

void RecordBuffer::set_wide(int field, std::u32string text) {
    if (text.empty() && wide_.empty()) return;
    auto at = std::lower_bound(wide_.begin(), wide_.end(), field, [](const Wide& w, int f) { return w.field < f; });
    const bool there = at != wide_.end() && at->field == field;
    if (text.empty()) {
        if (there) wide_.erase(at);
    } else if (there) {
        at->text = std::move(text);
    } else {
        wide_.insert(at, Wide{field, std::move(text)});
    }
}

void RecordBuffer::put_chars(int field, const std::u32string& chars) {
    const FieldLayout& fl = f(field);
    auto s = span_of(fl);
    const auto size = static_cast<std::size_t>(fl.size);
    bool latin1 = true;
    for (std::size_t i = 0; i < size; ++i) {
        const char32_t c = i < chars.size() ? chars[i] : U' ';
        if (c > 0xFF) latin1 = false;
        s[i] = c > 0xFF ? beyond_latin1 : static_cast<std::uint8_t>(c);
    }
    if (latin1) {
        set_wide(field, {});
        return;
    }
    std::u32string text = chars.substr(0, size);
    text.resize(size, U' ');
    set_wide(field, std::move(text));
}

char32_t RecordBuffer::char_at(int field, std::size_t i) const {
    if (const Wide* w = wide(field)) return w->text[i];
    return span_of(f(field))[i];
}

bool RecordBuffer::same_field(int field, const RecordBuffer& other) const {
    const FieldLayout& fl = f(field);
    if (fl.kind == FieldKind::Group) {
        for (std::size_t i = static_cast<std::size_t>(field) + 1; i < layout_->fields.size() && layout_->fields[i].depth > fl.depth; ++i)
            if (layout_->fields[i].kind != FieldKind::Group && !same_field(static_cast<int>(i), other)) return false;
        return true;
    }
    const auto x = span_of(fl), y = other.span_of(fl);
    if (!std::equal(x.begin(), x.end(), y.begin(), y.end())) return false;
    if (wide_.empty() && other.wide_.empty()) return true;
    const Wide *a = wide(field), *b = other.wide(field);
    return a == b || (a && b && a->text == b->text);
}

void RecordBuffer::copy_exact(int field, const RecordBuffer& from) {
    const FieldLayout& fl = f(field);
    if (fl.kind == FieldKind::Group) {
        for (std::size_t i = static_cast<std::size_t>(field) + 1; i < layout_->fields.size() && layout_->fields[i].depth > fl.depth; ++i)
            if (layout_->fields[i].kind != FieldKind::Group) copy_exact(static_cast<int>(i), from);
        return;
    }
    const auto x = from.span_of(fl);
    std::copy(x.begin(), x.end(), span_of(fl).begin());
    if (fl.kind != FieldKind::Text) return;
    const Wide* w = from.wide(field);
    set_wide(field, w ? w->text : std::u32string());
}

void RecordBuffer::append_image(int field, std::string& out) const {
    const FieldLayout& fl = f(field);
    if (fl.kind == FieldKind::Group) {
        for (std::size_t i = static_cast<std::size_t>(field) + 1; i < layout_->fields.size() && layout_->fields[i].depth > fl.depth; ++i)
            if (layout_->fields[i].kind != FieldKind::Group) append_image(static_cast<int>(i), out);
        return;
    }
    const auto x = span_of(fl);
    out.append(reinterpret_cast<const char*>(x.data()), x.size());
    if (fl.kind != FieldKind::Text) return;
    if (const Wide* w = wide_.empty() ? nullptr : wide(field)) {
        out.push_back('\x01');
        out.append(reinterpret_cast<const char*>(w->text.data()), w->text.size() * sizeof(char32_t));
    } else {
        out.push_back('\0');
    }
}

bool RecordBuffer::takes_whole_image(int field, std::string_view& image) const {
    std::string mine;
    append_image(field, mine);
    if (image.substr(0, mine.size()) != mine) return false;
    image.remove_prefix(mine.size());
    return true;
}

int RecordBuffer::memo_index(std::string_view name) const {
    for (std::size_t i = 0; i < layout_->memos.size(); ++i)
        if (detail::same_name(layout_->memos[i].name, name)) return static_cast<int>(i);
    return -1;
}

std::string RecordBuffer::get_text(int field) const {
    const FieldLayout& fl = f(field);
    auto s = span_of(fl);
    switch (fl.kind) {
    case FieldKind::Text: {
        const Wide* w = wide_.empty() ? nullptr : wide(field);
        if (!w && std::all_of(s.begin(), s.end(), [](std::uint8_t b) { return b < 0x80; }))
            return std::string(reinterpret_cast<const char*>(s.data()), s.size());  // ASCII, as most values are
        std::string out;
        out.reserve(static_cast<std::size_t>(fl.size) + 8);
        if (w)
            for (char32_t c : w->text) append_char(out, c);
        else
            for (std::uint8_t b : s) append_char(out, b);
        return out;
    }
    case FieldKind::Group: return group_text(field);
    case FieldKind::Long:
        return std::to_string(read_i32(s));
    case FieldKind::Byte:
        return std::to_string(s[0]);
    case FieldKind::Decimal: {
        auto d = unpack_decimal(s, fl.places);
        return d ? d->to_string() : Decimal(0, fl.places).to_string();
    }
    case FieldKind::Real:
        return shortest(read_real(s));
    case FieldKind::Date:
        return std::to_string(get_date(field));
    case FieldKind::Time:
        return std::to_string(get_time(field));
    }
    return {};
}

bool RecordBuffer::set_text(int field, std::string_view value) {
    const FieldLayout& fl = f(field);
    switch (fl.kind) {
    case FieldKind::Text: {
        const auto size = static_cast<std::size_t>(fl.size);
        if (std::all_of(value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
            // ASCII, as most values are: the bytes as they are.
            auto s = span_of(fl);
            const std::size_t n = std::min(value.size(), size);
            std::copy_n(reinterpret_cast<const std::uint8_t*>(value.data()), n, s.begin());
            std::fill(s.begin() + static_cast<std::ptrdiff_t>(n), s.end(), ' ');
            if (!wide_.empty()) set_wide(field, {});
            return value.size() <= size;
        }
        bool latin1 = true;
        const auto chars = count_chars(value, latin1);
        if (!chars) return false;
        if (!latin1) {
            put_chars(field, decode(value));
            return *chars <= size;
        }
        auto s = span_of(fl);
        std::size_t i = 0;
        for (std::size_t at = 0; i < size && at < value.size(); ++i) {
            const auto c = static_cast<unsigned char>(value[at]);
            if (c < 0x80) {
                ++at;
                s[i] = c;
            } else {
                s[i] = static_cast<std::uint8_t>(*next_utf8(value, at));
            }
        }
        std::fill(s.begin() + static_cast<std::ptrdiff_t>(i), s.end(), ' ');
        if (!wide_.empty()) set_wide(field, {});
        return *chars <= size;
    }
    case FieldKind::Group: return set_group_text(field, value);
    case FieldKind::Long:
    case FieldKind::Byte:
    case FieldKind::Date:
    case FieldKind::Time: {
        auto v = parse_integer(value);
        return v && set_integer(field, *v);
    }
    case FieldKind::Decimal: {
        std::string_view t = detail::trim_blanks(value);
        auto d = t.empty() ? std::optional<Decimal>(Decimal(0, fl.places)) : Decimal::parse(t, fl.places);
        return d && set_decimal(field, *d);
    }
    case FieldKind::Real: {
        std::string_view t = detail::trim_blanks(value);
        if (t.empty()) return set_real(field, 0.0);
        if (t.front() == '+') t.remove_prefix(1);
        double d = 0;
        auto result = std::from_chars(t.data(), t.data() + t.size(), d);
        if (result.ec != std::errc() || result.ptr != t.data() + t.size()) return false;
        return set_real(field, d);
    }
    }
    return false;
}

bool RecordBuffer::copy_field(int field, const RecordBuffer& from, int from_field) {
    const FieldLayout& to = f(field);
    const FieldLayout& source = from.f(from_field);
    if (to.kind == FieldKind::Text && source.kind == FieldKind::Text) {
        // Text is kept alike on both sides: cut or blank-padded.
        if (const Wide* w = from.wide_.empty() ? nullptr : from.wide(from_field)) {
            put_chars(field, w->text);
            return source.size <= to.size;
        }
        auto s = span_of(to);
        auto value = from.span_of(source);
        const std::size_t n = std::min(value.size(), s.size());
        std::copy_n(value.begin(), n, s.begin());
        std::fill(s.begin() + static_cast<std::ptrdiff_t>(n), s.end(), ' ');
        if (!wide_.empty()) set_wide(field, {});
        return value.size() <= s.size();
    }
    if (to.kind == source.kind && to.size == source.size && (to.kind == FieldKind::Long || to.kind == FieldKind::Byte)) {
        auto value = from.span_of(source);
        std::copy(value.begin(), value.end(), span_of(to).begin());
        return true;
    }
    return set_text(field, from.get_text(from_field));
}

std::string RecordBuffer::group_text(int group) const {
    const FieldLayout& g = f(group);
    std::string out;
    for (std::size_t i = static_cast<std::size_t>(group) + 1; i < layout_->fields.size() && layout_->fields[i].depth > g.depth; ++i) {
        const FieldLayout& inner = layout_->fields[i];
        if (inner.kind == FieldKind::Group) continue;
        if (inner.kind == FieldKind::Text)
            for (std::size_t c = 0; c < static_cast<std::size_t>(inner.size); ++c) append_char(out, char_at(static_cast<int>(i), c));
        else
            for (std::uint8_t b : span_of(inner)) append_char(out, b);
    }
    return out;
}

bool RecordBuffer::set_group_text(int group, std::string_view value) {
    std::u32string chars;
    for (std::size_t at = 0; at < value.size();) {
        auto c = next_utf8(value, at);
        if (!c) return false;
        chars.push_back(*c);
    }
    const FieldLayout& g = f(group);
    const std::size_t end = static_cast<std::size_t>(group) + 1;
    auto inside = [&](std::size_t i) { return i < layout_->fields.size() && layout_->fields[i].depth > g.depth; };
    // A byte of a field that is not text holds U+0000 to U+00FF only.
    std::size_t position = 0;
    for (std::size_t i = end; inside(i); ++i) {
        const FieldLayout& inner = layout_->fields[i];
        if (inner.kind == FieldKind::Group) continue;
        if (inner.kind != FieldKind::Text)
            for (std::size_t b = 0; b < static_cast<std::size_t>(inner.size); ++b)
                if (position + b < chars.size() && chars[position + b] > 0xFF) return false;
        position += static_cast<std::size_t>(inner.size);
    }
    position = 0;
    for (std::size_t i = end; inside(i); ++i) {
        const FieldLayout& inner = layout_->fields[i];
        if (inner.kind == FieldKind::Group) continue;
        const auto size = static_cast<std::size_t>(inner.size);
        const std::u32string mine = position < chars.size() ? chars.substr(position, size) : std::u32string();
        position += size;
        if (inner.kind == FieldKind::Text) {
            put_chars(static_cast<int>(i), mine);
            continue;
        }
        auto s = span_of(inner);
        for (std::size_t p = 0; p < size; ++p) s[p] = static_cast<std::uint8_t>(p < mine.size() ? mine[p] : U' ');
    }
    return chars.size() <= position;
}

std::int64_t RecordBuffer::get_integer(int field) const {
    const FieldLayout& fl = f(field);
    auto s = span_of(fl);
    switch (fl.kind) {
    case FieldKind::Long: return read_i32(s);
    case FieldKind::Byte: return s[0];
    case FieldKind::Decimal: return get_decimal(field).rounded_integer();
    case FieldKind::Real: {
        double d = std::round(read_real(s));
        return std::isfinite(d) && std::fabs(d) < 9.2e18 ? static_cast<std::int64_t>(d) : 0;
    }
    case FieldKind::Date: return get_date(field);
    case FieldKind::Time: return get_time(field);
    case FieldKind::Text:
    case FieldKind::Group: return parse_integer(detail::trim_blanks(get_text(field))).value_or(0);
    }
    return 0;
}

bool RecordBuffer::set_integer(int field, std::int64_t value) {
    const FieldLayout& fl = f(field);
    auto s = span_of(fl);
    switch (fl.kind) {
    case FieldKind::Long:
        if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) return false;
        write_i32(s, static_cast<std::int32_t>(value));
        return true;
    case FieldKind::Byte:
        if (value < 0 || value > 255) return false;
        s[0] = static_cast<std::uint8_t>(value);
        return true;
    case FieldKind::Decimal: return set_decimal(field, Decimal::from_integer(value));
    case FieldKind::Real: return set_real(field, static_cast<double>(value));
    case FieldKind::Date:
        return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max() &&
               set_date(field, static_cast<std::int32_t>(value));
    case FieldKind::Time:
        return value >= 0 && value <= max_standard_time && set_time(field, static_cast<std::int32_t>(value));
    case FieldKind::Text:
    case FieldKind::Group: return set_text(field, std::to_string(value));
    }
    return false;
}

Decimal RecordBuffer::get_decimal(int field) const {
    const FieldLayout& fl = f(field);
    auto s = span_of(fl);
    switch (fl.kind) {
    case FieldKind::Decimal: return unpack_decimal(s, fl.places).value_or(Decimal(0, fl.places));
    case FieldKind::Real: return decimal_of_real(read_real(s)).value_or(Decimal());
    case FieldKind::Text:
    case FieldKind::Group: return Decimal::parse(get_text(field), Decimal::max_places / 2).value_or(Decimal());
    default: return Decimal::from_integer(get_integer(field));
    }
}

bool RecordBuffer::set_decimal(int field, const Decimal& value) {
    const FieldLayout& fl = f(field);
    switch (fl.kind) {
    case FieldKind::Decimal: return pack_decimal(value, fl.digits, fl.places, span_of(fl));
    case FieldKind::Real: {
        // Through the exact decimal text, so 0.1 becomes the double nearest to 0.1.
        double d = 0;
        std::string t = value.to_string();
        std::from_chars(t.data(), t.data() + t.size(), d);
        return set_real(field, d);
    }
    case FieldKind::Text:
    case FieldKind::Group: return set_text(field, value.to_string());
    default: {
        if (value.rescaled(0) != value) return false;  // not a whole number
        return set_integer(field, value.rounded_integer());
    }
    }
}

double RecordBuffer::get_real(int field) const {
    const FieldLayout& fl = f(field);
    if (fl.kind == FieldKind::Real) return read_real(span_of(fl));
    std::string t = fl.kind == FieldKind::Text ? std::string(detail::trim_blanks(get_text(field))) : get_decimal(field).to_string();
    double d = 0;
    std::from_chars(t.data(), t.data() + t.size(), d);
    return d;
}

bool RecordBuffer::set_real(int field, double value) {
    const FieldLayout& fl = f(field);
    if (fl.kind == FieldKind::Real) {
        if (!std::isfinite(value)) return false;
        write_real(span_of(fl), value);
        return true;
    }
    if (fl.kind == FieldKind::Text || fl.kind == FieldKind::Group) return set_text(field, shortest(value));
    auto d = decimal_of_real(value);
    if (!d) return false;
    if (fl.kind == FieldKind::Decimal) return set_decimal(field, *d);
    return set_decimal(field, *d->rescaled(0));  // whole-number fields round half away from zero
}

std::int32_t RecordBuffer::get_date(int field) const {
    const FieldLayout& fl = f(field);
    if (fl.kind != FieldKind::Date) return static_cast<std::int32_t>(get_integer(field));
    auto s = span_of(fl);
    int year = s[2] | s[3] << 8;
    return date_serial(year, s[1], s[0]);
}

bool RecordBuffer::set_date(int field, std::int32_t serial) {
    const FieldLayout& fl = f(field);
    if (fl.kind != FieldKind::Date) return set_integer(field, serial);
    auto s = span_of(fl);
    if (serial == 0) {
        std::fill(s.begin(), s.end(), 0);
        return true;
    }
    auto d = civil_from_serial(serial);
    if (!d) return false;
    s[0] = static_cast<std::uint8_t>(d->day);
    s[1] = static_cast<std::uint8_t>(d->month);
    s[2] = static_cast<std::uint8_t>(d->year & 0xFF);
    s[3] = static_cast<std::uint8_t>(d->year >> 8);
    return true;
}

std::int32_t RecordBuffer::get_time(int field) const {
    const FieldLayout& fl = f(field);
    if (fl.kind != FieldKind::Time) return static_cast<std::int32_t>(get_integer(field));
    auto s = span_of(fl);
    if (s[0] == 0 && s[1] == 0 && s[2] == 0 && s[3] == 0) return 0;
    return standard_time(s[0], s[1], s[2], s[3] & 0x7F);
}

bool RecordBuffer::set_time(int field, std::int32_t standard) {
    const FieldLayout& fl = f(field);
    if (fl.kind != FieldKind::Time) return set_integer(field, standard);
    auto s = span_of(fl);
    if (standard == 0) {
        std::fill(s.begin(), s.end(), 0);
        return true;
    }
    auto t = time_from_standard(standard);
    if (!t) return false;
    s[0] = static_cast<std::uint8_t>(t->hours);
    s[1] = static_cast<std::uint8_t>(t->minutes);
    s[2] = static_cast<std::uint8_t>(t->seconds);
    s[3] = static_cast<std::uint8_t>(t->hundredths | time_set_bit);
    return true;
}

std::string RecordBuffer::get_text(std::string_view name) const {
    int i = field_index(name);
    if (i >= 0) return get_text(i);
    int m = memo_index(name);
    return m >= 0 ? memo(m) : std::string();
}

bool RecordBuffer::set_text(std::string_view name, std::string_view value) {
    int i = field_index(name);
    if (i >= 0) return set_text(i, value);
    int m = memo_index(name);
    return m >= 0 && set_memo(m, value);
}

std::int64_t RecordBuffer::get_integer(std::string_view name) const {
    int i = field_index(name);
    return i >= 0 ? get_integer(i) : 0;
}

bool RecordBuffer::set_integer(std::string_view name, std::int64_t value) {
    int i = field_index(name);
    return i >= 0 && set_integer(i, value);
}

Decimal RecordBuffer::get_decimal(std::string_view name) const {
    int i = field_index(name);
    return i >= 0 ? get_decimal(i) : Decimal();
}

bool RecordBuffer::set_decimal(std::string_view name, const Decimal& value) {
    int i = field_index(name);
    return i >= 0 && set_decimal(i, value);
}

bool RecordBuffer::set_memo(int memo, std::string_view text) {
    const MemoLayout& ml = layout_->memos.at(static_cast<std::size_t>(memo));
    if (utf8_characters(text) > static_cast<std::size_t>(ml.size)) return false;
    memos_[static_cast<std::size_t>(memo)] = text;
    return true;
}

bool RecordBuffer::field_is_valid(int field) const {
    const FieldLayout& fl = f(field);
    auto s = span_of(fl);
    switch (fl.kind) {
    case FieldKind::Decimal: return unpack_decimal(s, fl.places).has_value();
    case FieldKind::Real: return std::isfinite(read_real(s));
    case FieldKind::Date: return std::all_of(s.begin(), s.end(), [](auto b) { return b == 0; }) || get_date(field) != 0;
    case FieldKind::Time: return std::all_of(s.begin(), s.end(), [](auto b) { return b == 0; }) || get_time(field) != 0;
    default: return true;
    }
}

bool operator==(const RecordBuffer& a, const RecordBuffer& b) {
    return a.layout_ == b.layout_ && a.bytes_ == b.bytes_ && a.wide_ == b.wide_ && a.memos_ == b.memos_;
}

}  // namespace zrv::store
