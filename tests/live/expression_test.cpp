// Screen expressions and the per-thread bind scope.
#include <gtest/gtest.h>

#include <thread>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "live/bind_scope.h"
#include "live/expression.h"
#include "live/fuzzy_search.h"

namespace zrv::live {
namespace {

class Expressions : public ::testing::Test {
protected:
    void SetUp() override {
        data::InitDataDictionary();
        store::RecordBuffer& r = data::file_manager(data::TableId::ResultadosManual)->record();
        r.set_integer("RM:IDResultadosM", 12);
        r.set_text("RM:CodigoDeEvento", "KATA-F");
        r.set_date(r.field_index("RM:FechaEvento"), store::date_serial(2024, 3, 9));
        r.set_text("RM:PrimerLugarNombre", "Aiko Tanaka");
        query = "tanaka";
        frame.bind_text("FuzzyQuery9", &query);
    }
    void TearDown() override { data::KillDataDictionary(); }
    std::string query;
    BindFrame frame;
};

TEST_F(Expressions, EvaluateAsStored) {
    const std::int32_t day = store::date_serial(2024, 3, 9);
    struct Case {
        std::string text;
        std::string value;
    } cases[] = {
        {"200-FuzzyMatch(FuzzyQuery9,RM:IDResultadosM&' '&RM:CodigoDeEvento&' '&RM:PrimerLugarNombre)", "100"},
        {"RM:IDResultadosM&' '&RM:CodigoDeEvento&' '&RM:FechaEvento", "12 KATA-F " + std::to_string(day)},
        {"rm:idresultadosm - 2 + 0.5", "10.5"},
        {"-RM:IDResultadosM", "-12"},
        {"'it''s'&(1-3)", "it's-2"},
        {"FuzzyMatch('', 'x')", "100"},
        {"FuzzyMatch('abc', '')", "0"},
        {"3 - 1 & 'x'", "2x"},  // '&' binds less than '-'
    };
    for (const Case& c : cases) EXPECT_EQ(Expression(c.text).evaluate().text(), c.value) << c.text;
}

TEST_F(Expressions, UnknownNamesAndBadSyntaxAreErrors) {
    for (const char* bad :
         {"NoSuchName", "RM:NoSuchField & 'x'", "Missing(1)", "FuzzyQuery9(1)", "1 -", "'open", "(1", "1 2", "FuzzyMatch(1,"})
        EXPECT_THROW(Expression{bad}, ExpressionError) << bad;
    std::optional<Expression> later;
    {
        std::string q;
        BindFrame inner;
        inner.bind_text("OnlyInside", &q);
        later.emplace("OnlyInside&'x'");
    }
    EXPECT_THROW(later->evaluate(), ExpressionError);  // its frame has ended
}

TEST_F(Expressions, ARowGivenForTheTableIsReadInsteadOfTheBuffer) {
    store::RecordBuffer row(data::layout(data::TableId::ResultadosManual));
    row.set_integer("RM:IDResultadosM", 99);
    Expression e("RM:IDResultadosM");
    EXPECT_EQ(e.evaluate(&row, data::TableId::ResultadosManual).text(), "99");
    EXPECT_EQ(e.evaluate().text(), "12");
}

TEST_F(Expressions, NestedFramesAndOtherThreadsSeeTheirOwnNames) {
    Expression e("FuzzyQuery9");
    std::string inner_query = "inner";
    {
        BindFrame nested;
        nested.bind_text("FuzzyQuery9", &inner_query);
        EXPECT_EQ(e.evaluate().text(), "inner");
    }
    EXPECT_EQ(e.evaluate().text(), "tanaka");
    std::string seen;
    std::thread other([&] {
        std::string mine = "other thread";
        BindFrame f;
        f.bind_text("FuzzyQuery9", &mine);
        seen = Expression("FuzzyQuery9").evaluate().text();
    });
    other.join();
    EXPECT_EQ(seen, "other thread");
    std::thread bare([&] {
        try {
            Expression("FuzzyQuery9");
            seen = "bound";
        } catch (const ExpressionError&) {
            seen = "unbound";
        }
    });
    bare.join();
    EXPECT_EQ(seen, "unbound");
}

TEST(FuzzySearchFlag, OnePerListSharedByEveryThreadWithoutRaces) {
    std::atomic<bool>& a = fuzzy_search_active("FlagListA");
    EXPECT_FALSE(a);
    EXPECT_EQ(&a, &fuzzy_search_active("FLAGLISTA"));
    EXPECT_NE(&a, &fuzzy_search_active("FlagListB"));
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < 1000; ++i) {
                FuzzySearchAll s("FlagListA");
                s.query() = "x";
                if ((i + t) % 2) s.pressed_search();
                else s.pressed_clear();
                s.choose(9, 0, 1);
            }
        });
    for (auto& t : threads) t.join();
    FuzzySearchAll s("FlagListA");
    s.pressed_clear();
    EXPECT_EQ(s.choose(9, 3, 1), 1);
    s.pressed_search();  // blank query: nothing changes
    EXPECT_EQ(s.choose(9, 3, 2), 2);
    s.query() = "aiko";
    s.pressed_search();
    EXPECT_EQ(s.choose(9, 3, 2), 9);
    EXPECT_EQ(s.choose(9, 9, 4), 9);  // stays while active
    s.pressed_search();
    s.query() = "  ";
    EXPECT_EQ(s.choose(9, 9, 4), 9);  // a blank search keeps an active one
}

}  // namespace
}  // namespace zrv::live
