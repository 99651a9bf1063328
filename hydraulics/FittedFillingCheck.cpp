#include "hydraulics/FittedFillingCheck.h"

#include <algorithm>
#include <cmath>

namespace hydraulics {

namespace {

constexpr double kInverseWidth = 1e-13;

bool Positive(double x) {
    return x > 0 && std::isfinite(x);
}

// The lower filling x at which vt/v = r: vt/v rises steadily from the empty pipe to its peak.
std::optional<double> FillingFromVelocityRatio(const CircularSection& section, double r) {
    const RatioPeak peak = section.VelocityPeak();
    if (!(r <= peak.ratio))
        return std::nullopt;
    double low = 0, high = peak.filling;
    while (high - low > kInverseWidth) {
        const double middle = (low + high) / 2;
        (section.Ratios(middle).velocity < r ? low : high) = middle;
    }
    return (low + high) / 2;
}

double RelativeDeviation(double fitted, double exact) {
    if (exact == 0)
        return fitted == 0 ? 0.0 : HUGE_VAL;
    return std::fabs(fitted - exact) / exact;
}

}  // namespace

std::optional<PartialValues> ExactPartialFilling(const CircularSection& section, double di, double Q,
                                                 double v, PartialQuantity given, double value) {
    if (!section.IsDefined() || !Positive(di) || !Positive(Q) || !Positive(v) || !Positive(value))
        return std::nullopt;
    std::optional<double> x;
    switch (given) {
        case PartialQuantity::Ht:
            if (value <= di)
                x = value / di;
            break;
        case PartialQuantity::Qt:
            x = section.FillingFromFlowRatio(value / Q);
            break;
        case PartialQuantity::Vt:
            x = FillingFromVelocityRatio(section, value / v);
            break;
    }
    if (!x)
        return std::nullopt;
    const FillingRatios ratios = section.Ratios(*x);
    PartialValues exact{*x * di, Q * ratios.flow, v * ratios.velocity};
    // The given value stays as given.
    if (given == PartialQuantity::Ht)
        exact.ht = value;
    else if (given == PartialQuantity::Qt)
        exact.Qt = value;
    else
        exact.vt = value;
    return exact;
}

FittedFillingComparison CompareFittedFilling(const PipeAtSlope& pipe, double Q, double v,
                                             PartialQuantity given, double value) {
    FittedFillingComparison comparison;
    const PartialFilling fitted = PartialFillingFrom(given, value, pipe.di, Q, v);
    comparison.fitted = {fitted.ht, fitted.Qt, fitted.vt};
    const CircularSection section(pipe);
    comparison.comparable = section.IsDefined() && Positive(Q) && Positive(v) && Positive(value);
    if (!comparison.comparable)
        return comparison;
    comparison.exact = ExactPartialFilling(section, pipe.di, Q, v, given, value);
    if (comparison.exact) {
        comparison.deviation = std::max({RelativeDeviation(comparison.fitted.ht, comparison.exact->ht),
                                         RelativeDeviation(comparison.fitted.Qt, comparison.exact->Qt),
                                         RelativeDeviation(comparison.fitted.vt, comparison.exact->vt)});
    }
    return comparison;
}

}  // namespace hydraulics
