// Display pictures and list column formats.
#include <gtest/gtest.h>

#include "live/list_format.h"
#include "live/picture.h"

namespace zrv::live {
namespace {

using store::Decimal;

TEST(Picture, NumbersAreShownByTheirPicture) {
    struct Case {
        const char* picture;
        Decimal value;
        const char* shown;
    } cases[] = {
        {"@n-10", Decimal(1234567, 0), "1234567"},  // never grouped
        {"@n-10", Decimal(-42, 0), "-42"},
        {"@n-14", Decimal(12345678901234, 0), "12345678901234"},
        {"@n6", Decimal(123456, 0), "123456"},
        {"@n6", Decimal(1234567, 0), "######"},  // does not fit
        {"@n6", Decimal(-1, 0), "######"},       // no minus sign in the picture
        {"@n3", Decimal(7, 0), "7"},
        {"@n_3", Decimal(100, 0), "100"},
        {"@n-14B", Decimal(0, 0), ""},
        {"@n-14", Decimal(0, 0), "0"},
        {"@n-6.2", Decimal(-125, 1), "-12.50"},
        {"@n-10.2", Decimal(12345, 3), "12.35"},  // rounded half away from zero
        {"@n-10.2B", Decimal(-1, 3), ""},         // rounds to zero: blank, never "-0.00"
        {"n-10", Decimal(5, 0), "5"},             // without the '@'
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        std::optional<Picture> p = Picture::parse(c.picture);
        ASSERT_TRUE(p) << c.picture;
        EXPECT_EQ(p->format_number(c.value), c.shown) << c.picture;
    }
}

TEST(Picture, TextsAndDates) {
    EXPECT_EQ(Picture::parse("@s10")->format_text("Kata final      "), "Kata final");
    EXPECT_EQ(Picture::parse("@s4")->format_text("Tanaka"), "Tana");
    EXPECT_EQ(Picture::parse("@S20")->format_text("Ñandú dojo"), "Ñandú dojo");
    EXPECT_EQ(Picture::parse("@s3")->format_text("ÑÑÑÑ"), "ÑÑÑ");  // characters, not bytes
    EXPECT_TRUE(Picture::parse("@s255"));
    const Picture date = *Picture::parse("@D17");
    EXPECT_EQ(date.format_date(store::date_serial(2024, 3, 9)), "09/03/2024");
    EXPECT_EQ(date.format_date(0), "");
    EXPECT_EQ(date.read_date("09/03/2024"), store::date_serial(2024, 3, 9));
    EXPECT_EQ(date.read_date("2024-03-09"), store::date_serial(2024, 3, 9));
    EXPECT_EQ(date.read_date(""), 0);
    EXPECT_EQ(date.read_date("31/02/2024"), std::nullopt);
}

TEST(Picture, ReadingBackAndBadPictures) {
    const Picture p = *Picture::parse("@n-6.2");
    EXPECT_EQ(p.read_number(" -3.5 "), Decimal(-350, 2));
    EXPECT_EQ(p.read_number(""), Decimal(0, 2));
    EXPECT_EQ(p.read_number("abc"), std::nullopt);
    EXPECT_EQ(Picture::parse("@n6")->read_number("-4"), std::nullopt);
    for (const char* bad : {"", "@", "@x10", "@n", "@n-", "@s", "@s0", "@D5", "@n10.", "@n-10Q", "@n3.5"})
        EXPECT_FALSE(Picture::parse(bad)) << bad;
}

TEST(ListFormat, ColumnsWithHeadersPicturesAndTheScoreColumn) {
    auto columns = parse_list_format(std::string(kScoreColumnFormat) + "40R(2)|M~Manual results ID~C(0)@n-10@80L(2)|M*~Name~@s40@");
    ASSERT_TRUE(columns);
    ASSERT_EQ(columns->size(), 3u);
    const ListColumn& score = (*columns)[0];
    EXPECT_EQ(score.width, 48);
    EXPECT_EQ(score.align, 'C');
    EXPECT_EQ(score.indent, 2);
    EXPECT_EQ(score.header, "Match Result");
    EXPECT_EQ(score.header_align, 'L');
    EXPECT_EQ(score.header_indent, 1);
    EXPECT_EQ(score.picture_text, "@n_3");
    EXPECT_TRUE(score.right_border && score.resizable);
    EXPECT_EQ((*columns)[1].picture.format_number(store::Decimal(-7, 0)), "-7");
    EXPECT_TRUE((*columns)[2].coloured);
    std::string error;
    for (const char* bad : {"L(2)", "40Q", "40L~open", "40L@n3", "40L@x@"}) {
        EXPECT_FALSE(parse_list_format(bad, &error)) << bad;
        EXPECT_FALSE(error.empty());
    }
}

TEST(ListFormat, TipsAndGroupHeaders) {
    struct Case {
        const char* format;
        std::vector<std::pair<std::string, std::string>> columns;  // tip, group
    } cases[] = {
        {"40R(2)|M~Id~C(0){Event number}@n-10@80L~Name~@s20@", {{"Event number", ""}, {"", ""}}},
        {"40R{No header}@n3@", {{"No header", ""}}},
        {"44L~Date~@D17@[~Resultados~80L~Name1~{First}@S20@40R~RC1~@n-6.2@]40R~Last~@n3@",
         {{"", ""}, {"First", "Resultados"}, {"", "Resultados"}, {"", ""}}},
        {"[~A~40L~a~@s1@][~B~40L~b~@s1@]", {{"", "A"}, {"", "B"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        std::optional<std::vector<ListColumn>> columns = parse_list_format(c.format);
        ASSERT_TRUE(columns) << c.format;
        ASSERT_EQ(columns->size(), c.columns.size()) << c.format;
        for (std::size_t i = 0; i < c.columns.size(); ++i) {
            EXPECT_EQ((*columns)[i].tip, c.columns[i].first) << c.format << " column " << i + 1;
            EXPECT_EQ((*columns)[i].group, c.columns[i].second) << c.format << " column " << i + 1;
        }
    }
    EXPECT_EQ(grouped_format("Results", "40L~a~@s1@"), "[~Results~40L~a~@s1@]");
    std::string error;
    for (const char* bad : {"40L{open@s1@", "[~A~40L@s1@", "[~A~40L@s1@[~B~40L@s1@]]", "40L@s1@]", "[40L@s1@]", "[~A"}) {
        EXPECT_FALSE(parse_list_format(bad, &error)) << bad;
        EXPECT_FALSE(error.empty());
    }
}

TEST(ListFormat, AStackedGroupKeepsOneColumnPerCell) {
    struct Case {
        std::string format;
        std::vector<std::pair<std::string, bool>> columns;  // group, stacked
    } cases[] = {
        {"40L~Queue~@s20@" + grouped_format("Teams", "80L@s20@80L@s20@80L~c~{Third}@s20@", true),
         {{"", false}, {"Teams", true}, {"Teams", true}, {"Teams", true}}},
        {"[~A~s40L~a~@s1@][~B~40L~b~@s1@]40R@n3@", {{"A", true}, {"B", false}, {"", false}}},
        {"[~~S40L@s1@40L@s1@]", {{"", true}, {"", true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        std::optional<std::vector<ListColumn>> columns = parse_list_format(c.format);
        ASSERT_TRUE(columns) << c.format;
        ASSERT_EQ(columns->size(), c.columns.size()) << c.format;
        for (std::size_t i = 0; i < c.columns.size(); ++i) {
            EXPECT_EQ((*columns)[i].group, c.columns[i].first) << c.format << " column " << i + 1;
            EXPECT_EQ((*columns)[i].stacked, c.columns[i].second) << c.format << " column " << i + 1;
        }
    }
    const ListColumn third = parse_list_format(cases[0].format)->at(3);
    EXPECT_EQ(third.header, "c");
    EXPECT_EQ(third.tip, "Third");
    EXPECT_EQ(third.width, 80);
    std::string error;
    for (const char* bad : {"[~A~S@s1@]", "[~A~SS40L@s1@]", "[~A~S40L@s1@", "S40L@s1@"}) {
        EXPECT_FALSE(parse_list_format(bad, &error)) << bad;
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace zrv::live
