// The commands of the main window's menu and toolbar.
#pragma once

#include <optional>
#include <string_view>

enum class Command : int {
    New = 57600,
    Open = 57601,
    Save = 57603,
    SaveAs = 57604,
    PrintSetup = 57606,
    Print = 57607,
    PrintPreview = 57609,
    RecentFile1 = 57616,
    Cut = 57635,
    Copy = 57634,
    Paste = 57637,
    Undo = 57643,
    About = 57664,
    Exit = 57665,
    ToggleToolbar = 59392,
    ToggleStatusBar = 59393,
    Help = 32771,
    FillingCurves = 32772,
    SizingTable = 32773,
    CopyResults = 32774,
    SavePdf = 32775,
    // calculation files
    ProjectHeader = 32776,
    // The design sheet ("Bemessungsblatt"): print, preview, save as PDF.
    PrintDesignSheet = 32777,
    PreviewDesignSheet = 32778,
    SaveDesignSheetPdf = 32779,
};
