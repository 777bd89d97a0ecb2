#pragma once
// UTF-8 texts taken character by character (code points), so that nothing cuts, pads or
// compares a text in the middle of a character.
#include <cstddef>
#include <string>
#include <string_view>

namespace zrv {

// The character at `at`, moving `at` past it; a byte that starts no valid sequence stands for
// itself (one byte, its own value).
char32_t next_code_point(std::string_view text, std::size_t& at);
// One character in UTF-8 (nothing for a value that is no character).
void append_utf8(std::string& out, char32_t c);
std::string utf8_of(char32_t c);
// The text's first `chars` characters (all of it when it has fewer).
std::string_view utf8_prefix(std::string_view text, std::size_t chars);
// How many characters the text has.
std::size_t utf8_characters(std::string_view text);

}  // namespace zrv
