// The view's printing steps and the page size of the default printer.
#include "form/PlenwickView.h"
#include "messages/MessageTexts.h"
#include "platform/Printing.h"
#include "platform/Prompt.h"
#include "record/PlenwickDoc.h"
#include "report/CalculationReport.h"

namespace {

// The page geometry used when the default printer cannot be read: A4 at 600 dpi, nearly.
constexpr int kFallbackPageWidth = 4676;
constexpr int kFallbackPageHeight = 6744;

}  // namespace

bool CPlenwickView::ReadPrinterPageSize() {
    int width = kFallbackPageWidth;
    int height = kFallbackPageHeight;
    bool read = false;
    const platform::DefaultPrinter printer = m_services.printer.QueryDefaultPrinter();
    switch (printer.status) {
        case platform::DefaultPrinter::Status::NoDefaultPrinter:
            Prompt().Message(messages::Text(messages::MessageId::NoDefaultPrinter),
                             platform::MessageIcon::Exclamation);
            break;
        case platform::DefaultPrinter::Status::SettingsUnreadable:
            Prompt().Message(messages::Text(messages::MessageId::PrinterUnreadable),
                             platform::MessageIcon::None);
            break;
        case platform::DefaultPrinter::Status::Ok:
            // A printer without a printable area would leave the report without a page: keep the
            // fallback geometry for it.
            if (printer.width > 0 && printer.height > 0) {
                width = printer.width;
                height = printer.height;
            }
            read = true;
            break;
    }
    m_pageWidth = width;
    m_pageHeight = height;
    GetDocument()->UpdateAllViews();
    return read;
}

bool CPlenwickView::OnPreparePrinting(platform::PrintInfo& info) {
    info.maxPage = 1;
    return m_services.printer.DoPreparePrinting(info);
}

platform::PageSize CPlenwickView::ReportPageSize(const platform::PrintInfo& info) const {
    if (info.pageWidth > 0 && info.pageHeight > 0)
        return {info.pageWidth, info.pageHeight};
    return {m_pageWidth, m_pageHeight};
}

void CPlenwickView::OnBeginPrinting(platform::DrawingContext& /*dc*/, platform::PrintInfo& /*info*/) {}

void CPlenwickView::OnPrint(platform::DrawingContext& dc, platform::PrintInfo& info) {
    const platform::PageSize page = ReportPageSize(info);
    ComposeCalculationReport(dc, page.width, page.height, *GetDocument(), m_services.clock.Now(), info,
                             ResultNote());
}

void CPlenwickView::OnEndPrinting(platform::DrawingContext& /*dc*/, platform::PrintInfo& /*info*/) {}
