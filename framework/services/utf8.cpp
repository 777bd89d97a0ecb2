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

std::optional<char32_t> next_utf8(std::string_view utf8, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char c = byte(at);
    if (c < 0x80) {
        ++at;
        return c;
    }
    int more = 0;
    char32_t cp = 0, least = 0;
    if ((c & 0xE0) == 0xC0) more = 1, cp = c & 0x1F, least = 0x80;
    else if ((c & 0xF0) == 0xE0) more = 2, cp = c & 0x0F, least = 0x800;
    else if ((c & 0xF8) == 0xF0) more = 3, cp = c & 0x07, least = 0x10000;
    else return std::nullopt;
    if (at + static_cast<std::size_t>(more) >= utf8.size()) return std::nullopt;
    for (int k = 1; k <= more; ++k) {
        const unsigned char n = byte(at + static_cast<std::size_t>(k));
        if ((n & 0xC0) != 0x80) return std::nullopt;
        cp = cp << 6 | (n & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    at += static_cast<std::size_t>(more) + 1;
    return cp;
}

bool valid_utf8(std::string_view utf8) {
    for (std::size_t at = 0; at < utf8.size();)
        if (!next_utf8(utf8, at)) return false;
    return true;
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
