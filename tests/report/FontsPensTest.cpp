#include <gtest/gtest.h>

#include "PageFixture.h"

namespace {

using platform::MessageIcon;
using platform::PenStyle;

bool AddArial(ReportLayout& layout, double percent, const std::string& name, int weight = 400) {
    return layout.AddFont(percent, name, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 16, "Arial");
}

struct SizeCase {
    double percent;
    int units;
};

class SizedByDiagonal : public PageFixture, public ::testing::WithParamInterface<SizeCase> {};

// The report's sizes on the 4676 x 6744 page (diagonal 8206.49).
TEST_P(SizedByDiagonal, FontsAskForTheTruncatedCharacterHeight) {
    ReportLayout layout(dc, kPageWidth, kPageHeight, 0, 0, 0, 0);
    ASSERT_TRUE(AddArial(layout, GetParam().percent, "font"));
    layout.SelectFont("font");
    EXPECT_EQ(dc.CurrentFontSpec().height, -GetParam().units);
    EXPECT_EQ(dc.GetTextMetrics().height, GetParam().units);
}

TEST_P(SizedByDiagonal, PensGetTheTruncatedWidth) {
    ReportLayout layout(dc, kPageWidth, kPageHeight, 0, 0, 0, 0);
    ASSERT_TRUE(layout.AddPen(GetParam().percent, "pen", PenStyle::Dash, {1, 2, 3}));
    layout.SelectPen("pen");
    EXPECT_EQ(dc.CurrentPenSpec().width, GetParam().units);
    EXPECT_EQ(dc.CurrentPenSpec().style, PenStyle::Dash);
    EXPECT_EQ(dc.CurrentPenSpec().colour, (platform::Rgb{1, 2, 3}));
}

INSTANTIATE_TEST_SUITE_P(ReportSizes, SizedByDiagonal,
                         ::testing::Values(SizeCase{1.1, 90}, SizeCase{1.0, 82}, SizeCase{1.5, 123},
                                           SizeCase{0.85, 69}, SizeCase{0.2, 16}, SizeCase{0.1, 8}));

TEST_F(PageFixture, FontSizesFollowTheRootNotThePage) {
    ReportLayout layout(dc, kPageWidth, kPageHeight, 25, 25, 25, 25);  // half the diagonal
    AddArial(layout, 1.0, "font");
    layout.SelectFont("font");
    EXPECT_EQ(dc.CurrentFontSpec().height, -41);
}

TEST_F(PageFixture, FontAttributesPassTheirLowByte) {
    ReportLayout layout(dc, 1000, 1000, 0, 0, 0, 0);
    layout.AddFont(1.0, "f", 7, 900, 450, 700, 0x101, 0x1FF, 2, 0x1A1, 3, 4, 5, 0x110, "Times");
    layout.SelectFont("f");
    const platform::FontSpec& attributes = dc.CurrentFontSpec();
    EXPECT_EQ(attributes.height, -14);
    EXPECT_EQ(attributes.width, 7);
    EXPECT_EQ(attributes.escapement, 900);
    EXPECT_EQ(attributes.orientation, 450);
    EXPECT_EQ(attributes.weight, 700);
    EXPECT_EQ(attributes.italic, 1);
    EXPECT_EQ(attributes.underline, 0xFF);
    EXPECT_EQ(attributes.strikeOut, 2);
    EXPECT_EQ(attributes.charSet, 0xA1);
    EXPECT_EQ(attributes.outPrecision, 3);
    EXPECT_EQ(attributes.clipPrecision, 4);
    EXPECT_EQ(attributes.quality, 5);
    EXPECT_EQ(attributes.pitchAndFamily, 0x10);
    EXPECT_EQ(attributes.faceName, "Times");
}

TEST_F(PageFixture, ConstructionLeavesTheContextAlone) {
    {
        ReportLayout layout(dc, kPageWidth, kPageHeight, 0, 0, 0, 0);
        EXPECT_EQ(&layout.GetDC(), &dc);
    }
    EXPECT_EQ(dc.CurrentFont(), dc.StockFont());
    EXPECT_EQ(dc.CurrentPen(), dc.StockPen());
    EXPECT_EQ(dc.Objects().fontsCreated, 0);
    EXPECT_TRUE(transcript.Lines().empty());
}

TEST_F(PageFixture, DestructionSelectsBackWhatTheFirstSelectionReplaced) {
    {
        ReportLayout layout(dc, kPageWidth, kPageHeight, 0, 0, 0, 0);
        AddArial(layout, 1.0, "normal");
        AddArial(layout, 1.1, "bold", 700);
        layout.AddPen(0.2, "border", PenStyle::Solid, {});
        layout.AddPen(0.1, "box", PenStyle::Solid, {});

        EXPECT_EQ(layout.SelectFont("missing"), nullptr);
        EXPECT_EQ(layout.SelectPen("missing"), nullptr);
        EXPECT_EQ(dc.CurrentFont(), dc.StockFont());

        EXPECT_EQ(layout.SelectFont("normal"), dc.StockFont());
        const platform::Font* normal = dc.CurrentFont();
        EXPECT_EQ(layout.SelectFont("bold"), normal);
        EXPECT_EQ(layout.RestoreFont(nullptr), nullptr);
        EXPECT_EQ(dc.CurrentFontSpec().height, -90);
        EXPECT_EQ(layout.SelectPen("border"), dc.StockPen());
        layout.SelectPen("box");
        EXPECT_EQ(dc.CurrentPenSpec().width, 8);
    }
    EXPECT_EQ(dc.CurrentFont(), dc.StockFont());
    EXPECT_EQ(dc.CurrentPen(), dc.StockPen());
    EXPECT_EQ(dc.Objects().fontsCreated, 2);
    EXPECT_EQ(dc.Objects().fontsDestroyed, 2);
    EXPECT_EQ(dc.Objects().pensCreated, 2);
    EXPECT_EQ(dc.Objects().pensDestroyed, 2);
}

TEST_F(PageFixture, RestoreFontDoesNotChangeWhatDestructionRestores) {
    {
        ReportLayout layout(dc, kPageWidth, kPageHeight, 0, 0, 0, 0);
        AddArial(layout, 1.0, "normal");
        platform::Font* stock = layout.SelectFont("normal");
        layout.RestoreFont(stock);
        AddArial(layout, 1.5, "head");
        EXPECT_EQ(layout.SelectFont("head"), stock);
    }
    EXPECT_EQ(dc.CurrentFont(), dc.StockFont());
}

TEST_F(PageFixture, ReregisteredNamesUseTheNewObjectAndReleaseBoth) {
    {
        ReportLayout layout(dc, kPageWidth, kPageHeight, 0, 0, 0, 0);
        AddArial(layout, 1.0, "font");
        AddArial(layout, 1.5, "font");
        layout.SelectFont("font");
        EXPECT_EQ(dc.CurrentFontSpec().height, -123);
    }
    EXPECT_EQ(dc.Objects().fontsDestroyed, 2);
}

TEST_F(PageFixture, FontThatCannotBeMadeIsReportedAndNotRegistered) {
    ReportLayout layout(dc, kPageWidth, kPageHeight, 0, 0, 0, 0);
    dc.FailFontCreation(true);
    EXPECT_FALSE(AddArial(layout, 1.0, "FontNormal"));
    ASSERT_EQ(prompt.Messages().size(), 1u);
    EXPECT_EQ(prompt.Messages()[0].text, "Konnte den Font: Arial nicht erstellen!");
    EXPECT_EQ(prompt.Messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(layout.SelectFont("FontNormal"), nullptr);
    EXPECT_EQ(dc.CurrentFont(), dc.StockFont());
}

TEST_F(PageFixture, PenThatCannotBeMadeIsReportedAndNotRegistered) {
    ReportLayout layout(dc, kPageWidth, kPageHeight, 0, 0, 0, 0);
    dc.FailPenCreation(true);
    EXPECT_FALSE(layout.AddPen(0.2, "borderall", PenStyle::Solid, {}));
    EXPECT_EQ(prompt.MessageTexts(), std::vector<std::string>{"Konnte den Pen: borderall nicht erstellen!"});
    EXPECT_EQ(prompt.Messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(layout.SelectPen("borderall"), nullptr);

    // A field still draws its rule, with the pen that is selected.
    LayoutArea& root = *layout.FindArea("_ROOT");
    root.Home();
    root.WriteField("", "1", "", 10, FieldAnchor::LabelAtCursor, 0);
    EXPECT_EQ(dc.penWidths, std::vector<int>{1});
    EXPECT_EQ(dc.CurrentPen(), dc.StockPen());
}

}  // namespace
