#include "app/win32/DialogTexts.h"

#include "platform/win32/Wide.h"

void SetDialogTexts(HWND dialog, messages::WindowText caption,
                    std::initializer_list<std::pair<int, messages::WindowText>> controls) {
    SetWindowTextW(dialog, platform::win32::Widen(messages::Text(caption)).c_str());
    for (const auto& [id, text] : controls)
        SetDlgItemTextW(dialog, id, platform::win32::Widen(messages::Text(text)).c_str());
}
