#include "platform/ProgramStart.h"

#include <fcntl.h>
#include <io.h>
#include "platform/win32/WindowsApi.h"

#include <cerrno>
#include <cstdio>

#include "platform/win32/Wide.h"

namespace platform {

std::vector<std::string> ProgramArguments(int /*argc*/, char** /*argv*/) {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!words)
        return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(win32::Narrow(words[i]));
    ::LocalFree(words);
    return arguments;
}

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

int OpenForReading(const std::string& path) {
    const std::optional<std::wstring> wide = win32::WidePath(path);
    if (!wide) {
        errno = ENOENT;
        return -1;
    }
    return ::_wopen(wide->c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

}  // namespace platform
