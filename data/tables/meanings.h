#pragma once
// What the columns hold that the layout rows do not say: meanings for families of fields named
// by a pattern (written beside the declarations, read by docs/table-columns.md), notes on a
// table's naming scheme, and the meanings of code values.
#include <string>
#include <string_view>
#include <vector>

namespace zrv::data::tables {

struct PatternMeaning {
    std::string prefix;   // the table's prefix ("KE24"), "" for any table
    std::string pattern;  // the field's name after its prefix: '#' a run of digits, '*' any text; letters in any case
    std::string meaning;
};

// In the order they are tried: the first pattern that matches gives the meaning of a field the
// layout rows give none.
const std::vector<PatternMeaning>& pattern_meanings();

// Whether a field name (after its prefix) matches a pattern, without regard to case.
bool matches_pattern(std::string_view pattern, std::string_view name);

// The text that explains a table's field names before its columns, "" when none.
std::string table_note(std::string_view prefix);

}  // namespace zrv::data::tables
