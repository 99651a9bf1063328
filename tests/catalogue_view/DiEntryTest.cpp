#include "hydraulics/Formulas.h"
#include "platform/Number.h"
#include "tests/catalogue_view/PipeSelectionFixture.h"

namespace catalogue_view_test {
namespace {

class DiEntry : public PipeSelectionTest {
  protected:
    DiEntry() { ShowPipe("118", "5", "3.5"); }
};

TEST_F(DiEntry, PipeGivesDiWithTwoDecimals) {
    EXPECT_EQ(Text(IDC_DI), "101.00");
    EXPECT_DOUBLE_EQ(doc.GetDi(), 0.101);
    EXPECT_TRUE(PipeFieldsValid(true));
}

TEST_F(DiEntry, ShortDiIsPaddedToFiveCharacters) {
    ShowPipe("20", "2", "3.2");
    EXPECT_EQ(Text(IDC_DI), " 9.60");
    EXPECT_TRUE(PipeFieldsValid(true));
}

TEST_F(DiEntry, PipeFieldsReadByTheLeadingNumberRule) {
    ShowPipe(" 118 mm", "5x", "abc");
    EXPECT_EQ(Text(IDC_DI), "108.00");
}

TEST_F(DiEntry, TypedDiTurnsThePipeFieldsRedUntilAPipeFieldIsChanged) {
    view.Controls().UserType(IDC_DI, "120");
    EXPECT_TRUE(PipeFieldsValid(false));
    EXPECT_DOUBLE_EQ(doc.GetDi(), 0.12);

    view.Controls().UserFocus(IDC_DA);
    EXPECT_TRUE(PipeFieldsValid(false));  // leaving di keeps 120 mm
    view.Controls().UserLeave();
    EXPECT_TRUE(PipeFieldsValid(false));  // so does passing through da
    EXPECT_DOUBLE_EQ(doc.GetDi(), 0.12);
    view.Controls().UserType(IDC_DA, "118.0");
    view.Controls().UserLeave();
    EXPECT_EQ(Text(IDC_DI), "101.00");
    EXPECT_TRUE(PipeFieldsValid(true));
    EXPECT_DOUBLE_EQ(doc.GetDi(), 0.101);
}

TEST_F(DiEntry, ChangeClearsTheFlowAndShowsTheAreaInFullFilling) {
    GiveFlow();
    view.Controls().UserType(IDC_DI, "120");

    EXPECT_EQ(doc.GetV(), 0);
    EXPECT_EQ(doc.GetQ(), 0);
    EXPECT_EQ(doc.GetRe(), 0);
    for (int id : {IDC_V, IDC_Q_LS, IDC_Q_M3H, IDC_RE, IDC_LAMBDA}) EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(Text(IDC_A), platform::Format("%f", hydraulics::AreaFromDiameter(0.12)));
    EXPECT_EQ(Text(IDC_A), "0.011310");
}

TEST_F(DiEntry, ChangeShowsTheAreaInPartialFillingToo) {
    doc.SetFullFilling(false);
    view.Show(IDC_A, 0.5);
    view.Controls().UserType(IDC_DI, "120");
    EXPECT_EQ(Text(IDC_A), "0.011310");
}

TEST_F(DiEntry, LeavingClearsFlowAndPartialFilling) {
    GiveFlow();
    GivePartialFilling();
    view.Controls().UserType(IDC_DI, "120");
    view.Controls().UserLeave();

    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(doc.GetDi(), 0.12);
    for (int id : {IDC_V, IDC_Q_LS, IDC_Q_M3H, IDC_RE, IDC_LAMBDA, IDC_HT, IDC_QT_LS, IDC_QT_M3H, IDC_VT}) {
        EXPECT_EQ(Text(id), "") << id;
    }
    EXPECT_EQ(doc.GetHt(), 0);
    EXPECT_EQ(doc.GetQt(), 0);
    EXPECT_EQ(doc.GetVt(), 0);
    EXPECT_EQ(Text(IDC_A), "0.011310");
}

struct DiLimit {
    const char* name;
    const char* typed;
    const char* message;  // nullptr: none
    const char* shown;
    double di;  // m
};

class DiLimits : public DiEntry, public ::testing::WithParamInterface<DiLimit> {};

TEST_P(DiLimits, LeavingClampsToFiveMillimetresAndFiveMetres) {
    const DiLimit& limit = GetParam();
    view.Controls().UserType(IDC_DI, limit.typed);
    view.Controls().UserLeave();

    EXPECT_EQ(Messages(),
              limit.message ? std::vector<std::string>{limit.message} : std::vector<std::string>{});
    EXPECT_EQ(Text(IDC_DI), limit.shown);
    EXPECT_EQ(doc.GetDi(), limit.di);
    EXPECT_EQ(Text(IDC_A), platform::Format("%f", hydraulics::AreaFromDiameter(limit.di)));
}

INSTANTIATE_TEST_SUITE_P(
    Clamp, DiLimits,
    ::testing::Values(DiLimit{"TooSmall", "4", "di ist zu klein und wird begrenzt.", "5.000000", 0.005},
                      DiLimit{"Empty", "", "di ist zu klein und wird begrenzt.", "5.000000", 0.005},
                      DiLimit{"NotANumber", "abc", "di ist zu klein und wird begrenzt.", "5.000000", 0.005},
                      DiLimit{"Smallest", "5", nullptr, "5", 0.005},
                      DiLimit{"Largest", "5000", nullptr, "5000", 5.0},
                      DiLimit{"TooLarge", "5000.1", "di ist zu groß und wird begrenzt.", "5000.000000", 5.0},
                      DiLimit{"DecimalComma", "120,5", nullptr, "120.5", 0.1205}),
    [](const auto& info) { return std::string(info.param.name); });

// The marks follow the typed number, not the clamped one: a pipe of di 5.00 stays red after 4 mm was
// raised to 5 mm.
TEST_F(DiEntry, ConsistencyAfterClampingFollowsTheTypedNumber) {
    ShowPipe("15", "2", "3");
    ASSERT_EQ(Text(IDC_DI), " 5.00");
    view.Controls().UserType(IDC_DI, "4");
    view.Controls().UserLeave();

    EXPECT_EQ(Text(IDC_DI), "5.000000");
    EXPECT_TRUE(PipeFieldsValid(false));
}

}  // namespace
}  // namespace catalogue_view_test
