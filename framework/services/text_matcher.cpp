#include "framework/services/text_matcher.h"

#include <algorithm>
#include <array>
#include <cctype>
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

bool blank(char c) { return c == ' ' || c == '\t'; }

// Letters and digits, and every byte of a non-ASCII character, make up words.
bool word_char(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u >= 0x80 || std::isalnum(u);
}

std::string folded(std::string_view s, bool fold) {
    std::string out(s);
    if (fold)
        for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The fewest single-character edits that turn word into some substring of text.
std::size_t edits_to_substring(std::string_view word, std::string_view text) {
    std::vector<std::size_t> column(word.size() + 1);
    for (std::size_t i = 0; i <= word.size(); ++i) column[i] = i;
    std::size_t best = word.size();
    for (char t : text) {
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
std::size_t edits_between(std::string_view a, std::string_view b) {
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

int share(std::size_t kept, std::size_t whole) {
    return whole == 0 ? 0 : static_cast<int>(100 * kept / whole);
}

bool whole_word_hit(std::string_view word, std::string_view text) {
    for (std::size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) {
        std::size_t end = at + word.size();
        if ((at == 0 || !word_char(text[at - 1])) && (end == text.size() || !word_char(text[end]))) return true;
    }
    return false;
}

int word_score(std::string_view word, std::string_view text, bool whole_words) {
    if (!whole_words) {
        if (text.find(word) != std::string_view::npos) return 100;
        return share(word.size() - edits_to_substring(word, text), word.size());
    }
    if (whole_word_hit(word, text)) return 100;
    int best = 0;
    for (std::size_t i = 0; i < text.size();) {
        while (i < text.size() && !word_char(text[i])) ++i;
        std::size_t start = i;
        while (i < text.size() && word_char(text[i])) ++i;
        if (i == start) continue;
        std::string_view token = text.substr(start, i - start);
        std::size_t longer = std::max(word.size(), token.size());
        best = std::max(best, std::min(99, share(longer - edits_between(word, token), longer)));
    }
    return best;
}

}  // namespace

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
    std::vector<std::string> words;
    for (std::size_t i = 0; i < query.size() && words.size() < kMaxWords;) {
        while (i < query.size() && blank(query[i])) ++i;
        std::size_t start = i;
        while (i < query.size() && !blank(query[i])) ++i;
        if (i > start) words.push_back(folded(query.substr(start, i - start), fold));
    }
    if (words.empty()) return 100;
    if (std::all_of(text.begin(), text.end(), blank)) return 0;

    const std::string haystack = folded(text, fold);
    const auto& weights = kWeights[words.size() - 1];
    int total = 0, sum = 0;
    for (std::size_t k = 0; k < words.size(); ++k) {
        total += weights[k] * word_score(words[k], haystack, whole_words);
        sum += weights[k];
    }
    return std::clamp((total + sum / 2) / sum, 0, 100);
}

}  // namespace zrv
