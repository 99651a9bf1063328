// The wide-character Win32 API seen from a program that keeps its texts in UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::win32 {

// UTF-8 as UTF-16 for the API; an ill-formed sequence becomes U+FFFD.
std::wstring Widen(std::string_view utf8);

// A path for the API; absent when it holds a NUL, which would cut it short there.
std::optional<std::wstring> WidePath(std::string_view utf8);

// UTF-16 from the API as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Narrow(std::wstring_view utf16);

// The value of an environment variable; absent when it is not set or empty.
std::optional<std::string> EnvironmentVariable(const wchar_t* name);

// The errno value that says what the Win32 error code says, as the messages know them.
int ErrnoOf(unsigned long error);

// The Win32 error of the last call, as ErrnoOf gives it.
int LastErrno();

}  // namespace platform::win32
