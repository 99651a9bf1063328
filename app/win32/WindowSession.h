// One run of the program in its Windows window: the prompt, the main window, the Windows services and
// the application object, started in the program's order.
#pragma once

#include <string>

#include "app/Application.h"
#include "app/win32/MainFrame.h"
#include "platform/Clock.h"
#include "platform/win32/Win32Prompt.h"
#include "platform/win32/Win32Shell.h"

// Until the Windows printer service is merged: no default printer, no job.
class PendingPrinterService : public platform::PrinterService {
  public:
    explicit PendingPrinterService(HWND) {}
    platform::DefaultPrinter QueryDefaultPrinter() override { return {}; }
    bool DoPreparePrinting(platform::PrintInfo&) override { return false; }
    void Print(platform::Printable&) override {}
    void Preview(platform::Printable&) override {}
    void PrinterSetup() override {}
    bool SaveAsPdf(platform::Printable&) { return false; }
};

class WindowSession {
  public:
    WindowSession();
    ~WindowSession();
    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    // The document and the form with its first showing (the printer's page read, a file named on the
    // command line opened), then the form goes into the window, which fits it and is shown. False when
    // start-up fails.
    bool Start(const std::string& fileToOpen = std::string());
    // The message loop until the window is closed; the code PostQuitMessage gave.
    int Run();

    QuellrixApp& App() { return app_; }
    MainFrame& Frame() { return frame_; }

  private:
    platform::win32::Win32Prompt prompt_;
    platform::ScopedPrompt installed_{prompt_};
    MainFrame frame_;  // first: the printer's dialogs and the message boxes belong to it
    PendingPrinterService printer_{frame_.Window()};
    platform::Win32Shell shell_;
    platform::SystemClock clock_;
    QuellrixApp app_{{printer_, shell_, clock_}};
};
