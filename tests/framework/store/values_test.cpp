#include "framework/store/values.h"

#include <gtest/gtest.h>

#include <vector>

namespace zrv::store {
namespace {

struct PackCase {
    const char* value;
    int digits, places;
    std::vector<std::uint8_t> bytes;
    const char* reads;  // as the field gives it back
};

TEST(PackedDecimal, RoundTripsThroughItsBytes) {
    const PackCase cases[] = {
        {"0", 7, 0, {0x00, 0x00, 0x00, 0x00}, "0"},
        {"1234567", 7, 0, {0x01, 0x23, 0x45, 0x67}, "1234567"},
        {"-42", 7, 0, {0xF0, 0x00, 0x00, 0x42}, "-42"},
        {"12.34", 5, 2, {0x00, 0x12, 0x34}, "12.34"},
        {"-999.99", 5, 2, {0xF9, 0x99, 0x99}, "-999.99"},
        {"0.005", 5, 2, {0x00, 0x00, 0x01}, "0.01"},  // half away from zero
        {"-0.005", 5, 2, {0xF0, 0x00, 0x01}, "-0.01"},
        {"0.004", 5, 2, {0x00, 0x00, 0x00}, "0.00"},
        {"-0.004", 5, 2, {0x00, 0x00, 0x00}, "0.00"},       // no negative zero
        {"2.675", 7, 2, {0x00, 0x00, 0x02, 0x68}, "2.68"},  // exact, not through a double
        {"99999.994", 7, 2, {0x09, 0x99, 0x99, 0x99}, "99999.99"},
    };
    for (const PackCase& c : cases) {
        SCOPED_TRACE(c.value);
        auto value = Decimal::parse(c.value, 6);
        ASSERT_TRUE(value);
        std::vector<std::uint8_t> bytes(c.bytes.size(), 0xAA);
        ASSERT_TRUE(pack_decimal(*value, c.digits, c.places, bytes));
        EXPECT_EQ(bytes, c.bytes);
        auto back = unpack_decimal(bytes, c.places);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->to_string(), c.reads);
    }
}

TEST(PackedDecimal, RefusesWhatDoesNotFitAndReadsAnySignAsNegative) {
    std::vector<std::uint8_t> bytes{1, 2, 3};
    EXPECT_FALSE(pack_decimal(*Decimal::parse("1000", 2), 5, 2, bytes));     // 4 integer digits in (5,2)
    EXPECT_FALSE(pack_decimal(*Decimal::parse("999.995", 3), 5, 2, bytes));  // rounds up out of range
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{1, 2, 3}));                  // untouched
    EXPECT_EQ(unpack_decimal(std::vector<std::uint8_t>{0x10, 0x00, 0x05}, 2)->to_string(), "-0.05");
    EXPECT_FALSE(unpack_decimal(std::vector<std::uint8_t>{0x00, 0x0A, 0x00}, 2));  // not a digit
}

TEST(DecimalText, ParsesOnlyNumbers) {
    struct Case {
        const char* text;
        int places;
        const char* value;  // nullptr: refused
    } cases[] = {
        {" 7 ", 0, "7"},
        {"+3.", 1, "3.0"},
        {".25", 2, "0.25"},
        {"-1.5", 0, "-2"},
        {"1.49", 0, "1"},
        {"", 0, nullptr},
        {"-", 0, nullptr},
        {"1e3", 0, nullptr},
        {"1.2.3", 2, nullptr},
        {"12a", 0, nullptr},
        {"99999999999999999999", 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto d = Decimal::parse(c.text, c.places);
        if (!c.value) {
            EXPECT_FALSE(d);
            continue;
        }
        ASSERT_TRUE(d);
        EXPECT_EQ(d->to_string(), c.value);
    }
    EXPECT_EQ(*Decimal::parse("1.50", 2), *Decimal::parse("1.5", 1));
    EXPECT_TRUE(*Decimal::parse("-2", 0) < *Decimal::parse("-1.99", 2));
}

TEST(SerialDates, CountFromTheFirstOf1801) {
    struct Case {
        int y, m, d;
        std::int32_t serial;
        const char* iso;
    } cases[] = {
        {1801, 1, 1, 4, "1801-01-01"},         {1801, 1, 2, 5, "1801-01-02"},
        {1900, 3, 1, 36222, "1900-03-01"},  // 1900 is not a leap year
        {2000, 2, 29, 72746, "2000-02-29"},    {2024, 12, 31, 81818, "2024-12-31"},
        {9999, 12, 31, 2994626, "9999-12-31"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iso);
        EXPECT_EQ(date_serial(c.y, c.m, c.d), c.serial);
        EXPECT_EQ(civil_from_serial(c.serial), (CivilDate{c.y, c.m, c.d}));
        EXPECT_EQ(format_iso_date(c.serial), c.iso);
        EXPECT_EQ(parse_iso_date(c.iso), c.serial);
    }
    for (auto [y, m, d] : {std::tuple{1800, 12, 31}, {2023, 2, 29}, {2024, 4, 31}, {2024, 13, 1}, {0, 0, 0}})
        EXPECT_EQ(date_serial(y, m, d), 0) << y << "-" << m << "-" << d;
    EXPECT_FALSE(civil_from_serial(0));
    EXPECT_FALSE(civil_from_serial(3));
    EXPECT_EQ(parse_iso_date(""), 0);
    for (const char* bad : {"2024-02-30", "2024-2-3", "24-01-01", "2024/01/01", "abcd-ef-gh"})
        EXPECT_FALSE(parse_iso_date(bad)) << bad;
}

TEST(StandardTimes, AreHundredthsSinceMidnightPlusOne) {
    EXPECT_EQ(standard_time(0, 0, 0, 0), 1);
    EXPECT_EQ(standard_time(1, 2, 3, 4), 372305);
    EXPECT_EQ(standard_time(23, 59, 59, 99), max_standard_time);
    EXPECT_EQ(time_from_standard(372305), (TimeOfDay{1, 2, 3, 4}));
    EXPECT_EQ(standard_time(24, 0, 0, 0), 0);
    EXPECT_EQ(standard_time(0, 60, 0, 0), 0);
    EXPECT_FALSE(time_from_standard(0));
    EXPECT_FALSE(time_from_standard(max_standard_time + 1));
}

}  // namespace
}  // namespace zrv::store
