// The checks beside the friction law: flow state, wall shear stress, line loss and di from Q, J and k.
// Reference values were computed independently with mpmath at 30 digits: Colebrook-White solved for
// 1/√λ by a root finder with v iterated to a fixed point, the critical depth by bisection of the
// central angle.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "ColebrookReference.h"
#include "hydraulics/CircularSection.h"
#include "hydraulics/DiameterFromFlow.h"
#include "hydraulics/FlowState.h"
#include "hydraulics/GravityFlowChecks.h"
#include "hydraulics/LineLoss.h"
#include "hydraulics/SegmentGeometry.h"
#include "hydraulics/WallShearStress.h"

namespace {

using namespace hydraulics;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kPi = 3.141592653589793;
constexpr double kNy = 1.31e-6;

// DN 300 of the class "Abwasser" (di 307.8 mm) at J = 5 ‰ with kb = 0.75 mm.
const PipeAtSlope kDn300{0.3078, 0.00075, kNy, 9.81, 0.005};

TEST(FlowStateTest, NormalFlowOfDn300IsNearCriticalOverTheUsualFillings) {
    const struct {
        double x, froude, tau;
        FlowRegime regime;
    } cases[] = {
        {0.1, 0.970853148316759, 0.95900095251404, FlowRegime::NearCritical},
        {0.2, 1.04439396485419, 1.82063912313231, FlowRegime::NearCritical},
        {0.3, 1.05663747210152, 2.58079664469983, FlowRegime::NearCritical},
        {0.5, 1.0033307863101, 3.7743975, FlowRegime::NearCritical},
        {0.7, 0.875912015170714, 4.47242897084481, FlowRegime::NearCritical},
    };
    const CircularSection section(kDn300);
    for (const auto& c : cases) {
        EXPECT_NEAR(section.Froude(c.x), c.froude, 1e-9) << c.x;
        EXPECT_EQ(RegimeOf(section.Froude(c.x)), c.regime) << c.x;
        EXPECT_NEAR(WallShearStressAt(1000, 9.81, kDn300.di, c.x * kDn300.di, kDn300.I), c.tau, 1e-12) << c.x;
    }
    EXPECT_TRUE(std::isnan(section.Froude(0)));
    EXPECT_TRUE(std::isnan(section.Froude(1)));
}

TEST(FlowStateTest, FroudeNumberAndCriticalDepthOfAState) {
    const struct {
        double Q, di, h, froude, hydraulicDepth;
    } states[] = {
        {0.05, 0.3078, 0.1, 2.82473466375934, 0.0727003858714292},
        {0.02, 0.2, 0.15, 0.661397916300046, 0.145919957615615},
        {0.2, 0.5, 0.4, 0.58443626282306, 0.420983974310653},
    };
    for (const auto& s : states) {
        const std::optional<FlowState> state = FlowStateAt(s.Q, s.di, s.h, 9.81);
        ASSERT_TRUE(state) << s.Q;
        EXPECT_NEAR(state->froude, s.froude, 1e-12) << s.Q;
        EXPECT_NEAR(state->hydraulicDepth, s.hydraulicDepth, 1e-14) << s.Q;
        // At its own critical depth the flow has the Froude number 1.
        EXPECT_NEAR(*FroudeNumber(s.Q, s.di, state->critical.h, 9.81), 1.0, 1e-9) << s.Q;
    }
    EXPECT_EQ(FlowStateAt(0.05, 0.3078, 0.1, 9.81)->regime, FlowRegime::Supercritical);
    EXPECT_EQ(FlowStateAt(0.02, 0.2, 0.15, 9.81)->regime, FlowRegime::Subcritical);

    const struct {
        double Q, di, hc;
    } critical[] = {
        {0.05, 0.3078, 0.171825164318745},
        {0.001, 0.3078, 0.0231667102765822},
        {0.5, 0.3078, 0.307587620953965},  // just below the crown
        {2.0, 1.0, 0.811955255737639},
    };
    for (const auto& c : critical) {
        const std::optional<CriticalDepth> depth = CriticalDepthOf(c.Q, c.di, 9.81);
        ASSERT_TRUE(depth) << c.Q;
        EXPECT_NEAR(depth->h, c.hc, 1e-11) << c.Q;
        EXPECT_LE(depth->steps, 15) << c.Q;
    }
}

TEST(FlowStateTest, NoStateWithoutAFreeSurfaceOrAFlow) {
    const struct {
        double Q, di, h, g;
    } none[] = {
        {0.05, 0.3, 0, 9.81},   {0.05, 0.3, 0.3, 9.81},  {0.05, 0.3, 0.4, 9.81},
        {0, 0.3, 0.1, 9.81},    {0.05, 0, 0.1, 9.81},    {0.05, 0.3, 0.1, 0},
        {kNaN, 0.3, 0.1, 9.81}, {0.05, 0.3, kNaN, 9.81}, {-0.05, 0.3, 0.1, 9.81},
    };
    for (const auto& n : none) {
        EXPECT_FALSE(FlowStateAt(n.Q, n.di, n.h, n.g)) << n.Q << " " << n.di << " " << n.h << " " << n.g;
    }
    EXPECT_FALSE(CriticalDepthOf(0, 0.3, 9.81));
    EXPECT_FALSE(CriticalDepthOf(0.05, kNaN, 9.81));
    // The band's bounds belong to it.
    EXPECT_EQ(RegimeOf(0.86), FlowRegime::NearCritical);
    EXPECT_EQ(RegimeOf(1.13), FlowRegime::NearCritical);
    EXPECT_EQ(RegimeOf(0.8599), FlowRegime::Subcritical);
    EXPECT_EQ(RegimeOf(1.1301), FlowRegime::Supercritical);
}

TEST(WallShearStressTest, FullAndEmptyPipeAndTheCriterion) {
    EXPECT_DOUBLE_EQ(WallShearStressAt(1000, 9.81, 0.3, 0.3, 0.005), 1000 * 9.81 * 0.075 * 0.005);
    EXPECT_DOUBLE_EQ(WallShearStressAt(1000, 9.81, 0.3, 1.0, 0.005), 1000 * 9.81 * 0.075 * 0.005);
    EXPECT_EQ(WallShearStressAt(1000, 9.81, 0.3, 0, 0.005), 0.0);
    // At half filling R is di / 4 as in the full pipe.
    EXPECT_NEAR(WettedSegmentAt(0.3, 0.15).HydraulicRadius(), 0.075, 1e-15);
    EXPECT_TRUE(CheckSelfCleansing(0.959).met);
    EXPECT_FALSE(CheckSelfCleansing(0.8).met);
    EXPECT_TRUE(CheckSelfCleansing(kDefaultMinWallShearStress).met);
    EXPECT_FALSE(CheckSelfCleansing(kNaN).met);
    EXPECT_FALSE(CheckSelfCleansing(1.5, 2.0).met);
}

// The two criteria of an operating point together: a near-critical flow fails even where τ suffices.
TEST(GravityFlowChecksTest, BothCriteriaDecide) {
    const CircularSection section(kDn300);
    const double atTenth = section.Ratios(0.1).flow * section.FullFlow();  // Fr 0.97, τ 0.959 N/m²
    const struct {
        GravityFlowInputs in;
        bool hasState, nearCritical, selfCleansing, met;
    } cases[] = {
        {{atTenth, 0.3078, 0.03078, 0.005, 1000, 9.81, kDefaultMinWallShearStress}, true, true, true, false},
        {{atTenth, 0.3078, 0.03078, 0.005, 1000, 9.81, 1.0}, true, true, false, false},
        {{0.02, 0.2, 0.15, 0.005, 1000, 9.81, kDefaultMinWallShearStress},
         true,
         false,
         true,
         true},  // Fr 0.66
        {{0.02, 0.2, 0.15, 0.0005, 1000, 9.81, kDefaultMinWallShearStress}, true, false, false, false},
        {{0.02, 0.2, 0.2, 0.005, 1000, 9.81, kDefaultMinWallShearStress}, false, false, true, true},  // full
    };
    for (const auto& c : cases) {
        const GravityFlowChecks checks = CheckGravityFlow(c.in);
        SCOPED_TRACE(testing::Message() << c.in.Q << " " << c.in.h << " " << c.in.I << " " << c.in.tauMin);
        EXPECT_EQ(checks.state.has_value(), c.hasState);
        EXPECT_EQ(checks.NearCritical(), c.nearCritical);
        EXPECT_EQ(checks.selfCleansing.met, c.selfCleansing);
        EXPECT_EQ(checks.Met(), c.met);
    }
}

TEST(LineLossTest, FrictionPlusFittings) {
    // Inlet, four bends R = 2 d, a gate valve and the outlet: Σζ = 0.5 + 4 · 0.21 + 0.2 + 1.0 = 2.54.
    const double sumZeta = LossCoefficient(Fitting::InletSharp) +
                           4 * LossCoefficient(Fitting::Bend90Radius2d) +
                           LossCoefficient(Fitting::GateValve) + LossCoefficient(Fitting::Outlet);
    EXPECT_NEAR(sumZeta, 2.54, 1e-15);
    const LineLoss loss = LineLossOf({0.002, 1500, sumZeta, 1.2, 9.81});
    EXPECT_FALSE(loss.failed);
    EXPECT_NEAR(loss.friction, 3.0, 1e-12);
    EXPECT_NEAR(loss.local, 0.186422018348624, 1e-14);
    EXPECT_NEAR(loss.total, 3.186422018348624, 1e-12);

    const struct {
        double L, sumZeta;
        LineInput failed;
    } bad[] = {{-1, 0, LineInput::Length},
               {kNaN, 0, LineInput::Length},
               {10, -0.1, LineInput::LossSum},
               {10, std::numeric_limits<double>::infinity(), LineInput::LossSum}};
    for (const auto& b : bad) {
        const LineLoss failed = LineLossOf({0.002, b.L, b.sumZeta, 1.2, 9.81});
        ASSERT_TRUE(failed.failed) << b.L << " " << b.sumZeta;
        EXPECT_EQ(failed.failed->input, b.failed);
        EXPECT_EQ(failed.total, 0.0);
    }
    for (Fitting fitting : Fittings()) EXPECT_GT(LossCoefficient(fitting), 0.0);
}

// The full-pipe flow of diameter d at slope J, independently: v iterated to a fixed point of
// Darcy-Weisbach with λ(Re(v)) from the bisection of the Colebrook-White equation.
double IndependentFlow(double d, double J, double k) {
    double v = 1;
    for (int i = 0; i < 50; ++i) {
        const double lambda = hydraulics_test::ColebrookLambdaByBisection(v * d / kNy, k / d);
        const double next = std::sqrt(2 * 9.81 * J * d / lambda);
        if (std::fabs(next - v) <= 1e-15 * v)
            break;
        v = next;
    }
    return kPi / 4 * d * d * v;
}

TEST(DiameterFromFlowTest, HeldOutValues) {
    const struct {
        double Q, J, k, di, lambda, v, Re;
    } cases[] = {
        {0.12, 0.003, 0.00075, 0.393346781420994, 0.0237419033566, 0.987506954711, 296513.497913},
        {0.01, 0.01, 0.0001, 0.112820558801645, 0.0221217763888, 1.00030773191, 86149.0666321},
        {2.0, 0.001, 0.0004, 1.38388864871629, 0.0153576409451, 1.32965147653, 1404648.53826},
    };
    for (const auto& c : cases) {
        const FlowDiameterResult r = SolveDiameterFromFlow({c.Q, c.J, c.k, kNy, 9.81});
        ASSERT_TRUE(r.Computed()) << c.Q;
        EXPECT_TRUE(r.status.Succeeded()) << c.Q;
        EXPECT_TRUE(r.status.converged) << c.Q;
        EXPECT_LE(r.status.steps, 8) << c.Q;
        EXPECT_NEAR(r.di, c.di, 1e-11 * c.di) << c.Q;
        EXPECT_NEAR(r.lambda, c.lambda, 1e-10) << c.Q;
        EXPECT_NEAR(r.v, c.v, 1e-9) << c.Q;
        EXPECT_NEAR(r.Re, c.Re, 1e-4) << c.Q;
    }
}

// Every DN of the class "Abwasser" (da, s, ZMA in mm): 80 % of its full-pipe flow at J = 3 ‰ and
// kb = 0.75 mm gives the di that an independent bisection of the independent flow finds.
TEST(DiameterFromFlowTest, EveryDnOfAClassAgainstAnIndependentBisection) {
    const struct {
        int dn;
        double da, s, zma;
    } abwasser[] = {
        {80, 98, 5.0, 3.5},    {100, 118, 5.0, 3.5},  {125, 144, 5.0, 3.5},  {150, 170, 5.0, 3.5},
        {200, 222, 5.0, 3.5},  {250, 274, 5.3, 3.5},  {300, 326, 5.6, 3.5},  {350, 378, 6.0, 5},
        {400, 429, 6.3, 5},    {450, 480, 6.7, 5},    {500, 532, 7.0, 5},    {600, 635, 7.7, 5},
        {700, 738, 9.6, 6},    {800, 842, 10.4, 6},   {900, 945, 11.2, 6},   {1000, 1048, 12.0, 6},
        {1200, 1255, 15.3, 6}, {1400, 1462, 17.1, 9}, {1600, 1668, 18.9, 9}, {1800, 1875, 20.7, 9},
        {2000, 2082, 22.5, 9},
    };
    const double J = 0.003, k = 0.00075;
    for (const auto& pipe : abwasser) {
        const double di = (pipe.da - 2 * (pipe.s + pipe.zma)) / 1000;
        const double Q = 0.8 * IndependentFlow(di, J, k);
        double low = 0.01, high = 5;
        while (high - low > 1e-13) {
            const double middle = (low + high) / 2;
            (IndependentFlow(middle, J, k) < Q ? low : high) = middle;
        }
        const FlowDiameterResult r = SolveDiameterFromFlow({Q, J, k, kNy, 9.81});
        EXPECT_TRUE(r.status.Succeeded()) << pipe.dn;
        EXPECT_NEAR(r.di, (low + high) / 2, 1e-10 * di) << pipe.dn;
        EXPECT_LT(r.di, di) << pipe.dn;
    }
}

// Over the corners and the inside of the admissible range the solve converges and carries Q.
TEST(DiameterFromFlowTest, ConvergesOverTheWholeRange) {
    for (double Q : {1e-5, 1e-3, 0.1, 10.0, 100.0}) {
        for (double I : {0.00005, 0.001, 0.05, 0.4}) {
            for (double k : {0.00001, 0.001, 0.05}) {
                for (double ny : {1e-7, 1.31e-6, 2e-6}) {
                    const FlowDiameterResult r = SolveDiameterFromFlow({Q, I, k, ny, 9.81});
                    SCOPED_TRACE(testing::Message() << Q << " " << I << " " << k << " " << ny);
                    ASSERT_TRUE(r.status.converged);
                    EXPECT_LE(r.status.steps, 60);
                    const double carried =
                        kPi / 4 * r.di * r.di * ColebrookVelocity({r.di, k, ny, 9.81, I}, r.di);
                    EXPECT_NEAR(carried, Q, 1e-10 * Q);
                }
            }
        }
    }
}

TEST(DiameterFromFlowTest, MissingValuesAndLimits) {
    const struct {
        FlowDiameterInputs in;
        std::vector<FlowDiameterInput> missing;
    } cases[] = {
        {{0, 0, 0, 0, 0},
         {FlowDiameterInput::Q, FlowDiameterInput::J, FlowDiameterInput::K, FlowDiameterInput::Ny,
          FlowDiameterInput::G}},
        {{0.1, 0.003, 0, kNy, 9.81}, {FlowDiameterInput::K}},
        {{kNaN, 0.003, 0.001, kNy, 200}, {FlowDiameterInput::Q, FlowDiameterInput::G}},
        {{0.1, 0.003, 0.001, kNy, 9.81}, {}},
    };
    for (const auto& c : cases) {
        const FlowDiameterResult r = SolveDiameterFromFlow(c.in);
        EXPECT_EQ(std::vector<FlowDiameterInput>(r.missing.begin(), r.missing.end()), c.missing);
        EXPECT_EQ(r.Computed(), c.missing.empty());
    }
    const FlowDiameterResult tiny = SolveDiameterFromFlow({1e-6, 0.003, 0.001, kNy, 9.81});
    ASSERT_TRUE(tiny.status.outOfLimits);
    EXPECT_LT(tiny.status.outOfLimits->value, kMinDiameterResult);
    const FlowDiameterResult huge = SolveDiameterFromFlow({1e9, 0.0001, 0.001, kNy, 9.81});
    ASSERT_TRUE(huge.status.outOfLimits);
    EXPECT_TRUE(std::isinf(huge.di));
}

}  // namespace
