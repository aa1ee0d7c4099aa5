#include "base/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tidemark {
namespace {

struct LeadingNumberRow {
    const char* name;
    const char* text;
    double expected;
};

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
    const LeadingNumberRow rows[] = {
        {"plain integer", "500", 500},
        {"blank inside digits", "1 000", 1000},
        {"tab and line feed inside digits", "1\t2\n3", 123},
        {"leading blanks", "   42", 42},
        {"negative sign", "-17", -17},
        {"plus sign", "+8", 8},
        {"blank after the sign", "- 5", -5},
        {"decimal point", "50.5", 50.5},
        {"second point ends the number", "1.2.3", 1.2},
        {"point without leading digit", ".25", 0.25},
        {"exponent E", "1.5E3", 1500},
        {"exponent D", "2d2", 200},
        {"negative exponent", "25e-1", 2.5},
        {"exponent without digits is dropped", "7E", 7},
        {"hexadecimal", "&H1F", 31},
        {"hexadecimal lower case", "&hff", 255},
        {"octal", "&O17", 15},
        {"ampersand without radix", "&X1", 0},
        {"text after the number", "200ms", 200},
        {"unit glued to digits with a blank", "75 ms", 75},
        {"empty text", "", 0},
        {"only blanks", "  \t", 0},
        {"not a number", "abc", 0},
        {"sign alone", "-", 0},
        {"point alone", ".", 0},
        {"carriage return is not ignored", "1\r2", 1},
        {"comma is not a decimal point", "3,5", 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_DOUBLE_EQ(leadingNumber(row.text), row.expected);
    }
}

TEST(LeadingNumber, HugeValuesBecomeInfinityInsteadOfWrapping) {
    EXPECT_EQ(leadingNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("1e-999"), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> rows[] = {{0.5, 0},  {1.5, 2},   {2.5, 2},    {-0.5, 0},   {-1.5, -2},
                                              {50.5, 50}, {51.5, 52}, {87.5, 88}, {62.5, 62}, {2.4999, 2}};
    for (auto [value, expected] : rows) {
        SCOPED_TRACE(value);
        EXPECT_EQ(roundHalfEven(value), expected);
    }
}

TEST(Rounding, RefusesValuesOutsideTheTargetType) {
    EXPECT_EQ(roundToInt32(2147483647.4), 2147483647);
    EXPECT_FALSE(roundToInt32(2147483647.5));  // rounds to 2^31
    EXPECT_EQ(roundToInt32(-2147483648.0), -2147483648);
    EXPECT_FALSE(roundToInt32(std::nan("")));
    EXPECT_FALSE(roundToInt32(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(roundToInt16(32767.2), 32767);
    EXPECT_FALSE(roundToInt16(32767.6));
    EXPECT_FALSE(roundToInt16(-32769));
}

}  // namespace
}  // namespace tidemark
