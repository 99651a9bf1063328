// A clamped entry: the message is shown while the field still holds the typed text, and the bound
// is shown only after the message has been closed.
#include <string>

#include "form/model/AdjustDialogs.h"
#include "parameters/FormFixture.h"

namespace {

struct ClampCase {
    int field;
    std::string typed;
    std::string corrected;
};

class ClampOrder : public form_testing::FormTest, public ::testing::WithParamInterface<ClampCase> {};

TEST_P(ClampOrder, MessageBeforeCorrectedValue) {
    const ClampCase& c = GetParam();
    form_testing::HookedPrompt prompt(hp.prompt);
    std::string shownDuringMessage;
    prompt.onMessage = [&] { shownDuringMessage = Text(c.field); };
    Answer(CAdjustReDlg::ADAPT_NY);  // the Re question, which would cancel the entry when closed
    Enter(c.field, c.typed);
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(shownDuringMessage, c.typed);
    EXPECT_EQ(Text(c.field), c.corrected);
}

INSTANTIATE_TEST_SUITE_P(Fields, ClampOrder,
                         ::testing::Values(ClampCase{IDC_V, "0.01", "0.050000"},
                                           ClampCase{IDC_RE, "6e7", "57000000.000000"},
                                           ClampCase{IDC_J, "500", "400.000000"}));

}  // namespace
