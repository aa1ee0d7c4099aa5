#include "base/numbers.h"

#include <gtest/gtest.h>

#include <limits>

namespace tidemark {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::pair<const char*, double> rows[] = {
        {"1 000", 1000}, {"1\t2\n3", 123}, {"- 5", -5},    {"+8", 8},        {"1.2.3", 1.2}, {".25", 0.25},
        {"1.5E3", 1500}, {"2d2", 200},     {"25e-1", 2.5}, {"7E", 7},        {"&H1F", 31},   {"&hff", 255},
        {"&O17", 15},    {"&X1", 0},       {"200ms", 200}, {"", 0},          {"-", 0},       {".", 0},
        {"1\r2", 1},     {"3,5", 3},       {"1e999", inf}, {"-1e999", -inf}, {"1e-999", 0}};
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text);
        EXPECT_DOUBLE_EQ(leadingNumber(text), expected);
    }
    EXPECT_EQ(leadingNumber(std::string(400, '9')), inf) << "no wrapping";
}

}  // namespace
}  // namespace tidemark
