#include "framework/store/record_buffer.h"

#include <gtest/gtest.h>

#include "tests/framework/store/bout_table.h"

namespace zrv::store {
namespace {

using namespace zrv::store::testing;

TEST(RecordBuffer, ClearsTextToBlanksAndEverythingElseToZero) {
    RecordBuffer r(bout_layout());
    r.set_text(NAME, "Aka");
    r.set_integer(EVENT, 9);
    r.set_memo(0, "note");
    ASSERT_TRUE(r.set_time(CLOCK, 1));  // midnight is a time, not "no time"
    EXPECT_EQ(r.get_time(CLOCK), 1);
    r.clear();
    EXPECT_EQ(r.get_text(NAME), std::string(10, ' '));
    EXPECT_EQ(r.get_integer(EVENT), 0);
    EXPECT_EQ(r.get_text(SCORE), "0.00");
    EXPECT_EQ(r.get_date(WHEN), 0);
    EXPECT_EQ(r.get_time(CLOCK), 0);
    EXPECT_EQ(r.memo(0), "");
}

TEST(RecordBuffer, WritesTheExactBytesOfTheLayout) {
    RecordBuffer r(bout_layout());
    ASSERT_TRUE(r.set_text(ID, "1234567"));
    ASSERT_TRUE(r.set_integer(EVENT, -2));
    ASSERT_TRUE(r.set_text(NAME, "Peña"));
    ASSERT_TRUE(r.set_text(SCORE, "-1.5"));
    ASSERT_TRUE(r.set_date(WHEN, date_serial(2024, 5, 17)));
    ASSERT_TRUE(r.set_time(CLOCK, standard_time(13, 4, 5, 6)));
    auto b = r.bytes();
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin(), b.begin() + 4), (std::vector<std::uint8_t>{0x01, 0x23, 0x45, 0x67}));
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 4, b.begin() + 8), (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 18), std::string("Pe\xF1" "a      "));
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 18, b.begin() + 21), (std::vector<std::uint8_t>{0xF0, 0x01, 0x50}));
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 21, b.begin() + 25), (std::vector<std::uint8_t>{17, 5, 0xE8, 0x07}));
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 25, b.begin() + 29), (std::vector<std::uint8_t>{13, 4, 5, 6 | 0x80}));
    EXPECT_EQ(r.get_text(NAME), "Peña      ");
}

TEST(RecordBuffer, RefusesValuesThatDoNotFitAndKeepsTheField) {
    RecordBuffer r(bout_layout());
    r.set_text(SCORE, "12.5");
    r.set_integer(FLAG, 7);
    struct Case {
        int field;
        const char* value;
    } refused[] = {
        {SCORE, "1000"}, {SCORE, "abc"}, {SCORE, "1e2"}, {FLAG, "256"}, {FLAG, "-1"}, {FLAG, "2.5"},
        {EVENT, "2147483648"}, {WHEN, "3"}, {CLOCK, "8640001"}, {RATIO, "x"},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.value);
        std::string before = r.get_text(c.field);
        EXPECT_FALSE(r.set_text(c.field, c.value)) << c.value;
        EXPECT_EQ(r.get_text(c.field), before) << c.value;
    }
    EXPECT_FALSE(r.set_text(NAME, "空"));              // not representable: unchanged
    EXPECT_FALSE(r.set_text(NAME, "Shotokan Kai"));   // too long: cut to the width
    EXPECT_EQ(r.get_text(NAME), "Shotokan K");
    EXPECT_FALSE(r.set_memo(0, std::string(21, 'x')));
    EXPECT_TRUE(r.set_memo(0, std::string(20, 'x')));
}

TEST(RecordBuffer, ReachesFieldsByNameWithoutRegardToCase) {
    RecordBuffer r(bout_layout());
    EXPECT_TRUE(r.set_text("bt:name", "Ao"));
    EXPECT_EQ(r.get_text("BT:NAME"), "Ao        ");
    EXPECT_TRUE(r.set_decimal("Bt:Score", *Decimal::parse("3.456", 3)));
    EXPECT_EQ(r.get_text(SCORE), "3.46");
    EXPECT_TRUE(r.set_text("BT:NOTES", "memo"));
    EXPECT_EQ(r.get_text("bt:notes"), "memo");
    EXPECT_FALSE(r.set_text("BT:Nothing", "x"));
    EXPECT_EQ(r.get_text("BT:Nothing"), "");
}

TEST(RecordBuffer, AGroupSpansTheBytesOfItsFields) {
    RecordBuffer r(bout_layout());
    r.set_integer(PAIR_A, 0x41424344);
    r.set_integer(PAIR_B, 0x45464748);
    EXPECT_EQ(r.get_text(PAIR), "DCBAHGFE");
    r.clear_field(PAIR);
    EXPECT_EQ(r.get_integer(PAIR_A), 0);
    EXPECT_EQ(r.get_integer(PAIR_B), 0);
}

TEST(RecordBuffer, ConvertsBetweenKinds) {
    RecordBuffer r(bout_layout());
    r.set_real(RATIO, 0.1);
    EXPECT_EQ(r.get_text(RATIO), "0.1");
    EXPECT_EQ(r.get_decimal(RATIO).to_string(), "0.1");
    r.set_real(SCORE, 2.675);  // the double nearest 2.675 is below it; its shortest form is not
    EXPECT_EQ(r.get_text(SCORE), "2.68");
    r.set_text(NAME, " 42 ");
    EXPECT_EQ(r.get_integer(NAME), 42);
    EXPECT_FALSE(r.set_decimal(EVENT, *Decimal::parse("1.5", 1)));  // a Long holds whole numbers
    EXPECT_TRUE(r.set_decimal(EVENT, *Decimal::parse("3.00", 2)));
    EXPECT_EQ(r.get_integer(EVENT), 3);
}

TEST(RecordBuffer, CopiesAFieldExactlyAsItsTextWouldSetIt) {
    // Every field of one record into every field of another: the bytes and the answer are those
    // of set_text(get_text()), whether the value goes across as bytes or as text.
    RecordBuffer from(bout_layout());
    ASSERT_TRUE(from.set_text(ID, "1234567"));
    ASSERT_TRUE(from.set_integer(EVENT, -2));
    ASSERT_TRUE(from.set_text(NAME, "Peña Ñu"));
    ASSERT_TRUE(from.set_text(SCORE, "-1.5"));
    ASSERT_TRUE(from.set_date(WHEN, date_serial(2024, 5, 17)));
    ASSERT_TRUE(from.set_time(CLOCK, standard_time(13, 4, 5, 6)));
    ASSERT_TRUE(from.set_real(RATIO, 0.1));
    ASSERT_TRUE(from.set_integer(FLAG, 200));
    ASSERT_TRUE(from.set_text(QUEUE, "12"));
    ASSERT_TRUE(from.set_integer(PAIR_A, 7));
    ASSERT_TRUE(from.set_text(CODE, "ÁB"));
    for (const bool blank : {false, true}) {
        RecordBuffer source = from;
        if (blank) source.clear();
        for (int to = 0; to < FIELD_COUNT; ++to)
            for (int field = 0; field < FIELD_COUNT; ++field) {
                RecordBuffer copied(bout_layout()), as_text(bout_layout());
                copied.set_text(NAME, "was here");
                as_text.set_text(NAME, "was here");
                const bool expected = as_text.set_text(to, source.get_text(field));
                EXPECT_EQ(copied.copy_field(to, source, field), expected) << field << " -> " << to << (blank ? " blank" : "");
                EXPECT_TRUE(copied == as_text) << field << " -> " << to << (blank ? " blank" : "");
            }
    }
}

}  // namespace
}  // namespace zrv::store
