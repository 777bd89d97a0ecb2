#pragma once
// RecordBuffer: the fixed-length record of one table, each field in the cells its TableLayout
// places it in (place_cells), plus the table's memo texts. Typed access by field index or by
// name (without regard to case). A setter returns false when the value does not fit its field;
// the field is then left as it was (Text fields: the value is cut to the field's size, see
// set_text).
//
// Cells of the kinds: Text one byte per character (ISO 8859-1), blank-padded, while every
// character is one of U+0000 to U+00FF; a text holding any other character is kept beside the
// cells, one code point per character (the cells then hold no value of their own). Long 32-bit
// little-endian; Decimal packed; Real IEEE double; Date day, month, 16-bit year (all zero: no
// date); Time hours, minutes, seconds, hundredths with the hundredths byte's high bit set, so
// that midnight differs from no time (all zero); Byte unsigned. So a record of Western names
// costs what its layout's bytes cost to copy and compare; a name in any other script, a little
// more.
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/store/table_layout.h"
#include "framework/store/values.h"

namespace zrv::store {

class RecordBuffer {
public:
    explicit RecordBuffer(const TableLayout& layout);

    const TableLayout& layout() const { return *layout_; }
    // The bytes of a field that is not text (a group: of the fields it spans), for what keeps
    // a pointer to one or writes bytes that no setter writes.
    std::span<std::uint8_t> cells(int field) { return span_of(f(field)); }
    std::span<const std::uint8_t> cells(int field) const { return span_of(f(field)); }

    // A field as it is, without converting it (a group: each field it spans): whether another
    // buffer of the layout holds it alike, and taking it from one.
    bool same_field(int field, const RecordBuffer& other) const;
    void copy_exact(int field, const RecordBuffer& from);
    // A field's image: the same text for two buffers exactly when same_field; for what keeps a
    // field to compare it later (a cache, a key searched for).
    void append_image(int field, std::string& out) const;
    bool image_is(int field, std::string_view image) const { return takes_image(field, image) && image.empty(); }
    // Whether `image` starts with the field's image; if so, it is taken off.
    bool takes_image(int field, std::string_view& image) const {  // a form's every redisplay asks it of every field
        const FieldLayout& fl = layout_->fields[static_cast<std::size_t>(field)];
        if (fl.kind == FieldKind::Group || !wide_.empty()) return takes_whole_image(field, image);
        const auto width = static_cast<std::size_t>(fl.width);
        const std::size_t n = width +
                              (fl.kind == FieldKind::Text ? 1 : 0);  // a text's bytes are followed by '\0' (no characters beside them)
        if (image.size() < n || (n > width && image[width] != '\0') || std::memcmp(bytes_.data() + fl.at, image.data(), width) != 0)
            return false;
        image.remove_prefix(n);
        return true;
    }

    // Text blank, numbers zero, dates and times none, memos empty.
    void clear();
    void clear_field(int field);  // a group clears the fields it spans

    // Index of a field or memo by name, without regard to case; -1 when none.
    int field_index(std::string_view name) const { return layout_->field_index(name); }
    int memo_index(std::string_view name) const;

    // As text, in UTF-8. Text: the field's characters with their blank padding. Long, Byte: the
    // number. Decimal: the number with exactly its places ("12.50"). Real: the shortest form
    // that reads back the same. Date: the serial day number. Time: the standard time. Group: the
    // record positions it spans read as text: a text field's positions its characters, any other
    // field's bytes one character (U+0000 to U+00FF) each.
    std::string get_text(int field) const;
    // Text: the value cut at the field's size in characters (false when something was cut) and
    // blank-padded; text that is not well-formed UTF-8 leaves the field unchanged (false).
    // Numbers, dates, times: the value parsed as get_text writes it (blanks around allowed, empty
    // is zero); false and the field unchanged when it does not parse or does not fit.
    // Group: its positions from the text's characters, one each, blank-padded; false and the
    // group unchanged when a character beyond U+00FF falls on a byte of a field that is not text.
    bool set_text(int field, std::string_view value);
    // Another record's field into this one's, exactly as set_text(field, from.get_text(from_field))
    // would put it; a text or whole number goes across without being converted.
    bool copy_field(int field, const RecordBuffer& from, int from_field);

    // Long, Byte, Decimal (rounded), Real (rounded), Date (serial), Time (standard);
    // Text: the trimmed text as a whole number, 0 when it is not one.
    std::int64_t get_integer(int field) const;
    bool set_integer(int field, std::int64_t value);

    // Exact value of any numeric field (Real: through its shortest decimal form); Text: parsed,
    // zero when it is not a number.
    Decimal get_decimal(int field) const;
    bool set_decimal(int field, const Decimal& value);

    double get_real(int field) const;
    bool set_real(int field, double value);

    // Date fields as serial day numbers; Time fields as standard times.
    std::int32_t get_date(int field) const;
    bool set_date(int field, std::int32_t serial);
    std::int32_t get_time(int field) const;
    bool set_time(int field, std::int32_t standard);

    // By name; an unknown name reads empty/zero and sets nothing (false).
    std::string get_text(std::string_view name) const;
    bool set_text(std::string_view name, std::string_view value);
    std::int64_t get_integer(std::string_view name) const;
    bool set_integer(std::string_view name, std::int64_t value);
    Decimal get_decimal(std::string_view name) const;
    bool set_decimal(std::string_view name, const Decimal& value);

    // Memos: UTF-8 text of at most the memo's size in characters; false when longer (unchanged).
    const std::string& memo(int memo) const { return memos_.at(static_cast<std::size_t>(memo)); }
    bool set_memo(int memo, std::string_view text);

    // Whether the bytes of a field hold a value this field can have (a Decimal with digits
    // 0-9 only, a valid or empty date or time, Text that is not the cause of trouble).
    bool field_is_valid(int field) const;

    // Same layout, same bytes and memos.
    friend bool operator==(const RecordBuffer& a, const RecordBuffer& b);

private:
    const FieldLayout& f(int field) const { return layout_->fields.at(static_cast<std::size_t>(field)); }
    std::span<std::uint8_t> span_of(const FieldLayout& field) {
        return std::span(bytes_).subspan(static_cast<std::size_t>(field.at), static_cast<std::size_t>(field.width));
    }
    std::span<const std::uint8_t> span_of(const FieldLayout& field) const {
        return std::span(bytes_).subspan(static_cast<std::size_t>(field.at), static_cast<std::size_t>(field.width));
    }
    bool takes_whole_image(int field, std::string_view& image) const;
    std::string group_text(int group) const;
    bool set_group_text(int group, std::string_view value);
    // A text field's characters beyond Latin-1, by field, in field order; most records hold none.
    struct Wide {
        int field;
        std::u32string text;  // the field's size in characters, blank-padded
        friend bool operator==(const Wide&, const Wide&) = default;
    };
    const Wide* wide(int field) const;
    void set_wide(int field, std::u32string text);           // empty: none
    void put_chars(int field, const std::u32string& chars);  // cut or blank-padded to the size
    char32_t char_at(int field, std::size_t i) const;

    const TableLayout* layout_;
    std::vector<std::uint8_t> bytes_;  // a copy of the layout's blank image when cleared
    std::vector<Wide> wide_;
    std::vector<std::string> memos_;
};

}  // namespace zrv::store
