// Reactions of the partial-filling fields: whichever of ht, Qt or vt is entered, the others and the
// water-surface width follow from it and the full-filling Q and v of the same pipe.
#include <cmath>

#include "form/ControlIds.h"
#include "form/PlenwickView.h"
#include "form/reactions/EntryCorrection.h"
#include "hydraulics/Calculations.h"
#include "hydraulics/EntryLimits.h"
#include "hydraulics/Formulas.h"
#include "hydraulics/Units.h"
#include "record/PlenwickDoc.h"

namespace {

using hydraulics::units::kCubicMetrePerHour;
using hydraulics::units::kLitrePerSecond;
using hydraulics::units::kMillimetre;

using hydraulics::EntryQuantity;
using hydraulics::EntrySide;
using hydraulics::kMinFillingHeight;

// Changes smaller than these leave the record as it is.
constexpr double kHeightTolerance = 0.00001;  // m
constexpr double kFlowTolerance = 0.00001;    // m³/s
constexpr double kVelocityTolerance = 0.001;  // m/s

void ShowPartialFlow(CPlenwickView& view, double Qt) {
    view.Show(IDC_QT_LS, Qt * kLitrePerSecond.toDisplay);
    view.Show(IDC_QT_M3H, Qt * kCubicMetrePerHour.toDisplay);
}

// Stores and shows the water-surface width at filling height ht.
void ApplySurfaceWidth(CPlenwickView& view, CPlenwickDoc& doc, double di, double ht) {
    const double width = hydraulics::SurfaceWidth(di, ht);
    doc.SetSurfaceWidth(width);
    view.Show(IDC_SURFACE_WIDTH, width * kMillimetre.toDisplay);
}

// A filling height derived from Qt or vt: stored and shown with its water-surface width.
void ApplyDerivedHeight(CPlenwickView& view, CPlenwickDoc& doc, double di, double ht) {
    doc.SetHt(ht);
    view.Show(IDC_HT, ht * kMillimetre.toDisplay);
    ApplySurfaceWidth(view, doc, di, ht);
}

// Qt [m³/s] has been read from one of the two Qt fields; the other one shows it too.
void OnPartialFlowEntered(CPlenwickView& view, double Qt, int otherField, double otherToDisplay,
                          bool emptyVelocity) {
    CPlenwickDoc& doc = *view.GetDocument();
    if (std::fabs(Qt - doc.GetQt()) < kFlowTolerance)
        return;
    if (emptyVelocity)
        view.Empty(IDC_VT);
    doc.SetQt(Qt);
    view.Show(otherField, Qt * otherToDisplay);
    if (doc.GetSought() == SOUGHT_DI)
        return;
    const double di = doc.GetDi();
    const double Q = doc.GetQ();
    if (di <= 0 || Q <= 0)
        return;
    const double ht = hydraulics::PartialHeightFromFlow(di, Qt / Q);
    ApplyDerivedHeight(view, doc, di, ht);
    const double vt = hydraulics::PartialVelocityRatio(doc.GetV(), ht / di);
    view.Show(IDC_VT, vt);
    doc.SetVt(vt);
}

}  // namespace

void CPlenwickView::OnQtLsLeave() {
    if (IsEmpty(IDC_QT_LS)) {
        Empty(IDC_QT_LS);
        return;
    }
    OnPartialFlowEntered(*this, Number(IDC_QT_LS) * kLitrePerSecond.toSi, IDC_QT_M3H,
                         kCubicMetrePerHour.toDisplay, true);
}

void CPlenwickView::OnQtM3hLeave() {
    if (IsEmpty(IDC_QT_M3H)) {
        Empty(IDC_QT_M3H);
        return;
    }
    // No new vt may follow, so the vt field keeps its text.
    OnPartialFlowEntered(*this, Number(IDC_QT_M3H) * kCubicMetrePerHour.toSi, IDC_QT_LS,
                         kLitrePerSecond.toDisplay, false);
}

void CPlenwickView::OnVtLeave() {
    CPlenwickDoc& doc = *GetDocument();
    if (IsEmpty(IDC_VT)) {
        Empty(IDC_VT);
        return;
    }
    double vt = Number(IDC_VT);
    if (std::fabs(vt - doc.GetVt()) < kVelocityTolerance)
        return;
    Empty(IDC_QT_LS);
    Empty(IDC_QT_M3H);
    doc.SetQt(0);
    if (const auto clamped = CorrectEntry(vt, EntryQuantity::Vt, hydraulics::kVelocityEntry)) {
        vt = *clamped;
        Show(IDC_VT, vt);
    }
    doc.SetVt(vt);
    if (doc.GetSought() == SOUGHT_DI)
        return;
    const double di = doc.GetDi();
    const double v = doc.GetV();
    if (di <= 0 || v <= 0)
        return;
    const double ht = hydraulics::PartialHeightFromVelocity(di, vt / v);
    ApplyDerivedHeight(*this, doc, di, ht);
    const double Q = doc.GetQ();
    if (Q <= 0)
        return;
    const double Qt = hydraulics::PartialFlowRatio(Q, ht / di);
    ShowPartialFlow(*this, Qt);
    doc.SetQt(Qt);
}

void CPlenwickView::OnHtLeave() {
    CPlenwickDoc& doc = *GetDocument();
    if (IsEmpty(IDC_HT)) {
        Empty(IDC_HT);
        return;
    }
    double ht = Number(IDC_HT) * kMillimetre.toSi;
    if (std::fabs(ht - doc.GetHt()) < kHeightTolerance)
        return;
    doc.SetQt(0);
    const double di = doc.GetDi();
    if (ht < kMinFillingHeight) {
        ht = kMinFillingHeight;
        TellEntryLimit(EntryQuantity::Ht, EntrySide::Low);
        Show(IDC_HT, kMinFillingHeight * kMillimetre.toDisplay);
    }
    if (ht > di) {
        TellEntryLimit(EntryQuantity::Ht, EntrySide::High);
        ht = di;
        Show(IDC_HT, di * kMillimetre.toDisplay);
    }
    doc.SetHt(ht);
    const hydraulics::PartialFromHeight partial = hydraulics::PartialValuesAtHeight(di, doc.GetQ(), doc.GetV(), ht);
    doc.SetSurfaceWidth(partial.surfaceWidth);
    Show(IDC_SURFACE_WIDTH, partial.surfaceWidth * kMillimetre.toDisplay);
    ShowPartialFlow(*this, partial.Qt);
    doc.SetQt(partial.Qt);
    Show(IDC_VT, partial.vt);
    doc.SetVt(partial.vt);
}
