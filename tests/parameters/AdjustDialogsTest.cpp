// The three adjustment dialogs: their templates and the codes they end with.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "form/model/AdjustDialogs.h"
#include "form/model/ControlIds.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

struct ExpectedButton {
    int id;
    std::string caption;
    int code;
};

struct DialogCase {
    std::string name;
    std::unique_ptr<CAdjustDialog> (*make)();
    int id;
    std::string text;
    std::vector<ExpectedButton> buttons;
};

std::vector<DialogCase> Dialogs() {
    return {
        {"Reynolds",
         [] { return std::unique_ptr<CAdjustDialog>(new CAdjustReDlg); },
         104,
         "Beim Ändern der Reynoldszahl muß ein anderer Parameter angepaßt werden. Re = f(v, di, ny). Bitte "
         "wählen Sie den Parameter, der angepaßt werden soll.",
         {{1042, "di", 1}, {1043, "ny", 2}, {1044, "v", 3}}},
        {"Area",
         [] { return std::unique_ptr<CAdjustDialog>(new CAdjustAreaDlg); },
         105,
         "Beim Ändern der Fläche muß neben dem Innendurchmesser di noch ein anderer Parameter angepaßt "
         "werden. "
         "A = f(Q, v). Bitte wählen Sie den Parameter, der angepaßt werden soll.",
         {{1050, "Q", 1}, {1044, "v", 2}}},
        {"ZeroQv",
         [] { return std::unique_ptr<CAdjustDialog>(new CZeroQvDlg); },
         106,
         "Q und v sind ungleich Null. Aus Q und v kann di direkt ermittelt werden. Um die letzte Eingabe "
         "nutzen "
         "zu können, muß einer der Parameter auf Null gesetzt werden. Wählen Sie den Parameter, der auf Null "
         "gesetzt werden soll.",
         {{1050, "Q", 1}, {1044, "v", 2}}},
    };
}

class AdjustDialog : public ::testing::TestWithParam<DialogCase> {};

TEST_P(AdjustDialog, Template) {
    const DialogCase& c = GetParam();
    const auto adjust = c.make();
    const platform::DialogTemplate& dialog = adjust->Template();
    EXPECT_EQ(dialog.id, c.id);
    EXPECT_EQ(dialog.caption, "Parameteranpassung");
    EXPECT_EQ(dialog.width, 290);
    EXPECT_EQ(dialog.height, 89);
    EXPECT_EQ(dialog.fontFace, "MS Sans Serif");
    EXPECT_EQ(dialog.fontPoints, 8);
    EXPECT_EQ(dialog.text, c.text);
    EXPECT_EQ(dialog.closeCode, CAdjustDialog::CANCELLED);
    ASSERT_EQ(dialog.buttons.size(), c.buttons.size());
    for (size_t i = 0; i < c.buttons.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(dialog.buttons[i].id, c.buttons[i].id);
        EXPECT_EQ(dialog.buttons[i].caption, c.buttons[i].caption);
        EXPECT_EQ(dialog.buttons[i].code, c.buttons[i].code);
    }
}

TEST_P(AdjustDialog, EndsWithChosenCodeOrCloseCode) {
    const DialogCase& c = GetParam();
    headless::HeadlessPlatform hp;
    const auto dialog = c.make();
    hp.prompt.QueueAnswers({c.buttons.back().code});
    EXPECT_EQ(dialog->DoModal(), c.buttons.back().code);
    EXPECT_EQ(dialog->DoModal(), CAdjustDialog::CANCELLED);
    const std::string id = std::to_string(c.id);
    EXPECT_EQ(hp.transcript.Lines(),
              (std::vector<std::string>{"dialog " + id + " " + std::to_string(c.buttons.back().code),
                                        "dialog " + id + " 0 closed"}));
}

INSTANTIATE_TEST_SUITE_P(All, AdjustDialog, ::testing::ValuesIn(Dialogs()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
