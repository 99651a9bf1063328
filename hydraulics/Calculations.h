// The calculation engine: the hydraulic dimensioning of a circular pipe after the Prandtl-Colebrook law,
// at full filling and partly filled.
//
// Architecture. hydraulics/ is the bottom of the program's logic and depends on the C++ standard library
// alone: no platform, no prompt, no form, no record. It holds the unit factors (Units.h), the formulas
// (Formulas.h), the friction law (FrictionFactor.h), the limits of entries (EntryLimits.h), the checks of
// a calculation's inputs (InputChecks.h) and, here, the value-level calculations: each takes a plain
// struct of SI values and returns a plain struct of results, with the iteration steps, whether the
// iteration converged, and the failed input check or the crossed result limit with its value. Nothing
// here allocates, shows or formats anything. The texts of the messages are made from these results in
// messages/; the calculation record (record/), the form (form/), the report and the tools above all
// compute through this engine, so that one input gives one answer everywhere.
#pragma once

#include <cmath>
#include <optional>

#include "hydraulics/FrictionFactor.h"
#include "hydraulics/InputChecks.h"

namespace hydraulics {

// Calculation limits of the results, inclusive, in SI units. A NaN lies outside every range.
inline constexpr double kMaxSlopeResult = 250;       // I [m/m]
inline constexpr double kMinVelocityResult = 0.05;   // v [m/s]
inline constexpr double kMaxVelocityResult = 15;     // v [m/s]
inline constexpr double kMaxRoughnessResult = 0.05;  // k [m]
inline constexpr double kMinDiameterResult = 0.05;   // di [m]
inline constexpr double kMaxDiameterResult = 5;      // di [m]
// Up to this diameter [m] a velocity gives no flow rate.
inline constexpr double kMinFlowDiameter = 0.01;

enum class ResultQuantity { I, V, K, Di };

// A result outside its calculation limits.
struct LimitBreach {
    ResultQuantity quantity;
    double value;  // SI
};

// What every calculation reports besides its results.
struct CalculationStatus {
    std::optional<FailedCheck> failedCheck;  // an input failed its check: nothing was computed
    std::optional<LimitBreach> outOfLimits;  // the result lies outside its limits
    int steps = 0;                           // iteration steps (0 for the explicit forms)
    bool converged = true;                   // the iteration met its tolerance
    bool Succeeded() const { return !failedCheck && !outOfLimits; }
};

// --- slope J sought: λ by the Colebrook-White iteration, then I = λ / di · v² / (2 g) ---
struct SlopeInputs {
    double di, k, Re, v, g;
};
struct SlopeResult {
    CalculationStatus status;
    ColebrookIteration iteration{0, 0, false};  // λ with its steps, from Re truncated toward zero
    double I = 0;                               // m/m; shown and stored even when outside 0 … 250
};
SlopeResult SolveSlope(const SlopeInputs& in);

// --- v and Q sought: λ explicit for the known slope, v from Darcy-Weisbach, Q and Re follow ---
struct VelocityAndFlowInputs {
    double di, k, I, g, ny;
};
struct VelocityAndFlowResult {
    CalculationStatus status;
    double lambda = 0;
    double v = 0;              // m/s; outside 0.05 … 15 a limit breach
    bool hasFlow = false;      // di beyond kMinFlowDiameter: Q follows
    double Q = 0;              // m³/s
    bool hasReynolds = false;  // with a flow and a positive viscosity: Re follows
    double Re = 0;
};
VelocityAndFlowResult SolveVelocityAndFlow(const VelocityAndFlowInputs& in);

// --- k sought: λ from Darcy-Weisbach, k from Colebrook-White solved for k ---
struct RoughnessInputs {
    double di, I, g, v, Re;
};
struct RoughnessResult {
    CalculationStatus status;
    double lambda = 0;
    double k = 0;  // m; outside 0 … 0.05 a limit breach
};
RoughnessResult SolveRoughness(const RoughnessInputs& in);

// --- di sought: by the first rule whose inputs are positive ---
enum class DiameterRule {
    LambdaSlopeVelocity,  // λ, I, g, v
    LambdaSlopeFlow,      // λ, I, g, Q
    ReynoldsVelocity,     // Re, ν, v
    ReynoldsFlow,         // Re, ν, Q (v not given)
    FlowVelocity,         // Q, v (Re or ν not given)
    NotEnoughValues,
};
struct DiameterInputs {
    double ny, Re, lambda, I, Q, v, g;
};
struct DiameterResult {
    CalculationStatus status;
    DiameterRule rule = DiameterRule::NotEnoughValues;
    double di = 0;  // m; outside 0.05 … 5 a limit breach
};
DiameterResult SolveDiameter(const DiameterInputs& in);

// --- partial filling ---
// The partial-filling quantities a user gives; the others and the water-surface width follow from the
// one given.
enum class PartialQuantity { Ht, Qt, Vt };

// The partial-filling values of a pipe of diameter di [m] that carries Q [m³/s] at v [m/s] when full,
// from the given quantity's value (returned as given). derived: the given value determines the others,
// from ht always, from Qt when di and Q are positive, from vt when di and v are positive; Qt from vt
// needs Q positive as well. A value that does not follow, or would not be finite, is 0.
struct PartialFilling {
    bool derived = false;
    double ht = 0;            // m
    double Qt = 0;            // m³/s
    double vt = 0;            // m/s
    double surfaceWidth = 0;  // m
};
PartialFilling PartialFillingFrom(PartialQuantity given, double value, double di, double Q, double v);

// A value that is not finite is no value: 0, as a quantity that is not given.
inline double FiniteOrNone(double x) {
    return std::isfinite(x) ? x : 0.0;
}

}  // namespace hydraulics
