#include "platform/MachineDirectory.h"

#include <cstdlib>

namespace platform {

std::string MachineDirectory() {
    const char* windir = std::getenv("WINDIR");
    if (windir && *windir)
        return windir;
    return QUELLRIX_MACHINE_DIR;
}

void OverrideMachineDirectory(const std::string& directory) {
    ::setenv("WINDIR", directory.c_str(), 1);
}

std::string ResolveMachinePath(std::string_view fileName) {
    if (fileName.find('/') != std::string_view::npos)
        return std::string(fileName);
    std::string path = MachineDirectory();
    if (path.back() != '/')
        path += '/';
    path += fileName;
    return path;
}

std::string DirectoryOf(std::string_view path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return ".";
    return slash == 0 ? "/" : std::string(path.substr(0, slash));
}

std::string FileNameOf(std::string_view path) {
    const size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace platform
