#include "platform/TempFiles.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/Files.h"
#include "support/ScratchDirectory.h"

namespace {

using test_support::Exists;
using test_support::ReadBytes;
using test_support::ScopedEnv;
using test_support::ScratchDirectory;
using test_support::WriteBytes;

TEST(TempPath, FollowsTmpdirWithTrailingSlash) {
    const struct {
        std::optional<std::string> tmpdir;
        std::string expected;
    } cases[] = {
        {std::nullopt, "/tmp/"},
        {"", "/tmp/"},
        {"/var/scratch", "/var/scratch/"},
        {"/var/scratch/", "/var/scratch/"},
    };
    for (const auto& c : cases) {
        ScopedEnv tmpdir("TMPDIR", c.tmpdir);
        EXPECT_EQ(platform::GetTempPath(), c.expected) << c.tmpdir.value_or("(unset)");
    }
}

TEST(TempFileName, ThreeLettersOfPrefixHexNumberAndTmpWithoutCreatingTheFile) {
    ScratchDirectory folder;
    const struct {
        std::string dir, prefix;
        unsigned unique;
        std::string expected;
    } cases[] = {
        {folder.Path() + "/", "Veltrum-Help", 1, folder.Path() + "/Vel1.tmp"},
        {folder.Path(), "Veltrum-Help", 0xABCD, folder.Path() + "/Velabcd.tmp"},
        {folder.Path() + "/", "ab", 0x10, folder.Path() + "/ab10.tmp"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::GetTempFileName(c.dir, c.prefix, c.unique), c.expected);
        EXPECT_FALSE(Exists(c.expected));
    }
}

TEST(TempFileName, NumberZeroCreatesAFreshOwnerOnlyFile) {
    ScratchDirectory folder;
    const std::string first = platform::GetTempFileName(folder.Path() + "/", "Veltrum-Help", 0);
    const std::string second = platform::GetTempFileName(folder.Path() + "/", "Veltrum-Help", 0);
    ASSERT_FALSE(first.empty());
    EXPECT_NE(first, second);
    EXPECT_EQ(first.rfind(folder.Path() + "/Vel", 0), 0u);
    struct stat info;
    ASSERT_EQ(::stat(first.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(platform::GetTempFileName(folder / "missing/", "Vel", 0), "");
}

TEST(DeleteFile, RemovesTheLinkNotItsTargetAndReportsAMissingFile) {
    ScratchDirectory folder;
    WriteBytes(folder / "target", "keep", 0644);
    ASSERT_EQ(::symlink((folder / "target").c_str(), (folder / "link").c_str()), 0);
    EXPECT_TRUE(platform::DeleteFile(folder / "link"));
    EXPECT_FALSE(Exists(folder / "link"));
    EXPECT_EQ(ReadBytes(folder / "target"), "keep");
    EXPECT_FALSE(platform::DeleteFile(folder / "link"));
}

class WriteFileSafely : public ::testing::Test {
  protected:
    ScratchDirectory folder;
    std::string path = folder / "page.html";
};

TEST_F(WriteFileSafely, CreatesOwnerOnlyFileWithTheBytesUnchanged) {
    const std::string bytes("a\r\nb\n\0c", 7);
    ASSERT_TRUE(platform::WriteFileSafely(path, bytes));
    EXPECT_EQ(ReadBytes(path), bytes);
    struct stat info;
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(WriteFileSafely, ReplacesTheWholeContentOfOurOwnFile) {
    WriteBytes(path, "a much longer earlier content", 0644);
    ASSERT_TRUE(platform::WriteFileSafely(path, "short"));
    EXPECT_EQ(ReadBytes(path), "short");
}

TEST_F(WriteFileSafely, NeverFollowsAPlantedLink) {
    WriteBytes(folder / "victim", "precious", 0644);
    ASSERT_EQ(::symlink((folder / "victim").c_str(), path.c_str()), 0);
    EXPECT_FALSE(platform::WriteFileSafely(path, "page"));
    EXPECT_EQ(ReadBytes(folder / "victim"), "precious");

    // A dangling link must not create its target either.
    ASSERT_EQ(::symlink((folder / "created").c_str(), (folder / "dangling").c_str()), 0);
    EXPECT_FALSE(platform::WriteFileSafely(folder / "dangling", "page"));
    EXPECT_FALSE(Exists(folder / "created"));
}

TEST_F(WriteFileSafely, RefusesAFileWithAnotherNameWithoutTouchingIt) {
    WriteBytes(folder / "other", "precious", 0644);
    ASSERT_EQ(::link((folder / "other").c_str(), path.c_str()), 0);
    EXPECT_FALSE(platform::WriteFileSafely(path, "page"));
    EXPECT_EQ(ReadBytes(folder / "other"), "precious");
}

TEST_F(WriteFileSafely, RefusesWhatIsNotAPlainFileWithoutBlocking) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);  // no reader: an ordinary open would wait forever
    EXPECT_FALSE(platform::WriteFileSafely(path, "page"));
    EXPECT_FALSE(platform::WriteFileSafely(folder.Path(), "page"));
    EXPECT_FALSE(platform::WriteFileSafely(folder / "missing/page.html", "page"));
}

TEST_F(WriteFileSafely, RefusesAnotherUsersFileWithoutTouchingIt) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "handing a file to another user needs root";
    WriteBytes(path, "precious", 0666);
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    EXPECT_FALSE(platform::WriteFileSafely(path, "page"));
    EXPECT_EQ(ReadBytes(path), "precious");
}

}  // namespace
