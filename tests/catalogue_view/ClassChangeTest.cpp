#include <algorithm>

#include "catalogue/SettingsFile.h"
#include "hydraulics/Formulas.h"
#include "platform/Number.h"
#include "support/Files.h"
#include "support/ScratchDirectory.h"
#include "tests/catalogue_view/PipeSelectionFixture.h"

namespace catalogue_view_test {
namespace {

constexpr const char* kNoMatchingDn =
    "In dieser Wanddickenklasse existiert keine entsprechende Nennweite. Der DN-Wert wird auf den "
    "Anfangswert zurückgesetzt.";

// The form with the class list filled from the settings file in the scratch machine directory.
class ClassChange : public PipeSelectionTest {
  protected:
    void UseDefaultSettings() {
        ASSERT_TRUE(SettingsFile().WriteDefaultSettings());
        FillClassList();
    }
    void UseSettings(const std::string& text) {
        test_support::WriteBytes(machine.Ini(), text);
        FillClassList();
    }
    void FillClassList() {
        for (const std::string& name : SettingsFile().ReadClassList()) view.List(IDC_CLASS).AddString(name);
    }

    void PickClass(const std::string& name) { Pick(IDC_CLASS, name); }
    void PickDn(const std::string& dn) { Pick(IDC_DN, dn); }
    void Pick(int listId, const std::string& entry) {
        const std::vector<std::string>& entries = view.List(listId).Entries();
        const auto found = std::find(entries.begin(), entries.end(), entry);
        ASSERT_NE(found, entries.end()) << entry;
        view.Controls().UserPick(listId, static_cast<int>(found - entries.begin()));
    }

    std::vector<std::string> DnList() const { return view.List(IDC_DN).Entries(); }
    std::string SelectedDn() const { return view.List(IDC_DN).GetEditText(); }
    std::vector<std::string> Pipe() const { return {Text(IDC_DA), Text(IDC_S), Text(IDC_ZMA), Text(IDC_DI)}; }

    // Where the form reads the settings file.
    test_support::ScratchMachineDirectory machine{test_support::ScratchMachineDirectory::Temp::NotToo};
};

TEST_F(ClassChange, FirstClassOfTheDefaultFile) {
    UseDefaultSettings();
    view.List(IDC_CLASS).SetCurSel(0);
    view.OnClassChanged();

    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(DnList(), (std::vector<std::string>{"100", "125", "150", "200", "250", "300", "350", "400",
                                                  "500", "600", "700", "800", "900", "1000"}));
    EXPECT_EQ(view.List(IDC_DN).GetCurSel(), 0);
    EXPECT_EQ(Pipe(), (std::vector<std::string>{"118", "5", "3.5", "101.00"}));
    EXPECT_TRUE(PipeFieldsValid(true));
    EXPECT_DOUBLE_EQ(doc.GetDi(), 0.101);
    EXPECT_EQ(Text(IDC_A), platform::Format("%f", hydraulics::AreaFromDiameter(0.101)));
}

struct Switch {
    const char* name;
    const char* fromClass;
    const char* fromDn;
    const char* toClass;
    const char* dn;                 // selected afterwards
    std::vector<std::string> pipe;  // da, s, ZMA, di
    bool message;
};

class ClassSwitch : public ClassChange, public ::testing::WithParamInterface<Switch> {};

TEST_P(ClassSwitch, KeepsTheDnOrTakesTheNextLargerOne) {
    const Switch& change = GetParam();
    UseDefaultSettings();
    PickClass(change.fromClass);
    PickDn(change.fromDn);
    ASSERT_TRUE(Messages().empty());
    PickClass(change.toClass);

    EXPECT_EQ(Messages(),
              change.message ? std::vector<std::string>{kNoMatchingDn} : std::vector<std::string>{});
    EXPECT_EQ(SelectedDn(), change.dn);
    EXPECT_EQ(Pipe(), change.pipe);
    EXPECT_TRUE(PipeFieldsValid(true));
}

INSTANTIATE_TEST_SUITE_P(
    DefaultCatalogue, ClassSwitch,
    ::testing::Values(
        Switch{"SameDnKept", "K7", "300", "K9-Abwasser", "300", {"326", "7.2", "3.5", "304.60"}, false},
        Switch{"NextLargerDn", "K10-Abwasser", "80", "K7", "100", {"118", "5", "3.5", "101.00"}, false},
        Switch{"NextLargerAfterDn450",
               "Abwasser",
               "450",
               "K10-Abwasser",
               "500",
               {"532", "10", "5", "502.00"},
               false},
        Switch{"LargerThanEveryDn", "Abwasser", "2000", "K40", "80", {"98", "4.8", "4.0", "80.40"}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClassChange, TypedDnActsAsThePreviousDn) {
    UseDefaultSettings();
    view.Controls().UserEditListText(IDC_DN, "300");
    PickClass("K7");

    EXPECT_EQ(SelectedDn(), "300");
    EXPECT_EQ(Text(IDC_DA), "326");
}

TEST_F(ClassChange, NoClassSelectedEmptiesTheDnListOnly) {
    UseDefaultSettings();
    PickClass("K7");
    view.Controls().UserEditListText(IDC_CLASS, "K99");
    view.OnClassChanged();

    EXPECT_TRUE(DnList().empty());
    EXPECT_EQ(Pipe(), (std::vector<std::string>{"118", "5", "3.5", "101.00"}));
}

TEST_F(ClassChange, DnChangeClearsTheFlowAndShowsTheArea) {
    UseDefaultSettings();
    PickClass("K7");
    GiveFlow();
    PickDn("200");

    EXPECT_EQ(Text(IDC_DI), "205.00");
    EXPECT_DOUBLE_EQ(doc.GetDi(), 0.205);
    for (int id : {IDC_V, IDC_Q_LS, IDC_Q_M3H, IDC_RE, IDC_LAMBDA}) EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(doc.GetV(), 0);
    EXPECT_EQ(doc.GetQ(), 0);
    EXPECT_EQ(doc.GetRe(), 0);
    EXPECT_EQ(Text(IDC_A), platform::Format("%f", hydraulics::AreaFromDiameter(0.205)));
}

TEST_F(ClassChange, RowEditedByHandIsShownAtTheNextDnPick) {
    UseDefaultSettings();
    PickClass("K7");
    ASSERT_TRUE(SettingsFile().WriteSetting("K7-1", "s", "6"));
    PickDn("100");

    EXPECT_EQ(Pipe(), (std::vector<std::string>{"118", "6", "3.5", "99.00"}));
}

// Hand-made catalogue: "Leer" has no rows, "Luecke" lacks row 3, "Teile" has rows with keys missing,
// "Doppelt" lists DN 100 twice, "Lang" has rows up to 50.
constexpr const char* kHandMade = R"([Gobale Daten]
Revision=2
[K-Werte]
Anzahl=5
K0=Luecke
K1=Leer
K2=Teile
K3=Doppelt
K4=Lang
[Luecke-1]
DN=100
da=118
s=5
ZMA=3.5
[Luecke-2]
DN=150
da=170
s=5
ZMA=3.5
[Luecke-4]
DN=250
da=274
s=5.3
ZMA=3.5
[Luecke-5]
DN=300
da=326
s=5.6
ZMA=3.5
[Teile-1]
DN=100
s=9
[Teile-2]
DN=200
da=222
[Doppelt-1]
DN=100
da=118
s=5
ZMA=3.5
[Doppelt-2]
DN=100
da=120
s=5
ZMA=3.5
[Lang-1]
DN=80
da=98
s=6
ZMA=3.5
[Lang-49]
DN=2000
da=2082
s=25.0
ZMA=9
[Lang-50]
DN=2200
da=2290
s=26.0
ZMA=9
)";

TEST_F(ClassChange, MissingRowIsLeftOut) {
    UseSettings(kHandMade);
    view.Controls().UserEditListText(IDC_DN, "200");
    PickClass("Luecke");

    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(DnList(), (std::vector<std::string>{"100", "150", "250", "300"}));
    EXPECT_EQ(view.List(IDC_DN).GetCurSel(), 2);
    EXPECT_EQ(Pipe(), (std::vector<std::string>{"274", "5.3", "3.5", "256.40"}));
}

TEST_F(ClassChange, ClassWithoutRowsKeepsThePreviousPipe) {
    UseSettings(kHandMade);
    PickClass("Luecke");
    PickClass("Leer");

    EXPECT_EQ(Messages(), std::vector<std::string>{kNoMatchingDn});
    EXPECT_TRUE(DnList().empty());
    EXPECT_EQ(view.List(IDC_DN).GetCurSel(), -1);
    EXPECT_EQ(Pipe(), (std::vector<std::string>{"118", "5", "3.5", "101.00"}));
    EXPECT_DOUBLE_EQ(doc.GetDi(), 0.101);
}

TEST_F(ClassChange, AbsentKeysLeaveTheirFields) {
    UseSettings(kHandMade);
    PickClass("Luecke");
    PickClass("Teile");
    EXPECT_EQ(Pipe(), (std::vector<std::string>{"118", "9", "3.5", "93.00"}));

    PickDn("200");
    EXPECT_EQ(Pipe(), (std::vector<std::string>{"222", "9", "3.5", "197.00"}));
}

TEST_F(ClassChange, DnListedTwiceShowsTheFirstRow) {
    UseSettings(kHandMade);
    PickClass("Doppelt");
    view.Controls().UserPick(IDC_DN, 1);

    EXPECT_EQ(Text(IDC_DA), "118");
}

TEST_F(ClassChange, RowsBeyondFortyNineAreNotRead) {
    UseSettings(kHandMade);
    PickClass("Lang");
    EXPECT_EQ(DnList(), (std::vector<std::string>{"80", "2000"}));

    view.List(IDC_DN).SetEditText("2100");  // a DN beyond every row the table may hold
    PickClass("Lang");
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoMatchingDn});
    EXPECT_EQ(SelectedDn(), "80");
}

}  // namespace
}  // namespace catalogue_view_test
