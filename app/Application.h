// The application object: start-up of the single-document program, its commands and its end.
// The same for the window and the headless session runner; the backend supplies the services.
#pragma once

#include <memory>
#include <string>

#include "app/Commands.h"
#include "platform/Printing.h"
#include "platform/Services.h"

class CPlenwickDoc;
class CPlenwickView;
class DesignSheetPage;

class QuellrixApp {
public:
    explicit QuellrixApp(const platform::Services& services);
    ~QuellrixApp();
    QuellrixApp(const QuellrixApp&) = delete;
    QuellrixApp& operator=(const QuellrixApp&) = delete;

    // Creates the document (record all 0), the form view, runs the new-document step (title) and
    // the form's first showing. A file name on the command line opens that file as the document,
    // which reads nothing from it and only takes its name as title.
    // False when the named file is no regular file that can be read (a directory, a missing or
    // unreadable file): the failure message is shown and start-up fails.
    bool Start(const std::string& fileToOpen = std::string());
    bool IsRunning() const { return m_view != nullptr; }

    CPlenwickDoc& Document() { return *m_document; }
    CPlenwickView& View() { return *m_view; }
    // The design sheet's print job, for printing, preview and PDF; only while the program runs.
    platform::Printable& DesignSheet();

    bool IsEnabled(Command command) const;
    // Runs an enabled command; false when it is disabled (nothing happens).
    bool Execute(Command command);

    // The main window closes: the form is destroyed (it writes the global data back).
    void Close();

private:
    platform::Services m_services;
    std::unique_ptr<CPlenwickDoc> m_document;
    std::unique_ptr<CPlenwickView> m_view;
    std::unique_ptr<DesignSheetPage> m_designSheet;
};
