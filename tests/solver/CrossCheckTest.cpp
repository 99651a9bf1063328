// Random records, one "Berechnen" each: the form shows exactly what the engine computes from the same
// values, to the digits shown, with the engine's message and result state.
#include <functional>
#include <optional>
#include <random>
#include <string>

#include "form/model/NumberEdit.h"
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
        doc.SetHt(0);
        doc.SetQt(Draw(1e-4, 10, 0.5));
        doc.SetVt(Draw(0.05, 10, 0.5));
        const double Qt = doc.GetQt();
        const double vt = doc.GetVt();
        const std::optional<hydraulics::PartialQuantity> given = view.GivenPartialQuantity();
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
        if (!doc.IsFullFilling() && given) {
            // The others follow from the given Qt or vt with the new di; the given value stays.
            const bool fromFlow = *given == hydraulics::PartialQuantity::Qt;
            const hydraulics::PartialFilling p =
                hydraulics::PartialFillingFrom(*given, fromFlow ? Qt : vt, r.di, in.Q, in.v);
            EXPECT_EQ(doc.GetQt(), fromFlow ? Qt : p.Qt);
            EXPECT_EQ(doc.GetVt(), fromFlow ? p.vt : vt);
            EXPECT_EQ(Text(IDC_HT), Display(p.ht * 1000));
            EXPECT_EQ(Text(IDC_SURFACE_WIDTH), Display(p.surfaceWidth * 1000));
        }
    }
    EXPECT_GT(succeeded, kTrials / 10);  // the draw reaches results, not only refusals
}

// Whichever partial-filling value is given, the slope's result completes the others from it.
TEST_F(CrossCheck, PartialFillingCompletedWithTheSlope) {
    doc.SetFullFilling(false);
    const hydraulics::PartialQuantity kGiven[] = {
        hydraulics::PartialQuantity::Ht, hydraulics::PartialQuantity::Qt, hydraulics::PartialQuantity::Vt};
    for (int trial = 0; trial < kTrials; ++trial) {
        DrawRecord(SOUGHT_J);
        const hydraulics::PartialQuantity given = kGiven[trial % 3];
        doc.SetHt(given == hydraulics::PartialQuantity::Ht ? Draw(0.005, 3) : 0);
        doc.SetQt(given == hydraulics::PartialQuantity::Qt ? Draw(1e-4, 10) : 0);
        doc.SetVt(given == hydraulics::PartialQuantity::Vt ? Draw(0.05, 10) : 0);
        const double value = doc.GetHt() + doc.GetQt() + doc.GetVt();
        for (int id : {IDC_HT, IDC_QT_LS, IDC_VT, IDC_SURFACE_WIDTH}) Preset(id, "");
        const hydraulics::PartialFilling p =
            hydraulics::PartialFillingFrom(given, value, doc.GetDi(), doc.GetQ(), doc.GetV());
        Press();
        SCOPED_TRACE(testing::Message() << "trial " << trial);
        if (!doc.IsCalculated() && !p.derived)
            continue;
        EXPECT_EQ(doc.GetHt(), given == hydraulics::PartialQuantity::Ht ? value : p.ht);
        EXPECT_EQ(doc.GetQt(), given == hydraulics::PartialQuantity::Qt ? value : p.Qt);
        EXPECT_EQ(doc.GetVt(), given == hydraulics::PartialQuantity::Vt ? value : p.vt);
        if (given != hydraulics::PartialQuantity::Ht) {
            EXPECT_EQ(Text(IDC_HT), Display(p.ht * 1000));
        }
        if (given != hydraulics::PartialQuantity::Qt) {
            EXPECT_EQ(Text(IDC_QT_LS), Display(p.Qt * 1000));
        }
        if (given != hydraulics::PartialQuantity::Vt) {
            EXPECT_EQ(Text(IDC_VT), Display(p.vt));
        }
        EXPECT_EQ(Text(IDC_SURFACE_WIDTH), Display(p.surfaceWidth * 1000));
    }
}

}  // namespace
}  // namespace solver_test
