// The application object: start-up of the single-document program, its commands and its end.
// The same for the window and the headless session runner; the backend supplies the services.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/Commands.h"
#include "form/model/CalculationState.h"
#include "messages/MessageTexts.h"
#include "platform/Printing.h"
#include "platform/Services.h"
#include "record/ProjectHeader.h"

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
    // the form's first showing. A file named on the command line is read first: when it cannot be
    // read at all (missing, a directory), its message is shown and start-up fails; a file that is no
    // calculation Quellrix can open (damaged, another program's, a newer version's) is refused with its
    // message and the program starts with the empty form; else the form shows its calculation after
    // the first showing.
    bool Start(const std::string& fileToOpen = std::string());
    bool IsRunning() const { return m_view != nullptr; }

    CPlenwickDoc& Document() { return *m_document; }
    CPlenwickView& View() { return *m_view; }
    platform::Clock& Clock() { return m_services.clock; }
    // The design sheet's print job, for printing, preview and PDF; only while the program runs.
    platform::Printable& DesignSheet();

    bool IsEnabled(Command command) const;
    // Runs an enabled command; false when it is disabled (nothing happens).
    bool Execute(Command command);

    // The main window closes: the form is destroyed (it writes the global data back).
    void Close();

    // --- the calculation file (DocumentCommands.cpp) ---
    // The file the calculation was last opened from or saved to; empty while untitled.
    const std::string& DocumentPath() const { return m_path; }
    bool IsModified() const;
    // Before the calculation goes: with unsaved changes asks "Änderungen speichern?"; Ja saves (asking
    // for a file while untitled), Nein discards. False when cancelled or the saving failed.
    bool SaveModified();
    // Shows the calculation of the file; a file that cannot be read gives its message and leaves the
    // form as it was (false).
    bool OpenDocument(const std::string& path);
    // Writes the calculation to the file, which the document then names; false (with a message) when
    // it cannot be written.
    bool SaveDocument(const std::string& path);
    // A new calculation: the form as at start, untitled.
    void NewDocument();
    // The project header, as the dialog or the runner gives it.
    void SetProjectHeader(const ProjectHeader& header);
    // Hears the file of every successful opening or saving (the recent-file list).
    void SetFileListener(std::function<void(const std::string&)> listener) {
        m_fileListener = std::move(listener);
    }

  private:
    // The calculation in the file, or its message shown, followed by what happens then, and nothing.
    static std::optional<CalculationState> ReadDocument(const std::string& path,
                                                        messages::MessageId consequence);
    void TakeDocument(const std::string& path, const CalculationState& state);
    bool SaveAs();
    // New, open, save, save as and exit; false for any other command.
    bool ExecuteFileCommand(Command command);
    void Named(const std::string& path);

    platform::Services m_services;
    std::unique_ptr<CPlenwickDoc> m_document;
    std::unique_ptr<CPlenwickView> m_view;
    std::unique_ptr<DesignSheetPage> m_designSheet;
    std::string m_path;
    std::function<void(const std::string&)> m_fileListener;
};
