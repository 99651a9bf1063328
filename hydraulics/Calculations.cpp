#include "hydraulics/Calculations.h"

#include "hydraulics/Formulas.h"
#include "hydraulics/SoughtParameter.h"

namespace hydraulics {

namespace {

// Written so that NaN lies outside every range.
bool WithinLimits(double x, double low, double high) {
    return x >= low && x <= high;
}

std::optional<LimitBreach> Breach(ResultQuantity quantity, double x, double low, double high) {
    if (WithinLimits(x, low, high))
        return std::nullopt;
    return LimitBreach{quantity, x};
}

bool Positive(double x) {
    return x > 0;
}

}  // namespace

SlopeResult SolveSlope(const SlopeInputs& in) {
    SlopeResult result;
    result.status.failedCheck = FirstFailedCheck(SOUGHT_J, {in.v, in.di, 0, in.g, in.k, in.Re});
    if (result.status.failedCheck)
        return result;
    result.iteration = CFrictionFactor().Iterate(TruncateToInt(in.Re), in.k, in.di);
    result.status.steps = result.iteration.steps;
    result.status.converged = result.iteration.converged;
    result.I = SlopeFromLambda(result.iteration.lambda, in.di, in.v, in.g);
    result.status.outOfLimits = Breach(ResultQuantity::I, result.I, 0, kMaxSlopeResult);
    return result;
}

VelocityAndFlowResult SolveVelocityAndFlow(const VelocityAndFlowInputs& in) {
    VelocityAndFlowResult result;
    result.status.failedCheck = FirstFailedCheck(SOUGHT_VQ, {0, in.di, in.I, in.g, in.k, 0});
    if (result.status.failedCheck)
        return result;
    result.lambda = CFrictionFactor().LambdaFromSlope(in.k, in.I, in.ny, in.g, in.di);
    result.v = VelocityFromSlope(in.g, in.I, in.di, result.lambda);
    result.status.outOfLimits = Breach(ResultQuantity::V, result.v, kMinVelocityResult, kMaxVelocityResult);
    if (result.status.outOfLimits)
        return result;
    result.hasFlow = in.di > kMinFlowDiameter;
    if (result.hasFlow) {
        result.Q = FlowFromVelocity(in.di, result.v);
        result.hasReynolds = Positive(in.ny);
        if (result.hasReynolds)
            result.Re = Reynolds(result.v, in.di, in.ny);
    }
    return result;
}

RoughnessResult SolveRoughness(const RoughnessInputs& in) {
    RoughnessResult result;
    result.status.failedCheck = FirstFailedCheck(SOUGHT_K, {in.v, in.di, in.I, in.g, 0, 0});
    if (result.status.failedCheck)
        return result;
    result.lambda = CFrictionFactor().LambdaFromDarcy(in.I, in.g, in.v, in.di);
    result.k = RoughnessFromLambda(result.lambda, in.Re, in.di);
    result.status.outOfLimits = Breach(ResultQuantity::K, result.k, 0, kMaxRoughnessResult);
    return result;
}

namespace {

DiameterRule RuleFor(const DiameterInputs& in) {
    const bool lambdaSlope = Positive(in.lambda) && Positive(in.I) && Positive(in.g);
    if (lambdaSlope && Positive(in.v))
        return DiameterRule::LambdaSlopeVelocity;
    if (lambdaSlope && Positive(in.Q))
        return DiameterRule::LambdaSlopeFlow;
    if (Positive(in.Re) && Positive(in.ny)) {
        if (Positive(in.v))
            return DiameterRule::ReynoldsVelocity;
        return Positive(in.Q) ? DiameterRule::ReynoldsFlow : DiameterRule::NotEnoughValues;
    }
    if (Positive(in.Q) && Positive(in.v))
        return DiameterRule::FlowVelocity;
    return DiameterRule::NotEnoughValues;
}

double DiameterBy(DiameterRule rule, const DiameterInputs& in) {
    switch (rule) {
        case DiameterRule::LambdaSlopeVelocity:
            return DiameterFromLambdaSlopeVelocity(in.lambda, in.I, in.v, in.g);
        case DiameterRule::LambdaSlopeFlow:
            return DiameterFromLambdaSlopeFlow(in.lambda, in.I, in.Q, in.g);
        case DiameterRule::ReynoldsVelocity:
            return DiameterFromReynoldsVelocity(in.Re, in.ny, in.v);
        case DiameterRule::ReynoldsFlow:
            return DiameterFromReynoldsFlow(in.Re, in.ny, in.Q);
        case DiameterRule::FlowVelocity:
            return DiameterFromFlowVelocity(in.Q, in.v);
        case DiameterRule::NotEnoughValues:
            break;
    }
    return 0;
}

}  // namespace

DiameterResult SolveDiameter(const DiameterInputs& in) {
    DiameterResult result;
    result.rule = RuleFor(in);
    if (result.rule == DiameterRule::NotEnoughValues)
        return result;
    result.di = DiameterBy(result.rule, in);
    result.status.outOfLimits = Breach(ResultQuantity::Di, result.di, kMinDiameterResult, kMaxDiameterResult);
    return result;
}

namespace {

// The values at filling height ht of the given value's pipe; nothing follows from a height that is
// not finite.
PartialFilling AtHeight(PartialFilling partial, double ht, double di) {
    partial.derived = true;
    if (!std::isfinite(ht))
        return partial;
    partial.ht = ht;
    partial.surfaceWidth = FiniteOrNone(SurfaceWidth(di, ht));
    return partial;
}

}  // namespace

PartialFilling PartialFillingFrom(PartialQuantity given, double value, double di, double Q, double v) {
    PartialFilling partial;
    switch (given) {
        case PartialQuantity::Ht:
            partial = AtHeight(partial, value, di);
            if (Positive(di)) {
                partial.Qt = FiniteOrNone(PartialFlowRatio(Q, value / di));
                partial.vt = FiniteOrNone(PartialVelocityRatio(v, value / di));
            }
            break;
        case PartialQuantity::Qt:
            partial.Qt = value;
            if (Positive(di) && Positive(Q)) {
                partial = AtHeight(partial, PartialHeightFromFlow(di, value / Q), di);
                if (partial.ht != 0)
                    partial.vt = FiniteOrNone(PartialVelocityRatio(v, partial.ht / di));
            }
            break;
        case PartialQuantity::Vt:
            partial.vt = value;
            if (Positive(di) && Positive(v)) {
                partial = AtHeight(partial, PartialHeightFromVelocity(di, value / v), di);
                if (partial.ht != 0 && Positive(Q))
                    partial.Qt = FiniteOrNone(PartialFlowRatio(Q, partial.ht / di));
            }
            break;
    }
    return partial;
}

}  // namespace hydraulics
