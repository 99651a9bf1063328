// One run of the program in its window: the Qt services, the application object and the main
// window, started in the program's order.
#pragma once

#include <memory>
#include <string>

#include "app/Application.h"
#include "app/gui/MainFrame.h"
#include "platform/Clock.h"
#include "platform/XdgShell.h"
#include "platform/qt/QtPrinterService.h"
#include "platform/qt/QtPrompt.h"

class QApplication;

// Profile location, German texts of Qt's own dialogs, the window icon.
void ConfigureApplication(QApplication& application);

class GuiSession {
  public:
    GuiSession();
    ~GuiSession();
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;

    // The main window with its bars, then the document and the form with its first showing, then
    // the form goes into the window, which fits it and is shown. False when start-up fails.
    bool Start(const std::string& fileToOpen = std::string());

    QuellrixApp& App() { return m_app; }
    CMainFrame& Frame() { return *m_frame; }
    qtbackend::QtPrompt& Prompt() { return m_prompt; }
    qtbackend::QtPrinterService& Printer() { return m_printer; }

  private:
    qtbackend::QtPrompt m_prompt;
    platform::ScopedPrompt m_installed{m_prompt};
    qtbackend::QtPrinterService m_printer;
    platform::XdgShell m_shell;
    platform::SystemClock m_clock;
    QuellrixApp m_app;
    std::unique_ptr<CMainFrame>
        m_frame;  // goes before the application object, which holds the form's controls
};
