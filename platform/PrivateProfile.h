// The private-profile (INI) service: texts stored under a section and a key in a small text file (its
// form: platform/ProfileText.h). A bare file name lies in the machine directory.
//
// A file is parsed once and reused while it is unchanged: every access compares the file's identity
// (device, inode, size, modification and status change time) with the one parsed, so a change made by
// another program is seen at the next access. A symbolic link in the file's place is never followed:
// the file then reads as unreadable and is never written. A UTF-8 byte-order mark at the start of the
// file is not part of its text and is kept when the file is rewritten.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ProfileFile.h"
#include "platform/ProfileText.h"

namespace platform {

// The value of the key in the section: at most kProfileValueBuffer - 1 characters. Absent when the
// key is missing or its value is empty, and when the file is missing or unreadable (a symbolic link,
// not a regular file, too large, holding NUL bytes, or in UTF-16).
std::optional<std::string> GetPrivateProfileString(std::string_view section, std::string_view key,
                                                   std::string_view fileName);

// The values of several keys, read in one access of the file (its identity checked once), each as
// GetPrivateProfileString gives it.
struct ProfileKey {
    std::string section;
    std::string key;
};
std::vector<std::optional<std::string>> GetPrivateProfileStrings(const std::vector<ProfileKey>& keys,
                                                                 std::string_view fileName);

// Why the file cannot be read; absent when it can.
std::optional<ProfileProblem> CheckPrivateProfile(std::string_view fileName);

// Sets the value of the key as ProfileText::Apply does, creating the file as needed.
//
// The file is replaced as a whole (platform/ProfileFile.h), so it is never left torn: on failure it is
// unchanged. Writers read, change and replace it one after the other, under an advisory lock on its
// directory (DirectoryLock.h). Siblings that writers which died left behind are removed first. Returns false,
// leaving the file as it was, when the file is unreadable or read-only, the directory is not writable, or a
// name or value holds a line break or NUL (or the section name ']' or the key '='); error, when
// given, then receives the errno of the failure (EINVAL for an entry that cannot be stored).
bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               std::string_view fileName);

// The entries applied one after the other as by WritePrivateProfileString, and stored in one
// replacement of the file: all of them or, on failure, none.
bool WritePrivateProfileStrings(const std::vector<ProfileEntry>& entries, std::string_view fileName,
                                int* error = nullptr);

}  // namespace platform
