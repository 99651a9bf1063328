#include "help/HelpLauncher.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "help/HelpPage.h"
#include "messages/MessageTexts.h"
#include "platform/Prompt.h"
#include "platform/headless/RecordingPrompt.h"
#include "platform/headless/SimulatedShell.h"
#include "support/Files.h"
#include "support/ScratchDirectory.h"

namespace {

using test_support::Exists;
using test_support::ReadBytes;
using test_support::ScopedEnv;
using test_support::ScratchDirectory;
using test_support::WriteBytes;
using Lines = std::vector<std::string>;

// The help file lies in a folder of the run that only its user may enter: under XDG_RUNTIME_DIR when
// that is such a folder of the user, else in the temporary directory; a file another user left under
// the old fixed name does not matter.
TEST(HelpFileName, LivesInAFolderOnlyItsUserMayEnter) {
    ScratchDirectory scratch;
    for (const char* sub : {"runtime", "open", "tmp"}) ASSERT_EQ(::mkdir((scratch / sub).c_str(), 0700), 0);
    ASSERT_EQ(::chmod((scratch / "open").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((scratch / "tmp/vel1.html").c_str(), 0500), 0);  // in the way of a fixed name
    ScopedEnv tmpdir("TMPDIR", scratch / "tmp");
    const struct {
        std::optional<std::string> runtime;
        std::string base;
    } cases[] = {
        {scratch / "runtime", scratch / "runtime"},
        {scratch / "open", scratch / "tmp"},
        {std::string("relative"), scratch / "tmp"},
        {std::nullopt, scratch / "tmp"},
    };
    for (const auto& c : cases) {
        ScopedEnv runtime("XDG_RUNTIME_DIR", c.runtime);
        const std::string name = help::BuildHelpFileName();
        const std::filesystem::path folder = std::filesystem::path(name).parent_path();
        EXPECT_EQ(folder.parent_path(), c.base) << name;
        EXPECT_EQ(std::filesystem::path(name).filename(), "vel1.html");
        EXPECT_EQ(std::filesystem::status(folder).permissions(), std::filesystem::perms::owner_all) << name;
        EXPECT_EQ(help::BuildHelpFileName(), name) << "a second call names the same file";
        help::DeleteHelpFile();
        EXPECT_FALSE(std::filesystem::exists(folder)) << name;
    }
}

// The simulated browser that also notes what the looked-up file held at the time of the lookup.
class InspectingShell : public headless::SimulatedShell {
  public:
    using SimulatedShell::SimulatedShell;
    int FindExecutable(const std::string& file, std::string& program) override {
        contentAtLookup = Exists(file) ? std::optional<std::string>(ReadBytes(file)) : std::nullopt;
        return SimulatedShell::FindExecutable(file, program);
    }
    std::optional<std::string> contentAtLookup;
};

class HelpLauncher : public ::testing::Test {
  protected:
    static std::string Q(const std::string& text) { return headless::Quote(text); }
    std::string StartLine(const std::string& argument, int code = 42) const {
        return "browser start " + Q(headless::kSimulatedBrowser) + " " + Q(argument) + " " +
               std::to_string(code);
    }
    std::string LookupLine(const std::string& file, int code = 42) const {
        return "browser lookup " + Q(file) + " " + std::to_string(code);
    }
    static std::string MessageLine(const std::string& text) { return "message " + Q(text); }

    void TearDown() override { help::DeleteHelpFile(); }

    ScratchDirectory folder;
    ScopedEnv tmpdir{"TMPDIR", folder.Path()};
    ScopedEnv runtime{"XDG_RUNTIME_DIR", std::nullopt};
    std::string helpFile = help::BuildHelpFileName();
    std::string probeFile = help::BuildProbeFileName();
    headless::Transcript transcript;
    headless::RecordingPrompt prompt{transcript};
    platform::ScopedPrompt installed{prompt};
    InspectingShell shell{transcript};
};

TEST_F(HelpLauncher, TwoHelpCommandsWriteTheSameFileAndStartTheBrowserTwice) {
    help::ShowHelpPage(shell);
    WriteBytes(helpFile, "stale", 0644);
    help::ShowHelpPage(shell);
    EXPECT_EQ(ReadBytes(helpFile), help::HelpPageText());
    EXPECT_EQ(shell.contentAtLookup, std::string(help::HelpPageText()));
    EXPECT_EQ(transcript.Lines(),
              (Lines{LookupLine(helpFile), StartLine(helpFile), LookupLine(helpFile), StartLine(helpFile)}));
    EXPECT_TRUE(prompt.Messages().empty());
}

TEST_F(HelpLauncher, HelpFileStaysAfterAFailedLookupUntilItIsDeleted) {
    shell.SetLookupResult(31);
    help::ShowHelpPage(shell);
    EXPECT_EQ(transcript.Lines(),
              (Lines{LookupLine(helpFile, 31), MessageLine("Es ist kein Standard-Browser eingerichtet.")}));
    EXPECT_EQ(ReadBytes(helpFile), help::HelpPageText());

    help::DeleteHelpFile();
    EXPECT_FALSE(Exists(helpFile));
    help::DeleteHelpFile();  // absent: still no message
    EXPECT_EQ(prompt.Messages().size(), 1u);
}

TEST_F(HelpLauncher, APlantedLinkIsNotFollowedAndWhatItNamesIsNotShown) {
    WriteBytes(folder / "victim", "precious", 0644);
    ASSERT_EQ(::symlink((folder / "victim").c_str(), helpFile.c_str()), 0);
    help::ShowHelpPage(shell);
    EXPECT_EQ(ReadBytes(folder / "victim"), "precious");
    EXPECT_EQ(transcript.Lines(), (Lines{LookupLine(helpFile), MessageLine("Interner Fehler (1)")}));
}

TEST_F(HelpLauncher, LinkButtonOpensTheMakersAddressAndRemovesTheProbe) {
    help::OpenMakerWebAddress(shell);
    EXPECT_EQ(shell.contentAtLookup, std::string("<HTML></HTML>"));
    EXPECT_FALSE(Exists(probeFile));
    EXPECT_EQ(transcript.Lines(), (Lines{LookupLine(probeFile), StartLine(help::kMakerWebAddress)}));
}

TEST_F(HelpLauncher, TheProbeIsNeverLeftBehind) {
    for (int lookupCode : {0, 2, 31}) {
        shell.SetLookupResult(lookupCode);
        help::OpenMakerWebAddress(shell);
        EXPECT_FALSE(Exists(probeFile)) << lookupCode;
    }
    WriteBytes(probeFile, "left over", 0644);  // an earlier probe of ours is replaced and removed as well
    help::OpenMakerWebAddress(shell);
    EXPECT_EQ(shell.contentAtLookup, std::string("<HTML></HTML>"));
    EXPECT_FALSE(Exists(probeFile));
}

TEST_F(HelpLauncher, EveryFailedLookupHasItsMessageAndStartsNothing) {
    const char* internal2 = "Interner Fehler (2).";
    const struct {
        int code;
        const char* message;
    } cases[] = {
        {0, "Kein Speicher für Web-Browser verfügbar."},        {1, internal2},  {2, "Interner Fehler (1)"},
        {3, "Interner Fehler (Haben Sie ein Laufwerk c:\\ ?)"}, {4, internal2},  {10, internal2},
        {11, "Der Standard-Browser ist nicht funktionsfähig."}, {12, internal2}, {30, internal2},
        {31, "Es ist kein Standard-Browser eingerichtet."},     {-1, internal2},
    };
    for (const auto& c : cases) {
        shell.SetLookupResult(c.code);
        help::ShowHelpPage(shell);
        EXPECT_EQ(transcript.TakeNew(), (Lines{LookupLine(helpFile, c.code), MessageLine(c.message)}))
            << c.code;
        help::OpenMakerWebAddress(shell);
        EXPECT_EQ(transcript.TakeNew(), (Lines{LookupLine(probeFile, c.code), MessageLine(c.message)}))
            << c.code;
    }
    for (int code = 4; code <= 30; ++code) {
        if (code != 11) {
            EXPECT_EQ(messages::BrowserLookupFailureMessage(code), internal2) << code;
        }
    }
    for (const auto& shown : prompt.Messages()) EXPECT_EQ(shown.icon, platform::MessageIcon::None);
}

TEST_F(HelpLauncher, EveryFailedStartHasItsMessage) {
    const char* internal3 = "Interner Fehler (3).";
    const struct {
        int code;
        const char* message;
    } cases[] = {
        {0, "Kein Speicher für Web-Browser verfügbar."},
        {1, internal3},
        {2, "Der Standard Browser wurde nicht gefunden."},
        {3, internal3},
        {11, internal3},
        {31, internal3},
        {-1, internal3},
    };
    for (const auto& c : cases) {
        shell.SetStartResult(c.code);
        help::ShowHelpPage(shell);
        EXPECT_EQ(transcript.TakeNew(),
                  (Lines{LookupLine(helpFile), StartLine(helpFile, c.code), MessageLine(c.message)}))
            << c.code;
        help::OpenMakerWebAddress(shell);
        EXPECT_EQ(
            transcript.TakeNew(),
            (Lines{LookupLine(probeFile), StartLine(help::kMakerWebAddress, c.code), MessageLine(c.message)}))
            << c.code;
    }
    for (int code = 3; code < 32; ++code)
        EXPECT_EQ(messages::BrowserStartFailureMessage(code), internal3) << code;
    shell.SetStartResult(32);
    help::ShowHelpPage(shell);
    EXPECT_EQ(transcript.TakeNew().size(), 2u) << "32 is success";
}

}  // namespace
