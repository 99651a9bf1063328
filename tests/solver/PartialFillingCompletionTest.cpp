#include "hydraulics/Formulas.h"
#include "tests/solver/SolverFixture.h"

namespace solver_test {
namespace {

// Partly filled pipe, slope sought, with every input the slope needs.
class PartialFillingCompletion : public SolverTest {
  protected:
    PartialFillingCompletion() {
        doc.SetFullFilling(false);
        doc.SetSought(SOUGHT_J);
        doc.SetDi(0.3);
        doc.SetK(0.0001);
        doc.SetG(9.81);
        doc.SetQ(0.1);
        doc.SetV(1.4);
        doc.SetRe(300000);
    }
};

// Q and Qt given, no height: the height and width follow from Qt / Q; the partial flow itself is not
// re-derived because the height read at the start was 0.
TEST_F(PartialFillingCompletion, HeightFromFlowRatioWhenNoHeightIsGiven) {
    doc.SetQt(0.05);
    Preset(IDC_QT_LS, "50.0");
    Calculate();

    EXPECT_NEAR(doc.GetHt(), 0.5044 * 0.3, 0.0001);
    EXPECT_EQ(Text(IDC_HT), Shown(doc.GetHt() * 1000));
    EXPECT_NEAR(doc.GetSurfaceWidth(), hydraulics::SurfaceWidth(0.3, doc.GetHt()), 1e-15);
    EXPECT_EQ(Text(IDC_SURFACE_WIDTH), Shown(doc.GetSurfaceWidth() * 1000));
    EXPECT_EQ(doc.GetQt(), 0.05);
    EXPECT_EQ(Text(IDC_QT_LS), "50.0");
    EXPECT_EQ(doc.GetVt(), 0);
    EXPECT_EQ(Text(IDC_VT), "");
    EXPECT_TRUE(doc.IsCalculated());
}

TEST_F(PartialFillingCompletion, HeightFromVelocityRatioWithoutPartialFlow) {
    doc.SetVt(1.4);
    Calculate();

    EXPECT_NEAR(doc.GetHt(), 0.5137 * 0.3, 0.0001);
}

// A given height at half the diameter derives Qt, vt and the width.
TEST_F(PartialFillingCompletion, GivenHeightDerivesPartialFlowVelocityAndWidth) {
    doc.SetHt(0.15);
    Calculate();

    EXPECT_NEAR(doc.GetQt(), 0.05013, 0.00001);
    EXPECT_EQ(Text(IDC_QT_LS), Shown(doc.GetQt() * 1000));
    EXPECT_EQ(Text(IDC_QT_M3H), Shown(doc.GetQt() * 3600));
    EXPECT_NEAR(doc.GetVt(), 1.402, 0.001);
    EXPECT_EQ(Text(IDC_VT), Shown(doc.GetVt()));
    EXPECT_NEAR(doc.GetSurfaceWidth(), 0.3, 1e-12);
    EXPECT_EQ(Text(IDC_SURFACE_WIDTH), "300.000000");
    EXPECT_EQ(doc.GetHt(), 0.15);
}

// With Qt given as well, the height comes from Qt / Q, but Qt, vt and the width follow from the height
// read at the start.
TEST_F(PartialFillingCompletion, DerivedQuantitiesUseTheHeightReadAtTheStart) {
    doc.SetHt(0.15);
    doc.SetQt(0.02);
    Calculate();

    EXPECT_NEAR(doc.GetHt(), hydraulics::PartialHeightFromFlow(0.3, 0.2), 1e-15);
    EXPECT_NEAR(doc.GetQt(), hydraulics::PartialFlowRatio(0.1, 0.5), 1e-15);
    EXPECT_NEAR(doc.GetSurfaceWidth(), 0.3, 1e-12);
}

TEST_F(PartialFillingCompletion, NothingChangesWhenHeightVelocityAndFlowAreGiven) {
    doc.SetHt(0.1);
    doc.SetVt(1.0);
    doc.SetQt(0.02);
    Preset(IDC_HT, "100");
    Calculate();

    EXPECT_EQ(doc.GetHt(), 0.1);
    EXPECT_EQ(doc.GetVt(), 1.0);
    EXPECT_EQ(doc.GetQt(), 0.02);
    EXPECT_EQ(doc.GetSurfaceWidth(), 0);
    EXPECT_EQ(Text(IDC_HT), "100");
    EXPECT_TRUE(doc.IsCalculated());
}

TEST_F(PartialFillingCompletion, RunsBeforeTheInputCheck) {
    doc.SetRe(0);
    doc.SetQt(0.05);
    Calculate();

    EXPECT_EQ(Messages(), std::vector<std::string>{"Der Wert für Re ist mit <0.000> ungültig"});
    EXPECT_NEAR(doc.GetHt(), 0.5044 * 0.3, 0.0001);
}

// The solve's own results do not reach the partial-filling values in the same run.
TEST_F(PartialFillingCompletion, VelocitySoughtCompletesFromTheValuesBeforeTheSolve) {
    doc.SetSought(SOUGHT_VQ);
    doc.SetRho(1010);
    doc.SetT(10);
    doc.SetI(0.01);
    doc.SetQ(0.05);
    doc.SetQt(0.025);
    Calculate();

    ASSERT_TRUE(doc.IsCalculated());
    EXPECT_GT(doc.GetQ(), 0.1);
    EXPECT_NEAR(doc.GetHt(), 0.5044 * 0.3, 0.0001);
    EXPECT_EQ(doc.GetQt(), 0.025);
}

}  // namespace
}  // namespace solver_test
