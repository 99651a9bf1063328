// The GDI drawing context, recorded into an enhanced metafile and read back record by record.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/RecordingDC.h"
#include "platform/win32/GdiDrawingContext.h"
#include "platform/win32/Wide.h"
#include "record/PlenwickDoc.h"
#include "report/CalculationReport.h"

namespace {

using platform::TextAlign;
using platform::win32::GdiDrawingContext;

struct AlignedText {
    std::string text;
    TextAlign align;
    friend bool operator==(const AlignedText& a, const AlignedText& b) {
        return a.text == b.text && a.align == b.align;
    }
};

// What a metafile holds: its texts with the alignment they were drawn with, rectangles and pens.
struct Records {
    std::vector<AlignedText> texts;
    std::vector<RECTL> rectangles;
    std::vector<DWORD> penWidths;     // cosmetic and geometric pens alike
    std::vector<std::wstring> faces;  // of the fonts created
    UINT align = TA_LEFT;             // the alignment set last
};

int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    auto& records = *reinterpret_cast<Records*>(data);
    switch (record->iType) {
        case EMR_SETTEXTALIGN:
            records.align = reinterpret_cast<const EMRSETTEXTALIGN*>(record)->iMode;
            break;
        case EMR_EXTTEXTOUTW: {
            const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) +
                                                                 out->emrtext.offString);
            records.texts.push_back({platform::win32::Narrow({chars, out->emrtext.nChars}),
                                     static_cast<TextAlign>(records.align & (TA_RIGHT | TA_CENTER))});
            break;
        }
        case EMR_RECTANGLE:
            records.rectangles.push_back(reinterpret_cast<const EMRRECTANGLE*>(record)->rclBox);
            break;
        case EMR_CREATEPEN:
            records.penWidths.push_back(reinterpret_cast<const EMRCREATEPEN*>(record)->lopn.lopnWidth.x);
            break;
        case EMR_EXTCREATEPEN:
            records.penWidths.push_back(reinterpret_cast<const EMREXTCREATEPEN*>(record)->elp.elpWidth);
            break;
        case EMR_EXTCREATEFONTINDIRECTW:
            records.faces.emplace_back(
                reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record)->elfw.elfLogFont.lfFaceName);
            break;
        default:
            break;
    }
    return 1;
}

// Draws into a metafile whose reference is the screen and returns its records.
template <typename Draw>
Records DrawnInMetafile(Draw draw) {
    const HDC recorder = ::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    EXPECT_NE(recorder, nullptr);
    {
        GdiDrawingContext dc(recorder);
        draw(dc);
    }
    const HENHMETAFILE metafile = ::CloseEnhMetaFile(recorder);
    Records records;
    ::EnumEnhMetaFile(nullptr, metafile, Collect, &records, nullptr);
    ::DeleteEnhMetaFile(metafile);
    return records;
}

// Texts as the headless recorder sees them drawn, with their alignment.
class TextListDC : public headless::RecordingDC {
  public:
    using RecordingDC::RecordingDC;
    void TextOut(int x, int y, std::string_view text) override {
        texts.push_back({std::string(text), GetTextAlign()});
        RecordingDC::TextOut(x, y, text);
    }
    std::vector<AlignedText> texts;
};

CPlenwickDoc CalculatedRecord() {
    CPlenwickDoc doc;
    doc.SetDi(0.2);
    doc.SetK(0.0001);
    doc.SetT(10);
    doc.SetV(1.25);
    doc.SetQ(0.0393);
    doc.SetI(0.00621);
    doc.SetRe(191000);
    doc.SetLambda(0.0156);
    doc.SetG(9.81);
    doc.SetSought(0);
    doc.SetCalculated(true);
    return doc;
}

// The report page has the same texts, in the same order and alignment, as on the headless recorder:
// nothing lost between the layout and GDI, umlauts and units included.
TEST(GdiDrawingContext, ReportPageTextsAsComposed) {
    const CPlenwickDoc doc = CalculatedRecord();
    const platform::LocalTime now{2026, 12, 9, 1, 30, 0};
    platform::PrintInfo info;
    info.maxPage = 1;

    headless::Transcript transcript;
    TextListDC composed(transcript);
    ComposeCalculationReport(composed, 4676, 6744, doc, now, info, std::string());
    const Records drawn = DrawnInMetafile([&](GdiDrawingContext& dc) {
        ComposeCalculationReport(dc, 4676, 6744, doc, now, info, std::string());
    });

    ASSERT_GT(composed.texts.size(), 20u);
    EXPECT_EQ(drawn.texts, composed.texts);
    EXPECT_FALSE(drawn.rectangles.empty());
    EXPECT_NE(std::find(drawn.faces.begin(), drawn.faces.end(), L"Arial"), drawn.faces.end());
}

TEST(GdiDrawingContext, AlignmentAndColourReturnThePrevious) {
    DrawnInMetafile([](GdiDrawingContext& dc) {
        EXPECT_EQ(dc.GetTextAlign(), TextAlign::Left);
        TextAlign previous = TextAlign::Left;
        for (const TextAlign align :
             {TextAlign::Right, TextAlign::Centre, TextAlign::Left, TextAlign::Centre}) {
            EXPECT_EQ(dc.SetTextAlign(align), previous);
            EXPECT_EQ(dc.GetTextAlign(), align);
            previous = align;
        }
        EXPECT_EQ(dc.SetTextColor({200, 10, 20}), (platform::Rgb{0, 0, 0}));
        EXPECT_EQ(dc.SetTextColor({0, 0, 0}), (platform::Rgb{200, 10, 20}));
    });
}

TEST(GdiDrawingContext, SelectionsReturnThePreviousAndRefuseForeignObjects) {
    const HDC other = ::CreateCompatibleDC(nullptr);
    GdiDrawingContext foreign(other);
    const Records records = DrawnInMetafile([&](GdiDrawingContext& dc) {
        const auto big = dc.CreateFont({-200, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 16, "Arial"});
        const auto small = dc.CreateFont({100, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 16, "Arial"});
        ASSERT_TRUE(big && small);
        platform::Font* stock = dc.SelectFont(big.get());
        ASSERT_NE(stock, nullptr);
        EXPECT_GE(dc.GetTextMetrics().height, 200);
        EXPECT_EQ(dc.SelectFont(small.get()), big.get());
        EXPECT_NEAR(dc.GetTextMetrics().height, 100, 2);  // a cell height
        const auto alien = foreign.CreateFont({-50, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, ""});
        EXPECT_EQ(dc.SelectFont(alien.get()), nullptr);
        EXPECT_EQ(dc.SelectFont(nullptr), nullptr);
        EXPECT_EQ(dc.SelectFont(stock), small.get());

        const auto thin = dc.CreatePen({platform::PenStyle::Solid, 1, {}});
        const auto thick = dc.CreatePen({platform::PenStyle::Dash, 12, {0, 0, 255}});
        const auto alienPen = foreign.CreatePen({});
        platform::Pen* stockPen = dc.SelectPen(thick.get());
        ASSERT_NE(stockPen, nullptr);
        EXPECT_EQ(dc.SelectPen(alienPen.get()), nullptr);
        dc.Rectangle(10, 20, 110, 220);
        EXPECT_EQ(dc.SelectPen(thin.get()), thick.get());
        EXPECT_EQ(dc.SelectPen(stockPen), thin.get());
    });
    ::DeleteDC(other);
    ASSERT_EQ(records.rectangles.size(), 1u);
    EXPECT_EQ(records.rectangles[0].left, 10);
    EXPECT_EQ(records.rectangles[0].top, 20);
    EXPECT_EQ(records.penWidths, (std::vector<DWORD>{12, 1}));  // recorded as they are first selected
}

// The device context is handed back as it was: font, pen, brush, alignment, colour and background mode.
TEST(GdiDrawingContext, DeviceContextRestored) {
    const HDC dc = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ font = ::GetCurrentObject(dc, OBJ_FONT);
    const HGDIOBJ pen = ::GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ brush = ::SelectObject(dc, ::GetStockObject(GRAY_BRUSH));
    std::unique_ptr<platform::Font> bold;  // outlive the context, which deselects them
    std::unique_ptr<platform::Pen> wide;
    {
        GdiDrawingContext context(dc);
        bold = context.CreateFont({-30, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"});
        wide = context.CreatePen({platform::PenStyle::Solid, 5, {}});
        context.SelectFont(bold.get());
        context.SelectPen(wide.get());
        context.SetTextAlign(TextAlign::Right);
        context.SetTextColor({1, 2, 3});
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), ::GetStockObject(GRAY_BRUSH));
    EXPECT_EQ(::GetTextAlign(dc), static_cast<UINT>(TA_LEFT | TA_TOP | TA_NOUPDATECP));
    EXPECT_EQ(::GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(::GetBkMode(dc), OPAQUE);
    ::SelectObject(dc, brush);
    ::DeleteDC(dc);
}

}  // namespace
