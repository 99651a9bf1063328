// Fluid, full-filling and partial-filling relations for a circular pipe. All values in SI units:
// m, m/s, m³/s, m²/s, slope I in m/m, kg/m³, degrees Celsius. Inputs are not checked; a value outside
// the physical range gives whatever the formula gives (possibly infinite or NaN).
//
// The full-filling relations are continuity (Q = A · v) and the Darcy-Weisbach law of the energy
// gradient, I = λ / di · v² / (2 g); λ follows the Prandtl-Colebrook law (FrictionFactor.h). The
// design practice behind them is worksheet DWA-A 110 (formerly ATV-A 110), hydraulic dimensioning of
// sewers and drains, and DVGW W 302 for water mains.
#pragma once

namespace hydraulics {

// Kinematic viscosity ν [m²/s] of water at temperature T [°C] and density rho [kg/m³]: the dynamic
// viscosity fit μ = 0.001779 / (1 + 0.03368 · T + 0.000221 · T²) Pa·s (Poiseuille's form, μ(0 °C) =
// 1.779 mPa·s) divided by rho. Within 0 … 30 °C it lies within −0.7 % … +1.0 % of the reference values
// of water (IAPWS 2008, at 0.1 MPa and the density of pure water).
double ViscosityFromTemperature(double T, double rho);

// Reynolds number Re = v · di / ν of velocity v [m/s] in a pipe of inner diameter di [m].
double Reynolds(double v, double di, double ny);

// Continuity: flow rate Q [m³/s] at velocity v [m/s] through the full section of diameter di [m].
double FlowFromVelocity(double di, double v);

// Continuity: velocity v [m/s] of flow rate Q [m³/s] through the full section of diameter di [m].
double VelocityFromFlow(double Q, double di);

// Inner diameter di [m] of a circle of area A [m²]: di = √(4 A / π).
double DiameterFromArea(double A);

// Area A [m²] of a circle of diameter di [m].
double AreaFromDiameter(double di);

// Inner diameter of a pipe of outer diameter da, wall thickness s and cement-mortar lining ZMA, all in
// one length unit: di = da − 2 · (s + ZMA). For ductile cast-iron pipes da and s are those of
// EN 545 (water) and EN 598 (sewage), the lining thickness that of the same standards.
double InnerDiameter(double da, double s, double zma);

// Energy gradient I [m/m] after Darcy-Weisbach, from friction factor lambda, diameter di [m],
// velocity v [m/s] and gravitational acceleration g [m/s²].
double SlopeFromLambda(double lambda, double di, double v, double g);

// Velocity v [m/s]: Darcy-Weisbach solved for v, from g [m/s²], slope I [m/m], di [m] and lambda.
double VelocityFromSlope(double g, double I, double di, double lambda);

// Wall roughness k [m] for which the Colebrook-White law gives lambda at Reynolds number Re in a pipe
// of diameter di [m]: 1/√λ = −2 log10(2.51 / (Re √λ) + k / (3.71 di)) solved for k,
//     k = 3.71 · di · (10^(−1 / (2 √λ)) − 2.51 / (Re · √λ)).
// Negative when lambda lies below the smooth-pipe value of Re.
double RoughnessFromLambda(double lambda, double Re, double di);

// Inner diameter di [m] from lambda, slope I [m/m], velocity v [m/s] and g [m/s²]: Darcy-Weisbach
// solved for di.
double DiameterFromLambdaSlopeVelocity(double lambda, double I, double v, double g);

// Inner diameter di [m] from lambda, slope I [m/m], flow rate Q [m³/s] and g [m/s²]: Darcy-Weisbach with
// v = 4 Q / (π di²) gives I = 8 λ Q² / (g π² di⁵), so di⁵ = 8 λ Q² / (g I π²).
double DiameterFromLambdaSlopeFlow(double lambda, double I, double Q, double g);

// Inner diameter di [m] from Reynolds number Re, viscosity ny [m²/s] and velocity v [m/s].
double DiameterFromReynoldsVelocity(double Re, double ny, double v);

// Inner diameter di [m] from Reynolds number Re, viscosity ny [m²/s] and flow rate Q [m³/s]:
// Re = v di / ν with v = 4 Q / (π di²) gives di = 4 Q / (Re ν π).
double DiameterFromReynoldsFlow(double Re, double ny, double Q);

// Inner diameter di [m] from flow rate Q [m³/s] and velocity v [m/s] (continuity).
double DiameterFromFlowVelocity(double Q, double v);

// Partial filling of a circular pipe. The ratios are cubic fits to the partial-filling curves of the
// circular section at constant slope and roughness (the curves of DWA-A 110): Qt/Q and vt/v over
// x = ht/di, and their inverses. Valid for 0 < x < kFullFillingRatio; from there the pipe counts as
// full. At half filling the exact section gives Qt/Q = 0.5 and vt/v = 1 (same hydraulic radius); the
// fits give 0.5013 and 1.0016.

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

// Width of the water surface [unit of di] at filling height ht: the chord 2 √(r² − (ht − r)²) of the
// circle of radius r = di / 2; 0 outside 0 < ht < di.
double SurfaceWidth(double di, double ht);

}  // namespace hydraulics
