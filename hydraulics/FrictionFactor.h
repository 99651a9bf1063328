// The friction factor λ after the Prandtl-Colebrook law: the Colebrook-White iteration and the two
// explicit forms. Lengths in m, slope I in m/m, viscosity in m²/s, g in m/s².
//
// Colebrook-White, joining Prandtl's law of the hydraulically smooth pipe and Kármán-Nikuradse's law of
// the fully rough one: C. F. Colebrook, Turbulent flow in pipes, with particular reference to the
// transition region between the smooth and rough pipe laws, J. Inst. Civ. Eng. 11 (1939), the
// transition formula
//     1/√λ = −2 · log10(2.51 / (Re · √λ) + k / (3.71 · di))
// with k the equivalent sand roughness. Valid for turbulent flow, Re above about 2320; the form admits
// Re 2350 … 5.7e7 and k/di up to 0.05, within the chart of L. F. Moody, Friction factors for pipe flow,
// Trans. ASME 66 (1944) 671–684. Against measurement the law is good to a few per cent (Moody: about
// ±5 % for smooth and ±10 % for rough pipes); the iteration solves it to a relative change of 1e-6 in
// 1/√λ. Example: Re 1e5, k/di 0.001 → λ = 0.02216546 (bisection to 1e-14: 0.022165460).
#pragma once

namespace hydraulics {

// The most steps the Colebrook-White iteration makes.
inline constexpr int kColebrookMaxSteps = 100;

// Outcome of one run of the Colebrook-White iteration.
struct ColebrookIteration {
    double lambda;   // 1 / x² of the last step
    int steps;       // steps made, 1 … kColebrookMaxSteps
    bool converged;  // the last step met the relative tolerance
    // The step limit was reached: the caller tells the user, whether or not the last step converged.
    bool ReachedStepLimit() const { return steps >= kColebrookMaxSteps; }
};

// x truncated toward zero to an int; beyond the int range it saturates, NaN gives 0.
int TruncateToInt(double x);

}  // namespace hydraulics

class CFrictionFactor {
  public:
    CFrictionFactor();
    virtual double Unity() const;
    // Colebrook-White by fixed-point iteration: the λ of Iterate.
    virtual double LambdaIterative(int Re, double k, double di) const;
    // Explicit form for a known slope I, exact within the law's range. Example: k 0.75 mm, I 0.005,
    // ν 1.31e-6 m²/s, g 9.81, di 0.3 m → λ = 0.025484160.
    virtual double LambdaFromSlope(double k, double I, double ny, double g, double di) const;
    // Darcy-Weisbach solved for λ. Example: I 0.005, g 9.81, v 1.0746325 m/s, di 0.3 m → λ = 0.025484160.
    virtual double LambdaFromDarcy(double I, double g, double v, double di) const;
    virtual ~CFrictionFactor();

    // Fixed-point iteration on x = 1/√λ from x = m_start, to a relative change of 1e-6 or
    // kColebrookMaxSteps steps; Re is the whole number of the Reynolds number.
    hydraulics::ColebrookIteration Iterate(int Re, double k, double di) const;

  private:
    double m_start;  // first value of x = 1/√λ
};
