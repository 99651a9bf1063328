#include "platform/win32/Win32Shell.h"

#include "platform/win32/WindowsApi.h"

#include <cstdint>

#include "platform/win32/Wide.h"

namespace platform {

namespace {

// The system answers with a code that is a success above 32.
int CodeOf(HINSTANCE result) {
    const auto code = reinterpret_cast<std::intptr_t>(result);
    return code > 32 ? 42 : static_cast<int>(code);
}

// The argument as one word of a command line, as the program's start-up code splits it again.
std::wstring QuotedArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return argument;
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

}  // namespace

int Win32Shell::FindExecutable(const std::string& file, std::string& program) {
    program.clear();
    const std::optional<std::wstring> wideFile = win32::WidePath(file);
    if (!wideFile)
        return kShellFileNotFound;
    wchar_t found[MAX_PATH] = L"";
    const int code = CodeOf(::FindExecutableW(wideFile->c_str(), nullptr, found));
    if (ShellSucceeded(code))
        program = win32::Narrow(found);
    return code;
}

int Win32Shell::ShellExecute(const std::string& program, const std::string& argument) {
    const std::optional<std::wstring> wideProgram = win32::WidePath(program);
    const std::optional<std::wstring> wideArgument = win32::WidePath(argument);
    if (!wideProgram || !wideArgument)
        return kShellFileNotFound;
    const std::wstring parameters = QuotedArgument(*wideArgument);
    return CodeOf(
        ::ShellExecuteW(nullptr, L"open", wideProgram->c_str(), parameters.c_str(), nullptr, SW_SHOWNORMAL));
}

}  // namespace platform
