/* Resource ids of quellrix.exe: the frame's menu, accelerators and icon, and the commands, whose
   numbers are the program's command numbers (MainFrame.cpp checks them). Plain definitions, shared by
   the resource script and the code. */
#pragma once

#define IDR_MAINFRAME 128

#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_PRINT_SETUP 57606
#define ID_FILE_PRINT 57607
#define ID_FILE_PRINT_PREVIEW 57609
#define ID_FILE_MRU_FILE1 57616
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_VIEW_TOOLBAR 59392
#define ID_VIEW_STATUS_BAR 59393
#define ID_HELP_PAGE 32771
#define ID_FILLING_CURVES 32772
#define ID_SIZING_TABLE 32773
#define ID_COPY_RESULTS 32774
#define ID_SAVE_PDF 32775
#define ID_PROJECT_HEADER 32776
#define ID_PRINT_DESIGN_SHEET 32777
#define ID_PREVIEW_DESIGN_SHEET 32778
#define ID_SAVE_DESIGN_SHEET_PDF 32779
