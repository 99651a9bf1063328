// The shell services of Windows: the program associated with a file's type (FindExecutableW) and a
// program started on a file or address (ShellExecuteW with "open"). Their result codes are the
// system's own, which platform/Shell.h names.
#pragma once

#include <string>

#include "platform/Shell.h"

namespace platform {

class Win32Shell : public Shell {
  public:
    int FindExecutable(const std::string& file, std::string& program) override;
    int ShellExecute(const std::string& program, const std::string& argument) override;
};

}  // namespace platform
