#include "hydraulics/FrictionFactor.h"

#include <climits>
#include <cmath>

namespace hydraulics {

int TruncateToInt(double x) {
    if (std::isnan(x))
        return 0;
    if (x >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (x <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(x);
}

}  // namespace hydraulics

namespace {
constexpr double kOneOver371 = 0.2695417789757412;
constexpr double kRelativeTolerance = 0.000001;
}  // namespace

// 0.0125 is taken as the first value of 1/√λ itself (not of λ); the iteration contracts quickly from it
// over the whole turbulent range (six steps at Re = 1e5, k/di = 0.001).
CFrictionFactor::CFrictionFactor() : m_start(0.0125) {}

CFrictionFactor::~CFrictionFactor() = default;

double CFrictionFactor::Unity() const {
    return 1.0;
}

hydraulics::ColebrookIteration CFrictionFactor::Iterate(int Re, double k, double di) const {
    const double a = (k / di) * kOneOver371;
    double xOld = m_start;
    for (int n = 1;; ++n) {
        const double xNew = -2 * std::log10(2.51 * xOld / Re + a);
        const bool converged = std::fabs(xNew - xOld) <= kRelativeTolerance * xNew;
        if (converged || n >= hydraulics::kColebrookMaxSteps) {
            return {1 / (xNew * xNew), n, converged};
        }
        xOld = xNew;
    }
}

double CFrictionFactor::LambdaIterative(int Re, double k, double di) const {
    return Iterate(Re, k, di).lambda;
}

// With I and di known, Re · √λ = v · di / ν · √λ = √(2 · g · I · di³) / ν (Darcy-Weisbach), so the
// Colebrook-White equation gives λ without iteration.
double CFrictionFactor::LambdaFromSlope(double k, double I, double ny, double g, double di) const {
    const double x = -2 * std::log10(2.51 * ny / std::sqrt(2 * I * g * di * di * di) + k / (3.71 * di));
    return 1 / (x * x);
}

// Darcy-Weisbach I = λ / di · v² / (2 · g) solved for λ.
double CFrictionFactor::LambdaFromDarcy(double I, double g, double v, double di) const {
    return 2 * I * g * di / (v * v);
}
