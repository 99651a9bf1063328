// The flow state of a partly filled circular pipe: Froude number, critical depth and whether the flow
// is subcritical ("strömend"), supercritical ("schießend") or near critical. SI units: m, m³/s, m/s².
//
// The Froude number of a free-surface flow in a section of any shape uses the hydraulic depth
// A / B (flow area over surface width) as its length: Fr = v / √(g · A / B) with v = Q / A. The flow
// is critical at Fr = 1, where the specific energy of the section is least for the flow Q:
// Q² · B / (g · A³) = 1 (Chow, Open-Channel Hydraulics, 1959: critical flow). Valid for a free surface,
// 0 < h < di, steady flow and a hydrostatic pressure distribution (a slope of a few per cent at most).
//
// Near Fr = 1 a small change of the specific energy changes the depth strongly: the water surface is
// unstable and wavy. The band taken as near critical, 0.86 … 1.13, follows the US Army Corps of
// Engineers, EM 1110-2-1601, Hydraulic Design of Flood Control Channels (1991/1994), which advises
// against designing for Froude numbers in that range.
#pragma once

#include <optional>

namespace hydraulics {

// Froude numbers from low to high that count as near critical, inclusive.
struct NearCriticalBand {
    double low;
    double high;
};
inline constexpr NearCriticalBand kNearCriticalBand{0.86, 1.13};

enum class FlowRegime {
    Subcritical,   // "strömend": Fr below the band
    NearCritical,  // within the band: unstable water surface
    Supercritical  // "schießend": Fr above the band
};

FlowRegime RegimeOf(double froude, const NearCriticalBand& band = kNearCriticalBand);

// Fr = (Q / A) / √(g · A / B) at the filling height h [m] in a pipe of inner diameter di [m]; none
// without a free surface (h ≤ 0, h ≥ di), without a flow or with g not positive.
std::optional<double> FroudeNumber(double Q, double di, double h, double g);

// The depth at which the flow Q is critical in the circular section, Q² · B = g · A³, found by a
// safeguarded Newton iteration on the central angle of the wetted arc (bracketed in 0 … 2π, about six
// steps) to an angle width of kCriticalAngleWidth [rad].
inline constexpr double kCriticalAngleWidth = 1e-13;
inline constexpr int kCriticalDepthMaxSteps = 200;
struct CriticalDepth {
    double h = 0;   // m
    int steps = 0;  // iteration steps
};
// None without a flow, a diameter or a positive g (NaN included).
std::optional<CriticalDepth> CriticalDepthOf(double Q, double di, double g);

// Everything about the flow state of one operating point of partial filling.
struct FlowState {
    double froude = 0;
    FlowRegime regime = FlowRegime::Subcritical;
    double hydraulicDepth = 0;  // A / B [m]
    CriticalDepth critical;     // for the same flow
};
// The state of the flow Q [m³/s] at the filling height h [m] in a pipe of inner diameter di [m];
// none where FroudeNumber gives none.
std::optional<FlowState> FlowStateAt(double Q, double di, double h, double g,
                                     const NearCriticalBand& band = kNearCriticalBand);

}  // namespace hydraulics
