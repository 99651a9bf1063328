// One run of the program in its Windows window: the prompt, the main window, the Windows services and
// the application object, started in the program's order.
#pragma once

#include <string>

#include "app/Application.h"
#include "app/win32/MainFrame.h"
#include "platform/Clock.h"
#include "platform/win32/Win32PrinterService.h"
#include "platform/win32/Win32Prompt.h"
#include "platform/win32/Win32Shell.h"

class WindowSession {
  public:
    // shell: the one the help command starts the browser through (tests); none: Windows' own.
    explicit WindowSession(platform::Shell* shell = nullptr);
    ~WindowSession();
    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    // The document and the form with its first showing (the printer's page read, a file named on the
    // command line opened), then the form goes into the window, which fits it and is shown. False when
    // start-up fails.
    bool Start(const std::string& fileToOpen = std::string());
    // The message loop until the window is closed; the code PostQuitMessage gave.
    int Run();

    QuellrixApp& App() { return m_app; }
    MainFrame& Frame() { return m_frame; }

  private:
    platform::win32::Win32Prompt m_prompt;
    platform::ScopedPrompt m_installed{m_prompt};
    MainFrame m_frame;  // first: the printer's dialogs and the message boxes belong to it
    platform::win32::Win32PrinterService m_printer{m_frame.Window()};
    platform::Win32Shell m_shell;
    platform::SystemClock m_clock;
    QuellrixApp m_app;
};
