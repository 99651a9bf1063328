// The machine directory: one fixed directory per machine that holds the program's shared settings,
// the stand-in for the Windows directory.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The environment variable WINDIR when it is set and not empty, else the directory fixed at build time.
// On Windows, where WINDIR always names the system's directory, QUELLRIX_WINDIR, else
// %ProgramData%\Quellrix (made when it is missing).
std::string MachineDirectory();

// Makes directory the machine directory of this process (the command lines' --windir): sets WINDIR,
// on Windows QUELLRIX_WINDIR.
void OverrideMachineDirectory(const std::string& directory);

// A bare file name (no '/'; on Windows neither '\\' nor ':') lies in the machine directory; any other
// name is used as given.
std::string ResolveMachinePath(std::string_view fileName);

// The directory of a path: "." for a bare name, "/" for a name in the root (on Windows "\\" or "C:\\").
std::string DirectoryOf(std::string_view path);

// The file name of a path: what follows its directory ("/"; on Windows also "\\" and a drive's ":").
std::string FileNameOf(std::string_view path);

}  // namespace platform
