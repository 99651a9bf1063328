// An independent solution of the Colebrook-White equation for checking the friction-factor iteration.
#pragma once

#include <cmath>

namespace hydraulics_test {

// λ at Reynolds number Re and relative roughness k/di, from x = 1/√λ found by bisection of
// f(x) = x + 2·log10(2.51·x/Re + (k/di)/3.71), which rises monotonically in x, to a relative width of 1e-14.
inline double ColebrookLambdaByBisection(double Re, double relativeRoughness) {
    const auto f = [&](double x) { return x + 2 * std::log10(2.51 * x / Re + relativeRoughness / 3.71); };
    double low = 0.5;
    double high = 50.0;
    for (int i = 0; i < 200 && high - low > 1e-14 * high; ++i) {
        const double middle = 0.5 * (low + high);
        (f(middle) < 0 ? low : high) = middle;
    }
    const double x = 0.5 * (low + high);
    return 1 / (x * x);
}

}  // namespace hydraulics_test
