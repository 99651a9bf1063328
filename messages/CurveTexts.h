// The texts of the filling curves, wherever they are shown: the curve window (Qt and Win32), its printed
// plot, the design sheet and the copied table. A text with "%s" is filled with Filled(id, {...}).
#pragma once

#include "messages/TextTable.h"

namespace messages {

enum class CurveText {
    Title,
    ChartTitle,
    FillingAxis,
    RatioAxis,
    FroudeAxis,
    FittedFlow,
    ExactFlow,
    FittedVelocity,
    ExactVelocity,
    FittedPoint,
    ExactPoint,
    FroudeCurve,
    CriticalFilling,
    // the operating point's table
    FittedColumn,
    ExactColumn,
    DeviationColumn,
    OperatingPointHeading,  // ht/di
    NoOperatingPoint,
    OperatingPointSources,
    // notes on the exact curve
    Peaks,         // Qt/Q, its h/d, vt/v, its h/d
    ExactMissing,  // the values missing
    NoVelocity,
    NeverCritical,
    CriticalAt,  // the fillings
    TableHeader,
    Count
};

const char* Text(CurveText id);

}  // namespace messages
