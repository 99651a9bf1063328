// The texts of the sizing table: its verdicts and the reasons a row fails, the lines above the table, the
// refusals of a design and the source of the default criteria. Texts with a placeholder are printf formats
// (numbers with a decimal point, to be turned into commas by the caller).
#pragma once

namespace messages {

enum class SizingText {
    // the verdict of a row
    Recommended,
    Met,
    VerdictColumn,
    NoRowMet,
    // why a row fails
    NearCritical,  // Fr, the band's low and high end
    NotTurbulent,  // Re as text
    DiTooSmallForFlow,
    Overloaded,
    PartialNotFound,
    PipeDataIncomplete,
    // the fitted relations of the form against the exact section: tolerance in %, DN, fitted ht and vt,
    // exact ht and vt, all as text
    FittedDifference,
    // the lines above the table
    Title,            // class, day, month, year, hour, minute
    GravitySummary,   // class, Q, J, vmin, vmax, h/d max, τmin
    PressureSummary,  // class, Q, vmin, vmax
    LineSummary,      // L, Σζ
    HvMaxSummary,     // hv max
    ExactNote,
    CriteriaSource,
    // a design refused
    FlowMissing,
    SlopeInvalid,
    VelocitiesInvalid,
    FillingInvalid,
    TauMinInvalid,
    LineInvalid,
    HvMaxInvalid,
    Count
};

const char* Text(SizingText id);

}  // namespace messages
