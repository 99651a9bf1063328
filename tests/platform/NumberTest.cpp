#include "platform/Number.h"

#include <clocale>
#include <cmath>

#include <gtest/gtest.h>

namespace {

struct LeadingCase {
    const char* text;
    double value;
};

class LeadingNumberTest : public testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsTheLongestDecimalPrefix) {
    EXPECT_DOUBLE_EQ(platform::LeadingNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTest,
                         testing::Values(LeadingCase{"", 0}, LeadingCase{"abc", 0}, LeadingCase{"  1.5", 1.5},
                                         LeadingCase{"\t-2.25x", -2.25}, LeadingCase{"9,81", 9},
                                         LeadingCase{"9.81", 9.81}, LeadingCase{".5", 0.5},
                                         LeadingCase{"5.", 5}, LeadingCase{"-.", 0}, LeadingCase{"+", 0},
                                         LeadingCase{"1e3", 1000}, LeadingCase{"1e", 1},
                                         LeadingCase{"1e+", 1}, LeadingCase{"2.5E-1mm", 0.25},
                                         LeadingCase{"1,5,5", 1}, LeadingCase{"-0", 0},
                                         LeadingCase{"0x10", 0}, LeadingCase{"10.0 mm", 10}));

TEST(LeadingNumber, NeverYieldsNan) {
    for (const char* text : {"nan", "NaN", "inf", "-inf", "infinity", "  nan(1)"}) {
        EXPECT_EQ(platform::LeadingNumber(text), 0.0) << text;
    }
}

TEST(LeadingNumber, OutOfRangeGivesInfinityNotUndefinedBehaviour) {
    EXPECT_TRUE(std::isinf(platform::LeadingNumber("1e400")));
    EXPECT_EQ(platform::LeadingNumber("1e-400"), 0.0);
    EXPECT_TRUE(std::isinf(platform::LeadingNumber(std::string(500, '9'))));
}

struct IntegerCase {
    const char* text;
    int value;
};

class LeadingIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(LeadingIntegerTest, ReadsTheDigits) {
    EXPECT_EQ(platform::LeadingInteger(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingIntegerTest,
                         testing::Values(IntegerCase{"", 0}, IntegerCase{"100", 100}, IntegerCase{" 450 ", 450},
                                         IntegerCase{"2abc", 2}, IntegerCase{"-3", -3},
                                         IntegerCase{"1.9", 1}, IntegerCase{"x1", 0},
                                         IntegerCase{"99999999999999999999", 2147483647},
                                         IntegerCase{"-99999999999999999999", -2147483647 - 1}));

TEST(Format, AlwaysWritesADecimalPoint) {
    // A toolkit may switch the process to the user's locale; the program's numbers must not follow it.
    const char* german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(platform::Format("%f", 9.81), "9.810000");
    EXPECT_EQ(platform::Format("%5.2f", 9.6), " 9.60");
    EXPECT_EQ(platform::Format("%5.3f", 0.00005), "0.000");
    EXPECT_DOUBLE_EQ(platform::LeadingNumber("9.81"), 9.81);
    if (german) std::setlocale(LC_NUMERIC, "C");
}

TEST(Format, LongTexts) {
    const std::string text = platform::Format("%s-%d", std::string(300, 'K').c_str(), 49);
    EXPECT_EQ(text.size(), 303u);
    EXPECT_EQ(text.substr(297), "KKK-49");
}

}  // namespace
