// Entering J: limits in m/km on the stored slope I, without an unchanged-value test.
#include <string>
#include <vector>

#include "parameters/FormFixture.h"

namespace {

using form_testing::FormTest;

const char* const kITooSmall = "I ist zu klein und wird begrenzt.";
const char* const kITooLarge = "I ist zu groß und wird begrenzt.";

struct SlopeCase {
    std::string typed;
    double stored;
    std::vector<std::string> messages;
    std::string fieldAfter;
};

class SlopeEntry : public FormTest, public ::testing::WithParamInterface<SlopeCase> {};

TEST_P(SlopeEntry, StoresClampedSlope) {
    const SlopeCase& c = GetParam();
    Show(IDC_J, 1);
    doc.SetCalculated(true);
    Enter(IDC_J, c.typed);
    EXPECT_EQ(Messages(), c.messages);
    EXPECT_DOUBLE_EQ(doc.GetI(), c.stored);
    EXPECT_EQ(Text(IDC_J), c.fieldAfter);
    EXPECT_FALSE(doc.IsCalculated());
}

INSTANTIATE_TEST_SUITE_P(Entries, SlopeEntry,
                         ::testing::Values(SlopeCase{"0", 0.00005, {kITooSmall}, "0.050000"},
                                           SlopeCase{"", 0.00005, {kITooSmall}, "0.050000"},
                                           SlopeCase{"-2", 0.00005, {kITooSmall}, "0.050000"},
                                           SlopeCase{"0.05", 0.00005, {}, "0.05"},
                                           SlopeCase{"10", 0.01, {}, "10"}, SlopeCase{"400", 0.4, {}, "400"},
                                           SlopeCase{"500", 0.4, {kITooLarge}, "400.000000"}));

TEST_F(FormTest, SlopeClampRepeatsForTheSameEntry) {
    Enter(IDC_J, "0");
    Enter(IDC_J, "0");
    EXPECT_EQ(Messages(), (std::vector<std::string>{kITooSmall, kITooSmall}));
}

}  // namespace
