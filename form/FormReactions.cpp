#include "form/PlenwickView.h"

void CPlenwickView::OnInitialUpdate() {}
void CPlenwickView::OnFullFilling() {}
void CPlenwickView::OnPartialFilling() {}
void CPlenwickView::OnSoughtChanged() {}
void CPlenwickView::OnClear() {}
void CPlenwickView::OnDestroy() {}
platform::Rgb CPlenwickView::LinkColour(bool) { return {}; }
void CPlenwickView::OnDrawItem(int, platform::DrawingContext&, int, int, bool) {}
