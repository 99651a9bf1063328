#include "form/ResultsText.h"

#include <algorithm>
#include <array>

#include "form/PlenwickView.h"
#include "form/model/ControlIds.h"
#include "messages/ResultTexts.h"
#include "record/PlenwickDoc.h"

namespace {

using messages::ResultText;
using messages::Text;

struct ShownValue {
    int id;
    ResultText label;
    const char* unit;
};

// In the order of the form's groups.
constexpr std::array<ShownValue, 21> kValues{{
    {IDC_T, ResultText::Temperature, "°C"},
    {IDC_RHO, ResultText::Density, "kg/m³"},
    {IDC_G, ResultText::Gravity, "m/s²"},
    {IDC_NY, ResultText::Viscosity, "10^-6 m²/s"},
    {IDC_DA, ResultText::OuterDiameter, "mm"},
    {IDC_S, ResultText::WallThickness, "mm"},
    {IDC_ZMA, ResultText::Lining, "mm"},
    {IDC_DI, ResultText::InnerDiameter, "mm"},
    {IDC_K, ResultText::Roughness, "mm"},
    {IDC_J, ResultText::Slope, "m/km"},
    {IDC_V, ResultText::Velocity, "m/s"},
    {IDC_Q_LS, ResultText::Flow, "l/s"},
    {IDC_Q_M3H, ResultText::Flow, "m³/h"},
    {IDC_A, ResultText::Area, "m²"},
    {IDC_RE, ResultText::Reynolds, ""},
    {IDC_LAMBDA, ResultText::FrictionFactor, ""},
    {IDC_QT_LS, ResultText::PartialFlow, "l/s"},
    {IDC_QT_M3H, ResultText::PartialFlow, "m³/h"},
    {IDC_HT, ResultText::FillingHeight, "mm"},
    {IDC_VT, ResultText::PartialVelocity, "m/s"},
    {IDC_SURFACE_WIDTH, ResultText::SurfaceWidth, "mm"},
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
    std::string text =
        std::string(Text(ResultText::Sought)) + "\t" + sought.GetItemText(sought.GetCurSel()) + "\t\n";
    text += std::string(Text(ResultText::Filling)) + "\t" +
            Text(doc.IsFullFilling() ? ResultText::FullFilling : ResultText::PartialFilling) + "\t\n";
    text += std::string(Text(ResultText::PipeClass)) + "\t" + Selected(view.List(IDC_CLASS)) + "\t\n";
    text += "DN\t" + Selected(view.List(IDC_DN)) + "\t\n";
    for (const ShownValue& shown : kValues) {
        // Partial-filling values belong to partial filling; an empty field has nothing to copy.
        const bool partial = shown.id == IDC_QT_LS || shown.id == IDC_QT_M3H || shown.id == IDC_HT ||
                             shown.id == IDC_VT || shown.id == IDC_SURFACE_WIDTH;
        const std::string& value = view.Field(shown.id).GetText();
        const size_t start = value.find_first_not_of(' ');  // di is padded to five characters
        if (start == std::string::npos || (partial && doc.IsFullFilling()))
            continue;
        text += Line(Text(shown.label), value.substr(start), shown.unit);
    }
    text += std::string(Text(ResultText::Result)) + "\t" +
            Text(doc.IsCalculated() ? ResultText::Calculated : ResultText::NotCalculated) + "\t\n";
    return text;
}
