#pragma once
// UTF-8 texts taken character by character (code points), so that nothing cuts, pads or
// compares a text in the middle of a character.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zrv {

// The character at `at`, moving `at` past it; a byte that starts no valid sequence stands for
// itself (one byte, its own value).
char32_t next_code_point(std::string_view text, std::size_t& at);
// The same for a text that must be well-formed: nothing (and `at` unmoved) where no character
// starts (a sequence cut short, a lone continuation byte, an overlong form, a surrogate half,
// beyond U+10FFFF).
std::optional<char32_t> next_utf8(std::string_view text, std::size_t& at);
bool valid_utf8(std::string_view text);
// One character in UTF-8 (nothing for a value that is no character).
void append_utf8(std::string& out, char32_t c);
std::string utf8_of(char32_t c);
// The text's first `chars` characters (all of it when it has fewer).
std::string_view utf8_prefix(std::string_view text, std::size_t chars);
// How many characters the text has.
std::size_t utf8_characters(std::string_view text);

}  // namespace zrv
