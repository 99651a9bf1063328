// Rohre.ini is shared through the group of the machine directory: whoever creates it, every member
// of that group may rewrite it, everyone else only reads it.
#include <sys/stat.h>

#include "catalogue/SettingsFile.h"
#include "MachineDirectoryFixture.h"

namespace catalogue_test {
namespace {

using SharedFileMode = MachineDirectoryTest;

struct Status {
    mode_t mode = 0;
    gid_t group = 0;
};

Status StatusOf(const fs::path& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return {status.st_mode & 0777, status.st_gid};
}

TEST_F(SharedFileMode, ANewFileIsGroupWritableAndWorldReadableWhateverTheUmask) {
    for (const mode_t mask : {0000, 0022, 0077}) {
        SCOPED_TRACE(mask);
        fs::remove(IniPath());
        const mode_t previous = ::umask(mask);
        EXPECT_TRUE(SettingsFile().WriteSetting("Gobale Daten", "g", "9.81"));
        ::umask(previous);
        EXPECT_EQ(StatusOf(IniPath()).mode, 0664u);
    }
}

TEST_F(SharedFileMode, AWriteKeepsTheModeTheFileHas) {
    WriteBytes(IniPath(), "[Gobale Daten]\ng=9.81\n");
    ::chmod(IniPath().c_str(), 0640);
    EXPECT_TRUE(SettingsFile().WriteSetting("Gobale Daten", "g", "9.80"));
    EXPECT_EQ(StatusOf(IniPath()).mode, 0640u);
}

// The installed layout: a setgid directory of a group the creator need not be in.
TEST_F(SharedFileMode, AMemberOfTheDirectorysGroupRewritesAFileRootCreated) {
    constexpr gid_t kGroup = 65534;  // the unprivileged user's group
    if (::geteuid() != 0 || ::chown(Dir().c_str(), 0, kGroup) != 0)
        GTEST_SKIP() << "needs root to hand the directory to another group";
    ::chmod(Dir().c_str(), 02775);
    ASSERT_TRUE(SettingsFile().WriteSetting("Gobale Daten", "g", "9.81"));
    EXPECT_EQ(StatusOf(IniPath()).group, kGroup);

    EXPECT_TRUE(Unprivileged([] { return SettingsFile().WriteSetting("Gobale Daten", "g", "9.80"); }));
    EXPECT_EQ(SettingsFile().ReadSetting("Gobale Daten", "g"), "9.80");
    EXPECT_EQ(StatusOf(IniPath()).mode, 0664u);
    EXPECT_EQ(StatusOf(IniPath()).group, kGroup);
}

}  // namespace
}  // namespace catalogue_test
