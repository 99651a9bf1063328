#include "help/HelpLauncher.h"

#include <cctype>

#include "help/HelpPage.h"
#include "messages/MessageTexts.h"
#include "platform/Prompt.h"
#include "platform/TempFiles.h"

namespace help {

namespace {

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Opens target with the program that the lookup found, or tells why not.
void StartBrowser(platform::Shell& shell, int lookupCode, const std::string& program,
                  const std::string& target) {
    if (!platform::ShellSucceeded(lookupCode)) {
        platform::ShowMessage(messages::BrowserLookupFailureMessage(lookupCode));
        return;
    }
    const int startCode = shell.ShellExecute(program, target);
    if (!platform::ShellSucceeded(startCode))
        platform::ShowMessage(messages::BrowserStartFailureMessage(startCode));
}

}  // namespace

std::string BuildHelpFileName() {
    const std::string folder = platform::GetTempPath();
    std::string name = platform::GetTempFileName(folder, "Veltrum-Help", 1);
    // Only the generated name is lowered: the folder's own letter case matters on this file system.
    for (size_t i = folder.size(); i < name.size(); ++i)
        name[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
    ReplaceAll(name, ".tmp", ".html");
    return name;
}

std::string BuildProbeFileName() {
    return platform::GetTempPath() + "tttaaaa.html";
}

void ShowHelpPage(platform::Shell& shell) {
    const std::string helpFile = BuildHelpFileName();
    const bool written = platform::WriteFileSafely(helpFile, HelpPageText());
    std::string program;
    int lookupCode = shell.FindExecutable(helpFile, program);
    // A file that could not be written is not ours (a planted link, another user's file): never show it.
    if (!written && platform::ShellSucceeded(lookupCode))
        lookupCode = platform::kShellFileNotFound;
    StartBrowser(shell, lookupCode, program, helpFile);
}

void OpenMakerWebAddress(platform::Shell& shell) {
    const std::string probeFile = BuildProbeFileName();
    platform::WriteFileSafely(probeFile, "<HTML></HTML>");
    std::string program;
    const int lookupCode = shell.FindExecutable(probeFile, program);
    platform::DeleteFile(probeFile);
    StartBrowser(shell, lookupCode, program, kMakerWebAddress);
}

void DeleteHelpFile() {
    platform::DeleteFile(BuildHelpFileName());
}

}  // namespace help
