#include "hydraulics/SegmentGeometry.h"

#include <algorithm>
#include <cmath>

namespace hydraulics {

namespace {
constexpr double kPi = 3.141592653589793;
}  // namespace

double CentralAngle(double x) {
    return 2 * std::acos(1 - 2 * std::clamp(x, 0.0, 1.0));
}

WettedSegment WettedSegmentAt(double di, double h) {
    if (!(di > 0) || !(h > 0))
        return {};
    if (h >= di)
        return {kPi / 4 * di * di, kPi * di, 0.0};
    const double theta = CentralAngle(h / di);
    return {di * di / 8 * (theta - std::sin(theta)), theta * di / 2, di * std::sin(theta / 2)};
}

}  // namespace hydraulics
