// The machine directory, calculation files, temporary files and the shell of Windows.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/DocumentFile.h"
#include "platform/MachineDirectory.h"
#include "platform/TempFiles.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Shell.h"
#include "support/Files.h"
#include "support/ScratchDirectory.h"

namespace {

namespace fs = std::filesystem;

// WINDIR names the system's folder on every Windows machine: only QUELLRIX_WINDIR overrides.
TEST(Win32MachineDirectory, ProgramDataUnlessQuellrixWindirIsSet) {
    const test_support::ScopedEnv windows("WINDIR", "C:\\windows");
    {
        const test_support::ScopedEnv unset("QUELLRIX_WINDIR", std::nullopt);
        const std::string expected = *platform::win32::EnvironmentVariable(L"ProgramData") + "\\Quellrix";
        EXPECT_EQ(platform::MachineDirectory(), expected);
        EXPECT_TRUE(fs::is_directory(fs::u8path(expected)));
        EXPECT_EQ(platform::ResolveMachinePath("Rohre.ini"), expected + "\\Rohre.ini");
    }
    const test_support::ScopedEnv set("QUELLRIX_WINDIR", "D:\\Daten\\Jörg");
    EXPECT_EQ(platform::MachineDirectory(), "D:\\Daten\\Jörg");
    EXPECT_EQ(platform::ResolveMachinePath("Rohre.ini"), "D:\\Daten\\Jörg\\Rohre.ini");
}

TEST(Win32MachineDirectory, PathsWithEitherSeparator) {
    struct Case {
        const char* path;
        const char* directory;
        bool bare;
    };
    for (const Case& c : {Case{"Rohre.ini", ".", true}, Case{"windir\\Rohre.ini", "windir", false},
                          Case{"windir/Rohre.ini", "windir", false}, Case{"C:\\Rohre.ini", "C:\\", false},
                          Case{"C:Rohre.ini", ".", false}, Case{"\\Rohre.ini", "\\", false},
                          Case{"a\\b/c\\Rohre.ini", "a\\b/c", false}}) {
        EXPECT_EQ(platform::DirectoryOf(c.path), c.directory) << c.path;
        EXPECT_EQ(platform::FileNameOf(c.path), "Rohre.ini") << c.path;
        EXPECT_EQ(platform::ResolveMachinePath(c.path) == c.path, !c.bare) << c.path;
    }
}

TEST(Win32DocumentFile, UnicodeNamesAndBytesUnchanged) {
    test_support::ScratchDirectory scratch;
    const std::string file = (fs::u8path(scratch.Path()) / fs::u8path("Prüfung ä.qrx")).u8string();
    const std::string bytes = "{\r\n  \"Titel\": \"Straße\"\r\n}\n";
    ASSERT_TRUE(platform::WriteDocumentFile(file, bytes).Written());
    EXPECT_TRUE(platform::IsReadableDocumentFile(file));
    const platform::DocumentRead read = platform::ReadDocumentFile(file, 1000);
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_EQ(platform::ReadDocumentFile(file, 10).fault, platform::DocumentReadFault::kTooLarge);
    EXPECT_TRUE(platform::WriteDocumentFile(file, "neu").Written());
    EXPECT_EQ(test_support::ReadBytes(fs::u8path(file)), "neu");
    EXPECT_EQ(scratch.Entries(), std::set<std::string>{fs::u8path("Prüfung ä.qrx").string()});

    EXPECT_FALSE(platform::IsReadableDocumentFile(scratch.Path()));
    EXPECT_FALSE(platform::IsReadableDocumentFile(scratch / "fehlt.qrx"));
    EXPECT_EQ(platform::ReadDocumentFile(scratch / "fehlt.qrx", 10).error, ENOENT);
    EXPECT_EQ(platform::WriteDocumentFile(scratch / "fehlt/neu.qrx", "x").error, ENOENT);
    ::SetFileAttributesW(platform::win32::Widen(file).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(platform::WriteDocumentFile(file, "anders").fault, platform::DocumentWriteFault::kReadOnly);
    ::SetFileAttributesW(platform::win32::Widen(file).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(test_support::ReadBytes(fs::u8path(file)), "neu");
}

TEST(Win32TempFiles, NamesAndSafeWrites) {
    test_support::ScratchDirectory scratch;
    const std::string folder = (fs::u8path(scratch.Path()) / fs::u8path("Jörg")).u8string() + "\\";
    fs::create_directory(fs::u8path(folder));
    const test_support::ScopedEnv tmp("TMP", folder);
    EXPECT_EQ(platform::GetTempPath(), folder);
    EXPECT_EQ(platform::GetTempFileName(folder, "Veltrum-Help", 1), folder + "Vel1.tmp");
    const std::string created = platform::GetTempFileName(folder, "qrx", 0);
    ASSERT_FALSE(created.empty());
    EXPECT_TRUE(fs::is_regular_file(fs::u8path(created)));
    EXPECT_TRUE(platform::DeleteFile(created));
    EXPECT_FALSE(platform::DeleteFile(created));

    const std::string page = folder + "vel1.html";
    ASSERT_TRUE(platform::WriteFileSafely(page, "<HTML>\r\nlang</HTML>"));
    ASSERT_TRUE(platform::WriteFileSafely(page, "kurz"));
    EXPECT_EQ(test_support::ReadBytes(fs::u8path(page)), "kurz");
    EXPECT_FALSE(platform::WriteFileSafely(folder, "x"));
    EXPECT_FALSE(platform::WriteFileSafely(folder + "fehlt\\vel1.html", "x"));
    const std::string second = folder + "zweiter Name.html";
    if (::CreateHardLinkW(platform::win32::Widen(second).c_str(), platform::win32::Widen(page).c_str(),
                          nullptr)) {
        EXPECT_FALSE(platform::WriteFileSafely(page, "über den zweiten Namen"));
        EXPECT_EQ(test_support::ReadBytes(fs::u8path(second)), "kurz");
    }
}

TEST(Win32Shell, FailuresMapOntoTheSystemsCodes) {
    test_support::ScratchDirectory scratch;
    platform::Win32Shell shell;
    std::string program = "alt";
    EXPECT_EQ(shell.FindExecutable(scratch / "fehlt.html", program), platform::kShellFileNotFound);
    EXPECT_EQ(program, "");
    test_support::WriteBytes(fs::u8path(scratch / "a.unbekannt"), "x");
    EXPECT_EQ(shell.FindExecutable(scratch / "a.unbekannt", program), platform::kShellNoAssociation);
    EXPECT_FALSE(platform::ShellSucceeded(shell.ShellExecute(scratch / "fehlt.exe", "x")));
}

}  // namespace
