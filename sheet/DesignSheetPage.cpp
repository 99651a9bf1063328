#include "sheet/DesignSheetPage.h"

#include "sheet/DesignSheetContent.h"
#include "form/PlenwickView.h"
#include "report/DesignSheet.h"

DesignSheetPage::DesignSheetPage(const CPlenwickView& view, platform::PrinterService& printer,
                                 platform::Clock& clock)
    : view_(view), printer_(printer), clock_(clock) {}

bool DesignSheetPage::OnPreparePrinting(platform::PrintInfo& info) {
    info.maxPage = 1;
    return printer_.DoPreparePrinting(info);
}

void DesignSheetPage::OnPrint(platform::DrawingContext& dc, platform::PrintInfo& info) {
    const platform::PageSize page = view_.ReportPageSize(info);
    ComposeDesignSheet(dc, page.width, page.height, DesignSheetOf(view_), clock_.Now(), info);
}
