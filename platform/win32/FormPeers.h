// The window side of one control of the form: mirrors the control's state into its Win32 control.
#pragma once

#include <memory>

#include "platform/Controls.h"
#include "platform/FormTemplate.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

class FormWindow;

class FormPeer : public ControlPeer {
  public:
    FormPeer(FormWindow& form, Control& control, HWND window)
        : m_form(form), m_control(control), m_window(window) {}

    Control& Subject() const { return m_control; }
    HWND Window() const { return m_window; }
    void Repaint() override { InvalidateRect(m_window, nullptr, TRUE); }

  protected:
    FormWindow& m_form;
    Control& m_control;
    HWND m_window;
};

// The peer of a control whose window the form has made from the template.
std::unique_ptr<FormPeer> MakeFormPeer(FormWindow& form, const ControlTemplate& layout, Control& control,
                                       HWND window);

// The window class and styles of the control of a template.
struct ControlWindowKind {
    const wchar_t* windowClass;
    DWORD style;
    DWORD extendedStyle;
};
ControlWindowKind WindowKindOf(const ControlTemplate& layout);

// A caption with its key for Alt marked before the character at that position (-1: none), any
// ampersand of the caption itself doubled.
std::wstring MnemonicCaption(const std::string& caption, int mnemonic);

}  // namespace platform::win32
