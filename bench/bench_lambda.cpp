// λ by the Colebrook-White iteration over the calculation range: through the friction-factor object and
// its virtual call, beside the same iteration written inline.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "hydraulics/FrictionFactor.h"

namespace {

struct GridPoint {
    int Re;
    double k;
    double di;
};

// Re 2350 … 5.7e7 and k/di 1e-6 … 0.05, log-spaced, di 0.2 m.
const std::vector<GridPoint>& Grid() {
    static const std::vector<GridPoint> grid = [] {
        constexpr int kSteps = 20;
        constexpr double kDi = 0.2;
        std::vector<GridPoint> points;
        for (int i = 0; i < kSteps; ++i) {
            const double Re = 2350 * std::pow(5.7e7 / 2350, double(i) / (kSteps - 1));
            for (int j = 0; j < kSteps; ++j) {
                const double relativeRoughness = 1e-6 * std::pow(0.05 / 1e-6, double(j) / (kSteps - 1));
                points.push_back({static_cast<int>(Re), relativeRoughness * kDi, kDi});
            }
        }
        return points;
    }();
    return grid;
}

inline double BareLambda(int Re, double k, double di) {
    const double a = (k / di) * 0.2695417789757412;
    double xOld = 0.0125;
    for (int n = 1;; ++n) {
        const double xNew = -2 * std::log10(2.51 * xOld / Re + a);
        if (std::fabs(xNew - xOld) <= 0.000001 * xNew || n >= 100)
            return 1 / (xNew * xNew);
        xOld = xNew;
    }
}

void BM_LambdaIterativeObject(benchmark::State& state) {
    const std::vector<GridPoint>& grid = Grid();
    const std::unique_ptr<CFrictionFactor> owner = std::make_unique<CFrictionFactor>();
    CFrictionFactor* friction = owner.get();
    benchmark::DoNotOptimize(friction);  // keeps the call virtual
    for (auto _ : state) {
        for (const GridPoint& p : grid) benchmark::DoNotOptimize(friction->LambdaIterative(p.Re, p.k, p.di));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(grid.size()));
}
BENCHMARK(BM_LambdaIterativeObject);

void BM_LambdaBareLoop(benchmark::State& state) {
    const std::vector<GridPoint>& grid = Grid();
    for (auto _ : state) {
        for (const GridPoint& p : grid) benchmark::DoNotOptimize(BareLambda(p.Re, p.k, p.di));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(grid.size()));
}
BENCHMARK(BM_LambdaBareLoop);

}  // namespace
