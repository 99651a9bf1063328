// Pipe selection: class and DN give the pipe dimensions and di; di and k typed by the user are kept
// within their limits; the roughness list sets k.
#include <array>
#include <optional>
#include <string>
#include <utility>

#include "catalogue/RoughnessChoices.h"
#include "catalogue/SettingsFile.h"
#include "form/model/ControlIds.h"
#include "form/model/FormModel.h"
#include "form/model/PipeDiameter.h"
#include "hydraulics/EntryLimits.h"
#include "hydraulics/Formulas.h"
#include "hydraulics/Units.h"
#include "messages/MessageTexts.h"
#include "platform/Number.h"
#include "record/PlenwickDoc.h"

namespace {

using hydraulics::units::kMillimetre;

// The pipe fields, each with the key of its value in a class table row.
struct PipeField {
    int id;
    const char* key;
};
constexpr std::array<PipeField, 3> kPipeFields{
    {{IDC_DA, SettingsFile::kDaKey}, {IDC_S, SettingsFile::kSKey}, {IDC_ZMA, SettingsFile::kZmaKey}}};

// A new diameter invalidates v, Q and Re, and the fields of v, Q, Re and λ.
void ClearFlow(FormModel& view) {
    CPlenwickDoc& doc = *view.GetDocument();
    doc.SetV(0);
    doc.SetQ(0);
    doc.SetRe(0);
    for (int id : {IDC_V, IDC_Q_LS, IDC_Q_M3H, IDC_RE, IDC_LAMBDA}) view.Empty(id);
}

// The di [mm] that the pipe fields give, as ShowDi writes it and the di field reads it back.
double CatalogueDiOfFields(const FormModel& view) {
    return CatalogueInnerDiameterMm(view.Number(IDC_DA), view.Number(IDC_S), view.Number(IDC_ZMA));
}

}  // namespace

void FormModel::OnClassChanged() {
    platform::ListControl& dnList = List(IDC_DN);
    const int previousDn = platform::LeadingInteger(dnList.GetEditText());
    dnList.ResetContent();
    const platform::ListControl& classList = List(IDC_CLASS);
    if (classList.GetCurSel() < 0)
        return;
    const std::string className = classList.GetLBText(classList.GetCurSel());

    // The first row whose DN reaches the previous one; rows are stored in ascending DN.
    int choice = -1;
    for (const std::optional<std::string>& dn : m_settings->ClassDns(className)) {
        if (!dn)
            continue;
        const int position = dnList.AddString(*dn);
        if (choice < 0 && platform::LeadingInteger(*dn) >= previousDn)
            choice = position;
    }
    if (choice < 0) {
        Tell(messages::Text(messages::MessageId::NoMatchingDn));
        choice = 0;
    }
    dnList.SetCurSel(choice);
    OnDnChanged();
}

void FormModel::OnDnChanged() {
    const platform::ListControl& classList = List(IDC_CLASS);
    const platform::ListControl& dnList = List(IDC_DN);
    if (classList.GetCurSel() < 0 || dnList.GetCurSel() < 0)
        return;
    const std::string className = classList.GetLBText(classList.GetCurSel());
    const int wantedDn = platform::LeadingInteger(dnList.GetLBText(dnList.GetCurSel()));

    const std::vector<std::optional<std::string>>& dns = m_settings->ClassDns(className);
    for (int row = 1; row <= static_cast<int>(dns.size()); ++row) {
        const std::optional<std::string>& dn = dns[static_cast<size_t>(row - 1)];
        if (!dn || platform::LeadingInteger(*dn) != wantedDn)
            continue;
        // A value missing from the file leaves its field as it was.
        for (const PipeField& field : kPipeFields) {
            if (std::optional<std::string> text = m_settings->RowValue(className, row, field.key)) {
                Field(field.id).SetText(std::move(*text));
            }
        }
        const std::string diShown = Field(IDC_DI).GetText();
        ShowDi();
        // Picking a DN empties the flow even when the pipe's di is the one already shown.
        if (Field(IDC_DI).GetText() == diShown)
            TakeDi(Number(IDC_DI));
        return;
    }
}

double FormModel::ComputeDi() {
    return hydraulics::InnerDiameter(Number(IDC_DA), Number(IDC_S), Number(IDC_ZMA));
}

void FormModel::ShowDi() {
    Field(IDC_DI).ShowFormatted(kCatalogueDiFormat, ComputeDi());
}

void FormModel::OnPipeFieldLeave() {
    // Passing through the field without changing the pipe keeps di and everything that follows from it.
    if (CatalogueDiOfFields(*this) == Number(IDC_DI))
        return;
    ShowDi();
}

void FormModel::MarkPipeConsistency(double diMm) {
    const bool consistent = diMm == CatalogueDiOfFields(*this);
    for (int id : {IDC_S, IDC_DA, IDC_ZMA}) Field(id).SetValid(consistent);
}

void FormModel::TakeDi(double diMm) {
    CPlenwickDoc& doc = *GetDocument();
    doc.SetDi(diMm * kMillimetre.toSi);
    MarkPipeConsistency(diMm);
    ClearFlow(*this);
    Show(IDC_A, hydraulics::AreaFromDiameter(diMm * kMillimetre.toSi));
}

void FormModel::OnDiChanged() {
    // The same text written again (the field rewritten on leaving it) changes nothing.
    const std::string& text = Field(IDC_DI).GetText();
    if (text == m_diText)
        return;
    m_diText = text;
    if (m_controls.FocusedId() == IDC_DI)
        m_diTyped = true;
    TakeDi(Number(IDC_DI));
}

void FormModel::OnDiLeave() {
    CPlenwickDoc& doc = *GetDocument();
    const double typedMm = Number(IDC_DI);
    double di = typedMm * kMillimetre.toSi;
    const auto clamped = CorrectEntry(di, hydraulics::EntryQuantity::Di, hydraulics::kDiameterEntry);
    if (clamped) {
        di = *clamped;
        Show(IDC_DI, di * kMillimetre.toDisplay);
    }
    // Leaving without a new di (nothing typed changed it, no bound applied) changes nothing.
    const bool changed = clamped || m_diTyped;
    m_diTyped = false;
    if (!changed)
        return;
    doc.SetDi(di);
    MarkPipeConsistency(typedMm);
    ClearFlow(*this);
    for (int id : {IDC_HT, IDC_QT_LS, IDC_QT_M3H}) Empty(id);
    doc.SetQt(0);
    Empty(IDC_VT);
    doc.SetVt(0);
    Empty(IDC_HT);
    doc.SetHt(0);
    Show(IDC_A, hydraulics::AreaFromDiameter(di));
}

void FormModel::OnRoughnessChanged() {
    const int position = List(IDC_ROUGHNESS).GetCurSel();
    const std::vector<RoughnessChoice>& choices = RoughnessChoices();
    // An entry beyond the known choices has no value of its own.
    if (position < 0 || position >= static_cast<int>(choices.size()))
        return;
    EnableControl(IDC_K, position == kManualRoughness);
    const double kMm = choices[static_cast<size_t>(position)].kMm;
    Show(IDC_K, kMm);
    GetDocument()->SetK(kMm * kMillimetre.toSi);
}

void FormModel::OnKChanged() {
    GetDocument()->SetK(Number(IDC_K) * kMillimetre.toSi);
}

void FormModel::OnKLeave() {
    const double k = Number(IDC_K) * kMillimetre.toSi;
    // The k field's change reaction stores the bound.
    if (const auto clamped = CorrectEntry(k, hydraulics::EntryQuantity::K, hydraulics::kRoughnessEntry))
        Show(IDC_K, *clamped * kMillimetre.toDisplay);
}
