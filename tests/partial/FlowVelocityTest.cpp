// Entering Qt (l/s or m³/h) or vt: ht, the width and the other partial value follow.
#include <string>
#include <vector>

#include "parameters/FormFixture.h"

namespace {

using form_testing::FormTest;

const char* const kVtTooSmall = "vt ist zu klein und wird begrenzt.";
const char* const kVtBeyond =
    "vt überschreitet den Definitionsbereich (15m/s). Bitte Plausibilität der Ergebnisse prüfen.";

// Partial filling of di 0.3 m with Q 0.1 m³/s and v 1.4 m/s; the partial fields show older values.
class PartialTest : public FormTest {
  protected:
    void SetUp() override {
        doc.SetFullFilling(false);
        doc.SetDi(0.3);
        doc.SetQ(0.1);
        doc.SetV(1.4);
        for (int id : {IDC_HT, IDC_QT_LS, IDC_QT_M3H, IDC_VT, IDC_SURFACE_WIDTH}) Show(id, 1);
    }
    void ExpectPartialUntouched(std::vector<int> fields) {
        for (int id : fields) EXPECT_EQ(Text(id), "1.000000") << id;
    }
};

struct QtCase {
    int field;
    std::string typed;
    int otherField;
    std::string otherShown;
    bool emptiesVt;
};

class PartialFlowEntry : public PartialTest, public ::testing::WithParamInterface<QtCase> {};

TEST_P(PartialFlowEntry, DerivesHeightWidthAndVelocity) {
    const QtCase& c = GetParam();
    Enter(c.field, c.typed);
    EXPECT_NEAR(doc.GetQt(), 0.03, 1e-15);
    EXPECT_EQ(Text(c.otherField), c.otherShown);
    EXPECT_EQ(Text(IDC_HT), "113.322730");
    EXPECT_EQ(Text(IDC_SURFACE_WIDTH), "290.893643");
    EXPECT_EQ(Text(IDC_VT), "1.253909");
    EXPECT_NEAR(doc.GetHt(), 0.11332273, 1e-8);
    EXPECT_NEAR(doc.GetVt(), 1.253909, 1e-6);
}

TEST_P(PartialFlowEntry, DiSoughtOnlyStores) {
    const QtCase& c = GetParam();
    doc.SetSought(SOUGHT_DI);
    doc.SetVt(1.2);
    Enter(c.field, c.typed);
    EXPECT_NEAR(doc.GetQt(), 0.03, 1e-15);
    EXPECT_EQ(Text(c.otherField), c.otherShown);
    EXPECT_EQ(Text(IDC_VT), c.emptiesVt ? "" : "1.000000");
    ExpectPartialUntouched({IDC_HT, IDC_SURFACE_WIDTH});
    EXPECT_EQ(doc.GetHt(), 0);
}

TEST_P(PartialFlowEntry, WithoutFlowOnlyStores) {
    const QtCase& c = GetParam();
    doc.SetQ(0);
    Enter(c.field, c.typed);
    EXPECT_NEAR(doc.GetQt(), 0.03, 1e-15);
    EXPECT_EQ(Text(c.otherField), c.otherShown);
    ExpectPartialUntouched({IDC_HT, IDC_SURFACE_WIDTH});
    EXPECT_EQ(Text(IDC_VT), c.emptiesVt ? "" : "1.000000");
}

TEST_P(PartialFlowEntry, UnchangedOrEmptyEntryDoesNothing) {
    const QtCase& c = GetParam();
    doc.SetQt(0.030009);
    Enter(c.field, c.typed);
    ExpectPartialUntouched({IDC_HT, IDC_VT, IDC_SURFACE_WIDTH, c.otherField});
    Enter(c.field, "");
    EXPECT_DOUBLE_EQ(doc.GetQt(), 0.030009);
    EXPECT_EQ(Text(c.field), "");
    ExpectPartialUntouched({IDC_HT, IDC_VT, IDC_SURFACE_WIDTH, c.otherField});
}

INSTANTIATE_TEST_SUITE_P(Units, PartialFlowEntry,
                         ::testing::Values(QtCase{IDC_QT_LS, "30", IDC_QT_M3H, "108.000000", true},
                                           QtCase{IDC_QT_M3H, "108", IDC_QT_LS, "30.000000", false}));

TEST_F(PartialTest, VelocityDerivesHeightWidthAndFlow) {
    Enter(IDC_VT, "1.2");
    EXPECT_DOUBLE_EQ(doc.GetVt(), 1.2);
    EXPECT_EQ(Text(IDC_VT), "1.2");
    EXPECT_EQ(Text(IDC_HT), "102.132748");
    EXPECT_EQ(Text(IDC_SURFACE_WIDTH), "284.314799");
    EXPECT_EQ(Text(IDC_QT_LS), "25.397094");
    EXPECT_EQ(Text(IDC_QT_M3H), "91.429537");
    EXPECT_NEAR(doc.GetQt(), 0.025397094, 1e-9);
}

struct VtLimitCase {
    std::string typed;
    double stored;
    std::vector<std::string> messages;
    std::string fieldAfter;
};

class PartialVelocityLimits : public PartialTest, public ::testing::WithParamInterface<VtLimitCase> {};

TEST_P(PartialVelocityLimits, ClampOrWarnEmptiesQtFirst) {
    const VtLimitCase& c = GetParam();
    doc.SetV(0);  // no Qt can be derived
    doc.SetQt(0.05);
    form_testing::HookedPrompt prompt(hp.prompt);
    std::vector<std::string> shownDuringMessage;
    prompt.onMessage = [&] { shownDuringMessage = {Text(IDC_VT), Text(IDC_QT_LS), Text(IDC_QT_M3H)}; };
    Enter(IDC_VT, c.typed);
    EXPECT_EQ(Messages(), c.messages);
    if (!c.messages.empty()) {
        EXPECT_EQ(shownDuringMessage, (std::vector<std::string>{c.typed, "", ""}));
    }
    EXPECT_DOUBLE_EQ(doc.GetVt(), c.stored);
    EXPECT_EQ(Text(IDC_VT), c.fieldAfter);
    EXPECT_EQ(doc.GetQt(), 0);
    EXPECT_EQ(Text(IDC_QT_LS), "");
    EXPECT_EQ(Text(IDC_QT_M3H), "");
    ExpectPartialUntouched({IDC_HT, IDC_SURFACE_WIDTH});
}

INSTANTIATE_TEST_SUITE_P(Entries, PartialVelocityLimits,
                         ::testing::Values(VtLimitCase{"0.01", 0.05, {kVtTooSmall}, "0.050000"},
                                           VtLimitCase{"0.049", 0.05, {kVtTooSmall}, "0.050000"},
                                           VtLimitCase{"0.05", 0.05, {}, "0.05"},
                                           VtLimitCase{"15", 15, {}, "15"},
                                           VtLimitCase{"20", 20, {kVtBeyond}, "20"}));

TEST_F(PartialTest, VelocityUnchangedOrEmptyDoesNothing) {
    doc.SetVt(1.2);
    Enter(IDC_VT, "1.2009");
    ExpectPartialUntouched({IDC_HT, IDC_QT_LS, IDC_QT_M3H, IDC_SURFACE_WIDTH});
    Enter(IDC_VT, "");
    EXPECT_DOUBLE_EQ(doc.GetVt(), 1.2);
    ExpectPartialUntouched({IDC_HT, IDC_QT_LS, IDC_QT_M3H, IDC_SURFACE_WIDTH});
}

TEST_F(PartialTest, VelocityWithDiSoughtOnlyStores) {
    doc.SetSought(SOUGHT_DI);
    Enter(IDC_VT, "1.2");
    EXPECT_DOUBLE_EQ(doc.GetVt(), 1.2);
    EXPECT_EQ(Text(IDC_QT_LS), "");
    ExpectPartialUntouched({IDC_HT, IDC_SURFACE_WIDTH});
}

TEST_F(PartialTest, VelocityWithoutFlowGivesHeightOnly) {
    doc.SetQ(0);
    Enter(IDC_VT, "1.2");
    EXPECT_EQ(Text(IDC_HT), "102.132748");
    EXPECT_EQ(Text(IDC_QT_LS), "");
    EXPECT_EQ(doc.GetQt(), 0);
}

}  // namespace
