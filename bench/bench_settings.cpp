// Settings file access as the form does it: single reads, the DN cascade of a class change, and the
// writes at first start and at close. Reads check the file's identity and reuse its parsed text.
#include <benchmark/benchmark.h>

#include "catalogue/SettingsFile.h"
#include "support/ScratchDirectory.h"

namespace {

// The settings of a machine directory holding the default file, for the whole run.
const SettingsFile& DefaultSettings() {
    static const test_support::ScratchMachineDirectory directory(
        test_support::ScratchMachineDirectory::Temp::NotToo);
    static const bool written = SettingsFile().WriteDefaultSettings();
    static const SettingsFile settings;
    (void)written;
    return settings;
}

void BM_ReadGlobalSetting(benchmark::State& state) {
    const SettingsFile& settings = DefaultSettings();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            settings.ReadSetting(SettingsFile::kGlobalSection, SettingsFile::kGravityKey));
    }
}
BENCHMARK(BM_ReadGlobalSetting);

// The last section of the default file: the longest search.
void BM_ReadLastRowSetting(benchmark::State& state) {
    const SettingsFile& settings = DefaultSettings();
    for (auto _ : state) benchmark::DoNotOptimize(settings.ReadRowValue("K7", 14, SettingsFile::kZmaKey));
}
BENCHMARK(BM_ReadLastRowSetting);

// A class change as the form reads it: the "DN" column for the DN list, again for the DN cascade,
// then da, s and ZMA of the chosen row.
void BM_ClassChangeDnCascade(benchmark::State& state) {
    const SettingsFile& settings = DefaultSettings();
    for (auto _ : state) {
        benchmark::DoNotOptimize(settings.ReadClassDns("K7"));
        benchmark::DoNotOptimize(settings.ReadClassDns("K7"));
        for (const char* key : {SettingsFile::kDaKey, SettingsFile::kSKey, SettingsFile::kZmaKey}) {
            benchmark::DoNotOptimize(settings.ReadRowValue("K7", 1, key));
        }
    }
}
BENCHMARK(BM_ClassChangeDnCascade)->Unit(benchmark::kMillisecond);

// The four writes at close, each a synced replacement of the file.
void BM_WriteGlobalData(benchmark::State& state) {
    const SettingsFile& settings = DefaultSettings();
    int counter = 0;
    for (auto _ : state) {
        const std::string g = ++counter % 2 ? "9.81" : "9.80";
        benchmark::DoNotOptimize(settings.WriteGlobalData(g, "10.0", "1.306000", "1010"));
    }
}
BENCHMARK(BM_WriteGlobalData)->Unit(benchmark::kMillisecond);

// First start: the whole default contents in one replacement.
void BM_WriteDefaultSettings(benchmark::State& state) {
    const SettingsFile& settings = DefaultSettings();
    for (auto _ : state) {
        settings.WriteSetting(SettingsFile::kGlobalSection, SettingsFile::kGravityKey, "1");
        benchmark::DoNotOptimize(settings.WriteDefaultSettings());
    }
}
BENCHMARK(BM_WriteDefaultSettings)->Unit(benchmark::kMillisecond);

}  // namespace
