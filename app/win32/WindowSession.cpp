#include "app/win32/WindowSession.h"

WindowSession::WindowSession() {
    prompt_.SetOwner(frame_.Window());
    frame_.Attach(app_, printer_);
}

WindowSession::~WindowSession() {
    frame_.DestroyForm();  // before the application's controls go
}

bool WindowSession::Start(const std::string& fileToOpen) {
    if (!app_.Start(fileToOpen))
        return false;  // an opened file entered the recent-file list
    frame_.ShowForm(app_.View());
    ShowWindow(frame_.Window(), SW_SHOWNORMAL);
    UpdateWindow(frame_.Window());
    return true;
}

int WindowSession::Run() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (frame_.PreTranslateMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
