// The design sheet as a print job of one page: composed from the form's current state each time a
// page is drawn, on the page the view's report is laid out on.
#pragma once

#include "platform/Clock.h"
#include "platform/Printing.h"

class CPlenwickView;

class DesignSheetPage : public platform::Printable {
  public:
    // Printing asks the printer service's print dialog first; the clock dates the sheet.
    DesignSheetPage(const CPlenwickView& view, platform::PrinterService& printer, platform::Clock& clock);

    bool OnPreparePrinting(platform::PrintInfo& info) override;
    void OnBeginPrinting(platform::DrawingContext&, platform::PrintInfo&) override {}
    void OnPrint(platform::DrawingContext& dc, platform::PrintInfo& info) override;
    void OnEndPrinting(platform::DrawingContext&, platform::PrintInfo&) override {}

  private:
    const CPlenwickView& m_view;
    platform::PrinterService& m_printer;
    platform::Clock& m_clock;
};
