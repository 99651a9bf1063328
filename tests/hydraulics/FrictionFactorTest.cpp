#include "hydraulics/FrictionFactor.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "ColebrookReference.h"
#include "hydraulics/Formulas.h"
#include "platform/Prompt.h"
#include "platform/headless/RecordingPrompt.h"
#include "platform/headless/Transcript.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

class FrictionFactorTest : public ::testing::Test {
  protected:
    headless::Transcript transcript;
    headless::RecordingPrompt prompt{transcript};
    platform::ScopedPrompt scopedPrompt{prompt};
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
    EXPECT_EQ(friction.LambdaIterative(100000, 0.0001, 0.1), result.lambda);
    EXPECT_TRUE(prompt.Messages().empty());
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
    EXPECT_TRUE(prompt.Messages().empty());
}

TEST_F(FrictionFactorTest, HundredthStepShowsTheMessageEvenWhenItMeetsTheTolerance) {
    // At Re = 7 the fixed point contracts so slowly that the step count can be tuned by k.
    const hydraulics::ColebrookIteration last = friction.Iterate(7, 0.01906, 0.1);
    ASSERT_EQ(last.steps, 100);
    ASSERT_TRUE(last.converged);
    EXPECT_EQ(friction.LambdaIterative(7, 0.01906, 0.1), last.lambda);
    EXPECT_EQ(prompt.MessageTexts(),
              std::vector<std::string>{
                  "Fehler: Lambda konvergiert nicht!  Re: 7, K: 0.019060, di: 100, Counter: 100"});

    const hydraulics::ColebrookIteration justInTime = friction.Iterate(7, 0.01935, 0.1);
    ASSERT_EQ(justInTime.steps, 99);
    ASSERT_TRUE(justInTime.converged);
    friction.LambdaIterative(7, 0.01935, 0.1);
    EXPECT_EQ(prompt.Messages().size(), 1u);
}

struct HostileInput {
    int Re;
    double k;
    double di;
    const char* message;  // nullptr: the iteration converges and shows nothing
};

TEST_F(FrictionFactorTest, AnyInputEndsWithinTheStepLimitAndReportsNonConvergenceOnce) {
    const HostileInput inputs[] = {
        {0, 0.0001, 0.1, "Fehler: Lambda konvergiert nicht!  Re: 0, K: 0.000100, di: 100, Counter: 100"},
        {1, 0.0, 0.1, "Fehler: Lambda konvergiert nicht!  Re: 1, K: 0.000000, di: 100, Counter: 100"},
        {100000, 0.0, 0.0, "Fehler: Lambda konvergiert nicht!  Re: 100000, K: 0.000000, di: 0, Counter: 100"},
        {100000, -0.01, 0.1,
         "Fehler: Lambda konvergiert nicht!  Re: 100000, K: -0.010000, di: 100, Counter: 100"},
        {100000, 0.0001, -0.1,
         "Fehler: Lambda konvergiert nicht!  Re: 100000, K: 0.000100, di: -100, Counter: 100"},
        {2350, 0.5, 0.1, "Fehler: Lambda konvergiert nicht!  Re: 2350, K: 0.500000, di: 100, Counter: 100"},
        {100000, kNaN, 0.1, "Fehler: Lambda konvergiert nicht!  Re: 100000, K: nan, di: 100, Counter: 100"},
        {100000, kInf, 0.1, "Fehler: Lambda konvergiert nicht!  Re: 100000, K: inf, di: 100, Counter: 100"},
        // di in mm saturates to the int range, NaN shows as 0.
        {100000, 0.0001, kNaN,
         "Fehler: Lambda konvergiert nicht!  Re: 100000, K: 0.000100, di: 0, Counter: 100"},
        {100000, kNaN, 1e300,
         "Fehler: Lambda konvergiert nicht!  Re: 100000, K: nan, di: 2147483647, Counter: 100"},
        {100000, kNaN, -kInf,
         "Fehler: Lambda konvergiert nicht!  Re: 100000, K: nan, di: -2147483648, Counter: 100"},
        {-100000, 0.0001, 0.1, nullptr},
        {INT_MAX, 0.0, 0.1, nullptr},
        {INT_MIN, 0.0001, 0.1, nullptr},
        {100000, 0.0001, kInf, nullptr},
    };
    for (const HostileInput& input : inputs) {
        SCOPED_TRACE(testing::Message() << "Re " << input.Re << ", k " << input.k << ", di " << input.di);
        const hydraulics::ColebrookIteration result = friction.Iterate(input.Re, input.k, input.di);
        EXPECT_GE(result.steps, 1);
        EXPECT_LE(result.steps, hydraulics::kColebrookMaxSteps);
        const size_t before = prompt.Messages().size();
        friction.LambdaIterative(input.Re, input.k, input.di);
        if (input.message) {
            ASSERT_EQ(prompt.Messages().size(), before + 1);
            EXPECT_EQ(prompt.Messages().back().text, input.message);
        } else {
            EXPECT_EQ(prompt.Messages().size(), before);
        }
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
