// The texts of the design sheet: the names of its quantities and blocks, the task and the formulas, the
// checks and the notes, and the labels of the page. A text with "%s" is filled with Filled(id, {...});
// the page's date and page number are printf formats.
#pragma once

#include "messages/TextTable.h"

namespace messages {

enum class SheetText {
    // quantities, as the blocks and the checks name them
    Slope,
    Velocity,
    Flow,
    InnerDiameter,
    Roughness,
    OuterDiameter,
    WallThickness,
    Lining,
    Temperature,
    Density,
    Viscosity,
    Gravity,
    Area,
    Reynolds,
    FrictionFactor,
    FillingHeight,
    FillingRatio,
    SurfaceWidth,
    PipeClass,
    NominalDiameter,
    PartialVelocity,
    TurbulentFlow,
    CalculationLimit,
    // blocks
    PipeBlock,
    FluidBlock,
    FullFillingBlock,
    PartialFillingBlock,
    // the task: what is sought, and the filling
    Task,  // sought, filling
    SoughtJ,
    SoughtVQ,
    SoughtK,
    SoughtDi,
    SoughtNone,
    // how the sought value was computed, and the basis
    FormulaJ,
    FormulaVQ,
    FormulaK,
    FormulaDiLambdaVelocity,
    FormulaDiLambdaFlow,
    FormulaDiReynoldsVelocity,
    FormulaDiReynoldsFlow,
    FormulaDiFlowVelocity,
    FormulaDiMissing,
    BasisFriction,
    BasisFlowLaw,
    BasisViscosity,
    // notes of the blocks
    DiComputed,
    DiGiven,
    CatalogueDi,  // di computed or given, the catalogue's di
    RoughnessComputed,
    RoughnessApproach,  // the roughness choice
    RoughnessTyped,
    ResultsBold,
    NoResultInputs,
    PartialNote,     // h/d of full filling
    ExactCurves,     // the conditions of the curves
    OperatingPoint,  // where it comes from
    // checks
    ConvergedOneStep,  // steps
    ConvergedSteps,    // steps
    FlowDiameterInputs,
    NotEnoughForDi,
    InputsSufficient,  // the rule
    DiFromLambdaVelocity,
    DiFromLambdaFlow,
    DiFromReynoldsVelocity,
    DiFromReynoldsFlow,
    DiFromFlowVelocity,
    InputCheck,          // the names, g low, g high
    FlowState,           // regime, Fr
    WallShear,           // τ, relation, τmin
    LineLoss,            // hv, L, Σζ
    FillingHeightRange,  // the lowest ht
    NotMet,              // the check
    // the page
    SheetTitle,
    Subtitle,
    SubtitleBasis,
    Date,         // day, month, year (printf)
    CreatedWith,  // program, version (printf)
    PageOf,       // page, pages (printf)
    ResultHeading,
    NoResult,
    PartialResults,  // the partial results
    ChecksHeading,
    OperatingPointAt,  // h/d
    BasisHeading,
    Project,
    Section,
    Engineer,
    Remark,
    Prepared,
    Checked,
    DateSignature,
    Count
};

const char* Text(SheetText id);

}  // namespace messages
