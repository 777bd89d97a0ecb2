#pragma once
// TextMatcher: the fuzzy score of the lists' search boxes ("FuzzyMatch" in list expressions).
// score(query, text) is 0..100, higher is better: the query is split into at most 10 words,
// each word is scored against the text (case-insensitive when option 1 is on, not only on
// whole words unless option 2 is on) and the word scores are combined with weights that
// depend on the number of words, the first word weighing most. A blank query scores 100,
// an empty text 0. score() keeps no state between calls, so threads never mix their queries.
#include <atomic>
#include <string_view>

namespace zrv {

class TextMatcher {
public:
    enum Option { CaseInsensitive = 1, WholeWord = 2 };
    void initialize();
    void set_options(int option, bool on);
    void release();
    int score(std::string_view query, std::string_view text) const;

private:
    std::atomic<bool> case_insensitive_{true};
    std::atomic<bool> whole_word_{false};
};

}  // namespace zrv
