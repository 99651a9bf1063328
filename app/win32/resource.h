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

#define IDD_PROJECT_HEADER 110
#define IDC_PROJECT 1201
#define IDC_SECTION 1202
#define IDC_ENGINEER 1203
#define IDC_REMARK 1204

#define IDD_SIZING_TABLE 111
#define IDC_SIZING_Q 1301
#define IDC_SIZING_J 1302
#define IDC_SIZING_VMIN 1303
#define IDC_SIZING_VMAX 1304
#define IDC_SIZING_HDMAX 1305
#define IDC_SIZING_SUMMARY 1306
#define IDC_SIZING_GRID 1307
#define IDC_SIZING_SOURCE 1308
#define IDC_SIZING_TAKE_OVER 1309
#define IDC_SIZING_COPY 1310
#define IDC_SIZING_CSV 1311
#define IDC_SIZING_PRINT 1312
#define IDC_SIZING_PREVIEW 1313
