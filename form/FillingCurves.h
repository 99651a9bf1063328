// The filling curves of the calculation record: Qt/Q and vt/v over h/d = 0 … 1 in steps of 0.01 by the
// program's fitted relations and by the exact relations of the circular section for the record's di, k,
// ν, g and J, the Froude number of the normal flow at each filling and the fillings at which it is
// critical (Fr = 1), with the record's operating point at ht/di. The curve window and the session runner show
// these values; the record is only read.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hydraulics/CircularSection.h"

class CPlenwickDoc;

// The filling steps of a curve: h/d = i / kFillingCurveSteps, i = 0 … kFillingCurveSteps.
inline constexpr int kFillingCurveSteps = 100;

struct FillingCurvePoint {
    double filling;  // h/d
    hydraulics::FillingRatios fitted;
    std::optional<hydraulics::FillingRatios> exact;  // none when the exact relations are not defined
    // Of the normal flow at this filling, with the exact relations; none at 0 and 1 and without them.
    std::optional<double> froude;
};

struct FillingCurves {
    std::vector<FillingCurvePoint> points;
    // At the record's ht/di, when ht and di are given; beyond 1 when ht exceeds di. Its fitted ratios
    // are the form's: the record's Qt/Q and vt/v where it has them (the partial-filling value the user
    // gave, and those the fitted relations derive from it), else the fitted relations at ht/di.
    std::optional<FillingCurvePoint> operatingPoint;
    hydraulics::PipeAtSlope pipe{};  // the record's di, k, ν, g and J the curves are for
    double flow = 0;                 // the record's full-filling Q [m³/s], 0 when not given
    double velocity = 0;             // the record's full-filling v [m/s], 0 when not given
    // Inputs of the exact relations the record does not give, as the form names them ("di", "J", …).
    std::vector<std::string> missing;
    std::optional<hydraulics::RatioPeak> flowPeak;      // of the exact relations
    std::optional<hydraulics::RatioPeak> velocityPeak;  // of the exact relations
    // The fillings h/d at which the normal flow is critical, ascending: where Fr crosses 1.
    std::vector<double> criticalFillings;

    bool HasExact() const { return flowPeak.has_value(); }
};

FillingCurves ComputeFillingCurves(const CPlenwickDoc& record);

// The pipe the curves are for, e.g. "di = 307,80 mm, k = 0,750 mm, J = 5,000 m/km".
std::string FillingCurvesConditions(const FillingCurves& curves);

// Where the exact curves peak, or why they are missing (lines separated by "\n").
std::string ExactCurvesNote(const FillingCurves& curves);

// The flow state along the exact curve: where the normal flow is critical, or that it is not critical at
// any filling; empty without the exact relations.
std::string CriticalFillingNote(const FillingCurves& curves);

// The table of the curves as tab-separated text with decimal commas: a heading line, then one line per
// filling step (h/d, fitted Qt/Q and vt/v, exact Qt/Q and vt/v, Fr of the normal flow; the exact cells
// empty without them).
std::string FillingCurveTable(const FillingCurves& curves);

// One line of the operating point's comparison: quantity, fitted value, exact value and the deviation
// of the fitted from the exact value, as shown (decimal commas; cells empty where a value is missing).
struct OperatingPointRow {
    std::string quantity;
    std::string fitted;
    std::string exact;
    std::string deviation;
};

// Qt/Q and vt/v, then Qt [l/s] and vt [m/s] from the record's Q and v where they are given.
std::vector<OperatingPointRow> OperatingPointRows(const FillingCurves& curves);

// The heading above those rows, e.g. "Betriebspunkt ht/di = 0,500"; empty without an operating point.
std::string OperatingPointHeading(const FillingCurves& curves);

// Which relation gives which value of the operating point, beside its rows.
std::string OperatingPointSources();
