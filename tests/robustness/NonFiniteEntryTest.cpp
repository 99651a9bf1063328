// Entries beyond the double range and results that overflow or are not a number: a field never shows
// "inf" or "nan" (a value that is not finite is shown as an empty field, like a value not given), an
// entry reads as the largest finite number of its sign, and the report never prints "inf" or "nan".
#include <cfloat>
#include <cmath>
#include <limits>

#include "ProgramFixture.h"
#include "form/model/ControlIds.h"
#include "form/model/NumberEdit.h"
#include "platform/Number.h"
#include "support/Files.h"
#include "support/ScratchDirectory.h"

namespace robustness {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const std::string k500Digits(500, '9');

TEST(NonFiniteNumber, ShownAsAnEmptyField) {
    CNumberEdit field(IDC_V);
    for (double x : {kInf, -kInf, kNaN}) {
        field.SetText("1");
        field.ShowNumber(x);
        EXPECT_EQ(field.GetText(), "") << x;
        field.SetText("1");
        field.ShowFormatted("%5.2f", x);
        EXPECT_EQ(field.GetText(), "") << x;
    }
    field.ShowNumber(DBL_MAX);  // the largest finite number is still a number, in nine digits
    EXPECT_EQ(field.GetText(), "1.79769313e+308");
}

TEST(NonFiniteNumber, EntryBeyondTheRangeReadsAsLargestFiniteNumber) {
    CNumberEdit field(IDC_V);
    const struct {
        std::string text;
        double number;
    } cases[] = {{"1e999", DBL_MAX}, {"-1e999", -DBL_MAX}, {k500Digits, DBL_MAX}, {"1e+999999999", DBL_MAX},
                 {"1e308", 1e308},   {"1e-310", 1e-310},   {"1e-999", 0},         {"inf", 0},
                 {"nan", 0}};
    for (const auto& c : cases) {
        field.SetText(c.text);
        EXPECT_EQ(field.GetNumber(), c.number) << c.text;
        EXPECT_EQ(platform::LeadingFiniteNumber(c.text), c.number) << c.text;
    }
}

class NonFiniteEntry : public ProgramTest {
  protected:
    void SetUp() override { Start(); }
};

// Each entry is stored finite: clamped where the field has limits, else as the largest double.
TEST_F(NonFiniteEntry, HugeEntriesAreStoredFinite) {
    const struct {
        int id;
        const char* text;
        double (CPlenwickDoc::*stored)() const;
        double expected;
    } cases[] = {
        {IDC_G, "1e999", &CPlenwickDoc::GetG, DBL_MAX},
        {IDC_G, "-1e999", &CPlenwickDoc::GetG, -DBL_MAX},
        {IDC_T, "1e999", &CPlenwickDoc::GetT, DBL_MAX},
        {IDC_RHO, "1e999", &CPlenwickDoc::GetRho, DBL_MAX},
        {IDC_LAMBDA, "1e999", &CPlenwickDoc::GetLambda, DBL_MAX},
        {IDC_RE, "1e999", &CPlenwickDoc::GetRe, 5.7e7},
        {IDC_DI, "1e999", &CPlenwickDoc::GetDi, 5.0},
        {IDC_K, "1e999", &CPlenwickDoc::GetK, 0.05},
        {IDC_V, k500Digits.c_str(), &CPlenwickDoc::GetV, DBL_MAX},
        {IDC_J, "1e999", &CPlenwickDoc::GetI, 0.4},  // last: J is an input when v and Q are sought
    };
    for (const auto& c : cases) {
        if (c.id == IDC_J) {
            ASSERT_TRUE(Form().UserSelectTab(IDC_SOUGHT, 1));
        }
        hp.prompt.QueueAnswers({2});  // the Re question: the viscosity follows
        Enter(c.id, c.text);
        EXPECT_EQ((Doc().*c.stored)(), c.expected) << c.id;
        ExpectNothingNonFiniteShown();
    }
}

// v = 1e999 overflows Q in l/s, Re and then the slope: their fields stay empty instead of "inf".
TEST_F(NonFiniteEntry, OverflowingVelocityLeavesDerivedFieldsEmpty) {
    Enter(IDC_V, "1e999");
    EXPECT_EQ(Messages().back(),
              "v überschreitet den Definitionsbereich (15m/s). Bitte Plausibilität der Ergebnisse prüfen.");
    EXPECT_EQ(Text(IDC_Q_LS), "");
    EXPECT_EQ(Text(IDC_RE), "");
    EXPECT_TRUE(std::isfinite(Doc().GetQ()));

    Click(IDC_BERECHNEN);
    EXPECT_EQ(Messages().back(), "I liegt außerhalb der Berechnungsgrenzen: (nicht berechenbar)");
    EXPECT_EQ(Text(IDC_J), "");
    EXPECT_FALSE(Doc().IsCalculated());
    ExpectNothingNonFiniteShown();
}

TEST_F(NonFiniteEntry, OverflowingFlowLeavesTheOtherUnitEmpty) {
    Enter(IDC_Q_LS, "1e999");
    EXPECT_EQ(Text(IDC_Q_M3H), "");
    EXPECT_TRUE(std::isfinite(Doc().GetQ()));
    EXPECT_TRUE(std::isfinite(Doc().GetV()));
    ExpectNothingNonFiniteShown();

    Click(IDC_PARTIAL_FILLING);
    Enter(IDC_QT_LS, "1e999");
    EXPECT_EQ(Text(IDC_QT_M3H), "");
    ExpectNothingNonFiniteShown();
}

// di = da - 2 (s + ZMA) from huge pipe dimensions: a finite di is shown, an overflowing one is none.
TEST_F(NonFiniteEntry, HugePipeDimensionsGiveNoInfiniteDiameter) {
    Enter(IDC_DA, "-1e999");
    EXPECT_TRUE(std::isfinite(Doc().GetDi()));
    EXPECT_EQ(Text(IDC_DI), "-1.79769313e+308");

    ASSERT_TRUE(Form().UserType(IDC_DA, "1e308"));
    Enter(IDC_S, "-1e308");
    EXPECT_EQ(Text(IDC_DI), "");
    EXPECT_EQ(Doc().GetDi(), 0);
    ExpectNothingNonFiniteShown();
}

// A viscosity so large that Re falls below 1: the iteration gets Re 0 and λ and J are not a number.
// The slope fails its range test; they are stored as not given, shown as empty fields and printed as 0.
TEST_F(NonFiniteEntry, SlopeSoughtWithLambdaNotANumber) {
    Enter(IDC_V, "1");
    Enter(IDC_NY, "202000");  // Re = v · di / ν = 0.5
    EXPECT_NEAR(Doc().GetRe(), 0.5, 0.001);
    Click(IDC_BERECHNEN);

    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1], "I liegt außerhalb der Berechnungsgrenzen: (nicht berechenbar)");
    EXPECT_EQ(Doc().GetLambda(), 0);
    EXPECT_EQ(Text(IDC_LAMBDA), "");
    EXPECT_EQ(Text(IDC_J), "");
    EXPECT_EQ(PrintedAfter(PrintedPage(), "Lambda:"), "0.00 [1]");
    ExpectNothingNonFiniteShown();
}

// A subnormal density gives an infinite viscosity: the viscosity field stays empty and Re is cleared.
TEST_F(NonFiniteEntry, SubnormalDensityGivesNoInfiniteViscosity) {
    Enter(IDC_V, "1");
    Enter(IDC_RHO, "1e-320");
    EXPECT_TRUE(std::isinf(Doc().GetNy()));
    EXPECT_EQ(Text(IDC_NY), "");
    EXPECT_EQ(Doc().GetRe(), 0);
    ExpectNothingNonFiniteShown();
}

// Hand-edited global data beyond the double range are stored finite at start.
TEST_F(ProgramTest, HugeGlobalDataFromTheSettingsFile) {
    test_support::WriteBytes(
        directory.Ini(), "[Gobale Daten]\nRevision=2\ng=1e999\nFluidtemperatur=1e999\nFluiddichte=-1e999\n");
    Start();
    EXPECT_EQ(Doc().GetG(), DBL_MAX);
    EXPECT_EQ(Doc().GetT(), DBL_MAX);
    EXPECT_EQ(Doc().GetRho(), -DBL_MAX);
    EXPECT_EQ(Text(IDC_T), "1e999");  // shown as read
    ExpectNothingNonFiniteShown();
}

// Whatever non-finite values the record holds, the report composes and says they cannot be computed.
TEST_F(NonFiniteEntry, ReportOfARecordOfNonFiniteValues) {
    using Setter = void (CPlenwickDoc::*)(double);
    const Setter setters[] = {&CPlenwickDoc::SetSurfaceWidth, &CPlenwickDoc::SetVt, &CPlenwickDoc::SetHt,
                              &CPlenwickDoc::SetQt,           &CPlenwickDoc::SetRe, &CPlenwickDoc::SetK,
                              &CPlenwickDoc::SetDi,           &CPlenwickDoc::SetG,  &CPlenwickDoc::SetV,
                              &CPlenwickDoc::SetNy,           &CPlenwickDoc::SetQ,  &CPlenwickDoc::SetI,
                              &CPlenwickDoc::SetRho,          &CPlenwickDoc::SetT,  &CPlenwickDoc::SetLambda};
    for (double x : {kInf, -kInf, kNaN}) {
        for (int sought : {SOUGHT_J, SOUGHT_VQ, SOUGHT_Q, SOUGHT_K, SOUGHT_DI}) {
            for (bool full : {true, false}) {
                for (Setter set : setters) (Doc().*set)(x);
                Doc().SetSought(sought);
                Doc().SetFullFilling(full);
                Doc().SetCalculated(true);
                const std::vector<std::string> page = PrintedPage();
                ASSERT_FALSE(page.empty());
                for (const std::string& text : page)
                    EXPECT_FALSE(ShowsNonFinite(text)) << sought << " " << text;
                EXPECT_EQ(PrintedAfter(page, "Fluiddichte rho:"), "nicht berechenbar");
            }
        }
    }
}

}  // namespace
}  // namespace robustness
