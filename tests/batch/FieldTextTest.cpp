// The field texts made without printf are printf's texts, ties and extreme magnitudes included.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <random>

#include "batch/FieldText.h"
#include "form/model/PipeDiameter.h"
#include "platform/Number.h"

namespace {

std::string Printf(const char* format, double x) {
    char text[512];
    std::snprintf(text, sizeof text, format, x);
    return text;
}

TEST(FieldTextTest, FixedTextIsPrintfsFixedFormat) {
    std::vector<double> values{0.0,
                               -0.0,
                               0.5,
                               1.5,
                               2.5,
                               0.0078125,
                               0.0000005,
                               0.0000015,
                               0.125,
                               0.005,
                               0.015,
                               101.005,
                               1e-7,
                               1e-300,
                               4.9e-324,
                               123456.0,
                               1e15,
                               4.5e15,
                               9007199254740993.0,
                               1e22,
                               DBL_MAX,
                               -1.0625,
                               -2.675,
                               99.995,
                               0.045,
                               1.0 / 3.0,
                               2.0 / 3.0};
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const double magnitude = std::pow(10.0, std::uniform_real_distribution<double>(-14, 18)(random));
        values.push_back((i % 2 ? 1 : -1) * magnitude);
        // values of few binary digits, where exact ties occur
        values.push_back(std::ldexp(static_cast<double>(random() % 4096), -static_cast<int>(random() % 24)));
    }
    for (double x : values) {
        EXPECT_EQ(platform::FixedText(x, 6), Printf("%f", x)) << x;
        EXPECT_EQ(platform::FixedFormat(kCatalogueDiFormat, x), Printf(kCatalogueDiFormat, x)) << x;
    }
}

TEST(FieldTextTest, ShownNumberAndTheLeadingNumberRule) {
    EXPECT_EQ(platform::ShownNumber(1e-13), "");
    EXPECT_EQ(platform::ShownNumber(NAN), "");
    EXPECT_EQ(platform::ShownNumber(1.5), "1.500000");
    // A field holds at most 16 characters: beyond them nine significant digits.
    EXPECT_EQ(platform::ShownNumber(123456789.5), "123456789.500000");
    EXPECT_EQ(platform::ShownNumber(1234567890.5), "1.23456789e+09");
    EXPECT_EQ(platform::ShownNumber(-DBL_MAX), "-1.79769313e+308");
    struct Case {
        const char* text;
        double number;
    };
    const std::vector<Case> cases{{"", 0},         {"  1.5", 1.5},     {"+2", 2},
                                  {"-.5x", -0.5},  {"1e3", 1000},      {"1e", 1},
                                  {"abc", 0},      {"1e999", DBL_MAX}, {"-1e999", -DBL_MAX},
                                  {"101.00", 101}, {" 0.100000", 0.1}};
    for (const Case& c : cases) EXPECT_EQ(platform::LeadingFiniteNumber(c.text), c.number) << c.text;
}

TEST(FieldTextTest, TypedNumbersAreWholeNumbersInTheFilesDecimal) {
    struct Case {
        const char* cell;
        char decimal;
        const char* typed;  // nullptr: not a number
    };
    const std::vector<Case> cases{{" 1,5 ", ',', "1.5"}, {"1.5", ',', nullptr},   {"1.5", '.', "1.5"},
                                  {"-2", ',', "-2"},     {"+3,", ',', "+3."},     {",5", ',', ".5"},
                                  {"1e-3", '.', "1e-3"}, {"1e", '.', nullptr},    {"1,5,", ',', nullptr},
                                  {"", ',', nullptr},    {"1e400", '.', nullptr}, {"1 000", ',', nullptr}};
    std::string typed;
    for (const Case& c : cases) {
        const bool read = batch::TypedNumberText(c.cell, c.decimal, typed);
        EXPECT_EQ(read, c.typed != nullptr) << c.cell;
        if (read && c.typed) {
            EXPECT_EQ(typed, c.typed) << c.cell;
        }
    }
}

}  // namespace
