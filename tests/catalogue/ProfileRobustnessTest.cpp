// Hostile or broken settings files: reads give absent, writes report failure and leave the file as it
// was, nothing crashes or hangs.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <random>

#include "MachineDirectoryFixture.h"
#include "platform/PrivateProfile.h"

namespace {

using catalogue_test::MachineDirectoryTest;
using catalogue_test::fs::perms;
using platform::GetPrivateProfileString;
using platform::WritePrivateProfileString;

constexpr const char* kIni = "Rohre.ini";
const std::string kValid = "[A]\nx=1\n";

struct BrokenFile {
    const char* name;
    std::function<void(const catalogue_test::fs::path& ini)> make;
};

void PrintTo(const BrokenFile& c, std::ostream* out) {
    *out << c.name;
}

class BrokenFileTest : public MachineDirectoryTest, public ::testing::WithParamInterface<BrokenFile> {};

TEST_P(BrokenFileTest, ReadsAbsentAndRefusesWrite) {
    GetParam().make(IniPath());
    // Only a regular file may be read here: opening a FIFO would block the test itself.
    const auto regularContents = [this] {
        return catalogue_test::fs::is_regular_file(catalogue_test::fs::symlink_status(IniPath()))
                   ? Contents()
                   : std::string();
    };
    const auto type = catalogue_test::fs::symlink_status(IniPath()).type();
    const std::string before = regularContents();
    EXPECT_EQ(GetPrivateProfileString("A", "x", kIni), std::nullopt);
    EXPECT_FALSE(WritePrivateProfileString("A", "x", "2", kIni));
    EXPECT_EQ(catalogue_test::fs::symlink_status(IniPath()).type(), type);
    EXPECT_EQ(regularContents(), before);
    EXPECT_EQ(Entries(), std::set<std::string>{kIni});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenFileTest,
    ::testing::Values(
        BrokenFile{"Directory", [](const auto& ini) { catalogue_test::fs::create_directory(ini); }},
        BrokenFile{"Fifo", [](const auto& ini) { ::mkfifo(ini.c_str(), 0666); }},
        BrokenFile{
            "NulBytes",
            [](const auto& ini) { catalogue_test::WriteBytes(ini, std::string("[A]\nx=1\n\0\n", 10)); }},
        BrokenFile{"LargerThanCap",
                   [](const auto& ini) {
                       catalogue_test::WriteBytes(ini, kValid);
                       catalogue_test::fs::resize_file(ini, platform::kProfileMaxFileSize + 1);
                   }},
        BrokenFile{
            "SymlinkToDirectory",
            [](const auto& ini) { catalogue_test::fs::create_directory_symlink(ini.parent_path(), ini); }},
        BrokenFile{"SymlinkLoop", [](const auto& ini) { catalogue_test::fs::create_symlink(ini, ini); }}),
    [](const ::testing::TestParamInfo<BrokenFile>& info) { return std::string(info.param.name); });

TEST_F(MachineDirectoryTest, FileAtSizeCapIsRead) {
    std::string text = kValid + ";";
    text.append(platform::kProfileMaxFileSize - text.size() - 1, '-');
    text += "\n";
    Seed(text);
    EXPECT_EQ(GetPrivateProfileString("A", "x", kIni), "1");
}

TEST_F(MachineDirectoryTest, MissingMachineDirectory) {
    ::setenv("WINDIR", (Dir() / "fehlt").c_str(), 1);
    EXPECT_EQ(GetPrivateProfileString("A", "x", kIni), std::nullopt);
    EXPECT_FALSE(WritePrivateProfileString("A", "x", "1", kIni));
    EXPECT_TRUE(Entries().empty());
}

TEST_F(MachineDirectoryTest, FailedWriteLeavesOldFileAndNoSibling) {
    Seed(kValid);
    {
        catalogue_test::ScopedFileSizeLimit limit(kValid.size() + 4);
        EXPECT_FALSE(WritePrivateProfileString("A", "y", "a value that does not fit", kIni));
    }
    EXPECT_EQ(Contents(), kValid);
    EXPECT_EQ(Entries(), std::set<std::string>{kIni});
}

TEST_F(MachineDirectoryTest, UnreadableFile) {
    Seed(kValid);
    catalogue_test::fs::permissions(IniPath(), perms::none);
    EXPECT_TRUE(catalogue_test::Unprivileged([] {
        return !GetPrivateProfileString("A", "x", kIni) && !WritePrivateProfileString("A", "x", "2", kIni);
    }));
    catalogue_test::fs::permissions(IniPath(), perms::owner_read);
    EXPECT_EQ(Contents(), kValid);
}

TEST_F(MachineDirectoryTest, ReadOnlyFileIsNotReplaced) {
    Seed(kValid);
    catalogue_test::fs::permissions(IniPath(), perms::owner_read | perms::group_read | perms::others_read);
    EXPECT_TRUE(catalogue_test::Unprivileged([] {
        return GetPrivateProfileString("A", "x", kIni) == "1" &&
               !WritePrivateProfileString("A", "x", "2", kIni);
    }));
    EXPECT_EQ(Contents(), kValid);
}

TEST_F(MachineDirectoryTest, ReadOnlyDirectory) {
    Seed(kValid);
    catalogue_test::fs::permissions(IniPath(), perms::all);
    catalogue_test::fs::permissions(Dir(), perms::owner_all | perms::group_read | perms::group_exec |
                                               perms::others_read | perms::others_exec);
    EXPECT_TRUE(catalogue_test::Unprivileged([] {
        return GetPrivateProfileString("A", "x", kIni) == "1" &&
               !WritePrivateProfileString("A", "x", "2", kIni) &&
               !WritePrivateProfileString("B", "y", "2", "neu.ini");
    }));
    EXPECT_EQ(Contents(), kValid);
    EXPECT_EQ(Entries(), std::set<std::string>{kIni});
}

// A symbolic link in the file's place, whatever it points to, is neither read nor written, by root
// or by an unprivileged user; the link and its target stay as they were.
TEST_F(MachineDirectoryTest, SymbolicLinkIsNeverFollowed) {
    const auto target = Dir() / "ziel.ini";
    for (const char* pointsTo : {"ziel.ini", "nirgends", "."}) {
        catalogue_test::WriteBytes(target, kValid);
        catalogue_test::fs::permissions(target, perms::owner_read | perms::owner_write);
        catalogue_test::fs::remove(IniPath());
        catalogue_test::fs::create_symlink(pointsTo, IniPath());
        const auto neitherReadNorWritten = [] {
            return !GetPrivateProfileString("A", "x", kIni) &&
                   !WritePrivateProfileString("A", "y", "2", kIni) &&
                   !platform::WritePrivateProfileStrings({{"A", "x", "3"}}, kIni) &&
                   platform::CheckPrivateProfile(kIni)->fault == platform::ProfileFault::kSymbolicLink;
        };
        EXPECT_TRUE(neitherReadNorWritten()) << pointsTo;
        EXPECT_TRUE(catalogue_test::Unprivileged(neitherReadNorWritten)) << pointsTo;
        EXPECT_EQ(catalogue_test::fs::read_symlink(IniPath()), pointsTo);
        EXPECT_EQ(catalogue_test::ReadBytes(target), kValid);
        EXPECT_EQ(catalogue_test::fs::status(target).permissions(), perms::owner_read | perms::owner_write);
        EXPECT_EQ(Entries(), (std::set<std::string>{kIni, "ziel.ini"}));
    }
}

// A sibling left by a writer that died is removed by the next write; a live writer's, another
// user's, a link and names of any other form stay.
TEST_F(MachineDirectoryTest, OrphanedSiblingsAreRemovedByTheNextWrite) {
    const pid_t dead = ::fork();
    if (dead == 0)
        ::_exit(0);
    ASSERT_GT(dead, 0);
    ::waitpid(dead, nullptr, 0);
    const std::string deadPid = std::to_string(dead), livePid = std::to_string(::getppid());
    const std::string orphan = ".Rohre.ini." + deadPid + ".0.tmp";
    const std::set<std::string> kept = {kIni,
                                        ".Rohre.ini." + livePid + ".1.tmp",
                                        ".Rohre.ini." + deadPid + ".x.tmp",
                                        ".Rohre.ini." + deadPid + ".2.tmp.bak",
                                        ".Andere.ini." + deadPid + ".0.tmp",
                                        ".Rohre.ini." + deadPid + ".3.tmp"};
    Seed(kValid);
    for (const std::string& name : kept) {
        if (name != kIni)
            catalogue_test::WriteBytes(Dir() / name, "fremd");
    }
    catalogue_test::WriteBytes(Dir() / orphan, "[A]\nx=halb");
    catalogue_test::fs::remove(Dir() / (".Rohre.ini." + deadPid + ".3.tmp"));
    catalogue_test::fs::create_symlink(kIni, Dir() / (".Rohre.ini." + deadPid + ".3.tmp"));
    if (::geteuid() == 0) {
        catalogue_test::WriteBytes(Dir() / (".Rohre.ini." + deadPid + ".4.tmp"), "fremd");
        ASSERT_EQ(::chown((Dir() / (".Rohre.ini." + deadPid + ".4.tmp")).c_str(), 65534, 65534), 0);
    }
    ASSERT_TRUE(WritePrivateProfileString("A", "x", "2", kIni));
    std::set<std::string> expected = kept;
    if (::geteuid() == 0)
        expected.insert(".Rohre.ini." + deadPid + ".4.tmp");
    EXPECT_EQ(Entries(), expected);
    EXPECT_EQ(Contents(), "[A]\nx=2\n");
}

// The file is parsed once and reused while it is unchanged; any change is seen at the next read:
// a replacement by another file of the same size and times, and an edit in place of the same size.
TEST_F(MachineDirectoryTest, ChangesAreSeenThroughTheParsedFile) {
    Seed("[A]\nx=1\n");
    const timespec past[2] = {{1'600'000'000, 5}, {1'600'000'000, 5}};
    ASSERT_EQ(::utimensat(AT_FDCWD, IniPath().c_str(), past, 0), 0);
    EXPECT_EQ(GetPrivateProfileString("A", "x", kIni), "1");

    const auto other = Dir() / "neu";
    catalogue_test::WriteBytes(other, "[A]\nx=2\n");
    ASSERT_EQ(::utimensat(AT_FDCWD, other.c_str(), past, 0), 0);
    catalogue_test::fs::rename(other, IniPath());
    EXPECT_EQ(GetPrivateProfileString("A", "x", kIni), "2");

    const int fd = ::open(IniPath().c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, "3", 1, 6), 1);
    const timespec onlyNanosecondsLater[2] = {{1'600'000'000, 5}, {1'600'000'000, 6}};
    ASSERT_EQ(::futimens(fd, onlyNanosecondsLater), 0);
    ::close(fd);
    EXPECT_EQ(GetPrivateProfileString("A", "x", kIni), "3");
}

// Whatever garbage surrounds it, a written key reads back, and a key written before stays.
TEST_F(MachineDirectoryTest, GarbageLinesNeverBreakAWrittenKey) {
    const std::string alphabet = "[]=;#\"' \t\r\nabAB01\xff";
    std::mt19937 random(20240611);
    for (int round = 0; round < 40; ++round) {
        std::string garbage;
        const int length = static_cast<int>(random() % 400);
        for (int i = 0; i < length; ++i) garbage += alphabet[random() % alphabet.size()];
        Seed(garbage);
        ASSERT_TRUE(WritePrivateProfileString("a", "B", "first", kIni)) << round;
        ASSERT_TRUE(WritePrivateProfileString("ab", "0", "second", kIni)) << round;
        ASSERT_EQ(GetPrivateProfileString("A", "b", kIni), "first") << round;
        ASSERT_EQ(GetPrivateProfileString("AB", "0", kIni), "second") << round;
    }
}

}  // namespace
