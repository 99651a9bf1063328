// Factors between the SI values of the calculation record and the units the form and the report show.
// display = SI · toDisplay, SI = display · toSi.
#pragma once

namespace hydraulics::units {

struct UnitFactor {
    double toDisplay;
    double toSi;
};

// Lengths in mm: di, da, s, ZMA, k, ht and the water-surface width.
inline constexpr UnitFactor kMillimetre{1000.0, 0.001};
// Flow rates Q and Qt in l/s.
inline constexpr UnitFactor kLitrePerSecond{1000.0, 0.001};
// Flow rates Q and Qt in m³/h.
inline constexpr UnitFactor kCubicMetrePerHour{3600.0, 0.0002777777777777778};
// Slope J in m/km from the energy gradient I in m/m.
inline constexpr UnitFactor kMetrePerKilometre{1000.0, 0.001};
// Kinematic viscosity in 10⁻⁶ m²/s.
inline constexpr UnitFactor kMicroSquareMetrePerSecond{1000000.0, 0.000001};

}  // namespace hydraulics::units
