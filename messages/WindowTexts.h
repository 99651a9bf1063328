// The texts of the windows beside the form, Qt and Win32 alike: titles, buttons, labels, the file dialogs'
// captions, suggested names and filters, and the sizing window's status line. The form's own controls,
// its dialogs and the menus keep theirs in their layout; the Win32 sizing and project dialogs take theirs
// from here when they start.
#pragma once

#include "messages/TextTable.h"

namespace messages {

enum class WindowText {
    // the main window's status bar at rest
    Ready,
    // buttons
    Save,
    CopyTable,
    Copy,
    SaveCsv,
    Print,
    Preview,
    TakeOver,
    Close,
    Cancel,
    // the sizing window
    SizingTitle,
    Recommendation,  // the DN
    FlowLabel,
    SlopeLabel,
    LengthLabel,
    LossSumLabel,
    VMinLabel,
    VMaxLabel,
    HdMaxLabel,
    TauMinLabel,
    HvMaxLabel,
    // the project dialog
    ProjectTitle,
    ProjectLabel,
    SectionLabel,
    EngineerLabel,
    RemarkLabel,
    // file dialogs
    OpenCaption,
    SaveAsCaption,
    CalculationFilter,
    UntitledCalculation,
    SaveCurveCaption,
    CurveFileName,
    PngFilter,
    SvgFilter,
    PdfFilter,
    SaveReportPdfCaption,
    ReportPdfFileName,
    SaveSheetPdfCaption,
    SheetPdfFileName,
    PdfFilesFilter,
    SaveTableCaption,
    TableFileName,
    CsvFilter,
    Count
};

const char* Text(WindowText id);

}  // namespace messages
