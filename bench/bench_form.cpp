// One user action on the headless form, as the window delivers it: a velocity typed into its field and
// the field left (a change per character, the leave reaction with Q and Re), after the calculation was
// saved, so that every action also keeps the unsaved-changes mark.
#include <benchmark/benchmark.h>

#include "form/PlenwickView.h"
#include "form/model/ControlIds.h"
#include "hydraulics/Formulas.h"
#include "platform/headless/HeadlessPlatform.h"
#include "record/PlenwickDoc.h"

namespace {

void BM_UserActionTypeVelocity(benchmark::State& state) {
    headless::HeadlessPlatform hp;
    CPlenwickDoc doc;
    CPlenwickView view(doc, hp.Services());
    doc.SetDi(0.101);
    doc.SetK(0.0001);
    doc.SetG(9.81);
    doc.SetRho(1010);
    doc.SetT(10);
    view.MarkSaved();
    const char* const velocities[]{"1.25", "1.5"};
    int i = 0;
    for (auto _ : state) {
        view.Controls().UserType(IDC_V, velocities[i ^= 1]);
        view.Controls().UserLeave();
        benchmark::DoNotOptimize(doc.GetQ());
    }
    if (!doc.IsModified())
        state.SkipWithError("the typed velocity is no unsaved change");
}
BENCHMARK(BM_UserActionTypeVelocity);

}  // namespace
