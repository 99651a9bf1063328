// Picking another wall-thickness class: the DN list is read anew and the DN cascade reads the chosen
// row, every value from the settings file (parsed once while it stays unchanged). Beside it, one
// ReadSetting, and a start with three class picks on a large hand-edited file, parsed anew each time.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/Application.h"
#include "catalogue/DefaultCatalogue.h"
#include "catalogue/SettingsFile.h"
#include "form/model/ControlIds.h"
#include "form/PlenwickView.h"
#include "platform/Number.h"
#include "platform/PrivateProfile.h"
#include "platform/headless/HeadlessPlatform.h"
#include "record/PlenwickDoc.h"
#include "support/ScratchDirectory.h"

namespace {

// A machine directory for the whole program run, holding the default settings file and, when asked
// for, further entries and text appended to it.
class MachineDirectory {
  public:
    explicit MachineDirectory(const std::vector<platform::ProfileEntry>& entries = {},
                              const std::string& appended = std::string()) {
        if (m_scratch.Path().empty())
            return;
        Use();
        m_written = SettingsFile().WriteDefaultSettings() &&
                    platform::WritePrivateProfileStrings(entries, SettingsFile::kFileName);
        if (m_written && !appended.empty())
            std::ofstream(Ini(), std::ios::app | std::ios::binary) << appended;
    }

    bool Written() const { return m_written; }
    void Use() const { ::setenv("WINDIR", m_scratch.Path().c_str(), 1); }
    std::string Ini() const { return m_scratch / SettingsFile::kFileName; }

  private:
    test_support::ScratchDirectory m_scratch;
    bool m_written = false;
};

const MachineDirectory& DefaultFile() {
    static const MachineDirectory directory;
    directory.Use();
    return directory;
}

// A hand-edited file of about 10 MB: the default contents, then 990 classes more, listed after the
// default ones, each with 49 rows that carry a remark besides their dimensions.
constexpr int kAddedClasses = 990;

std::vector<platform::ProfileEntry> LongClassList() {
    const int count = static_cast<int>(catalogue::kDefaultClassCount) + kAddedClasses;
    std::vector<platform::ProfileEntry> entries = {
        {SettingsFile::kClassSection, SettingsFile::kClassCountKey, std::to_string(count)}};
    for (int c = 0; c < kAddedClasses; ++c) {
        entries.push_back({SettingsFile::kClassSection,
                           platform::Format("K%d", static_cast<int>(catalogue::kDefaultClassCount) + c),
                           platform::Format("Zusatz-%d", c)});
    }
    return entries;
}

std::string LargeAddition() {
    std::string text;
    const std::string remark(150, 'x');
    for (int c = 0; c < kAddedClasses; ++c) {
        for (int row = 1; row <= SettingsFile::kMaxRows; ++row) {
            text += platform::Format("[Zusatz-%d-%d]\nDN=%d\nda=%d\ns=6\nZMA=4\nBemerkung=%s\n", c, row,
                                     50 * row, 50 * row + 20, remark.c_str());
        }
    }
    return text;
}

const MachineDirectory& LargeFile() {
    static const MachineDirectory directory(LongClassList(), LargeAddition());
    directory.Use();
    return directory;
}

int Position(const platform::ListControl& list, const char* name) {
    const auto& entries = list.Entries();
    return static_cast<int>(std::find(entries.begin(), entries.end(), name) - entries.begin());
}

// Alternates between "K7" and "K10-Abwasser" at DN 500: each pick keeps the DN and reads its row.
void BM_ClassChange(benchmark::State& state) {
    if (!DefaultFile().Written())
        return state.SkipWithError("the settings file could not be written");
    headless::HeadlessPlatform hp;
    CPlenwickDoc doc;
    CPlenwickView view(doc, hp.Services());
    platform::ListControl& classes = view.List(IDC_CLASS);
    for (const std::string& name : SettingsFile().ReadClassList()) classes.AddString(name);
    const int k7 = Position(classes, "K7"), k10 = Position(classes, "K10-Abwasser");
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
    if (!DefaultFile().Written())
        return state.SkipWithError("the settings file could not be written");
    const SettingsFile settings;
    for (auto _ : state) benchmark::DoNotOptimize(settings.ReadSetting("K7-14", "ZMA"));
}
BENCHMARK(BM_ReadSetting)->Unit(benchmark::kMicrosecond);

// The program's start on the large file, then three class picks. Each run gives the file another
// modification time first, so that it is read and parsed anew, as at a real start.
void BM_StartAndThreeClassPicksOnLargeFile(benchmark::State& state) {
    const MachineDirectory& directory = LargeFile();
    if (!directory.Written())
        return state.SkipWithError("the settings file could not be written");
    long long run = 0;
    for (auto _ : state) {
        const timespec times[2] = {{1'600'000'000, 0}, {1'600'000'000 + run++, 0}};
        ::utimensat(AT_FDCWD, directory.Ini().c_str(), times, 0);
        headless::HeadlessPlatform hp;
        QuellrixApp app(hp.Services());
        app.Start();
        platform::ListControl& classes = app.View().List(IDC_CLASS);
        for (const char* name : {"K10-Abwasser", "Zusatz-989", "Abwasser"})
            app.View().Controls().UserPick(IDC_CLASS, Position(classes, name));
        if (app.View().Field(IDC_DI).GetText().empty() || !hp.prompt.Messages().empty())
            state.SkipWithError("the start did not show a pipe");
        app.Close();
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(directory.Ini())) / 1e6;
}
BENCHMARK(BM_StartAndThreeClassPicksOnLargeFile)->Unit(benchmark::kMillisecond);

}  // namespace
