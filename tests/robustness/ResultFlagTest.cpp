// After a successful calculation every change of an input leaves the record not calculated, whichever
// field, list or button it comes through; the partial-filling entries, the filling mode and printing
// leave the result as it is.
#include <functional>

#include "ProgramFixture.h"
#include "form/model/ControlIds.h"

namespace robustness {
namespace {

struct AfterResult {
    const char* name;
    int sought;  // tab position: 0 J, 1 v and Q
    bool partialFilling;
    std::function<void(ProgramTest&)> act;
    bool stillCalculated;
};

void PrintTo(const AfterResult& c, std::ostream* out) {
    *out << c.name;
}

class ResultFlag : public ProgramTest, public ::testing::WithParamInterface<AfterResult> {
  protected:
    // The typical calculation: J from v = 1 m/s, or v and Q from J = 10 m/km.
    void Calculate() {
        Start();
        if (GetParam().partialFilling)
            Click(IDC_PARTIAL_FILLING);
        if (GetParam().sought == 1) {
            ASSERT_TRUE(Form().UserSelectTab(IDC_SOUGHT, 1));
            Enter(IDC_J, "10");
        } else {
            Enter(IDC_V, "1");
        }
        Click(IDC_BERECHNEN);
        ASSERT_TRUE(Doc().IsCalculated()) << testing::PrintToString(Messages());
    }
};

TEST_P(ResultFlag, FollowsTheInputs) {
    Calculate();
    GetParam().act(*this);
    EXPECT_EQ(Doc().IsCalculated(), GetParam().stillCalculated);
}

std::function<void(ProgramTest&)> Entry(int id, const char* text) {
    return [=](ProgramTest& test) { test.Enter(id, text); };
}

std::function<void(ProgramTest&)> Pick(int id, int index) {
    return [=](ProgramTest& test) { ASSERT_TRUE(test.Form().UserPick(id, index)); };
}

std::function<void(ProgramTest&)> ClickOn(int id) {
    return [=](ProgramTest& test) { test.Click(id); };
}

INSTANTIATE_TEST_SUITE_P(
    Actions, ResultFlag,
    ::testing::Values(
        AfterResult{"Velocity", 0, false, Entry(IDC_V, "2"), false},
        AfterResult{"FlowLitres", 0, false, Entry(IDC_Q_LS, "20"), false},
        AfterResult{"FlowCubicMetres", 0, false, Entry(IDC_Q_M3H, "50"), false},
        AfterResult{"Reynolds", 0, false,
                    [](ProgramTest& test) {
                        test.hp.prompt.QueueAnswers({3});
                        test.Enter(IDC_RE, "200000");
                    },
                    false},
        AfterResult{"Lambda", 0, false, Entry(IDC_LAMBDA, "0.03"), false},
        AfterResult{"Gravity", 0, false, Entry(IDC_G, "9.80"), false},
        AfterResult{"Density", 0, false, Entry(IDC_RHO, "1000"), false},
        AfterResult{"Temperature", 0, false, Entry(IDC_T, "20"), false},
        AfterResult{"Viscosity", 0, false, Entry(IDC_NY, "1.5"), false},
        AfterResult{"InnerDiameter", 0, false, Entry(IDC_DI, "150"), false},
        AfterResult{"InnerDiameterUnchanged", 0, false, Entry(IDC_DI, "101.00"), false},
        AfterResult{"Roughness", 0, false, Entry(IDC_K, "0.2"), false},
        AfterResult{"Area", 0, false,
                    [](ProgramTest& test) {
                        test.hp.prompt.QueueAnswers({2});
                        test.Enter(IDC_A, "0.02");
                    },
                    false},
        AfterResult{"OuterDiameter", 0, false, Entry(IDC_DA, "120"), false},
        AfterResult{"Slope", 1, false, Entry(IDC_J, "12"), false},
        AfterResult{"SlopeRetyped", 1, false, Entry(IDC_J, "10"), true},
        AfterResult{"NominalWidth", 0, false, Pick(IDC_DN, 2), false},
        AfterResult{"WallThicknessClass", 0, false, Pick(IDC_CLASS, 5), false},
        AfterResult{"RoughnessChoice", 0, false, Pick(IDC_ROUGHNESS, 3), false},
        AfterResult{"SoughtParameter", 0, false,
                    [](ProgramTest& test) { ASSERT_TRUE(test.Form().UserSelectTab(IDC_SOUGHT, 3)); }, false},
        AfterResult{"ClearButton", 0, false, ClickOn(IDC_CLEAR), false},
        AfterResult{"FillingHeight", 0, true, Entry(IDC_HT, "50"), true},
        AfterResult{"PartialFlowLitres", 0, true, Entry(IDC_QT_LS, "3"), true},
        AfterResult{"PartialFlowCubicMetres", 0, true, Entry(IDC_QT_M3H, "10"), true},
        AfterResult{"PartialVelocity", 0, true, Entry(IDC_VT, "0.8"), true},
        AfterResult{"FillingMode", 0, true, ClickOn(IDC_FULL_FILLING), true},
        AfterResult{"Printing", 0, false, [](ProgramTest& test) { test.app.Execute(Command::Print); }, true},
        AfterResult{"VelocityUnchanged", 0, false, Entry(IDC_V, "1"), true}),
    [](const ::testing::TestParamInfo<AfterResult>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace robustness
