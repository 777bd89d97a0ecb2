#include "framework/services/case_fold.h"

#include <algorithm>

#include <unicode/uchar.h>

#include "framework/services/utf8.h"

namespace zrv {

char32_t fold_case(char32_t c) {
    if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 32 : c;
    return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

std::string folded_text(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) append_utf8(out, fold_case(next_code_point(text, at)));
    return out;
}

std::vector<char32_t> case_variants(char32_t c) {
    std::vector<char32_t> out{c};
    const UChar32 u = static_cast<UChar32>(c);
    for (UChar32 v : {u_tolower(u), u_toupper(u), u_totitle(u), u_foldCase(u, U_FOLD_CASE_DEFAULT)})
        if (std::find(out.begin(), out.end(), static_cast<char32_t>(v)) == out.end()) out.push_back(static_cast<char32_t>(v));
    // A final sigma folds as sigma does: each of the three stands for the others.
    if (fold_case(c) == 0x3C3)
        for (char32_t v : {U'\u03A3', U'\u03C3', U'\u03C2'})
            if (std::find(out.begin(), out.end(), v) == out.end()) out.push_back(v);
    return out;
}

}  // namespace zrv
