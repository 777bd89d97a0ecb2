#include "framework/services/text_matcher.h"

#include "framework/services/case_fold.h"
#include "framework/services/utf8.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <iterator>
#include <string>
#include <vector>

namespace zrv {
namespace {

constexpr std::size_t kMaxWords = 10;

// Weights of word 1, 2, ... by the number of words; each row is divided by its sum.
constexpr std::array<std::array<int, kMaxWords>, kMaxWords> kWeights = {{
    {100},
    {65, 35},
    {50, 30, 20},
    {40, 30, 20, 10},
    {34, 27, 20, 13, 6},
    {29, 24, 19, 14, 9, 5},
    {25, 21, 17, 14, 11, 8, 4},
    {20, 18, 15, 14, 11, 10, 7, 5},
    {20, 17, 15, 13, 11, 9, 7, 5, 3},
    {19, 17, 15, 13, 11, 9, 7, 5, 3, 1},
}};

bool blank(char32_t c) { return c == ' ' || c == '\t'; }

// Letters and digits, and every character beyond ASCII, make up words.
bool word_char(char32_t c) { return c >= 0x80 || std::isalnum(static_cast<unsigned char>(c)); }

// The base letters of the precomposed Latin letters U+00C0 to U+017F, one or two characters
// each ("*" stands for a character kept as it is: the multiplication and division signs).
constexpr const char* kLatinBase[] = {
    "A", "A", "A",  "A",  "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",   // U+00C0
    "D", "N", "O",  "O",  "O", "O", "O",  "*", "O", "U", "U", "U", "U", "Y", "TH", "ss",  // U+00D0
    "a", "a", "a",  "a",  "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // U+00E0
    "d", "n", "o",  "o",  "o", "o", "o",  "*", "o", "u", "u", "u", "u", "y", "th", "y",   // U+00F0
    "A", "a", "A",  "a",  "A", "a", "C",  "c", "C", "c", "C", "c", "C", "c", "D",  "d",   // U+0100
    "D", "d", "E",  "e",  "E", "e", "E",  "e", "E", "e", "E", "e", "G", "g", "G",  "g",   // U+0110
    "G", "g", "G",  "g",  "H", "h", "H",  "h", "I", "i", "I", "i", "I", "i", "I",  "i",   // U+0120
    "I", "i", "IJ", "ij", "J", "j", "K",  "k", "k", "L", "l", "L", "l", "L", "l",  "L",   // U+0130
    "l", "L", "l",  "N",  "n", "N", "n",  "N", "n", "n", "N", "n", "O", "o", "O",  "o",   // U+0140
    "O", "o", "OE", "oe", "R", "r", "R",  "r", "R", "r", "S", "s", "S", "s", "S",  "s",   // U+0150
    "S", "s", "T",  "t",  "T", "t", "T",  "t", "U", "u", "U", "u", "U", "u", "U",  "u",   // U+0160
    "U", "u", "U",  "u",  "W", "w", "Y",  "y", "Y", "Z", "z", "Z", "z", "Z", "z",  "s",   // U+0170
};

// Greek letters with tonos or dialytika, U+0386 to U+03CE, by their base letter (0: none).
constexpr char16_t kGreekBase[] = {
    0x391, 0,     0x395, 0x397, 0x399, 0,     0x39F, 0,      // U+0386
    0x3A5, 0x3A9, 0x3B9, 0,     0,     0,     0,     0,      // U+038E
    0,     0,     0,     0,     0,     0,     0,     0,      // U+0396
    0,     0,     0,     0,     0,     0,     0,     0,      // U+039E
    0,     0,     0,     0,     0x399, 0x3A5, 0x3B1, 0x3B5,  // U+03A6
    0x3B7, 0x3B9, 0x3C5, 0,     0,     0,     0,     0,      // U+03AE
    0,     0,     0,     0,     0,     0,     0,     0,      // U+03B6
    0,     0,     0,     0,     0,     0,     0,     0,      // U+03BE
    0,     0,     0,     0,     0x3B9, 0x3C5, 0x3BF, 0x3C5,  // U+03C6
    0x3C9,                                                   // U+03CE
};
static_assert(std::size(kGreekBase) == 0x3CF - 0x386);

// Appends c without its accents: a precomposed letter becomes its base letter(s), a combining
// mark is left out, anything else stays.
void append_base(std::u32string& out, char32_t c) {
    if (c >= 0xC0 && c <= 0x17F) {
        const char* base = kLatinBase[c - 0xC0];
        if (*base != '*') {
            for (; *base; ++base) out += static_cast<char32_t>(*base);
            return;
        }
    } else if (c >= 0x300 && c <= 0x36F) {
        return;  // combining accents
    } else if (c >= 0x386 && c <= 0x3CE && kGreekBase[c - 0x386]) {
        c = kGreekBase[c - 0x386];
    } else if (c == 0x218 || c == 0x21A) {
        c = c == 0x218 ? 'S' : 'T';  // Romanian S and T with comma below
    } else if (c == 0x219 || c == 0x21B) {
        c = c == 0x219 ? 's' : 't';
    } else if (c == 0x401 || c == 0x451) {
        c = c == 0x401 ? 0x415 : 0x435;  // Cyrillic IO as IE
    }
    out += c;
}

// The fewest single-character edits that turn word into some substring of text.
std::size_t edits_to_substring(std::u32string_view word, std::u32string_view text) {
    std::vector<std::size_t> column(word.size() + 1);
    for (std::size_t i = 0; i <= word.size(); ++i) column[i] = i;
    std::size_t best = word.size();
    for (char32_t t : text) {
        std::size_t diagonal = column[0];  // a match may start anywhere in text: row 0 stays 0
        for (std::size_t i = 1; i <= word.size(); ++i) {
            std::size_t above = column[i];
            column[i] = std::min({column[i] + 1, column[i - 1] + 1, diagonal + (word[i - 1] == t ? 0 : 1)});
            diagonal = above;
        }
        best = std::min(best, column[word.size()]);
    }
    return best;
}

// The edit distance between a and b.
std::size_t edits_between(std::u32string_view a, std::u32string_view b) {
    std::vector<std::size_t> column(a.size() + 1);
    for (std::size_t i = 0; i <= a.size(); ++i) column[i] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
        std::size_t diagonal = column[0];
        column[0] = j;
        for (std::size_t i = 1; i <= a.size(); ++i) {
            std::size_t above = column[i];
            column[i] = std::min({column[i] + 1, column[i - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return column[a.size()];
}

int share(std::size_t kept, std::size_t whole) { return whole == 0 ? 0 : static_cast<int>(100 * kept / whole); }

bool whole_word_hit(std::u32string_view word, std::u32string_view text) {
    for (std::size_t at = text.find(word); at != std::u32string_view::npos; at = text.find(word, at + 1)) {
        std::size_t end = at + word.size();
        if ((at == 0 || !word_char(text[at - 1])) && (end == text.size() || !word_char(text[end]))) return true;
    }
    return false;
}

int word_score(std::u32string_view word, std::u32string_view text, bool whole_words) {
    if (!whole_words) {
        if (text.find(word) != std::u32string_view::npos) return 100;
        return share(word.size() - edits_to_substring(word, text), word.size());
    }
    if (whole_word_hit(word, text)) return 100;
    int best = 0;
    for (std::size_t i = 0; i < text.size();) {
        while (i < text.size() && !word_char(text[i])) ++i;
        std::size_t start = i;
        while (i < text.size() && word_char(text[i])) ++i;
        if (i == start) continue;
        std::u32string_view token = text.substr(start, i - start);
        std::size_t longer = std::max(word.size(), token.size());
        best = std::max(best, std::min(99, share(longer - edits_between(word, token), longer)));
    }
    return best;
}

}  // namespace

std::u32string TextMatcher::folded(std::string_view s, bool fold) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t at = 0; at < s.size();) append_base(out, next_code_point(s, at));
    if (fold)
        for (char32_t& c : out) c = fold_case(c);
    return out;
}

void TextMatcher::initialize() {
    case_insensitive_ = true;
    whole_word_ = false;
}

void TextMatcher::set_options(int option, bool on) {
    if (option == CaseInsensitive) case_insensitive_ = on;
    else if (option == WholeWord) whole_word_ = on;
}

void TextMatcher::release() {}

int TextMatcher::score(std::string_view query, std::string_view text) const {
    const bool fold = case_insensitive_;
    const bool whole_words = whole_word_;
    const std::u32string asked = folded(query, fold);
    const std::u32string_view q = asked;
    std::vector<std::u32string_view> words;
    for (std::size_t i = 0; i < q.size() && words.size() < kMaxWords;) {
        while (i < q.size() && blank(q[i])) ++i;
        std::size_t start = i;
        while (i < q.size() && !blank(q[i])) ++i;
        if (i > start) words.push_back(q.substr(start, i - start));
    }
    if (words.empty()) return 100;
    if (std::all_of(text.begin(), text.end(), [](char c) { return blank(static_cast<unsigned char>(c)); })) return 0;

    const std::u32string haystack = folded(text, fold);
    const auto& weights = kWeights[words.size() - 1];
    int total = 0, sum = 0;
    for (std::size_t k = 0; k < words.size(); ++k) {
        total += weights[k] * word_score(words[k], haystack, whole_words);
        sum += weights[k];
    }
    return std::clamp((total + sum / 2) / sum, 0, 100);
}

}  // namespace zrv
