#include "help/HelpLauncher.h"

#include "help/HelpPage.h"
#include "messages/MessageTexts.h"
#include "platform/Prompt.h"
#include "platform/TempFiles.h"

namespace help {

namespace {

// The name the system's temporary-file naming gives for the prefix "Veltrum-Help" and the number 1
// ("VEL1.TMP"), lowered, with ".html" for ".tmp". Written out: on Windows that naming needs an existing
// folder, and the page's folder is made only when the page is shown.
const std::string kHelpFileName = "vel1.html";
const std::string kProbeFileName = "tttaaaa.html";

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

namespace {

// The run's help folder, once made, and the folder it was made in.
struct HelpFolder {
    std::string base;
    std::string path;
};

HelpFolder& TheHelpFolder() {
    static HelpFolder folder;
    return folder;
}

void RemoveHelpFolder() {
    HelpFolder& folder = TheHelpFolder();
    if (folder.path.empty())
        return;
    platform::DeleteFile(folder.path + "/" + kHelpFileName);
    platform::DeleteFile(folder.path + "/" + kProbeFileName);
    platform::RemoveDirectory(folder.path);
    folder = HelpFolder();
}

// The help folder with a trailing slash, made at first use and again when the base folder changes.
std::string HelpFolderPath() {
    HelpFolder& folder = TheHelpFolder();
    const std::string base = platform::GetPrivateBasePath();
    if (!folder.path.empty() && folder.base != base)
        RemoveHelpFolder();
    if (folder.path.empty())
        folder = {base, platform::MakePrivateDirectory(base, "quellrix-hilfe-")};
    return folder.path.empty() ? std::string() : folder.path + "/";
}

}  // namespace

std::string BuildHelpFileName() {
    const std::string folder = HelpFolderPath();
    return folder.empty() ? std::string() : folder + kHelpFileName;
}

std::string BuildProbeFileName() {
    const std::string folder = HelpFolderPath();
    return folder.empty() ? std::string() : folder + kProbeFileName;
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
    RemoveHelpFolder();
}

}  // namespace help
