// The filling curves: the exact relations at the 101 filling steps of a curve, and the whole set the
// curve window and the runner show (fitted and exact ratios, peaks, operating point) from the record.
// Target: at most 2 ms for either.
#include <benchmark/benchmark.h>

#include "form/FillingCurves.h"
#include "hydraulics/CircularSection.h"
#include "record/PlenwickDoc.h"

namespace {

// A sewer: DN 300, k = 0.75 mm, J = 5 m/km, half full.
constexpr hydraulics::PipeAtSlope kSewer{0.3078, 0.00075, 1.2961852517579375e-06, 9.81, 0.005};

void BM_ExactCurve(benchmark::State& state) {
    for (auto _ : state) {
        const hydraulics::CircularSection section(kSewer);
        for (int i = 0; i <= kFillingCurveSteps; ++i)
            benchmark::DoNotOptimize(section.Ratios(i / static_cast<double>(kFillingCurveSteps)));
    }
}
BENCHMARK(BM_ExactCurve)->Unit(benchmark::kMicrosecond);

void BM_FillingCurves(benchmark::State& state) {
    CPlenwickDoc record;
    record.SetDi(kSewer.di);
    record.SetK(kSewer.k);
    record.SetNy(kSewer.ny);
    record.SetG(kSewer.g);
    record.SetI(kSewer.I);
    record.SetQ(0.0813);
    record.SetV(1.0927);
    record.SetHt(kSewer.di / 2);
    for (auto _ : state) {
        const FillingCurves curves = ComputeFillingCurves(record);
        if (!curves.HasExact()) {
            state.SkipWithError("the exact curves are missing");
            break;
        }
        benchmark::DoNotOptimize(curves.points.data());
    }
}
BENCHMARK(BM_FillingCurves)->Unit(benchmark::kMicrosecond);

}  // namespace
