#include "hydraulics/DiameterFromFlow.h"

#include <cmath>
#include <cstddef>
#include <limits>

#include "hydraulics/CircularSection.h"
#include "hydraulics/Formulas.h"
#include "hydraulics/FrictionFactor.h"

namespace hydraulics {

namespace {

constexpr double kQuarterPi = 0.7853981633974483;
// More than enough for the bracket's ratio of 1e9 at the relative width (about 45).
constexpr int kMaxBisectionSteps = 200;

bool Positive(double x) {
    return x > 0 && std::isfinite(x);
}

double FlowAt(const PipeAtSlope& pipe, double di) {
    return kQuarterPi * di * di * ColebrookVelocity(pipe, di);
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
    const PipeAtSlope pipe{0, in.k, in.ny, in.g, in.I};
    if (FlowAt(pipe, kDiameterBracket.high) < in.Q) {
        result.di = std::numeric_limits<double>::infinity();
    } else {
        double low = std::log(kDiameterBracket.low), high = std::log(kDiameterBracket.high);
        int steps = 0;
        while (high - low > kDiameterRelativeWidth && steps < kMaxBisectionSteps) {
            const double middle = (low + high) / 2;
            (FlowAt(pipe, std::exp(middle)) < in.Q ? low : high) = middle;
            ++steps;
        }
        result.status.steps = steps;
        result.status.converged = high - low <= kDiameterRelativeWidth;
        result.di = std::exp((low + high) / 2);
        result.lambda = CFrictionFactor().LambdaFromSlope(in.k, in.I, in.ny, in.g, result.di);
        result.v = VelocityFromFlow(in.Q, result.di);
        result.Re = Reynolds(result.v, result.di, in.ny);
    }
    if (!(result.di >= kMinDiameterResult && result.di <= kMaxDiameterResult))
        result.status.outOfLimits = LimitBreach{ResultQuantity::Di, result.di};
    return result;
}

}  // namespace hydraulics
