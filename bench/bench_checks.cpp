// The checks beside the friction law, as the sizing table adds them per DN of the default class
// "Abwasser" (21 DN): in gravity flow the flow state and the wall shear stress at the design flow's
// filling, in pressure flow the head loss of the line; and di sought from Q, J and k.
#include <benchmark/benchmark.h>

#include <vector>

#include "catalogue/DefaultCatalogue.h"
#include "hydraulics/Calculations.h"
#include "hydraulics/DiameterFromFlow.h"
#include "hydraulics/Formulas.h"
#include "hydraulics/GravityFlowChecks.h"
#include "hydraulics/LineLoss.h"
#include "platform/Number.h"

namespace {

constexpr double kG = 9.81;
constexpr double kRho = 1000;
constexpr double kK = 0.00075;
constexpr double kQ = 0.12;  // m³/s
constexpr double kI = 0.003;
const double kNy = hydraulics::ViscosityFromTemperature(10, kRho);

std::vector<double> AbwasserDiameters() {
    std::vector<double> diameters;
    for (const catalogue::DefaultPipe& pipe : catalogue::DefaultPipes("Abwasser")) {
        diameters.push_back(hydraulics::InnerDiameter(platform::LeadingNumber(pipe.da),
                                                      platform::LeadingNumber(pipe.s),
                                                      platform::LeadingNumber(pipe.zma)) /
                            1000);
    }
    return diameters;
}

// Per DN: the full pipe at J, the filling of the design flow, its flow state and τ against τmin.
void BM_SewerChecksGravity21Dn(benchmark::State& state) {
    const std::vector<double> diameters = AbwasserDiameters();
    for (auto _ : state) {
        int met = 0;
        for (double di : diameters) {
            const hydraulics::VelocityAndFlowResult full =
                hydraulics::SolveVelocityAndFlow({di, kK, kI, kG, kNy});
            if (!full.hasFlow || kQ > full.Q)
                continue;
            const hydraulics::PartialFilling partial =
                hydraulics::PartialFillingFrom(hydraulics::PartialQuantity::Qt, kQ, di, full.Q, full.v);
            met += hydraulics::CheckGravityFlow(
                       {kQ, di, partial.ht, kI, kRho, kG, hydraulics::kDefaultMinWallShearStress})
                       .Met();
        }
        benchmark::DoNotOptimize(met);
    }
    state.counters["rows"] = static_cast<double>(diameters.size());
}
BENCHMARK(BM_SewerChecksGravity21Dn)->Unit(benchmark::kMicrosecond);

// Per DN: J of the design flow and the head loss of 1500 m with Σζ = 2.54.
void BM_SewerChecksPressure21Dn(benchmark::State& state) {
    const std::vector<double> diameters = AbwasserDiameters();
    for (auto _ : state) {
        double total = 0;
        for (double di : diameters) {
            const double v = hydraulics::VelocityFromFlow(kQ, di);
            const hydraulics::SlopeResult slope =
                hydraulics::SolveSlope({di, kK, hydraulics::Reynolds(v, di, kNy), v, kG});
            total += hydraulics::LineLossOf({slope.I, 1500, 2.54, v, kG}).total;
        }
        benchmark::DoNotOptimize(total);
    }
    state.counters["rows"] = static_cast<double>(diameters.size());
}
BENCHMARK(BM_SewerChecksPressure21Dn)->Unit(benchmark::kMicrosecond);

// di from Q, J and k, over the flows of the class's DN at J.
void BM_DiameterFromFlow(benchmark::State& state) {
    std::vector<double> flows;
    for (double di : AbwasserDiameters())
        flows.push_back(hydraulics::SolveVelocityAndFlow({di, kK, kI, kG, kNy}).Q * 0.8);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hydraulics::SolveDiameterFromFlow({flows[i], kI, kK, kNy, kG}).di);
        i = (i + 1) % flows.size();
    }
}
BENCHMARK(BM_DiameterFromFlow)->Unit(benchmark::kNanosecond);

}  // namespace
