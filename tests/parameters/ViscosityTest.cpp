// Typing ν: Re follows at every keystroke, the record's ν stays the one derived from T and ρ.
#include <string>
#include <vector>

#include "parameters/FormFixture.h"

namespace {

using form_testing::FormTest;

class ViscosityTest : public FormTest {
  protected:
    void SetUp() override {
        doc.SetDi(0.1);
        doc.SetV(1);
        doc.SetNy(1.31e-6);
    }
};

struct KeystrokeCase {
    std::string typed;
    std::string re;
};

TEST_F(ViscosityTest, EveryKeystrokeUpdatesRe) {
    const std::vector<KeystrokeCase> keystrokes{
        {"1", "100000.000000"}, {"1.", "100000.000000"}, {"1.3", "76923.076923"}, {"1.31", "76335.877863"}};
    for (const KeystrokeCase& k : keystrokes) {
        SCOPED_TRACE(k.typed);
        ASSERT_TRUE(view.Controls().UserType(IDC_NY, k.typed));
        EXPECT_EQ(Text(IDC_RE), k.re);
        EXPECT_NEAR(doc.GetRe(), std::stod(k.re), 1e-6);
    }
    EXPECT_DOUBLE_EQ(doc.GetNy(), 1.31e-6);
}

TEST_F(ViscosityTest, NoReWithoutPipeOrVelocity) {
    doc.SetRe(5000);
    doc.SetDi(0.01);
    view.Controls().UserType(IDC_NY, "1.3");
    doc.SetDi(0.1);
    doc.SetV(0);
    view.Controls().UserType(IDC_NY, "1.2");
    EXPECT_DOUBLE_EQ(doc.GetRe(), 5000);
    EXPECT_EQ(Text(IDC_RE), "");
}

// A viscosity that reads as 0 (or gives no finite Re) leaves no Reynolds number, and nothing else.
class ViscosityWithoutRe : public ViscosityTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ViscosityWithoutRe, EmptiesRe) {
    doc.SetRe(5000);
    Show(IDC_RE, 5000);
    view.Controls().UserType(IDC_NY, GetParam());
    EXPECT_EQ(doc.GetRe(), 0);
    EXPECT_EQ(Text(IDC_RE), "");
    EXPECT_DOUBLE_EQ(doc.GetV(), 1);
    EXPECT_DOUBLE_EQ(doc.GetDi(), 0.1);
    EXPECT_DOUBLE_EQ(doc.GetNy(), 1.31e-6);
    EXPECT_TRUE(Lines().empty());
}

INSTANTIATE_TEST_SUITE_P(Entries, ViscosityWithoutRe, ::testing::Values("0", "0.000", "abc", "1e-310"));

TEST_F(ViscosityTest, LeavingWithOtherValueMarksTemperatureAndDensity) {
    Enter(IDC_NY, "1,5");
    EXPECT_FALSE(view.Field(IDC_RHO).IsValid());
    EXPECT_FALSE(view.Field(IDC_T).IsValid());
    // The comma rewrite is a change of the text too.
    EXPECT_EQ(Text(IDC_RE), "66666.666667");
    EXPECT_DOUBLE_EQ(doc.GetNy(), 1.31e-6);
}

TEST_F(ViscosityTest, LeavingWithStoredValueKeepsMarks) {
    for (const char* typed : {"1.31", "1.3100999"}) {
        SCOPED_TRACE(typed);
        Enter(IDC_NY, typed);
        EXPECT_TRUE(view.Field(IDC_RHO).IsValid());
        EXPECT_TRUE(view.Field(IDC_T).IsValid());
    }
}

}  // namespace
