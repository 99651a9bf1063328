#include "hydraulics/GravityFlowChecks.h"

namespace hydraulics {

GravityFlowChecks CheckGravityFlow(const GravityFlowInputs& in, const NearCriticalBand& band) {
    GravityFlowChecks checks;
    checks.state = FlowStateAt(in.Q, in.di, in.h, in.g, band);
    checks.selfCleansing = CheckSelfCleansing(WallShearStressAt(in.rho, in.g, in.di, in.h, in.I), in.tauMin);
    return checks;
}

}  // namespace hydraulics
