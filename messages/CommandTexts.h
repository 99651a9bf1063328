// The status-bar prompt and the tool tip of each command of the menu and toolbar, as one text:
// "prompt\ntool tip" (a command without a tool tip has no line break).
#pragma once

namespace messages {

enum class CommandText {
    New,
    Open,
    Save,
    SaveAs,
    PrintSetup,
    Print,
    PrintPreview,
    RecentFile1,
    Undo,
    Cut,
    Copy,
    Paste,
    About,
    Exit,
    ToggleToolbar,
    ToggleStatusBar,
    FillingCurves,
    SizingTable,
    CopyResults,
    SavePdf,
    ProjectHeader,
    PrintDesignSheet,
    PreviewDesignSheet,
    SaveDesignSheetPdf,
    Count
};

const char* Text(CommandText id);

}  // namespace messages
