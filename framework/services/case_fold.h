#pragma once
// Case folding for every script the names use (Latin, Greek, Cyrillic, Armenian, Georgian,
// Cherokee, ...), by the Unicode case folding tables: two texts that differ only in case fold to
// the same text. Simple folding, one character for one, so that a folded text keeps its length.
#include <string>
#include <string_view>
#include <vector>

namespace zrv {

char32_t fold_case(char32_t c);
// Each character of a UTF-8 text folded, in UTF-8.
std::string folded_text(std::string_view text);
// The characters that fold as c does and that a text may begin with in place of it (c itself
// first): "Ł" and "ł", "Σ", "σ" and "ς".
std::vector<char32_t> case_variants(char32_t c);

}  // namespace zrv
