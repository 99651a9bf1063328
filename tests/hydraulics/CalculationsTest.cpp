#include "hydraulics/Calculations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "hydraulics/EntryLimits.h"
#include "hydraulics/Formulas.h"
#include "hydraulics/SoughtParameter.h"

namespace {

using namespace hydraulics;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct CheckCase {
    int sought;
    CheckedValues values;  // v, Di, I, g, k, Re
    std::optional<InputCheck> failed;
};

TEST(InputChecksTest, FirstFailingCheckInTheOrderOfTheSoughtParameter) {
    const CheckedValues zero{0, 0, 0, 0, 0, 0};
    const CheckedValues good{1, 0.1, 0.01, 9.81, 0.0001, 1e5};
    const CheckCase cases[] = {
        {SOUGHT_J, zero, InputCheck::V},
        {SOUGHT_VQ, zero, InputCheck::Di},
        {SOUGHT_K, {0, 0.1, 0.01, 9.81, 0, 0}, InputCheck::V},  // k and Re are not checked
        {SOUGHT_DI, zero, std::nullopt},
        {SOUGHT_J, good, std::nullopt},
        {SOUGHT_J, {1, 0.1, 0, 100, 0.0001, 1e5}, std::nullopt},  // g = 100 passes
        {SOUGHT_J, {1, 0.1, 0, 100.0001, 0.0001, 1e5}, InputCheck::G},
        {SOUGHT_VQ, {0, 0.1, 0.00009, 0.1, 0.0001, 0}, InputCheck::I},  // g = 0.1 passes
        {SOUGHT_J, {1, 0.1, 0, 9.81, kNaN, 1e5}, InputCheck::K},
    };
    for (const CheckCase& c : cases) {
        const std::optional<FailedCheck> failed = FirstFailedCheck(c.sought, c.values);
        ASSERT_EQ(failed.has_value(), c.failed.has_value()) << c.sought;
        if (failed) {
            EXPECT_EQ(failed->check, *c.failed) << c.sought;
        }
    }
    EXPECT_FALSE(Computes(SOUGHT_Q));
    EXPECT_FALSE(Computes(7));
    EXPECT_TRUE(Computes(SOUGHT_DI));
}

TEST(CalculationsTest, SlopeOfTheWorkedExample) {
    const SlopeResult r = SolveSlope({0.1, 0.0001, 100000.9, 1, 9.81});
    EXPECT_TRUE(r.status.Succeeded());
    EXPECT_EQ(r.status.steps, 6);
    EXPECT_TRUE(r.status.converged);
    EXPECT_EQ(r.iteration.lambda, CFrictionFactor().LambdaIterative(100000, 0.0001, 0.1));
    EXPECT_NEAR(r.I, 0.0113, 0.0001);

    const SlopeResult nan = SolveSlope({0.1, 0.0001, 0.5, 1, 9.81});  // Re truncates to 0
    EXPECT_TRUE(nan.iteration.ReachedStepLimit());
    ASSERT_TRUE(nan.status.outOfLimits);
    EXPECT_EQ(nan.status.outOfLimits->quantity, ResultQuantity::I);

    const SlopeResult rejected = SolveSlope({0, 0.1, 1e5, 0, 9.81});
    ASSERT_TRUE(rejected.status.failedCheck);
    EXPECT_EQ(rejected.status.failedCheck->check, InputCheck::V);
}

TEST(CalculationsTest, VelocityAndFlowInvertTheSlopeCalculation) {
    const double ny = ViscosityFromTemperature(10, 1010);
    const SlopeResult slope = SolveSlope({0.1, 0.0001, Reynolds(1, 0.1, ny), 1, 9.81});
    const VelocityAndFlowResult r = SolveVelocityAndFlow({0.1, 0.0001, slope.I, 9.81, ny});
    ASSERT_TRUE(r.status.Succeeded());
    EXPECT_NEAR(r.v, 1.0, 1e-4);
    EXPECT_TRUE(r.hasFlow && r.hasReynolds);
    EXPECT_DOUBLE_EQ(r.Q, FlowFromVelocity(0.1, r.v));
    EXPECT_DOUBLE_EQ(r.Re, Reynolds(r.v, 0.1, ny));

    const VelocityAndFlowResult small = SolveVelocityAndFlow({0.01, 0.0001, 0.0113, 9.81, ny});
    EXPECT_TRUE(small.status.Succeeded());
    EXPECT_FALSE(small.hasFlow);  // di = 0.01 m exactly gives no Q

    const VelocityAndFlowResult slow = SolveVelocityAndFlow({0.01, 0.0001, 0.0001, 9.81, ny});
    ASSERT_TRUE(slow.status.outOfLimits);
    EXPECT_EQ(slow.status.outOfLimits->value, slow.v);
    EXPECT_GT(slow.lambda, 0);  // λ is known even when v is refused
}

TEST(CalculationsTest, RoughnessInvertsTheSlopeCalculation) {
    const SlopeResult slope = SolveSlope({0.1, 0.0001, 1e5, 1, 9.81});
    const RoughnessResult r = SolveRoughness({0.1, slope.I, 9.81, 1, 1e5});
    ASSERT_TRUE(r.status.Succeeded());
    EXPECT_NEAR(r.k, 0.0001, 1e-8);

    const RoughnessResult noRe = SolveRoughness({0.1, slope.I, 9.81, 1, 0});
    ASSERT_TRUE(noRe.status.outOfLimits);
    EXPECT_FALSE(std::isfinite(noRe.k));
}

struct DiameterCase {
    DiameterInputs in;  // ny, Re, lambda, I, Q, v, g
    DiameterRule rule;
};

TEST(CalculationsTest, DiameterByTheFirstRuleWhoseInputsAreGiven) {
    const DiameterCase cases[] = {
        {{1.3e-6, 1e5, 0.02, 0.01, 0.01, 1, 9.81}, DiameterRule::LambdaSlopeVelocity},
        {{1.3e-6, 1e5, 0.02, 0.01, 0.01, 0, 9.81}, DiameterRule::LambdaSlopeFlow},
        {{1.3e-6, 1e5, 0, 0.01, 0.01, 1, 9.81}, DiameterRule::ReynoldsVelocity},
        {{1.3e-6, 1e5, 0, 0, 0.01, 0, 9.81}, DiameterRule::ReynoldsFlow},
        {{1.3e-6, 1e5, 0, 0, 0, 0, 9.81}, DiameterRule::NotEnoughValues},
        {{0, 0, 0, 0, 0.01, 1, 9.81}, DiameterRule::FlowVelocity},
        {{0, 0, 0, 0, 0.01, 0, 9.81}, DiameterRule::NotEnoughValues},
    };
    for (const DiameterCase& c : cases) EXPECT_EQ(SolveDiameter(c.in).rule, c.rule);

    const DiameterResult fromQv = SolveDiameter({0, 0, 0, 0, 0.01, 1, 9.81});
    EXPECT_NEAR(fromQv.di, 0.112837917, 1e-9);
    EXPECT_TRUE(fromQv.status.Succeeded());
    const DiameterResult tooSmall = SolveDiameter({0, 0, 0, 0, 0.0001, 1, 9.81});
    ASSERT_TRUE(tooSmall.status.outOfLimits);
    EXPECT_EQ(tooSmall.status.outOfLimits->quantity, ResultQuantity::Di);
}

// From the given value the others follow, or nothing (0) where a needed quantity is missing or the
// result would not be finite; the given value comes back as given.
TEST(CalculationsTest, PartialFillingFromTheGivenValue) {
    const double kHuge = 1.7976931348623157e308;
    const struct {
        PartialQuantity given;
        double value, di, Q, v;
        bool derived;
        double ht, Qt, vt, width;
    } cases[] = {
        {PartialQuantity::Ht, 0.15, 0.3, 0.1, 1.4, true, 0.15, PartialFlowRatio(0.1, 0.5),
         PartialVelocityRatio(1.4, 0.5), 0.3},
        {PartialQuantity::Ht, 0.005, 0, 0.1, 1.4, true, 0.005, 0, 0, 0},  // no diameter, no ratio
        {PartialQuantity::Qt, 0.05, 0.3, 0.1, 1.4, true, PartialHeightFromFlow(0.3, 0.5), 0.05,
         PartialVelocityRatio(1.4, PartialHeightFromFlow(0.3, 0.5) / 0.3),
         SurfaceWidth(0.3, PartialHeightFromFlow(0.3, 0.5))},
        {PartialQuantity::Qt, 0.05, 0.3, 0, 1.4, false, 0, 0.05, 0, 0},  // no Q
        {PartialQuantity::Vt, 1.4, 0.3, 0.1, 1.4, true, PartialHeightFromVelocity(0.3, 1),
         PartialFlowRatio(0.1, PartialHeightFromVelocity(0.3, 1) / 0.3), 1.4,
         SurfaceWidth(0.3, PartialHeightFromVelocity(0.3, 1))},
        {PartialQuantity::Vt, 1.4, 0.3, 0, 1.4, true, PartialHeightFromVelocity(0.3, 1), 0, 1.4,
         SurfaceWidth(0.3, PartialHeightFromVelocity(0.3, 1))},           // no Q: no Qt
        {PartialQuantity::Vt, 1.4, 0.3, 0.1, 0, false, 0, 0, 1.4, 0},     // no v
        {PartialQuantity::Vt, kHuge, 0.3, 0.1, 1, true, 0, 0, kHuge, 0},  // the height overflows
        {PartialQuantity::Qt, kHuge, 0.3, 1e-300, 1, true, 0, kHuge, 0, 0},
    };
    for (const auto& c : cases) {
        const PartialFilling p = PartialFillingFrom(c.given, c.value, c.di, c.Q, c.v);
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.given) << " " << c.value);
        EXPECT_EQ(p.derived, c.derived);
        EXPECT_DOUBLE_EQ(p.ht, c.ht);
        EXPECT_DOUBLE_EQ(p.Qt, c.Qt);
        EXPECT_DOUBLE_EQ(p.vt, c.vt);
        EXPECT_NEAR(p.surfaceWidth, c.width, 1e-12);
    }
}

struct EntryCase {
    double x;
    EntryRange range;
    EntrySide crossed;
    bool clamped;
    double value;
};

TEST(EntryLimitsTest, CrossedLimitClampsOrWarns) {
    const EntryCase cases[] = {
        {0.01, kVelocityEntry, EntrySide::Low, true, 0.05},
        {20, kVelocityEntry, EntrySide::High, false, 20},
        {15, kVelocityEntry, EntrySide::Within, false, 15},
        {1000, kReynoldsEntry, EntrySide::Low, true, 2350},
        {6e7, kReynoldsEntry, EntrySide::High, true, 5.7e7},
        {0, kSlopeEntry, EntrySide::Low, true, 0.00005},
        {kNaN, kDiameterEntry, EntrySide::Within, false, kNaN},
    };
    for (const EntryCase& c : cases) {
        const EntryCheck check = CheckEntry(c.x, c.range);
        EXPECT_EQ(check.crossed, c.crossed) << c.x;
        EXPECT_EQ(check.clamped, c.clamped) << c.x;
        if (!std::isnan(c.value)) {
            EXPECT_EQ(check.value, c.value) << c.x;
        }
    }
}

}  // namespace
