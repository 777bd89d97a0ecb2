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

TEST(RecordBuffer, WritesTheExactCellsOfEachField) {
    RecordBuffer r(bout_layout());
    ASSERT_TRUE(r.set_text(ID, "1234567"));
    ASSERT_TRUE(r.set_integer(EVENT, -2));
    ASSERT_TRUE(r.set_text(NAME, "Peña 空"));
    ASSERT_TRUE(r.set_text(SCORE, "-1.5"));
    ASSERT_TRUE(r.set_date(WHEN, date_serial(2024, 5, 17)));
    ASSERT_TRUE(r.set_time(CLOCK, standard_time(13, 4, 5, 6)));
    auto bytes = [&](int field) {
        auto c = r.cells(field);
        return std::vector<std::uint8_t>(c.begin(), c.end());
    };
    EXPECT_EQ(bytes(ID), (std::vector<std::uint8_t>{0x01, 0x23, 0x45, 0x67}));
    EXPECT_EQ(bytes(EVENT), (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(bytes(SCORE), (std::vector<std::uint8_t>{0xF0, 0x01, 0x50}));
    EXPECT_EQ(bytes(WHEN), (std::vector<std::uint8_t>{17, 5, 0xE8, 0x07}));
    EXPECT_EQ(bytes(CLOCK), (std::vector<std::uint8_t>{13, 4, 5, 6 | 0x80}));
    EXPECT_EQ(r.get_text(NAME), "Peña 空    ");
    // Latin-1 text: one byte per character, blank-padded.
    ASSERT_TRUE(r.set_text(NAME, "Peña"));
    EXPECT_EQ(bytes(NAME), (std::vector<std::uint8_t>{'P', 'e', 0xF1, 'a', ' ', ' ', ' ', ' ', ' ', ' '}));
}

TEST(RecordBuffer, RefusesValuesThatDoNotFitAndKeepsTheField) {
    RecordBuffer r(bout_layout());
    r.set_text(SCORE, "12.5");
    r.set_integer(FLAG, 7);
    struct Case {
        int field;
        const char* value;
    } refused[] = {
        {SCORE, "1000"}, {SCORE, "abc"},        {SCORE, "1e2"}, {FLAG, "256"},      {FLAG, "-1"},
        {FLAG, "2.5"},   {EVENT, "2147483648"}, {WHEN, "3"},    {CLOCK, "8640001"}, {RATIO, "x"},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.value);
        std::string before = r.get_text(c.field);
        EXPECT_FALSE(r.set_text(c.field, c.value)) << c.value;
        EXPECT_EQ(r.get_text(c.field), before) << c.value;
    }
    struct Text {
        const char* what;
        const char* value;
        bool fits;
        const char* held;
    } texts[] = {
        {"Latin beyond Latin-1", "Łukasz", true, "Łukasz    "},
        {"ten characters, more bytes", "Ελληνικά空手", true, "Ελληνικά空手"},
        {"one character more: cut", "Ελληνικά空手道", false, "Ελληνικά空手"},
        {"too long: cut", "Shotokan Kai", false, "Shotokan K"},
        {"a character outside the plane", "𝔘 ok", true, "𝔘 ok      "},
        {"cut in a character: unchanged", "ab\xC3", false, "𝔘 ok      "},
        {"a surrogate: unchanged", "\xED\xA0\x80", false, "𝔘 ok      "},
        {"an overlong form: unchanged", "\xC0\xAF", false, "𝔘 ok      "},
    };
    for (const Text& t : texts) {
        EXPECT_EQ(r.set_text(NAME, t.value), t.fits) << t.what;
        EXPECT_EQ(r.get_text(NAME), t.held) << t.what;
    }
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
    // Set position by position: a byte holds a character up to U+00FF.
    EXPECT_FALSE(r.set_text(PAIR, "ABŁ"));
    EXPECT_EQ(r.get_text(PAIR), "DCBAHGFE");
    EXPECT_TRUE(r.set_text(PAIR, "ÿ"));
    EXPECT_EQ(r.get_integer(PAIR_A), 0x202020FF);
    r.clear_field(PAIR);
    EXPECT_EQ(r.get_integer(PAIR_A), 0);
    EXPECT_EQ(r.get_integer(PAIR_B), 0);
}

// Comparing and copying a field as it is sees every character, also where two texts differ only
// beyond Latin-1, or where one is beyond it and the other not.
TEST(RecordBuffer, AFieldComparedAndCopiedAsItIsSeesEveryCharacter) {
    struct Case {
        const char* what;
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"the same Latin-1 text", "Peña", "Peña", true},
        {"the same text beyond Latin-1", "Łukasz 空", "Łukasz 空", true},
        {"only a character beyond Latin-1 differs", "Ωa", "Ψa", false},
        {"beyond Latin-1 or not", "\x1A", "Ω", false},
        {"Latin-1 texts that differ", "Ana", "Ann", false},
    };
    for (const Case& c : cases) {
        RecordBuffer a(bout_layout()), b(bout_layout());
        ASSERT_TRUE(a.set_text(NAME, c.a));
        ASSERT_TRUE(b.set_text(NAME, c.b));
        EXPECT_EQ(a.same_field(NAME, b), c.same) << c.what;
        EXPECT_EQ(a == b, c.same) << c.what;
        std::string image;
        a.append_image(NAME, image);
        EXPECT_EQ(b.image_is(NAME, image), c.same) << c.what;
        b.copy_exact(NAME, a);
        EXPECT_TRUE(a.same_field(NAME, b)) << c.what;
        EXPECT_TRUE(a == b) << c.what;
        EXPECT_EQ(b.get_text(NAME), a.get_text(NAME)) << c.what;
    }
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
    ASSERT_TRUE(from.set_text(NAME, "Peña Ωμ空"));
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
