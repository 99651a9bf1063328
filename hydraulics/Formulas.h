// Fluid, full-filling and partial-filling relations for a circular pipe. All values in SI units:
// m, m/s, m³/s, m²/s, slope I in m/m, kg/m³, degrees Celsius. Inputs are not checked; a value outside
// the physical range gives whatever the formula gives (possibly infinite or NaN).
//
// The full-filling relations are continuity (Q = A · v) and the Darcy-Weisbach law of the energy
// gradient, I = λ / di · v² / (2 g): J. Weisbach, Lehrbuch der Ingenieur- und Maschinen-Mechanik, 1845,
// and H. Darcy, Recherches expérimentales relatives au mouvement de l'eau dans les tuyaux, 1857. They
// hold for steady flow of the full pipe, laminar or turbulent; λ follows the Prandtl-Colebrook law
// (FrictionFactor.h), which restricts them to turbulent flow. The design practice behind them is
// worksheet DWA-A 110, Hydraulische Dimensionierung und Leistungsnachweis von Abwasserleitungen und
// -kanälen (DWA, Hennef 2006; formerly ATV-A 110), and DVGW W 302 for water mains.
//
// Each relation names one worked example; tests/hydraulics/LiteratureTest.cpp pins them all.
#pragma once

namespace hydraulics {

// Kinematic viscosity ν [m²/s] of water at temperature T [°C] and density rho [kg/m³]: the dynamic
// viscosity fit μ = 0.001779 / (1 + 0.03368 · T + 0.000221 · T²) Pa·s (Poiseuille's form, μ(0 °C) =
// 1.779 mPa·s) divided by rho. Within 0 … 30 °C it lies within −0.7 % … +1.0 % of the reference values
// of water (IAPWS 2008, at 0.1 MPa and the density of pure water): M. L. Huber et al., New international
// formulation for the viscosity of H2O, J. Phys. Chem. Ref. Data 38 (2009) 101–125. The fit's own
// source is not traced; use it within 0 … 30 °C.
// Example: 10 °C, 1000 kg/m³ → ν = 1.3091471e-6 m²/s.
double ViscosityFromTemperature(double T, double rho);

// Reynolds number Re = v · di / ν of velocity v [m/s] in a pipe of inner diameter di [m]: O. Reynolds,
// An experimental investigation of the circumstances which determine whether the motion of water shall
// be direct or sinuous, and of the law of resistance in parallel channels, Phil. Trans. R. Soc. 174
// (1883). Exact. Example: 1 m/s, 0.1 m, 1.31e-6 m²/s → Re = 76335.878.
double Reynolds(double v, double di, double ny);

// Continuity: flow rate Q [m³/s] at velocity v [m/s] through the full section of diameter di [m].
// Exact. Example: 0.1 m, 1 m/s → Q = 0.0078539816 m³/s.
double FlowFromVelocity(double di, double v);

// Continuity: velocity v [m/s] of flow rate Q [m³/s] through the full section of diameter di [m].
// Exact. Example: 0.05 m³/s, 0.25 m → v = 1.0185916 m/s.
double VelocityFromFlow(double Q, double di);

// Inner diameter di [m] of a circle of area A [m²]: di = √(4 A / π). Example: 0.0078539816 m² → 0.1 m.
double DiameterFromArea(double A);

// Area A [m²] of a circle of diameter di [m]. Example: 0.25 m → 0.049087385 m².
double AreaFromDiameter(double di);

// Inner diameter of a pipe of outer diameter da, wall thickness s and cement-mortar lining ZMA, all in
// one length unit: di = da − 2 · (s + ZMA). For ductile cast-iron pipes da and s are those of
// EN 545 (water) and EN 598 (sewage), the lining thickness that of the same standards.
// Example: da 118, s 5, ZMA 3.5 mm (DN 100, class K7) → di = 101 mm.
double InnerDiameter(double da, double s, double zma);

// Energy gradient I [m/m] after Darcy-Weisbach, from friction factor lambda, diameter di [m],
// velocity v [m/s] and gravitational acceleration g [m/s²].
// Example: λ 0.02, di 0.3 m, v 1.5 m/s, g 9.81 → I = 0.0076452599.
double SlopeFromLambda(double lambda, double di, double v, double g);

// Velocity v [m/s]: Darcy-Weisbach solved for v, from g [m/s²], slope I [m/m], di [m] and lambda.
// Example: g 9.81, I 0.0076452599, di 0.3 m, λ 0.02 → v = 1.5 m/s.
double VelocityFromSlope(double g, double I, double di, double lambda);

// Wall roughness k [m] for which the Colebrook-White law gives lambda at Reynolds number Re in a pipe
// of diameter di [m]: 1/√λ = −2 log10(2.51 / (Re √λ) + k / (3.71 di)) solved for k,
//     k = 3.71 · di · (10^(−1 / (2 √λ)) − 2.51 / (Re · √λ)).
// Negative when lambda lies below the smooth-pipe value of Re. Exact inverse of the law, so within its
// range (FrictionFactor.h). Example: λ 0.025, Re 2e5, di 0.3 m → k = 0.00067763779 m.
double RoughnessFromLambda(double lambda, double Re, double di);

// Inner diameter di [m] from lambda, slope I [m/m], velocity v [m/s] and g [m/s²]: Darcy-Weisbach
// solved for di. Example: λ 0.02, I 0.005, v 1.5 m/s, g 9.81 → di = 0.45871560 m.
double DiameterFromLambdaSlopeVelocity(double lambda, double I, double v, double g);

// Inner diameter di [m] from lambda, slope I [m/m], flow rate Q [m³/s] and g [m/s²]: Darcy-Weisbach with
// v = 4 Q / (π di²) gives I = 8 λ Q² / (g π² di⁵), so di⁵ = 8 λ Q² / (g I π²).
// Example: λ 0.02, I 0.005, Q 0.05 m³/s, g 9.81 → di = 0.24178216 m.
double DiameterFromLambdaSlopeFlow(double lambda, double I, double Q, double g);

// Inner diameter di [m] from Reynolds number Re, viscosity ny [m²/s] and velocity v [m/s].
// Example: Re 1e5, ν 1.31e-6 m²/s, v 1 m/s → di = 0.131 m.
double DiameterFromReynoldsVelocity(double Re, double ny, double v);

// Inner diameter di [m] from Reynolds number Re, viscosity ny [m²/s] and flow rate Q [m³/s]:
// Re = v di / ν with v = 4 Q / (π di²) gives di = 4 Q / (Re ν π).
// Example: Re 1e5, ν 1.31e-6 m²/s, Q 0.05 m³/s → di = 0.48596929 m.
double DiameterFromReynoldsFlow(double Re, double ny, double Q);

// Inner diameter di [m] from flow rate Q [m³/s] and velocity v [m/s] (continuity).
// Example: 0.05 m³/s, 1 m/s → di = 0.25231325 m.
double DiameterFromFlowVelocity(double Q, double v);

// Partial filling of a circular pipe. The ratios are cubic fits to the partial-filling curves of the
// circular section at constant slope and roughness, as worksheet DWA-A 110 draws them: Qt/Q and vt/v
// over x = ht/di, and their inverses. Who fitted the coefficients, and to which table, is not
// recorded; their accuracy is measured instead. Valid for 0 < x < kFullFillingRatio; from there the
// pipe counts as full. At half filling the exact section gives Qt/Q = 0.5 and vt/v = 1 (same hydraulic
// radius); the fits give 0.5013 and 1.0016.
//
// Accuracy: the largest absolute deviation from the exact section (CircularSection.h) over
// 0 < x < 0.83, on a grid of step 0.0001, for a DN 300 sewer (k 0.75 mm, I 5 ‰), a 2.4 m main
// (k 0.1 mm, I 0.2 ‰) and a rough DN 100 at I 10 %:
//     Qt/Q  0.0150 (of Q, at x 0.74 of the rough pipe; 0.0056 … 0.0096 for the other two),
//     vt/v  0.114 (of v, next to the empty pipe, where the fit keeps its constant 0.102),
//     ht/di from Qt/Q  0.074 (of di, next to the empty pipe: the constant 0.074),
//     ht/di from vt/v  0.068 (of di, on the lower branch up to the peak of vt/v at x 0.81).
// From x = 0.1 up, Qt/Q keeps within 0.0150, vt/v within 0.043 and ht/di from Qt/Q within 0.021.

// Ratio of filling height to inner diameter from which a partly filled pipe counts as full.
inline constexpr double kFullFillingRatio = 0.83;

// Partial flow Qt [unit of Q] at filling ratio x = ht / di, from the full-filling flow Q.
// Example: x 0.3 → Qt/Q = 0.19972181 (exact for the DN 300 sewer: 0.19712).
double PartialFlowRatio(double Q, double x);

// Partial velocity vt [unit of v] at filling ratio x = ht / di, from the full-filling velocity v.
// Example: x 0.3 → vt/v = 0.79889234 (exact for the DN 300 sewer: 0.78125).
double PartialVelocityRatio(double v, double x);

// Filling height ht [unit of di] at which the partial flow is r = Qt / Q of the full-filling flow.
// Example: Qt/Q 0.3 → ht/di = 0.37774243.
double PartialHeightFromFlow(double di, double r);

// Filling height ht [unit of di] at which the partial velocity is r = vt / v of the full-filling one.
// Example: vt/v 0.8 → ht/di = 0.29056456.
double PartialHeightFromVelocity(double di, double r);

// Width of the water surface [unit of di] at filling height ht: the chord 2 √(r² − (ht − r)²) of the
// circle of radius r = di / 2; 0 outside 0 < ht < di. Exact. Example: di 2.4 m, ht 0.05 m → 0.68556546 m.
double SurfaceWidth(double di, double ht);

}  // namespace hydraulics
