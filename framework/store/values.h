#pragma once
// Value types and codecs of the record buffer: exact fixed-point decimals, packed decimal
// bytes, serial dates, standard times and the single-byte text of Text(n) fields.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zrv::store {

// An exact fixed-point number: units / 10^places. Never goes through binary floating point.
class Decimal {
public:
    static constexpr int max_places = 18;

    constexpr Decimal() = default;
    constexpr Decimal(std::int64_t units, int places) : units_(units), places_(places) {}
    static Decimal from_integer(std::int64_t value) { return Decimal(value, 0); }

    // "12", "-0.5", "+3.", ".25", " 7 " (blanks around are allowed). More places than `places`
    // are rounded half away from zero. nullopt for anything else or when out of 64-bit range.
    static std::optional<Decimal> parse(std::string_view text, int places);

    std::int64_t units() const { return units_; }
    int places() const { return places_; }

    // The same value with `places` places, rounded half away from zero; nullopt on overflow.
    std::optional<Decimal> rescaled(int places) const;
    // Rounded half away from zero to a whole number.
    std::int64_t rounded_integer() const;
    // "12.50", "-0.05", "7" (exactly `places` places).
    std::string to_string() const;
    // Number of digits before the point (0 for |value| < 1).
    int integer_digits() const;

    friend bool operator==(const Decimal& a, const Decimal& b);  // compares values: 1.50 == 1.5
    friend bool operator<(const Decimal& a, const Decimal& b);

private:
    std::int64_t units_ = 0;
    int places_ = 0;
};

// Packed decimal of `digits` digits, `places` of them after the point, in (digits+1)/2 bytes:
// the high half-byte of the first byte is the sign (0 positive, 0xF written for negative, any
// non-zero sign reads as negative), the remaining half-bytes are the digits, most significant
// first. pack rounds half away from zero to `places`; false (bytes unchanged) when the value has
// more integer digits than the field holds.
bool pack_decimal(const Decimal& value, int digits, int places, std::span<std::uint8_t> out);
// nullopt when a digit half-byte is not 0-9.
std::optional<Decimal> unpack_decimal(std::span<const std::uint8_t> in, int places);
int packed_size(int digits);

// Serial day numbers: 4 is 1 January 1801; a zero or invalid date gives 0.
// Valid dates run from 1 January 1801 to 31 December 9999.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};
bool valid_date(int year, int month, int day);
std::int32_t date_serial(int year, int month, int day);
std::optional<CivilDate> civil_from_serial(std::int32_t serial);  // nullopt for 0 / out of range
// "YYYY-MM-DD" <-> serial; an empty text is no date (0); nullopt for anything else.
std::optional<std::int32_t> parse_iso_date(std::string_view text);
std::string format_iso_date(std::int32_t serial);  // "" for 0

// Standard time: hundredths of a second since midnight plus 1; 0 is no time.
// Valid values run from 1 (00:00:00.00) to 8640000 (23:59:59.99).
constexpr std::int32_t max_standard_time = 8'640'000;
struct TimeOfDay {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int hundredths = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};
std::int32_t standard_time(int hours, int minutes, int seconds, int hundredths);  // 0 when invalid
std::optional<TimeOfDay> time_from_standard(std::int32_t standard);               // nullopt for 0 / invalid

// The program and the files speak UTF-8; a Text(n) field holds n characters (code points).
// The next character of a UTF-8 text from `at`, which moves past it; nullopt when the bytes there
// are not a well-formed character (a cut sequence, an overlong form, a surrogate, beyond U+10FFFF).

}  // namespace zrv::store
