// The form as a Win32 child dialog: group boxes, labels and one real control per control of the
// template, laid out in the dialog units of the template's font (MapDialogRect).
//
// The controls only mirror the form's controls (through their peers) and hand the user's input to the
// ControlSet's user actions, so events reach the program in the same order as headless and in Qt:
// - the focus arriving at a field or list (click) is ControlSet::UserFocus, which runs the leave
//   processing of the field that had it; Tab and Shift+Tab follow the template's tab stops;
// - typing is EditControl::TextEditedByUser, one change per edit, synchronously;
// - clicks, picks and tab choices are UserClick, UserPick and UserSelectTab, which run the focused
//   field's leave processing first; a click does not move the focus on its own;
// - the focus moving to another window (a message box, a dialog, the menu) does not leave the field;
// - Enter in a field clicks the form's default button, in a list takes or refuses its typed text,
//   on a button clicks it; the arrow keys on a radio button choose its neighbour.
// While an action runs, the controls' own notifications are not reported; afterwards the window's
// focus follows the control that has the program's focus.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/Controls.h"
#include "platform/FormTemplate.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

class FormPeer;

class FormWindow {
  public:
    FormWindow(HWND parent, const FormTemplate& form, ControlSet& controls, ControlSink& sink);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Cuts the controls' windows off the form's controls (before those go away).
    void Detach();
    bool IsAttached() const { return m_attached; }

    HWND Window() const { return m_window; }
    // The size of the form in pixels.
    SIZE Size() const { return m_size; }
    // The window of control id, nullptr when there is none; the control a window (or a window inside
    // it) belongs to, 0 for none.
    HWND ControlWindow(int id) const;
    int IdOf(HWND window) const;

    ControlSet& Controls() const { return m_controls; }
    ControlSink& Sink() const { return m_sink; }
    // Pixels of a rectangle in dialog units, each edge mapped on its own.
    RECT Pixels(const DialogRect& rect) const;

    // Runs one user action on the controls, then the window's focus follows the program's.
    // Ignored while another action runs or after Detach.
    void Dispatch(const std::function<void()>& action);
    // Within an action: gives control id the focus unless it has it; false when it cannot take it.
    bool FocusOn(int id);
    // After the program moved its focus outside a user action (a menu command): the window's follows.
    void FollowProgramFocus();
    // True while the program writes into a control (its notifications are not the user's).
    bool Synchronising() const { return m_synchronising > 0; }
    class SynchronisingScope {
      public:
        explicit SynchronisingScope(FormWindow& form) : m_form(form) { ++m_form.m_synchronising; }
        ~SynchronisingScope() { --m_form.m_synchronising; }
        SynchronisingScope(const SynchronisingScope&) = delete;
        SynchronisingScope& operator=(const SynchronisingScope&) = delete;

      private:
        FormWindow& m_form;
    };

    // The keys the form handles itself, before IsDialogMessage: Tab, Shift+Tab, Enter, the arrow keys
    // on a radio button and Alt with a tab's key. True when the message was handled.
    bool PreTranslateMessage(const MSG& message);

  private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code);
    void OnFocusArrived(int id);
    INT_PTR ControlColour(HDC dc, HWND control);
    void DrawItem(const DRAWITEMSTRUCT& item);
    void DrawColouredButton(const DRAWITEMSTRUCT& item, Rgb colour);
    HBRUSH Brush(Rgb colour);

    void MeasureUnits(const FormTemplate& form);
    void AddGroupBoxes(const FormTemplate& form);
    void AddLabels(const FormTemplate& form);
    void AddControls(const FormTemplate& form);
    HWND MakeChild(const wchar_t* windowClass, const std::string& text, DWORD style, DWORD extendedStyle,
                   const DialogRect& rect, int id);
    void FollowFocus();
    int PreviousTabStop() const;
    FormPeer* PeerOf(int id) const;

    ControlSet& m_controls;
    ControlSink& m_sink;
    HWND m_window = nullptr;
    HFONT m_font = nullptr;
    SIZE m_size{};
    int m_baseX = 1;  // pixels of 4 horizontal dialog units, widened so every field shows its widest text
    int m_baseY = 1;  // pixels of 8 vertical dialog units
    double m_widening = 1.0;
    int m_defaultButton = 0;
    std::map<int, std::string> m_tabKeys;
    std::vector<std::unique_ptr<FormPeer>> m_peers;
    std::map<int, HWND> m_windows;
    std::map<int, bool> m_tabStops;
    std::map<COLORREF, HBRUSH> m_brushes;
    bool m_attached = true;
    bool m_dispatching = false;
    int m_synchronising = 0;
    int m_followDepth = 0;
};

}  // namespace platform::win32
