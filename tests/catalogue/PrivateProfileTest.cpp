// Reading and writing single keys of a profile file: matching, trimming, in-place replacement, where
// new keys and sections go, and that everything else stays byte for byte.
#include "platform/PrivateProfile.h"

#include "MachineDirectoryFixture.h"
#include "platform/MachineDirectory.h"

namespace {

using catalogue_test::MachineDirectoryTest;
using platform::GetPrivateProfileString;
using platform::WritePrivateProfileString;

constexpr const char* kIni = "Rohre.ini";

struct ReadCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class ProfileReadTest : public MachineDirectoryTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ProfileReadTest, ReadsValue) {
    Seed(GetParam().file);
    EXPECT_EQ(GetPrivateProfileString(GetParam().section, GetParam().key, kIni), GetParam().expected);
}

const std::string k79(79, 'x');

std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) repeated += text;
    return repeated;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileReadTest,
    ::testing::Values(
        ReadCase{"SectionAndKeyIgnoreCase", "[Gobale Daten]\nRevision=2\n", "gobale DATEN", "REVISION", "2"},
        ReadCase{"StoredUpperCase", "[K-WERTE]\nANZAHL=9\n", "K-Werte", "Anzahl", "9"},
        ReadCase{"OnlyAsciiIsFolded", "[\xc3\x84]\nk=v\n", "\xc3\xa4", "k", std::nullopt},
        ReadCase{"BlanksAroundNamesAndValue", "  [ S ]  \n \t k \t=  v w \t\n", "S", "k", "v w"},
        ReadCase{"DoubleQuotesStripped", "[S]\nk=\"  v \"\n", "S", "k", "  v "},
        ReadCase{"SingleQuotesStripped", "[S]\nk='v'\n", "S", "k", "v"},
        ReadCase{"UnmatchedQuoteKept", "[S]\nk=\"v\n", "S", "k", "\"v"},
        ReadCase{"EmptyQuotesAbsent", "[S]\nk=\"\"\n", "S", "k", std::nullopt},
        ReadCase{"EmptyValueAbsent", "[S]\nk=\n", "S", "k", std::nullopt},
        ReadCase{"BlankValueAbsent", "[S]\nk=  \t\n", "S", "k", std::nullopt},
        ReadCase{"EqualsInValue", "[S]\nk=a=b\n", "S", "k", "a=b"},
        ReadCase{"KeyBeforeFirstSection", "k=v\n[S]\n", "S", "k", std::nullopt},
        ReadCase{"KeyOfOtherSection", "[T]\nk=v\n[S]\nj=w\n", "S", "k", std::nullopt},
        ReadCase{"CommentIsNoKey", "[S]\n;k=v\n# k=v\n", "S", "k", std::nullopt},
        ReadCase{"LineWithoutEqualsIsNoKey", "[S]\nk v\n", "S", "k", std::nullopt},
        ReadCase{"UnclosedBracketIsNoSection", "[S]\nk=1\n[T\nj=2\n", "S", "j", "2"},
        ReadCase{"FirstKeyWins", "[S]\nk=1\nk=2\n", "S", "k", "1"},
        ReadCase{"FirstSectionWins", "[S]\nk=1\n[s]\nj=2\n", "S", "j", std::nullopt},
        ReadCase{"CrLfLines", "[S]\r\nk=v\r\n", "S", "k", "v"},
        ReadCase{"NoFinalNewline", "[S]\nk=v", "S", "k", "v"},
        ReadCase{"LongValueCutTo79", "[S]\nk=" + k79 + "yyyyyyyyyyyyyyyyyyyyy\n", "S", "k", k79},
        ReadCase{"Value79Whole", "[S]\nk=" + k79 + "\n", "S", "k", k79},
        ReadCase{"Value80Cut", "[S]\nk=" + k79 + "z\n", "S", "k", k79},
        ReadCase{"CutCountsCharacters", "[S]\nk=" + Repeat("ä", 80) + "\n", "S", "k", Repeat("ä", 79)},
        ReadCase{"CutNeverSplitsACharacter", "[S]\nk=" + k79.substr(1) + "äb\n", "S", "k",
                 k79.substr(1) + "ä"},
        ReadCase{"CutCountsAStrayByteAsOne", "[S]\nk=" + Repeat("\xff", 80) + "\n", "S", "k",
                 Repeat("\xff", 79)},
        ReadCase{"ByteOrderMarkIsNoText", "\xEF\xBB\xBF[S]\nk=v\n", "S", "k", "v"}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    std::optional<std::string> before;  // nullopt: no file
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

void PrintTo(const WriteCase& c, std::ostream* out) {
    *out << c.name;
}

class ProfileWriteTest : public MachineDirectoryTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(ProfileWriteTest, EditsOnlyTheKey) {
    const WriteCase& c = GetParam();
    if (c.before)
        Seed(*c.before);
    ASSERT_TRUE(WritePrivateProfileString(c.section, c.key, c.value, kIni));
    EXPECT_EQ(Contents(), c.after);
    EXPECT_EQ(Entries(), std::set<std::string>{kIni});
    if (*c.value) {
        EXPECT_EQ(GetPrivateProfileString(c.section, c.key, kIni), std::string(c.value));
    }
}

const std::string kForeign = "; Kopf\n\nlose Zeile\n[A]\n x = 1 \n# Notiz\n\n[B]\ny=2\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWriteTest,
    ::testing::Values(
        WriteCase{"NewFile", std::nullopt, "A", "x", "1", "[A]\nx=1\n"},
        WriteCase{"ReplaceInPlace", kForeign, "a", "X", "42",
                  "; Kopf\n\nlose Zeile\n[A]\n x = 42 \n# Notiz\n\n[B]\ny=2\n"},
        WriteCase{"ReplaceKeepsStoredSpelling", "[a]\nKEY=1\n", "A", "key", "2", "[a]\nKEY=2\n"},
        WriteCase{"ReplaceEmptyValue", "[A]\nx=\ny=2\n", "A", "x", "1", "[A]\nx=1\ny=2\n"},
        WriteCase{"ClearValue", "[A]\nx=1\n", "A", "x", "", "[A]\nx=\n"},
        WriteCase{"AppendAfterLastKeyOfSection", kForeign, "A", "z", "3",
                  "; Kopf\n\nlose Zeile\n[A]\n x = 1 \nz=3\n# Notiz\n\n[B]\ny=2\n"},
        WriteCase{"AppendToSectionWithoutKeys", "[A]\n; leer\n[B]\n", "A", "z", "3",
                  "[A]\nz=3\n; leer\n[B]\n"},
        WriteCase{"AppendSectionAtEnd", kForeign, "C", "z", "3", kForeign + "[C]\nz=3\n"},
        WriteCase{"AppendToLastLineWithoutNewline", "[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
        WriteCase{"AppendSectionWithoutNewline", "[A]\nx=1", "B", "y", "2", "[A]\nx=1\n[B]\ny=2\n"},
        WriteCase{"ReplaceLastLineWithoutNewline", "[A]\nx=1", "A", "x", "22", "[A]\nx=22"},
        WriteCase{"CrLfKept", "[A]\r\nx=1\r\n[B]\r\n", "A", "x", "5", "[A]\r\nx=5\r\n[B]\r\n"},
        WriteCase{"CrLfForNewKey", "[A]\r\nx=1\r\n[B]\r\n", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n[B]\r\n"},
        WriteCase{"CrLfForNewSection", "[A]\r\nx=1\r\n", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
        WriteCase{"MostLinesDecide", "[A]\r\nx=1\n\n", "B", "y", "2", "[A]\r\nx=1\n\n[B]\ny=2\n"},
        WriteCase{"ByteOrderMarkKept", "\xEF\xBB\xBF[A]\nx=1\n", "A", "y", "2",
                  "\xEF\xBB\xBF[A]\nx=1\ny=2\n"},
        WriteCase{"WritesIntoFirstOfTwinSections", "[A]\nx=1\n[a]\ny=2\n", "A", "y", "3",
                  "[A]\nx=1\ny=3\n[a]\ny=2\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

TEST_F(MachineDirectoryTest, BatchAppliesEntriesInOrderInOneFile) {
    ASSERT_TRUE(platform::WritePrivateProfileStrings(
        {{"B", "k", "1"}, {"A", "k", "2"}, {"B", "j", "3"}, {"B", "k", "4"}}, kIni));
    EXPECT_EQ(Contents(), "[B]\nk=4\nj=3\n[A]\nk=2\n");
    EXPECT_EQ(Entries(), std::set<std::string>{kIni});
}

TEST_F(MachineDirectoryTest, RefusesTextsThatWouldNotReadBack) {
    Seed("[A]\nx=1\n");
    for (const auto& [section, key, value] :
         {std::tuple{"A", "x", "1\n[B]"}, std::tuple{"A", "x", "1\r"}, std::tuple{"A", "x=y", "1"},
          std::tuple{"A", "", "1"}, std::tuple{"A", ";x", "1"}, std::tuple{"A]", "x", "1"},
          std::tuple{"A\n", "x", "1"}}) {
        EXPECT_FALSE(WritePrivateProfileString(section, key, value, kIni)) << section << "/" << key;
    }
    using namespace std::string_view_literals;
    EXPECT_FALSE(WritePrivateProfileString("A", "x", "1\0"sv, kIni));
    EXPECT_EQ(Contents(), "[A]\nx=1\n");
}

TEST_F(MachineDirectoryTest, UnchangedValueLeavesFileAlone) {
    Seed("[A]\nx=1\n");
    const auto before = platform::IdentityOf(IniPath().u8string());
    ASSERT_TRUE(before);
    EXPECT_TRUE(WritePrivateProfileString("a", "X", "1", kIni));
    EXPECT_EQ(platform::IdentityOf(IniPath().u8string()), before);
}

#ifndef _WIN32  // no permission bits on Windows
TEST_F(MachineDirectoryTest, ReplacementKeepsPermissionBits) {
    Seed("[A]\nx=1\n");
    catalogue_test::fs::permissions(IniPath(), catalogue_test::fs::perms::owner_read |
                                                   catalogue_test::fs::perms::owner_write |
                                                   catalogue_test::fs::perms::group_read);
    ASSERT_TRUE(WritePrivateProfileString("A", "x", "2", kIni));
    EXPECT_EQ(catalogue_test::fs::status(IniPath()).permissions(),
              catalogue_test::fs::perms::owner_read | catalogue_test::fs::perms::owner_write |
                  catalogue_test::fs::perms::group_read);
}
#endif

TEST_F(MachineDirectoryTest, EveryReadOpensTheFileAnew) {
    Seed("[A]\nx=1\n");
    EXPECT_EQ(GetPrivateProfileString("A", "x", kIni), "1");
    Seed("[A]\nx=2\n");
    EXPECT_EQ(GetPrivateProfileString("A", "x", kIni), "2");
    catalogue_test::fs::remove(IniPath());
    EXPECT_EQ(GetPrivateProfileString("A", "x", kIni), std::nullopt);
}

TEST_F(MachineDirectoryTest, BareNameLiesInWindir) {
    EXPECT_EQ(platform::MachineDirectory(), Dir().string());
    EXPECT_EQ(platform::ResolveMachinePath(kIni), (Dir() / kIni).string());
    const std::string elsewhere = (Dir() / "sub.ini").string();
    EXPECT_EQ(platform::ResolveMachinePath(elsewhere), elsewhere);

    const test_support::ScopedEnv unset(test_support::kMachineDirectoryVariable, std::nullopt);
    EXPECT_FALSE(platform::MachineDirectory().empty());
    EXPECT_NE(platform::MachineDirectory(), Dir().string());
}

}  // namespace
