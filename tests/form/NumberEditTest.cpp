#include "form/model/NumberEdit.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

struct ShowCase {
    double value;
    const char* text;
};

class ShowNumberTest : public testing::TestWithParam<ShowCase> {};

TEST_P(ShowNumberTest, EmptyBelowTheThresholdElsePercentF) {
    CNumberEdit field(1);
    field.SetText("x");
    field.ShowNumber(GetParam().value);
    EXPECT_EQ(field.GetText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, ShowNumberTest,
                         testing::Values(ShowCase{0, ""}, ShowCase{1e-13, ""}, ShowCase{-1e-13, ""},
                                         ShowCase{1e-12, "0.000000"}, ShowCase{101, "101.000000"},
                                         ShowCase{-2.5, "-2.500000"}));

// Each change of the text, by ShowNumber or any other writer, is followed by the number shown next.
TEST(NumberEdit, ShowingANumberAgainShowsItsTextWhateverWasWrittenBetween) {
    struct Rewriter : platform::ControlSink {
        CNumberEdit* field = nullptr;
        std::string rewriteTo;  // written once by the next change reaction
        int events = 0;
        void OnControlEvent(int, platform::ControlEvent) override {
            ++events;
            if (!rewriteTo.empty())
                field->SetText(std::exchange(rewriteTo, std::string()));
        }
    };
    struct Step {
        double shown;
        const char* writtenBetween;  // by SetText (nullptr: nothing)
        const char* rewrittenByReaction;
        const char* text;
    };
    const Step steps[]{
        {2.5, nullptr, "", "2.500000"},
        {2.5, nullptr, "", "2.500000"},
        {2.5, "7", "", "2.500000"},
        {3, nullptr, "x", "x"},
        {3, nullptr, "", "3.000000"},
        {0, nullptr, "", ""},
        {0, "1", "", ""},
        {1e-13, nullptr, "", ""},
        {-2.5, nullptr, "", "-2.500000"},
    };
    CNumberEdit field(1);
    Rewriter sink;
    sink.field = &field;
    field.AttachSink(&sink);
    for (const Step& step : steps) {
        if (step.writtenBetween)
            field.SetText(step.writtenBetween);
        sink.rewriteTo = step.rewrittenByReaction;
        const int events = sink.events;
        field.ShowNumber(step.shown);
        EXPECT_EQ(field.GetText(), step.text) << step.shown;
        EXPECT_GE(sink.events, events + 1) << step.shown;
    }
}

TEST(NumberEdit, ShowFormatted) {
    CNumberEdit field(1);
    field.ShowFormatted("%5.2f", 101);
    EXPECT_EQ(field.GetText(), "101.00");
    field.ShowFormatted("%5.2f", 9.6);
    EXPECT_EQ(field.GetText(), " 9.60");
}

TEST(NumberEdit, FlagsRepaintOnlyWhenTheyChange) {
    CNumberEdit field(1);
    field.SetValid(true);
    field.SetResultMark(false);
    EXPECT_EQ(field.RepaintCount(), 0);
    field.SetResultMark(true);
    field.SetResultMark(true);
    field.SetValid(false);
    field.SetValid(false);
    EXPECT_EQ(field.RepaintCount(), 2);
}

TEST(NumberEdit, ColourRuleRedWinsOverYellow) {
    EXPECT_EQ(NumberFieldColour(true, false), std::nullopt);
    EXPECT_EQ(NumberFieldColour(true, true), kResultColour);
    EXPECT_EQ(NumberFieldColour(false, true), kInvalidColour);
    EXPECT_EQ(NumberFieldColour(false, false), kInvalidColour);
    EXPECT_EQ(kInvalidColour, (platform::Rgb{200, 80, 80}));
    EXPECT_EQ(kResultColour, (platform::Rgb{240, 240, 0}));

    CNumberEdit field(1);
    field.SetResultMark(true);
    field.SetValid(false);
    EXPECT_EQ(field.Background(), kInvalidColour);
}

TEST(NumberEdit, ReadsByTheLeadingNumberRule) {
    CNumberEdit field(1);
    field.SetText("  12.5 mm");
    EXPECT_DOUBLE_EQ(field.GetNumber(), 12.5);
    field.SetText("1,5");
    EXPECT_DOUBLE_EQ(field.GetNumber(), 1.0);
    // The number follows every text, typed or written.
    field.TextEditedByUser("7");
    EXPECT_DOUBLE_EQ(field.GetNumber(), 7.0);
    field.SetText("");
    EXPECT_DOUBLE_EQ(field.GetNumber(), 0.0);
}

}  // namespace
