#include "platform/Number.h"
#include "tests/catalogue_view/PipeSelectionFixture.h"

namespace catalogue_view_test {
namespace {

class Roughness : public PipeSelectionTest {
  protected:
    Roughness() { FillRoughnessList(); }

    void Pick(int position) { view.Controls().UserPick(IDC_ROUGHNESS, position); }
};

TEST_F(Roughness, EightChoicesInListOrder) {
    EXPECT_EQ(view.List(IDC_ROUGHNESS).Entries(), (std::vector<std::string>{
                                                      "k  - manuelle Eingabe",
                                                      "kb - Transportkanäle ohne Schacht: 0.25",
                                                      "kb - Transportkanäle mit Schacht: 0.5",
                                                      "kb - Sammelkanäle mit Schacht: 0.75",
                                                      "kb - Sammelkanäle mit Sonderschächten: 1.5",
                                                      "ki - Fern- und Zubringerleitung: 0.1",
                                                      "ki - Hauptleitung: 0.4",
                                                      "ki - Vermaschtes Netz: 1.0",
                                                  }));
}

struct Choice {
    int position;
    const char* shown;
    double k;  // m
    bool typable;
};

class RoughnessPick : public Roughness, public ::testing::WithParamInterface<Choice> {};

TEST_P(RoughnessPick, SetsKAndEnablesTheFieldOnlyForManualEntry) {
    view.EnableControl(IDC_K, !GetParam().typable);
    Pick(GetParam().position);

    EXPECT_EQ(Text(IDC_K), GetParam().shown);
    EXPECT_DOUBLE_EQ(doc.GetK(), GetParam().k);
    EXPECT_EQ(view.Field(IDC_K).IsEnabled(), GetParam().typable);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, RoughnessPick,
    ::testing::Values(Choice{0, "0.100000", 0.0001, true}, Choice{1, "0.250000", 0.00025, false},
                      Choice{2, "0.500000", 0.0005, false}, Choice{3, "0.750000", 0.00075, false},
                      Choice{4, "1.500000", 0.0015, false}, Choice{5, "0.100000", 0.0001, false},
                      Choice{6, "0.400000", 0.0004, false}, Choice{7, "1.000000", 0.001, false}));

TEST_F(Roughness, ManualEntryPickedAgainReplacesTheTypedK) {
    Pick(0);
    view.Controls().UserType(IDC_K, "0.3");
    ASSERT_DOUBLE_EQ(doc.GetK(), 0.0003);
    Pick(0);

    EXPECT_EQ(Text(IDC_K), "0.100000");
    EXPECT_DOUBLE_EQ(doc.GetK(), 0.0001);
}

// An entry that is not one of the eight choices has no value: it leaves k alone.
TEST_F(Roughness, EntryBeyondTheChoicesChangesNothing) {
    view.List(IDC_ROUGHNESS).AddString("k - eigener Wert");
    view.Field(IDC_K).SetText("0.3");
    view.EnableControl(IDC_K, false);
    Pick(8);

    EXPECT_EQ(Text(IDC_K), "0.3");
    EXPECT_DOUBLE_EQ(doc.GetK(), 0.0003);
    EXPECT_FALSE(view.Field(IDC_K).IsEnabled());
}

TEST_F(Roughness, EveryKeystrokeStoresK) {
    view.Controls().UserType(IDC_K, "0.25");
    EXPECT_DOUBLE_EQ(doc.GetK(), 0.00025);
    view.Controls().UserType(IDC_K, "x");
    EXPECT_EQ(doc.GetK(), 0);
}

struct KLimit {
    const char* name;
    const char* typed;
    const char* message;  // nullptr: none
    const char* shown;
    double k;  // m
};

class KLimits : public Roughness, public ::testing::WithParamInterface<KLimit> {};

TEST_P(KLimits, LeavingClampsToAHundredthAndFiftyMillimetres) {
    view.Show(IDC_K, 0.3);
    view.Controls().UserType(IDC_K, GetParam().typed);
    view.Controls().UserLeave();

    EXPECT_EQ(Messages(),
              GetParam().message ? std::vector<std::string>{GetParam().message} : std::vector<std::string>{});
    EXPECT_EQ(Text(IDC_K), GetParam().shown);
    EXPECT_DOUBLE_EQ(doc.GetK(), GetParam().k);
}

INSTANTIATE_TEST_SUITE_P(
    Clamp, KLimits,
    ::testing::Values(KLimit{"Empty", "", "k ist zu klein und wird begrenzt.", "0.010000", 0.00001},
                      KLimit{"TooSmall", "0.005", "k ist zu klein und wird begrenzt.", "0.010000", 0.00001},
                      KLimit{"Smallest", "0.01", nullptr, "0.01", 0.00001},
                      KLimit{"Largest", "50", nullptr, "50", 0.05},
                      KLimit{"TooLarge", "50.5", "k ist zu groß und wird begrenzt.", "50.000000", 0.05},
                      KLimit{"DecimalComma", "0,5", nullptr, "0.5", 0.0005}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace catalogue_view_test
