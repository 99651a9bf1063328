#include "sheet/DesignSheetPage.h"

#include "sheet/DesignSheetContent.h"
#include "form/PlenwickView.h"
#include "report/DesignSheet.h"

DesignSheetPage::DesignSheetPage(const CPlenwickView& view, platform::PrinterService& printer,
                                 platform::Clock& clock)
    : m_view(view), m_printer(printer), m_clock(clock) {}

bool DesignSheetPage::OnPreparePrinting(platform::PrintInfo& info) {
    info.maxPage = 1;
    return m_printer.DoPreparePrinting(info);
}

void DesignSheetPage::OnPrint(platform::DrawingContext& dc, platform::PrintInfo& info) {
    const platform::PageSize page = m_view.ReportPageSize(info);
    ComposeDesignSheet(dc, page.width, page.height, DesignSheetOf(m_view), m_clock.Now(), info);
}
