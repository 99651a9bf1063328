#include <gtest/gtest.h>

#include <climits>

#include "PageFixture.h"

namespace {

void ExpectRect(const platform::Rect& rect, int left, int top, int right, int bottom) {
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right, right);
    EXPECT_EQ(rect.bottom, bottom);
}

struct RootCase {
    const char* what;
    int width, height;
    int margins[4];
    platform::Rect expected;
};

void PrintTo(const RootCase& c, std::ostream* out) {
    *out << c.what;
}

class RootPlacement : public PageFixture, public ::testing::WithParamInterface<RootCase> {};

TEST_P(RootPlacement, MarginsTruncateThroughTheSinglePrecisionScale) {
    const RootCase& c = GetParam();
    ReportLayout layout(dc, c.width, c.height, c.margins[0], c.margins[1], c.margins[2], c.margins[3]);
    ExpectRect(layout.FindArea("_ROOT")->GetRect(), c.expected.left, c.expected.top, c.expected.right,
               c.expected.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Margins, RootPlacement,
    ::testing::Values(
        RootCase{"zero margins cover the page", 4800, 6000, {0, 0, 0, 0}, {0, 0, 4800, 6000}},
        RootCase{"5 percent of 4800 is 239", 4800, 4800, {5, 5, 5, 5}, {239, 239, 4561, 4561}},
        RootCase{"negative margins grow the area", 1000, 1000, {-10, 0, 0, -10}, {-99, 0, 1000, 1099}},
        RootCase{"overlapping margins invert it", 1000, 1000, {60, 0, 60, 0}, {599, 0, 401, 1000}},
        RootCase{"huge margins saturate", 1000, 1000, {INT_MAX, 0, 0, 0}, {INT_MAX, 0, 1000, 1000}}));

TEST_F(PageFixture, ChildIsInsetFromItsParentAndItsCursorStartsAtTheOrigin) {
    ReportLayout layout(dc, 1000, 1000, 0, 0, 0, 0);
    ASSERT_TRUE(layout.AddArea(2, 2, 2, 2, "inner"));
    LayoutArea* inner = layout.FindArea("inner");
    ASSERT_NE(inner, nullptr);
    ExpectRect(inner->GetRect(), 19, 19, 981, 981);  // each inset truncated from 19.99999955
    EXPECT_EQ(inner->Parent(), layout.FindArea("_ROOT"));
    EXPECT_EQ(inner->CursorX(), 0);
    EXPECT_EQ(inner->CursorY(), 0);

    ASSERT_TRUE(layout.AddSubArea("inner", 0, 50, 0, 0, "lower"));
    ExpectRect(layout.FindArea("lower")->GetRect(), 19, 499, 981, 981);
    EXPECT_TRUE(transcript.Lines().empty());
}

TEST_F(PageFixture, AddSubAreaNeedsARegisteredParentAndTheLatestNameWins) {
    ReportLayout layout(dc, 1000, 1000, 0, 0, 0, 0);
    LayoutArea* root = layout.FindArea("_ROOT");
    EXPECT_FALSE(layout.AddSubArea("nowhere", 0, 0, 0, 0, "orphan"));
    EXPECT_EQ(layout.FindArea("orphan"), nullptr);
    EXPECT_TRUE(root->Children().empty());

    ASSERT_TRUE(layout.AddArea(0, 0, 0, 50, "band"));
    LayoutArea* first = layout.FindArea("band");
    ASSERT_TRUE(layout.AddArea(0, 50, 0, 0, "band"));
    LayoutArea* second = layout.FindArea("band");
    EXPECT_NE(first, second);
    EXPECT_EQ(second->GetRect().top, 499);
    ASSERT_EQ(root->Children().size(), 2u);  // the replaced area stays in the tree
    EXPECT_EQ(root->Children()[0].get(), first);
    EXPECT_EQ(layout.FindArea("Band"), nullptr);  // names are case-sensitive
}

TEST_F(PageFixture, PercentConversionsTruncateTowardZero) {
    ReportLayout layout(dc, 4676, 6744, 0, 0, 0, 0);
    LayoutArea& root = *layout.FindArea("_ROOT");
    EXPECT_EQ(root.PercentToWidth(10), 467);    // 467.6
    EXPECT_EQ(root.PercentToWidth(-10), -467);  // toward zero, not down
    EXPECT_EQ(root.PercentToHeight(10), 674);   // 674.4
    EXPECT_DOUBLE_EQ(root.XToPercent(2338), 50.0);
    EXPECT_DOUBLE_EQ(root.YToPercent(3372), 50.0);
    EXPECT_NEAR(root.Diagonal(), 8206.492064, 1e-6);

    root.Home();
    root.Advance(10, 10);
    EXPECT_EQ(root.CursorX(), 467);
    EXPECT_EQ(root.CursorY(), 674);
    root.SetXPercent(50);
    root.SetYPercent(1);
    EXPECT_EQ(root.CursorX(), 2338);
    EXPECT_EQ(root.CursorY(), 67);
    EXPECT_DOUBLE_EQ(root.GetXPercent(), 50.0);
    root.MoveToRight();
    EXPECT_EQ(root.CursorX(), 4676);
}

TEST_F(PageFixture, EmptyAreaConvertsEveryCoordinateToZeroPercent) {
    ReportLayout layout(dc, 0, 0, 0, 0, 0, 0);
    LayoutArea& root = *layout.FindArea("_ROOT");
    EXPECT_EQ(root.XToPercent(50), 0.0);
    EXPECT_EQ(root.YToPercent(-50), 0.0);
    EXPECT_EQ(root.Diagonal(), 0.0);
    root.Home();
    EXPECT_EQ(root.DrawLine(0, 0, 50, true), 0.0);
    EXPECT_EQ(transcript.TakeNew(), std::vector<std::string>{"line 0 0 0 0"});
}

TEST_F(PageFixture, DrawLineIsHorizontalFromTheOffsetCursor) {
    ReportLayout layout(dc, 1000, 1000, 10, 10, 10, 10);  // area (99, 99, 901, 901), 802 wide
    LayoutArea& root = *layout.FindArea("_ROOT");
    root.Home();
    const double end = root.DrawLine(10, 10, 50, false);
    EXPECT_EQ(transcript.TakeNew(), std::vector<std::string>{"line 179 179 580 179"});
    EXPECT_DOUBLE_EQ(end, (580 - 99) * 100.0 / 802);
    EXPECT_EQ(root.CursorX(), 99);
    root.DrawLine(10, 10, 50, true);
    EXPECT_EQ(root.CursorX(), 580);
    EXPECT_EQ(root.CursorY(), 99);

    root.DrawBorder();
    EXPECT_EQ(transcript.TakeNew().back(), "rect 99 99 901 901");
}

}  // namespace
