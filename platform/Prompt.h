// Message boxes and modal dialogs: the program's only way to ask or tell the user something.
// A backend installs its prompt once (a real window, or the headless recorder); reactions call
// ShowMessage and RunModalDialog from wherever they are, and continue when the box is closed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/DialogRect.h"

namespace platform {

// Caption of every message box and the name under which the program keeps its profile.
inline constexpr const char* kApplicationTitle = "Quellrix";

enum class MessageIcon { None, Exclamation };

struct DialogButton {
    int id;               // control id of the button
    std::string caption;  // button text
    int code;             // the code with which the dialog ends when the button is chosen
    DialogRect rect{};    // where the template places it; width 0: in the row at the bottom right
};

// A static text the template places itself.
struct DialogText {
    std::string text;
    DialogRect rect;
};

// A modal dialog of static text and choice buttons, in dialog units.
struct DialogTemplate {
    int id = 0;
    std::string caption;
    int width = 0;
    int height = 0;
    std::string fontFace;
    int fontPoints = 8;
    std::string text;                   // word-wrapped in the room the picture and buttons leave
    std::vector<DialogText> texts;      // placed static texts, in addition
    std::vector<DialogButton> buttons;  // left to right
    int closeCode = 2;                  // the code of the close box and the Escape key
};

// A file dialog: open an existing file, or name one to save to.
struct FileDialog {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    std::string caption;
    std::string suggested;  // the file (Save) or folder the dialog starts with; may be empty
    std::string filter;     // e.g. "Quellrix-Berechnungen (*.qrx)"
    std::string suffix;     // given to a chosen name that has none (Save), without the dot
};

class Prompt {
  public:
    virtual ~Prompt() = default;
    // A modal message box with the caption kApplicationTitle and an OK button.
    virtual void Message(const std::string& text, MessageIcon icon) = 0;
    // Runs the dialog modally and returns the code it ended with.
    virtual int RunDialog(const DialogTemplate& dialog) = 0;
    // Runs the file dialog modally: the chosen path, or nothing when it was cancelled.
    virtual std::optional<std::string> ChooseFile(const FileDialog& /*dialog*/) { return std::nullopt; }
};

// Installs the prompt that ShowMessage and RunModalDialog use (nullptr: none); returns the previous one.
Prompt* InstallPrompt(Prompt* prompt);

// Without an installed prompt, a message goes to standard error and a dialog ends with its close code.
void ShowMessage(const std::string& text, MessageIcon icon = MessageIcon::None);
int RunModalDialog(const DialogTemplate& dialog);
// Without an installed prompt, a file dialog is cancelled.
std::optional<std::string> ChooseFile(const FileDialog& dialog);

// The prompt that passes everything on to the installed one, as the three functions above do.
Prompt& InstalledPrompt();

// Installs a prompt for the lifetime of the scope (tests, the session runner, the window).
class ScopedPrompt {
  public:
    explicit ScopedPrompt(Prompt& prompt) : m_previous(InstallPrompt(&prompt)) {}
    ~ScopedPrompt() { InstallPrompt(m_previous); }
    ScopedPrompt(const ScopedPrompt&) = delete;
    ScopedPrompt& operator=(const ScopedPrompt&) = delete;

  private:
    Prompt* m_previous;
};

}  // namespace platform
