#include "form/ResultsText.h"

#include <algorithm>
#include <array>

#include "form/PlenwickView.h"
#include "form/model/ControlIds.h"
#include "record/PlenwickDoc.h"

namespace {

struct ShownValue {
    int id;
    const char* label;
    const char* unit;
};

// In the order of the form's groups.
constexpr std::array<ShownValue, 21> kValues{{
    {IDC_T, "Fluidtemperatur", "°C"},
    {IDC_RHO, "Fluiddichte", "kg/m³"},
    {IDC_G, "Erdbeschleunigung", "m/s²"},
    {IDC_NY, "kin. Zähigkeit", "10^-6 m²/s"},
    {IDC_DA, "da", "mm"},
    {IDC_S, "s", "mm"},
    {IDC_ZMA, "ZMA", "mm"},
    {IDC_DI, "di", "mm"},
    {IDC_K, "k", "mm"},
    {IDC_J, "Gefälle J", "m/km"},
    {IDC_V, "Fliessgeschw. vv", "m/s"},
    {IDC_Q_LS, "Durchfluss Qv", "l/s"},
    {IDC_Q_M3H, "Durchfluss Qv", "m³/h"},
    {IDC_A, "Fläche Av", "m²"},
    {IDC_RE, "Reynoldszahl Re", ""},
    {IDC_LAMBDA, "Lambda", ""},
    {IDC_QT_LS, "Durchfluss Qt", "l/s"},
    {IDC_QT_M3H, "Durchfluss Qt", "m³/h"},
    {IDC_HT, "Füllhöhe ht", "mm"},
    {IDC_VT, "Fliessgeschw. vt", "m/s"},
    {IDC_SURFACE_WIDTH, "Wasserspiegelbreite", "mm"},
}};

std::string Line(const std::string& label, std::string value, const std::string& unit) {
    std::replace(value.begin(), value.end(), '.', ',');
    return label + "\t" + value + "\t" + unit + "\n";
}

std::string Selected(const platform::ListControl& list) {
    return list.GetCurSel() < 0 ? list.GetEditText() : list.GetLBText(list.GetCurSel());
}

}  // namespace

std::string ResultsText(const CPlenwickView& view) {
    const CPlenwickDoc& doc = *view.GetDocument();
    const platform::TabControl& sought = view.SoughtTabs();
    std::string text = "Gesuchter Parameter\t" + sought.GetItemText(sought.GetCurSel()) + "\t\n";
    text += std::string("Füllung\t") + (doc.IsFullFilling() ? "Vollfüllung" : "Teilfüllung") + "\t\n";
    text += "Wanddickenklasse\t" + Selected(view.List(IDC_CLASS)) + "\t\n";
    text += "DN\t" + Selected(view.List(IDC_DN)) + "\t\n";
    for (const ShownValue& shown : kValues) {
        // Partial-filling values belong to partial filling; an empty field has nothing to copy.
        const bool partial = shown.id == IDC_QT_LS || shown.id == IDC_QT_M3H || shown.id == IDC_HT ||
                             shown.id == IDC_VT || shown.id == IDC_SURFACE_WIDTH;
        const std::string& value = view.Field(shown.id).GetText();
        const size_t start = value.find_first_not_of(' ');  // di is padded to five characters
        if (start == std::string::npos || (partial && doc.IsFullFilling()))
            continue;
        text += Line(shown.label, value.substr(start), shown.unit);
    }
    text += std::string("Ergebnis\t") + (doc.IsCalculated() ? "berechnet" : "nicht berechnet") + "\t\n";
    return text;
}
