#pragma once
// The two kinds of field check the tables declare.
#include <cstdint>
#include <string_view>

#include "framework/store/values.h"

namespace zrv::data {

// List check: `value` with its trailing blanks removed must be one of the list's values exactly
// (case counts). The list holds each allowed value between ']' and '[' ("]1[]2[]3[]4["). Every
// value is compared whole, so "1[]2" is not in that list although its text occurs in it; an
// empty value and a value with a leading blank are not in any list of the tables.
bool in_list(std::string_view list, std::string_view value);

// Range check: both bounds included.
bool in_range(const store::Decimal& value, std::int64_t low, std::int64_t high);

}  // namespace zrv::data
