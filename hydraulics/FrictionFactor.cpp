#include "hydraulics/FrictionFactor.h"

#include <climits>
#include <cmath>

#include "hydraulics/Units.h"
#include "platform/Number.h"
#include "platform/Prompt.h"

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
    const hydraulics::ColebrookIteration result = Iterate(Re, k, di);
    if (result.steps >= hydraulics::kColebrookMaxSteps) {
        const int diMillimetres =
            hydraulics::TruncateToInt(std::round(di * hydraulics::units::kMillimetre.toDisplay));
        platform::ShowMessage(
            platform::Format("Fehler: Lambda konvergiert nicht!  Re: %d, K: %f, di: %d, Counter: %d", Re, k,
                             diMillimetres, result.steps));
    }
    return result.lambda;
}

double CFrictionFactor::LambdaFromSlope(double k, double I, double ny, double g, double di) const {
    const double x = -2 * std::log10(2.51 * ny / std::sqrt(2 * I * g * di * di * di) + k / (3.71 * di));
    return 1 / (x * x);
}

double CFrictionFactor::LambdaFromDarcy(double I, double g, double v, double di) const {
    return 2 * I * g * di / (v * v);
}
