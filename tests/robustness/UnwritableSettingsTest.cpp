// The program with a settings file it cannot write: a machine directory that is a regular file or
// missing, a read-only directory, a read-only file, a full disk (a file size limit). Nothing crashes or
// is corrupted: a file that cannot be created is said in one warning at start, and the form works with
// the built-in catalogue and fluid data, writing nothing; a file that exists but cannot be written is
// read as it is and left byte for byte as it was, without a word, and no sibling file stays behind.
//
// Each session runs in a child process, where the file size limit and, when the tests run as root
// (whom permission bits do not stop), an unprivileged user can be set up.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

#include "app/Application.h"
#include "catalogue/SettingsFile.h"
#include "form/model/ControlIds.h"
#include "form/PlenwickView.h"
#include "platform/headless/HeadlessPlatform.h"
#include "support/Files.h"
#include "support/ScratchDirectory.h"

namespace robustness {

namespace fs = std::filesystem;
namespace {

constexpr uid_t kNobody = 65534;

struct ChildSetup {
    bool unprivileged = false;
    std::optional<rlim_t> fileSizeLimit;
};

// Runs body in a child process set up as asked and returns the text it produced.
std::string InChild(const ChildSetup& setup, const std::function<std::string()>& body) {
    int channel[2];
    if (::pipe(channel) != 0)
        return "<no pipe>";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::string result;
        if (setup.unprivileged && ::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            result = "<no unprivileged user>";
        } else {
            if (setup.fileSizeLimit) {
                ::signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit fails with EFBIG instead
                const rlimit limit{*setup.fileSizeLimit, *setup.fileSizeLimit};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
            result = body();
        }
        const bool sent =
            ::write(channel[1], result.data(), result.size()) == static_cast<ssize_t>(result.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<size_t>(n));
    ::close(channel[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "<child failed>";
    return result;
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

// What the form shows of the settings file's data.
std::string FormState(CPlenwickView& view) {
    std::string state;
    for (const auto& [name, id] : {std::pair{"g", IDC_G},
                                   {"T", IDC_T},
                                   {"rho", IDC_RHO},
                                   {"ny", IDC_NY},
                                   {"da", IDC_DA},
                                   {"di", IDC_DI},
                                   {"k", IDC_K}}) {
        state += std::string(name) + "=" + Quoted(view.Field(id).GetText()) + " ";
    }
    state += "classes=" + std::to_string(view.List(IDC_CLASS).GetCount());
    state += " dn=" + std::to_string(view.List(IDC_DN).GetCount());
    return state;
}

// The warnings shown, each by its first sentence.
std::string Warnings(const headless::RecordingPrompt& prompt) {
    std::string warnings;
    for (const auto& shown : prompt.Messages()) {
        if (shown.icon == platform::MessageIcon::Exclamation)
            warnings += " warning='" + shown.text.substr(0, shown.text.find('\n')) + "'";
    }
    return warnings;
}

// A whole session: start, the form's state, a new g typed in, "Berechnen", closing (which writes the
// global data back), and what a read of the settings file then gives.
std::string Session() {
    headless::HeadlessPlatform hp;
    QuellrixApp app(hp.Services());
    app.Start();
    const std::string state = FormState(app.View());
    app.View().Controls().UserType(IDC_G, "9.812");
    app.View().Controls().UserClick(IDC_BERECHNEN);
    app.Close();
    const auto revision =
        SettingsFile().ReadSetting(SettingsFile::kGlobalSection, SettingsFile::kRevisionKey);
    return state + " revision=" + (revision ? *revision : "absent") + Warnings(hp.prompt);
}

const std::string kBuiltInShown =
    "g='9.81' T='10.0' rho='1010' ny='1.296185' da='118' di='101.00' k='0.100000' classes=9 dn=14 revision=2";

std::string Uncreatable(const fs::path& ini, const std::string& reason) {
    return " warning='Die Datei " + ini.string() + " kann nicht angelegt werden: " + reason + ".'";
}

class UnwritableSettings : public ::testing::Test {
  protected:
    void SetUp() override {
        // Reachable for the unprivileged user.
        fs::permissions(directory.Path(), fs::perms::all);
    }
    void Seed(const std::string& text) {
        test_support::WriteBytes(directory.Ini(), text);
        fs::permissions(directory.Ini(), fs::perms::all);
    }
    void MakeReadOnly(const fs::path& path) {
        fs::permissions(path, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                  fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    }

    test_support::ScratchMachineDirectory directory;
};

TEST_F(UnwritableSettings, MachineDirectoryIsARegularFile) {
    const fs::path plain = directory / "plain";
    test_support::WriteBytes(plain, "not a directory");
    test_support::ScopedEnv windir("WINDIR", plain.string());
    EXPECT_EQ(InChild({}, Session),
              kBuiltInShown + Uncreatable(plain / "Rohre.ini", plain.string() + " ist kein Verzeichnis"));
    EXPECT_EQ(test_support::ReadBytes(plain), "not a directory");
    EXPECT_EQ(directory.Entries(), std::set<std::string>{"plain"});
}

TEST_F(UnwritableSettings, MachineDirectoryIsMissing) {
    const fs::path missing = directory / "fehlt";
    test_support::ScopedEnv windir("WINDIR", missing.string());
    EXPECT_EQ(InChild({}, Session),
              kBuiltInShown + Uncreatable(missing / "Rohre.ini",
                                          "Das Verzeichnis " + missing.string() + " existiert nicht"));
    EXPECT_TRUE(directory.Entries().empty());
}

TEST_F(UnwritableSettings, ReadOnlyDirectoryWithoutTheFile) {
    MakeReadOnly(directory.Path());
    EXPECT_EQ(InChild({true, {}}, Session),
              kBuiltInShown + Uncreatable(directory.Ini(), "Keine Berechtigung"));
    EXPECT_TRUE(directory.Entries().empty());
}

// A disk too full for the default contents at the first start: nothing is written, not even the global
// texts at closing, and the next start writes the defaults.
TEST_F(UnwritableSettings, FullDiskAtTheFirstStart) {
    EXPECT_EQ(InChild({false, 1000}, Session),
              kBuiltInShown + Uncreatable(directory.Ini(), "Die Datei würde zu groß"));
    EXPECT_TRUE(directory.Entries().empty());
    EXPECT_EQ(InChild({}, Session), kBuiltInShown);
}

const std::string kCurrentFile =
    "[Gobale Daten]\nRevision=2\ng=9.80\nFluidtemperatur=12.5\nFluiddichte=1000\n"
    "[K-Werte]\nAnzahl=1\nK0=K7\n[K7-1]\nDN=100\nda=118\ns=5\nZMA=3.5\n";
const std::string kCurrentFileShown =
    "g='9.80' T='12.5' rho='1000' ny='1.222234' da='118' di='101.00' k='0.100000' classes=1 dn=1 revision=2";

TEST_F(UnwritableSettings, ReadOnlyFileIsReadAndLeftAsItWas) {
    Seed(kCurrentFile);
    MakeReadOnly(directory.Ini());
    EXPECT_EQ(InChild({true, {}}, Session), kCurrentFileShown);
    EXPECT_EQ(test_support::ReadBytes(directory.Ini()), kCurrentFile);
    EXPECT_EQ(directory.Entries(), std::set<std::string>{"Rohre.ini"});
}

// An old revision asks for the defaults, which cannot be written: the file stays as it is and is read.
TEST_F(UnwritableSettings, ReadOnlyFileOfAnOldRevision) {
    const std::string old = "[Gobale Daten]\nRevision=1\ng=9.70\n";
    Seed(old);
    MakeReadOnly(directory.Ini());
    EXPECT_EQ(InChild({true, {}}, Session),
              "g='9.70' T='' rho='' ny='' da='' di='' k='0.100000' classes=0 dn=0 revision=1");
    EXPECT_EQ(test_support::ReadBytes(directory.Ini()), old);
}

TEST_F(UnwritableSettings, ReadOnlyDirectoryWithTheFile) {
    Seed(kCurrentFile);
    MakeReadOnly(directory.Path());
    EXPECT_EQ(InChild({true, {}}, Session), kCurrentFileShown);
    EXPECT_EQ(test_support::ReadBytes(directory.Ini()), kCurrentFile);
    EXPECT_EQ(directory.Entries(), std::set<std::string>{"Rohre.ini"});
}

// A full disk at closing: the global data are not written back, and the file is not torn.
TEST_F(UnwritableSettings, FullDiskAtClosing) {
    Seed(kCurrentFile);
    EXPECT_EQ(InChild({false, kCurrentFile.size()}, Session), kCurrentFileShown);
    EXPECT_EQ(test_support::ReadBytes(directory.Ini()), kCurrentFile);
    EXPECT_EQ(directory.Entries(), std::set<std::string>{"Rohre.ini"});
}

// A symbolic link in place of the file, to a file only its owner may read: neither read nor copied, and
// never replaced, whoever runs the program (as root and, where the tests run as root, as nobody).
TEST_F(UnwritableSettings, SymbolicLinkIsNeverFollowedNorReplaced) {
    const fs::path secret = fs::path(directory.Path()) / "geheim";
    const std::string secretText = "[Gobale Daten]\nRevision=2\ng=1.23\n";
    test_support::WriteBytes(secret, secretText);
    fs::permissions(secret, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(secret, directory.Ini());
    const std::string expected =
        kBuiltInShown + " warning='Die Datei " + directory.Ini().string() +
        " kann nicht gelesen werden: An ihrer Stelle steht eine symbolische Verknüpfung.'";
    for (const bool unprivileged : {false, true}) {
        EXPECT_EQ(InChild({unprivileged, {}}, Session), expected) << "unprivileged=" << unprivileged;
        EXPECT_EQ(fs::read_symlink(directory.Ini()), secret);
        EXPECT_EQ(test_support::ReadBytes(secret), secretText);
        EXPECT_EQ(fs::status(secret).permissions(), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(directory.Entries(), (std::set<std::string>{"Rohre.ini", "geheim"}));
    }
}

}  // namespace
}  // namespace robustness
