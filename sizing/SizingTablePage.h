// The sizing table printed on one page: heading with every input and the date, the table with the
// recommendation in bold, and the source of the default criteria.
#pragma once

#include "sizing/SizingTable.h"
#include "platform/Printing.h"

class SizingTablePage : public platform::Printable {
  public:
    // The page of width x height device units (the view's page size); printing asks the printer
    // service's print dialog first; the clock dates the page.
    SizingTablePage(const sizing::Table& table, int width, int height, platform::PrinterService& printer,
                    platform::Clock& clock);

    bool OnPreparePrinting(platform::PrintInfo& info) override;
    void OnBeginPrinting(platform::DrawingContext&, platform::PrintInfo&) override {}
    void OnPrint(platform::DrawingContext& dc, platform::PrintInfo& info) override;
    void OnEndPrinting(platform::DrawingContext&, platform::PrintInfo&) override {}

  private:
    const sizing::Table& m_table;
    platform::PrinterService& m_printer;
    platform::Clock& m_clock;
    int m_width;
    int m_height;
};
