// Entering Re: limits, the repeated-clamp stop, and the two dialogs that decide what follows it.
#include <string>
#include <vector>

#include "form/model/AdjustDialogs.h"
#include "parameters/FormFixture.h"

namespace {

using form_testing::FormTest;
using form_testing::MessageLine;

const char* const kReTooSmall = "Re ist zu klein und wird begrenzt.";
const char* const kReTooLarge = "Re ist zu groß und wird begrenzt.";

// A pipe without velocity: the Re dialog has nothing to adapt, so only the limits show.
class ReynoldsLimitsTest : public FormTest {
  protected:
    void SetUp() override {
        doc.SetDi(0.1);
        doc.SetNy(1.3e-6);
    }
};

struct ReLimitCase {
    std::string typed;
    double stored;
    std::vector<std::string> messages;
    std::string fieldAfter;
};

class ReynoldsLimits : public ReynoldsLimitsTest, public ::testing::WithParamInterface<ReLimitCase> {};

TEST_P(ReynoldsLimits, ClampsBeforeAsking) {
    const ReLimitCase& c = GetParam();
    Answer(CAdjustReDlg::ADAPT_NY);
    Enter(IDC_RE, c.typed);
    EXPECT_EQ(Messages(), c.messages);
    EXPECT_DOUBLE_EQ(doc.GetRe(), c.stored);
    EXPECT_EQ(Text(IDC_RE), c.fieldAfter);
    EXPECT_EQ(Lines().back(), "dialog 104 2");
}

INSTANTIATE_TEST_SUITE_P(Entries, ReynoldsLimits,
                         ::testing::Values(ReLimitCase{"1000", 2350, {kReTooSmall}, "2350.000000"},
                                           ReLimitCase{"-5", 2350, {kReTooSmall}, "2350.000000"},
                                           ReLimitCase{"6e7", 5.7e7, {kReTooLarge}, "57000000.000000"},
                                           ReLimitCase{"2350", 2350, {}, "2350"},
                                           ReLimitCase{"5.7e7", 5.7e7, {}, "5.7e7"}));

TEST_F(ReynoldsLimitsTest, RepeatedClampToStoredValueStopsAfterMessage) {
    Answer(CAdjustReDlg::ADAPT_NY);
    Enter(IDC_RE, "1000");
    hp.transcript.TakeNew();
    Enter(IDC_RE, "1000");
    EXPECT_EQ(hp.transcript.TakeNew(), std::vector<std::string>{MessageLine(kReTooSmall)});
    EXPECT_DOUBLE_EQ(doc.GetRe(), 2350);
    EXPECT_EQ(Text(IDC_RE), "2350.000000");
}

TEST_F(ReynoldsLimitsTest, EntryWithinOneOfStoredValueChangesNothing) {
    doc.SetRe(50000);
    Enter(IDC_RE, "50000.9");
    EXPECT_TRUE(Lines().empty());
    EXPECT_DOUBLE_EQ(doc.GetRe(), 50000);
}

TEST_F(ReynoldsLimitsTest, EmptyTextChangesNothing) {
    doc.SetRe(50000);
    Enter(IDC_RE, "");
    EXPECT_TRUE(Lines().empty());
    EXPECT_DOUBLE_EQ(doc.GetRe(), 50000);
}

TEST_F(ReynoldsLimitsTest, AdaptingViscosityWithoutVelocityKeepsTheFluidViscosity) {
    Answer(CAdjustReDlg::ADAPT_NY);
    Enter(IDC_RE, "5000");
    EXPECT_DOUBLE_EQ(doc.GetNy(), 1.3e-6);
    EXPECT_EQ(Text(IDC_NY), "");
    EXPECT_DOUBLE_EQ(doc.GetRe(), 5000);
}

// di 0.1 m, v 1 m/s, ν 1e-6 m²/s: Re 100000; the user enters 200000.
class ReynoldsDialogTest : public FormTest {
  protected:
    void SetUp() override {
        doc.SetDi(0.1);
        doc.SetV(1);
        doc.SetNy(1e-6);
        doc.SetRe(100000);
        doc.SetQ(0.1 * 0.1 * 0.7853981633974483);
    }
};

TEST_F(ReynoldsDialogTest, AdaptingDiKeepsVelocity) {
    Show(IDC_LAMBDA, 0.02);
    Answer(CAdjustReDlg::ADAPT_DI);
    Enter(IDC_RE, "200000");
    EXPECT_EQ(Text(IDC_DI), "200.000000");
    EXPECT_NEAR(doc.GetDi(), 0.2, 1e-12);
    EXPECT_DOUBLE_EQ(doc.GetRe(), 200000);
    EXPECT_EQ(Text(IDC_RE), "200000.000000");
    EXPECT_NEAR(doc.GetV(), 1, 1e-12);
    EXPECT_EQ(Text(IDC_V), "1.000000");
    EXPECT_NEAR(doc.GetQ(), 0.031415927, 1e-9);
    EXPECT_EQ(Text(IDC_Q_LS), "31.415927");
    EXPECT_EQ(Text(IDC_Q_M3H), "113.097336");
    // The di change reaction ran on the way: the λ field and the area follow the new pipe.
    EXPECT_EQ(Text(IDC_LAMBDA), "");
    EXPECT_EQ(Text(IDC_A), "0.031416");
}

TEST_F(ReynoldsDialogTest, AdaptingDiNeedsVelocity) {
    doc.SetV(0);
    Answer(CAdjustReDlg::ADAPT_DI);
    Enter(IDC_RE, "200000");
    EXPECT_DOUBLE_EQ(doc.GetDi(), 0.1);
    EXPECT_EQ(Text(IDC_DI), "");
    EXPECT_DOUBLE_EQ(doc.GetRe(), 200000);
}

TEST_F(ReynoldsDialogTest, AdaptingViscosity) {
    Answer(CAdjustReDlg::ADAPT_NY);
    Enter(IDC_RE, "200000");
    EXPECT_EQ(Lines(), std::vector<std::string>{"dialog 104 2"});
    EXPECT_DOUBLE_EQ(doc.GetNy(), 5e-7);
    EXPECT_EQ(Text(IDC_NY), "0.500000");
    // The viscosity field's change reaction derives Re from the shown ν.
    EXPECT_NEAR(doc.GetRe(), 200000, 1e-6);
    EXPECT_EQ(Text(IDC_RE), "200000.000000");
    EXPECT_DOUBLE_EQ(doc.GetV(), 1);
    EXPECT_DOUBLE_EQ(doc.GetDi(), 0.1);
}

TEST_F(ReynoldsDialogTest, AdaptingVelocityGivesFlow) {
    Answer(CAdjustReDlg::ADAPT_V);
    Enter(IDC_RE, "200000");
    EXPECT_NEAR(doc.GetV(), 2, 1e-12);
    EXPECT_EQ(Text(IDC_V), "2.000000");
    EXPECT_NEAR(doc.GetQ(), 0.015707963, 1e-9);
    EXPECT_EQ(Text(IDC_Q_LS), "15.707963");
    EXPECT_EQ(Text(IDC_Q_M3H), "56.548668");
    EXPECT_DOUBLE_EQ(doc.GetRe(), 200000);
    EXPECT_DOUBLE_EQ(doc.GetNy(), 1e-6);
}

TEST_F(ReynoldsDialogTest, AdaptingVelocityNeedsDiameter) {
    doc.SetDi(0);
    Answer(CAdjustReDlg::ADAPT_V);
    Enter(IDC_RE, "200000");
    EXPECT_DOUBLE_EQ(doc.GetV(), 1);
    EXPECT_EQ(Text(IDC_V), "");
}

// With di sought, Q and v already determine di: one of them has to go.
class ReynoldsDiSought : public ReynoldsDialogTest {
  protected:
    void SetUp() override {
        ReynoldsDialogTest::SetUp();
        doc.SetSought(SOUGHT_DI);
        doc.SetLambda(0.02);
        doc.SetI(0.01);
        for (int id : {IDC_LAMBDA, IDC_J, IDC_V, IDC_Q_LS, IDC_Q_M3H}) Show(id, 1);
    }
    void ExpectLambdaAndSlopeCleared() {
        EXPECT_EQ(doc.GetLambda(), 0);
        EXPECT_EQ(doc.GetI(), 0);
        EXPECT_EQ(Text(IDC_LAMBDA), "");
        EXPECT_EQ(Text(IDC_J), "");
        EXPECT_DOUBLE_EQ(doc.GetRe(), 200000);
    }
};

TEST_F(ReynoldsDiSought, ZeroingQ) {
    Answer(CZeroQvDlg::ZERO_Q);
    Enter(IDC_RE, "200000");
    EXPECT_EQ(Lines(), std::vector<std::string>{"dialog 106 1"});
    ExpectLambdaAndSlopeCleared();
    EXPECT_EQ(Text(IDC_RE), "200000.000000");
    EXPECT_EQ(doc.GetQ(), 0);
    EXPECT_EQ(Text(IDC_Q_LS), "");
    EXPECT_EQ(Text(IDC_Q_M3H), "");
    EXPECT_DOUBLE_EQ(doc.GetV(), 1);
}

TEST_F(ReynoldsDiSought, ZeroingV) {
    Answer(CZeroQvDlg::ZERO_V);
    Enter(IDC_RE, "200000");
    EXPECT_EQ(Lines(), std::vector<std::string>{"dialog 106 2"});
    ExpectLambdaAndSlopeCleared();
    EXPECT_EQ(Text(IDC_RE), "200000.000000");
    EXPECT_EQ(doc.GetV(), 0);
    EXPECT_EQ(Text(IDC_V), "");
    EXPECT_GT(doc.GetQ(), 0);
}

TEST_F(ReynoldsDiSought, WithoutFlowNoDialog) {
    doc.SetQ(0);
    Enter(IDC_RE, "200000");
    EXPECT_TRUE(Lines().empty());
    ExpectLambdaAndSlopeCleared();
    EXPECT_EQ(Text(IDC_RE), "200000");
}

// A real dialog takes the focus, which may run the Re field's leave reaction once more while the
// dialog is still up: it must not open a second one, and the entry is put back afterwards.
TEST_F(ReynoldsDiSought, LeaveWhileDialogIsOpenDoesNotAskAgain) {
    form_testing::HookedPrompt prompt(hp.prompt);
    bool nested = false;
    prompt.onDialog = [&] {
        if (nested)
            return;
        nested = true;
        view.Field(IDC_RE).SetText("300000");
        view.OnReLeave();
    };
    Answer(CZeroQvDlg::ZERO_Q);
    Enter(IDC_RE, "200000");
    EXPECT_EQ(Lines(), std::vector<std::string>{"dialog 106 1"});
    EXPECT_DOUBLE_EQ(doc.GetRe(), 200000);
    EXPECT_EQ(Text(IDC_RE), "200000.000000");
    EXPECT_EQ(doc.GetQ(), 0);
}

}  // namespace
