// The window's prompt on Windows: message boxes (MessageBoxW, caption "Quellrix"), the program's
// dialogs from the templates of its resource script, and the common file dialogs. Each is modal and
// returns exactly where the reaction waits for it.
#pragma once

#include "platform/Prompt.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

class Win32Prompt final : public Prompt {
  public:
    void Message(const std::string& text, MessageIcon icon) override;
    // The dialog resource of the template's id, its caption, texts and button captions from the
    // template; a choice button ends it with its code, the close box and Escape with the close code.
    // Without such a resource the dialog ends with its close code at once.
    int RunDialog(const DialogTemplate& dialog) override;
    // GetOpenFileNameW or GetSaveFileNameW with the dialog's filter and, on saving, its suffix.
    std::optional<std::string> ChooseFile(const FileDialog& dialog) override;

    // The window boxes belong to while no window of the program is active.
    void SetOwner(HWND owner) { m_owner = owner; }

  private:
    HWND Owner() const;

    HWND m_owner = nullptr;
};

}  // namespace platform::win32
