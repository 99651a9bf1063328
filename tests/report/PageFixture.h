// A report page on the recording drawing context, with messages recorded in the same transcript.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/Prompt.h"
#include "platform/headless/RecordingDC.h"
#include "platform/headless/RecordingPrompt.h"
#include "platform/headless/Transcript.h"
#include "report/ReportLayout.h"

// Records the pen width of each line and rectangle and the font height of each text.
class TrackingDC : public headless::RecordingDC {
  public:
    using RecordingDC::RecordingDC;
    void TextOut(int x, int y, std::string_view text) override {
        fontHeights.push_back(GetTextMetrics().height);
        RecordingDC::TextOut(x, y, text);
    }
    void LineTo(int x, int y) override {
        penWidths.push_back(CurrentPenSpec().width);
        RecordingDC::LineTo(x, y);
    }
    void Rectangle(int left, int top, int right, int bottom) override {
        penWidths.push_back(CurrentPenSpec().width);
        RecordingDC::Rectangle(left, top, right, bottom);
    }
    std::vector<int> penWidths;
    std::vector<int> fontHeights;
};

class PageFixture : public ::testing::Test {
  protected:
    // The default printer page when none can be read: diagonal about 8206 units.
    static constexpr int kPageWidth = 4676;
    static constexpr int kPageHeight = 6744;

    // A page with root margins 0 and "FontNormal" (1 % of the diagonal: 82 units, advance 41) selected.
    ReportLayout& MakePage(int width = kPageWidth, int height = kPageHeight) {
        page = std::make_unique<ReportLayout>(dc, width, height, 0, 0, 0, 0);
        page->AddFont(1.0, "FontNormal", 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 16, "Arial");
        page->SelectFont("FontNormal");
        transcript.TakeNew();
        return *page;
    }
    LayoutArea& Root() { return *page->FindArea("_ROOT"); }
    std::vector<std::string> Drawn() { return transcript.TakeNew(); }

    headless::Transcript transcript;
    headless::RecordingPrompt prompt{transcript};
    platform::ScopedPrompt scopedPrompt{prompt};
    TrackingDC dc{transcript};
    std::unique_ptr<ReportLayout> page;
};
