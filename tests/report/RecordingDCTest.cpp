#include "platform/headless/RecordingDC.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using headless::RecordingDC;
using headless::Transcript;

platform::FontSpec FontOf(int height, int width = 0) {
    platform::FontSpec attributes;
    attributes.height = height;
    attributes.width = width;
    attributes.faceName = "Arial";
    return attributes;
}

struct ExtentCase {
    const char* what;
    int height, width;
    std::string text;
    platform::Extent expected;
};

void PrintTo(const ExtentCase& c, std::ostream* out) {
    *out << c.what;
}

class RecordingMetrics : public ::testing::TestWithParam<ExtentCase> {};

TEST_P(RecordingMetrics, AdvanceEveryCodePoint) {
    const ExtentCase& c = GetParam();
    Transcript transcript;
    RecordingDC dc(transcript);
    auto font = dc.CreateFont(FontOf(c.height, c.width));
    dc.SelectFont(font.get());
    const platform::Extent extent = dc.GetTextExtent(c.text);
    EXPECT_EQ(extent.width, c.expected.width);
    EXPECT_EQ(extent.height, c.expected.height);
    EXPECT_EQ(dc.GetTextMetrics().height, c.expected.height);
    EXPECT_EQ(dc.GetTextMetrics().externalLeading, 0);
    dc.SelectFont(dc.StockFont());
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, RecordingMetrics,
    ::testing::Values(ExtentCase{"character height asked", -82, 0, "abc", {123, 82}},
                      ExtentCase{"cell height asked", 82, 0, "abc", {123, 82}},
                      ExtentCase{"odd height truncates the advance", -15, 0, "ab", {14, 15}},
                      ExtentCase{"explicit width", -82, 30, "ab", {60, 82}},
                      ExtentCase{"umlauts count once", -20, 0, "Zähigkeit m³", {120, 20}},
                      ExtentCase{"empty text", -20, 0, "", {0, 20}},
                      ExtentCase{"extreme height saturates", INT_MIN, 0, "a", {INT_MAX / 2, INT_MAX}}));

TEST(RecordingDC, WritesOneLinePerDrawing) {
    Transcript transcript;
    RecordingDC dc(transcript);
    dc.SetTextAlign(platform::TextAlign::Centre);
    dc.TextOut(10, -5, "Sag \"Ja\"");
    dc.MoveTo(1, 2);
    dc.LineTo(3, 4);
    dc.LineTo(5, 6);
    dc.Rectangle(0, 0, 100, 50);
    EXPECT_EQ(transcript.Lines(), (std::vector<std::string>{"text 10 -5 \"Sag \\\"Ja\\\"\"", "line 1 2 3 4",
                                                            "line 3 4 5 6", "rect 0 0 100 50"}));
}

TEST(RecordingDC, SelectionReturnsThePreviousObjectAndIgnoresNull) {
    Transcript transcript;
    RecordingDC dc(transcript);
    EXPECT_EQ(dc.CurrentFontSpec().height, -10);
    EXPECT_EQ(dc.CurrentPenSpec().width, 1);
    auto font = dc.CreateFont(FontOf(-40));
    auto pen = dc.CreatePen({platform::PenStyle::Dot, 7, {9, 9, 9}});
    EXPECT_EQ(dc.SelectFont(font.get()), dc.StockFont());
    EXPECT_EQ(dc.SelectPen(pen.get()), dc.StockPen());
    EXPECT_EQ(dc.SelectFont(nullptr), nullptr);
    EXPECT_EQ(dc.SelectPen(nullptr), nullptr);
    EXPECT_EQ(dc.CurrentFont(), font.get());
    EXPECT_EQ(dc.CurrentPenSpec().width, 7);
    EXPECT_EQ(dc.SetTextAlign(platform::TextAlign::Right), platform::TextAlign::Left);
    EXPECT_EQ(dc.SetTextColor({255, 0, 0}), (platform::Rgb{0, 0, 0}));
    EXPECT_EQ(dc.TextColor(), (platform::Rgb{255, 0, 0}));
    dc.SelectFont(dc.StockFont());
    dc.SelectPen(dc.StockPen());
    EXPECT_TRUE(transcript.Lines().empty());
}

TEST(RecordingDC, CountsObjectsEvenWhenTheyOutliveIt) {
    Transcript transcript;
    std::unique_ptr<platform::Font> survivor;
    {
        RecordingDC dc(transcript);
        survivor = dc.CreateFont(FontOf(-10));
        dc.CreatePen({});
        dc.FailFontCreation(true);
        dc.FailPenCreation(true);
        EXPECT_EQ(dc.CreateFont(FontOf(-10)), nullptr);
        EXPECT_EQ(dc.CreatePen({}), nullptr);
        EXPECT_EQ(dc.Objects().fontsCreated, 1);
        EXPECT_EQ(dc.Objects().pensCreated, 1);
        EXPECT_EQ(dc.Objects().pensDestroyed, 1);
        EXPECT_EQ(dc.Objects().fontsDestroyed, 0);
    }
    survivor.reset();  // no access to the context that is gone
}

}  // namespace
