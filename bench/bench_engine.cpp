// The engine alone, as a batch calculation uses it: one slope calculation and one velocity-and-flow
// calculation per row, over rows spread across the calculation range.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "hydraulics/Calculations.h"
#include "hydraulics/Formulas.h"

namespace {

// DN 80 … 1000, v 0.3 … 3 m/s, k 0.01 … 1.5 mm, water at 10 °C.
const std::vector<hydraulics::SlopeInputs>& Rows() {
    static const std::vector<hydraulics::SlopeInputs> rows = [] {
        constexpr int kSteps = 20;
        const double ny = hydraulics::ViscosityFromTemperature(10, 1000);
        std::vector<hydraulics::SlopeInputs> made;
        for (int i = 0; i < kSteps; ++i) {
            const double di = 0.08 * std::pow(1000.0 / 80, double(i) / (kSteps - 1));
            for (int j = 0; j < kSteps; ++j) {
                const double v = 0.3 * std::pow(10.0, double(j) / (kSteps - 1));
                const double k = 0.00001 * std::pow(150.0, double((i + j) % kSteps) / (kSteps - 1));
                made.push_back({di, k, hydraulics::Reynolds(v, di, ny), v, 9.81});
            }
        }
        return made;
    }();
    return rows;
}

void BM_EngineSlopeRow(benchmark::State& state) {
    const std::vector<hydraulics::SlopeInputs>& rows = Rows();
    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hydraulics::SolveSlope(rows[next]));
        next = next + 1 == rows.size() ? 0 : next + 1;
    }
}
BENCHMARK(BM_EngineSlopeRow);

void BM_EngineVelocityAndFlowRow(benchmark::State& state) {
    const std::vector<hydraulics::SlopeInputs>& rows = Rows();
    const double ny = hydraulics::ViscosityFromTemperature(10, 1000);
    std::vector<hydraulics::VelocityAndFlowInputs> inputs;
    for (const hydraulics::SlopeInputs& row : rows)
        inputs.push_back({row.di, row.k, hydraulics::SolveSlope(row).I, row.g, ny});
    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hydraulics::SolveVelocityAndFlow(inputs[next]));
        next = next + 1 == inputs.size() ? 0 : next + 1;
    }
}
BENCHMARK(BM_EngineVelocityAndFlowRow);

}  // namespace
