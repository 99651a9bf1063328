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

    HWND Window() const { return window_; }
    // Takes the form's design values into the fields and computes the table; shows the window.
    void Prefill();
    // selectRecommendation: the selection goes, so that the recommendation is what is taken.
    void Recompute(bool selectRecommendation = false);
    // Takes the selected row (none selected: the recommended one) into the form.
    bool TakeSelectedRow();
    const std::optional<sizing::Table>& Table() const { return table_; }

  private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    sizing::Design TypedDesign() const;
    void Fill(bool selectRecommendation);
    LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
    void SaveCsv();
    void PrintTable(bool preview);

    QuellrixApp& app_;
    platform::PrinterService& printer_;
    HWND owner_;
    HWND window_ = nullptr;
    HWND grid_ = nullptr;
    HFONT bold_ = nullptr;
    std::optional<sizing::Table> table_;
    bool filling_ = false;  // the program writes the fields
};
