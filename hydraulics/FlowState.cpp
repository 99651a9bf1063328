#include "hydraulics/FlowState.h"

#include <cmath>

#include "hydraulics/SegmentGeometry.h"

namespace hydraulics {

namespace {

// Written so that NaN is no positive number.
bool Positive(double x) {
    return x > 0 && std::isfinite(x);
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
    const WettedSegment segment = WettedSegmentAt(di, h);
    if (!(segment.surfaceWidth > 0))
        return std::nullopt;
    return Q / segment.area / std::sqrt(g * segment.HydraulicDepth());
}

// g · A³ − Q² · B changes its sign once in 0 < x < 1: it is negative for a shallow filling (A³ / B
// vanishes like x⁴) and positive just below the crown (B vanishes).
std::optional<CriticalDepth> CriticalDepthOf(double Q, double di, double g) {
    if (!Positive(Q) || !Positive(di) || !Positive(g))
        return std::nullopt;
    double low = 0, high = 1;
    int steps = 0;
    while (high - low > kCriticalDepthWidth) {
        const double middle = (low + high) / 2;
        const WettedSegment segment = WettedSegmentAt(di, middle * di);
        const double area = segment.area;
        if (g * area * area * area < Q * Q * segment.surfaceWidth)
            low = middle;
        else
            high = middle;
        ++steps;
    }
    return CriticalDepth{(low + high) / 2 * di, steps};
}

std::optional<FlowState> FlowStateAt(double Q, double di, double h, double g, const NearCriticalBand& band) {
    const std::optional<double> froude = FroudeNumber(Q, di, h, g);
    if (!froude)
        return std::nullopt;
    FlowState state;
    state.froude = *froude;
    state.regime = RegimeOf(*froude, band);
    state.hydraulicDepth = WettedSegmentAt(di, h).HydraulicDepth();
    state.critical = *CriticalDepthOf(Q, di, g);
    return state;
}

}  // namespace hydraulics
