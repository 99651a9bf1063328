// The machine directory: one fixed directory per machine that holds the program's shared settings,
// the stand-in for the Windows directory.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The environment variable WINDIR when it is set and not empty, else the directory fixed at build time.
std::string MachineDirectory();

// A bare file name (no '/') lies in the machine directory; any other name is used as given.
std::string ResolveMachinePath(std::string_view fileName);

// The directory of a path: "." for a bare name, "/" for a name in the root.
std::string DirectoryOf(std::string_view path);

}  // namespace platform
