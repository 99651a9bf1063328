#include "app/win32/WindowSession.h"

WindowSession::WindowSession(platform::Shell* shell) : m_app({m_printer, shell ? *shell : m_shell, m_clock}) {
    m_prompt.SetOwner(m_frame.Window());
    m_frame.Attach(m_app, m_printer);
}

WindowSession::~WindowSession() {
    m_frame.DestroyForm();  // before the application's controls go
}

bool WindowSession::Start(const std::string& fileToOpen) {
    if (!m_app.Start(fileToOpen))
        return false;  // an opened file entered the recent-file list
    m_frame.ShowForm(m_app.View());
    ShowWindow(m_frame.Window(), SW_SHOWNORMAL);
    UpdateWindow(m_frame.Window());
    return true;
}

int WindowSession::Run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (m_frame.PreTranslateMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
