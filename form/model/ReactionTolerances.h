// The tolerances of the form's field reactions: a change smaller than these leaves the record as it is.
#pragma once

namespace reactions {

constexpr double kVelocityTolerance = 0.00001;  // m/s, v
constexpr double kFlowTolerance = 0.00001;      // m³/s, Q and Qt
constexpr double kReynoldsTolerance = 0.00001;
constexpr double kLambdaTolerance = 0.00001;
constexpr double kViscosityTolerance = 1e-10;     // m²/s
constexpr double kGravityTolerance = 0.001;       // m/s²
constexpr double kDensityTolerance = 0.01;        // kg/m³
constexpr double kTemperatureTolerance = 0.0001;  // °C
constexpr double kDiameterTolerance = 0.0001;     // m, di from A
// A Reynolds number closer than this to the stored one is not taken over.
constexpr double kReynoldsStep = 1;
constexpr double kHeightTolerance = 0.00001;         // m, ht
constexpr double kPartialVelocityTolerance = 0.001;  // m/s, vt

// Q and v count as given for the di solve above this.
constexpr double kGivenThreshold = 0.000001;

constexpr bool Given(double x) {
    return x > kGivenThreshold;
}

}  // namespace reactions
