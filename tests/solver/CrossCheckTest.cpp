// Random records, one "Berechnen" each: the form shows exactly what the engine computes from the same
// values, to the digits shown, with the engine's message and result state.
#include <functional>
#include <random>
#include <string>

#include "form/NumberEdit.h"
#include "hydraulics/Calculations.h"
#include "hydraulics/Formulas.h"
#include "messages/MessageTexts.h"
#include "tests/solver/SolverFixture.h"

namespace solver_test {
namespace {

constexpr int kTrials = 2000;

class CrossCheck : public SolverTest {
  protected:
    // The text the form shows for x.
    static std::string Display(double x) {
        CNumberEdit probe(0);
        probe.ShowNumber(x);
        return probe.GetText();
    }

    // Log-uniform in low … high; with probability absent, 0 (not given).
    double Draw(double low, double high, double absent = 0.0) {
        if (std::uniform_real_distribution<double>(0, 1)(random) < absent)
            return 0;
        return low * std::pow(high / low, std::uniform_real_distribution<double>(0, 1)(random));
    }

    // A record of random fluid data and pipe, with v, Q, Re, I, λ as the draw gives them.
    void DrawRecord(int sought) {
        view.MarkCalculated(false);
        doc.SetSought(sought);
        doc.SetG(Draw(1, 30, 0.02));
        doc.SetRho(Draw(990, 1010));
        doc.SetT(Draw(0.5, 30));
        doc.SetDi(Draw(0.005, 3, 0.02));
        doc.SetK(Draw(1e-6, 0.05, 0.02));
        doc.SetV(Draw(0.01, 20, 0.1));
        doc.SetQ(Draw(1e-4, 20, 0.3));
        doc.SetRe(Draw(100, 1e8, 0.1));
        doc.SetI(Draw(1e-5, 0.5, 0.1));
        doc.SetLambda(Draw(0.005, 0.1, 0.3));
    }

    // Presses "Berechnen" and returns the messages it showed.
    std::vector<std::string> Press() {
        const size_t before = Messages().size();
        Calculate();
        const std::vector<std::string> all = Messages();
        return {all.begin() + static_cast<std::ptrdiff_t>(before), all.end()};
    }

    // The message of a status that did not succeed, as the engine's data turns into text.
    static std::vector<std::string> Expected(const hydraulics::CalculationStatus& status) {
        if (status.failedCheck)
            return {messages::InputCheckMessage(*status.failedCheck)};
        if (status.outOfLimits)
            return {messages::LimitBreachMessage(*status.outOfLimits)};
        return {};
    }

    std::mt19937 random{20261208};
};

TEST_F(CrossCheck, SlopeSought) {
    int succeeded = 0;
    for (int trial = 0; trial < kTrials; ++trial) {
        DrawRecord(SOUGHT_J);
        const hydraulics::SlopeInputs in{doc.GetDi(), doc.GetK(), doc.GetRe(), doc.GetV(), doc.GetG()};
        const hydraulics::SlopeResult r = hydraulics::SolveSlope(in);
        const std::vector<std::string> shown = Press();
        SCOPED_TRACE(testing::Message() << "trial " << trial);
        std::vector<std::string> expected;
        if (!r.status.failedCheck && r.iteration.ReachedStepLimit())
            expected.push_back(messages::NonConvergenceMessage(hydraulics::TruncateToInt(in.Re), in.k, in.di,
                                                               r.iteration.steps));
        for (const std::string& m : Expected(r.status)) expected.push_back(m);
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(doc.IsCalculated(), r.status.Succeeded());
        succeeded += r.status.Succeeded();
        if (r.status.failedCheck)
            continue;
        EXPECT_EQ(Text(IDC_J), Display(r.I * 1000));
        EXPECT_EQ(Text(IDC_LAMBDA), Display(r.iteration.lambda));
    }
    EXPECT_GT(succeeded, kTrials / 10);  // the draw reaches results, not only refusals
}

TEST_F(CrossCheck, VelocityAndFlowSought) {
    int succeeded = 0;
    for (int trial = 0; trial < kTrials; ++trial) {
        DrawRecord(SOUGHT_VQ);
        const hydraulics::VelocityAndFlowResult r = hydraulics::SolveVelocityAndFlow(
            {doc.GetDi(), doc.GetK(), doc.GetI(), doc.GetG(), doc.GetNy()});
        const std::vector<std::string> shown = Press();
        SCOPED_TRACE(testing::Message() << "trial " << trial);
        EXPECT_EQ(shown, Expected(r.status));
        EXPECT_EQ(doc.IsCalculated(), r.status.Succeeded());
        succeeded += r.status.Succeeded();
        if (!r.status.Succeeded())
            continue;
        EXPECT_EQ(Text(IDC_V), Display(r.v));
        EXPECT_EQ(Text(IDC_LAMBDA), Display(r.lambda));
        if (r.hasFlow) {
            EXPECT_EQ(Text(IDC_Q_LS), Display(r.Q * 1000));
            EXPECT_EQ(Text(IDC_Q_M3H), Display(r.Q * 3600));
        }
        if (r.hasReynolds) {
            EXPECT_EQ(Text(IDC_RE), Display(r.Re));
        }
    }
    EXPECT_GT(succeeded, kTrials / 10);  // the draw reaches results, not only refusals
}

TEST_F(CrossCheck, RoughnessSought) {
    int succeeded = 0;
    for (int trial = 0; trial < kTrials; ++trial) {
        DrawRecord(SOUGHT_K);
        const hydraulics::RoughnessResult r =
            hydraulics::SolveRoughness({doc.GetDi(), doc.GetI(), doc.GetG(), doc.GetV(), doc.GetRe()});
        const std::vector<std::string> shown = Press();
        SCOPED_TRACE(testing::Message() << "trial " << trial);
        EXPECT_EQ(shown, Expected(r.status));
        EXPECT_EQ(doc.IsCalculated(), r.status.Succeeded());
        succeeded += r.status.Succeeded();
        if (!r.status.Succeeded())
            continue;
        EXPECT_EQ(Text(IDC_K), Display(r.k * 1000));
        EXPECT_EQ(doc.GetK(), r.k);
    }
    EXPECT_GT(succeeded, kTrials / 10);  // the draw reaches results, not only refusals
}

TEST_F(CrossCheck, DiameterSoughtInEitherFillingMode) {
    int succeeded = 0;
    for (int trial = 0; trial < kTrials; ++trial) {
        DrawRecord(SOUGHT_DI);
        doc.SetFullFilling(trial % 2 == 0);
        doc.SetQt(Draw(1e-4, 10, 0.5));
        doc.SetVt(Draw(0.05, 10, 0.5));
        const double Qt = doc.GetQt();
        const double vt = doc.GetVt();
        const hydraulics::DiameterInputs in{doc.GetNy(), doc.GetRe(), doc.GetLambda(), doc.GetI(),
                                            doc.GetQ(),  doc.GetV(),  doc.GetG()};
        const hydraulics::DiameterResult r = hydraulics::SolveDiameter(in);
        const std::vector<std::string> shown = Press();
        SCOPED_TRACE(testing::Message() << "trial " << trial);
        if (r.rule == hydraulics::DiameterRule::NotEnoughValues) {
            EXPECT_EQ(shown, std::vector<std::string>{
                                 messages::Text(messages::MessageId::DiameterNotEnoughValues)});
            continue;
        }
        EXPECT_EQ(shown, Expected(r.status));
        EXPECT_EQ(doc.IsCalculated(), r.status.Succeeded());
        succeeded += r.status.Succeeded();
        if (!r.status.Succeeded())
            continue;
        EXPECT_EQ(Text(IDC_DI), Display(r.di * 1000));
        EXPECT_EQ(doc.GetDi(), r.di);
        const hydraulics::DerivedHeight height = hydraulics::HeightFromPartialValues(r.di, in.Q, Qt, in.v, vt);
        if (!doc.IsFullFilling() && height.derived) {
            EXPECT_EQ(Text(IDC_HT), Display(height.ht * 1000));
            EXPECT_EQ(Text(IDC_SURFACE_WIDTH), Display(height.surfaceWidth * 1000));
        }
    }
    EXPECT_GT(succeeded, kTrials / 10);  // the draw reaches results, not only refusals
}

TEST_F(CrossCheck, PartialFillingCompletedBeforeTheSlope) {
    doc.SetFullFilling(false);
    for (int trial = 0; trial < kTrials; ++trial) {
        DrawRecord(SOUGHT_J);
        doc.SetQt(Draw(1e-4, 10, 0.5));
        doc.SetVt(Draw(0.05, 10, 0.5));
        doc.SetHt(Draw(0.005, 3, 0.5));
        for (int id : {IDC_HT, IDC_QT_LS, IDC_VT, IDC_SURFACE_WIDTH}) Preset(id, "");
        const hydraulics::PartialFillingCompletion c = hydraulics::CompletePartialFilling(
            {doc.GetQt(), doc.GetQ(), doc.GetVt(), doc.GetV(), doc.GetDi(), doc.GetHt()});
        Press();
        SCOPED_TRACE(testing::Message() << "trial " << trial);
        if (c.alreadyComplete) {
            EXPECT_EQ(Text(IDC_HT), "");
            continue;
        }
        if (c.height.derived) {
            EXPECT_EQ(Text(IDC_HT), Display(c.height.ht * 1000));
        }
        if (c.fromHeight) {
            EXPECT_EQ(Text(IDC_QT_LS), Display(c.Qt * 1000));
            EXPECT_EQ(Text(IDC_SURFACE_WIDTH), Display(c.surfaceWidth * 1000));
        } else if (c.height.derived) {
            EXPECT_EQ(Text(IDC_SURFACE_WIDTH), Display(c.height.surfaceWidth * 1000));
        }
    }
}

}  // namespace
}  // namespace solver_test
