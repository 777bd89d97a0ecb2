#include "live/value.h"

#include <cctype>

namespace zrv::live {

std::string Value::text() const {
    if (const auto* d = std::get_if<store::Decimal>(&v_)) return d->to_string();
    return std::get<std::string>(v_);
}

store::Decimal Value::number() const {
    if (const auto* d = std::get_if<store::Decimal>(&v_)) return *d;
    const std::string& t = std::get<std::string>(v_);
    const std::size_t point = t.find('.');
    int places = 0;
    if (point != std::string::npos)
        while (point + 1 + static_cast<std::size_t>(places) < t.size() &&
               std::isdigit(static_cast<unsigned char>(t[point + 1 + static_cast<std::size_t>(places)])) && places < 9)
            ++places;
    return store::Decimal::parse(t, places).value_or(store::Decimal());
}

int compare(const Value& a, const Value& b) {
    if (a.is_number() && b.is_number()) {
        const store::Decimal x = a.number(), y = b.number();
        return x < y ? -1 : y < x ? 1 : 0;
    }
    if (a.is_number() != b.is_number()) return a.is_number() ? -1 : 1;
    const std::string x = a.text(), y = b.text();
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int cx = std::toupper(static_cast<unsigned char>(x[i])), cy = std::toupper(static_cast<unsigned char>(y[i]));
        if (cx != cy) return cx < cy ? -1 : 1;
    }
    return x.size() < y.size() ? -1 : x.size() > y.size() ? 1 : 0;
}

}  // namespace zrv::live
