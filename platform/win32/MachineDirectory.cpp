#include "platform/MachineDirectory.h"

#include "platform/win32/WindowsApi.h"

#include <shlobj.h>  // after windows.h

#include "platform/win32/Wide.h"

namespace platform {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// %ProgramData%\Quellrix, made when it is missing: the folder ProgramData lets every user make one.
// Asked for and made once a process.
const std::string& DefaultMachineDirectory() {
    static const std::string folder = [] {
        PWSTR programData = nullptr;
        std::string path;
        if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_ProgramData, KF_FLAG_DEFAULT, nullptr, &programData)))
            path = win32::Narrow(programData);
        ::CoTaskMemFree(programData);
        if (path.empty())
            path = win32::EnvironmentVariable(L"ProgramData").value_or("C:\\ProgramData");
        path += "\\Quellrix";
        ::CreateDirectoryW(win32::Widen(path).c_str(), nullptr);
        return path;
    }();
    return folder;
}

}  // namespace

// WINDIR names the Windows directory on every Windows machine, so only QUELLRIX_WINDIR overrides.
std::string MachineDirectory() {
    if (std::optional<std::string> windir = win32::EnvironmentVariable(L"QUELLRIX_WINDIR"))
        return *windir;
    return DefaultMachineDirectory();
}

void OverrideMachineDirectory(const std::string& directory) {
    ::SetEnvironmentVariableW(L"QUELLRIX_WINDIR", win32::Widen(directory).c_str());
}

std::string ResolveMachinePath(std::string_view fileName) {
    if (fileName.find_first_of("\\/:") != std::string_view::npos)
        return std::string(fileName);
    std::string path = MachineDirectory();
    if (!path.empty() && !IsSeparator(path.back()))
        path += '\\';
    path += fileName;
    return path;
}

std::string DirectoryOf(std::string_view path) {
    const size_t separator = path.find_last_of("\\/");
    if (separator == std::string_view::npos)
        return ".";
    const bool root = separator == 0 || (separator == 2 && path[1] == ':');
    return std::string(path.substr(0, root ? separator + 1 : separator));
}

std::string FileNameOf(std::string_view path) {
    const size_t separator = path.find_last_of("\\/:");
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

}  // namespace platform
