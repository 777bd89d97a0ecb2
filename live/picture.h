#pragma once
// Display pictures: how a bound value is shown in an entry, a string or a list cell, and how
// the operator's text is read back.
//
//   @n[-][_]<width>[.<places>][B]  numbers: '-' allows a minus sign, '_' is accepted and means
//                                   nothing more, B shows zero as blank. A value that does not
//                                   fit the width shows as '#' repeated width times.
//   @s<width>, @S<width>            texts of up to width characters (trailing blanks dropped)
//   @D17                            dates in the system's short date, DD/MM/YYYY
//
// Thousands are never grouped: every number is shown as plain digits, so an event number, a
// record number and a point total read the same in a list, an entry and a search text.
// The leading '@' may be left out ("n-10").
#include <optional>
#include <string>
#include <string_view>

#include "framework/store/values.h"

namespace zrv::live {

class Picture {
public:
    enum class Kind { None, Number, Text, Date };

    // nullopt when the text is not a picture this system uses.
    static std::optional<Picture> parse(std::string_view picture);
    Picture() = default;  // no picture: values pass through unchanged

    Kind kind() const { return kind_; }
    int width() const { return width_; }
    int places() const { return places_; }
    bool allows_minus() const { return minus_; }
    bool blank_when_zero() const { return blank_zero_; }

    // A number (exact), a text or a serial date shown by the picture.
    std::string format_number(const store::Decimal& value) const;
    std::string format_text(std::string_view text) const;
    std::string format_date(std::int32_t serial) const;

    // The operator's text read back: numbers as exact decimals (blank is zero), dates as serial
    // numbers (blank is no date), texts as typed. nullopt when the text cannot be read.
    std::optional<store::Decimal> read_number(std::string_view text) const;
    std::optional<std::int32_t> read_date(std::string_view text) const;

private:
    Kind kind_ = Kind::None;
    int width_ = 0;
    int places_ = 0;
    bool minus_ = false;
    bool blank_zero_ = false;
};

}  // namespace zrv::live
