// The settings file through the wide-character API: refused reparse points, whole replacements that a
// reader never sees torn, read-only files, orphaned siblings, Unicode names.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "platform/MachineDirectory.h"
#include "platform/PrivateProfile.h"
#include "platform/win32/Wide.h"
#include "support/Files.h"
#include "support/ScratchDirectory.h"

namespace {

namespace fs = std::filesystem;
using platform::win32::Widen;

constexpr const char* kIni = "Rohre.ini";

class Win32ProfileTest : public ::testing::Test {
  protected:
    fs::path Ini() const { return fs::u8path(m_dir.Path()) / kIni; }
    std::string IniName() const { return Ini().u8string(); }

    test_support::ScratchMachineDirectory m_dir{test_support::ScratchMachineDirectory::Temp::NotToo};
};

TEST_F(Win32ProfileTest, AReparsePointInTheFilesPlaceIsRefusedAndNeverWritten) {
    const fs::path target = fs::u8path(m_dir.Path()) / "geheim.txt";
    test_support::WriteBytes(target, "[Gobale Daten]\ng=1.23\n");
    ::CreateSymbolicLinkW(Widen(IniName()).c_str(), Widen(target.u8string()).c_str(),
                          SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    const DWORD attributes = ::GetFileAttributesW(Widen(IniName()).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        GTEST_SKIP() << "this system makes no symbolic links here (wine 8 does not)";
    const std::optional<platform::ProfileProblem> problem = platform::CheckPrivateProfile(kIni);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->fault, platform::ProfileFault::kSymbolicLink);
    EXPECT_EQ(platform::GetPrivateProfileString("Gobale Daten", "g", kIni), std::nullopt);
    EXPECT_FALSE(platform::WritePrivateProfileString("Gobale Daten", "g", "9.81", kIni));
    EXPECT_EQ(test_support::ReadBytes(target), "[Gobale Daten]\ng=1.23\n");
}

TEST_F(Win32ProfileTest, ADeviceOrFolderIsNoProfile) {
    fs::create_directory(Ini());
    ASSERT_TRUE(platform::CheckPrivateProfile(kIni));
    EXPECT_EQ(platform::CheckPrivateProfile(kIni)->fault, platform::ProfileFault::kNotRegular);
    EXPECT_EQ(platform::ReadProfileFile("\\\\.\\NUL").problem.fault, platform::ProfileFault::kNotRegular);
    EXPECT_EQ(platform::ReadProfileFile("NUL").problem.fault, platform::ProfileFault::kNotRegular);
}

TEST_F(Win32ProfileTest, AReadOnlyFileIsReadButNotReplaced) {
    test_support::WriteBytes(Ini(), "[A]\r\nx=1\r\n");
    ASSERT_TRUE(::SetFileAttributesW(Widen(IniName()).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(platform::GetPrivateProfileString("A", "x", kIni), "1");
    int error = 0;
    EXPECT_FALSE(platform::WritePrivateProfileStrings({{"A", "x", "2"}}, kIni, &error));
    EXPECT_EQ(error, EACCES);
    ::SetFileAttributesW(Widen(IniName()).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(test_support::ReadBytes(Ini()), "[A]\r\nx=1\r\n");
}

// Two writers replace the file over and over while another program reads it every millisecond: every
// read gives one whole version, every replacement succeeds (waiting for the reader's handle to close),
// and no sibling stays behind.
TEST_F(Win32ProfileTest, ConcurrentReplacementsAreNeverSeenTorn) {
    const std::string versions[] = {"[A]\nx=" + std::string(100000, '1') + "\n",
                                    "[B]\ny=" + std::string(150000, '2') + "\n"};
    test_support::WriteBytes(Ini(), versions[0]);
    std::atomic<bool> done{false};
    std::atomic<int> failedWrites{0}, tornReads{0}, reads{0}, lastError{0};
    auto writer = [&](const std::string& text) {
        for (int i = 0; i < 40; ++i) {
            if (const int error = platform::ReplaceProfileFile(IniName(), text, false, std::nullopt)) {
                ++failedWrites;
                lastError = error;
            }
        }
    };
    std::thread reader([&] {
        while (!done) {
            const platform::ProfileRead read = platform::ReadProfileFile(IniName());
            if (!read.file ||
                (read.file->text.Text() != versions[0] && read.file->text.Text() != versions[1]))
                ++tornReads;
            ++reads;
            ::Sleep(1);
        }
    });
    std::thread first(writer, versions[0]), second(writer, versions[1]);
    first.join();
    second.join();
    done = true;
    reader.join();
    EXPECT_EQ(failedWrites, 0) << "errno " << lastError;
    EXPECT_EQ(tornReads, 0) << "of " << reads << " reads";
    EXPECT_EQ(m_dir.Entries(), std::set<std::string>{kIni});
}

TEST_F(Win32ProfileTest, SiblingsOfDeadWritersAreRemoved) {
    const std::string orphan = "." + std::string(kIni) + ".999999.0.tmp";
    const std::string own =
        "." + std::string(kIni) + "." + std::to_string(::GetCurrentProcessId()) + ".77.tmp";
    test_support::WriteBytes(fs::u8path(m_dir.Path()) / orphan, "[A]\nx=");
    test_support::WriteBytes(fs::u8path(m_dir.Path()) / own, "[A]\nx=");
    ASSERT_TRUE(platform::WritePrivateProfileString("A", "x", "1", kIni));
    EXPECT_EQ(m_dir.Entries(), (std::set<std::string>{kIni, own}));
}

// The machine directory and the file under a user name with umlauts, CR LF kept as it is.
TEST(Win32ProfileNames, UnicodeFolderAndFileNames) {
    test_support::ScratchDirectory scratch;
    const fs::path folder = fs::u8path(scratch.Path()) / fs::u8path("Jörg Müßig");
    fs::create_directory(folder);
    const test_support::ScopedEnv windir(test_support::kMachineDirectoryVariable, folder.u8string());
    test_support::WriteBytes(folder / "Rohre.ini", "[Gobale Daten]\r\ng=9.81\r\n");
    EXPECT_EQ(platform::GetPrivateProfileString("Gobale Daten", "g", kIni), "9.81");
    ASSERT_TRUE(platform::WritePrivateProfileString("Gobale Daten", "Dichte", "1010", kIni));
    EXPECT_EQ(test_support::ReadBytes(folder / "Rohre.ini"), "[Gobale Daten]\r\ng=9.81\r\nDichte=1010\r\n");
    ASSERT_TRUE(platform::WritePrivateProfileString("Gobale Daten", "g", "9.8",
                                                    fs::u8path("Prüfung ä.ini").u8string()));
    EXPECT_TRUE(fs::exists(folder / fs::u8path("Prüfung ä.ini")));
}

}  // namespace
