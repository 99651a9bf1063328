// The head loss of a pressure line: friction along its length and the local losses of its fittings.
// SI units: m, m/s, m/s², J in m/m.
//
//     hv = J · L + Σζ · v² / (2 g)
//
// J · L is the Darcy-Weisbach friction loss of the length L at the energy gradient J of the pipe
// running full; each fitting loses ζ velocity heads v² / (2 g) at the velocity v in the pipe (the
// loss coefficient of the fitting, for turbulent flow). Valid for steady full-pipe flow.
#pragma once

#include <array>
#include <optional>

namespace hydraulics {

// The inputs of the line that can fail their check.
enum class LineInput { Length, LossSum };

struct FailedLineInput {
    LineInput input;
    double value;
};

struct LineLossInputs {
    double J;        // energy gradient [m/m]
    double L;        // length [m], at least 0
    double sumZeta;  // Σζ of the fittings, at least 0
    double v;        // velocity of the full pipe [m/s]
    double g;        // [m/s²]
};

struct LineLoss {
    std::optional<FailedLineInput> failed;  // L or Σζ negative or not a number: nothing computed
    double friction = 0;                    // J · L [m]
    double local = 0;                       // Σζ · v² / (2 g) [m]
    double total = 0;                       // hv [m]
};
LineLoss LineLossOf(const LineLossInputs& in);

// Common fittings of a water main or a pressure sewer and their loss coefficients ζ, referred to the
// velocity in the pipe:
// - inlet from a tank, sharp-edged 0.5, well rounded 0.08 (Lueger, Lexikon der gesamten Technik,
//   1904, "Eintrittskoeffizient": 0.50 … 0.60 and 0.08);
// - outlet into a tank 1.0 (the Borda-Carnot loss (1 − A1/A2)² of a sudden widening, A2 ≫ A1);
// - 90° bend of radius R: R/d = 2 0.21, R/d = 4 0.14, R/d ≥ 6 0.11 (Parker Hannifin, catalogue
//   4100/DE, loss coefficients of pipe bends);
// - fully open valves: gate valve 0.2, butterfly valve 0.6, swing check valve 2.5 (COMSOL Multiphysics,
//   Pipe Flow Module User's Guide, 6.4, valve types).
enum class Fitting {
    InletSharp,
    InletRounded,
    Outlet,
    Bend90Radius2d,
    Bend90Radius4d,
    Bend90Radius6d,
    GateValve,
    ButterflyValve,
    SwingCheckValve,
    Count
};
double LossCoefficient(Fitting fitting);

// Every fitting of the table, in its order.
std::array<Fitting, static_cast<int>(Fitting::Count)> Fittings();

}  // namespace hydraulics
