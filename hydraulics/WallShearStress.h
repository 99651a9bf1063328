// Wall shear stress and the self-cleansing criterion of a sewer. SI units: kg/m³, m/s², m, N/m².
//
// In steady uniform flow the weight of the water along the energy gradient balances the friction on
// the wetted wall, so the mean wall shear stress is τ = ρ · g · R · J with the hydraulic radius
// R = A / U (di / 4 in the full pipe) and the energy gradient J [m/m] (the tractive force of du Boys;
// Chow, Open-Channel Hydraulics, 1959). It holds for full and partial filling alike.
//
// Self-cleansing: deposits are moved on while τ reaches a least value τmin. As the default this
// program takes 0.867 N/m² (0.0181 lb/ft²), the tractive stress that moves a 1 mm sand grain, on
// which the tractive force design of ASCE Manual of Practice 60 / WEF FD-5, Gravity Sanitary Sewer
// Design and Construction (2nd ed., 2007), bases its minimum slopes. It is a usual guide value, not
// the verification of DWA-A 110, whose method takes the sewer's size and the solids into account.
#pragma once

namespace hydraulics {

inline constexpr double kDefaultMinWallShearStress = 0.867;  // N/m²

// τ = ρ · g · R · J [N/m²] from density rho [kg/m³], g [m/s²], hydraulic radius R [m] and J [m/m].
double WallShearStress(double rho, double g, double R, double J);

// τ of a pipe of inner diameter di [m] filled to h [m] (h ≥ di: full); 0 for an empty pipe.
double WallShearStressAt(double rho, double g, double di, double h, double J);

struct SelfCleansingCheck {
    double tau;     // N/m²
    double tauMin;  // N/m²
    bool met;       // tau ≥ tauMin (a NaN does not meet it)
};
SelfCleansingCheck CheckSelfCleansing(double tau, double tauMin = kDefaultMinWallShearStress);

}  // namespace hydraulics
