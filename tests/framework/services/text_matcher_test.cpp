#include "framework/services/text_matcher.h"
#include "framework/services/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace zrv {
namespace {

class TextMatcherTest : public ::testing::Test {
protected:
    void SetUp() override { matcher.initialize(); }
    TextMatcher matcher;
};

TEST_F(TextMatcherTest, ScoresOfTheListsSearch) {
    struct Case {
        const char* query;
        const char* text;
        int score;
    } cases[] = {
        {"", "anything", 100},
        {"   ", "", 100},  // a blank query scores every row alike
        {"kata", "", 0},
        {"kata", "    ", 0},
        {"Kata", "12 45123 KATA Individual", 100},  // case does not matter
        {"ata", "12 KATA", 100},                    // any part of a word
        {"karete", "kata karate", 83},              // one edit in six letters
        {"xyz", "kata karate", 0},
        {"kata   ", "kata", 100},         // a blank-padded query
        {"kata xyz", "kata karate", 65},  // 65 * 100 + 35 * 0
        {"xyz kata", "kata karate", 35},
        {"kata karete", "kata karate", 94},  // (65 * 100 + 35 * 83) / 100 = 94.05
        {"a b c d e f g h i j", "a b c d e f g h i j", 100},
        {"a b c d e f g h i xx", "a b c d e f g h i j", 99},  // word 10 weighs 1 of 100
        {"q q q q q q q q q q a", "a", 0},                    // the eleventh word is ignored
        {"a q q q q q q q q q q", "a", 19},                   // ten words: only the first hits, 19 of 100
    };
    for (const Case& c : cases) EXPECT_EQ(matcher.score(c.query, c.text), c.score) << c.query << " / " << c.text;
}

// Registration writes names as they are spelt; the operator types them without accents, in
// any case, and in any script the case of which matters.
TEST_F(TextMatcherTest, AQueryFindsANameWhateverItsAccentsAndCase) {
    struct Case {
        const char* query;
        const char* text;
        int score;
    } cases[] = {
        {"Hernandez", "Luis Hernández", 100},
        {"lodz", "ŁÓDŹ", 100},
        {"yilmaz", "Yılmaz Kaan", 100},
        {"szoke", "Szőke Anna", 100},
        {"turcanu", "Țurcanu", 100},
        {"novakova", "NOVÁKOVÁ", 100},
        {"Nováková", "Novakova", 100},  // accents in the query too
        {"strasse", "Straße", 100},
        {"cafe", "Cafe\u0301", 100},  // a combining accent
        {"παπαδόπουλος", "ΠΑΠΑΔΟΠΟΥΛΟΣ", 100},
        {"οδυσσευς", "Οδυσσεύς", 100},  // final sigma
        {"иванов", "ИВАНОВ Пётр", 100},
        {"петр", "ИВАНОВ Пётр", 100},
        {"田中", "田中 愛子", 100},
        {"محمد", "أحمد محمد", 100},
        {"karete", "káta kárate", 83},  // edits count characters, not bytes
        {"kárete", "kata karate", 83},
        {"Иван", "Ivan", 0},  // scripts are not transliterated
    };
    for (const Case& c : cases) EXPECT_EQ(matcher.score(c.query, c.text), c.score) << c.query << " / " << c.text;
}

// A list ranks a row first whose single field scores 100 against the query: every word in it.
TEST_F(TextMatcherTest, OneFieldHoldsTheWholeQueryOnlyWithEveryWordInIt) {
    struct Case {
        const char* name;
        const char* field;
        int score;
    } cases[] = {
        {"whole name, accented, upper case", "LUIS HERNÁNDEZ", 100},
        {"words in another order", "Hernández, Luis", 100},
        {"within a longer text", "Campeonato Luis Hernandez 2026", 100},
        {"first word only", "Luis", 65},
        {"second word only", "Hernandez", 35},
        {"one letter off", "Luis Fernandez", 96},
    };
    for (const Case& c : cases) EXPECT_EQ(matcher.score("luis hernandez", c.field), c.score) << c.name;
}

// What the search and the lists' locators compare: characters, not bytes, without accents, with
// the case of every script folded; scripts without case as they are.
TEST(TextFolding, ATextComparesByItsBaseLettersInLowerCase) {
    struct Case {
        const char* name;
        const char* text;
        std::u32string folded;
    } cases[] = {
        {"latin-1 accent", "Hernández", U"hernandez"},
        {"polish stroke", "ŁÓDŹ", U"lodz"},
        {"dotless i", "Yılmaz", U"yilmaz"},
        {"double acute", "Szőke", U"szoke"},
        {"comma below", "ȚURCANU", U"turcanu"},
        {"sharp s", "Straße", U"strasse"},
        {"combining accent", "Cafe\u0301", U"cafe"},
        {"greek tonos", "Άννα", U"αννα"},
        {"greek final sigma", "ΟΔΥΣΣΕΎΣ", U"οδυσσευσ"},
        {"cyrillic", "ИВАНОВ Пётр", U"иванов петр"},
        {"cyrillic io upper", "Ёж", U"еж"},
        {"ukrainian", "ҐАНДЖА Їжак", U"ґанджа їжак"},
        {"armenian", "ԱՐԱՄ", U"արամ"},
        {"vietnamese", "ĐẶNG", U"dặng"},
        {"georgian capitals", "ᲒᲘᲝᲠᲒᲘ", U"გიორგი"},
        {"hebrew stays", "כהן", U"כהן"},
        {"cjk stays", "田中", U"田中"},
        {"beyond the BMP", "𠮷野", U"𠮷野"},
        {"stray byte alone",
         "a\x80"
         "b",
         U"a\x80"
         "b"},
    };
    for (const Case& c : cases) EXPECT_EQ(TextMatcher::folded(c.text), c.folded) << c.name;
    EXPECT_EQ(TextMatcher::folded("ÉMILE", false), U"EMILE");  // case kept when asked
}

// Texts are cut and counted by whole characters.
TEST(Utf8, TextsAreCutAndCountedByCharacters) {
    struct Case {
        const char* name;
        const char* text;
        std::size_t chars;
        const char* prefix;  // its first two characters
    } cases[] = {
        {"ascii", "Ana", 3, "An"},
        {"two-byte", "Łódź", 4, "Łó"},
        {"three-byte", "田中愛子", 4, "田中"},
        {"four-byte", "𠮷𠮷𠮷", 3, "𠮷𠮷"},
        {"mixed", "Aπ田𠮷", 4, "Aπ"},
        {"shorter", "Ж", 1, "Ж"},
        {"empty", "", 0, ""},
        {"malformed bytes count one each", "\xff\xfe\x80", 3, "\xff\xfe"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8_characters(c.text), c.chars) << c.name;
        EXPECT_EQ(utf8_prefix(c.text, 2), c.prefix) << c.name;
    }
    for (const char32_t c : {U'a', U'é', U'ł', U'Ж', U'田', U'𠮷'}) {
        const std::string text = utf8_of(c);
        std::size_t at = 0;
        EXPECT_EQ(next_code_point(text, at), c);
        EXPECT_EQ(at, text.size());
    }
    EXPECT_EQ(utf8_of(0xD800), "");  // a surrogate half is no character
    EXPECT_EQ(utf8_of(0x110000), "");
}

TEST_F(TextMatcherTest, OptionsChangeCaseAndWholeWordMatching) {
    matcher.set_options(TextMatcher::CaseInsensitive, false);
    EXPECT_EQ(matcher.score("KATA", "KATA"), 100);
    EXPECT_EQ(matcher.score("kata", "KATA"), 0);
    EXPECT_EQ(matcher.score("KAtA", "KATA"), 75);  // one letter of four differs

    matcher.set_options(TextMatcher::CaseInsensitive, true);
    matcher.set_options(TextMatcher::WholeWord, true);
    EXPECT_EQ(matcher.score("kata", "Kata-Individual"), 100);
    EXPECT_EQ(matcher.score("ata", "kata"), 75);  // not a whole word: kata less one letter
    EXPECT_EQ(matcher.score("kata", "katas"), 80);
    EXPECT_EQ(matcher.score("xyz", "kata"), 0);
    matcher.set_options(99, false);  // no such option: nothing changes
    EXPECT_EQ(matcher.score("ata", "kata"), 75);

    matcher.initialize();
    EXPECT_EQ(matcher.score("ata", "KATA"), 100);
}

TEST_F(TextMatcherTest, ScoresStayWithinRangeForOddInput) {
    const std::string long_text(5000, 'x');
    const std::string long_word(255, 'y');
    const std::string cases[][2] = {
        {long_word, long_text},
        {std::string("\0\xff\x80", 3), std::string("a\0b\xff", 4)},
        {"\t\tkata\t", "kata"},
        {"a b c d e f g h i j k l m n o p q r s t u v w x y z", long_text},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("row " + std::to_string(&c - &*std::begin(cases)));
        int s = matcher.score(c[0], c[1]);
        EXPECT_GE(s, 0);
        EXPECT_LE(s, 100);
    }
    EXPECT_EQ(matcher.score("kata", "\t\tkata\t"), 100);
}

// One matcher for every list's thread: no query mixes with another's.
TEST_F(TextMatcherTest, ThreadsScoringAtOnceGetTheirOwnScores) {
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([this, t] {
            for (int k = 0; k < 2000; ++k) {
                if (t % 2) ASSERT_EQ(matcher.score("kata xyz", "kata karate"), 65);
                else ASSERT_EQ(matcher.score("xyz kata", "kata karate"), 35);
            }
        });
    for (std::thread& t : threads) t.join();
}

}  // namespace
}  // namespace zrv
