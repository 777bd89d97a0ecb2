#include "live/picture.h"

#include <cctype>
#include <cstdio>

#include "framework/services/utf8.h"
#include "framework/store/record_buffer.h"

namespace zrv::live {

namespace {

bool read_int(std::string_view& s, int& out) {
    std::size_t i = 0;
    int v = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) && i < 4) v = v * 10 + (s[i++] - '0');
    if (i == 0) return false;
    out = v;
    s.remove_prefix(i);
    return true;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

}  // namespace

std::optional<Picture> Picture::parse(std::string_view text) {
    std::string_view s = text;
    if (!s.empty() && s.front() == '@') s.remove_prefix(1);
    if (s.empty()) return std::nullopt;
    Picture p;
    const char kind = s.front();
    s.remove_prefix(1);
    if (kind == 'n' || kind == 'N') {
        p.kind_ = Kind::Number;
        for (; !s.empty() && (s.front() == '-' || s.front() == '_'); s.remove_prefix(1))
            if (s.front() == '-') p.minus_ = true;
        if (!read_int(s, p.width_) || p.width_ == 0) return std::nullopt;
        if (!s.empty() && s.front() == '.') {
            s.remove_prefix(1);
            if (!read_int(s, p.places_) || p.places_ > 9 || p.places_ >= p.width_) return std::nullopt;
        }
        if (!s.empty() && (s.front() == 'B' || s.front() == 'b')) {
            p.blank_zero_ = true;
            s.remove_prefix(1);
        }
    } else if (kind == 's' || kind == 'S') {
        p.kind_ = Kind::Text;
        if (!read_int(s, p.width_) || p.width_ == 0 || p.width_ > 4096) return std::nullopt;
    } else if (kind == 'D' || kind == 'd') {
        p.kind_ = Kind::Date;
        int style = 0;
        if (!read_int(s, style) || style != 17) return std::nullopt;
        p.width_ = 10;
    } else {
        return std::nullopt;
    }
    if (!s.empty()) return std::nullopt;
    return p;
}

std::string Picture::format_number(const store::Decimal& value) const {
    if (kind_ == Kind::None) return value.to_string();
    if (kind_ == Kind::Text) return format_text(value.to_string());
    if (kind_ == Kind::Date) return format_date(static_cast<std::int32_t>(value.rounded_integer()));
    std::optional<store::Decimal> shown = value.rescaled(places_);
    if (!shown) return std::string(static_cast<std::size_t>(width_), '#');
    if (shown->units() == 0) {
        if (blank_zero_) return {};
        shown = store::Decimal(0, places_);  // never "-0"
    }
    if (shown->units() < 0 && !minus_) return std::string(static_cast<std::size_t>(width_), '#');
    std::string out = shown->to_string();
    if (static_cast<int>(out.size()) > width_) return std::string(static_cast<std::size_t>(width_), '#');
    return out;
}

std::string Picture::format_text(std::string_view text) const {
    std::string_view s = text;
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    if (kind_ != Kind::Text) return std::string(s);
    return std::string(utf8_prefix(s, static_cast<std::size_t>(width_)));  // whole characters
}

std::string Picture::format_date(std::int32_t serial) const {
    if (kind_ != Kind::Date) return serial == 0 ? std::string() : std::to_string(serial);
    std::optional<store::CivilDate> d = store::civil_from_serial(serial);
    if (!d) return {};
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", d->day, d->month, d->year);
    return buffer;
}

std::optional<store::Decimal> Picture::read_number(std::string_view text) const {
    std::string_view s = trim(text);
    if (s.empty()) return store::Decimal(0, places_);
    std::optional<store::Decimal> v = store::Decimal::parse(s, kind_ == Kind::Number ? places_ : 9);
    if (!v) return std::nullopt;
    if (kind_ == Kind::Number && v->units() < 0 && !minus_) return std::nullopt;
    return v;
}

std::optional<std::int32_t> Picture::read_date(std::string_view text) const {
    std::string_view s = trim(text);
    if (s.empty()) return 0;
    int day = 0, month = 0, year = 0;
    char tail = 0;
    const std::string copy(s);
    if (std::sscanf(copy.c_str(), "%2d/%2d/%4d%c", &day, &month, &year, &tail) == 3 && store::valid_date(year, month, day))
        return store::date_serial(year, month, day);
    if (std::optional<std::int32_t> iso = store::parse_iso_date(s)) return iso;
    return std::nullopt;
}

}  // namespace zrv::live
