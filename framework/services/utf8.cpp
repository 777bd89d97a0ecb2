#include "framework/services/utf8.h"

namespace zrv {

char32_t next_code_point(std::string_view s, std::size_t& at) {
    const unsigned char b = static_cast<unsigned char>(s[at]);
    const std::size_t extra = b >= 0xF0 && b < 0xF5 ? 3 : b >= 0xE0 && b < 0xF0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : 0;
    if (extra > 0 && at + extra < s.size()) {
        char32_t c = b & (0x3F >> extra);
        bool ok = true;
        for (std::size_t k = 1; k <= extra; ++k) {
            const unsigned char n = static_cast<unsigned char>(s[at + k]);
            ok = ok && (n & 0xC0) == 0x80;
            c = (c << 6) | (n & 0x3F);
        }
        if (ok) {
            at += extra + 1;
            return c;
        }
    }
    ++at;
    return b;
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        if (c >= 0xD800 && c < 0xE000) return;  // a surrogate half is no character
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x110000) {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string utf8_of(char32_t c) {
    std::string out;
    append_utf8(out, c);
    return out;
}

std::string_view utf8_prefix(std::string_view text, std::size_t chars) {
    std::size_t at = 0;
    for (std::size_t n = 0; n < chars && at < text.size(); ++n) next_code_point(text, at);
    return text.substr(0, at);
}

std::size_t utf8_characters(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t at = 0; at < text.size(); ++n) next_code_point(text, at);
    return n;
}

}  // namespace zrv
