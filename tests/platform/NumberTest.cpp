#include "platform/Number.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

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

// Every decimal reads as the double strtod gives it, bit for bit: the short ones that a quotient of two
// exact doubles gives, and the long ones, exponents and ties around 2^53 that it does not.
TEST(LeadingNumber, ReadsExactlyAsStrtod) {
    std::vector<std::string> texts{"-0",
                                   "0.1",
                                   "0.30000000000000004",
                                   "9007199254740992",
                                   "9007199254740993",
                                   "9007199254740992.5",
                                   "1234567890123456789",
                                   "12345678901234567890",
                                   "0.0000000000000000000001",
                                   "0.00000000000000000000001",
                                   "123.4560000000000000000000",
                                   "1.7976931348623157e308",
                                   "4.9e-324",
                                   "5e-324"};
    std::mt19937_64 random(11);
    for (int i = 0; i < 20000; ++i) {
        std::string text = i % 2 ? "-" : "";
        const int digits = 1 + static_cast<int>(random() % 20);
        const int point = static_cast<int>(random() % (digits + 2));
        for (int d = 0; d < digits; ++d) {
            if (d == point)
                text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        if (i % 5 == 0)
            text += "e" + std::to_string(static_cast<int>(random() % 40) - 20);
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        const double expected = std::strtod(text.c_str(), nullptr);
        const double read = platform::LeadingNumber(text);
        EXPECT_EQ(std::memcmp(&read, &expected, sizeof read), 0) << text;
    }
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
                         testing::Values(IntegerCase{"", 0}, IntegerCase{"100", 100},
                                         IntegerCase{" 450 ", 450}, IntegerCase{"2abc", 2},
                                         IntegerCase{"-3", -3}, IntegerCase{"1.9", 1}, IntegerCase{"x1", 0},
                                         IntegerCase{"99999999999999999999", 2147483647},
                                         IntegerCase{"-99999999999999999999", -2147483647 - 1}));

TEST(Format, AlwaysWritesADecimalPoint) {
    // A toolkit may switch the process to the user's locale; the program's numbers must not follow it.
    const char* german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(platform::Format("%f", 9.81), "9.810000");
    EXPECT_EQ(platform::Format("%5.2f", 9.6), " 9.60");
    EXPECT_EQ(platform::Format("%5.3f", 0.00005), "0.000");
    EXPECT_DOUBLE_EQ(platform::LeadingNumber("9.81"), 9.81);
    if (german)
        std::setlocale(LC_NUMERIC, "C");
}

TEST(Format, LongTexts) {
    const std::string text = platform::Format("%s-%d", std::string(300, 'K').c_str(), 49);
    EXPECT_EQ(text.size(), 303u);
    EXPECT_EQ(text.substr(297), "KKK-49");
}

}  // namespace
