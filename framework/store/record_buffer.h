#pragma once
// RecordBuffer: the fixed-length record bytes of one table, laid out exactly as its TableLayout
// says, plus the table's memo texts. Typed access by field index or by name (without regard to
// case). A setter returns false when the value does not fit its field; the field is then left as
// it was (Text fields: the value is cut to the field's width, see set_text).
//
// Bytes of the kinds: Text one byte per character (ISO 8859-1), blank-padded; Long 32-bit
// little-endian; Decimal packed; Real IEEE double; Date day, month, 16-bit year (all zero: no
// date); Time hours, minutes, seconds, hundredths with the hundredths byte's high bit set, so
// that midnight differs from no time (all zero); Byte unsigned.
#include <cstdint>
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
    std::span<std::uint8_t> bytes() { return bytes_; }
    std::span<const std::uint8_t> bytes() const { return bytes_; }

    // Text blank, numbers zero, dates and times none, memos empty.
    void clear();
    void clear_field(int field);  // a group clears the fields it spans

    // Index of a field or memo by name, without regard to case; -1 when none.
    int field_index(std::string_view name) const { return layout_->field_index(name); }
    int memo_index(std::string_view name) const;

    // As text, in UTF-8. Text: the field's characters with their blank padding. Long, Byte: the
    // number. Decimal: the number with exactly its places ("12.50"). Real: the shortest form
    // that reads back the same. Date: the serial day number. Time: the standard time. Group: the
    // bytes it spans read as text (one character per byte).
    std::string get_text(int field) const;
    // Text: the value cut at the field's width (false when something was cut or a character is
    // not representable; unrepresentable text leaves the field unchanged) and blank-padded.
    // Numbers, dates, times: the value parsed as get_text writes it (blanks around allowed, empty
    // is zero); false and the field unchanged when it does not parse or does not fit.
    // Group: its bytes from the text's characters, blank-padded.
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
    std::span<std::uint8_t> span_of(const FieldLayout& field);
    std::span<const std::uint8_t> span_of(const FieldLayout& field) const;

    const TableLayout* layout_;
    // The cleared record's bytes (blank text, zero elsewhere), shared by the copies of a buffer.
    std::shared_ptr<const std::vector<std::uint8_t>> blank_;
    std::vector<std::uint8_t> bytes_;
    std::vector<std::string> memos_;
};

// Characters of a UTF-8 text (code points).
std::size_t utf8_length(std::string_view text);

}  // namespace zrv::store
