// Rohre.ini is shared by every user of the machine: whoever creates it, everyone may write it.
#include <sys/stat.h>

#include "catalogue/SettingsFile.h"
#include "MachineDirectoryFixture.h"

namespace catalogue_test {
namespace {

using SharedFileMode = MachineDirectoryTest;

mode_t ModeOf(const fs::path& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 0777;
}

TEST_F(SharedFileMode, ANewFileIsWritableForEveryUserWhateverTheUmask) {
    const mode_t previous = ::umask(022);
    EXPECT_TRUE(SettingsFile().WriteSetting("Gobale Daten", "g", "9.81"));
    ::umask(previous);
    EXPECT_EQ(ModeOf(IniPath()), 0666u);
}

TEST_F(SharedFileMode, AWriteKeepsTheModeTheFileHas) {
    WriteBytes(IniPath(), "[Gobale Daten]\ng=9.81\n");
    ::chmod(IniPath().c_str(), 0640);
    EXPECT_TRUE(SettingsFile().WriteSetting("Gobale Daten", "g", "9.80"));
    EXPECT_EQ(ModeOf(IniPath()), 0640u);
}

}  // namespace
}  // namespace catalogue_test
