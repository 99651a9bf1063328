#include "form/PlenwickView.h"

bool CPlenwickView::ReadPrinterPageSize() {
    m_pageWidth = 4676;
    m_pageHeight = 6744;
    return false;
}
bool CPlenwickView::OnPreparePrinting(platform::PrintInfo& info) {
    info.maxPage = 1;
    return true;
}
void CPlenwickView::OnBeginPrinting(platform::DrawingContext&, platform::PrintInfo&) {}
void CPlenwickView::OnPrint(platform::DrawingContext&, platform::PrintInfo&) {}
void CPlenwickView::OnEndPrinting(platform::DrawingContext&, platform::PrintInfo&) {}
void CPlenwickView::WriteRoughnessLine(LayoutArea&) {}
void CPlenwickView::WriteSlopeLine(LayoutArea&) {}
void CPlenwickView::WriteLambdaLine(LayoutArea&) {}
void CPlenwickView::WriteReynoldsLine(LayoutArea&) {}
void CPlenwickView::WritePartialFillingBlock(LayoutArea&) {}
