#include "platform/XdgShell.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <filesystem>

#include "support/Files.h"
#include "support/ScratchDirectory.h"

namespace {

using test_support::Exists;
using test_support::ReadBytes;
using test_support::ScopedEnv;
using test_support::ScratchDirectory;
using test_support::WriteBytes;

// A desktop of its own: PATH holds only a scratch bin folder with a fake xdg-mime, and the data folders
// hold the desktop entries the test installs.
class XdgShell : public ::testing::Test {
  protected:
    XdgShell() {
        for (const char* sub : {"bin", "data", "data/applications", "shared", "shared/applications"})
            std::filesystem::create_directory(folder / sub);
        WriteBytes(page, "<HTML></HTML>", 0644);
    }

    void InstallScript(const std::string& name, const std::string& body, mode_t mode = 0755) {
        WriteBytes(bin + "/" + name, "#!/bin/sh\n" + body + "\n", mode);
    }
    void DefaultBrowserIs(const std::string& entryId) { InstallScript("xdg-mime", "echo '" + entryId + "'"); }
    void InstallEntry(const std::string& path, const std::string& exec) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        WriteBytes(path,
                   "[Desktop Entry]\nName=Browser\n" + exec + "\n[Desktop Action new]\nExec=/bin/false\n",
                   0644);
    }
    int Lookup(const std::string& file) { return shell.FindExecutable(file, program); }

    ScratchDirectory folder;
    std::string bin = folder / "bin";
    std::string applications = folder / "data/applications";
    std::string page = folder / "page.html";
    ScopedEnv path{"PATH", bin};
    ScopedEnv dataHome{"XDG_DATA_HOME", folder / "data"};
    ScopedEnv dataDirs{"XDG_DATA_DIRS", folder / "shared"};
    ScopedEnv browser{"BROWSER", std::nullopt};
    platform::XdgShell shell;
    std::string program = "stale";
};

TEST_F(XdgShell, FindsTheProgramOfTheDefaultBrowsersEntry) {
    InstallScript("browser", "exit 0");
    InstallScript("my browser", "exit 0");
    InstallScript("xdg-open", "exit 0");
    DefaultBrowserIs("browser.desktop");
    const struct {
        std::string exec, expected;
    } cases[] = {
        {"Exec=" + bin + "/browser %u", bin + "/browser"},
        {"Exec=browser %U", bin + "/browser"},
        {"Exec  =  " + bin + "/browser", bin + "/browser"},
        {"Exec=\"" + bin + "/my browser\" %f", bin + "/my browser"},
        {"Exec=" + bin + "/my\\sbrowser %F", bin + "/xdg-open"},  // an unquoted \s separates words
        {"Exec=env MOZ_ENABLE_WAYLAND=1 browser %u", bin + "/xdg-open"},
    };
    for (const auto& c : cases) {
        InstallEntry(applications + "/browser.desktop", c.exec);
        EXPECT_EQ(Lookup(page), 42) << c.exec;
        EXPECT_EQ(program, c.expected) << c.exec;
    }
    EXPECT_EQ(Lookup(folder / "PAGE.HTM"), 2);
    WriteBytes(folder / "PAGE.HTM", "", 0644);
    EXPECT_EQ(Lookup(folder / "PAGE.HTM"), 42);
}

TEST_F(XdgShell, SearchesSubfoldersAndTheSharedDataFolders) {
    InstallScript("browser", "exit 0");
    DefaultBrowserIs("vendor-web-browser.desktop");
    InstallEntry(folder / "shared/applications/vendor/web-browser.desktop", "Exec=browser %u");
    EXPECT_EQ(Lookup(page), 42);
    EXPECT_EQ(program, bin + "/browser");
}

TEST_F(XdgShell, FailedLookupsMapOntoTheirCodes) {
    InstallScript("browser", "exit 0");
    InstallScript("plain-file", "exit 0", 0644);
    InstallEntry(applications + "/browser.desktop", "Exec=browser %u");
    InstallEntry(applications + "/missing.desktop", "Exec=no-such-program %u");
    InstallEntry(applications + "/plain.desktop", "Exec=plain-file %u");
    InstallEntry(applications + "/actions-only.desktop", "Name=No program");
    const struct {
        const char* name;
        std::string xdgMime;  // script body; "" for no xdg-mime at all
        std::string file;
        int expected;
    } cases[] = {
        {"file missing", "echo browser.desktop", folder / "absent.html", 2},
        {"folder missing", "echo browser.desktop", folder / "absent/page.html", 3},
        {"not an HTML file", "echo browser.desktop", folder / "bin/browser", 31},
        {"no xdg-mime", "", page, 31},
        {"no default", "exit 0", page, 31},
        {"xdg-mime fails", "echo browser.desktop; exit 4", page, 31},
        {"not an entry id", "echo ../browser.desktop", page, 31},
        {"entry not installed", "echo absent.desktop", page, 31},
        {"entry without Exec", "echo actions-only.desktop", page, 31},
        {"program missing", "echo missing.desktop", page, 11},
        {"program not executable", "echo plain.desktop", page, 11},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(bin + "/xdg-mime");
        if (!c.xdgMime.empty())
            InstallScript("xdg-mime", c.xdgMime);
        program = "stale";
        EXPECT_EQ(Lookup(c.file), c.expected) << c.name;
        EXPECT_EQ(program, "") << c.name;
    }
}

// Without a default browser of the desktop, BROWSER names it as xdg-open reads it: the first command of
// the list that can be run; one with arguments is left to xdg-open.
TEST_F(XdgShell, WithoutADefaultBrowserTheBrowserVariableIsHonoured) {
    InstallScript("w3m", "exit 0");
    InstallScript("xdg-open", "exit 0");
    InstallScript("xdg-mime", "exit 0");
    const struct {
        std::string browser;
        int code;
        std::string program;
    } cases[] = {
        {"w3m", 42, bin + "/w3m"},
        {"absent:" + bin + "/w3m", 42, bin + "/w3m"},
        {"xdg-open:w3m", 42, bin + "/w3m"},
        {"w3m -T text/html", 42, bin + "/xdg-open"},
        {"w3m '%s'", 42, bin + "/xdg-open"},
        {"absent", 31, ""},
        {"", 31, ""},
    };
    for (const auto& c : cases) {
        ScopedEnv browser("BROWSER", c.browser);
        EXPECT_EQ(Lookup(page), c.code) << c.browser;
        EXPECT_EQ(program, c.program) << c.browser;
    }
    // The desktop's default comes first.
    InstallScript("browser", "exit 0");
    InstallEntry(applications + "/browser.desktop", "Exec=browser %u");
    DefaultBrowserIs("browser.desktop");
    ScopedEnv browser("BROWSER", "w3m");
    EXPECT_EQ(Lookup(page), 42);
    EXPECT_EQ(program, bin + "/browser");
}

TEST_F(XdgShell, AnXdgMimeThatDoesNotAnswerIsCutOff) {
    InstallScript("xdg-mime", "/bin/sleep 30");
    platform::XdgShell impatient{std::chrono::milliseconds(200)};
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_EQ(impatient.FindExecutable(page, program), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(10));
}

std::string WaitForFile(const std::string& path) {
    for (int i = 0; i < 1000 && !Exists(path); ++i) ::poll(nullptr, 0, 10);
    return ReadBytes(path);
}

TEST_F(XdgShell, StartsTheProgramDetachedWithTheArgumentUnchanged) {
    const std::string out = folder / "out";
    InstallScript("browser",
                  "printf '%s|%s' \"$#\" \"$1\" > " + out + ".part && /bin/mv " + out + ".part " + out);
    const std::string argument = "a b \"c\" $(touch " + folder / "pwned" + ") ;x";
    EXPECT_EQ(shell.ShellExecute(bin + "/browser", argument), 42);
    EXPECT_EQ(WaitForFile(out), "1|" + argument);
    EXPECT_FALSE(Exists(folder / "pwned"));
    int status = 0;
    EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1) << "no child of ours is left to reap";
    EXPECT_EQ(errno, ECHILD);

    std::filesystem::remove(out);
    EXPECT_EQ(shell.ShellExecute("browser", "second"), 42) << "a bare name is found in PATH";
    EXPECT_EQ(WaitForFile(out), "1|second");
}

TEST_F(XdgShell, FailedStartsMapOntoTheirCodes) {
    InstallScript("plain-file", "exit 0", 0644);
    const struct {
        std::string program;
        int expected;
    } cases[] = {
        {bin + "/absent", 2},
        {folder / "absent/browser", 2},
        {"absent", 2},
        {"", 2},
        {bin + "/plain-file", 11},
        {bin, 11},
        {bin + "/plain-file/below", 3},
    };
    for (const auto& c : cases) EXPECT_EQ(shell.ShellExecute(c.program, "x"), c.expected) << c.program;
}

}  // namespace
