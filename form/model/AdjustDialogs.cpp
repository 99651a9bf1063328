#include "form/model/AdjustDialogs.h"

#include <string>
#include <utility>
#include <vector>

#include "form/model/ControlIds.h"
#include "messages/MessageTexts.h"

namespace {

// Every adjustment dialog also holds an OK button (id 1), hidden and disabled: it can never be chosen,
// so it is not among the choice buttons.
platform::DialogTemplate AdjustTemplate(int id, std::string text,
                                        std::vector<platform::DialogButton> buttons) {
    platform::DialogTemplate dialog;
    dialog.id = id;
    dialog.caption = "Parameteranpassung";
    dialog.width = 290;
    dialog.height = 89;
    dialog.fontFace = "MS Sans Serif";
    dialog.fontPoints = 8;
    dialog.text = std::move(text);
    dialog.buttons = std::move(buttons);
    dialog.closeCode = CAdjustDialog::CANCELLED;
    return dialog;
}

}  // namespace

CAdjustReDlg::CAdjustReDlg()
    : CAdjustDialog(AdjustTemplate(
          IDD_ADJUST_RE, messages::Text(messages::MessageId::AdjustReynolds),
          {{IDC_ADJUST_DI, "di", ADAPT_DI}, {IDC_ADJUST_NY, "ny", ADAPT_NY}, {IDC_ADJUST_V, "v", ADAPT_V}})) {
}

CAdjustAreaDlg::CAdjustAreaDlg()
    : CAdjustDialog(AdjustTemplate(IDD_ADJUST_AREA, messages::Text(messages::MessageId::AdjustArea),
                                   {{IDC_ADJUST_Q, "Q", ADAPT_Q}, {IDC_ADJUST_V, "v", ADAPT_V}})) {}

CZeroQvDlg::CZeroQvDlg()
    : CAdjustDialog(AdjustTemplate(IDD_ZERO_QV, messages::Text(messages::MessageId::ZeroFlowOrVelocity),
                                   {{IDC_ADJUST_Q, "Q", ZERO_Q}, {IDC_ADJUST_V, "v", ZERO_V}})) {}
