// Every text the program shows in a message box or an adjustment dialog, in one table, and the
// translation of the engine's results (a failed input check, a crossed entry or result limit, an
// iteration that reached its step limit) into those texts. Nothing below this folder holds a message
// text; everything above that tells the user something takes its text from here.
#pragma once

#include <string>

#include "hydraulics/Calculations.h"
#include "hydraulics/DiameterFromFlow.h"
#include "hydraulics/EntryLimits.h"
#include "hydraulics/FittedFillingCheck.h"
#include "hydraulics/FlowState.h"
#include "hydraulics/GravityFlowChecks.h"
#include "hydraulics/LineLoss.h"
#include "hydraulics/WallShearStress.h"

namespace messages {

// The entries of the table; texts with a placeholder are printf formats.
enum class MessageId {
    // checks of the calculation's inputs
    InvalidV,
    InvalidDi,
    InvalidI,
    InvalidG,
    InvalidK,
    InvalidRe,
    // results outside the calculation limits
    SlopeOutOfLimits,
    VelocityOutOfLimits,
    RoughnessOutOfLimits,
    DiameterOutOfLimits,
    LambdaNotConverging,
    DiameterNotEnoughValues,
    // entries beyond their limits
    VTooSmall,
    VBeyondDefinition,
    VtTooSmall,
    VtBeyondDefinition,
    ReTooSmall,
    ReTooLarge,
    ITooSmall,
    ITooLarge,
    DiTooSmall,
    DiTooLarge,
    KTooSmall,
    KTooLarge,
    HtTooSmall,
    HtAboveDi,
    // a number entry with digit grouping, refused (the entry)
    EntryWithDigitGrouping,
    // adjustment dialogs
    AdjustReynolds,
    AdjustArea,
    ZeroFlowOrVelocity,
    // pipe selection
    NoMatchingDn,
    // printer and report page
    NoDefaultPrinter,
    PrinterUnreadable,
    FontNotCreated,
    PenNotCreated,
    // browser
    BrowserOutOfMemory,
    BrowserInternal1,
    BrowserPathNotFound,
    BrowserBadProgram,
    BrowserNoAssociation,
    BrowserInternal2,
    BrowserNotFound,
    BrowserInternal3,
    // files named on the command line or in the recent-file list
    FileCannotBeOpened,
    FileNotFound,
    FileNotWritten,
    FileNotSaved,
    FileReadOnly,
    FileNotRegular,
    FileForeignLink,
    // sizing table
    SizingRowNotTaken,
    // calculation files: the unsaved-changes question and why a file cannot be opened (path, detail)
    SaveChanges,
    CalculationNotJson,
    CalculationForeign,
    CalculationNewer,
    CalculationWrongEntry,
    CalculationOutOfRange,
    CalculationTooLarge,
    // What follows a refused calculation file: on opening, and for a file named at start.
    CalculationUnchanged,
    CalculationStartsEmpty,
    // a calculation with a text longer than a file holds (path)
    CalculationNotSavable,
    // flow state of partial filling
    FlowSubcritical,
    FlowNearCritical,
    FlowSupercritical,
    FlowState,
    FlowStateUnstable,
    // the form's fitted partial filling against the exact circular section
    FittedFillingDiffers,
    FittedFillingBeyondSection,
    // self-cleansing by the wall shear stress
    SelfCleansingMet,
    SelfCleansingNotMet,
    // head loss of a pressure line and its fittings
    LineLoss,
    InvalidLength,
    InvalidLossSum,
    FittingInletSharp,
    FittingInletRounded,
    FittingOutlet,
    FittingBend90Radius2d,
    FittingBend90Radius4d,
    FittingBend90Radius6d,
    FittingGateValve,
    FittingButterflyValve,
    FittingSwingCheckValve,
    // di from Q, J and k: the values that are missing
    FlowDiameterMissing,
    // saving as PDF on Windows, where that is printing to the system's PDF printer
    PdfPrinterMissing,
    // the checks of a partly filled result in one line, for the window's status bar
    PartialFillingNotice,
    // a value that cannot be computed, in place of its number
    NotComputable,
    // "Rohre.ini" cannot be used (path, reason), and the reasons
    SettingsUnreadable,
    SettingsUncreatable,
    SettingsIncomplete,
    ReasonNoPermission,
    ReasonReadOnlyFileSystem,
    ReasonNoDirectory,   // the directory
    ReasonNotDirectory,  // the directory
    ReasonDiskFull,
    ReasonFileTooLarge,
    ReasonInputOutput,
    ReasonSystemError,  // errno, printf
    ReasonSymbolicLink,
    ReasonNotRegular,
    ReasonLargerThan,  // MB, printf
    ReasonNulByte,
    ReasonUtf16,
    Count
};

const char* Text(MessageId id);

// "Der Wert für … ist mit <…> ungültig", with the stored SI value.
std::string InputCheckMessage(const hydraulics::FailedCheck& failed);
// "… liegt außerhalb der Berechnungsgrenzen", k and di in mm.
std::string LimitBreachMessage(const hydraulics::LimitBreach& breach);
// The iteration reached its step limit; di is shown in whole millimetres.
std::string NonConvergenceMessage(int Re, double k, double di, int steps);
// The message of the limit an entry crossed (side Low or High).
const char* EntryLimitMessage(hydraulics::EntryQuantity quantity, hydraulics::EntrySide side);
// The failures of the browser lookup and of the browser start (result codes below 32).
std::string BrowserLookupFailureMessage(int code);
std::string BrowserStartFailureMessage(int code);
// A message whose one placeholder is a name (font face, pen, file path).
std::string NamedMessage(MessageId id, const std::string& name);
// A message with two placeholders: a name and a detail (the entry of a file, a version).
std::string NamedMessage(MessageId id, const std::string& name, const std::string& detail);

// x in a printf format ("%.2f") with a decimal comma; "nicht berechenbar" when x is not finite, exponent
// form when the text would be too long or show a nonzero x as zero.
std::string Decimal(const char* format, double x);

// "strömend", "nahe kritisch" or "schießend".
const char* FlowRegimeName(hydraulics::FlowRegime regime);
// The flow state in one line: regime, Froude number and critical depth (mm); in the near-critical band
// also the band and that the water surface is unstable. Decimal commas.
std::string FlowStateMessage(const hydraulics::FlowState& state,
                             const hydraulics::NearCriticalBand& band = hydraulics::kNearCriticalBand);
// The form's fitted partial-filling values leave the exact circular section (comparison.Differs()): by
// how much they may differ, and the exact ht, Qt and vt, or that the section cannot carry the value.
// Decimal commas.
std::string FittedFillingMessage(const hydraulics::FittedFillingComparison& comparison);
// τ against τmin and the verdict, decimal commas.
std::string SelfCleansingMessage(const hydraulics::SelfCleansingCheck& check);
// hv = J · L + Σζ · v²/(2g) with its two parts, in m, decimal commas.
std::string LineLossMessage(const hydraulics::LineLoss& loss);
// "Der Wert für L ist mit <…> ungültig" and the same for Σζ.
std::string LineInputMessage(const hydraulics::FailedLineInput& failed);
// The name of a fitting of the loss-coefficient table.
const char* FittingName(hydraulics::Fitting fitting);
// Flow state and wall shear stress of a partly filled result in one short line:
// "Teilfüllung strömend (Fr = 0,62), τ = 1,20 N/m² ≥ τmin = 0,87 N/m²"; the checks hold a flow state.
std::string PartialFillingNotice(const hydraulics::GravityFlowChecks& checks);
// "Di kann nicht errechnet werden. …" and, on a second line, the values di from Q, J and k lacks, as
// the form names them (Q, J, k, ν, g).
std::string FlowDiameterMissingMessage(const hydraulics::MissingFlowDiameterInputs& missing);

}  // namespace messages
