// Entries the form does not take: an adjustment question ended by its close box (or Escape) cancels the
// entry that raised it, and a number with digit grouping is refused. Either way the calculation stays
// exactly as it was before the typing.
#include <string>
#include <vector>

#include "form/model/AdjustDialogs.h"
#include "messages/MessageTexts.h"
#include "parameters/FormFixture.h"

namespace {

using form_testing::FormTest;

struct CancelCase {
    const char* name;
    int sought;
    int field;
    const char* typed;
    const char* dialogLine;
};

void PrintTo(const CancelCase& c, std::ostream* out) {
    *out << c.name;
}

// di 0.1 m, v 1 m/s, Q of that pipe, ν 1e-6 m²/s, Re 100000, λ 0.02, J 10 m/km, each field showing it.
class CancelledEntry : public FormTest, public ::testing::WithParamInterface<CancelCase> {
  protected:
    void SetUp() override {
        // di first: its change reaction empties the flow fields.
        const std::pair<int, double> shown[]{{IDC_DI, 100},      {IDC_V, 1},      {IDC_Q_LS, 7.853982},
                                             {IDC_LAMBDA, 0.02}, {IDC_J, 10},     {IDC_A, 0.007854},
                                             {IDC_NY, 1},        {IDC_RE, 100000}};
        for (const auto& [id, value] : shown) Show(id, value);
        doc.SetSought(GetParam().sought);
        doc.SetDi(0.1);
        doc.SetV(1);
        doc.SetQ(0.1 * 0.1 * 0.7853981633974483);
        doc.SetNy(1e-6);
        doc.SetRe(100000);
        doc.SetLambda(0.02);
        doc.SetI(0.01);
        hp.transcript.TakeNew();
    }
};

TEST_P(CancelledEntry, CloseBoxLeavesEverythingAsBeforeTheTyping) {
    const CalculationState before = view.CaptureState();
    Enter(GetParam().field, GetParam().typed);
    ASSERT_FALSE(Lines().empty());
    EXPECT_EQ(Lines().back(), GetParam().dialogLine);
    EXPECT_TRUE(view.CaptureState() == before);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, CancelledEntry,
    ::testing::Values(CancelCase{"Reynolds", SOUGHT_J, IDC_RE, "200000", "dialog 104 0 closed"},
                      CancelCase{"ReynoldsClamped", SOUGHT_J, IDC_RE, "1000", "dialog 104 0 closed"},
                      CancelCase{"Area", SOUGHT_J, IDC_A, "0.0314159", "dialog 105 0 closed"},
                      CancelCase{"ReynoldsDiSought", SOUGHT_DI, IDC_RE, "200000", "dialog 106 0 closed"},
                      CancelCase{"LambdaDiSought", SOUGHT_DI, IDC_LAMBDA, "0.03", "dialog 106 0 closed"}),
    [](const auto& info) { return std::string(info.param.name); });

struct GroupingCase {
    const char* typed;
    bool refused;
    const char* fieldAfter;
};

class DigitGrouping : public FormTest, public ::testing::WithParamInterface<GroupingCase> {};

TEST_P(DigitGrouping, IsRefusedNamingTheTextAndTheFieldKeepsItsValue) {
    const GroupingCase& c = GetParam();
    Show(IDC_Q_LS, 8);
    doc.SetQ(0.008);
    Enter(IDC_Q_LS, c.typed);
    EXPECT_EQ(Text(IDC_Q_LS), c.fieldAfter);
    if (c.refused) {
        EXPECT_EQ(Messages(), std::vector<std::string>{messages::NamedMessage(
                                  messages::MessageId::EntryWithDigitGrouping, c.typed)});
        EXPECT_DOUBLE_EQ(doc.GetQ(), 0.008);
    } else {
        EXPECT_TRUE(Messages().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DigitGrouping,
    ::testing::Values(GroupingCase{"1.234,5", true, "8.000000"}, GroupingCase{"1,234.5", true, "8.000000"},
                      GroupingCase{"1.234.567", true, "8.000000"},
                      GroupingCase{"-2,000,000", true, "8.000000"}, GroupingCase{"1234,5", false, "1234.5"},
                      GroupingCase{"1.5e3", false, "1.5e3"}, GroupingCase{"12.", false, "12."}));

}  // namespace
