#include "platform/DocumentFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

}  // namespace
