// The design sheet stays on its page: with the longest content it can have (numbers of 300 digits and
// words wider than a line among it), every text, line and box lies on the paper and above the footer,
// on a portrait page and, kept upright and centred, on a landscape one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/headless/RecordingDC.h"
#include "platform/headless/Transcript.h"
#include "report/DesignSheet.h"

namespace {

DesignSheetContent LongestContent() {
    DesignSheetContent sheet;
    sheet.project = {std::string(400, 'P'), std::string(200, 'A'), std::string(200, 'B'),
                     std::string(3000, 'x') + " " + std::string(50, 'y') + "\nzweite Zeile"};
    sheet.task = "gesucht: Fließgeschwindigkeit v und Durchfluss Q · Teilfüllung";
    sheet.results = {"Fließgeschwindigkeit v = 1,234 m/s", "Durchfluss Q = 123,4 l/s (444,3 m³/h)",
                     "Gefälle J = " + std::string(300, '9') + " m/km"};
    sheet.task += std::string(200, 'g');
    sheet.partialResults = {"ht = 123,4 mm", "Qt = 12,34 l/s", "vt = 1,234 m/s"};
    const SheetValue row{std::string(60, 'Q'), "123 456,789", "m³/h", true};
    sheet.pipe = {"Rohr", std::vector<SheetValue>(6, row), {}, std::string(300, 'n')};
    sheet.fluid = {"Fluid", std::vector<SheetValue>(4, row), {}, ""};
    sheet.fluid.values.push_back({"Dichte ρ", std::string(300, '9'), std::string(40, 'u'), false});
    sheet.roughness = {"Wandrauhigkeit", {row}, {"Ansatz: " + std::string(80, 'k')}, ""};
    sheet.fullFilling = {"Vollfüllung", std::vector<SheetValue>(7, row), {}, std::string(200, 'f')};
    sheet.partialFilling =
        SheetBlock{"Teilfüllung", std::vector<SheetValue>(6, row), {}, std::string(200, 't')};
    sheet.checks = std::vector<SheetCheck>(11, SheetCheck{std::string(90, 'c'), false});
    SheetCurves curves;
    for (int i = 0; i <= 100; ++i) {
        const double x = i / 100.0;
        curves.fitted.push_back({x, 1.2 * x, 1.3 * x});
        curves.exact.push_back({x, x, 1.1 * x});
    }
    curves.operatingPoint = SheetCurvePoint{0.5, 0.5, 1.0};
    curves.notes = {std::string(300, 'e'), "Größtwerte exakt:\nQt/Q = 1,0757\nvt/v = 1,1378"};
    sheet.curves = curves;
    sheet.basis = std::vector<std::string>(4, std::string(300, 'b'));
    return sheet;
}

struct Page {
    int width, height;
    int leftmost;  // no drawing lies left of this
};

class DesignSheetLayoutTest : public ::testing::TestWithParam<std::pair<Page, bool>> {};

TEST_P(DesignSheetLayoutTest, EverythingLiesOnThePageAboveTheFooter) {
    const auto [page, partial] = GetParam();
    DesignSheetContent content = LongestContent();
    if (!partial) {
        content.partialFilling.reset();
        content.curves.reset();
    }
    headless::Transcript transcript;
    {
        headless::RecordingDC dc(transcript);
        dc.KeepDrawnTexts(true);
        platform::PrintInfo info;
        info.maxPage = 1;
        ComposeDesignSheet(dc, page.width, page.height, content, {2026, 12, 8, 10, 30, 0}, info);
        for (const auto& [text, box] : dc.DrawnTexts()) {
            EXPECT_TRUE(box.left >= page.leftmost && box.right <= page.width - page.leftmost &&
                        box.top >= 0 && box.bottom <= page.height)
                << box.left << " " << box.top << " " << box.right << " " << box.bottom << " " << text;
        }
    }
    int footerTop = 0;
    for (const std::string& line : transcript.Lines()) {
        if (line.find("\"Seite 1 von 1\"") != std::string::npos)
            std::sscanf(line.c_str(), "text %*d %d", &footerTop);
    }
    ASSERT_GT(footerTop, page.height / 2);
    ASSERT_LT(footerTop, page.height);
    int texts = 0;
    for (const std::string& line : transcript.Lines()) {
        int a = 0, b = 0, c = 0, d = 0;
        if (std::sscanf(line.c_str(), "text %d %d", &a, &b) == 2) {
            ++texts;
            EXPECT_GE(a, page.leftmost) << line;
            EXPECT_LT(a, page.width) << line;
            // A text of the body stands clear above the footer's texts.
            if (b != footerTop) {
                EXPECT_LT(b, footerTop - page.height / 100) << line;
            }
        } else if (std::sscanf(line.c_str(), "line %d %d %d %d", &a, &b, &c, &d) == 4 ||
                   std::sscanf(line.c_str(), "rect %d %d %d %d", &a, &b, &c, &d) == 4) {
            for (int x : {a, c}) EXPECT_TRUE(x >= page.leftmost && x <= page.width) << line;
            for (int y : {b, d}) EXPECT_TRUE(y >= 0 && y < footerTop) << line;
        }
    }
    EXPECT_GT(texts, 100);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, DesignSheetLayoutTest,
    ::testing::Values(std::pair{Page{4676, 6744, 0}, true}, std::pair{Page{4676, 6744, 0}, false},
                      // Upright and centred: a quarter of the width stays free on each side.
                      std::pair{Page{6744, 4676, 6744 / 4}, true},
                      std::pair{Page{6744, 4676, 6744 / 4}, false}));

}  // namespace
