#include "hydraulics/CircularSection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "hydraulics/Formulas.h"
#include "hydraulics/FrictionFactor.h"

namespace {

using namespace hydraulics;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A sewer of DN 300, a large water main, a small rough pipe on a steep slope.
const PipeAtSlope kPipes[] = {
    {0.3, 0.00075, 1.31e-6, 9.81, 0.005},
    {2.4, 0.0001, 1.0e-6, 9.81, 0.0002},
    {0.1, 0.003, 1.8e-6, 9.81, 0.1},
};

// The full pipe's velocity at slope I is the one Darcy-Weisbach gives with the explicit λ.
TEST(CircularSectionTest, FullPipeVelocityFollowsTheFrictionLaw) {
    const CFrictionFactor friction;
    for (const PipeAtSlope& p : kPipes) {
        const CircularSection section(p);
        const double lambda = friction.LambdaFromSlope(p.k, p.I, p.ny, p.g, p.di);
        EXPECT_NEAR(section.FullVelocity() / VelocityFromSlope(p.g, p.I, p.di, lambda), 1.0, 1e-14);
        EXPECT_NEAR(section.FullFlow() / FlowFromVelocity(p.di, section.FullVelocity()), 1.0, 1e-14);
    }
}

TEST(CircularSectionTest, RatiosAtHalfFillingPeaksAndCrown) {
    for (const PipeAtSlope& p : kPipes) {
        SCOPED_TRACE(testing::Message() << "di " << p.di);
        const CircularSection section(p);
        ASSERT_TRUE(section.IsDefined());
        EXPECT_EQ(section.Ratios(0.5).velocity, 1.0);
        EXPECT_EQ(section.Ratios(0.5).flow, 0.5);
        EXPECT_NEAR(section.Ratios(1.0).flow, 1.0, 1e-15);
        EXPECT_NEAR(section.Ratios(1.0).velocity, 1.0, 1e-15);
        EXPECT_NEAR(section.Ratios(0.999999).flow, 1.0, 1e-3);
        EXPECT_EQ(section.Ratios(0.0).flow, 0.0);
        EXPECT_EQ(section.Ratios(1.7).flow, section.Ratios(1.0).flow);  // beyond the crown: full
        EXPECT_TRUE(std::isnan(section.Ratios(kNaN).flow));

        const RatioPeak flow = section.FlowPeak();
        EXPECT_NEAR(flow.filling, 0.94, 0.01);
        EXPECT_GT(flow.ratio, 1.05);
        const RatioPeak velocity = section.VelocityPeak();
        EXPECT_NEAR(velocity.filling, 0.81, 0.01);
        EXPECT_GT(velocity.ratio, 1.1);
        // No filling of a fine grid exceeds either peak.
        for (int i = 0; i <= 1000; ++i) {
            const FillingRatios r = section.Ratios(i / 1000.0);
            EXPECT_LE(r.flow, flow.ratio);
            EXPECT_LE(r.velocity, velocity.ratio);
        }
    }
}

TEST(CircularSectionTest, FillingFromFlowRatioInvertsTheForwardRelation) {
    for (const PipeAtSlope& p : kPipes) {
        SCOPED_TRACE(testing::Message() << "di " << p.di);
        const CircularSection section(p);
        const RatioPeak peak = section.FlowPeak();
        for (int i = 1; i <= 90; ++i) {
            const double x = i / 100.0;
            const double r = section.Ratios(x).flow;
            const std::optional<double> back = section.FillingFromFlowRatio(r);
            ASSERT_TRUE(back) << x;
            EXPECT_NEAR(*back, x, 1e-9) << x;
            EXPECT_NEAR(section.Ratios(*back).flow, r, 1e-9) << x;
        }
        // Above the peak the same flow is carried lower down: the lower root is taken.
        for (double x : {0.96, 0.98, 0.995}) {
            const double r = section.Ratios(x).flow;
            const std::optional<double> back = section.FillingFromFlowRatio(r);
            ASSERT_TRUE(back) << x;
            EXPECT_LT(*back, peak.filling);
            EXPECT_NEAR(section.Ratios(*back).flow, r, 1e-9) << x;
        }
        EXPECT_LT(*section.FillingFromFlowRatio(1.0), 0.85);
        EXPECT_NEAR(*section.FillingFromFlowRatio(peak.ratio), peak.filling, 1e-6);
        EXPECT_FALSE(section.FillingFromFlowRatio(peak.ratio + 1e-6));
        EXPECT_FALSE(section.FillingFromFlowRatio(kNaN));
        EXPECT_EQ(section.FillingFromFlowRatio(-1.0), 0.0);
    }
}

// Missing or unusable inputs leave the relations undefined instead of giving numbers.
TEST(CircularSectionTest, UndefinedWithoutUsableInputs) {
    const double inf = std::numeric_limits<double>::infinity();
    const PipeAtSlope unusable[] = {
        {0, 0.00075, 1.31e-6, 9.81, 0.005},   {0.3, -1e-3, 1.31e-6, 9.81, 0.005},
        {0.3, 0.00075, 0, 9.81, 0.005},       {0.3, 0.00075, 1.31e-6, 0, 0.005},
        {0.3, 0.00075, 1.31e-6, 9.81, 0},     {0.3, 0.00075, 1.31e-6, 9.81, kNaN},
        {inf, 0.00075, 1.31e-6, 9.81, 0.005}, {0.3, 0.00075, 1.31e-6, 9.81, -0.005},
        {1e-6, 0, 1e-3, 9.81, 1e-9},  // so small and flat that the law gives no velocity
    };
    for (const PipeAtSlope& p : unusable) {
        const CircularSection section(p);
        EXPECT_FALSE(section.IsDefined()) << p.di << " " << p.k << " " << p.ny << " " << p.g << " " << p.I;
        EXPECT_TRUE(std::isnan(section.Ratios(0.5).flow));
        EXPECT_FALSE(section.FillingFromFlowRatio(0.5));
    }
    EXPECT_TRUE(CircularSection({0.3, 0, 1.31e-6, 9.81, 0.005}).IsDefined());  // a smooth wall
}

// Where the depth is so small that the law yields no positive velocity, the flow is 0, never negative.
TEST(CircularSectionTest, ShallowestFillingsGiveNoNegativeFlow) {
    const CircularSection section({0.3, 0, 1.31e-6, 9.81, 0.00001});
    ASSERT_TRUE(section.IsDefined());
    for (double x : {1e-12, 1e-9, 1e-6, 1e-4}) {
        EXPECT_GE(section.Ratios(x).velocity, 0.0) << x;
        EXPECT_GE(section.Ratios(x).flow, 0.0) << x;
    }
    EXPECT_EQ(ColebrookVelocity({0.3, 0, 1.31e-6, 9.81, 0.00001}, 1e-9), 0.0);
}

}  // namespace
