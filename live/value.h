#pragma once
// The values of screen expressions: a number (exact) or a text. Numbers turn into their
// decimal text wherever a text is needed; texts that read as numbers turn into numbers.
#include <string>
#include <string_view>
#include <variant>

#include "framework/store/values.h"

namespace zrv::live {

class Value {
public:
    Value() : v_(store::Decimal()) {}
    Value(store::Decimal number) : v_(number) {}
    Value(std::string text) : v_(std::move(text)) {}
    static Value integer(std::int64_t n) { return Value(store::Decimal::from_integer(n)); }

    bool is_number() const { return std::holds_alternative<store::Decimal>(v_); }
    std::string text() const;
    store::Decimal number() const;  // a text that is not a number is 0

    // Numbers compare by value, texts without regard to case; a number sorts before a text.
    friend int compare(const Value& a, const Value& b);

private:
    std::variant<store::Decimal, std::string> v_;
};

}  // namespace zrv::live
