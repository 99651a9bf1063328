// The calculation form's view: the form model (form/model/) with what only a window has besides it:
// the printing steps and the printer's page, the help command and the link button, and the document
// it shows. A backend attaches its peers to the model's controls; they mirror every change of the model
// and feed the user's input back as the model's user actions.
//
//   PlenwickView.cpp              construction, first showing, link button, closing
//   reactions/Printing.cpp        printer page size and the printing steps
//   reactions/HelpCommands.cpp    help command and link button
#pragma once

#include <optional>

#include "form/model/FormModel.h"
#include "platform/Document.h"
#include "platform/Printing.h"
#include "platform/Services.h"

class CPlenwickDoc;

class CPlenwickView : public FormModel, public platform::DocumentView, public platform::Printable {
  public:
    // Messages and dialogs go to the installed prompt, the catalogue comes from "Rohre.ini".
    CPlenwickView(CPlenwickDoc& document, const platform::Services& services);
    ~CPlenwickView() override;

    // --- events from the controls (platform::ControlSink) ---
    void OnControlEvent(int id, platform::ControlEvent event) override;
    std::optional<platform::Rgb> ControlBrush(int id) override;
    void OnUpdate() override {}

    // The first showing: the printer's page (once per run), then the form's.
    void OnInitialUpdate();
    // The window is being destroyed: the global fluid texts go back to the settings file and the
    // help file is deleted.
    void OnDestroy();
    // The link button's text colour, normal or pressed.
    static platform::Rgb LinkColour(bool pressed);
    // Draws the owner-drawn control id into dc, its rectangle starting at (left, top).
    void OnDrawItem(int id, platform::DrawingContext& dc, int left, int top, bool pressed) override;

    // --- printing (reactions/Printing.cpp) ---
    bool ReadPrinterPageSize();
    bool OnPreparePrinting(platform::PrintInfo& info) override;
    void OnBeginPrinting(platform::DrawingContext& dc, platform::PrintInfo& info) override;
    void OnPrint(platform::DrawingContext& dc, platform::PrintInfo& info) override;
    void OnEndPrinting(platform::DrawingContext& dc, platform::PrintInfo& info) override;
    // The page the report of a job is laid out on: the job's printable area where its printer gives
    // one, else the page size read at start.
    platform::PageSize ReportPageSize(const platform::PrintInfo& info) const;
    int PageWidth() const { return m_pageWidth; }
    int PageHeight() const { return m_pageHeight; }

    // --- help (reactions/HelpCommands.cpp) ---
    void OnHelp();
    void OnWebLink();
    // Deletes the help file written by OnHelp, if any (the form is being destroyed).
    void DeleteHelpFile();

  private:
    platform::Services m_services;

    // Printable size of the default printer's page, in its device units.
    int m_pageWidth = 0;
    int m_pageHeight = 0;
    bool m_pageSizeRead = false;
};
