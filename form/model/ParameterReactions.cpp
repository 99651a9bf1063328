// Reactions of the groups "Parameter" and "Globale Daten": each stores its entry in the record, clamps it
// where the program has limits and recomputes what follows from it. Showing a value in the di, k or ν
// field runs that field's change reaction at once; the order of the steps relies on it.
#include <cmath>

#include "form/model/AdjustDialogs.h"
#include "form/model/ControlIds.h"
#include "form/model/FormModel.h"
#include "form/model/ReactionTolerances.h"
#include "hydraulics/Calculations.h"
#include "hydraulics/EntryLimits.h"
#include "hydraulics/Formulas.h"
#include "hydraulics/Units.h"
#include "messages/MessageTexts.h"
#include "record/PlenwickDoc.h"

namespace {

using hydraulics::units::kCubicMetrePerHour;
using hydraulics::units::kLitrePerSecond;
using hydraulics::units::kMetrePerKilometre;
using hydraulics::units::kMicroSquareMetrePerSecond;
using hydraulics::units::kMillimetre;

using hydraulics::EntryQuantity;

using namespace reactions;

// Up to this diameter the velocity gives no flow rate and the viscosity no Reynolds number.
using hydraulics::kMinFlowDiameter;

void ShowFlow(FormModel& view, double Q) {
    view.Show(IDC_Q_LS, Q * kLitrePerSecond.toDisplay);
    view.Show(IDC_Q_M3H, Q * kCubicMetrePerHour.toDisplay);
}

// With di sought, Q and v together determine di: λ and Re are no longer inputs.
void ClearLambdaAndReynolds(FormModel& view, CPlenwickDoc& doc) {
    view.Empty(IDC_LAMBDA);
    doc.SetLambda(0);
    view.Empty(IDC_RE);
    doc.SetRe(0);
}

// A new full-filling v or Q invalidates the partial-filling values.
void ClearPartialFilling(FormModel& view, CPlenwickDoc& doc) {
    view.Empty(IDC_QT_LS);
    view.Empty(IDC_QT_M3H);
    doc.SetQt(0);
    view.Empty(IDC_VT);
    doc.SetVt(0);
    view.Empty(IDC_HT);
    doc.SetHt(0);
}

// Re from v, when the viscosity is known.
void DeriveReynolds(FormModel& view, CPlenwickDoc& doc, double v, double di) {
    if (doc.GetNy() <= 0)
        return;
    const double Re = hydraulics::Reynolds(v, di, doc.GetNy());
    doc.SetRe(Re);
    view.Show(IDC_RE, Re);
}

void ApplyVelocityAndFlow(FormModel& view, CPlenwickDoc& doc, double v, double di) {
    doc.SetV(v);
    view.Show(IDC_V, v);
    const double Q = hydraulics::FlowFromVelocity(di, v);
    doc.SetQ(Q);
    ShowFlow(view, Q);
}

// Asks which of Q and v to set to zero, unless that dialog is already on the screen. restoreEntry puts
// the entry that led to the question back into record and field, then the chosen quantity goes. False
// when the question was cancelled: nothing is restored or zeroed.
template <class RestoreEntry>
bool AskWhichToZero(FormModel& view, CPlenwickDoc& doc, bool& dialogOpen, RestoreEntry restoreEntry) {
    if (!Given(doc.GetQ()) || !Given(doc.GetV()) || dialogOpen)
        return true;
    dialogOpen = true;
    const int choice = CZeroQvDlg().DoModal(view.Prompt());
    dialogOpen = false;
    if (choice == CAdjustDialog::CANCELLED)
        return false;
    restoreEntry();
    switch (choice) {
        case CZeroQvDlg::ZERO_Q:
            view.Empty(IDC_Q_LS);
            view.Empty(IDC_Q_M3H);
            doc.SetQ(0);
            break;
        case CZeroQvDlg::ZERO_V:
            view.Empty(IDC_V);
            doc.SetV(0);
            break;
    }
    return true;
}

// The common part of both Q fields: Q [m³/s] has been read from one of them.
void OnFlowEntered(FormModel& view, CPlenwickDoc& doc, double Q, int otherField, double otherToDisplay) {
    if (std::fabs(Q - doc.GetQ()) < kFlowTolerance)
        return;
    doc.SetQ(Q);
    view.Show(otherField, Q * otherToDisplay);
    if (doc.GetSought() == SOUGHT_DI) {
        if (Given(Q) && Given(doc.GetV()))
            ClearLambdaAndReynolds(view, doc);
    } else if (const double di = doc.GetDi(); di > kMinFlowDiameter) {
        const double v = hydraulics::VelocityFromFlow(Q, di);
        doc.SetV(v);
        view.Show(IDC_V, v);
        DeriveReynolds(view, doc, v, di);
    }
    ClearPartialFilling(view, doc);
}

}  // namespace

void FormModel::OnVLeave() {
    CPlenwickDoc& doc = *GetDocument();
    if (IsEmpty(IDC_V)) {
        Empty(IDC_V);
        return;
    }
    double v = Number(IDC_V);
    if (std::fabs(v - doc.GetV()) < kVelocityTolerance)
        return;
    if (const auto clamped = CorrectEntry(v, EntryQuantity::V, hydraulics::kVelocityEntry)) {
        v = *clamped;
        Show(IDC_V, v);
    }
    doc.SetV(v);
    if (doc.GetSought() == SOUGHT_DI) {
        if (Given(v) && Given(doc.GetQ()))
            ClearLambdaAndReynolds(*this, doc);
    } else if (const double di = doc.GetDi(); di > kMinFlowDiameter) {
        const double Q = hydraulics::FlowFromVelocity(di, v);
        doc.SetQ(Q);
        ShowFlow(*this, Q);
        DeriveReynolds(*this, doc, v, di);
    }
    ClearPartialFilling(*this, doc);
}

void FormModel::OnQLsLeave() {
    OnFlowEntered(*this, *GetDocument(), Number(IDC_Q_LS) * kLitrePerSecond.toSi, IDC_Q_M3H,
                  kCubicMetrePerHour.toDisplay);
}

void FormModel::OnQM3hLeave() {
    OnFlowEntered(*this, *GetDocument(), Number(IDC_Q_M3H) * kCubicMetrePerHour.toSi, IDC_Q_LS,
                  kLitrePerSecond.toDisplay);
}

void FormModel::OnReLeave() {
    CPlenwickDoc& doc = *GetDocument();
    if (IsEmpty(IDC_RE)) {
        Empty(IDC_RE);
        return;
    }
    double Re = Number(IDC_RE);
    if (std::fabs(Re - doc.GetRe()) < kReynoldsTolerance)
        return;
    const CalculationState beforeEntry = StateBeforeEntry(IDC_RE);
    if (const auto clamped = CorrectEntry(Re, EntryQuantity::Re, hydraulics::kReynoldsEntry)) {
        Re = *clamped;
        Show(IDC_RE, Re);
    }
    // A clamp may have brought the entry back to the stored value.
    if (std::fabs(doc.GetRe() - Re) <= kReynoldsStep)
        return;
    const double v = doc.GetV();
    const double di = doc.GetDi();
    const double ny = doc.GetNy();
    doc.SetRe(Re);

    if (doc.GetSought() == SOUGHT_DI) {
        Empty(IDC_LAMBDA);
        doc.SetLambda(0);
        Empty(IDC_J);
        doc.SetI(0);
        if (!AskWhichToZero(*this, doc, m_adjustDialogOpen, [&] {
                doc.SetRe(Re);
                Show(IDC_RE, Re);
            }))
            RestoreState(beforeEntry);
        return;
    }

    switch (CAdjustReDlg().DoModal(m_prompt)) {
        case CAdjustDialog::CANCELLED:
            RestoreState(beforeEntry);
            break;
        case CAdjustReDlg::ADAPT_DI:
            if (v > 0) {
                const double newDi = hydraulics::DiameterFromReynoldsVelocity(Re, ny, v);
                doc.SetDi(newDi);
                // The di change reaction zeroes v, Q and Re; they are put back from the new di.
                Show(IDC_DI, newDi * kMillimetre.toDisplay);
                doc.SetRe(Re);
                Show(IDC_RE, Re);
                if (newDi > 0)
                    ApplyVelocityAndFlow(*this, doc, ny * Re / newDi, newDi);
            }
            break;
        case CAdjustReDlg::ADAPT_NY:
            // Without both v and di no viscosity gives this Re; the fluid's viscosity stays.
            if (Re > 0 && v > 0 && di > 0) {
                const double newNy = di * v / Re;
                doc.SetNy(newNy);
                Show(IDC_NY, newNy * kMicroSquareMetrePerSecond.toDisplay);
            }
            break;
        case CAdjustReDlg::ADAPT_V:
            if (di > 0)
                ApplyVelocityAndFlow(*this, doc, ny * Re / di, di);
            break;
    }
}

void FormModel::OnJLeave() {
    double I = Number(IDC_J) * kMetrePerKilometre.toSi;
    if (const auto clamped = CorrectEntry(I, EntryQuantity::I, hydraulics::kSlopeEntry)) {
        I = *clamped;
        Show(IDC_J, I * kMetrePerKilometre.toDisplay);
    }
    GetDocument()->SetI(I);
}

void FormModel::OnALeave() {
    CPlenwickDoc& doc = *GetDocument();
    const double Q = doc.GetQ();
    const double v = doc.GetV();
    const double storedDi = doc.GetDi();
    const double A = Number(IDC_A);
    // In partial filling the area is no input: the field shows the pipe's again.
    if (!doc.IsFullFilling()) {
        Show(IDC_A, hydraulics::AreaFromDiameter(storedDi));
        return;
    }
    // An area that is not positive gives no diameter (and no NaN from the root).
    const double di = A > 0 ? hydraulics::DiameterFromArea(A) : 0.0;
    if (doc.GetSought() == SOUGHT_DI)
        return;
    if (std::fabs(storedDi - di) < kDiameterTolerance)
        return;
    const CalculationState beforeEntry = StateBeforeEntry(IDC_A);
    doc.SetDi(di);
    // The di change reaction zeroes v, Q and Re and shows the area of the new di.
    Show(IDC_DI, di * kMillimetre.toDisplay);
    if (Q <= 0 || v <= 0 || di <= 0)
        return;

    double newV = v;
    switch (CAdjustAreaDlg().DoModal(m_prompt)) {
        case CAdjustDialog::CANCELLED:
            RestoreState(beforeEntry);
            return;
        case CAdjustAreaDlg::ADAPT_Q: {
            Show(IDC_V, v);
            const double newQ = hydraulics::FlowFromVelocity(di, v);
            doc.SetQ(newQ);
            ShowFlow(*this, newQ);
            doc.SetV(v);
            break;
        }
        case CAdjustAreaDlg::ADAPT_V:
            ShowFlow(*this, Q);
            newV = hydraulics::VelocityFromFlow(Q, di);
            Show(IDC_V, newV);
            doc.SetQ(Q);
            doc.SetV(newV);
            break;
    }
    DeriveReynolds(*this, doc, newV, di);
}

void FormModel::OnLambdaLeave() {
    CPlenwickDoc& doc = *GetDocument();
    if (IsEmpty(IDC_LAMBDA)) {
        Empty(IDC_LAMBDA);
        return;
    }
    const double lambda = Number(IDC_LAMBDA);
    if (std::fabs(lambda - doc.GetLambda()) < kLambdaTolerance)
        return;
    const bool asks = doc.GetSought() == SOUGHT_DI && Given(lambda);
    const CalculationState beforeEntry = asks ? StateBeforeEntry(IDC_LAMBDA) : CalculationState();
    doc.SetLambda(lambda);
    if (!asks)
        return;
    Empty(IDC_RE);
    doc.SetRe(0);
    if (!AskWhichToZero(*this, doc, m_adjustDialogOpen, [&] {
            doc.SetLambda(lambda);
            Show(IDC_LAMBDA, lambda);
        }))
        RestoreState(beforeEntry);
}

void FormModel::OnNyChanged() {
    CPlenwickDoc& doc = *GetDocument();
    const double di = doc.GetDi();
    const double v = doc.GetV();
    if (di <= kMinFlowDiameter || v <= 0)
        return;
    const double ny = Number(IDC_NY) * kMicroSquareMetrePerSecond.toSi;
    // A viscosity of 0 (or one so small that Re overflows) gives no Reynolds number.
    const double Re = ny != 0 ? hydraulics::Reynolds(v, di, ny) : 0.0;
    const double shown = std::isfinite(Re) ? Re : 0.0;
    doc.SetRe(shown);
    Show(IDC_RE, shown);
}

void FormModel::OnNyLeave() {
    const double ny = Number(IDC_NY) * kMicroSquareMetrePerSecond.toSi;
    if (std::fabs(GetDocument()->GetNy() - ny) <= kViscosityTolerance)
        return;
    Field(IDC_RHO).SetValid(false);
    Field(IDC_T).SetValid(false);
}

void FormModel::OnGLeave() {
    const double g = Number(IDC_G);
    if (std::fabs(g - GetDocument()->GetG()) > kGravityTolerance)
        GetDocument()->SetG(g);
}

void FormModel::OnRhoLeave() {
    const double rho = Number(IDC_RHO);
    if (std::fabs(rho - GetDocument()->GetRho()) <= kDensityTolerance)
        return;
    GetDocument()->SetRho(rho);
    ShowViscosity();
}

void FormModel::OnTLeave() {
    const double T = Number(IDC_T);
    if (std::fabs(T - GetDocument()->GetT()) <= kTemperatureTolerance)
        return;
    GetDocument()->SetT(T);
    ShowViscosity();
}

void FormModel::ShowViscosity() {
    Show(IDC_NY, GetDocument()->GetNy() * kMicroSquareMetrePerSecond.toDisplay);
    Field(IDC_RHO).SetValid(true);
    Field(IDC_T).SetValid(true);
}
