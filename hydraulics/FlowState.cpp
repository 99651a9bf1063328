#include "hydraulics/FlowState.h"

#include <cmath>

#include "hydraulics/SegmentGeometry.h"

namespace hydraulics {

namespace {

// Written so that NaN is no positive number.
bool Positive(double x) {
    return x > 0 && std::isfinite(x);
}

// Fr of the flow Q in a segment with a free surface; none without one.
std::optional<double> FroudeIn(double Q, const WettedSegment& segment, double g) {
    if (!(segment.surfaceWidth > 0))
        return std::nullopt;
    return Q / segment.area / std::sqrt(g * segment.HydraulicDepth());
}

}  // namespace

FlowRegime RegimeOf(double froude, const NearCriticalBand& band) {
    if (froude < band.low)
        return FlowRegime::Subcritical;
    if (froude > band.high)
        return FlowRegime::Supercritical;
    return FlowRegime::NearCritical;
}

std::optional<double> FroudeNumber(double Q, double di, double h, double g) {
    if (!Positive(Q) || !Positive(di) || !Positive(g) || !(h > 0 && h < di))
        return std::nullopt;
    return FroudeIn(Q, WettedSegmentAt(di, h), g);
}

// With the central angle θ of the wetted arc, A = di² / 8 · (θ − sin θ) and B = di · sin(θ / 2), so
// g · A³ = Q² · B becomes G(θ) = 3 · ln(θ − sin θ) − ln sin(θ / 2) − c = 0 with
// c = ln(Q² / g) − 3 · ln(di² / 8) + ln di. G rises steadily from −∞ (θ → 0) to +∞ (θ → 2π), so one
// root lies in the bracket 0 … 2π: Newton steps on G, each kept inside the shrinking bracket and
// replaced by a bisection step where it would leave it.
std::optional<CriticalDepth> CriticalDepthOf(double Q, double di, double g) {
    if (!Positive(Q) || !Positive(di) || !Positive(g))
        return std::nullopt;
    constexpr double kTwoPi = 6.283185307179586;
    const double c = std::log(Q * Q / g) - 3 * std::log(di * di / 8) + std::log(di);
    double low = 0, high = kTwoPi, theta = kTwoPi / 2;
    CriticalDepth depth;
    while (depth.steps < kCriticalDepthMaxSteps) {
        ++depth.steps;
        const double sine = std::sin(theta), halfSine = std::sin(theta / 2);
        const double a = theta - sine;
        const double G = 3 * std::log(a) - std::log(halfSine) - c;
        const double slope = 3 * (1 - std::cos(theta)) / a - std::cos(theta / 2) / (2 * halfSine);
        (G < 0 ? low : high) = theta;
        double next = theta - G / slope;
        if (!(next > low && next < high))
            next = (low + high) / 2;
        const bool converged =
            std::fabs(next - theta) <= kCriticalAngleWidth || high - low <= kCriticalAngleWidth;
        theta = next;
        if (converged)
            break;
    }
    depth.h = di / 2 * (1 - std::cos(theta / 2));
    return depth;
}

std::optional<FlowState> FlowStateAt(double Q, double di, double h, double g, const NearCriticalBand& band) {
    if (!Positive(Q) || !Positive(di) || !Positive(g) || !(h > 0 && h < di))
        return std::nullopt;
    const WettedSegment segment = WettedSegmentAt(di, h);
    const std::optional<double> froude = FroudeIn(Q, segment, g);
    if (!froude)
        return std::nullopt;
    FlowState state;
    state.froude = *froude;
    state.regime = RegimeOf(*froude, band);
    state.hydraulicDepth = segment.HydraulicDepth();
    state.critical = *CriticalDepthOf(Q, di, g);
    return state;
}

}  // namespace hydraulics
