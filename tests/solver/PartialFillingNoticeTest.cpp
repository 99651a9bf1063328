// The line the window's status bar shows after a result in partial filling: flow state and wall shear
// stress of the form's partial-filling values. Expected texts computed independently (Qt from the
// form's fitted ratio, A, B and R of the exact circular section).
#include "tests/solver/SolverFixture.h"

namespace solver_test {
namespace {

struct NoticeCase {
    double di, k, I, ht;  // SI
    const char* notice;
};

class PartialFillingNotice : public SolverTest, public ::testing::WithParamInterface<NoticeCase> {
  protected:
    // v and Q sought for a partly filled pipe of water at 10 °C with the filling height typed in.
    void CalculateAtHeight(const NoticeCase& c) {
        doc.SetFullFilling(false);
        view.OnPartialFilling();
        doc.SetSought(SOUGHT_VQ);
        doc.SetG(9.81);
        doc.SetRho(1000);
        doc.SetT(10);
        doc.SetDi(c.di);
        doc.SetK(c.k);
        doc.SetI(c.I);
        view.Controls().UserType(IDC_HT, platform::Format("%g", c.ht * 1000));
        view.Controls().UserLeave();
        Calculate();
    }
};

TEST_P(PartialFillingNotice, SaysFlowStateAndWallShearStress) {
    CalculateAtHeight(GetParam());
    ASSERT_TRUE(doc.IsCalculated());
    EXPECT_EQ(view.PartialFillingNotice(), GetParam().notice);
}

INSTANTIATE_TEST_SUITE_P(
    States, PartialFillingNotice,
    ::testing::Values(NoticeCase{0.3, 0.00075, 0.005, 0.03,
                                 "Teilfüllung nahe kritisch (Fr = 0,92), τ = 0,93 N/m² ≥ τmin = 0,87 N/m²"},
                      NoticeCase{0.3, 0.00075, 0.005, 0.15,
                                 "Teilfüllung nahe kritisch (Fr = 1,00), τ = 3,68 N/m² ≥ τmin = 0,87 N/m²"},
                      NoticeCase{0.3, 0.0001, 0.0005, 0.15,
                                 "Teilfüllung strömend (Fr = 0,36), τ = 0,37 N/m² < τmin = 0,87 N/m²"},
                      NoticeCase{0.3, 0.0001, 0.03, 0.06,
                                 "Teilfüllung schießend (Fr = 3,21), τ = 10,65 N/m² ≥ τmin = 0,87 N/m²"}));

// Nothing to say without a current result, or in full filling.
TEST_P(PartialFillingNotice, EmptyWithoutAPartlyFilledResult) {
    CalculateAtHeight(GetParam());
    view.Controls().UserType(IDC_J, "2");
    view.Controls().UserLeave();
    EXPECT_EQ(view.PartialFillingNotice(), "");
    view.Controls().UserClick(IDC_FULL_FILLING);
    Calculate();
    ASSERT_TRUE(doc.IsCalculated());
    EXPECT_EQ(view.PartialFillingNotice(), "");
}

}  // namespace
}  // namespace solver_test
