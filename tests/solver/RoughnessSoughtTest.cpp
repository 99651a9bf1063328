#include <cmath>

#include "platform/Number.h"
#include "tests/solver/SolverFixture.h"

namespace solver_test {
namespace {

class RoughnessSought : public SolverTest {
  protected:
    RoughnessSought() {
        doc.SetSought(SOUGHT_K);
        doc.SetDi(0.1);
        doc.SetG(9.81);
        doc.SetI(0.0113);
        doc.SetV(1);
        doc.SetRe(100000);
        doc.SetK(0.0001);
        Preset(IDC_K, "0.100000");
    }
};

// Showing k runs the k field's change reaction, which stores the six-decimal k; the exact k follows.
TEST_F(RoughnessSought, StoresTheExactRoughnessAfterShowingIt) {
    Calculate();

    EXPECT_TRUE(Messages().empty());
    EXPECT_NEAR(doc.GetLambda(), 2 * 0.0113 * 9.81 * 0.1, 1e-15);
    EXPECT_NEAR(doc.GetK(), 0.000100153, 1e-9);
    EXPECT_EQ(Text(IDC_K), "0.100153");
    EXPECT_NE(doc.GetK(), Number(IDC_K) * 0.001);
    EXPECT_EQ(MarkedFields(), std::vector<int>{IDC_K});
    EXPECT_TRUE(doc.IsCalculated());
}

// The input check of k does not look at Re: with Re = 0 the roughness is -infinite.
TEST_F(RoughnessSought, ZeroReynoldsNumberGivesNoRoughness) {
    doc.SetRe(0);
    Calculate();

    EXPECT_EQ(Messages(),
              std::vector<std::string>{"k liegt außerhalb der Berechnungsgrenzen: (nicht berechenbar)[mm]"});
    EXPECT_EQ(doc.GetK(), 0.0001);
    EXPECT_EQ(Text(IDC_K), "0.100000");
    EXPECT_EQ(Text(IDC_LAMBDA), platform::Format("%f", doc.GetLambda()));
    EXPECT_TRUE(MarkedFields().empty());
    EXPECT_FALSE(doc.IsCalculated());
}

TEST_F(RoughnessSought, RoughnessAboveFiftyMillimetresIsReported) {
    doc.SetV(0.1);
    doc.SetI(0.1);
    Calculate();

    const double lambda = 2 * 0.1 * 9.81 * 0.1 / 0.01;
    const double k =
        3.71 * 0.1 * (std::pow(10.0, -1 / (2 * std::sqrt(lambda))) - 2.51 / (1e5 * std::sqrt(lambda)));
    ASSERT_GT(k, 0.05);
    EXPECT_EQ(Messages(), std::vector<std::string>{platform::Format(
                              "k liegt außerhalb der Berechnungsgrenzen: (%f)[mm]", k * 1000)});
    EXPECT_EQ(doc.GetK(), 0.0001);
    EXPECT_FALSE(doc.IsCalculated());
}

}  // namespace
}  // namespace solver_test
