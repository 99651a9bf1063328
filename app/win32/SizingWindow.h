// The window "Bemessungstabelle" on Windows, a modeless dialog from the resource script: design values
// and criteria typed in, the sizing table of the form's current class in a list view with the
// recommendation highlighted, and the table taken into the form, copied, saved as CSV, printed or
// previewed. It computes the table again whenever it is activated.
#pragma once

#include <optional>

#include "platform/Printing.h"
#include "platform/win32/WindowsApi.h"
// (needs windows.h first)
#include <commctrl.h>

#include "sizing/SizingTable.h"

class QuellrixApp;

class SizingWindow {
  public:
    SizingWindow(QuellrixApp& app, platform::PrinterService& printer, HWND owner);
    ~SizingWindow();
    SizingWindow(const SizingWindow&) = delete;
    SizingWindow& operator=(const SizingWindow&) = delete;

    HWND Window() const { return m_window; }
    // Takes the form's design values into the fields and computes the table; shows the window.
    void Prefill();
    // selectRecommendation: the selection goes, so that the recommendation is what is taken.
    void Recompute(bool selectRecommendation = false);
    // Takes the selected row (none selected: the recommended one) into the form.
    bool TakeSelectedRow();
    const std::optional<sizing::Table>& Table() const { return m_table; }

  private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    sizing::Design TypedDesign() const;
    void Fill(bool selectRecommendation);
    LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
    void SaveCsv();
    void PrintTable(bool preview);

    QuellrixApp& m_app;
    platform::PrinterService& m_printer;
    HWND m_owner;
    HWND m_window = nullptr;
    HWND m_grid = nullptr;
    HFONT m_bold = nullptr;
    std::optional<sizing::Table> m_table;
    bool m_filling = false;  // the program writes the fields
};
