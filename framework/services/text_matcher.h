#pragma once
// TextMatcher: the fuzzy score of the lists' search boxes ("FuzzyMatch" in list expressions).
// score(query, text) is 0..100, higher is better: the query is split into at most 10 words,
// each word is scored against the text (case-insensitive when option 1 is on, not only on
// whole words unless option 2 is on) and the word scores are combined with weights that
// depend on the number of words, the first word weighing most. A blank query scores 100,
// a blank text 0. score() keeps no state between calls, so threads never mix their queries.
//
// Query and text are UTF-8 and compared character by character (code points), without their
// accents: a precomposed Latin or Greek letter counts as its base letter ("Łódź" as "Lodz",
// "ß" as "ss", "Ё" as "Е"), a combining accent not at all. Case-insensitive matching folds the
// case of every script (case_fold.h).
//
// Words are separated by blanks (spaces, tabs); words past the tenth are ignored. One word's
// score against the text:
//  - not only whole words (option 2 off): 100 when the word occurs in the text; otherwise
//    100 * (L - d) / L rounded down, where L is the word's length in characters and d the fewest
//    single-character edits (insert, delete, replace) that turn the word into some part of
//    the text: "karete" against "kata karate" scores 83, a word sharing nothing scores 0.
//  - whole words (option 2 on): 100 when the word occurs with no letter or digit on either
//    side; otherwise the best over the text's words (runs of letters and digits) of
//    100 * (L - d) / L rounded down, L the longer of the two and d their edit distance,
//    at most 99.
// The row's score is the weighted sum of the word scores divided by the sum of the weights
// of that number of words, rounded to the nearest whole number.
#include <atomic>
#include <string>
#include <string_view>

namespace zrv {

class TextMatcher {
public:
    enum Option { CaseInsensitive = 1, WholeWord = 2 };
    void initialize();  // case-insensitive on, whole words off
    void set_options(int option, bool on);
    void release();
    int score(std::string_view query, std::string_view text) const;
    // The text as the search compares it: its characters without their accents, in lower case
    // when `case_insensitive` is on. The lists' locators compare what is typed so.
    static std::u32string folded(std::string_view text, bool case_insensitive = true);

private:
    std::atomic<bool> case_insensitive_{true};
    std::atomic<bool> whole_word_{false};
};

}  // namespace zrv
