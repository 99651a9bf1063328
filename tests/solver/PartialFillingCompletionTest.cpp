#include <utility>

#include "hydraulics/Formulas.h"
#include "tests/solver/SolverFixture.h"

namespace solver_test {
namespace {

using hydraulics::PartialFlowRatio;
using hydraulics::PartialHeightFromFlow;
using hydraulics::PartialHeightFromVelocity;
using hydraulics::PartialVelocityRatio;

// Partly filled pipe, slope sought, with every input the slope needs.
class PartialFillingCompletion : public SolverTest {
  protected:
    PartialFillingCompletion() {
        doc.SetFullFilling(false);
        view.OnPartialFilling();
        doc.SetSought(SOUGHT_J);
        doc.SetDi(0.3);
        doc.SetK(0.0001);
        doc.SetG(9.81);
        doc.SetQ(0.1);
        doc.SetV(1.4);
        doc.SetRe(300000);
    }

    // Types the text into field id and leaves it, as the user does.
    void Enter(int id, const std::string& text) {
        view.Controls().UserType(id, text);
        view.Controls().UserLeave();
    }
};

// Whichever value is given, the others follow from it; the given value itself stays as it was.
TEST_F(PartialFillingCompletion, TheOthersFollowFromTheGivenValue) {
    const double htFromFlow = PartialHeightFromFlow(0.3, 0.5);
    const double htFromVelocity = PartialHeightFromVelocity(0.3, 1);
    const struct {
        void (CPlenwickDoc::*set)(double);
        int field;
        double value;
        double ht, Qt, vt;
    } cases[] = {
        {&CPlenwickDoc::SetHt, IDC_HT, 0.15, 0.15, PartialFlowRatio(0.1, 0.5),
         PartialVelocityRatio(1.4, 0.5)},
        {&CPlenwickDoc::SetQt, IDC_QT_M3H, 0.05, htFromFlow, 0.05,
         PartialVelocityRatio(1.4, htFromFlow / 0.3)},
        {&CPlenwickDoc::SetVt, IDC_VT, 1.4, htFromVelocity, PartialFlowRatio(0.1, htFromVelocity / 0.3), 1.4},
    };
    for (const auto& c : cases) {
        for (auto set : {&CPlenwickDoc::SetHt, &CPlenwickDoc::SetQt, &CPlenwickDoc::SetVt}) (doc.*set)(0);
        (doc.*c.set)(c.value);
        Calculate();
        ASSERT_TRUE(doc.IsCalculated());
        EXPECT_DOUBLE_EQ(doc.GetHt(), c.ht);
        EXPECT_DOUBLE_EQ(doc.GetQt(), c.Qt);
        EXPECT_DOUBLE_EQ(doc.GetVt(), c.vt);
        EXPECT_DOUBLE_EQ(doc.GetSurfaceWidth(), hydraulics::SurfaceWidth(0.3, c.ht));
        // The fields of the values that follow show them; the given one is not written.
        const std::pair<int, double> shown[] = {
            {IDC_HT, doc.GetHt() * 1000}, {IDC_QT_M3H, doc.GetQt() * 3600}, {IDC_VT, doc.GetVt()}};
        for (const auto& [id, x] : shown) {
            if (id != c.field) {
                EXPECT_EQ(Text(id), Shown(x));
            }
        }
        EXPECT_EQ(Text(IDC_SURFACE_WIDTH), Shown(doc.GetSurfaceWidth() * 1000));
    }
}

// The value typed last is the one the others follow from, also when an earlier one is still shown.
TEST_F(PartialFillingCompletion, TheValueTypedLastIsKept) {
    Enter(IDC_QT_LS, "50");
    Enter(IDC_VT, "1,2");
    Calculate();
    EXPECT_EQ(doc.GetVt(), 1.2);
    const double ht = PartialHeightFromVelocity(0.3, 1.2 / 1.4);
    EXPECT_DOUBLE_EQ(doc.GetHt(), ht);
    EXPECT_DOUBLE_EQ(doc.GetQt(), PartialFlowRatio(0.1, ht / 0.3));
}

// Before the solve the completion still runs, so a refused calculation shows what follows already.
TEST_F(PartialFillingCompletion, RunsBeforeTheInputCheck) {
    doc.SetRe(0);
    doc.SetQt(0.05);
    Calculate();

    EXPECT_EQ(Messages(), std::vector<std::string>{"Der Wert für Re ist mit <0.000> ungültig"});
    EXPECT_DOUBLE_EQ(doc.GetHt(), PartialHeightFromFlow(0.3, 0.5));
    EXPECT_EQ(doc.GetQt(), 0.05);
}

// A result from which the given value determines nothing (no flow for a 10 mm pipe) leaves no value of
// an earlier state: they are emptied.
TEST_F(PartialFillingCompletion, NothingLeftOverWhenNothingFollows) {
    doc.SetSought(SOUGHT_VQ);
    doc.SetRho(1010);
    doc.SetT(10);
    doc.SetI(0.01);
    doc.SetDi(0.01);
    doc.SetQ(0);
    Enter(IDC_QT_LS, "1");
    doc.SetHt(0.004);
    doc.SetVt(0.5);
    Calculate();

    ASSERT_TRUE(doc.IsCalculated());
    EXPECT_EQ(doc.GetQt(), 0.001);
    EXPECT_EQ(doc.GetHt(), 0);
    EXPECT_EQ(doc.GetVt(), 0);
    EXPECT_EQ(Text(IDC_HT), "");
    EXPECT_EQ(Text(IDC_VT), "");
}

}  // namespace
}  // namespace solver_test
