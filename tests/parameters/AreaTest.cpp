// Entering A: di follows from the area, and the area dialog decides whether Q or v follows too.
#include <string>
#include <vector>

#include "form/model/AdjustDialogs.h"
#include "parameters/FormFixture.h"

namespace {

using form_testing::FormTest;

constexpr double kQuarterPi = 0.7853981633974483;

// Full filling, di 0.1 m, Q 10 l/s, v = 4Q/(π di²); the user enters the area of di ≈ 0.2 m.
class AreaTest : public FormTest {
  protected:
    void SetUp() override {
        doc.SetFullFilling(true);
        doc.SetDi(0.1);
        doc.SetQ(0.01);
        doc.SetV(1.2732395447351628);
        doc.SetNy(1e-6);
        Show(IDC_A, 0.007853981633974483);
    }
    static constexpr double kNewDi = 0.19999991553359567;  // √(0.0314159 · 4/π)
};

TEST_F(AreaTest, AdaptingVelocityKeepsFlow) {
    Answer(CAdjustAreaDlg::ADAPT_V);
    Enter(IDC_A, "0.0314159");
    EXPECT_EQ(Lines(), std::vector<std::string>{"dialog 105 2"});
    EXPECT_EQ(Text(IDC_DI), "199.999916");
    EXPECT_NEAR(doc.GetDi(), 0.2, 1e-6);
    EXPECT_DOUBLE_EQ(doc.GetQ(), 0.01);
    EXPECT_EQ(Text(IDC_Q_LS), "10.000000");
    EXPECT_EQ(Text(IDC_Q_M3H), "36.000000");
    EXPECT_NEAR(doc.GetV(), 4 * 0.01 / (3.141592653589793 * 0.04), 1e-6);
    EXPECT_EQ(Text(IDC_V), "0.318310");
    EXPECT_NEAR(doc.GetRe(), kNewDi * doc.GetV() / 1e-6, 1e-6);
    EXPECT_EQ(Text(IDC_RE), "63662.004123");
}

TEST_F(AreaTest, AdaptingFlowKeepsVelocity) {
    Answer(CAdjustAreaDlg::ADAPT_Q);
    Enter(IDC_A, "0.0314159");
    EXPECT_DOUBLE_EQ(doc.GetV(), 1.2732395447351628);
    EXPECT_EQ(Text(IDC_V), "1.273240");
    EXPECT_NEAR(doc.GetQ(), kNewDi * kNewDi * 1.2732395447351628 * kQuarterPi, 1e-15);
    EXPECT_EQ(Text(IDC_Q_LS), "39.999966");
    EXPECT_EQ(Text(IDC_Q_M3H), "143.999878");
    EXPECT_EQ(Text(IDC_RE), "254647.801401");
}

TEST_F(AreaTest, DiChangeReactionShowsAreaOfNewDi) {
    Answer(CAdjustAreaDlg::ADAPT_V);
    Enter(IDC_A, "0.0314159");
    EXPECT_EQ(Text(IDC_A), "0.031416");
}

TEST_F(AreaTest, WithoutFlowNoDialogAndVelocityGoes) {
    doc.SetQ(0);
    Enter(IDC_A, "0.0314159");
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(Text(IDC_DI), "199.999916");
    // The di change reaction zeroes v, Q and Re.
    EXPECT_EQ(doc.GetV(), 0);
    EXPECT_EQ(Text(IDC_V), "");
}

// In partial filling the area is no input: the field shows the pipe's area again, without a word.
TEST_F(AreaTest, PartialFillingShowsThePipesArea) {
    doc.SetFullFilling(false);
    Enter(IDC_A, "0.0314159");
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(Text(IDC_A), "0.007854");
    EXPECT_DOUBLE_EQ(doc.GetDi(), 0.1);
    EXPECT_DOUBLE_EQ(doc.GetV(), 1.2732395447351628);
    EXPECT_EQ(Text(IDC_DI), "");
}

TEST_F(AreaTest, DiSoughtChangesNothing) {
    doc.SetSought(SOUGHT_DI);
    Enter(IDC_A, "0.0314159");
    EXPECT_TRUE(Lines().empty());
    EXPECT_DOUBLE_EQ(doc.GetDi(), 0.1);
    EXPECT_EQ(Text(IDC_DI), "");
}

TEST_F(AreaTest, AreaOfTheStoredDiChangesNothing) {
    doc.SetDi(0.2);
    Enter(IDC_A, "0.0314159");
    EXPECT_TRUE(Lines().empty());
    EXPECT_DOUBLE_EQ(doc.GetDi(), 0.2);
}

// An area that is not positive is no area: di is cleared like for 0, never shown as "nan".
class AreaNotPositive : public AreaTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(AreaNotPositive, ClearsDiWithoutDialog) {
    Enter(IDC_A, GetParam());
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(doc.GetDi(), 0);
    EXPECT_EQ(Text(IDC_DI), "");
}

INSTANTIATE_TEST_SUITE_P(Entries, AreaNotPositive, ::testing::Values("0", "", "-0.5"));

}  // namespace
