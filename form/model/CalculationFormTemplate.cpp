#include "form/model/CalculationFormTemplate.h"

#include "form/model/ControlIds.h"
#include "help/HelpLauncher.h"

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogRect;
using platform::LabelAlign;

// The widest "%f" values the number fields show in practice: four integer digits in the narrow fields
// (di up to 5000 mm), seven in the wide ones (Re and Q of large pipes).
constexpr const char* kNarrowFieldText = "0000.000000";
constexpr const char* kWideFieldText = "0000000.000000";
constexpr int kNarrowField = 31;

ControlTemplate Field(int id, const char* label, DialogRect labelRect, DialogRect rect,
                      LabelAlign align = LabelAlign::Right) {
    ControlTemplate control;
    control.id = id;
    control.kind = ControlKind::Edit;
    control.label = label;
    control.labelRect = labelRect;
    control.labelAlign = align;
    control.rect = rect;
    control.widestText = rect.width <= kNarrowField ? kNarrowFieldText : kWideFieldText;
    return control;
}

ControlTemplate List(int id, const char* label, DialogRect labelRect, DialogRect rect) {
    ControlTemplate control = Field(id, label, labelRect, rect, LabelAlign::Left);
    control.kind = ControlKind::List;
    control.widestText.clear();
    return control;
}

ControlTemplate Button(int id, ControlKind kind, const char* caption, DialogRect rect, bool tabStop,
                       int mnemonic = -1) {
    ControlTemplate control;
    control.mnemonic = mnemonic;
    control.id = id;
    control.kind = kind;
    control.caption = caption;
    control.rect = rect;
    control.tabStop = tabStop;
    return control;
}

ControlTemplate Tabs(int id, DialogRect rect, const char* itemMnemonics) {
    ControlTemplate control = Button(id, ControlKind::Tabs, "", rect, true);
    control.itemMnemonics = itemMnemonics;
    return control;
}

platform::FormTemplate MakeTemplate() {
    platform::FormTemplate form;
    form.id = IDD_CALCULATION_FORM;
    form.width = 352;
    form.height = 319;
    form.fontFace = "MS Sans Serif";
    form.fontPoints = 8;

    form.controls = {
        Field(IDC_T, "Fluidtemperatur [C°]", {83, 17, 73, 10}, {159, 17, 31, 12}),
        Field(IDC_G, "Erdbeschleunigung [m/s²]", {209, 20, 86, 10}, {302, 19, 31, 12}),
        Field(IDC_RHO, "Fluiddichte [kg/m³]", {70, 34, 85, 10}, {159, 33, 31, 12}),
        Field(IDC_NY, "kin. Zähigkeit *10^(-6) [m²/s]", {202, 37, 93, 10}, {302, 35, 31, 12}),
        List(IDC_CLASS, "k", {83, 118, 18, 11}, {17, 113, 62, 126}),
        List(IDC_DN, "DN", {83, 134, 18, 11}, {17, 129, 62, 124}),
        Field(IDC_DA, "da [mm]", {122, 114, 33, 10}, {159, 112, 31, 12}),
        Field(IDC_S, "s [mm]", {208, 115, 25, 10}, {234, 113, 31, 12}, LabelAlign::Left),
        Field(IDC_ZMA, "ZMA [mm] ", {122, 132, 33, 10}, {159, 129, 31, 12}),
        Field(IDC_DI, "di [mm]", {272, 132, 27, 10}, {302, 129, 31, 12}),
        List(IDC_ROUGHNESS, "", {}, {19, 163, 172, 84}),
        Field(IDC_K, "k [mm]", {275, 165, 25, 10}, {302, 163, 31, 12}),
        Field(IDC_J, "Gefälle J [m/km]", {14, 199, 61, 10}, {84, 197, 41, 12}),
        Field(IDC_V, "Fliessgeschw. vv [m/s] ", {169, 199, 74, 10}, {250, 197, 41, 12}),
        Field(IDC_Q_LS, "Durchfluss Qv [l/s]", {10, 215, 65, 10}, {84, 213, 41, 12}),
        Field(IDC_Q_M3H, "Durchfluss Qv [m³/h] ", {169, 215, 74, 10}, {250, 213, 41, 12}),
        Field(IDC_A, "Fläche Av [m²]", {14, 231, 61, 10}, {84, 229, 41, 12}),
        Field(IDC_RE, "Reynoldszahl Re [mm] ", {169, 231, 74, 10}, {250, 229, 41, 12}),
        Field(IDC_LAMBDA, "Lambda [ 1] ", {13, 247, 62, 10}, {84, 245, 41, 12}),
        Field(IDC_QT_LS, "Durchfluss Qt [l/s]", {10, 263, 65, 10}, {84, 261, 41, 12}),
        Field(IDC_QT_M3H, "Durchfluss Qt [m³/h] ", {170, 263, 74, 10}, {250, 261, 41, 12}),
        Field(IDC_HT, "Füllhöhe ht [mm] ", {9, 279, 66, 10}, {84, 277, 41, 12}),
        Field(IDC_VT, "Fliessgeschw. vt [m/s] ", {170, 279, 74, 10}, {250, 277, 41, 12}),
        // The keys with Alt: R, C, V, T and J, Q, K, I for the tabs; the menus have D, B, A, E and ?.
        // Alt+R clicks "Berechnen": Alt+B belongs to the menu "&Bearbeiten".
        Button(IDC_BERECHNEN, ControlKind::PushButton, "Berechnen", {286, 72, 47, 16}, true, 2),
        Button(IDC_CLEAR, ControlKind::PushButton, "Clear", {303, 294, 33, 11}, true, 0),
        Button(IDC_WEBLINK, ControlKind::OwnerDrawButton, help::kMakerWebAddress, {12, 297, 243, 11}, true),
        // Tab reaches the filling mode and the sought parameter; the arrow keys choose within them.
        Button(IDC_FULL_FILLING, ControlKind::RadioButton, "Vollfüllung", {12, 18, 48, 10}, true, 0),
        Button(IDC_PARTIAL_FILLING, ControlKind::RadioButton, "Teilfüllung", {12, 30, 48, 10}, true, 0),
        Tabs(IDC_SOUGHT, {16, 72, 258, 16}, "JQKI"),
        Field(IDC_SURFACE_WIDTH, "Wasserspiegelbreite [mm]", {150, 247, 93, 10}, {250, 245, 41, 12}),
    };
    form.controls.back().enabled = false;  // the water-surface width is only ever shown
    form.defaultButton = IDC_BERECHNEN;

    form.groups = {
        {"Globale Daten", {7, 6, 338, 47}},   {"Gesuchter Parameter", {7, 58, 338, 38}},
        {"Rohrparameter", {7, 101, 338, 47}}, {"Rauhigkeitsparameter", {7, 151, 338, 31}},
        {"Parameter", {7, 187, 338, 125}},
    };
    return form;
}

}  // namespace

const platform::FormTemplate& CalculationFormTemplate() {
    static const platform::FormTemplate form = MakeTemplate();
    return form;
}
