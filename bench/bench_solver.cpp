// One "Berechnen" on the headless form: the typical slope calculation, and the diameter calculation
// with its nested di change reaction.
#include <benchmark/benchmark.h>

#include "form/model/ControlIds.h"
#include "form/PlenwickView.h"
#include "hydraulics/Formulas.h"
#include "platform/headless/HeadlessPlatform.h"
#include "record/PlenwickDoc.h"

namespace {

// DN 100 of class K7 with k = 0.1 mm, water at 10 °C and 1010 kg/m³, v = 1 m/s.
void SetTypicalCalculation(CPlenwickDoc& doc) {
    doc.SetFullFilling(true);
    doc.SetDi(0.101);
    doc.SetK(0.0001);
    doc.SetG(9.81);
    doc.SetRho(1010);
    doc.SetT(10);
    doc.SetV(1);
    doc.SetQ(hydraulics::FlowFromVelocity(doc.GetDi(), doc.GetV()));
    doc.SetRe(hydraulics::Reynolds(doc.GetV(), doc.GetDi(), doc.GetNy()));
}

void Calculate(benchmark::State& state, CPlenwickView& view, CPlenwickDoc& doc) {
    for (auto _ : state) {
        view.Controls().UserClick(IDC_BERECHNEN);
        benchmark::DoNotOptimize(doc.IsCalculated());
    }
    if (!doc.IsCalculated())
        state.SkipWithError("the calculation did not succeed");
}

void BM_BerechnenSlopeSought(benchmark::State& state) {
    headless::HeadlessPlatform hp;
    CPlenwickDoc doc;
    CPlenwickView view(doc, hp.Services());
    SetTypicalCalculation(doc);
    doc.SetSought(SOUGHT_J);
    Calculate(state, view, doc);
}
BENCHMARK(BM_BerechnenSlopeSought);

// di from λ, I and v of the slope calculation (the first diameter rule).
void BM_BerechnenDiameterSought(benchmark::State& state) {
    headless::HeadlessPlatform hp;
    CPlenwickDoc doc;
    CPlenwickView view(doc, hp.Services());
    SetTypicalCalculation(doc);
    doc.SetSought(SOUGHT_J);
    view.OnBerechnen();
    doc.SetSought(SOUGHT_DI);
    Calculate(state, view, doc);
}
BENCHMARK(BM_BerechnenDiameterSought);

}  // namespace
