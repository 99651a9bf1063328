#include "hydraulics/WallShearStress.h"

#include "hydraulics/SegmentGeometry.h"

namespace hydraulics {

double WallShearStress(double rho, double g, double R, double J) {
    return rho * g * R * J;
}

double WallShearStressAt(double rho, double g, double di, double h, double J) {
    return WallShearStress(rho, g, WettedSegmentAt(di, h).HydraulicRadius(), J);
}

SelfCleansingCheck CheckSelfCleansing(double tau, double tauMin) {
    return {tau, tauMin, tau >= tauMin};
}

}  // namespace hydraulics
