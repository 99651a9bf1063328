// Numbers on the design sheet: decimal comma, digit groups, significant digits and the carry of
// rounding into a new digit, negative zero, exponent form and values that are not finite.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "report/SheetNumbers.h"

namespace {

using report::FixedText;
using report::ShortestText;
using report::SignificantText;

constexpr const char* kNarrow = "\u202f";

std::string Grouped(const std::string& text) {
    std::string grouped;
    for (char c : text) grouped += c == '_' ? std::string(kNarrow) : std::string(1, c);
    return grouped;
}

struct Case {
    double x;
    int digits;
    const char* expected;  // '_' stands for the narrow no-break space
};

TEST(SheetNumbersTest, FixedDecimals) {
    const Case cases[] = {
        {101, 2, "101,00"},
        {3.5, 1, "3,5"},
        {0.4949999, 3, "0,495"},
        {77920.96, 0, "77_921"},
        {1234.5, 1, "1234,5"},
        {12345.5, 1, "12_345,5"},
        {-0.0004, 2, "0,00"},
        {-2.5, 1, "-2,5"},
        {57000000, 0, "57_000_000"},
        {-123456, 0, "-123_456"},
        {0.1, 20, "0,100000000000"},
        {9999999999.4, 0, "9_999_999_999"},
        {12345678901.0, 2, "1,235e+10"},
    };
    for (const Case& c : cases) EXPECT_EQ(FixedText(c.x, c.digits), Grouped(c.expected)) << c.x;
}

TEST(SheetNumbersTest, SignificantDigits) {
    const Case cases[] = {
        {11.45833, 4, "11,46"},
        {0.022706056, 4, "0,02271"},
        {1, 4, "1,000"},
        {77920.96, 4, "77_921"},
        {1234.6, 4, "1235"},
        {9.99996, 4, "10,00"},
        {0.00099996, 3, "0,00100"},
        {0.000123456, 4, "0,0001235"},
        {-2.5, 4, "-2,500"},
        {0, 4, "0"},
        {1e-20, 4, "1,000e-20"},
        {1.2346e11, 4, "1,235e+11"},
        {-1e308, 3, "-1,000e+308"},
        {999.96, 4, "1000"},
        {8.0118466, 4, "8,012"},
    };
    for (const Case& c : cases) EXPECT_EQ(SignificantText(c.x, c.digits), Grouped(c.expected)) << c.x;
}

TEST(SheetNumbersTest, ShortestTextOfLimits) {
    const Case cases[] = {
        {0.05, 0, "0,05"},       {15, 0, "15"},          {57000000, 0, "57_000_000"}, {250000, 0, "250_000"},
        {0.1, 0, "0,1"},         {2350, 0, "2350"},      {0.00001 * 1000, 0, "0,01"}, {0, 0, "0"},
        {1e-30, 0, "1,000e-30"}, {4e20, 0, "4,000e+20"},
    };
    for (const Case& c : cases) EXPECT_EQ(ShortestText(c.x), Grouped(c.expected)) << c.x;
}

TEST(SheetNumbersTest, ValueThatIsNotFiniteCannotBeComputed) {
    for (double x :
         {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(FixedText(x, 2), "nicht berechenbar");
        EXPECT_EQ(SignificantText(x, 4), "nicht berechenbar");
        EXPECT_EQ(ShortestText(x), "nicht berechenbar");
    }
}

}  // namespace
