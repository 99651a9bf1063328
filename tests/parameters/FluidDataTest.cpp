// Entering g, ρ and T: thresholds below which nothing changes; ρ and T derive ν and show it.
#include <string>
#include <vector>

#include "hydraulics/Formulas.h"
#include "parameters/FormFixture.h"

namespace {

using form_testing::FormTest;

// T 10 °C and ρ 1000 kg/m³ in the record; a pipe with velocity so that Re follows ν.
class FluidDataTest : public FormTest {
  protected:
    void SetUp() override {
        doc.SetT(10);
        doc.SetRho(1000);
        doc.SetG(9.81);
        doc.SetDi(0.1);
        doc.SetV(1);
        view.Field(IDC_RHO).SetValid(false);
        view.Field(IDC_T).SetValid(false);
    }
    void ExpectViscosityShown(double ny, const std::string& shown, const std::string& re) {
        EXPECT_DOUBLE_EQ(doc.GetNy(), ny);
        EXPECT_EQ(Text(IDC_NY), shown);
        EXPECT_EQ(Text(IDC_RE), re);
        EXPECT_TRUE(view.Field(IDC_RHO).IsValid());
        EXPECT_TRUE(view.Field(IDC_T).IsValid());
    }
    void ExpectNothingChanged() {
        EXPECT_DOUBLE_EQ(doc.GetNy(), hydraulics::ViscosityFromTemperature(10, 1000));
        EXPECT_EQ(Text(IDC_NY), "");
        EXPECT_FALSE(view.Field(IDC_RHO).IsValid());
        EXPECT_FALSE(view.Field(IDC_T).IsValid());
    }
};

TEST_F(FluidDataTest, SmallDensityChangeDoesNothing) {
    Enter(IDC_RHO, "1000.005");
    EXPECT_DOUBLE_EQ(doc.GetRho(), 1000);
    ExpectNothingChanged();
}

TEST_F(FluidDataTest, DensityChangeDerivesViscosity) {
    Enter(IDC_RHO, "1000.02");
    EXPECT_DOUBLE_EQ(doc.GetRho(), 1000.02);
    ExpectViscosityShown(hydraulics::ViscosityFromTemperature(10, 1000.02), "1.309121", "76387.133046");
}

TEST_F(FluidDataTest, ZeroDensityKeepsViscosity) {
    Enter(IDC_RHO, "0");
    EXPECT_EQ(doc.GetRho(), 0);
    ExpectViscosityShown(hydraulics::ViscosityFromTemperature(10, 1000), "1.309147", "76385.615977");
}

TEST_F(FluidDataTest, SmallTemperatureChangeDoesNothing) {
    Enter(IDC_T, "10.00005");
    EXPECT_DOUBLE_EQ(doc.GetT(), 10);
    ExpectNothingChanged();
}

TEST_F(FluidDataTest, TemperatureChangeDerivesViscosity) {
    Enter(IDC_T, "10.0002");
    EXPECT_DOUBLE_EQ(doc.GetT(), 10.0002);
    ExpectViscosityShown(hydraulics::ViscosityFromTemperature(10.0002, 1000), "1.309140", "76386.024413");
}

TEST_F(FluidDataTest, ShowViscosityShowsStoredValueAndMarksValid) {
    view.ShowViscosity();
    ExpectViscosityShown(hydraulics::ViscosityFromTemperature(10, 1000), "1.309147", "76385.615977");
}

struct GravityCase {
    std::string typed;
    double stored;
};

class GravityEntry : public FluidDataTest, public ::testing::WithParamInterface<GravityCase> {};

TEST_P(GravityEntry, StoresOnlyRealChanges) {
    Show(IDC_G, 9.81);
    doc.SetCalculated(true);
    Enter(IDC_G, GetParam().typed);
    EXPECT_DOUBLE_EQ(doc.GetG(), GetParam().stored);
    EXPECT_EQ(doc.IsCalculated(), GetParam().stored == 9.81);
    EXPECT_TRUE(Lines().empty());
}

INSTANTIATE_TEST_SUITE_P(Entries, GravityEntry,
                         ::testing::Values(GravityCase{"9.8109", 9.81}, GravityCase{"9,812", 9.812},
                                           GravityCase{"500", 500}, GravityCase{"", 0}));

}  // namespace
