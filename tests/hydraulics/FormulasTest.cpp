#include "hydraulics/Formulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ColebrookReference.h"
#include "hydraulics/Units.h"

namespace {

using namespace hydraulics;

TEST(FormulasTest, ViscosityOfWaterAtTenDegrees) {
    EXPECT_NEAR(ViscosityFromTemperature(10, 1000), 1.3091471e-6, 1e-13);
    EXPECT_NEAR(ViscosityFromTemperature(10, 1010), 1.3091471e-6 * 1000 / 1010, 1e-13);
}

TEST(FormulasTest, KnownFullFillingValues) {
    EXPECT_DOUBLE_EQ(FlowFromVelocity(0.1, 1.0), 0.007853981633974483);
    EXPECT_DOUBLE_EQ(AreaFromDiameter(0.1), 0.007853981633974483);
    EXPECT_NEAR(DiameterFromFlowVelocity(0.01, 1.0) * units::kMillimetre.toDisplay, 112.837917, 5e-7);
    EXPECT_NEAR(SlopeFromLambda(0.02217, 0.1, 1.0, 9.81), 0.0113, 0.00005);
    EXPECT_DOUBLE_EQ(Reynolds(1.0, 0.1, 1e-6), 100000.0);
    EXPECT_DOUBLE_EQ(InnerDiameter(118, 5, 3.5), 101.0);  // K7, DN 100
}

struct FullFilling {
    double di;
    double v;
    double lambda;
    double g;
    double ny;
};

// Each inverse relation must give back the quantity the forward relations started from.
TEST(FormulasTest, InverseRelationsReturnTheDiameterAndVelocity) {
    const FullFilling cases[] = {
        {0.1, 1.0, 0.02217, 9.81, 1.309e-6},
        {0.05, 0.05, 0.04, 9.81, 1.0e-6},
        {5.0, 15.0, 0.011, 9.81, 1.8e-6},
        {0.4, 2.5, 0.018, 1.62, 1.3e-6},
    };
    for (const FullFilling& c : cases) {
        SCOPED_TRACE(testing::Message() << "di " << c.di << ", v " << c.v);
        const double Q = FlowFromVelocity(c.di, c.v);
        const double I = SlopeFromLambda(c.lambda, c.di, c.v, c.g);
        const double Re = Reynolds(c.v, c.di, c.ny);
        EXPECT_NEAR(VelocityFromFlow(Q, c.di) / c.v, 1.0, 1e-14);
        EXPECT_NEAR(VelocityFromSlope(c.g, I, c.di, c.lambda) / c.v, 1.0, 1e-14);
        EXPECT_NEAR(AreaFromDiameter(c.di) * c.v / Q, 1.0, 1e-14);
        EXPECT_NEAR(DiameterFromArea(AreaFromDiameter(c.di)) / c.di, 1.0, 1e-14);
        EXPECT_NEAR(DiameterFromLambdaSlopeVelocity(c.lambda, I, c.v, c.g) / c.di, 1.0, 1e-14);
        EXPECT_NEAR(DiameterFromLambdaSlopeFlow(c.lambda, I, Q, c.g) / c.di, 1.0, 1e-14);
        EXPECT_NEAR(DiameterFromReynoldsVelocity(Re, c.ny, c.v) / c.di, 1.0, 1e-14);
        EXPECT_NEAR(DiameterFromReynoldsFlow(Re, c.ny, Q) / c.di, 1.0, 1e-14);
        EXPECT_NEAR(DiameterFromFlowVelocity(Q, c.v) / c.di, 1.0, 1e-14);
    }
}

TEST(FormulasTest, RoughnessFromLambdaInvertsColebrookWhite) {
    const double di = 0.2;
    for (double Re : {2350.0, 1e5, 5.7e7}) {
        for (double k : {0.000001, 0.0001, 0.001, 0.01}) {
            const double lambda = hydraulics_test::ColebrookLambdaByBisection(Re, k / di);
            EXPECT_NEAR(RoughnessFromLambda(lambda, Re, di) / k, 1.0, 1e-6) << "Re " << Re << ", k " << k;
        }
    }
}

struct PartialPoint {
    const char* name;
    double (*relation)(double, double);
    double full;      // Q, v or di
    double argument;  // x = ht / di or a ratio r
    double expected;
    double tolerance;  // 0: exactly
};

TEST(FormulasTest, PartialFillingRelationsAtTheirPoints) {
    const PartialPoint points[] = {
        {"Qt at half filling", PartialFlowRatio, 1.0, 0.5, 0.5013, 0.00005},
        {"Qt scales with Q", PartialFlowRatio, 40.0, 0.5, 40 * 0.501262905, 1e-9},
        {"vt at half filling", PartialVelocityRatio, 1.0, 0.5, 1.0016, 0.00005},
        {"ht from Qt/Q 0.5", PartialHeightFromFlow, 1.0, 0.5, 0.5044, 0.00005},
        {"ht from vt/v 1.0", PartialHeightFromVelocity, 1.0, 1.0, 0.5137, 0.00005},
        {"ht from vt/v scales with di", PartialHeightFromVelocity, 0.3, 1.0, 0.3 * 0.51372431, 1e-12},
        {"Qt just below the threshold", PartialFlowRatio, 1.0, 0.8299999, 1.010, 0.0005},
        {"vt just below the threshold", PartialVelocityRatio, 1.0, 0.8299999, 1.157, 0.0005},
        {"Qt at the threshold", PartialFlowRatio, 0.037, 0.83, 0.037, 0},
        {"vt at the threshold", PartialVelocityRatio, 1.7, 0.83, 1.7, 0},
        {"Qt above the threshold", PartialFlowRatio, 0.037, 1.5, 0.037, 0},
        {"vt above the threshold", PartialVelocityRatio, 1.7, 0.95, 1.7, 0},
        // The height relations have no threshold: the cubic applies to any ratio.
        {"ht from Qt/Q beyond 1", PartialHeightFromFlow, 1.0, 1.2, 1.068021588, 1e-9},
    };
    for (const PartialPoint& p : points) {
        const double result = p.relation(p.full, p.argument);
        if (p.tolerance == 0) {
            EXPECT_EQ(result, p.expected) << p.name;
        } else {
            EXPECT_NEAR(result, p.expected, p.tolerance) << p.name;
        }
    }
}

struct WidthCase {
    double di;
    double ht;
    double width;
};

TEST(FormulasTest, SurfaceWidthIsAChordInsideThePipeAndZeroOutside) {
    const WidthCase cases[] = {
        {0.3, 0.0, 0.0},   {0.3, 0.3, 0.0},  {0.3, 0.15, 0.3},
        {0.3, -0.01, 0.0}, {0.3, 0.31, 0.0}, {2.4, 0.05, 0.6855654600401042},
    };
    for (const WidthCase& c : cases) {
        EXPECT_NEAR(SurfaceWidth(c.di, c.ht), c.width, 1e-12) << "di " << c.di << ", ht " << c.ht;
    }
}

TEST(UnitsTest, DisplayAndSiFactorsAreReciprocal) {
    for (const units::UnitFactor& unit :
         {units::kMillimetre, units::kLitrePerSecond, units::kCubicMetrePerHour, units::kMetrePerKilometre,
          units::kMicroSquareMetrePerSecond}) {
        EXPECT_DOUBLE_EQ(unit.toDisplay * unit.toSi, 1.0) << unit.toDisplay;
    }
}

}  // namespace
