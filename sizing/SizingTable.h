// The sizing table: every DN of the form's wall-thickness class, computed through the engine for one
// design flow, with the criteria a designer checks and the smallest DN that meets them all.
//
// Gravity flow (slope J given): per DN the full-filling capacity Qv and velocity vv at J, and for the
// design flow Q the filling ratio Q/Qv, filling height ht, h/d and partial velocity vt by the exact
// relations of the circular section; the form's fitted relations are kept beside them, to say when the
// form will show other values, and at that filling the Froude number (not near critical) and the wall
// shear stress (at least τmin). Pressure flow (J not given, full filling): per DN v, Re, λ, J, the head
// loss per 100 m and, with a length L or a sum Σζ, the line's head loss hv (at most hv max when given). Each
// DN is computed as the form computes it after taking the row over (TakeOverRow): di from da, s and ZMA as
// the form shows it, the same engine calls with the same values.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalogue/SettingsFile.h"
#include "hydraulics/FittedFillingCheck.h"
#include "hydraulics/FlowState.h"
#include "hydraulics/LineLoss.h"
#include "hydraulics/WallShearStress.h"
#include "platform/Clock.h"

class CPlenwickView;

namespace sizing {

enum class FlowMode { Gravity, Pressure };

// Admissible ranges of a row: velocity [m/s] (vt in gravity flow, v in pressure flow); in gravity flow
// the largest filling ratio h/d and the least wall shear stress τmin [N/m²] (and a flow state outside
// the near-critical band); in pressure flow the largest head loss of the line [m], when given.
struct Criteria {
    double vMin;
    double vMax;
    double hdMax;
    double tauMin = hydraulics::kDefaultMinWallShearStress;
    std::optional<double> hvMax;
};

// Guide values used when the window or the script leaves a criterion open.
Criteria DefaultCriteria(FlowMode mode);
// Where the defaults come from, for the window's help text.
const char* CriteriaSourceText();

// What the user types in the window: design flow Q [l/s], slope J [m/km] (0: not given), and the
// criteria (absent: the mode's default).
struct Design {
    double QLs = 0;
    double JMkm = 0;
    std::optional<double> vMin;
    std::optional<double> vMax;
    std::optional<double> hdMax;
    std::optional<double> tauMin;  // N/m², gravity flow
    // The pressure line: length L [m] and Σζ of its fittings (0: not given), the largest head loss [m].
    double L = 0;
    double sumZeta = 0;
    std::optional<double> hvMax;
};

FlowMode ModeOf(const Design& design);

// The form's fluid data and roughness, SI (T in °C); the table computes with ν, g and k, and names T and
// ρ, from which ν follows.
struct Conditions {
    double ny;
    double g;
    double k;
    double T;
    double rho;
};

struct Row {
    std::string dn;          // as in the DN list
    double di = 0;           // m, as the form shows it from da, s and ZMA
    bool hasValues = false;  // the engine computed the row's values
    // gravity flow
    double Qv = 0;            // m³/s
    double vv = 0;            // m/s
    double ratio = 0;         // Q / Qv
    bool overloaded = false;  // Q > Qv: no partial filling
    double ht = 0;            // m, exact circular section
    double hd = 0;            // ht / di
    double vt = 0;            // m/s, exact circular section
    // The form's fitted ht and vt for the design flow beside the exact ones.
    hydraulics::FittedFillingComparison fitted;
    // Froude number and wall shear stress at the exact filling (the flow state's critical depth is not
    // needed here); froude none without a free surface.
    std::optional<double> froude;
    hydraulics::SelfCleansingCheck selfCleansing{0, 0, false};
    // pressure flow
    double v = 0;  // m/s
    double Re = 0;
    double lambda = 0;
    double I = 0;  // m/m
    // The line's head loss, with a length or a Σζ given.
    std::optional<hydraulics::LineLoss> lineLoss;
    // Why the row fails: criteria crossed or the calculation limit met (the form's message text).
    std::vector<std::string> reasons;

    bool Passes() const { return hasValues && reasons.empty(); }
};

struct Table {
    FlowMode mode = FlowMode::Pressure;
    std::string className;
    Conditions conditions{0, 0, 0, 0, 0};
    Criteria criteria{0, 0, 0, 0, std::nullopt};
    double QLs = 0;      // design flow as typed [l/s]
    double JMkm = 0;     // slope as the form takes it [m/km]: the typed J within the form's entry limits
    double Q = 0;        // m³/s, as the form reads QLs
    double I = 0;        // m/m, as the form reads JMkm
    double L = 0;        // m, pressure line
    double sumZeta = 0;  // Σζ of its fittings
    std::vector<Row> rows;
    int recommended = -1;  // index into rows, -1: no DN meets every criterion
};

// Why a design cannot be tabled (no flow, criteria out of order), or nothing.
std::optional<std::string> CheckDesign(const Design& design);

// The table of the pipes of a class (rows of "Rohre.ini" in their order).
Table ComputeTable(const std::string& className, const std::vector<PipeRow>& pipes,
                   const Conditions& conditions, const Design& design);

// The table for the form's current class, fluid data and roughness; no class: no rows.
Table ComputeTableForForm(const CPlenwickView& view, const Design& design);

// What the form will show other than the row after taking it over and one "Berechnen": its fitted ht
// and vt where they leave the exact section of the table; nothing where they agree.
std::optional<std::string> FittedDifferenceNote(const Table& table, const Row& row);

// The window's prefill from the form: Q (in partial filling Qt where given) and, in partial filling, J.
Design DesignFromForm(const CPlenwickView& view);

// Takes a row into the form as the user would: filling mode, sought parameter, the DN picked in the DN
// list, "Clear", then the design values typed in, so that one "Berechnen" shows the row's values; the
// record takes the line's L and Σζ (none in gravity flow).
// False (and nothing done) when the form's class is not the table's or its DN list lacks the row.
bool TakeOverRow(CPlenwickView& view, const Table& table, const Row& row);

// --- the table as text ---
// Column headers and cell texts (the verdict last), numbers with the decimal separator given; a value
// that does not exist is empty.
std::vector<std::string> HeaderCells(FlowMode mode);
std::vector<std::string> RowCells(const Table& table, size_t row, char decimal = ',');
// The columns of the flow checks, just before the verdict: Fr and τ in gravity flow, hv in pressure flow.
size_t CheckColumnCount(FlowMode mode);
// The verdict of a row: "Empfehlung", "erfüllt" or its reasons.
std::string Verdict(const Table& table, size_t row);
// Design values and criteria in one line, decimal comma.
std::string DesignSummary(const Table& table);
// Every input the table depends on, decimal comma: class and date, fluid data and roughness, design
// values and criteria (DesignSummary), and in gravity flow where ht, h/d and vt come from.
std::vector<std::string> InputLines(const Table& table, const platform::LocalTime& when);
// Tab-separated with the input lines and a header row, as German spreadsheets paste it.
std::string CopyText(const Table& table, const platform::LocalTime& when);
// Semicolon-separated, decimal comma, UTF-8 with byte-order mark, CR LF line ends: the input lines, an
// empty line, the header row and the rows.
std::string CsvText(const Table& table, const platform::LocalTime& when);

}  // namespace sizing
