#include "hydraulics/InputChecks.h"

#include "hydraulics/SoughtParameter.h"

namespace hydraulics {

namespace {

constexpr double kMinVelocity = 0.0001;     // m/s
constexpr double kMinDiameter = 0.0001;     // m
constexpr double kMinSlope = 0.0001;        // m/m
constexpr double kMinRoughness = 0.000001;  // m
constexpr double kMinReynolds = 0.0001;

double ValueOf(InputCheck check, const CheckedValues& values) {
    switch (check) {
        case InputCheck::V:
            return values.v;
        case InputCheck::Di:
            return values.Di;
        case InputCheck::I:
            return values.I;
        case InputCheck::G:
            return values.g;
        case InputCheck::K:
            return values.k;
        case InputCheck::Re:
            return values.Re;
    }
    return values.v;
}

// Comparisons are written so that NaN fails every check.
bool Passes(InputCheck check, double x) {
    switch (check) {
        case InputCheck::V:
            return x >= kMinVelocity;
        case InputCheck::Di:
            return x >= kMinDiameter;
        case InputCheck::I:
            return x >= kMinSlope;
        case InputCheck::G:
            return x >= kMinGravity && x <= kMaxGravity;
        case InputCheck::K:
            return x >= kMinRoughness;
        case InputCheck::Re:
            return x >= kMinReynolds;
    }
    return false;
}

}  // namespace

bool Computes(int sought) {
    return sought == SOUGHT_J || sought == SOUGHT_VQ || sought == SOUGHT_K || sought == SOUGHT_DI;
}

InputCheckList ChecksFor(int sought) {
    using C = InputCheck;
    switch (sought) {
        case SOUGHT_J:
            return {{C::V, C::Di, C::G, C::K, C::Re}, 5};
        case SOUGHT_VQ:
            return {{C::Di, C::G, C::K, C::I}, 4};
        case SOUGHT_K:
            return {{C::Di, C::G, C::I, C::V}, 4};
        default:
            return {};
    }
}

std::optional<FailedCheck> FirstFailedCheck(int sought, const CheckedValues& values) {
    for (InputCheck check : ChecksFor(sought)) {
        const double x = ValueOf(check, values);
        if (!Passes(check, x))
            return FailedCheck{check, x};
    }
    return std::nullopt;
}

}  // namespace hydraulics
