#include "framework/store/values.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include <limits>

namespace zrv::store {
namespace {

using i128 = __int128;

i128 pow10(int n) {
    static const auto table = [] {
        std::array<i128, 39> t{};
        t[0] = 1;
        for (std::size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 10;
        return t;
    }();
    return n <= 0 ? 1 : table[static_cast<std::size_t>(std::min(n, 38))];
}

bool fits_int64(i128 v) { return v >= std::numeric_limits<std::int64_t>::min() && v <= std::numeric_limits<std::int64_t>::max(); }

// v / 10^n rounded half away from zero.
i128 divide_rounded(i128 v, int n) {
    if (n <= 0) return v;
    i128 d = pow10(n);
    i128 q = v / d, r = v % d;
    if (r < 0) r = -r;
    if (2 * r >= d) q += v < 0 ? -1 : 1;
    return q;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t days_from_civil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

CivilDate civil_from_days(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

const std::int64_t first_day = days_from_civil(1801, 1, 1);  // serial 4
constexpr std::int32_t first_serial = 4;

}  // namespace

std::optional<Decimal> Decimal::parse(std::string_view text, int places) {
    if (places < 0 || places > max_places) return std::nullopt;
    text = trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    i128 units = 0;
    int decimals = 0, digits = 0, round_digit = -1;
    bool point = false;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            ++digits;
            if (point && decimals == places) {
                if (round_digit < 0) round_digit = c - '0';
                continue;
            }
            units = units * 10 + (c - '0');
            if (point) ++decimals;
            if (units > pow10(19)) return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    units *= pow10(places - decimals);
    if (round_digit >= 5) units += 1;
    if (negative) units = -units;
    if (!fits_int64(units)) return std::nullopt;
    return Decimal(static_cast<std::int64_t>(units), places);
}

std::optional<Decimal> Decimal::rescaled(int places) const {
    if (places < 0 || places > max_places) return std::nullopt;
    i128 v = places >= places_ ? i128(units_) * pow10(places - places_) : divide_rounded(units_, places_ - places);
    if (!fits_int64(v)) return std::nullopt;
    return Decimal(static_cast<std::int64_t>(v), places);
}

std::int64_t Decimal::rounded_integer() const { return static_cast<std::int64_t>(divide_rounded(units_, places_)); }

std::string Decimal::to_string() const {
    i128 v = units_;
    bool negative = v < 0;
    if (negative) v = -v;
    std::string digits;
    do {
        digits.push_back(static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    } while (v != 0);
    while (static_cast<int>(digits.size()) <= places_) digits.push_back('0');
    std::reverse(digits.begin(), digits.end());
    if (places_ > 0) digits.insert(digits.end() - places_, '.');
    return negative ? "-" + digits : digits;
}

int Decimal::integer_digits() const {
    i128 v = units_;
    if (v < 0) v = -v;
    v /= pow10(places_);
    int n = 0;
    while (v != 0) {
        ++n;
        v /= 10;
    }
    return n;
}

bool operator==(const Decimal& a, const Decimal& b) {
    int p = std::max(a.places_, b.places_);
    return i128(a.units_) * pow10(p - a.places_) == i128(b.units_) * pow10(p - b.places_);
}

bool operator<(const Decimal& a, const Decimal& b) {
    int p = std::max(a.places_, b.places_);
    return i128(a.units_) * pow10(p - a.places_) < i128(b.units_) * pow10(p - b.places_);
}

int packed_size(int digits) { return (digits + 1) / 2; }

bool pack_decimal(const Decimal& value, int digits, int places, std::span<std::uint8_t> out) {
    constexpr std::size_t max_bytes = 10;  // 19 digits
    if (out.empty() || out.size() > max_bytes) return false;
    auto scaled = value.places() == places ? std::optional<Decimal>(value) : value.rescaled(places);
    if (!scaled) return false;
    const bool negative = scaled->units() < 0;
    std::uint64_t v = negative ? 0 - static_cast<std::uint64_t>(scaled->units()) : static_cast<std::uint64_t>(scaled->units());
    const int nibbles = static_cast<int>(out.size()) * 2 - 1;
    if (static_cast<i128>(v) >= pow10(std::min(digits, nibbles))) return false;
    std::uint8_t bytes[max_bytes] = {};
    for (int i = nibbles; i >= 1; --i) {  // nibble 0 is the sign
        auto d = static_cast<std::uint8_t>(v % 10);
        v /= 10;
        bytes[i / 2] |= (i % 2 == 0) ? static_cast<std::uint8_t>(d << 4) : d;
    }
    if (negative) bytes[0] |= 0xF0;
    std::copy_n(bytes, out.size(), out.begin());
    return true;
}

std::optional<Decimal> unpack_decimal(std::span<const std::uint8_t> in, int places) {
    if (in.empty()) return std::nullopt;
    std::int64_t v = 0;
    const int nibbles = static_cast<int>(in.size()) * 2;
    for (int i = 1; i < nibbles; ++i) {
        std::uint8_t b = in[static_cast<std::size_t>(i / 2)];
        int d = (i % 2 == 0) ? b >> 4 : b & 0x0F;
        if (d > 9) return std::nullopt;
        v = v * 10 + d;
    }
    if ((in[0] >> 4) != 0) v = -v;
    return Decimal(v, places);
}

bool valid_date(int year, int month, int day) {
    if (year < 1801 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    int length = lengths[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= length;
}

std::int32_t date_serial(int year, int month, int day) {
    if (!valid_date(year, month, day)) return 0;
    return static_cast<std::int32_t>(days_from_civil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - first_day +
                                     first_serial);
}

std::optional<CivilDate> civil_from_serial(std::int32_t serial) {
    if (serial < first_serial) return std::nullopt;
    CivilDate d = civil_from_days(first_day + (serial - first_serial));
    if (d.year > 9999) return std::nullopt;
    return d;
}

std::optional<std::int32_t> parse_iso_date(std::string_view text) {
    if (text.empty()) return 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    auto number = [&](std::size_t at, std::size_t n) {
        int v = 0;
        for (std::size_t i = at; i < at + n; ++i) {
            if (text[i] < '0' || text[i] > '9') return -1;
            v = v * 10 + (text[i] - '0');
        }
        return v;
    };
    int y = number(0, 4), m = number(5, 2), d = number(8, 2);
    if (y < 0 || m < 0 || d < 0 || !valid_date(y, m, d)) return std::nullopt;
    return date_serial(y, m, d);
}

std::string format_iso_date(std::int32_t serial) {
    auto d = civil_from_serial(serial);
    if (!d) return {};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d->year, d->month, d->day);
    return text;
}

std::int32_t standard_time(int hours, int minutes, int seconds, int hundredths) {
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59 || hundredths < 0 || hundredths > 99)
        return 0;
    return ((hours * 60 + minutes) * 60 + seconds) * 100 + hundredths + 1;
}

std::optional<TimeOfDay> time_from_standard(std::int32_t standard) {
    if (standard < 1 || standard > max_standard_time) return std::nullopt;
    int t = standard - 1;
    return TimeOfDay{t / 360000, t / 6000 % 60, t / 100 % 60, t % 100};
}

}  // namespace zrv::store
