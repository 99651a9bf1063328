#include "hydraulics/DiameterFromFlow.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "hydraulics/Formulas.h"
#include "hydraulics/FrictionFactor.h"

namespace hydraulics {

namespace {

constexpr double kLn10 = 2.302585092994046;
// Far more than the bracket's ratio of 1e9 needs even in bisection steps alone (about 45).
constexpr int kMaxSteps = 200;
// λ of the first estimate, a usual value of the range (the explicit form for a given λ).
constexpr double kFirstLambda = 0.02;

bool Positive(double x) {
    return x > 0 && std::isfinite(x);
}

// At u = ln di: f(u) = ln Q(di) − ln Q with Q(di) = π/4 · di² · v(di) and its derivative. Writing
// s = √(2 g J di) and X = 2.51 ν / (di s) + k / (3.71 di), v = −2 s log10 X, so
// d ln v / du = 1/2 + (dX/du) / (X ln X) with dX/du = −1.5 · 2.51 ν / (di s) − k / (3.71 di);
// f' > 2.5 wherever v > 0. Where the law gives no flow (X ≥ 1), f is −∞.
struct FlowMismatch {
    double f;
    double slope;
};
FlowMismatch MismatchAt(const FlowDiameterInputs& in, double u) {
    const double di = std::exp(u);
    const double s = std::sqrt(2 * in.g * in.I * di);
    const double smooth = 2.51 * in.ny / (di * s), rough = in.k / (3.71 * di);
    const double X = smooth + rough;
    if (!(X < 1))
        return {-std::numeric_limits<double>::infinity(), 0};
    const double v = -2 * s * std::log(X) / kLn10;
    const double f = std::log(FlowFromVelocity(di, v) / in.Q);
    return {f, 2.5 + (-1.5 * smooth - rough) / (X * std::log(X))};
}

}  // namespace

MissingFlowDiameterInputs MissingForFlowDiameter(const FlowDiameterInputs& in) {
    MissingFlowDiameterInputs missing;
    const auto note = [&](bool given, FlowDiameterInput input) {
        if (!given)
            missing.inputs[static_cast<std::size_t>(missing.count++)] = input;
    };
    note(Positive(in.Q), FlowDiameterInput::Q);
    note(Positive(in.I), FlowDiameterInput::J);
    note(Positive(in.k), FlowDiameterInput::K);
    note(Positive(in.ny), FlowDiameterInput::Ny);
    note(in.g >= kMinGravity && in.g <= kMaxGravity, FlowDiameterInput::G);
    return missing;
}

FlowDiameterResult SolveDiameterFromFlow(const FlowDiameterInputs& in) {
    FlowDiameterResult result;
    result.missing = MissingForFlowDiameter(in);
    if (!result.missing.empty())
        return result;
    double low = std::log(kDiameterBracket.low), high = std::log(kDiameterBracket.high);
    if (MismatchAt(in, high).f < 0) {
        result.di = std::numeric_limits<double>::infinity();
    } else {
        double u =
            std::clamp(std::log(DiameterFromLambdaSlopeFlow(kFirstLambda, in.I, in.Q, in.g)), low, high);
        int steps = 0;
        bool converged = false;
        while (!converged && steps < kMaxSteps) {
            ++steps;
            const FlowMismatch m = MismatchAt(in, u);
            (m.f < 0 ? low : high) = u;
            double next = u - m.f / m.slope;
            if (!(next > low && next < high))
                next = (low + high) / 2;
            converged = std::fabs(next - u) <= kDiameterRelativeWidth || high - low <= kDiameterRelativeWidth;
            u = next;
        }
        result.status.steps = steps;
        result.status.converged = converged;
        result.di = std::exp(u);
        result.lambda = CFrictionFactor().LambdaFromSlope(in.k, in.I, in.ny, in.g, result.di);
        result.v = VelocityFromFlow(in.Q, result.di);
        result.Re = Reynolds(result.v, result.di, in.ny);
    }
    if (!(result.di >= kMinDiameterResult && result.di <= kMaxDiameterResult))
        result.status.outOfLimits = LimitBreach{ResultQuantity::Di, result.di};
    return result;
}

}  // namespace hydraulics
