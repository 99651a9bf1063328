// Control ids of the calculation form and of the adjustment dialogs.
#pragma once

enum ControlId : int {
    IDC_FULL_FILLING = 1001,     // radio "Vollfüllung"
    IDC_PARTIAL_FILLING = 1002,  // radio "Teilfüllung"
    IDC_G = 1003,                // gravitational acceleration [m/s²]
    IDC_DA = 1004,               // outer diameter [mm]
    IDC_T = 1005,                // fluid temperature [°C]
    IDC_NY = 1006,               // kinematic viscosity [1e-6 m²/s]
    IDC_BERECHNEN = 1007,        // button "Berechnen"
    IDC_DN = 1008,               // list of nominal widths
    IDC_CLASS = 1009,            // list of wall-thickness classes
    IDC_S = 1010,                // wall thickness [mm]
    IDC_DI = 1011,               // inner diameter [mm]
    IDC_ZMA = 1012,              // lining thickness [mm]
    IDC_RHO = 1013,              // fluid density [kg/m³]
    IDC_K = 1014,                // wall roughness [mm]
    IDC_J = 1015,                // slope J [m/km]
    IDC_Q_M3H = 1016,            // full-filling flow [m³/h]
    IDC_V = 1023,                // full-filling velocity [m/s]
    IDC_A = 1024,                // cross-section area [m²]
    IDC_Q_LS = 1025,             // full-filling flow [l/s]
    IDC_HT = 1026,               // filling height [mm]
    IDC_VT = 1027,               // partial-filling velocity [m/s]
    IDC_SOUGHT = 1030,           // tabs of the sought parameter
    IDC_QT_LS = 1036,            // partial-filling flow [l/s]
    IDC_RE = 1037,               // Reynolds number
    IDC_QT_M3H = 1038,           // partial-filling flow [m³/h]
    IDC_LAMBDA = 1039,           // friction factor
    IDC_SURFACE_WIDTH = 1040,    // water-surface width [mm], never editable
    IDC_ROUGHNESS = 1053,        // list of roughness choices
    IDC_CLEAR = 1054,            // button "Clear"
    IDC_WEBLINK = 1055,          // owner-drawn link button

    // Buttons of the adjustment dialogs.
    IDC_ADJUST_DI = 1042,
    IDC_ADJUST_NY = 1043,
    IDC_ADJUST_V = 1044,
    IDC_ADJUST_Q = 1050,

// Buttons of the unsaved-changes question: the values of the Windows message-box answers, which
// windows.h defines as macros of these names when it comes first.
#ifndef IDYES
    IDYES = 6,
    IDNO = 7,
    IDCANCEL = 2,
#endif
};

// Dialog templates.
enum DialogId : int {
    IDD_ABOUTBOX = 100,
    IDD_CALCULATION_FORM = 101,
    IDD_ADJUST_RE = 104,
    IDD_ADJUST_AREA = 105,
    IDD_ZERO_QV = 106,
    IDD_SAVE_CHANGES = 107,
};
