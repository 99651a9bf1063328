// Entering λ: stored as typed; with di sought it replaces Re and may ask which of Q and v to zero.
#include <string>
#include <vector>

#include "form/model/AdjustDialogs.h"
#include "parameters/FormFixture.h"

namespace {

using form_testing::FormTest;

class LambdaTest : public FormTest {
  protected:
    void SetUp() override {
        doc.SetQ(0.01);
        doc.SetV(1);
        doc.SetRe(100000);
        doc.SetLambda(0.03);
        for (int id : {IDC_Q_LS, IDC_Q_M3H, IDC_V, IDC_RE}) Show(id, 1);
    }
};

TEST_F(LambdaTest, SlopeSoughtOnlyStores) {
    Enter(IDC_LAMBDA, "0.02");
    EXPECT_DOUBLE_EQ(doc.GetLambda(), 0.02);
    EXPECT_DOUBLE_EQ(doc.GetRe(), 100000);
    EXPECT_TRUE(Lines().empty());
}

TEST_F(LambdaTest, EmptyOrUnchangedEntryKeepsStoredLambda) {
    doc.SetSought(SOUGHT_DI);
    for (const char* typed : {"", "0.030009"}) {
        SCOPED_TRACE(typed);
        Enter(IDC_LAMBDA, typed);
        EXPECT_DOUBLE_EQ(doc.GetLambda(), 0.03);
        EXPECT_DOUBLE_EQ(doc.GetRe(), 100000);
    }
    EXPECT_TRUE(Lines().empty());
}

struct ZeroChoiceCase {
    int answer;  // 0: close box
    std::string line;
    bool flowZeroed;
};

class LambdaDiSought : public LambdaTest, public ::testing::WithParamInterface<ZeroChoiceCase> {
  protected:
    void SetUp() override {
        LambdaTest::SetUp();
        doc.SetSought(SOUGHT_DI);
    }
};

TEST_P(LambdaDiSought, ClearsReAndZeroesTheChoice) {
    const ZeroChoiceCase& c = GetParam();
    if (c.answer)
        Answer(c.answer);
    Enter(IDC_LAMBDA, "0.02");
    EXPECT_EQ(Lines(), std::vector<std::string>{c.line});
    EXPECT_EQ(doc.GetRe(), 0);
    EXPECT_EQ(Text(IDC_RE), "");
    EXPECT_DOUBLE_EQ(doc.GetLambda(), 0.02);
    EXPECT_EQ(Text(IDC_LAMBDA), "0.020000");
    EXPECT_EQ(doc.GetQ() == 0, c.flowZeroed);
    EXPECT_EQ(Text(IDC_Q_LS).empty(), c.flowZeroed);
    EXPECT_EQ(Text(IDC_Q_M3H).empty(), c.flowZeroed);
    EXPECT_EQ(doc.GetV() == 0, !c.flowZeroed);
    EXPECT_EQ(Text(IDC_V).empty(), !c.flowZeroed);
}

INSTANTIATE_TEST_SUITE_P(Choices, LambdaDiSought,
                         ::testing::Values(ZeroChoiceCase{CZeroQvDlg::ZERO_Q, "dialog 106 1", true},
                                           ZeroChoiceCase{CZeroQvDlg::ZERO_V, "dialog 106 2", false}));

TEST_F(LambdaTest, DiSoughtWithoutVelocityClearsReOnly) {
    doc.SetSought(SOUGHT_DI);
    doc.SetV(0);
    Enter(IDC_LAMBDA, "0.02");
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(doc.GetRe(), 0);
    EXPECT_DOUBLE_EQ(doc.GetQ(), 0.01);
}

TEST_F(LambdaTest, DiSoughtWithZeroLambdaKeepsRe) {
    doc.SetSought(SOUGHT_DI);
    Enter(IDC_LAMBDA, "0");
    EXPECT_EQ(doc.GetLambda(), 0);
    EXPECT_DOUBLE_EQ(doc.GetRe(), 100000);
    EXPECT_TRUE(Lines().empty());
}

TEST_F(LambdaTest, LeaveWhileDialogIsOpenDoesNotAskAgain) {
    doc.SetSought(SOUGHT_DI);
    form_testing::HookedPrompt prompt(hp.prompt);
    bool nested = false;
    prompt.onDialog = [&] {
        if (nested)
            return;
        nested = true;
        view.Field(IDC_LAMBDA).SetText("0.05");
        view.OnLambdaLeave();
    };
    Answer(CZeroQvDlg::ZERO_V);
    Enter(IDC_LAMBDA, "0.02");
    EXPECT_EQ(Lines(), std::vector<std::string>{"dialog 106 2"});
    EXPECT_DOUBLE_EQ(doc.GetLambda(), 0.02);
    EXPECT_EQ(Text(IDC_LAMBDA), "0.020000");
    EXPECT_EQ(doc.GetV(), 0);
}

}  // namespace
