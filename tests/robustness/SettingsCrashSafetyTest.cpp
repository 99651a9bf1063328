// A program killed while it writes "Rohre.ini" never leaves a torn file: a child process writes the file
// in a loop through the settings layer, alternating two full contents, and is killed with SIGKILL at
// random moments. The file then holds one of the two contents exactly, and so does every read made
// while the child was writing. A killed write may leave its sibling file behind (the process cannot
// remove it any more): at most one per kill, named after the killed process, and never read.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
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
    int strays = 0, tornReads = 0, reads = 0;
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
        int left = 0;
        for (const std::string& name : directory.Entries()) {
            if (name == "Rohre.ini")
                continue;
            ASSERT_EQ(name.rfind(".Rohre.ini.", 0), 0u) << "unexpected file " << name;
            left += name.rfind(prefix, 0) == 0;
        }
        ASSERT_LE(left, 1) << "after kill " << kill;
        strays += left;
        ASSERT_EQ(static_cast<int>(directory.Entries().size()), 1 + strays);
    }
    EXPECT_EQ(tornReads, 0) << "of " << reads << " reads";

    // Left-over siblings are never read and do not hinder the next write.
    EXPECT_TRUE(settings.WriteSetting(SettingsFile::kGlobalSection, SettingsFile::kGravityKey, "9.80"));
    EXPECT_EQ(settings.ReadSetting(SettingsFile::kGlobalSection, SettingsFile::kGravityKey), "9.80");
    EXPECT_EQ(static_cast<int>(directory.Entries().size()), 1 + strays);
    std::printf("%d kills, %d siblings left behind, %d reads during writes\n", kKills, strays, reads);
}

}  // namespace
}  // namespace robustness
