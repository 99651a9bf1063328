// A program killed while it writes "Rohre.ini" never leaves a torn file: a child process writes the file
// in a loop through the settings layer, alternating two full contents, and is killed with SIGKILL at
// random moments. The file then holds one of the two contents exactly, and so does every read made
// while the child was writing. A killed write may leave its sibling file behind (the process cannot
// remove it any more): at most one per kill, named after the killed process, never read, and removed
// by the next write.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <set>
#include <string>

#include "catalogue/SettingsFile.h"
#include "support/Files.h"
#include "support/ScratchDirectory.h"

namespace robustness {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kKills = 80;
const std::string kLongGravity(70, '9');  // makes the two contents differ in length

// Writes content B (a long g), then content A (the defaults, g = 9.81), and so on until killed.
[[noreturn]] void WriteForever(const SettingsFile& settings) {
    for (;;) {
        settings.WriteSetting(SettingsFile::kGlobalSection, SettingsFile::kGravityKey, kLongGravity);
        settings.WriteDefaultSettings();
    }
}

class SettingsCrashSafety : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(settings.WriteDefaultSettings());
        contentA = test_support::ReadBytes(directory.Ini());
        const Clock::time_point start = Clock::now();
        ASSERT_TRUE(
            settings.WriteSetting(SettingsFile::kGlobalSection, SettingsFile::kGravityKey, kLongGravity));
        contentB = test_support::ReadBytes(directory.Ini());
        ASSERT_TRUE(settings.WriteDefaultSettings());
        writePair = Clock::now() - start;
        ASSERT_EQ(test_support::ReadBytes(directory.Ini()), contentA);
        ASSERT_NE(contentA.size(), contentB.size());
    }

    bool IsWhole(const std::string& content) const { return content == contentA || content == contentB; }

    test_support::ScratchMachineDirectory directory;
    const SettingsFile settings;
    std::string contentA, contentB;
    Clock::duration writePair{};
};

TEST_F(SettingsCrashSafety, KilledWriterLeavesOldOrNewContent) {
    std::mt19937 random(20240611);
    // From killing the child before it wrote anything to killing it after several writes.
    std::uniform_int_distribution<long long> delay(0, 2 * writePair.count());
    int tornReads = 0, reads = 0;
    std::set<std::string> killedPrefixes;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            WriteForever(settings);

        // Reads while the child writes see one of the two contents, never a part.
        const Clock::time_point deadline = Clock::now() + Clock::duration(delay(random));
        do {
            ++reads;
            tornReads += !IsWhole(test_support::ReadBytes(directory.Ini()));
        } while (Clock::now() < deadline);
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        ASSERT_TRUE(IsWhole(test_support::ReadBytes(directory.Ini()))) << "after kill " << kill;
        const std::string prefix = ".Rohre.ini." + std::to_string(child) + ".";
        killedPrefixes.insert(prefix);
        int left = 0;
        for (const std::string& name : directory.Entries()) {
            if (name == "Rohre.ini")
                continue;
            const std::string ofWriter =
                name.substr(0, name.find('.', std::string(".Rohre.ini.").size()) + 1);
            ASSERT_EQ(killedPrefixes.count(ofWriter), 1u) << "unexpected file " << name;
            left += ofWriter == prefix;
        }
        ASSERT_LE(left, 1) << "after kill " << kill;
    }
    EXPECT_EQ(tornReads, 0) << "of " << reads << " reads";

    // Left-over siblings are never read, and the next write removes them.
    const size_t strays = directory.Entries().size() - 1;
    EXPECT_TRUE(settings.WriteSetting(SettingsFile::kGlobalSection, SettingsFile::kGravityKey, "9.80"));
    EXPECT_EQ(settings.ReadSetting(SettingsFile::kGlobalSection, SettingsFile::kGravityKey), "9.80");
    EXPECT_EQ(directory.Entries(), std::set<std::string>{"Rohre.ini"});
    std::printf("%d kills, %zu siblings left behind before the last write, %d reads during writes\n", kKills,
                strays, reads);
}

}  // namespace
}  // namespace robustness
