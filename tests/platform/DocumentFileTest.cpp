#include "platform/DocumentFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "catalogue/MachineDirectoryFixture.h"
#include "support/Files.h"
#include "support/ScratchDirectory.h"

namespace {

namespace fs = std::filesystem;

TEST(DocumentFile, OnlyAReadableRegularFileCanBeOpened) {
    test_support::ScratchDirectory dir;
    fs::permissions(dir.Path(), fs::perms::all);
    test_support::WriteBytes(dir / "Leitung.qrx", "");
    fs::create_directory(dir / "Ordner.qrx");
    ASSERT_EQ(::mkfifo((dir / "Rohr.fifo").c_str(), 0666), 0);
    fs::create_symlink(dir / "Leitung.qrx", dir / "Verweis.qrx");
    const struct {
        std::string path;
        bool readable;
    } cases[] = {
        {dir / "Leitung.qrx", true},
        {dir / "Verweis.qrx", true},
        {dir / "Ordner.qrx", false},
        {dir / "fehlt.qrx", false},
        {dir / "Rohr.fifo", false},
        {"/dev/null", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::IsReadableDocumentFile(c.path), c.readable) << c.path;
}

TEST(DocumentFile, AFileWithoutReadPermissionCannotBeOpened) {
    test_support::ScratchDirectory dir;
    fs::permissions(dir.Path(), fs::perms::all);
    const std::string file = dir / "geheim.qrx";
    test_support::WriteBytes(file, "");
    fs::permissions(file, fs::perms::owner_write);
    EXPECT_TRUE(catalogue_test::Unprivileged([&] { return !platform::IsReadableDocumentFile(file); }));
}

TEST(DocumentFile, ReadsARegularFileWholeUpToItsLimit) {
    test_support::ScratchDirectory dir;
    test_support::WriteBytes(dir / "klein.qrx", "{}");
    test_support::WriteBytes(dir / "gross.qrx", std::string(101, 'x'));
    fs::create_directory(dir / "Ordner.qrx");
    const platform::DocumentRead small = platform::ReadDocumentFile(dir / "klein.qrx", 100);
    ASSERT_TRUE(small.bytes);
    EXPECT_EQ(*small.bytes, "{}");
    const struct {
        std::string path;
        platform::DocumentReadFault fault;
    } refused[] = {
        {dir / "gross.qrx", platform::DocumentReadFault::kTooLarge},
        {dir / "Ordner.qrx", platform::DocumentReadFault::kCannotOpen},
        {dir / "fehlt.qrx", platform::DocumentReadFault::kCannotOpen},
        {"", platform::DocumentReadFault::kCannotOpen},
    };
    for (const auto& c : refused) {
        const platform::DocumentRead read = platform::ReadDocumentFile(c.path, 100);
        EXPECT_FALSE(read.bytes) << c.path;
        EXPECT_EQ(read.fault, c.fault) << c.path;
    }
}

// A new file has the mode of a user's new file, an existing one keeps its mode, a symbolic link stays
// and its target is replaced; a failed write leaves nothing behind.
TEST(DocumentFile, WritesReplaceTheWholeFileAndKeepWhatItWas) {
    test_support::ScratchDirectory dir;
    const mode_t mask = ::umask(022);
    EXPECT_EQ(platform::WriteDocumentFile(dir / "neu.qrx", "eins"), 0);
    EXPECT_EQ(test_support::ReadBytes(dir / "neu.qrx"), "eins");
    EXPECT_EQ(fs::status(dir / "neu.qrx").permissions(), fs::perms(0644));

    test_support::WriteBytes(dir / "alt.qrx", "alter Inhalt", 0600);
    EXPECT_EQ(platform::WriteDocumentFile(dir / "alt.qrx", "neu"), 0);
    EXPECT_EQ(test_support::ReadBytes(dir / "alt.qrx"), "neu");
    EXPECT_EQ(fs::status(dir / "alt.qrx").permissions(), fs::perms(0600));

    fs::create_symlink(dir / "alt.qrx", dir / "Verweis.qrx");
    EXPECT_EQ(platform::WriteDocumentFile(dir / "Verweis.qrx", "über den Verweis"), 0);
    EXPECT_TRUE(fs::is_symlink(dir / "Verweis.qrx"));
    EXPECT_EQ(test_support::ReadBytes(dir / "alt.qrx"), "über den Verweis");

    fs::create_directory(dir / "Ordner.qrx");
    EXPECT_NE(platform::WriteDocumentFile(dir / "Ordner.qrx", "x"), 0);
    EXPECT_NE(platform::WriteDocumentFile(dir / "fehlt/x.qrx", "x"), 0);
    EXPECT_EQ(platform::WriteDocumentFile("", "x"), ENOENT);
    ::umask(mask);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Path())) ++entries;
    EXPECT_EQ(entries, 4);  // neu, alt, Verweis, Ordner: no sibling left over
}

}  // namespace
