// Drives quellrix.exe's window in-process as a user would, through the controls' own messages, and
// answers modal windows (message boxes, dialogs) as they open from a thread timer, which runs inside
// their modal loops.
#pragma once

#include "platform/win32/WindowsApi.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace wintest {

// What a modal window showed: its caption, its static texts and its buttons' captions.
struct Modal {
    HWND window = nullptr;
    std::string caption;
    std::string text;     // the static texts, joined by "\n"
    std::string buttons;  // the button captions, joined by "|"
};

class ModalAnswerer {
  public:
    ModalAnswerer();
    ~ModalAnswerer();
    ModalAnswerer(const ModalAnswerer&) = delete;
    ModalAnswerer& operator=(const ModalAnswerer&) = delete;

    // The next modal window goes to the handler; without one it is cancelled (Escape).
    void Then(std::function<void(const Modal&)> handler) { m_handlers.push_back(std::move(handler)); }
    const std::vector<Modal>& Seen() const { return m_seen; }
    int PendingHandlers() const { return static_cast<int>(m_handlers.size()); }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Poll();

    UINT_PTR m_timer = 0;
    std::deque<std::function<void(const Modal&)>> m_handlers;
    std::vector<Modal> m_seen;
};

// Ends a modal window as its button id would (message box: IDOK, IDYES, ...).
void Press(const Modal& modal, int buttonId);

// Runs the thread's messages through the frame's keyboard handling for the time given.
void Pump(const std::function<bool(MSG&)>& preTranslate, int milliseconds);

// The user's actions on a control of the form.
std::string TextOf(HWND window);
void Type(HWND control, const std::string& text);  // click into it, select all, type character by character
void Click(HWND button);
void Pick(HWND list, int index);        // choose an entry of a drop-down list
void PressKey(HWND focus, WPARAM key);  // a key going to the focused control

}  // namespace wintest
