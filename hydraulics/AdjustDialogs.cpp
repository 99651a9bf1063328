#include "hydraulics/AdjustDialogs.h"

#include <string>
#include <utility>
#include <vector>

#include "form/ControlIds.h"

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
    dialog.closeCode = 2;
    return dialog;
}

constexpr const char* kAdjustReText =
    "Beim Ändern der Reynoldszahl muß ein anderer Parameter angepaßt werden. Re = f(v, di, ny). Bitte wählen Sie den Parameter, der angepaßt werden soll.";
constexpr const char* kAdjustAreaText =
    "Beim Ändern der Fläche muß neben dem Innendurchmesser di noch ein anderer Parameter angepaßt werden. A = f(Q, v). Bitte wählen Sie den Parameter, der angepaßt werden soll.";
constexpr const char* kZeroQvText =
    "Q und v sind ungleich Null. Aus Q und v kann di direkt ermittelt werden. Um die letzte Eingabe nutzen zu können, muß einer der Parameter auf Null gesetzt werden. Wählen Sie den Parameter, der auf Null gesetzt werden soll.";

}  // namespace

CAdjustReDlg::CAdjustReDlg()
    : CAdjustDialog(AdjustTemplate(
          IDD_ADJUST_RE,
          kAdjustReText,
          {{IDC_ADJUST_DI, "di", ADAPT_DI}, {IDC_ADJUST_NY, "ny", ADAPT_NY}, {IDC_ADJUST_V, "v", ADAPT_V}})) {
}

CAdjustAreaDlg::CAdjustAreaDlg()
    : CAdjustDialog(
          AdjustTemplate(IDD_ADJUST_AREA,
                         kAdjustAreaText,
                         {{IDC_ADJUST_Q, "Q", ADAPT_Q}, {IDC_ADJUST_V, "v", ADAPT_V}})) {}

CZeroQvDlg::CZeroQvDlg()
    : CAdjustDialog(
          AdjustTemplate(IDD_ZERO_QV,
                         kZeroQvText,
                         {{IDC_ADJUST_Q, "Q", ZERO_Q}, {IDC_ADJUST_V, "v", ZERO_V}})) {}
