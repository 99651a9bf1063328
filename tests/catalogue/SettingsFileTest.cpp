// The settings file: default contents, revision check, class list, class table rows and the global
// data written at close.
#include "catalogue/SettingsFile.h"

#include <functional>
#include <map>

#include "MachineDirectoryFixture.h"
#include "catalogue/DefaultCatalogue.h"
#include "platform/Number.h"
#include "platform/ProfileFile.h"

namespace {

using catalogue_test::MachineDirectoryTest;

const std::vector<std::string> kDefaultClasses = {"K7",
                                                  "K8-Abwasser",
                                                  "K8-Trinkwasser",
                                                  "K9-Abwasser",
                                                  "K9-Trinkwasser",
                                                  "K10-Abwasser",
                                                  "K10-Trinkwasser",
                                                  "K40",
                                                  "Abwasser"};

std::string GoldenDefaultFile() {
    return catalogue_test::ReadBytes(QUELLRIX_TEST_SUPPORT "/DefaultRohre.ini");
}

class SettingsFileTest : public MachineDirectoryTest {
  protected:
    SettingsFile settings;
};

TEST_F(SettingsFileTest, FirstStartCreatesDefaultFile) {
    ASSERT_FALSE(GoldenDefaultFile().empty());
    EXPECT_TRUE(settings.EnsureCurrentRevision());
    EXPECT_EQ(Contents(), GoldenDefaultFile());
    EXPECT_EQ(settings.ReadClassList(), kDefaultClasses);
    EXPECT_EQ(Entries(), std::set<std::string>{SettingsFile::kFileName});
}

struct RowCase {
    const char* className;
    int row;
    const char *dn, *da, *s, *zma;
};

TEST_F(SettingsFileTest, DefaultRows) {
    ASSERT_TRUE(settings.WriteDefaultSettings());
    for (const RowCase& c :
         {RowCase{"K9-Abwasser", 3, "200", "222", "6.3", "3.5"}, RowCase{"K40", 4, "150", "170", "5", "4.0"},
          RowCase{"K7", 1, "100", "118", "5", "3.5"}, RowCase{"Abwasser", 10, "450", "480", "6.7", "5"},
          RowCase{"Abwasser", 21, "2000", "2082", "22.5", "9"},
          RowCase{"K8-Trinkwasser", 13, "1400", "1462", "15.2", "9"}}) {
        const std::optional<PipeRow> row = settings.ReadRow(c.className, c.row);
        ASSERT_TRUE(row) << c.className << "-" << c.row;
        EXPECT_EQ(row->DN, c.dn);
        EXPECT_EQ(row->da, c.da);
        EXPECT_EQ(row->s, c.s);
        EXPECT_EQ(row->ZMA, c.zma);
    }
    EXPECT_FALSE(settings.ReadRow("K40", 8));
    EXPECT_FALSE(settings.ReadRow("K7", 0));
    EXPECT_FALSE(settings.ReadRow("K11", 1));
}

// Rows run in ascending DN, and so do the outer diameters, each above its DN.
TEST(DefaultCatalogue, TablesAscendInDnAndDa) {
    const std::map<std::string, size_t> rowCounts = {{"K7", 14},
                                                     {"K8-Abwasser", 13},
                                                     {"K8-Trinkwasser", 13},
                                                     {"K9-Abwasser", 18},
                                                     {"K9-Trinkwasser", 18},
                                                     {"K10-Abwasser", 20},
                                                     {"K10-Trinkwasser", 20},
                                                     {"K40", 7},
                                                     {"Abwasser", 21}};
    for (const char* className : catalogue::kDefaultTableOrder) {
        const std::vector<catalogue::DefaultPipe> pipes = catalogue::DefaultPipes(className);
        EXPECT_EQ(pipes.size(), rowCounts.at(className)) << className;
        for (size_t i = 0; i < pipes.size(); ++i) {
            EXPECT_GT(platform::LeadingNumber(pipes[i].da), platform::LeadingNumber(pipes[i].dn))
                << className;
            if (i == 0)
                continue;
            EXPECT_GT(platform::LeadingInteger(pipes[i].dn), platform::LeadingInteger(pipes[i - 1].dn))
                << className;
            EXPECT_GT(platform::LeadingNumber(pipes[i].da), platform::LeadingNumber(pipes[i - 1].da))
                << className;
        }
    }
}

const std::string kUserFile =
    "[Gobale Daten]\nRevision=%s\ng=9.7\nFluidtemperatur=20\nZaehigkeit=1.3\nFluiddichte=999\n"
    "[K7-1]\nDN=100\nda=118\ns=9\nZMA=3.5\n[K7-15]\nDN=1100\n";

std::string UserFile(const char* revision) {
    return platform::Format(kUserFile.c_str(), revision);
}

struct RevisionCase {
    const char* name;
    const char* revision;
    bool rewrites;
};

void PrintTo(const RevisionCase& c, std::ostream* out) {
    *out << c.name;
}

class RevisionTest : public SettingsFileTest, public ::testing::WithParamInterface<RevisionCase> {};

TEST_P(RevisionTest, OldOrMissingRevisionRewritesDefaults) {
    const RevisionCase& c = GetParam();
    Seed(UserFile(c.revision));
    EXPECT_TRUE(settings.EnsureCurrentRevision());
    if (!c.rewrites) {
        EXPECT_EQ(Contents(), UserFile(c.revision));
        return;
    }
    using S = SettingsFile;
    EXPECT_EQ(settings.ReadSetting(S::kGlobalSection, S::kRevisionKey), "2");
    EXPECT_EQ(settings.ReadSetting(S::kGlobalSection, S::kGravityKey), "9.81");
    EXPECT_EQ(settings.ReadSetting(S::kGlobalSection, S::kTemperatureKey), "10.0");
    EXPECT_EQ(settings.ReadSetting(S::kGlobalSection, S::kDensityKey), "1010");
    EXPECT_EQ(settings.ReadSetting(S::kGlobalSection, S::kViscosityKey), "1.3");
    EXPECT_EQ(settings.ReadRowValue("K7", 1, S::kSKey), "5");
    EXPECT_EQ(settings.ReadRowValue("K7", 15, S::kDnKey), "1100");
    EXPECT_EQ(settings.ReadClassList(), kDefaultClasses);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RevisionTest,
    ::testing::Values(RevisionCase{"One", "1", true}, RevisionCase{"Empty", "", true},
                      RevisionCase{"Zero", "0", true}, RevisionCase{"Negative", "-2", true},
                      RevisionCase{"NoNumber", "zwei", true}, RevisionCase{"Current", "2", false},
                      RevisionCase{"Newer", "3", false}, RevisionCase{"TwoWithLetters", "2abc", false},
                      RevisionCase{"TwoWithBlanks", " 2 ", false}),
    [](const ::testing::TestParamInfo<RevisionCase>& info) { return std::string(info.param.name); });

TEST_F(SettingsFileTest, RewriteKeepsLayoutOfExistingFile) {
    ASSERT_TRUE(settings.WriteDefaultSettings());
    ASSERT_TRUE(settings.WriteGlobalData("9.7", "20", "1.3", "999"));
    ASSERT_TRUE(settings.WriteSetting("K7-1", "s", "9"));
    ASSERT_TRUE(settings.WriteSetting(SettingsFile::kGlobalSection, SettingsFile::kRevisionKey, "1"));
    ASSERT_TRUE(settings.EnsureCurrentRevision());
    std::string expected = GoldenDefaultFile();
    expected.insert(expected.find("[K-Werte]"), "Zaehigkeit=1.3\n");
    EXPECT_EQ(Contents(), expected);
}

struct ClassListCase {
    const char* name;
    std::string section;
    std::vector<std::string> expected;
};

void PrintTo(const ClassListCase& c, std::ostream* out) {
    *out << c.name;
}

class ClassListTest : public SettingsFileTest, public ::testing::WithParamInterface<ClassListCase> {};

TEST_P(ClassListTest, ListsPresentNames) {
    Seed("[K-Werte]\n" + GetParam().section);
    EXPECT_EQ(settings.ReadClassList(), GetParam().expected);
}

std::string NineClasses() {
    std::string keys;
    for (size_t i = 0; i < kDefaultClasses.size(); ++i)
        keys += platform::Format("K%zu=%s\n", i, kDefaultClasses[i].c_str());
    return keys;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassListTest,
    ::testing::Values(ClassListCase{"CountBeyondKeys", "Anzahl=12\n" + NineClasses(), kDefaultClasses},
                      ClassListCase{"CountBelowKeys", "Anzahl=2\n" + NineClasses(), {"K7", "K8-Abwasser"}},
                      ClassListCase{"CountZero", "Anzahl=0\n" + NineClasses(), {}},
                      ClassListCase{"CountNegative", "Anzahl=-3\n" + NineClasses(), {}},
                      ClassListCase{"CountMissing", NineClasses(), {}},
                      ClassListCase{"CountHuge", "Anzahl=99999999999\nK0=A\nK1=B\n", {"A", "B"}},
                      ClassListCase{"CountLeadingInteger", "Anzahl= 2 Klassen\nK0=A\nK1=B\n", {"A", "B"}},
                      ClassListCase{"GapSkipped", "Anzahl=3\nK0=A\nK1=\nK2=C\n", {"A", "C"}},
                      ClassListCase{"Duplicates", "Anzahl=2\nK0=K7\nk1=K7\n", {"K7", "K7"}}),
    [](const ::testing::TestParamInfo<ClassListCase>& info) { return std::string(info.param.name); });

TEST_F(SettingsFileTest, HandEditSeenAtNextRead) {
    ASSERT_TRUE(settings.EnsureCurrentRevision());
    std::string text = Contents();
    text.replace(text.find("[K7-1]\nDN=100\nda=118\ns=5"), 24, "[K7-1]\nDN=100\nda=118\ns=7");
    Seed(text);
    const std::optional<PipeRow> row = settings.ReadRow("K7", 1);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->s, "7");
}

TEST_F(SettingsFileTest, RowKeysMayBeMissing) {
    Seed("[K7-2]\nDN=125\nZMA=3.5\n[K7-3]\nda=170\n");
    const std::optional<PipeRow> row = settings.ReadRow("K7", 2);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->DN, "125");
    EXPECT_EQ(row->da, std::nullopt);
    EXPECT_EQ(row->s, std::nullopt);
    EXPECT_EQ(row->ZMA, "3.5");
    EXPECT_FALSE(settings.ReadRow("K7", 3));
    EXPECT_EQ(settings.ReadRowValue("K7", 3, SettingsFile::kDaKey), "170");
    EXPECT_EQ(SettingsFile::RowSection("K10-Abwasser", 20), "K10-Abwasser-20");
}

TEST_F(SettingsFileTest, GlobalDataWrittenInOrderVerbatim) {
    ASSERT_TRUE(settings.WriteGlobalData("9,81", "12.5", "1.306000", "999.7 "));
    EXPECT_EQ(Contents(),
              "[Gobale Daten]\ng=9,81\nFluidtemperatur=12.5\nZaehigkeit=1.306000\nFluiddichte=999.7 \n");

    catalogue_test::fs::remove(IniPath());
    ASSERT_TRUE(settings.EnsureCurrentRevision());
    ASSERT_TRUE(settings.WriteGlobalData("9.8", "11", "1.3", "1000"));
    std::string expected = GoldenDefaultFile();
    const std::string defaults = "g=9.81\nFluidtemperatur=10.0\nFluiddichte=1010\n";
    expected.replace(expected.find(defaults), defaults.size(),
                     "g=9.8\nFluidtemperatur=11\nFluiddichte=1000\nZaehigkeit=1.3\n");
    EXPECT_EQ(Contents(), expected);
}

// A file that cannot be used: the default contents in memory for every read, no write, the file left
// as it was, and a message naming the file and the reason.
struct UnusableCase {
    const char* name;
    std::function<void(const catalogue_test::fs::path& ini)> make;
    const char* reason;
};

void PrintTo(const UnusableCase& c, std::ostream* out) {
    *out << c.name;
}

class UnusableFileTest : public SettingsFileTest, public ::testing::WithParamInterface<UnusableCase> {};

TEST_P(UnusableFileTest, BuiltInCatalogueInstead) {
    GetParam().make(IniPath());
    const auto snapshot = [this] {
        const auto status = catalogue_test::fs::symlink_status(IniPath());
        return std::pair{status.type(), catalogue_test::fs::is_regular_file(status) ? Contents() : ""};
    };
    const auto before = snapshot();
    EXPECT_FALSE(settings.EnsureCurrentRevision());
    EXPECT_EQ(
        settings.UnusableMessage(),
        "Die Datei " + IniPath().string() + " kann nicht gelesen werden: " + GetParam().reason +
            ".\nDie Datei bleibt unverändert. Das Programm arbeitet mit dem eingebauten Rohrkatalog und "
            "speichert die globalen Daten nicht.");
    EXPECT_EQ(settings.ReadClassList(), kDefaultClasses);
    EXPECT_EQ(settings.ReadSetting(SettingsFile::kGlobalSection, SettingsFile::kGravityKey), "9.81");
    EXPECT_EQ(settings.ReadRow("K7", 1)->s, "5");
    EXPECT_FALSE(settings.WriteGlobalData("9.7", "20", "1.3", "999"));
    EXPECT_FALSE(settings.WriteDefaultSettings());
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(Entries(), std::set<std::string>{SettingsFile::kFileName});

    // Once the file is usable again, the next start uses it.
    catalogue_test::fs::remove_all(IniPath());
    EXPECT_TRUE(settings.EnsureCurrentRevision());
    EXPECT_EQ(settings.UnusableMessage(), std::nullopt);
    EXPECT_EQ(Contents(), GoldenDefaultFile());
}

const UnusableCase kUnusableCases[] = {
    UnusableCase{
        "NulByte",
        [](const auto& ini) { catalogue_test::WriteBytes(ini, std::string("[K-Werte]\nK0=\0\n", 15)); },
        "Sie enthält ein NUL-Zeichen"},
    UnusableCase{"Utf16", [](const auto& ini) { catalogue_test::WriteBytes(ini, "\xFF\xFE[\0A\0]\0"); },
                 "Sie ist in UTF-16 kodiert"},
    UnusableCase{"TooLarge",
                 [](const auto& ini) {
                     catalogue_test::WriteBytes(ini, "[Gobale Daten]\nRevision=2\n");
                     catalogue_test::fs::resize_file(ini, platform::kProfileMaxFileSize + 1);
                 },
                 "Sie ist größer als 16 MB"},
    UnusableCase{"Directory", [](const auto& ini) { catalogue_test::fs::create_directory(ini); },
                 "Sie ist keine gewöhnliche Datei"},
#ifndef _WIN32  // reparse points: win32/
    UnusableCase{"SymbolicLink",
                 [](const auto& ini) { catalogue_test::fs::create_symlink("/etc/passwd", ini); },
                 "An ihrer Stelle steht eine symbolische Verknüpfung"}
#endif
};

INSTANTIATE_TEST_SUITE_P(Cases, UnusableFileTest, ::testing::ValuesIn(kUnusableCases),
                         [](const ::testing::TestParamInfo<UnusableCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SettingsFileTest, UncreatableFileGivesBuiltInCatalogue) {
    const auto missing = Dir() / "fehlt";
    const test_support::ScopedEnv windir(test_support::kMachineDirectoryVariable, missing.u8string());
    EXPECT_FALSE(settings.EnsureCurrentRevision());
    EXPECT_EQ(
        settings.UnusableMessage(),
        "Die Datei " + (missing / "Rohre.ini").string() + " kann nicht angelegt werden: Das Verzeichnis " +
            missing.string() +
            " existiert nicht.\nDas Programm arbeitet mit dem eingebauten Rohrkatalog und speichert die "
            "globalen Daten nicht.");
    EXPECT_EQ(settings.ReadClassList(), kDefaultClasses);
    EXPECT_EQ(settings.ReadSetting(SettingsFile::kGlobalSection, SettingsFile::kDensityKey), "1010");
    EXPECT_FALSE(settings.WriteGlobalData("9.81", "10.0", "1.3", "1010"));
    EXPECT_TRUE(Entries().empty());
}

// A file that can be read but not written is no unusable file: it is read as it is, without a word.
TEST_F(SettingsFileTest, ReadOnlyFileIsUsed) {
    Seed(UserFile("1"));
    catalogue_test::fs::permissions(IniPath(), catalogue_test::fs::perms::owner_read |
                                                   catalogue_test::fs::perms::group_read |
                                                   catalogue_test::fs::perms::others_read);
    EXPECT_TRUE(catalogue_test::Unprivileged([] {
        const SettingsFile file;
        return !file.EnsureCurrentRevision() && !file.UnusableMessage() &&
               file.ReadSetting(SettingsFile::kGlobalSection, SettingsFile::kGravityKey) == "9.7";
    }));
    EXPECT_EQ(Contents(), UserFile("1"));
}

// A class name of up to 79 characters is read whole however many bytes its umlauts take, so its rows
// are found; a file with a byte-order mark reads as without one, and keeps it.
TEST_F(SettingsFileTest, UmlautsAndByteOrderMark) {
    const std::string name = "Güteklasse für Trinkwasserleitungen mit Zementmörtelauskleidung, Überzug: Zink";
    ASSERT_LE(name.size(), 90u);
    ASSERT_GT(name.size(), 79u);
    const std::string file =
        "\xEF\xBB\xBF[Gobale Daten]\nRevision=2\ng=9.7\n[K-Werte]\nAnzahl=1\nK0=" + name + "\n[" + name +
        "-1]\nDN=80\nda=98\n";
    Seed(file);
    EXPECT_TRUE(settings.EnsureCurrentRevision());
    EXPECT_EQ(Contents(), file);
    EXPECT_EQ(settings.ReadClassList(), std::vector<std::string>{name});
    EXPECT_EQ(settings.ReadRowValue(name, 1, SettingsFile::kDaKey), "98");
    ASSERT_TRUE(settings.WriteGlobalData("9.8", "10", "1.3", "1000"));
    EXPECT_EQ(Contents().substr(0, 35), "\xEF\xBB\xBF[Gobale Daten]\nRevision=2\ng=9.8\n");
}

// Defaults are stored all at once: a write that fails half way leaves the old file, so the next start
// still sees the old revision and tries again.
#ifndef _WIN32  // a file size limit for the process is POSIX's
TEST_F(SettingsFileTest, FailedDefaultWriteLeavesOldFile) {
    Seed(UserFile("1"));
    {
        catalogue_test::ScopedFileSizeLimit limit(4096);
        EXPECT_FALSE(settings.EnsureCurrentRevision());
    }
    EXPECT_EQ(Contents(), UserFile("1"));
    EXPECT_EQ(Entries(), std::set<std::string>{SettingsFile::kFileName});
    EXPECT_TRUE(settings.EnsureCurrentRevision());
    EXPECT_EQ(settings.ReadSetting(SettingsFile::kGlobalSection, SettingsFile::kRevisionKey), "2");
}
#endif

}  // namespace

#ifndef _WIN32  // fork
namespace {

// Many programs closing at once: the global data left are one program's four values, never a mix,
// and no other key is lost.
TEST_F(SettingsFileTest, SimultaneousClosesLeaveOneProgramsGlobalDataWhole) {
    ASSERT_TRUE(settings.EnsureCurrentRevision());
    constexpr int kPrograms = 40;
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    std::vector<pid_t> programs;
    for (int i = 0; i < kPrograms; ++i) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(start[1]);
            char go;
            const bool started = ::read(start[0], &go, 1) == 0;  // all start when the pipe closes
            const std::string n = std::to_string(i);
            ::_exit(started && SettingsFile().WriteGlobalData("9." + n, "1" + n, "1.3" + n, "99" + n) ? 0
                                                                                                      : 1);
        }
        programs.push_back(pid);
    }
    ::close(start[0]);
    ::close(start[1]);
    for (const pid_t pid : programs) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const auto value = [&](const char* key) {
        return settings.ReadSetting(SettingsFile::kGlobalSection, key).value_or("");
    };
    const std::string n = value(SettingsFile::kGravityKey).substr(2);
    EXPECT_EQ(value(SettingsFile::kTemperatureKey), "1" + n);
    EXPECT_EQ(value(SettingsFile::kViscosityKey), "1.3" + n);
    EXPECT_EQ(value(SettingsFile::kDensityKey), "99" + n);
    EXPECT_EQ(settings.ReadClassList(), kDefaultClasses);
}

}  // namespace
#endif

namespace {

// A text that reads as no usable value is never stored for every user: the file keeps its own.
TEST_F(SettingsFileTest, GlobalDataThatIsNoUsableValueIsNotStored) {
    ASSERT_TRUE(settings.EnsureCurrentRevision());
    const auto value = [&](const char* key) {
        return settings.ReadSetting(SettingsFile::kGlobalSection, key).value_or("");
    };
    const struct {
        const char *g, *T, *nu, *rho;
    } unusable[] = {{"0", "10", "1.3", "1000"},   {"9.8", "-300", "1.3", "1000"},
                    {"9.8", "10", "inf", "1000"}, {"9.8", "10", "1.3", "nan"},
                    {"9.8", "10", "1.3", ""},     {"1e999", "10", "1.3", "1000"},
                    {"9.8", "", "1.3", "1000"},   {"9.8", "x1", "1.3", "1000"}};
    for (const auto& c : unusable) {
        SCOPED_TRACE(std::string(c.g) + " " + c.T + " " + c.nu + " " + c.rho);
        EXPECT_FALSE(settings.WriteGlobalData(c.g, c.T, c.nu, c.rho));
        EXPECT_NE(platform::LeadingNumber(value(SettingsFile::kGravityKey)), 0.0);
        EXPECT_GT(platform::LeadingNumber(value(SettingsFile::kTemperatureKey)), -273.15);
        EXPECT_GT(platform::LeadingNumber(value(SettingsFile::kDensityKey)), 0.0);
    }
    EXPECT_EQ(value(SettingsFile::kDensityKey), "1000");  // the usable ones are stored
    EXPECT_EQ(value(SettingsFile::kTemperatureKey), "10");
}

}  // namespace

namespace {

// An empty or garbled file the user cannot complete: the built-in catalogue, and a warning that says so.
TEST_F(SettingsFileTest, AnUnwritableFileWithoutCatalogueIsWarnedAbout) {
    for (const std::string& contents : {std::string(), std::string("\x01\x02 kein INI\n[[[\n")}) {
        Seed(contents);
        catalogue_test::fs::permissions(IniPath(), catalogue_test::fs::perms(0444));
        EXPECT_TRUE(catalogue_test::Unprivileged([] {
            const SettingsFile file;
            const std::optional<std::string> message = (file.EnsureCurrentRevision(), file.UnusableMessage());
            return message && message->find("enthält keinen Rohrkatalog") != std::string::npos &&
                   file.ReadClassList() == kDefaultClasses;
        }));
        EXPECT_EQ(Contents(), contents);
    }
}

}  // namespace
