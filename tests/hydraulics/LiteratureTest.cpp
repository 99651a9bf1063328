// The engine against its sources: the worked examples of the formulas' header comments, the fits
// against published values and against the exact circular section.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "hydraulics/CircularSection.h"
#include "hydraulics/Formulas.h"
#include "hydraulics/FrictionFactor.h"

namespace {

struct WaterAt {
    double T;        // °C
    double mu;       // dynamic viscosity [mPa·s], IAPWS 2008 at 0.1 MPa
    double rho;      // density [kg/m³] of pure water
    double percent;  // the fit's deviation from the reference ν, rounded to 0.1 %
};

// The fit keeps within −0.7 % … +1.0 % of the reference kinematic viscosity from 0 to 30 °C.
TEST(LiteratureTest, WaterViscosityFitAgainstReferenceTable) {
    const WaterAt table[] = {
        {0, 1.7914, 999.84, -0.7}, {5, 1.5182, 999.97, -0.2}, {10, 1.3059, 999.70, 0.2},
        {15, 1.1375, 999.10, 0.6}, {20, 1.0016, 998.21, 0.8}, {25, 0.8900, 997.05, 1.0},
        {30, 0.7972, 995.65, 1.0},
    };
    for (const WaterAt& w : table) {
        const double reference = w.mu * 1e-3 / w.rho;
        const double deviation = (hydraulics::ViscosityFromTemperature(w.T, w.rho) / reference - 1) * 100;
        EXPECT_NEAR(deviation, w.percent, 0.06) << w.T << " °C";
    }
}

// At half filling the flow section is half the circle with the same hydraulic radius di/4, so at the
// same slope and friction factor vt = v and Qt = Q / 2 exactly; the fitted curves agree within 0.2 %.
TEST(LiteratureTest, HalfFillingRatiosAgainstTheExactCircularSection) {
    EXPECT_NEAR(hydraulics::PartialFlowRatio(1.0, 0.5), 0.5, 0.5 * 0.003);
    EXPECT_NEAR(hydraulics::PartialVelocityRatio(1.0, 0.5), 1.0, 0.002);
    EXPECT_NEAR(hydraulics::PartialHeightFromFlow(1.0, 0.5), 0.5, 0.5 * 0.01);
    EXPECT_DOUBLE_EQ(hydraulics::SurfaceWidth(1.0, 0.5), 1.0);
}

struct WorkedExample {
    const char* formula;
    double value;
    double expected;  // as the header comment prints it, computed independently
    double relative;  // the printed digits
};

TEST(LiteratureTest, WorkedExamplesOfTheHeaderComments) {
    using namespace hydraulics;
    const CFrictionFactor friction;
    const CircularSection sewer({0.3, 0.00075, 1.31e-6, 9.81, 0.005});
    const WorkedExample examples[] = {
        {"ViscosityFromTemperature", ViscosityFromTemperature(10, 1000), 1.3091471e-6, 1e-7},
        {"Reynolds", Reynolds(1.0, 0.1, 1.31e-6), 76335.878, 1e-7},
        {"FlowFromVelocity", FlowFromVelocity(0.1, 1.0), 0.0078539816, 1e-7},
        {"VelocityFromFlow", VelocityFromFlow(0.05, 0.25), 1.0185916, 1e-7},
        {"DiameterFromArea", DiameterFromArea(0.0078539816), 0.1, 1e-7},
        {"AreaFromDiameter", AreaFromDiameter(0.25), 0.049087385, 1e-7},
        {"InnerDiameter", InnerDiameter(118, 5, 3.5), 101, 0},
        {"SlopeFromLambda", SlopeFromLambda(0.02, 0.3, 1.5, 9.81), 0.0076452599, 1e-7},
        {"VelocityFromSlope", VelocityFromSlope(9.81, 0.0076452599, 0.3, 0.02), 1.5, 1e-7},
        {"RoughnessFromLambda", RoughnessFromLambda(0.025, 2e5, 0.3), 0.00067763779, 1e-7},
        {"DiameterFromLambdaSlopeVelocity", DiameterFromLambdaSlopeVelocity(0.02, 0.005, 1.5, 9.81),
         0.45871560, 1e-7},
        {"DiameterFromLambdaSlopeFlow", DiameterFromLambdaSlopeFlow(0.02, 0.005, 0.05, 9.81), 0.24178216,
         1e-7},
        {"DiameterFromReynoldsVelocity", DiameterFromReynoldsVelocity(1e5, 1.31e-6, 1.0), 0.131, 1e-12},
        {"DiameterFromReynoldsFlow", DiameterFromReynoldsFlow(1e5, 1.31e-6, 0.05), 0.48596929, 1e-7},
        {"DiameterFromFlowVelocity", DiameterFromFlowVelocity(0.05, 1.0), 0.25231325, 1e-7},
        {"PartialFlowRatio", PartialFlowRatio(1.0, 0.3), 0.19972181, 1e-7},
        {"PartialVelocityRatio", PartialVelocityRatio(1.0, 0.3), 0.79889234, 1e-7},
        {"PartialHeightFromFlow", PartialHeightFromFlow(1.0, 0.3), 0.37774243, 1e-7},
        {"PartialHeightFromVelocity", PartialHeightFromVelocity(1.0, 0.8), 0.29056456, 1e-7},
        {"SurfaceWidth", SurfaceWidth(2.4, 0.05), 0.68556546, 1e-7},
        {"Colebrook-White iteration", friction.LambdaIterative(100000, 0.001, 1.0), 0.02216546, 1e-7},
        {"LambdaFromSlope", friction.LambdaFromSlope(0.00075, 0.005, 1.31e-6, 9.81, 0.3), 0.025484160, 1e-7},
        {"LambdaFromDarcy", friction.LambdaFromDarcy(0.005, 9.81, 1.0746325, 0.3), 0.025484160, 1e-7},
        {"CircularSection full velocity", sewer.FullVelocity(), 1.0746325, 1e-7},
        {"CircularSection Qt/Q at 0.25", sewer.Ratios(0.25).flow, 0.13810181, 1e-7},
        {"CircularSection vt/v at 0.25", sewer.Ratios(0.25).velocity, 0.70639910, 1e-7},
        {"CircularSection peak of Qt/Q", sewer.FlowPeak().ratio, 1.0719466, 1e-7},
        {"CircularSection filling of that peak", sewer.FlowPeak().filling, 0.93981, 1e-5},
        {"CircularSection peak of vt/v", sewer.VelocityPeak().ratio, 1.1346014, 1e-7},
        {"CircularSection filling of that peak", sewer.VelocityPeak().filling, 0.81280, 1e-5},
    };
    for (const WorkedExample& e : examples) {
        EXPECT_NEAR(e.value, e.expected, e.relative * e.expected) << e.formula;
    }
}

// The largest absolute deviations of the cubic fits from the exact section, as Formulas.h states them,
// over 0 < x < 0.83 in steps of 0.0001 for its three pipes; the inverse of vt/v on the branch below the
// velocity peak only.
TEST(LiteratureTest, CubicFitsDeviateFromTheExactSectionAsStated) {
    using namespace hydraulics;
    const PipeAtSlope pipes[] = {
        {0.3, 0.00075, 1.31e-6, 9.81, 0.005},
        {2.4, 0.0001, 1.0e-6, 9.81, 0.0002},
        {0.1, 0.003, 1.8e-6, 9.81, 0.1},
    };
    double flow = 0, velocity = 0, heightFromFlow = 0, heightFromVelocity = 0;
    double flowAbove = 0, velocityAbove = 0, heightFromFlowAbove = 0;  // from x = 0.1
    for (const PipeAtSlope& pipe : pipes) {
        const CircularSection section(pipe);
        for (int i = 1; i < 8300; ++i) {
            const double x = i / 10000.0;
            const FillingRatios exact = section.Ratios(x);
            const double flowError = std::fabs(PartialFlowRatio(1, x) - exact.flow);
            const double velocityError = std::fabs(PartialVelocityRatio(1, x) - exact.velocity);
            const double heightError = std::fabs(PartialHeightFromFlow(1, exact.flow) - x);
            flow = std::max(flow, flowError);
            velocity = std::max(velocity, velocityError);
            heightFromFlow = std::max(heightFromFlow, heightError);
            if (x <= 0.81)
                heightFromVelocity =
                    std::max(heightFromVelocity, std::fabs(PartialHeightFromVelocity(1, exact.velocity) - x));
            if (x >= 0.1) {
                flowAbove = std::max(flowAbove, flowError);
                velocityAbove = std::max(velocityAbove, velocityError);
                heightFromFlowAbove = std::max(heightFromFlowAbove, heightError);
            }
        }
    }
    EXPECT_NEAR(flow, 0.0150, 0.00005);
    EXPECT_NEAR(velocity, 0.114, 0.0005);
    EXPECT_NEAR(heightFromFlow, 0.074, 0.0005);
    EXPECT_NEAR(heightFromVelocity, 0.068, 0.0005);
    EXPECT_NEAR(flowAbove, 0.0150, 0.00005);
    EXPECT_NEAR(velocityAbove, 0.043, 0.0005);
    EXPECT_NEAR(heightFromFlowAbove, 0.021, 0.0005);
}

}  // namespace
