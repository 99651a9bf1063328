#include "WindowDriver.h"

#include "platform/win32/PreviewWindow.h"
#include "platform/win32/Wide.h"

namespace wintest {

namespace {

ModalAnswerer* active = nullptr;
constexpr const wchar_t* kAnswered = L"QuellrixTestAnswered";

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM data) {
    auto& modal = *reinterpret_cast<Modal*>(data);
    const std::wstring kind = ClassOf(child);
    if (!IsWindowVisible(child))
        return TRUE;
    std::string& into = kind == L"Button" ? modal.buttons : modal.text;
    if (kind != L"Button" && kind != L"Static")
        return TRUE;
    const std::string text = TextOf(child);
    if (text.empty())
        return TRUE;
    if (!into.empty())
        into += kind == L"Button" ? "|" : "\n";
    into += text;
    return TRUE;
}

// Dialogs and message boxes, and the print preview.
BOOL CALLBACK FindModal(HWND window, LPARAM data) {
    const std::wstring kind = ClassOf(window);
    if (IsWindowVisible(window) && (kind == L"#32770" || kind == platform::win32::kPreviewWindowClass)) {
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

ModalAnswerer::ModalAnswerer() {
    active = this;
    m_timer = SetTimer(nullptr, 0, 30, Tick);
}

ModalAnswerer::~ModalAnswerer() {
    KillTimer(nullptr, m_timer);
    active = nullptr;
}

void CALLBACK ModalAnswerer::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (active)
        active->Poll();
}

void ModalAnswerer::Poll() {
    HWND window = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindModal, reinterpret_cast<LPARAM>(&window));
    // Marked on the window itself: a handle may be used again for a later window.
    if (!window || GetPropW(window, kAnswered))
        return;
    SetPropW(window, kAnswered, reinterpret_cast<HANDLE>(1));
    Modal modal;
    modal.window = window;
    modal.caption = TextOf(window);
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&modal));
    m_seen.push_back(modal);
    if (m_handlers.empty()) {
        Press(modal, IDCANCEL);
        return;
    }
    const auto handler = std::move(m_handlers.front());
    m_handlers.pop_front();
    handler(modal);
}

void Press(const Modal& modal, int buttonId) {
    PostMessageW(modal.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(modal.window, buttonId)));
}

void Pump(const std::function<bool(MSG&)>& preTranslate, int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    MSG message{};
    do {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (preTranslate && preTranslate(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    } while (GetTickCount64() < end);
}

std::string TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return platform::win32::Narrow(text);
}

void Type(HWND control, const std::string& text) {
    SetFocus(control);
    // A drop-down list is typed into through its text field.
    HWND edit = GetFocus();
    SendMessageW(edit, EM_SETSEL, 0, -1);
    if (text.empty())
        SendMessageW(edit, WM_CHAR, VK_BACK, 0);
    for (const wchar_t c : platform::win32::Widen(text)) SendMessageW(edit, WM_CHAR, c, 0);
}

void Click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
}

void Pick(HWND list, int index) {
    SetFocus(list);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

void PressKey(HWND focus, WPARAM key) {
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

}  // namespace wintest
