// How far the program's fitted partial-filling relations (Formulas.h) stand from the exact relations of
// the circular section (CircularSection.h) for one pipe and one given partial-filling value.
//
// Both sides scale the same full-filling Q and v, so only the relations are compared. The fitted cubics
// hold within a few per cent between about Qt/Q = 0.15 and 0.95 (h/d 0.25 to 0.8) and leave the exact
// section outside: their h/d never falls below 0.074, so at Qt/Q = 0.005 ht is some 60 % too high, and
// from h/d 0.83 they take the pipe as full, so vt is about 12 % too low at Qt/Q = 1. The bound used is
// kFittedFillingTolerance: the fitted values agree with the exact section when ht, Qt and vt each lie
// within it of the exact value.
#pragma once

#include <optional>

#include "hydraulics/Calculations.h"
#include "hydraulics/CircularSection.h"

namespace hydraulics {

// Largest relative deviation of a fitted ht, Qt or vt from the exact value that still counts as agreeing.
inline constexpr double kFittedFillingTolerance = 0.05;

// ht [m], Qt [m³/s] and vt [m/s] of one partial filling.
struct PartialValues {
    double ht = 0;
    double Qt = 0;
    double vt = 0;
};

// The exact partial filling of the pipe carrying Q [m³/s] at v [m/s] when full, from the given quantity
// (returned as given): at ht = x · di Qt = Q · Qt/Q(x) and vt = v · vt/v(x); from Qt and vt the lower
// filling that gives it. None when the section is not defined, Q or v is not positive, or the section
// cannot carry the value (Qt or vt above its peak, ht beyond di).
std::optional<PartialValues> ExactPartialFilling(const CircularSection& section, double di, double Q,
                                                 double v, PartialQuantity given, double value);

struct FittedFillingComparison {
    bool comparable = false;  // the exact section is defined for the pipe and a value is given
    PartialValues fitted;     // as the form derives them
    std::optional<PartialValues> exact;
    // Largest relative deviation of the fitted from the exact values (ht, Qt, vt), when exact.
    double deviation = 0;

    // The fitted values leave the exact section by more than the tolerance, or it cannot carry the value.
    bool Differs() const { return comparable && (!exact || deviation > kFittedFillingTolerance); }
};

// The form's fitted partial filling (PartialFillingFrom) next to the exact one, for the pipe at its slope
// carrying Q at v when full.
FittedFillingComparison CompareFittedFilling(const PipeAtSlope& pipe, double Q, double v,
                                             PartialQuantity given, double value);

}  // namespace hydraulics
