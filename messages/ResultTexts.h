// The texts of the results copied to the clipboard: one line per value, "label<TAB>value<TAB>unit".
#pragma once

namespace messages {

enum class ResultText {
    Sought,
    Filling,
    FullFilling,
    PartialFilling,
    PipeClass,
    Result,
    Calculated,
    NotCalculated,
    Temperature,
    Density,
    Gravity,
    Viscosity,
    OuterDiameter,
    WallThickness,
    Lining,
    InnerDiameter,
    Roughness,
    Slope,
    Velocity,
    Flow,
    Area,
    Reynolds,
    FrictionFactor,
    PartialFlow,
    FillingHeight,
    PartialVelocity,
    SurfaceWidth,
    Count
};

const char* Text(ResultText id);

}  // namespace messages
