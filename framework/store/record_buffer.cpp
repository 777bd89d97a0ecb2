#include "framework/store/record_buffer.h"

#include <algorithm>
#include <stdexcept>

#include "framework/services/utf8.h"
#include "framework/store/field_kinds.h"
#include "framework/store/store_internal.h"

namespace zrv::store {
namespace {

// Text and Group fields are read from their characters; every other kind from its cells alone.
bool holds_text(const FieldLayout& field) { return field.kind == FieldKind::Text || field.kind == FieldKind::Group; }

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
    for (std::size_t i = static_cast<std::size_t>(field) + 1;
         fl.kind == FieldKind::Group && i < layout_->fields.size() && layout_->fields[i].depth > fl.depth; ++i)
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
        s[i] = c > 0xFF ? kinds::beyond_latin1 : static_cast<std::uint8_t>(c);
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
        for (std::size_t i = static_cast<std::size_t>(field) + 1; i < layout_->fields.size() && layout_->fields[i].depth > fl.depth;
             ++i)
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
        for (std::size_t i = static_cast<std::size_t>(field) + 1; i < layout_->fields.size() && layout_->fields[i].depth > fl.depth;
             ++i)
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
        for (std::size_t i = static_cast<std::size_t>(field) + 1; i < layout_->fields.size() && layout_->fields[i].depth > fl.depth;
             ++i)
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
    switch (fl.kind) {
        case FieldKind::Text: {
            if (const Wide* w = wide_.empty() ? nullptr : wide(field)) return kinds::wide_text(w->text);
            return kinds::latin1_text(span_of(fl));
        }
        case FieldKind::Group:
            return group_text(field);
        default:
            return kinds::text(fl, span_of(fl));
    }
}

bool RecordBuffer::set_text(int field, std::string_view value) {
    const FieldLayout& fl = f(field);
    switch (fl.kind) {
        case FieldKind::Text: {
            const auto size = static_cast<std::size_t>(fl.size);
            auto s = span_of(fl);
            if (kinds::set_ascii(s, value)) {
                if (!wide_.empty()) set_wide(field, {});
                return value.size() <= size;
            }
            bool latin1 = true;
            const auto chars = kinds::set_utf8(s, value, latin1);
            if (!chars) return false;
            if (!latin1) put_chars(field, kinds::decode(value));
            else if (!wide_.empty()) set_wide(field, {});
            return *chars <= size;
        }
        case FieldKind::Group:
            return set_group_text(field, value);
        default:
            return kinds::set_text(fl, span_of(fl), value);
    }
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
            for (std::size_t c = 0; c < static_cast<std::size_t>(inner.size); ++c)
                kinds::append_char(out, char_at(static_cast<int>(i), c));
        else
            for (std::uint8_t b : span_of(inner)) kinds::append_char(out, b);
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
    return holds_text(fl) ? kinds::integer_of_text(get_text(field)) : kinds::integer(fl, span_of(fl));
}

bool RecordBuffer::set_integer(int field, std::int64_t value) {
    const FieldLayout& fl = f(field);
    return holds_text(fl) ? set_text(field, std::to_string(value)) : kinds::set_integer(fl, span_of(fl), value);
}

Decimal RecordBuffer::get_decimal(int field) const {
    const FieldLayout& fl = f(field);
    return holds_text(fl) ? kinds::decimal_of_text(get_text(field)) : kinds::decimal(fl, span_of(fl));
}

bool RecordBuffer::set_decimal(int field, const Decimal& value) {
    const FieldLayout& fl = f(field);
    return holds_text(fl) ? set_text(field, value.to_string()) : kinds::set_decimal(fl, span_of(fl), value);
}

double RecordBuffer::get_real(int field) const {
    const FieldLayout& fl = f(field);
    if (fl.kind == FieldKind::Text) return kinds::real_of_text(get_text(field));
    if (fl.kind == FieldKind::Group) return kinds::real_of_decimal(get_decimal(field));
    return kinds::real(fl, span_of(fl));
}

bool RecordBuffer::set_real(int field, double value) {
    const FieldLayout& fl = f(field);
    return holds_text(fl) ? set_text(field, kinds::real_text(value)) : kinds::set_real(fl, span_of(fl), value);
}

std::int32_t RecordBuffer::get_date(int field) const {
    const FieldLayout& fl = f(field);
    return holds_text(fl) ? static_cast<std::int32_t>(get_integer(field)) : kinds::date(fl, span_of(fl));
}

bool RecordBuffer::set_date(int field, std::int32_t serial) {
    const FieldLayout& fl = f(field);
    return holds_text(fl) ? set_integer(field, serial) : kinds::set_date(fl, span_of(fl), serial);
}

std::int32_t RecordBuffer::get_time(int field) const {
    const FieldLayout& fl = f(field);
    return holds_text(fl) ? static_cast<std::int32_t>(get_integer(field)) : kinds::time(fl, span_of(fl));
}

bool RecordBuffer::set_time(int field, std::int32_t standard) {
    const FieldLayout& fl = f(field);
    return holds_text(fl) ? set_integer(field, standard) : kinds::set_time(fl, span_of(fl), standard);
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
    return holds_text(fl) || kinds::is_valid(fl, span_of(fl));
}

bool operator==(const RecordBuffer& a, const RecordBuffer& b) {
    return a.layout_ == b.layout_ && a.bytes_ == b.bytes_ && a.wide_ == b.wide_ && a.memos_ == b.memos_;
}

}  // namespace zrv::store
