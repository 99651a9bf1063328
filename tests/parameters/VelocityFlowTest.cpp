// Entering v or Q: limits, the quantities that follow, and the partial-filling values they clear.
#include <string>
#include <vector>

#include "parameters/FormFixture.h"

namespace {

using form_testing::FormTest;
using form_testing::MessageLine;

const char* const kVTooSmall = "v ist zu klein und wird begrenzt.";
const char* const kVBeyond =
    "v überschreitet den Definitionsbereich (15m/s). Bitte Plausibilität der Ergebnisse prüfen.";

class VelocityTest : public FormTest {
  protected:
    void SetUp() override {
        doc.SetDi(0.1);
        doc.SetNy(1.31e-6);
    }
};

struct VelocityLimitCase {
    std::string typed;
    double stored;
    std::vector<std::string> messages;
    std::string fieldAfter;
};

class VelocityLimits : public VelocityTest, public ::testing::WithParamInterface<VelocityLimitCase> {};

TEST_P(VelocityLimits, ClampsOrWarnsBeforeStoring) {
    const VelocityLimitCase& c = GetParam();
    Enter(IDC_V, c.typed);
    EXPECT_EQ(Messages(), c.messages);
    EXPECT_DOUBLE_EQ(doc.GetV(), c.stored);
    EXPECT_EQ(Text(IDC_V), c.fieldAfter);
}

INSTANTIATE_TEST_SUITE_P(Entries, VelocityLimits,
                         ::testing::Values(VelocityLimitCase{"0.01", 0.05, {kVTooSmall}, "0.050000"},
                                           VelocityLimitCase{"-3", 0.05, {kVTooSmall}, "0.050000"},
                                           VelocityLimitCase{"abc", 0, {}, "abc"},
                                           VelocityLimitCase{"0.05", 0.05, {}, "0.05"},
                                           VelocityLimitCase{"15", 15, {}, "15"},
                                           VelocityLimitCase{"20", 20, {kVBeyond}, "20"}));

TEST_F(VelocityTest, GivesFlowAndReynoldsNumber) {
    Enter(IDC_V, "1");
    EXPECT_EQ(Text(IDC_Q_LS), "7.853982");
    EXPECT_EQ(Text(IDC_Q_M3H), "28.274334");
    EXPECT_EQ(Text(IDC_RE), "76335.877863");
    EXPECT_NEAR(doc.GetQ(), 0.007853982, 1e-9);
    EXPECT_NEAR(doc.GetRe(), 76335.877863, 1e-5);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(VelocityTest, DecimalCommaIsReadAsPoint) {
    Enter(IDC_V, "1,5");
    EXPECT_EQ(Text(IDC_V), "1.5");
    EXPECT_DOUBLE_EQ(doc.GetV(), 1.5);
}

TEST_F(VelocityTest, UnchangedValueDoesNothing) {
    doc.SetV(1);
    Show(IDC_QT_LS, 5);
    Enter(IDC_V, "1.000009");
    EXPECT_DOUBLE_EQ(doc.GetV(), 1);
    EXPECT_EQ(Text(IDC_Q_LS), "");
    EXPECT_EQ(Text(IDC_QT_LS), "5.000000");
}

TEST_F(VelocityTest, EmptyTextLeavesRecord) {
    doc.SetV(1);
    Enter(IDC_V, "");
    EXPECT_DOUBLE_EQ(doc.GetV(), 1);
    EXPECT_EQ(Text(IDC_V), "");
    EXPECT_TRUE(Lines().empty());
}

TEST_F(VelocityTest, SmallPipeGivesNoFlow) {
    doc.SetDi(0.01);
    Enter(IDC_V, "1");
    EXPECT_EQ(doc.GetQ(), 0);
    EXPECT_EQ(doc.GetRe(), 0);
    EXPECT_EQ(Text(IDC_Q_LS), "");
}

TEST_F(VelocityTest, NoViscosityGivesFlowButNoReynoldsNumber) {
    doc.SetNy(0);
    Enter(IDC_V, "1");
    EXPECT_EQ(Text(IDC_Q_LS), "7.853982");
    EXPECT_EQ(doc.GetRe(), 0);
    EXPECT_EQ(Text(IDC_RE), "");
}

TEST_F(VelocityTest, DiSoughtWithFlowClearsLambdaAndReynolds) {
    doc.SetSought(SOUGHT_DI);
    doc.SetQ(0.01);
    doc.SetLambda(0.02);
    doc.SetRe(50000);
    Show(IDC_Q_LS, 10);
    Show(IDC_LAMBDA, 0.02);
    Show(IDC_RE, 50000);
    Enter(IDC_V, "1");
    EXPECT_EQ(doc.GetLambda(), 0);
    EXPECT_EQ(doc.GetRe(), 0);
    EXPECT_EQ(Text(IDC_LAMBDA), "");
    EXPECT_EQ(Text(IDC_RE), "");
    EXPECT_DOUBLE_EQ(doc.GetQ(), 0.01);
    EXPECT_EQ(Text(IDC_Q_LS), "10.000000");
}

TEST_F(VelocityTest, DiSoughtWithoutFlowKeepsLambda) {
    doc.SetSought(SOUGHT_DI);
    doc.SetLambda(0.02);
    Enter(IDC_V, "1");
    EXPECT_DOUBLE_EQ(doc.GetLambda(), 0.02);
    EXPECT_EQ(doc.GetQ(), 0);
}

// The partial-filling values no longer belong to the new full-filling flow; the width stays.
class FullFillingEntry : public FormTest, public ::testing::WithParamInterface<int> {};

TEST_P(FullFillingEntry, ClearsPartialFilling) {
    doc.SetDi(0.1);
    doc.SetHt(0.05);
    doc.SetQt(0.004);
    doc.SetVt(1.1);
    doc.SetSurfaceWidth(0.1);
    for (int id : {IDC_HT, IDC_QT_LS, IDC_QT_M3H, IDC_VT, IDC_SURFACE_WIDTH}) Show(id, 1);
    Enter(GetParam(), "2");
    EXPECT_EQ(doc.GetHt(), 0);
    EXPECT_EQ(doc.GetQt(), 0);
    EXPECT_EQ(doc.GetVt(), 0);
    for (int id : {IDC_HT, IDC_QT_LS, IDC_QT_M3H, IDC_VT}) EXPECT_EQ(Text(id), "") << id;
    EXPECT_DOUBLE_EQ(doc.GetSurfaceWidth(), 0.1);
    EXPECT_EQ(Text(IDC_SURFACE_WIDTH), "1.000000");
}

INSTANTIATE_TEST_SUITE_P(Fields, FullFillingEntry, ::testing::Values(IDC_V, IDC_Q_LS, IDC_Q_M3H));

// Q typed in either unit: stored in m³/s, shown in the other unit, v and Re follow.
struct FlowCase {
    int field;
    std::string typed;
    int otherField;
    std::string otherShown;
};

class FlowEntry : public FormTest, public ::testing::WithParamInterface<FlowCase> {
  protected:
    void SetUp() override {
        doc.SetDi(0.1);
        doc.SetNy(1e-6);
    }
};

TEST_P(FlowEntry, GivesVelocityAndReynoldsNumber) {
    const FlowCase& c = GetParam();
    Enter(c.field, c.typed);
    EXPECT_NEAR(doc.GetQ(), 0.01, 1e-15);
    EXPECT_EQ(Text(c.otherField), c.otherShown);
    EXPECT_EQ(Text(IDC_V), "1.273240");
    EXPECT_NEAR(doc.GetV(), 1.2732395447351628, 1e-12);
    EXPECT_NEAR(doc.GetRe(), 127323.95447351628, 1e-6);
    EXPECT_EQ(Text(IDC_RE), "127323.954474");
}

TEST_P(FlowEntry, ChangeBelowToleranceDoesNothing) {
    const FlowCase& c = GetParam();
    doc.SetQ(0.01 + 0.000009);
    Enter(c.field, c.typed);
    EXPECT_DOUBLE_EQ(doc.GetQ(), 0.010009);
    EXPECT_EQ(Text(c.otherField), "");
    EXPECT_EQ(doc.GetV(), 0);
}

TEST_P(FlowEntry, EmptyTextClearsFlowAndVelocity) {
    const FlowCase& c = GetParam();
    doc.SetQ(0.01);
    doc.SetV(1.27);
    Show(c.field, 10);
    Show(c.otherField, 36);
    Show(IDC_V, 1.27);
    Enter(c.field, "");
    EXPECT_EQ(doc.GetQ(), 0);
    EXPECT_EQ(doc.GetV(), 0);
    EXPECT_EQ(Text(c.otherField), "");
    EXPECT_EQ(Text(IDC_V), "");
    EXPECT_EQ(Text(IDC_RE), "");
}

TEST_P(FlowEntry, DiSoughtWithVelocityClearsLambdaAndReynolds) {
    const FlowCase& c = GetParam();
    doc.SetSought(SOUGHT_DI);
    doc.SetV(1);
    doc.SetLambda(0.02);
    doc.SetRe(1e5);
    Enter(c.field, c.typed);
    EXPECT_EQ(doc.GetLambda(), 0);
    EXPECT_EQ(doc.GetRe(), 0);
    EXPECT_DOUBLE_EQ(doc.GetV(), 1);
    EXPECT_EQ(Text(IDC_V), "");
}

INSTANTIATE_TEST_SUITE_P(Units, FlowEntry,
                         ::testing::Values(FlowCase{IDC_Q_LS, "10", IDC_Q_M3H, "36.000000"},
                                           FlowCase{IDC_Q_M3H, "36", IDC_Q_LS, "10.000000"}));

}  // namespace
