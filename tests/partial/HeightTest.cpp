// Entering ht: limits against 5 mm and di, then width, Qt and vt from the filling ratio.
#include <string>
#include <vector>

#include "parameters/FormFixture.h"

namespace {

using form_testing::FormTest;
using form_testing::MessageLine;

const char* const kHtTooSmall = "ht ist zu klein und wird begrenzt.";
const char* const kHtAboveDi = "ht ist größer als Di und wird begrenzt.";

// Partial filling of di 0.3 m with Q 0.1 m³/s and v 1.4 m/s.
class HeightTest : public FormTest {
  protected:
    void SetUp() override {
        doc.SetFullFilling(false);
        doc.SetDi(0.3);
        doc.SetQ(0.1);
        doc.SetV(1.4);
    }
};

TEST_F(HeightTest, HalfFilledPipe) {
    doc.SetCalculated(true);
    Enter(IDC_HT, "150");
    EXPECT_TRUE(Lines().empty());
    EXPECT_DOUBLE_EQ(doc.GetHt(), 0.15);
    EXPECT_EQ(Text(IDC_HT), "150");
    EXPECT_NEAR(doc.GetQt(), 0.0501262905, 1e-10);
    EXPECT_EQ(Text(IDC_QT_LS), "50.126290");
    EXPECT_EQ(Text(IDC_QT_M3H), "180.454646");
    EXPECT_NEAR(doc.GetVt(), 1.4021861, 1e-7);
    EXPECT_EQ(Text(IDC_VT), "1.402186");
    EXPECT_DOUBLE_EQ(doc.GetSurfaceWidth(), 0.3);
    EXPECT_EQ(Text(IDC_SURFACE_WIDTH), "300.000000");
    // Partial-filling values do not invalidate a result.
    EXPECT_TRUE(doc.IsCalculated());
}

TEST_F(HeightTest, FromThresholdOnPartialValuesAreTheFullOnes) {
    for (const char* typed : {"250", "300"}) {
        SCOPED_TRACE(typed);
        Enter(IDC_HT, typed);
        EXPECT_EQ(doc.GetQt(), 0.1);
        EXPECT_EQ(doc.GetVt(), 1.4);
        EXPECT_EQ(Text(IDC_QT_LS), "100.000000");
        EXPECT_EQ(Text(IDC_VT), "1.400000");
    }
}

TEST_F(HeightTest, SameHeightAgainDoesNothing) {
    Enter(IDC_HT, "150");
    for (int id : {IDC_QT_LS, IDC_QT_M3H, IDC_VT, IDC_SURFACE_WIDTH}) Show(id, 1);
    doc.SetQ(0.2);
    Enter(IDC_HT, "150.009");
    EXPECT_DOUBLE_EQ(doc.GetHt(), 0.15);
    EXPECT_NEAR(doc.GetQt(), 0.0501262905, 1e-10);
    for (int id : {IDC_QT_LS, IDC_QT_M3H, IDC_VT, IDC_SURFACE_WIDTH}) EXPECT_EQ(Text(id), "1.000000") << id;
}

TEST_F(HeightTest, EmptyTextChangesNothing) {
    doc.SetHt(0.15);
    Enter(IDC_HT, "");
    EXPECT_DOUBLE_EQ(doc.GetHt(), 0.15);
    EXPECT_EQ(Text(IDC_QT_LS), "");
}

struct HeightLimitCase {
    double di;
    std::string typed;
    double stored;
    std::vector<std::string> messages;
    std::string fieldAfter;
};

class HeightLimits : public HeightTest, public ::testing::WithParamInterface<HeightLimitCase> {};

TEST_P(HeightLimits, ClampsAfterMessage) {
    const HeightLimitCase& c = GetParam();
    doc.SetDi(c.di);
    Enter(IDC_HT, c.typed);
    EXPECT_EQ(Messages(), c.messages);
    EXPECT_DOUBLE_EQ(doc.GetHt(), c.stored);
    EXPECT_EQ(Text(IDC_HT), c.fieldAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, HeightLimits,
    ::testing::Values(HeightLimitCase{0.3, "1", 0.005, {kHtTooSmall}, "5.000000"},
                      HeightLimitCase{0.3, "5", 0.005, {}, "5"}, HeightLimitCase{0.3, "300", 0.3, {}, "300"},
                      HeightLimitCase{0.3, "301", 0.3, {kHtAboveDi}, "300.000000"},
                      HeightLimitCase{0.004, "1", 0.004, {kHtTooSmall, kHtAboveDi}, "4.000000"}));

TEST_F(HeightTest, EachMessageComesBeforeItsCorrection) {
    doc.SetDi(0.004);
    form_testing::HookedPrompt prompt(hp.prompt);
    std::vector<std::string> shownDuringMessages;
    prompt.onMessage = [&] { shownDuringMessages.push_back(Text(IDC_HT)); };
    Enter(IDC_HT, "1");
    EXPECT_EQ(shownDuringMessages, (std::vector<std::string>{"1", "5.000000"}));
}

TEST_F(HeightTest, WithoutFlowAndVelocityPartialValuesComeOutEmpty) {
    doc.SetQ(0);
    doc.SetV(0);
    doc.SetSought(SOUGHT_DI);
    doc.SetQt(0.05);
    doc.SetVt(1);
    for (int id : {IDC_QT_LS, IDC_QT_M3H, IDC_VT}) Show(id, 1);
    Enter(IDC_HT, "150");
    EXPECT_EQ(doc.GetQt(), 0);
    EXPECT_EQ(doc.GetVt(), 0);
    for (int id : {IDC_QT_LS, IDC_QT_M3H, IDC_VT}) EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(Text(IDC_SURFACE_WIDTH), "300.000000");
}

// Without a diameter there is no filling ratio; the fields must not show "nan".
TEST_F(HeightTest, WithoutDiameterNoPartialFlow) {
    doc.SetDi(0);
    Enter(IDC_HT, "150");
    EXPECT_EQ(Lines(), std::vector<std::string>{MessageLine(kHtAboveDi)});
    EXPECT_EQ(doc.GetHt(), 0);
    EXPECT_EQ(doc.GetQt(), 0);
    EXPECT_EQ(doc.GetVt(), 0);
    EXPECT_EQ(doc.GetSurfaceWidth(), 0);
    for (int id : {IDC_HT, IDC_QT_LS, IDC_QT_M3H, IDC_VT, IDC_SURFACE_WIDTH}) EXPECT_EQ(Text(id), "") << id;
}

}  // namespace
