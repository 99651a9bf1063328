// Extreme values on the form, on the design sheet and in the sizing table: every text of the sheet stays
// on its page, portrait or landscape (a number too long for its place in exponent form, a text cut with
// "…"), and nothing shows nan, inf or a number of more than 16 digits.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "ProgramFixture.h"
#include "document/CalculationFile.h"
#include "form/model/ControlIds.h"

namespace robustness {
namespace {

struct Extreme {
    const char* name;
    std::function<void(ProgramTest&)> act;
};

void Calculate(ProgramTest& t) {
    t.Enter(IDC_V, "1");
    t.Click(IDC_BERECHNEN);
}

// A received file whose every value is 1e308, calculated, in partial filling.
void OpenFileOfHugeValues(ProgramTest& t) {
    CalculationState state = t.app.View().CaptureState();
    for (FieldState& field : state.form.fields) field.text = "1e308";
    RecordValues& r = state.record;
    for (double* x : {&r.surfaceWidth, &r.vt, &r.ht, &r.Qt, &r.Re, &r.k, &r.Di, &r.g, &r.v, &r.ny, &r.Q, &r.I,
                      &r.rho, &r.T, &r.lambda})
        *x = 1e308;
    r.calculated = true;
    r.fullFilling = state.form.fullFilling = false;
    const std::string path = (std::filesystem::path(t.directory.Path()) / "riesig.qrx").string();
    test_support::WriteBytes(path, WriteCalculationFile(state));
    ASSERT_TRUE(t.app.OpenDocument(path));
}

const Extreme kExtremes[] = {
    {"T1e30",
     [](ProgramTest& t) {
         t.Enter(IDC_T, "1e30");
         Calculate(t);
     }},
    {"Rho1e308",
     [](ProgramTest& t) {
         t.Enter(IDC_RHO, "1e308");
         Calculate(t);
     }},
    {"Qt1e11",
     [](ProgramTest& t) {
         t.Click(IDC_PARTIAL_FILLING);
         t.Enter(IDC_QT_LS, "1e11");
         Calculate(t);
     }},
    {"Q1e308",
     [](ProgramTest& t) {
         t.Enter(IDC_Q_LS, "1e308");
         t.Click(IDC_BERECHNEN);
     }},
    {"FileOf1e308", OpenFileOfHugeValues},
};

void PrintTo(const Extreme& extreme, std::ostream* out) {
    *out << extreme.name;
}

class ExtremeValuesShownTest : public ProgramTest, public ::testing::WithParamInterface<Extreme> {};

TEST_P(ExtremeValuesShownTest, EveryTextFitsItsPlace) {
    Start();
    GetParam().act(*this);
    for (const auto& [width, height] : {std::pair{4676, 6744}, std::pair{6744, 4676}})
        EXPECT_EQ(UnfitSheetTexts(app.View(), width, height), std::vector<std::string>()) << width;
    EXPECT_EQ(UnfitSizingTexts(app.View()), std::vector<std::string>());
    for (const platform::Control* control : Form().InTabOrder()) {
        if (control->Kind() == platform::ControlKind::Edit && control->Id() != Form().FocusedId()) {
            EXPECT_LE(Text(control->Id()).size(), 16u) << control->Id() << " " << Text(control->Id());
        }
    }
    for (const std::string& text : PrintedPage()) EXPECT_FALSE(MessageShowsUnfitNumber(text)) << text;
}

INSTANTIATE_TEST_SUITE_P(Values, ExtremeValuesShownTest, ::testing::ValuesIn(kExtremes),
                         [](const ::testing::TestParamInfo<Extreme>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace robustness
