// The calculation report: one page composed by the view on the recording context, as each printed page
// and each preview repaint does. Target: at most 0.5 ms per page.
#include <benchmark/benchmark.h>

#include "form/PlenwickView.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/headless/RecordingDC.h"
#include "record/PlenwickDoc.h"

namespace {

// The fullest page: a di result in partial filling, three requirement lines and the partial block.
void FillRecord(CPlenwickDoc& doc) {
    doc.SetDi(0.1011);
    doc.SetK(0.0001);
    doc.SetV(1.0);
    doc.SetQ(0.008);
    doc.SetI(0.01);
    doc.SetRe(77920.96);
    doc.SetLambda(0.02);
    doc.SetG(9.81);
    doc.SetRho(1010);
    doc.SetT(10);
    doc.SetHt(0.051);
    doc.SetQt(0.004);
    doc.SetVt(1.0);
    doc.SetSurfaceWidth(0.1011);
    doc.SetSought(SOUGHT_DI);
    doc.SetFullFilling(false);
    doc.SetCalculated(true);
}

void BM_ReportPage(benchmark::State& state) {
    headless::HeadlessPlatform hp;
    hp.clock.Set({2026, 12, 7, 1, 22, 5});
    CPlenwickDoc doc;
    CPlenwickView view(doc, hp.Services());
    view.ReadPrinterPageSize();
    FillRecord(doc);
    headless::RecordingDC dc(hp.transcript);
    platform::PrintInfo info;
    info.maxPage = 1;
    for (auto _ : state) {
        view.OnPrint(dc, info);
        hp.transcript.Clear();
    }
}
BENCHMARK(BM_ReportPage)->Unit(benchmark::kMicrosecond);

}  // namespace
