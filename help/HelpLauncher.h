// The help command, the link button and the removal of the help file, over the shell services.
// Every failure is told in a message box without icon; nothing here throws.
#pragma once

#include <string>

#include "platform/Shell.h"

namespace help {

// The maker's web address: opened by the link button and shown as its text.
inline constexpr const char* kMakerWebAddress = "https://www.veltrum-berlin.example/";

// The help file: the temporary file name for "Veltrum-Help" and the number 1, in lower case and with
// ".html" for ".tmp" ("vel1.html"), in the run's help folder: a folder only this user may enter
// (0700), made with a fresh name under XDG_RUNTIME_DIR, else the temporary directory, at the first call
// and kept until DeleteHelpFile. The same name on every call; "" when no such folder can be made.
std::string BuildHelpFileName();

// The file whose association tells the link button which program opens web pages, in the help folder.
std::string BuildProbeFileName();

// The help command: writes the help page into the help file and opens it in the default browser.
void ShowHelpPage(platform::Shell& shell);

// The link button: finds the default browser through the probe file and opens the maker's web address.
void OpenMakerWebAddress(platform::Shell& shell);

// At the form's end: removes the help file and the help folder, silently (they are often absent).
void DeleteHelpFile();

}  // namespace help
