// The desktop's file associations and program start, as the help command and the link button use them.
// Both services answer with a result code: 32 and above is success, below 32 one of the failures below.
#pragma once

#include <string>

namespace platform {

inline constexpr int kShellOutOfResources = 0;
inline constexpr int kShellFileNotFound = 2;
inline constexpr int kShellPathNotFound = 3;
inline constexpr int kShellBadProgram = 11;
inline constexpr int kShellNoAssociation = 31;
inline constexpr int kShellSuccess = 32;  // the lowest success code
inline constexpr int kShellFailure = 1;   // a failure that none of the codes above describes

inline bool ShellSucceeded(int code) {
    return code >= kShellSuccess;
}

class Shell {
  public:
    virtual ~Shell() = default;
    // The program associated with the type of file (which must exist), in program; a result code.
    virtual int FindExecutable(const std::string& file, std::string& program) = 0;
    // Starts program with the one argument and returns without waiting for it; a result code.
    virtual int ShellExecute(const std::string& program, const std::string& argument) = 0;
};

}  // namespace platform
