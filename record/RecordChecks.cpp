#include "record/RecordChecks.h"

#include "record/PlenwickDoc.h"

std::optional<hydraulics::GravityFlowChecks> PartialFillingChecks(const CPlenwickDoc& doc) {
    const double di = doc.GetDi(), ht = doc.GetHt(), Qt = doc.GetQt(), I = doc.GetI();
    if (doc.IsFullFilling() || !(di > 0 && ht > 0 && ht < di && Qt > 0 && I > 0))
        return std::nullopt;
    return hydraulics::CheckGravityFlow(
        {Qt, di, ht, I, doc.GetRho(), doc.GetG(), hydraulics::kDefaultMinWallShearStress});
}

std::optional<hydraulics::LineLoss> RecordLineLoss(const CPlenwickDoc& doc) {
    if (!doc.IsFullFilling() || !(doc.GetLineLength() > 0 || doc.GetLossSum() > 0))
        return std::nullopt;
    return hydraulics::LineLossOf(
        {doc.GetI(), doc.GetLineLength(), doc.GetLossSum(), doc.GetV(), doc.GetG()});
}
