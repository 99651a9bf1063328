// Conversions into 32-bit device units that never overflow: results outside the range saturate.
#pragma once

#include <algorithm>
#include <climits>
#include <cmath>

namespace report {

inline int SaturatedUnits(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Truncation toward zero; NaN gives 0.
inline int TruncatedUnits(double value) {
    if (std::isnan(value))
        return 0;
    return static_cast<int>(
        std::clamp(std::trunc(value), static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

// a + b, for cursor moves and offsets.
inline int ShiftedUnits(int a, long long b) {
    return SaturatedUnits(a + std::clamp<long long>(b, INT_MIN, INT_MAX));
}

}  // namespace report
