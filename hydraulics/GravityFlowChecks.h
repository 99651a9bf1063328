// The checks of one operating point of a partly filled sewer, together: its flow state (FlowState.h)
// and its wall shear stress against the self-cleansing criterion (WallShearStress.h). The sizing
// table, the design sheet, the batch tool and the form take them from here, so that one operating point
// gives one verdict everywhere. SI units.
#pragma once

#include <optional>

#include "hydraulics/FlowState.h"
#include "hydraulics/WallShearStress.h"

namespace hydraulics {

struct GravityFlowInputs {
    double Q;       // flow [m³/s]
    double di;      // inner diameter [m]
    double h;       // filling height [m]
    double I;       // slope of the energy line [m/m]
    double rho;     // density [kg/m³]
    double g;       // [m/s²]
    double tauMin;  // least wall shear stress [N/m²], kDefaultMinWallShearStress unless the user sets one
};

struct GravityFlowChecks {
    std::optional<FlowState> state;  // none without a free surface (h ≥ di) or a flow
    SelfCleansingCheck selfCleansing{0, 0, false};

    bool NearCritical() const { return state && state->regime == FlowRegime::NearCritical; }
    // Both criteria hold: the flow is not near critical and τ reaches τmin.
    bool Met() const { return !NearCritical() && selfCleansing.met; }
};

GravityFlowChecks CheckGravityFlow(const GravityFlowInputs& in,
                                   const NearCriticalBand& band = kNearCriticalBand);

}  // namespace hydraulics
