#include <cmath>

#include "hydraulics/FrictionFactor.h"
#include "platform/Number.h"
#include "tests/solver/SolverFixture.h"

namespace solver_test {
namespace {

class SlopeSought : public SolverTest {
  protected:
    SlopeSought() {
        doc.SetSought(SOUGHT_J);
        doc.SetV(1);
        doc.SetDi(0.1);
        doc.SetK(0.0001);
        doc.SetG(9.81);
        doc.SetRe(100000);
    }
};

TEST_F(SlopeSought, TypicalCalculationShowsAndMarksJ) {
    Calculate();

    EXPECT_TRUE(Messages().empty());
    EXPECT_NEAR(doc.GetLambda(), 0.02217, 0.00001);
    EXPECT_NEAR(doc.GetI(), 0.0113, 0.0001);
    EXPECT_NEAR(Number(IDC_J), 11.3, 0.05);
    EXPECT_NEAR(Number(IDC_J), doc.GetI() * 1000, 1e-6);
    EXPECT_NEAR(Number(IDC_LAMBDA), doc.GetLambda(), 1e-6);
    EXPECT_EQ(Text(IDC_RE), "100000.000000");
    EXPECT_EQ(MarkedFields(), std::vector<int>{IDC_J});
    EXPECT_TRUE(doc.IsCalculated());
}

TEST_F(SlopeSought, IterationReceivesTheWholePartOfRe) {
    doc.SetRe(100000.9);
    Calculate();

    EXPECT_EQ(doc.GetLambda(), CFrictionFactor().LambdaIterative(100000, 0.0001, 0.1));
    EXPECT_NE(doc.GetLambda(), CFrictionFactor().LambdaIterative(100001, 0.0001, 0.1));
    EXPECT_EQ(Text(IDC_RE), "100000.900000");  // the stored Re is shown, not its whole part
    EXPECT_DOUBLE_EQ(doc.GetRe(), 100000.9);
}

// Re below 1 passes the input check but truncates to 0: the iteration yields NaN, and the NaN slope
// fails its range test although it is neither below 0 nor above 250. No value that is not a number is
// stored: λ and I are stored as not given.
TEST_F(SlopeSought, NaNSlopeFailsTheRangeTest) {
    doc.SetRe(0.5);
    Calculate();

    const std::vector<std::string> messages = Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].rfind("Fehler: Lambda konvergiert nicht!", 0), 0u);
    EXPECT_EQ(messages[1].rfind("I liegt außerhalb der Berechnungsgrenzen: (", 0), 0u);
    EXPECT_NE(messages[1].find("(nicht berechenbar)"), std::string::npos);
    EXPECT_EQ(doc.GetI(), 0);
    EXPECT_EQ(doc.GetLambda(), 0);
    EXPECT_TRUE(MarkedFields().empty());
    EXPECT_FALSE(doc.IsCalculated());
}

// At Re = 7 the iteration meets its tolerance exactly in its 100th step (k = 0.01906 m) or in its 99th
// (k = 0.01935 m): only the step limit draws the message, converged or not, and the solve goes on.
TEST_F(SlopeSought, StepLimitDrawsTheMessageBeforeLambdaIsShown) {
    doc.SetRe(7);
    doc.SetK(0.01906);
    Calculate();
    EXPECT_EQ(Messages(),
              std::vector<std::string>{
                  "Fehler: Lambda konvergiert nicht!  Re: 7, K: 0.019060, di: 100, Counter: 100"});
    EXPECT_EQ(doc.GetLambda(), CFrictionFactor().LambdaIterative(7, 0.01906, 0.1));
    EXPECT_FALSE(Text(IDC_J).empty());

    doc.SetK(0.01935);
    Calculate();
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(SlopeSought, SlopeAboveTheLimitIsShownAndStoredButNotMarked) {
    doc.SetDi(0.0001);
    doc.SetV(100);
    doc.SetRe(10000);
    Calculate();

    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_GT(doc.GetI(), 250);
    EXPECT_EQ(Messages()[0], platform::Format("I liegt außerhalb der Berechnungsgrenzen: (%f)", doc.GetI()));
    EXPECT_EQ(Text(IDC_J), platform::ShownNumber(doc.GetI() * 1000));
    EXPECT_FALSE(Text(IDC_LAMBDA).empty());
    EXPECT_TRUE(MarkedFields().empty());
    EXPECT_FALSE(doc.IsCalculated());
}

TEST_F(SlopeSought, RejectedInputShowsOnlyTheCheckMessage) {
    doc.SetV(0);
    doc.SetDi(0);
    Calculate();

    EXPECT_EQ(Messages(), std::vector<std::string>{"Der Wert für v ist mit <0.000> ungültig"});
    EXPECT_EQ(Text(IDC_RE), "");
    EXPECT_EQ(Text(IDC_LAMBDA), "");
    EXPECT_EQ(Text(IDC_J), "");
    EXPECT_EQ(doc.GetI(), 0);
    EXPECT_FALSE(doc.IsCalculated());
}

}  // namespace
}  // namespace solver_test
