// One report page composed on the recording context: fonts, pens, the six areas and a page of field
// lines, then destruction. Target: 0.5 ms per page.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/headless/RecordingDC.h"
#include "platform/headless/Transcript.h"
#include "report/ReportLayout.h"

namespace {

void AddReportFonts(ReportLayout& page) {
    struct Font {
        const char* name;
        double size;
        int weight;
    };
    for (const Font& font : {Font{"FontBold", 1.1, 700}, Font{"FontNormal", 1.0, 400},
                             Font{"FontHeadline1", 1.5, 700}, Font{"FontHeadline2", 0.85, 700}})
        page.AddFont(font.size, font.name, 0, 0, 0, font.weight, 0, 0, 0, 0, 0, 0, 0, 16, "Arial");
    page.AddPen(0.2, "borderall", platform::PenStyle::Solid, {});
    page.AddPen(0.1, "checkbox", platform::PenStyle::Solid, {});
}

void AddReportAreas(ReportLayout& page) {
    page.AddArea(5, 0, 5, 92, "header");
    page.AddArea(5, 8, 5, 6, "body");
    page.AddArea(5, 94, 5, 0, "footer");
    page.AddSubArea("body", 0, 0, 0, 95, "headline");
    page.AddSubArea("body", 0, 5, 0, 0, "detailouter");
    page.AddSubArea("detailouter", 2, 2, 2, 2, "detail");
}

void ComposePage(platform::DrawingContext& dc) {
    ReportLayout page(dc, 4676, 6744, 0, 0, 0, 0);
    AddReportFonts(page);
    AddReportAreas(page);
    page.SelectPen("borderall");
    page.FindArea("detailouter")->DrawBorder();
    LayoutArea& detail = *page.FindArea("detail");
    page.SelectPen("checkbox");
    page.SelectFont("FontNormal");
    for (int percent : {7, 35, 50}) detail.AddTab(percent);
    detail.Home();
    for (int line = 0; line < 30; ++line) {
        detail.NextTab();
        detail.WriteField("Durchfluß Q:", "12.34 [l/s],   44.42 [m³/h]", "", 0, FieldAnchor::LabelAtCursor,
                          1);
        detail.NewLine(1.4);
    }
    page.Render();
}

void BM_ComposeReportPage(benchmark::State& state) {
    headless::Transcript transcript;
    headless::RecordingDC dc(transcript);
    for (auto _ : state) {
        ComposePage(dc);
        transcript.Clear();
    }
}
BENCHMARK(BM_ComposeReportPage)->Unit(benchmark::kMicrosecond);

}  // namespace
