#include "platform/DocumentFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

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
    EXPECT_TRUE(platform::WriteDocumentFile(dir / "neu.qrx", "eins").Written());
    EXPECT_EQ(test_support::ReadBytes(dir / "neu.qrx"), "eins");
    EXPECT_EQ(fs::status(dir / "neu.qrx").permissions(), fs::perms(0644));

    test_support::WriteBytes(dir / "alt.qrx", "alter Inhalt", 0600);
    EXPECT_TRUE(platform::WriteDocumentFile(dir / "alt.qrx", "neu").Written());
    EXPECT_EQ(test_support::ReadBytes(dir / "alt.qrx"), "neu");
    EXPECT_EQ(fs::status(dir / "alt.qrx").permissions(), fs::perms(0600));

    fs::create_symlink(dir / "alt.qrx", dir / "Verweis.qrx");
    EXPECT_TRUE(platform::WriteDocumentFile(dir / "Verweis.qrx", "über den Verweis").Written());
    EXPECT_TRUE(fs::is_symlink(dir / "Verweis.qrx"));
    EXPECT_EQ(test_support::ReadBytes(dir / "alt.qrx"), "über den Verweis");

    fs::create_directory(dir / "Ordner.qrx");
    EXPECT_FALSE(platform::WriteDocumentFile(dir / "Ordner.qrx", "x").Written());
    EXPECT_FALSE(platform::WriteDocumentFile(dir / "fehlt/x.qrx", "x").Written());
    EXPECT_EQ(platform::WriteDocumentFile("", "x").error, ENOENT);
    ::umask(mask);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Path())) ++entries;
    EXPECT_EQ(entries, 4);  // neu, alt, Verweis, Ordner: no sibling left over
}

// What a save must never replace: a link another user planted in a shared sticky directory (as bob
// for alice in /tmp), a device or FIFO, a read-only file. Each stays as it was.
TEST(DocumentFile, APlantedLinkADeviceAFifoAndAReadOnlyFileAreNotReplaced) {
    using Fault = platform::DocumentWriteFault;
    test_support::ScratchDirectory dir;
    fs::permissions(dir.Path(), fs::perms(01777));
    test_support::WriteBytes(dir / "thesis.txt", "Kapitel 1", 0666);
    test_support::WriteBytes(dir / "schreibgeschuetzt.qrx", "alt", 0444);
    ASSERT_EQ(::mkfifo((dir / "Rohr.fifo").c_str(), 0666), 0);
    fs::create_symlink(dir / "thesis.txt", dir / "bericht.qrx");
    fs::create_symlink(dir / "thesis.txt", dir / "eigener.qrx");
    const bool secondUser = ::geteuid() == 0 && ::lchown((dir / "bericht.qrx").c_str(), 65534, 65534) == 0;
    if (!secondUser)
        std::printf("planted link not tried: making a link of another user needs root\n");
    struct Case {
        std::string path;
        Fault fault;
    };
    std::vector<Case> cases{{dir / "Rohr.fifo", Fault::kNotRegular},
                            {"/dev/null", Fault::kNotRegular},
                            {dir / "schreibgeschuetzt.qrx", Fault::kReadOnly}};
    if (secondUser)
        cases.push_back({dir / "bericht.qrx", Fault::kForeignLink});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(platform::WriteDocumentFile(c.path, "{}").fault, c.fault);
    }
    EXPECT_EQ(fs::status(dir / "Rohr.fifo").type(), fs::file_type::fifo);
    EXPECT_EQ(test_support::ReadBytes(dir / "schreibgeschuetzt.qrx"), "alt");
    EXPECT_EQ(test_support::ReadBytes(dir / "thesis.txt"), "Kapitel 1");
    EXPECT_TRUE(fs::is_symlink(dir / "bericht.qrx"));
    // The user's own link there is followed; as the unprivileged user too.
    EXPECT_TRUE(platform::WriteDocumentFile(dir / "eigener.qrx", "{}").Written());
    EXPECT_EQ(test_support::ReadBytes(dir / "thesis.txt"), "{}");
    test_support::WriteBytes(dir / "fremd.qrx", "alt", 0644);
    EXPECT_TRUE(catalogue_test::Unprivileged(
        [&] { return platform::WriteDocumentFile(dir / "fremd.qrx", "{}").fault == Fault::kReadOnly; }));
}

// A save killed between creating its sibling and renaming it leaves ".NAME.PID.N.tmp"; the next save
// of the file removes it when it is the user's and its process is gone.
TEST(DocumentFile, ASaveRemovesTheUsersOrphanedSiblings) {
    test_support::ScratchDirectory dir;
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string orphan = dir / (".calc.qrx." + std::to_string(gone) + ".0.tmp");
    const std::string foreign = dir / (".calc.qrx." + std::to_string(gone) + ".1.tmp");
    const std::string living = dir / (".calc.qrx." + std::to_string(::getpid()) + ".7.tmp");
    for (const std::string& path : {orphan, foreign, living}) test_support::WriteBytes(path, "halb");
    const bool foreignOwned = ::geteuid() == 0 && ::chown(foreign.c_str(), 65534, 65534) == 0;
    EXPECT_TRUE(platform::WriteDocumentFile(dir / "calc.qrx", "{}").Written());
    EXPECT_FALSE(test_support::Exists(orphan));
    EXPECT_TRUE(test_support::Exists(living));
    EXPECT_EQ(test_support::Exists(foreign), foreignOwned);
}

}  // namespace
