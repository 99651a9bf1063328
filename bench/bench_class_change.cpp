// Picking another wall-thickness class with the default settings file: the DN list is read anew and
// the DN cascade reads the chosen row, every value straight from the file. Beside it, one ReadSetting.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "catalogue/SettingsFile.h"
#include "form/ControlIds.h"
#include "form/PlenwickView.h"
#include "platform/headless/HeadlessPlatform.h"
#include "record/PlenwickDoc.h"

namespace {

// A machine directory holding the default settings file, for the whole program run.
class DefaultSettings {
  public:
    DefaultSettings() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quellrix-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
        ::setenv("WINDIR", path_.c_str(), 1);
        written_ = !path_.empty() && SettingsFile().WriteDefaultSettings();
    }
    ~DefaultSettings() {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    DefaultSettings(const DefaultSettings&) = delete;
    DefaultSettings& operator=(const DefaultSettings&) = delete;

    bool Written() const { return written_; }

  private:
    std::string path_;
    bool written_ = false;
};

const DefaultSettings& Settings() {
    static const DefaultSettings settings;
    return settings;
}

// Alternates between "K7" and "K10-Abwasser" at DN 500: each pick keeps the DN and reads its row.
void BM_ClassChange(benchmark::State& state) {
    if (!Settings().Written())
        return state.SkipWithError("the settings file could not be written");
    headless::HeadlessPlatform hp;
    CPlenwickDoc doc;
    CPlenwickView view(doc, hp.Services());
    platform::ListControl& classes = view.List(IDC_CLASS);
    for (const std::string& name : SettingsFile().ReadClassList()) classes.AddString(name);
    const auto position = [&classes](const char* name) {
        const auto& entries = classes.Entries();
        return static_cast<int>(std::find(entries.begin(), entries.end(), name) - entries.begin());
    };
    const int k7 = position("K7"), k10 = position("K10-Abwasser");
    view.Controls().UserEditListText(IDC_DN, "500");
    int next = k7;
    for (auto _ : state) {
        view.Controls().UserPick(IDC_CLASS, next);
        next = next == k7 ? k10 : k7;
    }
    if (view.Field(IDC_DI).GetText().empty() || !hp.prompt.Messages().empty()) {
        state.SkipWithError("the class change did not show a pipe");
    }
}
BENCHMARK(BM_ClassChange)->Unit(benchmark::kMicrosecond);

// One value near the end of the default file.
void BM_ReadSetting(benchmark::State& state) {
    if (!Settings().Written())
        return state.SkipWithError("the settings file could not be written");
    const SettingsFile settings;
    for (auto _ : state) benchmark::DoNotOptimize(settings.ReadSetting("K7-14", "ZMA"));
}
BENCHMARK(BM_ReadSetting)->Unit(benchmark::kMicrosecond);

}  // namespace
