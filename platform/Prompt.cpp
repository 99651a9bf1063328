#include "platform/Prompt.h"

#include <cstdio>

namespace platform {

namespace {
Prompt* installed = nullptr;
}

Prompt* InstallPrompt(Prompt* prompt) {
    Prompt* previous = installed;
    installed = prompt;
    return previous;
}

void ShowMessage(const std::string& text, MessageIcon icon) {
    if (installed) {
        installed->Message(text, icon);
    } else {
        std::fprintf(stderr, "%s: %s\n", kApplicationTitle, text.c_str());
    }
}

int RunModalDialog(const DialogTemplate& dialog) {
    return installed ? installed->RunDialog(dialog) : dialog.closeCode;
}

std::optional<std::string> ChooseFile(const FileDialog& dialog) {
    return installed ? installed->ChooseFile(dialog) : std::nullopt;
}

Prompt& InstalledPrompt() {
    class Forwarding : public Prompt {
      public:
        void Message(const std::string& text, MessageIcon icon) override { ShowMessage(text, icon); }
        int RunDialog(const DialogTemplate& dialog) override { return RunModalDialog(dialog); }
        std::optional<std::string> ChooseFile(const FileDialog& dialog) override {
            return platform::ChooseFile(dialog);
        }
    };
    static Forwarding forwarding;
    return forwarding;
}

}  // namespace platform
