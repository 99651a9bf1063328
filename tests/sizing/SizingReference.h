// Values of a sizing row computed without the engine: Colebrook-White solved by bisection, the slope
// solved for the velocity by bisection, the fitted partial-filling cubics written out again, and the
// wetted circular segment.
#pragma once

#include <cmath>

#include "hydraulics/ColebrookReference.h"

namespace sizing_test {

constexpr double kPi = 3.14159265358979323846;

inline double Lambda(double v, double di, double k, double ny) {
    return hydraulics_test::ColebrookLambdaByBisection(v * di / ny, k / di);
}

inline double Slope(double v, double di, double k, double ny, double g) {
    return Lambda(v, di, k, ny) / di * v * v / (2 * g);
}

// Full-filling velocity at slope I: the slope rises monotonically with v.
inline double VelocityAtSlope(double I, double di, double k, double ny, double g) {
    double low = 1e-3, high = 50;
    for (int i = 0; i < 200 && high - low > 1e-13 * high; ++i) {
        const double middle = 0.5 * (low + high);
        (Slope(middle, di, k, ny, g) < I ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

// ht / di at flow ratio r, and vt / v at filling ratio x (the full pipe from x = 0.83).
inline double FillingRatio(double r) {
    return ((0.790306 * r - 1.389515) * r + 1.357571) * r + 0.07418922;
}
inline double VelocityRatio(double x) {
    return x >= 0.83 ? 1.0 : ((1.91922 * x - 4.15174) * x + 3.39432) * x + 0.102434;
}

// The wetted segment at filling x: its area and hydraulic diameter 4R, and the velocity at slope I in
// it, which is that of a full pipe of diameter 4R.
struct Segment {
    double area;
    double velocity;
};
inline Segment SegmentAt(double x, double I, double di, double k, double ny, double g) {
    const double theta = 2 * std::acos(1 - 2 * x);
    const double area = di * di / 8 * (theta - std::sin(theta));
    const double dh = 4 * area / (theta * di / 2);
    return {area, VelocityAtSlope(I, dh, k, ny, g)};
}

}  // namespace sizing_test
