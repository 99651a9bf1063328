// Fluid, full-filling and partial-filling relations for a circular pipe. All values in SI units:
// m, m/s, m³/s, m²/s, slope I in m/m, kg/m³, degrees Celsius. Inputs are not checked; a value outside
// the physical range gives whatever the formula gives (possibly infinite or NaN).
#pragma once

namespace hydraulics {

// Kinematic viscosity ν [m²/s] of water at temperature T [°C] and density rho [kg/m³].
double ViscosityFromTemperature(double T, double rho);

// Reynolds number of velocity v [m/s] in a pipe of inner diameter di [m] at viscosity ny [m²/s].
double Reynolds(double v, double di, double ny);

// Flow rate Q [m³/s] at velocity v [m/s] through the full section of diameter di [m].
double FlowFromVelocity(double di, double v);

// Velocity v [m/s] of flow rate Q [m³/s] through the full section of diameter di [m].
double VelocityFromFlow(double Q, double di);

// Inner diameter di [m] of a circle of area A [m²].
double DiameterFromArea(double A);

// Area A [m²] of a circle of diameter di [m].
double AreaFromDiameter(double di);

// Energy gradient I [m/m] after Darcy-Weisbach, from friction factor lambda, diameter di [m],
// velocity v [m/s] and gravitational acceleration g [m/s²].
double SlopeFromLambda(double lambda, double di, double v, double g);

// Velocity v [m/s] after Darcy-Weisbach, from g [m/s²], slope I [m/m], diameter di [m] and lambda.
double VelocityFromSlope(double g, double I, double di, double lambda);

// Wall roughness k [m] for which the Colebrook-White law gives lambda at Reynolds number Re in a pipe
// of diameter di [m].
double RoughnessFromLambda(double lambda, double Re, double di);

// Inner diameter di [m] from lambda, slope I [m/m], velocity v [m/s] and g [m/s²].
double DiameterFromLambdaSlopeVelocity(double lambda, double I, double v, double g);

// Inner diameter di [m] from lambda, slope I [m/m], flow rate Q [m³/s] and g [m/s²].
double DiameterFromLambdaSlopeFlow(double lambda, double I, double Q, double g);

// Inner diameter di [m] from Reynolds number Re, viscosity ny [m²/s] and velocity v [m/s].
double DiameterFromReynoldsVelocity(double Re, double ny, double v);

// Inner diameter di [m] from Reynolds number Re, viscosity ny [m²/s] and flow rate Q [m³/s].
double DiameterFromReynoldsFlow(double Re, double ny, double Q);

// Inner diameter di [m] from flow rate Q [m³/s] and velocity v [m/s].
double DiameterFromFlowVelocity(double Q, double v);

// Ratio of filling height to inner diameter from which a partly filled pipe counts as full.
inline constexpr double kFullFillingRatio = 0.83;

// Partial flow Qt [unit of Q] at filling ratio x = ht / di, from the full-filling flow Q.
double PartialFlowRatio(double Q, double x);

// Partial velocity vt [unit of v] at filling ratio x = ht / di, from the full-filling velocity v.
double PartialVelocityRatio(double v, double x);

// Filling height ht [unit of di] at which the partial flow is r = Qt / Q of the full-filling flow.
double PartialHeightFromFlow(double di, double r);

// Filling height ht [unit of di] at which the partial velocity is r = vt / v of the full-filling one.
double PartialHeightFromVelocity(double di, double r);

// Width of the water surface [unit of di] at filling height ht; 0 outside 0 < ht < di.
double SurfaceWidth(double di, double ht);

}  // namespace hydraulics
