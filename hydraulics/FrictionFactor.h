// The friction factor λ after the Prandtl-Colebrook law: the Colebrook-White iteration and the two
// explicit forms. Lengths in m, slope I in m/m, viscosity in m²/s, g in m/s².
#pragma once

namespace hydraulics {

// The most steps the Colebrook-White iteration makes.
inline constexpr int kColebrookMaxSteps = 100;

// Outcome of one run of the Colebrook-White iteration.
struct ColebrookIteration {
    double lambda;   // 1 / x² of the last step
    int steps;       // steps made, 1 … kColebrookMaxSteps
    bool converged;  // the last step met the relative tolerance
};

// x truncated toward zero to an int; beyond the int range it saturates, NaN gives 0.
int TruncateToInt(double x);

}  // namespace hydraulics

class CFrictionFactor {
  public:
    CFrictionFactor();
    virtual double Unity() const;
    // Colebrook-White by fixed-point iteration; shows a message when the step limit is reached.
    virtual double LambdaIterative(int Re, double k, double di) const;
    // Explicit form for a known slope I.
    virtual double LambdaFromSlope(double k, double I, double ny, double g, double di) const;
    // Darcy-Weisbach solved for λ.
    virtual double LambdaFromDarcy(double I, double g, double v, double di) const;
    virtual ~CFrictionFactor();

    // The iteration of LambdaIterative without its message.
    hydraulics::ColebrookIteration Iterate(int Re, double k, double di) const;

  private:
    double m_start;  // first value of x = 1/√λ
};
