#include <gtest/gtest.h>

#include "PageFixture.h"

namespace {

using platform::TextAlign;
using Lines = std::vector<std::string>;

// On the 4676 x 6744 page: character height 82, advance 41 ("Lab:" 164, "12" 82), field gap 16,
// 10 % of the width 467.
struct FieldCase {
    const char* what;
    FieldAnchor anchor;
    double startPercent;
    double length;
    Lines drawn;
    int endX;
};

void PrintTo(const FieldCase& c, std::ostream* out) {
    *out << c.what;
}

class FieldPlacement : public PageFixture, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(FieldPlacement, PutsLabelRuleAndValueRelativeToTheCursor) {
    const FieldCase& c = GetParam();
    MakePage();
    Root().SetXPercent(c.startPercent);
    Root().SetYPercent(10);
    Root().WriteField("Lab:", "12", "", c.length, c.anchor, 0);
    EXPECT_EQ(Drawn(), c.drawn);
    EXPECT_EQ(Root().CursorX(), c.endX);
    EXPECT_EQ(Root().CursorY(), 674);
    EXPECT_EQ(dc.GetTextAlign(), TextAlign::Left);
}

INSTANTIATE_TEST_SUITE_P(
    Anchors, FieldPlacement,
    ::testing::Values(FieldCase{"label at the cursor, rule after the gap",
                                FieldAnchor::LabelAtCursor,
                                10,
                                10,
                                {"text 467 674 \"Lab:\"", "line 647 756 1114 756", "text 647 674 \"12\""},
                                1114},
                      FieldCase{"rule ending at the cursor, label a gap before it",
                                FieldAnchor::FieldEndsAtCursor,
                                50,
                                10,
                                {"text 1871 674 \"12\"", "line 1871 756 2338 756", "text 1855 674 \"Lab:\""},
                                2338},
                      FieldCase{"label ending at the cursor",
                                FieldAnchor::LabelEndsAtCursor,
                                50,
                                10,
                                {"text 2338 674 \"Lab:\"", "line 2354 756 2821 756", "text 2354 674 \"12\""},
                                2821},
                      FieldCase{"up to 60 percent after a label",
                                FieldAnchor::LabelAtCursor,
                                10,
                                -60,
                                {"text 467 674 \"Lab:\"", "line 647 756 2805 756", "text 647 674 \"12\""},
                                2805},
                      FieldCase{"up to 60 percent after a right-aligned label",
                                FieldAnchor::LabelEndsAtCursor,
                                50,
                                -60,
                                {"text 2338 674 \"Lab:\"", "line 2354 756 2805 756", "text 2354 674 \"12\""},
                                2805},
                      FieldCase{
                          "another anchor draws nothing", static_cast<FieldAnchor>(4), 10, 10, {}, 467}));

TEST_F(PageFixture, EmptyLabelAndZeroLengthPutTheValueAtTheCursor) {
    MakePage();
    Root().SetXPercent(10);
    Root().SetYPercent(10);
    Root().WriteField("", "12", "", 0, FieldAnchor::LabelAtCursor, 0);
    EXPECT_EQ(Drawn(), (Lines{"text 467 674 \"\"", "line 467 756 467 756", "text 467 674 \"12\""}));
    EXPECT_EQ(Root().CursorX(), 467);
}

TEST_F(PageFixture, TabStepsMoveTheValueToTheNextStop) {
    MakePage();
    for (int percent : {7, 35, 50}) Root().AddTab(percent);  // 327, 1636, 2338
    Root().Home();
    Root().Advance(0, 10);
    Root().NextTab();
    Root().WriteField("Lab:", "12", "", 0, FieldAnchor::LabelAtCursor, 1);
    EXPECT_EQ(Drawn(), (Lines{"text 327 674 \"Lab:\"", "line 1636 756 1636 756", "text 1636 674 \"12\""}));
    EXPECT_EQ(Root().CursorX(), 1636);
}

TEST_F(PageFixture, RuleUsesAPrivateHairlinePenAndTheValueItsOwnFont) {
    MakePage();
    page->AddFont(1.1, "FontBold", 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 16, "Arial");  // 90 units
    page->AddPen(0.2, "borderall", platform::PenStyle::Solid, {});                   // 16 units
    page->SelectPen("borderall");
    const platform::Pen* selected = dc.CurrentPen();
    const auto before = dc.Objects();

    for (FieldAnchor anchor :
         {FieldAnchor::LabelAtCursor, FieldAnchor::FieldEndsAtCursor, FieldAnchor::LabelEndsAtCursor}) {
        Root().SetXPercent(50);
        Root().SetYPercent(10);
        Root().WriteField("Lab:", "12", "FontBold", 10, anchor, 0);
    }
    EXPECT_EQ(dc.penWidths, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(dc.CurrentPen(), selected);
    EXPECT_EQ(dc.Objects().pensCreated, before.pensCreated + 3);
    EXPECT_EQ(dc.Objects().pensDestroyed, before.pensDestroyed + 3);
    // label, value per anchor: the value in bold, the label and everything after in the entry font
    EXPECT_EQ(dc.fontHeights, (std::vector<int>{82, 90, 90, 82, 82, 90}));
    EXPECT_EQ(dc.CurrentFontSpec().height, -82);
}

TEST_F(PageFixture, ValueFontOnlyCountsForTheValueNotForTheRulePosition) {
    MakePage();
    page->AddFont(1.5, "Big", 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 16, "Arial");
    Root().SetXPercent(10);
    Root().SetYPercent(10);
    Root().WriteField("", "12", "Big", 0, FieldAnchor::LabelAtCursor, 0);
    EXPECT_EQ(Drawn()[1], "line 467 756 467 756");  // one normal character height down
}

TEST_F(PageFixture, UnknownValueFontKeepsTheCurrentFont) {
    MakePage();
    Root().Home();
    Root().WriteField("", "12", "NoSuchFont", 0, FieldAnchor::LabelAtCursor, 0);
    EXPECT_EQ(dc.fontHeights, (std::vector<int>{82, 82}));
}

class FieldAlignment : public PageFixture,
                       public ::testing::WithParamInterface<std::tuple<FieldAnchor, TextAlign>> {};

TEST_P(FieldAlignment, IsRestoredAfterTheField) {
    MakePage();
    dc.SetTextAlign(std::get<1>(GetParam()));
    Root().SetXPercent(50);
    Root().WriteField("Lab:", "12", "", 10, std::get<0>(GetParam()), 0);
    EXPECT_EQ(dc.GetTextAlign(), std::get<1>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, FieldAlignment,
    ::testing::Combine(::testing::Values(FieldAnchor::LabelAtCursor, FieldAnchor::FieldEndsAtCursor,
                                         FieldAnchor::LabelEndsAtCursor),
                       ::testing::Values(TextAlign::Left, TextAlign::Right, TextAlign::Centre)));

TEST_F(PageFixture, FieldInAnAreaWithoutWidthCollapsesOntoItsLeftEdge) {
    MakePage(0, 1000);  // character height 10
    Root().Home();
    Root().WriteField("", "12", "", -60, FieldAnchor::LabelAtCursor, 0);
    EXPECT_EQ(Drawn(), (Lines{"text 0 0 \"\"", "line 0 10 0 10", "text 0 0 \"12\""}));
    EXPECT_EQ(Root().CursorX(), 0);
}

TEST_F(PageFixture, CheckBoxDrawsTextBoxAndTick) {
    MakePage();
    Root().SetXPercent(10);
    Root().SetYPercent(10);
    dc.SetTextAlign(TextAlign::Centre);
    const platform::Extent advanced = Root().DrawCheckBox("Ja", true, false);
    // box 82, gap 32 (0.4 % of the diagonal), text 82; tick a = 16, m = 41
    EXPECT_EQ(Drawn(), (Lines{"text 581 674 \"Ja\"", "rect 467 674 549 756", "line 483 715 508 740",
                              "line 508 740 533 690"}));
    EXPECT_EQ(advanced.width, 82 + 32 + 82);
    EXPECT_EQ(advanced.height, 82);
    EXPECT_EQ(Root().CursorX(), 467 + 196);
    EXPECT_EQ(Root().CursorY(), 674);
    EXPECT_EQ(dc.GetTextAlign(), TextAlign::Centre);
}

TEST_F(PageFixture, CheckBoxWithoutTextIsTheBoxAlone) {
    MakePage();
    Root().SetXPercent(10);
    Root().SetYPercent(10);
    const platform::Extent advanced = Root().DrawCheckBox("ignored", false, true);
    EXPECT_EQ(Drawn(), Lines{"rect 467 674 549 756"});
    EXPECT_EQ(advanced.width, 82);
    EXPECT_EQ(Root().CursorX(), 549);
}

}  // namespace
