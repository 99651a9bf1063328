// The sizing table of the default class "Abwasser" (21 DN), computed headless from its rows, in gravity
// flow with the flow state and wall shear stress of each row and in pressure flow with a line's head
// loss; and the same for the form, with the class rows read from "Rohre.ini".
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/Application.h"
#include "catalogue/DefaultCatalogue.h"
#include "form/model/ControlIds.h"
#include "form/PlenwickView.h"
#include "sizing/SizingTable.h"
#include "hydraulics/Formulas.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/ScratchDirectory.h"

namespace {

std::vector<PipeRow> AbwasserRows() {
    std::vector<PipeRow> rows;
    for (const catalogue::DefaultPipe& pipe : catalogue::DefaultPipes("Abwasser"))
        rows.push_back({pipe.dn, std::string(pipe.da), std::string(pipe.s), std::string(pipe.zma)});
    return rows;
}

const sizing::Conditions kWater{hydraulics::ViscosityFromTemperature(10, 1010), 9.81, 0.00075, 10, 1010};

void RunTable(benchmark::State& state, double JMkm) {
    const std::vector<PipeRow> rows = AbwasserRows();
    sizing::Design design;
    design.QLs = 120;
    design.JMkm = JMkm;
    // Pressure flow with a line: its head loss against hv max in every row.
    design.L = 1500;
    design.sumZeta = 2.54;
    design.hvMax = 10;
    for (auto _ : state) benchmark::DoNotOptimize(sizing::ComputeTable("Abwasser", rows, kWater, design));
    state.counters["rows"] = static_cast<double>(rows.size());
}

void BM_SizingTableGravity21Dn(benchmark::State& state) {
    RunTable(state, 3);
}
BENCHMARK(BM_SizingTableGravity21Dn)->Unit(benchmark::kMicrosecond);

void BM_SizingTablePressure21Dn(benchmark::State& state) {
    RunTable(state, 0);
}
BENCHMARK(BM_SizingTablePressure21Dn)->Unit(benchmark::kMicrosecond);

// With the rows read from the settings file, as the window and the runner compute it.
void BM_SizingTableOfTheForm21Dn(benchmark::State& state) {
    const test_support::ScratchMachineDirectory directory(
        test_support::ScratchMachineDirectory::Temp::NotToo);
    if (directory.Path().empty())
        return state.SkipWithError("no scratch directory");
    headless::HeadlessPlatform platform;
    QuellrixApp app(platform.Services());
    app.Start();
    app.View().Controls().UserPick(IDC_CLASS, 8);  // "Abwasser"
    sizing::Design design;
    design.QLs = 120;
    design.JMkm = 3;
    for (auto _ : state) benchmark::DoNotOptimize(sizing::ComputeTableForForm(app.View(), design));
    app.Close();
}
BENCHMARK(BM_SizingTableOfTheForm21Dn)->Unit(benchmark::kMicrosecond);

}  // namespace
