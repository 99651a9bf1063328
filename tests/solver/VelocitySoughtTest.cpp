#include <cmath>

#include "hydraulics/Formulas.h"
#include "hydraulics/FrictionFactor.h"
#include "platform/Number.h"
#include "tests/solver/SolverFixture.h"

namespace solver_test {
namespace {

constexpr double kK = 0.0001;
constexpr double kG = 9.81;

// The velocity law as the solver evaluates it for the slope I.
double VelocityAt(double I, double di, double ny) {
    const double lambda = CFrictionFactor().LambdaFromSlope(kK, I, ny, kG, di);
    return hydraulics::VelocityFromSlope(kG, I, di, lambda);
}

// The smallest slope whose velocity is at least v (the velocity rises with the slope).
double SlopeFor(double v, double di, double ny) {
    double low = 0.0001, high = 100;
    for (int i = 0; i < 200; ++i) {
        const double middle = 0.5 * (low + high);
        (VelocityAt(middle, di, ny) < v ? low : high) = middle;
    }
    return high;
}

// A slope whose velocity is v exactly, if the doubles next to the bisection's result hold one; else 0.
double ExactSlopeFor(double v, double di, double ny) {
    double I = SlopeFor(v, di, ny);
    for (int step = 0; step < 64 && VelocityAt(I, di, ny) >= v; ++step) {
        if (VelocityAt(I, di, ny) == v)
            return I;
        I = std::nextafter(I, 0.0);
    }
    return 0;
}

class VelocitySought : public SolverTest {
  protected:
    VelocitySought() {
        doc.SetSought(SOUGHT_VQ);
        SetWater();
        doc.SetDi(0.1);
        doc.SetK(kK);
        doc.SetI(0.0113);
    }
};

TEST_F(VelocitySought, TypicalCalculationGivesVQAndRe) {
    Calculate();

    EXPECT_TRUE(Messages().empty());
    EXPECT_NEAR(doc.GetV(), 1.0, 0.02);
    EXPECT_NEAR(doc.GetQ(), hydraulics::FlowFromVelocity(0.1, doc.GetV()), 1e-15);
    EXPECT_NEAR(doc.GetRe(), doc.GetV() * 0.1 / doc.GetNy(), 1e-6);
    EXPECT_EQ(Text(IDC_V), platform::Format("%f", doc.GetV()));
    EXPECT_EQ(Text(IDC_Q_LS), platform::Format("%f", doc.GetQ() * 1000));
    EXPECT_EQ(Text(IDC_Q_M3H), platform::Format("%f", doc.GetQ() * 3600));
    EXPECT_EQ(Text(IDC_RE), platform::Format("%f", doc.GetRe()));
    EXPECT_EQ(Text(IDC_LAMBDA), platform::Format("%f", doc.GetLambda()));
    EXPECT_EQ(MarkedFields(), (std::vector<int>{IDC_V, IDC_Q_M3H, IDC_Q_LS}));
    EXPECT_TRUE(doc.IsCalculated());
}

TEST_F(VelocitySought, DiameterOfTenMillimetresGivesNoFlow) {
    doc.SetDi(0.01);
    doc.SetQ(0.5);
    doc.SetRe(1234);
    Preset(IDC_Q_LS, "500.000000");
    Preset(IDC_RE, "1234.000000");
    doc.SetI(SlopeFor(1.0, 0.01, doc.GetNy()));
    Calculate();

    EXPECT_TRUE(Messages().empty());
    EXPECT_NEAR(doc.GetV(), 1.0, 1e-9);
    EXPECT_EQ(doc.GetQ(), 0.5);
    EXPECT_EQ(doc.GetRe(), 1234);
    EXPECT_EQ(Text(IDC_Q_LS), "500.000000");
    EXPECT_EQ(Text(IDC_RE), "1234.000000");
    EXPECT_EQ(MarkedFields(), (std::vector<int>{IDC_V, IDC_Q_M3H, IDC_Q_LS}));
    EXPECT_TRUE(doc.IsCalculated());
}

TEST_F(VelocitySought, FifteenMetresPerSecondIsAccepted) {
    // Not every diameter has a slope that hits 15 m/s to the last bit; try a few.
    double di = 0.1;
    double I = 0;
    while ((I = ExactSlopeFor(15.0, di, doc.GetNy())) == 0 && di < 0.2) di += 0.001;
    ASSERT_NE(I, 0) << "no slope gives 15 m/s exactly";
    doc.SetDi(di);
    doc.SetI(I);
    Calculate();

    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(doc.GetV(), 15.0);
    EXPECT_EQ(Text(IDC_V), "15.000000");
    EXPECT_TRUE(doc.IsCalculated());
}

// Out of range: the message names the velocity, v and Q stay as they were, only λ is stored.
struct OutOfRange {
    const char* name;
    double v;
    double di;
};

class VelocityOutOfRange : public VelocitySought, public ::testing::WithParamInterface<OutOfRange> {};

TEST_P(VelocityOutOfRange, LeavesVAndQAsTheyWere) {
    doc.SetV(0.7);
    doc.SetQ(0.0055);
    Preset(IDC_V, "0.700000");
    doc.SetDi(GetParam().di);
    doc.SetI(SlopeFor(GetParam().v, GetParam().di, doc.GetNy()));
    const double v = VelocityAt(doc.GetI(), GetParam().di, doc.GetNy());
    ASSERT_NEAR(v, GetParam().v, 1e-9);
    Calculate();

    EXPECT_EQ(Messages(), std::vector<std::string>{
                              platform::Format("v liegt außerhalb der Berechnungsgrenzen: (%f)[m/s]", v)});
    EXPECT_EQ(doc.GetV(), 0.7);
    EXPECT_EQ(doc.GetQ(), 0.0055);
    EXPECT_EQ(Text(IDC_V), "0.700000");
    EXPECT_EQ(Text(IDC_Q_LS), "");
    EXPECT_GT(doc.GetLambda(), 0);
    EXPECT_EQ(Text(IDC_LAMBDA), platform::Format("%f", doc.GetLambda()));
    EXPECT_TRUE(MarkedFields().empty());
    EXPECT_FALSE(doc.IsCalculated());
}

INSTANTIATE_TEST_SUITE_P(Limits, VelocityOutOfRange,
                         ::testing::Values(OutOfRange{"JustAboveFifteen", 15.0001, 0.1},
                                           OutOfRange{"BelowFiveCentimetresPerSecond", 0.049, 0.01}),
                         [](const auto& info) { return std::string(info.param.name); });

// A negative viscosity makes the logarithm's argument negative: λ and v are NaN, and NaN fails the test.
TEST_F(VelocitySought, NaNVelocityFailsTheRangeTest) {
    doc.SetNy(-0.001);
    doc.SetI(0.01);
    Calculate();

    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].rfind("v liegt außerhalb der Berechnungsgrenzen: (", 0), 0u);
    EXPECT_NE(Messages()[0].find("(nicht berechenbar)[m/s]"), std::string::npos);
    EXPECT_EQ(doc.GetV(), 0);
    EXPECT_FALSE(doc.IsCalculated());
}

}  // namespace
}  // namespace solver_test
