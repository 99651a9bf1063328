// The main window on Windows: menu, toolbar and status bar (common controls) around the calculation
// form.
//
// Its caption is the document title ("Quellrix V 1.0") while untitled, else the file's name and the
// program's, with "*" for unsaved changes. Commands go to the application object; toolbar, status bar,
// the project dialog, the recent-file list and the windows beside the form belong to the window. Menu
// and toolbar commands leave the form's focus where it is.
#pragma once

#include <memory>
#include <string>

#include "app/Commands.h"
#include "app/win32/RecentFiles.h"
#include "platform/win32/WindowsApi.h"

class FillingCurveWindow;
class SizingWindow;
class QuellrixApp;
class CPlenwickView;

namespace platform {
class Printable;
}

namespace platform::win32 {
class FormWindow;
class Win32PrinterService;
}  // namespace platform::win32

class MainFrame {
  public:
    // Creates the (hidden) window with its menu, toolbar and status bar.
    MainFrame();
    ~MainFrame();
    MainFrame(const MainFrame&) = delete;
    MainFrame& operator=(const MainFrame&) = delete;

    HWND Window() const { return m_window; }
    // The application whose commands the window runs and the printer its PDF commands use.
    void Attach(QuellrixApp& app, platform::win32::Win32PrinterService& printer);
    // Puts the form of the view into the window, which then takes exactly the room it needs.
    void ShowForm(CPlenwickView& view);
    platform::win32::FormWindow* Form() const { return m_form.get(); }
    // The form's windows go (before the application's controls do).
    void DestroyForm();

    // Accelerators, the form's own keys and the dialog keys; true when the message was handled.
    bool PreTranslateMessage(MSG& message);
    void RunCommand(Command command);
    void UpdateCaption();
    RecentFiles& Recent() { return m_recent; }
    // The window "Teilfüllungskurve", made on its first use; nullptr before.
    FillingCurveWindow* FillingCurves() const { return m_fillingCurves.get(); }
    // The window "Bemessungstabelle", made on its first use; nullptr before.
    SizingWindow* SizingTable() const { return m_sizingTable.get(); }
    // Opens a file of the recent-file list, after the unsaved-changes question.
    void OpenRecentFile(const std::string& file);

  private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateToolBar();
    void CreateStatusBar();
    void Layout();
    void FitToForm();
    void UpdateMenu(HMENU menu);
    void UpdateRecentFileMenu(HMENU menu);
    void UpdateIndicators();
    void ShowStatus(const std::string& text);
    void OnClose();
    void CopyResults();
    // The printable's pages as a PDF file through the system's PDF printer.
    void SavePdf(platform::Printable& printable);

    HWND m_window = nullptr;
    HWND m_toolBar = nullptr;
    HWND m_statusBar = nullptr;
    HACCEL m_accelerators = nullptr;
    QuellrixApp* m_app = nullptr;
    platform::win32::Win32PrinterService* m_printer = nullptr;
    std::unique_ptr<platform::win32::FormWindow> m_form;
    std::unique_ptr<FillingCurveWindow> m_fillingCurves;
    std::unique_ptr<SizingWindow> m_sizingTable;
    RecentFiles m_recent;
    std::wstring m_placeholder;  // the recent-file list's entry while it is empty
    bool m_closed = false;
};
