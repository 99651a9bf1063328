#include "platform/MachineDirectory.h"

#include <cstdlib>

namespace platform {

std::string MachineDirectory() {
    const char* windir = std::getenv("WINDIR");
    if (windir && *windir)
        return windir;
    return QUELLRIX_MACHINE_DIR;
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

}  // namespace platform
