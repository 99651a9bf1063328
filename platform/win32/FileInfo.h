// Files opened through the wide-character API without following reparse points, and what they are.
#pragma once

#include "platform/win32/WindowsApi.h"

#include <optional>
#include <string>

#include "platform/win32/Handle.h"

namespace platform::win32 {

// The file or folder at path itself, a symbolic link, junction or other reparse point not followed;
// an invalid handle with the last error set when it cannot be opened. A sharing violation (another
// program holding the file in a way that excludes access) is waited out for a short while.
Handle OpenWithoutFollowing(const std::string& path, DWORD access, DWORD sharing);

enum class FileKind { kRegular, kReparsePoint, kOther };

struct FileInfo {
    FileKind kind = FileKind::kOther;
    BY_HANDLE_FILE_INFORMATION basic{};
};

// What the open handle is; absent when it cannot be asked (the last error set).
std::optional<FileInfo> InfoOf(HANDLE file);

// A FILETIME value as one number of 100 ns units since 1601.
long long Ticks(const FILETIME& time);

// The 100 ns ticks split into seconds and nanoseconds.
long long TickSeconds(long long ticks);
long long TickNanoseconds(long long ticks);

}  // namespace platform::win32
