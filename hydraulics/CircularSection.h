// Exact partial-filling relations of a circular pipe: the wetted segment, and the Prandtl-Colebrook law
// applied to its hydraulic diameter 4R at a given slope, as ratios to the same pipe running full at the
// same slope, roughness and viscosity. All values in SI units (m, m/s, m²/s, slope I in m/m).
//
// The segment's geometry is exact. The friction law is Colebrook's (FrictionFactor.h) with di replaced
// by 4R, as worksheet DWA-A 110 (DWA, Hennef 2006) computes partly filled sewers; carrying a full-pipe
// law over to the hydraulic diameter is the accepted approximation for steady uniform flow with a free
// surface, its own error is not quantified here. Valid for turbulent flow over 0 < x ≤ 1.
// Example, a DN 300 sewer (di 0.3 m, k 0.75 mm, ν 1.31e-6 m²/s, g 9.81, I 0.005): full velocity
// 1.0746325 m/s; at x = 0.25 Qt/Q = 0.13810181 and vt/v = 0.70639910; Qt/Q peaks at 1.0719466 at
// x = 0.93981, vt/v at 1.1346014 at x = 0.81280 (an independent computation, pinned in LiteratureTest).
#pragma once

#include <optional>

namespace hydraulics {

// A pipe at a slope: everything the friction law needs besides the flow depth.
struct PipeAtSlope {
    double di;  // inner diameter [m]
    double k;   // wall roughness [m]
    double ny;  // kinematic viscosity [m²/s]
    double g;   // gravitational acceleration [m/s²]
    double I;   // slope of the energy line [m/m]
};

// Mean velocity [m/s] by Prandtl-Colebrook in a section of hydraulic diameter dh [m] at the pipe's
// slope, roughness and viscosity; 0 where the law yields no positive velocity (dh of 0 included).
double ColebrookVelocity(const PipeAtSlope& pipe, double dh);

// Qt/Q and vt/v at one filling.
struct FillingRatios {
    double flow;
    double velocity;
};

// A largest ratio and the filling x = h/di at which it occurs.
struct RatioPeak {
    double filling;
    double ratio;
};

class CircularSection {
  public:
    explicit CircularSection(const PipeAtSlope& pipe);

    // False when an input is not a positive finite number (k may be 0: a smooth wall) or the pipe
    // running full has no positive velocity; the ratios are NaN then.
    bool IsDefined() const { return m_fullVelocity > 0; }
    double FullVelocity() const { return m_fullVelocity; }
    double FullFlow() const;

    // The ratios at the filling x = h/di (x outside 0 … 1 counts as its nearer end).
    FillingRatios Ratios(double x) const;

    // Qt/Q peaks above 1 just below the crown, vt/v a little lower.
    RatioPeak FlowPeak() const { return m_flowPeak; }
    RatioPeak VelocityPeak() const;

    // The Froude number of the normal flow at the filling x, with the hydraulic depth A/B (FlowState.h);
    // NaN outside 0 < x < 1 and where the ratios are not defined.
    double Froude(double x) const;

    // The filling x at which Qt/Q = r, the lower root where two fillings carry it (r between 1 and the
    // peak); none above the peak or for a NaN r, 0 for r ≤ 0. Found by bisection to 1e-13 in x.
    std::optional<double> FillingFromFlowRatio(double r) const;

  private:
    PipeAtSlope m_pipe;
    double m_fullVelocity = 0;
    RatioPeak m_flowPeak{};
};

}  // namespace hydraulics
