#include <gtest/gtest.h>

#include <functional>

#include "PageFixture.h"

namespace {

using platform::TextAlign;

struct TabCase {
    const char* what;
    std::function<void(LayoutArea&)> moves;
    int expectedX;
};

void PrintTo(const TabCase& c, std::ostream* out) {
    *out << c.what;
}

class TabStops : public PageFixture, public ::testing::WithParamInterface<TabCase> {};

// Stops at 7, 35 and 50 % of a 1000-unit root: x 70, 350, 500; the cursor starts at the left edge.
TEST_P(TabStops, MoveTheCursorAcrossOnly) {
    MakePage(1000, 1000);
    LayoutArea& area = Root();
    for (int percent : {7, 35, 50}) area.AddTab(percent);
    area.Home();
    area.Advance(0, 10);
    GetParam().moves(area);
    EXPECT_EQ(area.CursorX(), GetParam().expectedX);
    EXPECT_EQ(area.CursorY(), 100);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TabStops,
    ::testing::Values(TabCase{"first NextTab goes to stop 0", [](LayoutArea& a) { a.NextTab(); }, 70},
                      TabCase{"NextTab steps on",
                              [](LayoutArea& a) {
                                  a.NextTab();
                                  a.NextTab();
                              },
                              350},
                      TabCase{"the last stop repeats",
                              [](LayoutArea& a) {
                                  for (int i = 0; i < 5; ++i) a.NextTab();
                              },
                              500},
                      TabCase{"GoToTab -1 changes nothing", [](LayoutArea& a) { a.GoToTab(-1); }, 0},
                      TabCase{"GoToTab past the last changes nothing", [](LayoutArea& a) { a.GoToTab(3); },
                              0},
                      TabCase{"GoToTab sets the next stop",
                              [](LayoutArea& a) {
                                  a.GoToTab(1);
                                  a.NextTab();
                              },
                              500},
                      TabCase{"GoToTab to the last keeps it next",
                              [](LayoutArea& a) {
                                  a.GoToTab(2);
                                  a.NextTab();
                              },
                              500},
                      TabCase{"NewLine restarts at stop 0",
                              [](LayoutArea& a) {
                                  a.NextTab();
                                  a.NextTab();
                                  a.NewLine(0);
                                  a.NextTab();
                              },
                              70},
                      TabCase{"Home restarts at stop 0",
                              [](LayoutArea& a) {
                                  a.GoToTab(2);
                                  a.Home();
                                  a.Advance(0, 10);
                                  a.NextTab();
                              },
                              70}));

TEST_F(PageFixture, NextTabWithoutStopsChangesNothing) {
    MakePage(1000, 1000);
    Root().Home();
    Root().Advance(12, 0);
    Root().NextTab();
    EXPECT_EQ(Root().CursorX(), 120);
}

TEST_F(PageFixture, TabStopsAreAbsoluteAndKeepTheirOrder) {
    MakePage(1000, 1000);
    ASSERT_TRUE(page->AddArea(10, 0, 0, 0, "right"));  // left edge 99, 901 wide
    LayoutArea& area = *page->FindArea("right");
    area.AddTab(50);
    area.AddTab(10);
    area.AddTab(10);
    EXPECT_EQ(area.Tabs(), (std::vector<int>{99 + 450, 99 + 90, 99 + 90}));
}

TEST_F(PageFixture, NewLineAddsTheTruncatedLineHeight) {
    MakePage();  // character height 82, external leading 0
    Root().Home();
    Root().Advance(10, 10);
    Root().NewLine(1.4);  // 114.8
    EXPECT_EQ(Root().CursorX(), 0);
    EXPECT_EQ(Root().CursorY(), 674 + 114);
    Root().NewLine(1.0);
    EXPECT_EQ(Root().CursorY(), 674 + 114 + 82);
}

struct AlignCase {
    TextAlign align;
    int expectedX;
};

class WriteTextAlignment : public PageFixture, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(WriteTextAlignment, MovesAwayFromTheReferencePoint) {
    MakePage();
    Root().SetXPercent(50);
    Root().SetYPercent(10);
    dc.SetTextAlign(GetParam().align);
    const platform::Extent extent = Root().WriteText("Zähler");  // 6 code points of 41
    EXPECT_EQ(extent.width, 246);
    EXPECT_EQ(extent.height, 82);
    EXPECT_EQ(Drawn(), std::vector<std::string>{"text 2338 674 \"Zähler\""});
    EXPECT_EQ(Root().CursorX(), GetParam().expectedX);
    EXPECT_EQ(Root().CursorY(), 674);
}

INSTANTIATE_TEST_SUITE_P(Alignments, WriteTextAlignment,
                         ::testing::Values(AlignCase{TextAlign::Left, 2338 + 246},
                                           AlignCase{TextAlign::Right, 2338 - 246},
                                           AlignCase{TextAlign::Centre, 2338 - 246}));

}  // namespace
