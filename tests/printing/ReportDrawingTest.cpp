// How the page is drawn: geometry from the printer's page, fonts, pens, alignment, and the drawing
// context handed back as it was.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "ReportFixture.h"
#include "platform/headless/RecordingDC.h"

namespace printing_test {
namespace {

using platform::TextAlign;

// Records the fonts and pens created and, per text, the font and alignment it was drawn with.
class InspectingDC : public headless::RecordingDC {
  public:
    using RecordingDC::RecordingDC;

    struct TextState {
        platform::FontSpec font;
        TextAlign align;
    };

    std::unique_ptr<platform::Font> CreateFont(const platform::FontSpec& attributes) override {
        createdFonts.push_back(attributes);
        return RecordingDC::CreateFont(attributes);
    }
    std::unique_ptr<platform::Pen> CreatePen(const platform::PenSpec& attributes) override {
        createdPens.push_back(attributes);
        return RecordingDC::CreatePen(attributes);
    }
    void TextOut(int x, int y, std::string_view text) override {
        texts.emplace(std::string(text), TextState{CurrentFontSpec(), GetTextAlign()});
        RecordingDC::TextOut(x, y, text);
    }
    void Rectangle(int left, int top, int right, int bottom) override {
        rectanglePenWidths.push_back(CurrentPenSpec().width);
        RecordingDC::Rectangle(left, top, right, bottom);
    }
    void LineTo(int x, int y) override {
        linePenWidths.push_back(CurrentPenSpec().width);
        RecordingDC::LineTo(x, y);
    }

    std::vector<platform::FontSpec> createdFonts;
    std::vector<platform::PenSpec> createdPens;
    std::map<std::string, TextState> texts;
    std::vector<int> rectanglePenWidths;
    std::vector<int> linePenWidths;
};

class ReportDrawing : public ReportTest {
  protected:
    // OnPrint on a context of our own, as the framework calls it for page 1 of 1.
    void PrintOn(InspectingDC& onto) {
        platform::PrintInfo info;
        info.maxPage = 1;
        view.OnPrint(onto, info);
    }

    headless::Transcript pageTranscript;
    InspectingDC dc{pageTranscript};
};

TEST_F(ReportDrawing, RegistersTheFourArialFontsInOrder) {
    FillRecord();
    PrintOn(dc);
    ASSERT_EQ(dc.createdFonts.size(), 4u);
    const int heights[] = {-90, -82, -123, -69};
    const int weights[] = {700, 400, 700, 700};
    for (std::size_t i = 0; i < 4; ++i) {
        const platform::FontSpec& font = dc.createdFonts[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(font.height, heights[i]);
        EXPECT_EQ(font.weight, weights[i]);
        EXPECT_EQ(font.faceName, "Arial");
        EXPECT_EQ(font.pitchAndFamily, 16);
        EXPECT_EQ(font.width + font.escapement + font.orientation, 0);
        EXPECT_EQ(font.italic + font.underline + font.strikeOut + font.charSet + font.outPrecision +
                      font.clipPrecision + font.quality,
                  0);
    }
}

TEST_F(ReportDrawing, RegistersBorderAndCheckboxPensBeforeAnyFieldRule) {
    PrintOn(dc);
    ASSERT_GE(dc.createdPens.size(), 2u);
    EXPECT_EQ(dc.createdPens[0].width, 16);
    EXPECT_EQ(dc.createdPens[1].width, 8);
    for (const platform::PenSpec& pen : dc.createdPens) {
        EXPECT_EQ(pen.style, platform::PenStyle::Solid);
        EXPECT_EQ(pen.colour, platform::Rgb{});
    }
    // Both frames with "borderall"; every field rule with the private one-unit pen.
    EXPECT_EQ(dc.rectanglePenWidths, (std::vector<int>{16, 16}));
    ASSERT_FALSE(dc.linePenWidths.empty());
    for (int width : dc.linePenWidths) EXPECT_EQ(width, 1);
}

struct TextStyleCase {
    const char* text;
    int height;
    int weight;
    TextAlign align;
};

TEST_F(ReportDrawing, DrawsEachKindOfTextInItsFontAndAlignment) {
    FillRecord();
    Select(SOUGHT_J, false, true);
    PrintOn(dc);
    const TextStyleCase cases[] = {
        {"Datum:", 82, 400, TextAlign::Left},
        {"07.12.2026, 01:22:05", 82, 400, TextAlign::Left},
        {"Quellrix V 1.0 - Berechnung von Rohrparametern", 123, 700, TextAlign::Centre},
        {"Die Berechnung erfolgt nach dem aktuellen ATV Arbeitsblatt 110 ", 69, 700, TextAlign::Centre},
        {"1.", 90, 700, TextAlign::Left},
        {"Eingabeparameter", 90, 700, TextAlign::Left},
        {"Gesuchter Parameter:", 82, 400, TextAlign::Left},
        {"Druckgefälle J[m/km],Teilfüllung", 82, 400, TextAlign::Left},
        {"Kinematische Zähigkeit ny:", 82, 400, TextAlign::Left},
        {"Druckgefälle I:", 82, 400, TextAlign::Left},
        {"12.346 [m/km]", 90, 700, TextAlign::Left},
        {"Teilfüllung:", 82, 400, TextAlign::Left},
        {"98.70 [mm]", 82, 400, TextAlign::Left},
        {"Veltrum-Berlin", 82, 400, TextAlign::Left},
        {"Seite 1 von 1", 82, 400, TextAlign::Right},
    };
    for (const TextStyleCase& expected : cases) {
        SCOPED_TRACE(expected.text);
        const auto found = dc.texts.find(expected.text);
        ASSERT_NE(found, dc.texts.end());
        EXPECT_EQ(-found->second.font.height, expected.height);
        EXPECT_EQ(found->second.font.weight, expected.weight);
        EXPECT_EQ(found->second.font.faceName, "Arial");
        EXPECT_EQ(found->second.align, expected.align);
    }
}

TEST_F(ReportDrawing, NoResultLineIsInTheNormalFont) {
    FillRecord();
    Select(SOUGHT_K, false, false);
    PrintOn(dc);
    const auto found = dc.texts.find("Kein Ergebnis berechnet.");
    ASSERT_NE(found, dc.texts.end());
    EXPECT_EQ(found->second.font.height, -82);
    EXPECT_EQ(found->second.font.weight, 400);
}

TEST_F(ReportDrawing, HandsTheContextBackAsItWas) {
    FillRecord();
    Select(SOUGHT_DI, false, true);
    PrintOn(dc);
    EXPECT_EQ(dc.CurrentFont(), dc.StockFont());
    EXPECT_EQ(dc.CurrentPen(), dc.StockPen());
    EXPECT_EQ(dc.GetTextAlign(), TextAlign::Left);
    const headless::RecordingDC::Ledger& objects = dc.Objects();
    EXPECT_EQ(objects.fontsCreated, 4);
    EXPECT_EQ(objects.fontsDestroyed, objects.fontsCreated);
    EXPECT_EQ(objects.pensCreated, static_cast<int>(dc.createdPens.size()));
    EXPECT_EQ(objects.pensDestroyed, objects.pensCreated);
}

// The page geometry follows the printable size read at start: the root area is (0, 0, W, H).
struct GeometryCase {
    const char* name;
    int width, height;
    const char* headlineFrame;
    const char* bodyFrame;
    DrawnText date;
    DrawnText makerAtLeft;
    DrawnText pageAtRight;
    int normalFontHeight;
};

void PrintTo(const GeometryCase& c, std::ostream* out) {
    *out << c.name;
}

class PageGeometry : public ReportDrawing, public ::testing::WithParamInterface<GeometryCase> {};

TEST_P(PageGeometry, FollowsThePrintableSize) {
    const GeometryCase& expected = GetParam();
    ReadPrinter({platform::DefaultPrinter::Status::Ok, expected.width, expected.height});
    FillRecord();
    const std::vector<std::string> lines = Print();
    EXPECT_EQ(LinesStartingWith(lines, "rect"),
              (std::vector<std::string>{expected.bodyFrame, expected.headlineFrame}));
    const std::vector<DrawnText> texts = TextsOf(lines);
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[1].text, expected.date.text);
    EXPECT_EQ(texts[0].x, expected.date.x);  // "Datum:"
    EXPECT_EQ(texts[0].y, expected.date.y);
    const DrawnText& maker = texts[texts.size() - 2];
    const DrawnText& page = texts.back();
    EXPECT_EQ(maker.text, "Veltrum-Berlin");
    EXPECT_EQ(std::make_pair(maker.x, maker.y),
              std::make_pair(expected.makerAtLeft.x, expected.makerAtLeft.y));
    EXPECT_EQ(page.text, "Seite 1 von 1");
    EXPECT_EQ(std::make_pair(page.x, page.y), std::make_pair(expected.pageAtRight.x, expected.pageAtRight.y));

    PrintOn(dc);
    EXPECT_EQ(-dc.createdFonts.at(1).height, expected.normalFontHeight);
}

INSTANTIATE_TEST_SUITE_P(Printers, PageGeometry,
                         ::testing::Values(GeometryCase{"Fallback",
                                                        4676,
                                                        6744,
                                                        "rect 233 539 4443 830",
                                                        "rect 233 829 4443 6340",
                                                        {233, 27, "07.12.2026, 01:22:05"},
                                                        {233, 6582, ""},
                                                        {4443, 6582, ""},
                                                        82},
                                           GeometryCase{"A4At300Dpi",
                                                        2480,
                                                        3508,
                                                        "rect 123 280 2357 431",
                                                        "rect 123 430 2357 3298",
                                                        {123, 14, "07.12.2026, 01:22:05"},
                                                        {123, 3423, ""},
                                                        {2357, 3423, ""},
                                                        42},
                                           GeometryCase{"Landscape",
                                                        6744,
                                                        4676,
                                                        "rect 337 374 6407 576",
                                                        "rect 337 575 6407 4396",
                                                        {337, 18, "07.12.2026, 01:22:05"},
                                                        {337, 4563, ""},
                                                        {6407, 4563, ""},
                                                        82},
                                           GeometryCase{"Square",
                                                        1000,
                                                        1000,
                                                        "rect 49 79 951 123",
                                                        "rect 49 122 951 941",
                                                        {49, 4, "07.12.2026, 01:22:05"},
                                                        {49, 975, ""},
                                                        {951, 975, ""},
                                                        14}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace printing_test
