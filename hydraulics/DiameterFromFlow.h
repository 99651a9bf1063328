// The inner diameter that carries a flow Q at the energy gradient J in a pipe of roughness k, after the
// Prandtl-Colebrook law, when no friction factor λ is given. SI units: m, m³/s, m/m, m²/s, m/s².
//
// With J and di given, Darcy-Weisbach and Colebrook-White give the velocity of the full pipe without
// iteration (ColebrookVelocity, CircularSection.h):
//     v(di) = −2 · √(2 g J di) · log10(2.51 ν / (di · √(2 g J di)) + k / (3.71 di)),
// and the flow Q(di) = π/4 · di² · v(di) rises steadily with di. The diameter with Q(di) = Q is found on
// u = ln di by Newton steps on ln Q(di) − ln Q, kept inside the bracket kDiameterBracket that every
// step shrinks and replaced by a bisection step where they would leave it; the first estimate is the
// explicit form for λ = 0.02. It converges for every admissible input, to a relative width of
// kDiameterRelativeWidth, mostly in under ten steps and in about 50 at most. Valid where the Colebrook-White
// law is (turbulent flow, Re above about 2320; the result carries its Re).
#pragma once

#include <array>

#include "hydraulics/Calculations.h"

namespace hydraulics {

struct DiameterBracket {
    double low;   // m
    double high;  // m
};
inline constexpr DiameterBracket kDiameterBracket{1e-6, 1000};
inline constexpr double kDiameterRelativeWidth = 1e-12;

// The values di from Q, J and k needs, in the order they are named when missing.
enum class FlowDiameterInput { Q, J, K, Ny, G };

struct FlowDiameterInputs {
    double Q;   // m³/s
    double I;   // m/m
    double k;   // m
    double ny;  // m²/s
    double g;   // m/s²
};

// The inputs that are not positive numbers (g outside its check range counts as missing), in order.
struct MissingFlowDiameterInputs {
    std::array<FlowDiameterInput, 5> inputs{};
    int count = 0;
    const FlowDiameterInput* begin() const { return inputs.data(); }
    const FlowDiameterInput* end() const { return inputs.data() + count; }
    bool empty() const { return count == 0; }
};
MissingFlowDiameterInputs MissingForFlowDiameter(const FlowDiameterInputs& in);

struct FlowDiameterResult {
    CalculationStatus status;           // steps of the bisection; di outside 0.05 … 5 m a limit breach
    MissingFlowDiameterInputs missing;  // not empty: nothing was computed
    double di = 0;                      // m; infinite when even kDiameterBracket.high carries less than Q
    double lambda = 0;                  // λ of the pipe at J (explicit form for a known slope)
    double v = 0;                       // m/s, Q / (π/4 · di²)
    double Re = 0;
    bool Computed() const { return missing.empty(); }
};
FlowDiameterResult SolveDiameterFromFlow(const FlowDiameterInputs& in);

}  // namespace hydraulics
