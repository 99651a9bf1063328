// The window "Teilfüllungskurve" on Windows: the filling curves of the form's calculation drawn through
// the drawing context (GDI), beside them the operating point's comparison and the note on the exact
// curves; "Tabelle kopieren" puts the curves' table on the clipboard. It follows the form whenever it
// is activated.
#pragma once

#include "form/FillingCurves.h"
#include "platform/win32/WindowsApi.h"

class CPlenwickDoc;

class FillingCurveWindow {
  public:
    FillingCurveWindow(const CPlenwickDoc& record, HWND owner);
    ~FillingCurveWindow();
    FillingCurveWindow(const FillingCurveWindow&) = delete;
    FillingCurveWindow& operator=(const FillingCurveWindow&) = delete;

    HWND Window() const { return m_window; }
    const FillingCurves& Curves() const { return m_curves; }
    // Computes the curves from the record again and paints them.
    void Refresh();
    void Show();

  private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    void Layout();

    const CPlenwickDoc& m_record;
    HWND m_window = nullptr;
    HWND m_copy = nullptr;
    HWND m_close = nullptr;
    FillingCurves m_curves;
};
