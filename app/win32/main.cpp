// The Quellrix window on Windows.
#include "app/win32/WindowSession.h"
#include "platform/win32/Wide.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The framework's rule: the first argument names a file to open (Explorer passes the .qrx opened).
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::string file = arguments && count > 1 ? platform::win32::Narrow(arguments[1]) : std::string();
    LocalFree(arguments);

    WindowSession session;
    if (!session.Start(file))
        return 1;
    return session.Run();
}
