#include "hydraulics/FrictionFactor.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "ColebrookReference.h"
#include "hydraulics/Formulas.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

class FrictionFactorTest : public ::testing::Test {
  protected:
    CFrictionFactor friction;
};

// Log-spaced values from first to last, both included.
std::vector<double> LogGrid(double first, double last, int count) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i) values.push_back(first * std::pow(last / first, double(i) / (count - 1)));
    return values;
}

TEST_F(FrictionFactorTest, WorkedExampleConvergesInSixStepsFromStartValueTakenAsInverseRootLambda) {
    const hydraulics::ColebrookIteration result = friction.Iterate(100000, 0.0001, 0.1);
    EXPECT_EQ(result.steps, 6);
    EXPECT_TRUE(result.converged);
    EXPECT_NEAR(result.lambda, 0.02217, 0.00001);
    EXPECT_FALSE(result.ReachedStepLimit());
    EXPECT_EQ(friction.LambdaIterative(100000, 0.0001, 0.1), result.lambda);
}

TEST_F(FrictionFactorTest, IterationMatchesBisectionOverTheWholeCalculationRange) {
    const double di = 0.25;
    for (double reynolds : LogGrid(2350, 5.7e7, 41)) {
        const int Re = hydraulics::TruncateToInt(reynolds);
        for (double relativeRoughness : LogGrid(1e-6, 0.05, 26)) {
            const double exact = hydraulics_test::ColebrookLambdaByBisection(Re, relativeRoughness);
            const hydraulics::ColebrookIteration result = friction.Iterate(Re, relativeRoughness * di, di);
            EXPECT_TRUE(result.converged) << "Re " << Re << ", k/di " << relativeRoughness;
            EXPECT_LT(result.steps, hydraulics::kColebrookMaxSteps);
            EXPECT_LT(std::fabs(result.lambda - exact) / exact, 1e-5)
                << "Re " << Re << ", k/di " << relativeRoughness;
        }
    }
}

TEST_F(FrictionFactorTest, HundredthStepReachesTheStepLimitEvenWhenItMeetsTheTolerance) {
    // At Re = 7 the fixed point contracts so slowly that the step count can be tuned by k.
    const hydraulics::ColebrookIteration last = friction.Iterate(7, 0.01906, 0.1);
    ASSERT_EQ(last.steps, 100);
    ASSERT_TRUE(last.converged);
    EXPECT_TRUE(last.ReachedStepLimit());
    EXPECT_EQ(friction.LambdaIterative(7, 0.01906, 0.1), last.lambda);

    const hydraulics::ColebrookIteration justInTime = friction.Iterate(7, 0.01935, 0.1);
    ASSERT_EQ(justInTime.steps, 99);
    ASSERT_TRUE(justInTime.converged);
    EXPECT_FALSE(justInTime.ReachedStepLimit());
}

struct HostileInput {
    int Re;
    double k;
    double di;
    bool reachesStepLimit;  // false: the iteration converges within the limit
};

TEST_F(FrictionFactorTest, AnyInputEndsWithinTheStepLimit) {
    const HostileInput inputs[] = {
        {0, 0.0001, 0.1, true},      {1, 0.0, 0.1, true},           {100000, 0.0, 0.0, true},
        {100000, -0.01, 0.1, true},  {100000, 0.0001, -0.1, true},  {2350, 0.5, 0.1, true},
        {100000, kNaN, 0.1, true},   {100000, kInf, 0.1, true},     {100000, 0.0001, kNaN, true},
        {100000, kNaN, 1e300, true}, {100000, kNaN, -kInf, true},   {-100000, 0.0001, 0.1, false},
        {INT_MAX, 0.0, 0.1, false},  {INT_MIN, 0.0001, 0.1, false}, {100000, 0.0001, kInf, false},
    };
    for (const HostileInput& input : inputs) {
        SCOPED_TRACE(testing::Message() << "Re " << input.Re << ", k " << input.k << ", di " << input.di);
        const hydraulics::ColebrookIteration result = friction.Iterate(input.Re, input.k, input.di);
        EXPECT_GE(result.steps, 1);
        EXPECT_LE(result.steps, hydraulics::kColebrookMaxSteps);
        EXPECT_EQ(result.ReachedStepLimit(), input.reachesStepLimit);
    }
}

struct TruncateCase {
    double value;
    int whole;
};

TEST(TruncateToIntTest, TruncatesTowardZeroAndSaturatesOutsideTheIntRange) {
    const TruncateCase cases[] = {
        {100000.9, 100000},
        {-2.7, -2},
        {0.9999, 0},
        {-0.5, 0},
        {2147483646.9, 2147483646},
        {2147483647.5, INT_MAX},
        {1e10, INT_MAX},
        {kInf, INT_MAX},
        {-2147483648.0, INT_MIN},
        {-2147483648.9, INT_MIN},
        {-1e10, INT_MIN},
        {-kInf, INT_MIN},
        {kNaN, 0},
    };
    for (const TruncateCase& c : cases) EXPECT_EQ(hydraulics::TruncateToInt(c.value), c.whole) << c.value;
}

// Pipes given by v, di, k, ν and g; λ follows from Colebrook-White, I from Darcy-Weisbach.
struct Pipe {
    double v;
    double di;
    double k;
    double ny;
    double g;
};

TEST_F(FrictionFactorTest, ExplicitFormsReproduceTheColebrookFactor) {
    const Pipe pipes[] = {
        {1.0, 0.1, 0.0001, 1.309e-6, 9.81},
        {0.05, 0.05, 0.000001, 1.0e-6, 9.81},
        {15.0, 5.0, 0.05, 1.8e-6, 9.81},
        {2.5, 0.4, 0.001, 1.3e-6, 1.62},
    };
    for (const Pipe& p : pipes) {
        const double Re = hydraulics::Reynolds(p.v, p.di, p.ny);
        const double lambda = hydraulics_test::ColebrookLambdaByBisection(Re, p.k / p.di);
        const double I = hydraulics::SlopeFromLambda(lambda, p.di, p.v, p.g);
        EXPECT_NEAR(friction.LambdaFromSlope(p.k, I, p.ny, p.g, p.di) / lambda, 1.0, 1e-12) << "di " << p.di;
        EXPECT_NEAR(friction.LambdaFromDarcy(I, p.g, p.v, p.di) / lambda, 1.0, 1e-12) << "di " << p.di;
    }
}

}  // namespace
