// The design sheet ("Bemessungsblatt"): one page for the client with the project, the pipe, the
// roughness, the fluid, every value of the calculation with its unit, the limits and criteria checked
// and, for partial filling, the filling curves with the operating point.
//
// The content is plain text and numbers, already formatted (decimal comma) by whoever builds it; the
// page only lays it out. It is composed on an A4-portrait rectangle fitted into the job's page, so
// that it keeps its proportions and stays on the paper of any job.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/DrawingContext.h"
#include "platform/Printing.h"
#include "record/ProjectHeader.h"

// One line of a block: quantity, value and unit; a result is printed in bold.
struct SheetValue {
    std::string quantity;  // e.g. "Innendurchmesser di"
    std::string value;     // e.g. "101,00"
    std::string unit;      // e.g. "mm"; empty for a ratio or a text
    bool result = false;
};

struct SheetBlock {
    std::string title;
    std::vector<SheetValue> values;
    std::vector<std::string> lines;  // plain text below the values, wrapped to the column
    std::string note;                // in small print below them; empty: none
};

// A limit or criterion, and whether the calculation keeps it.
struct SheetCheck {
    std::string text;
    bool met = true;
};

// Ratios to the pipe running full at a filling h/d.
struct SheetCurvePoint {
    double filling;
    double flow;      // Qt/Q
    double velocity;  // vt/v
};

struct SheetCurves {
    std::vector<SheetCurvePoint> fitted;  // the program's relations, h/d from 0 to 1
    std::vector<SheetCurvePoint> exact;   // of the circular section; empty when not defined
    // The fitted ratios at the record's ht/di (drawn only within 0 … 1).
    std::optional<SheetCurvePoint> operatingPoint;
    std::vector<std::string> notes;  // below the legend: the pipe the curves are for, their peaks
};

struct DesignSheetContent {
    ProjectHeader project;
    std::string task;                         // e.g. "Gesucht: Gefälle J · Vollfüllung"
    std::vector<std::string> results;         // the sought values, e.g. "Gefälle J = 11,46 m/km"
    std::vector<std::string> partialResults;  // the partial-filling values beside them
    SheetBlock pipe;                          // pipe and inner diameter
    SheetBlock fluid;                         // fluid data
    SheetBlock roughness;                     // wall roughness and its choice
    SheetBlock fullFilling;                   // J, v, Q, A, Re, λ
    std::optional<SheetBlock> partialFilling;
    std::vector<SheetCheck> checks;
    std::optional<SheetCurves> curves;  // partial filling only
    std::vector<std::string> basis;     // the formulas the calculation used, one a line
};

// Composes the sheet on a page of pageWidth × pageHeight device units of dc, dated now; info gives
// the page number and the page count of the footer. At its foot the sheet leaves fields to sign for
// who drew it up and who checked it.
void ComposeDesignSheet(platform::DrawingContext& dc, int pageWidth, int pageHeight,
                        const DesignSheetContent& content, const platform::LocalTime& now,
                        const platform::PrintInfo& info);
