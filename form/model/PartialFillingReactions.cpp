// Reactions of the partial-filling fields: whichever of ht, Qt or vt is entered, the others and the
// water-surface width follow from it and the full-filling Q and v of the same pipe. The value given
// last is remembered, so that "Berechnen" completes the others from it and never replaces it. Where the
// fitted relations leave the exact circular section, the form's result note says so.
#include <cmath>

#include "form/model/ControlIds.h"
#include "form/model/FormModel.h"
#include "form/model/ReactionTolerances.h"
#include "hydraulics/EntryLimits.h"
#include "hydraulics/FittedFillingCheck.h"
#include "hydraulics/Units.h"
#include "messages/MessageTexts.h"
#include "record/PlenwickDoc.h"

namespace {

using hydraulics::units::kCubicMetrePerHour;
using hydraulics::units::kLitrePerSecond;
using hydraulics::units::kMillimetre;

using hydraulics::EntryQuantity;
using hydraulics::EntrySide;
using hydraulics::kMinFillingHeight;
using hydraulics::PartialQuantity;

using reactions::kFlowTolerance;
using reactions::kHeightTolerance;
using reactions::kPartialVelocityTolerance;

double PartialValue(const CPlenwickDoc& doc, PartialQuantity quantity) {
    switch (quantity) {
        case PartialQuantity::Ht:
            return doc.GetHt();
        case PartialQuantity::Qt:
            return doc.GetQt();
        case PartialQuantity::Vt:
            return doc.GetVt();
    }
    return 0;
}

hydraulics::PartialFilling PartialFillingFrom(const CPlenwickDoc& doc, PartialQuantity given, double value) {
    return hydraulics::PartialFillingFrom(given, value, doc.GetDi(), doc.GetQ(), doc.GetV());
}

void ShowPartialFlow(FormModel& view, double Qt) {
    view.Show(IDC_QT_LS, Qt * kLitrePerSecond.toDisplay);
    view.Show(IDC_QT_M3H, Qt * kCubicMetrePerHour.toDisplay);
}

}  // namespace

std::optional<PartialQuantity> FormModel::GivenPartialQuantity() const {
    const CPlenwickDoc& doc = *GetDocument();
    if (m_partialGiven && PartialValue(doc, *m_partialGiven) > 0)
        return m_partialGiven;
    for (PartialQuantity quantity : {PartialQuantity::Ht, PartialQuantity::Qt, PartialQuantity::Vt}) {
        if (PartialValue(doc, quantity) > 0)
            return quantity;
    }
    return std::nullopt;
}

void FormModel::ApplyPartialFilling(const hydraulics::PartialFilling& partial, PartialQuantity given) {
    CPlenwickDoc& doc = *GetDocument();
    if (given != PartialQuantity::Ht) {
        doc.SetHt(partial.ht);
        Show(IDC_HT, partial.ht * kMillimetre.toDisplay);
    }
    doc.SetSurfaceWidth(partial.surfaceWidth);
    Show(IDC_SURFACE_WIDTH, partial.surfaceWidth * kMillimetre.toDisplay);
    if (given != PartialQuantity::Qt) {
        ShowPartialFlow(*this, partial.Qt);
        doc.SetQt(partial.Qt);
    }
    if (given != PartialQuantity::Vt) {
        Show(IDC_VT, partial.vt);
        doc.SetVt(partial.vt);
    }
}

void FormModel::CompletePartialFilling(bool afterResult) {
    const std::optional<PartialQuantity> given = GivenPartialQuantity();
    if (!given)
        return;
    m_partialGiven = given;  // what the others follow from, also after this completion
    const CPlenwickDoc& doc = *GetDocument();
    const hydraulics::PartialFilling partial = PartialFillingFrom(doc, *given, PartialValue(doc, *given));
    if (partial.derived || afterResult)
        ApplyPartialFilling(partial, *given);
}

// Qt [m³/s] has been read from one of the two Qt fields; the other one shows it too.
void FormModel::OnPartialFlowEntered(double Qt, int otherField, double otherToDisplay, bool emptyVelocity) {
    CPlenwickDoc& doc = *GetDocument();
    if (std::fabs(Qt - doc.GetQt()) < kFlowTolerance)
        return;
    if (emptyVelocity)
        Empty(IDC_VT);
    doc.SetQt(Qt);
    m_partialGiven = PartialQuantity::Qt;
    Show(otherField, Qt * otherToDisplay);
    if (doc.GetSought() == SOUGHT_DI)
        return;
    const hydraulics::PartialFilling partial = PartialFillingFrom(doc, PartialQuantity::Qt, Qt);
    if (partial.derived)
        ApplyPartialFilling(partial, PartialQuantity::Qt);
}

void FormModel::OnQtLsLeave() {
    if (IsEmpty(IDC_QT_LS)) {
        Empty(IDC_QT_LS);
        return;
    }
    OnPartialFlowEntered(Number(IDC_QT_LS) * kLitrePerSecond.toSi, IDC_QT_M3H, kCubicMetrePerHour.toDisplay,
                         true);
}

void FormModel::OnQtM3hLeave() {
    if (IsEmpty(IDC_QT_M3H)) {
        Empty(IDC_QT_M3H);
        return;
    }
    // No new vt may follow, so the vt field keeps its text.
    OnPartialFlowEntered(Number(IDC_QT_M3H) * kCubicMetrePerHour.toSi, IDC_QT_LS, kLitrePerSecond.toDisplay,
                         false);
}

void FormModel::OnVtLeave() {
    CPlenwickDoc& doc = *GetDocument();
    if (IsEmpty(IDC_VT)) {
        Empty(IDC_VT);
        return;
    }
    double vt = Number(IDC_VT);
    if (std::fabs(vt - doc.GetVt()) < kPartialVelocityTolerance)
        return;
    Empty(IDC_QT_LS);
    Empty(IDC_QT_M3H);
    doc.SetQt(0);
    if (const auto clamped = CorrectEntry(vt, EntryQuantity::Vt, hydraulics::kVelocityEntry)) {
        vt = *clamped;
        Show(IDC_VT, vt);
    }
    doc.SetVt(vt);
    m_partialGiven = PartialQuantity::Vt;
    if (doc.GetSought() == SOUGHT_DI)
        return;
    const hydraulics::PartialFilling partial = PartialFillingFrom(doc, PartialQuantity::Vt, vt);
    if (partial.derived)
        ApplyPartialFilling(partial, PartialQuantity::Vt);
}

void FormModel::OnHtLeave() {
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
    m_partialGiven = PartialQuantity::Ht;
    ApplyPartialFilling(PartialFillingFrom(doc, PartialQuantity::Ht, ht), PartialQuantity::Ht);
}

std::string FormModel::ResultNote() const {
    const CPlenwickDoc& doc = *GetDocument();
    const std::optional<PartialQuantity> given = GivenPartialQuantity();
    // Without a filling height the form shows no fitted partial filling to compare.
    if (!doc.IsCalculated() || doc.IsFullFilling() || !given || !(doc.GetHt() > 0))
        return std::string();
    const hydraulics::FittedFillingComparison comparison =
        hydraulics::CompareFittedFilling({doc.GetDi(), doc.GetK(), doc.GetNy(), doc.GetG(), doc.GetI()},
                                         doc.GetQ(), doc.GetV(), *given, PartialValue(doc, *given));
    return comparison.Differs() ? messages::FittedFillingMessage(comparison) : std::string();
}
