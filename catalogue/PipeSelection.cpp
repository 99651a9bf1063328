// Pipe selection: class and DN give the pipe dimensions and di; di and k typed by the user are kept
// within their limits; the roughness list sets k.
#include "catalogue/RoughnessChoices.h"
#include "form/ControlIds.h"
#include "form/PlenwickView.h"
#include "hydraulics/Formulas.h"
#include "hydraulics/PlenwickDoc.h"
#include "hydraulics/Units.h"
#include "platform/Number.h"
#include "platform/Prompt.h"

namespace {

using hydraulics::units::kMillimetre;

// How di is shown when it follows from the pipe dimensions.
constexpr const char* kDiFormat = "%5.2f";

// Limits of a typed di and k, inclusive, in m.
constexpr double kMinDi = 0.005;
constexpr double kMaxDi = 5.0;
constexpr double kMinK = 0.00001;
constexpr double kMaxK = 0.05;

}  // namespace

void CPlenwickView::OnClassChanged() {}

void CPlenwickView::OnDnChanged() {}

double CPlenwickView::ComputeDi() { return Number(IDC_DA) - 2 * (Number(IDC_S) + Number(IDC_ZMA)); }

void CPlenwickView::ShowDi() { Field(IDC_DI).ShowFormatted(kDiFormat, ComputeDi()); }

void CPlenwickView::OnPipeFieldLeave() { ShowDi(); }

void CPlenwickView::MarkPipeConsistency(double diMm) {
    const bool consistent = diMm == platform::LeadingNumber(platform::Format(kDiFormat, ComputeDi()));
    for (int id : {IDC_S, IDC_DA, IDC_ZMA}) Field(id).SetValid(consistent);
}

void CPlenwickView::OnDiChanged() {
    CPlenwickDoc& doc = *GetDocument();
    const double diMm = Number(IDC_DI);
    doc.SetDi(diMm * kMillimetre.toSi);
    MarkPipeConsistency(diMm);
    doc.SetV(0);
    doc.SetQ(0);
    doc.SetRe(0);
    for (int id : {IDC_V, IDC_Q_LS, IDC_Q_M3H, IDC_RE, IDC_LAMBDA}) Empty(id);
    if (doc.IsFullFilling()) Show(IDC_A, hydraulics::AreaFromDiameter(diMm * kMillimetre.toSi));
}

void CPlenwickView::OnDiLeave() {
    CPlenwickDoc& doc = *GetDocument();
    const double typedMm = Number(IDC_DI);
    double di = typedMm * kMillimetre.toSi;
    if (di < kMinDi) {
        platform::ShowMessage("di ist zu klein und wird begrenzt.");
        di = kMinDi;
        Show(IDC_DI, kMinDi * kMillimetre.toDisplay);
    } else if (di > kMaxDi) {
        platform::ShowMessage("di ist zu groß und wird begrenzt.");
        di = kMaxDi;
        Show(IDC_DI, kMaxDi * kMillimetre.toDisplay);
    }
    doc.SetDi(di);
    MarkPipeConsistency(typedMm);
    doc.SetV(0);
    doc.SetQ(0);
    doc.SetRe(0);
    for (int id : {IDC_V, IDC_Q_LS, IDC_Q_M3H, IDC_RE, IDC_LAMBDA, IDC_HT, IDC_QT_LS, IDC_QT_M3H}) Empty(id);
    doc.SetQt(0);
    Empty(IDC_VT);
    doc.SetVt(0);
    Empty(IDC_HT);
    doc.SetHt(0);
    if (doc.IsFullFilling()) Show(IDC_A, hydraulics::AreaFromDiameter(di));
}

void CPlenwickView::OnRoughnessChanged() {
    const int position = List(IDC_ROUGHNESS).GetCurSel();
    const std::vector<RoughnessChoice>& choices = RoughnessChoices();
    // An entry beyond the known choices has no value of its own.
    if (position < 0 || position >= static_cast<int>(choices.size())) return;
    EnableControl(IDC_K, position == kManualRoughness);
    const double kMm = choices[static_cast<size_t>(position)].kMm;
    Show(IDC_K, kMm);
    GetDocument()->SetK(kMm * kMillimetre.toSi);
}

void CPlenwickView::OnKChanged() { GetDocument()->SetK(Number(IDC_K) * kMillimetre.toSi); }

void CPlenwickView::OnKLeave() {
    const double k = Number(IDC_K) * kMillimetre.toSi;
    if (k < kMinK) {
        platform::ShowMessage("k ist zu klein und wird begrenzt.");
        Show(IDC_K, kMinK * kMillimetre.toDisplay);
    } else if (k > kMaxK) {
        platform::ShowMessage("k ist zu groß und wird begrenzt.");
        Show(IDC_K, kMaxK * kMillimetre.toDisplay);
    }
}
