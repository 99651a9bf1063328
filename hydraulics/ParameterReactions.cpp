#include "form/PlenwickView.h"

void CPlenwickView::OnVLeave() {}
void CPlenwickView::OnReLeave() {}
void CPlenwickView::OnQLsLeave() {}
void CPlenwickView::OnQM3hLeave() {}
void CPlenwickView::OnJLeave() {}
void CPlenwickView::OnALeave() {}
void CPlenwickView::OnLambdaLeave() {}
void CPlenwickView::OnNyChanged() {}
void CPlenwickView::OnNyLeave() {}
void CPlenwickView::OnGLeave() {}
void CPlenwickView::OnRhoLeave() {}
void CPlenwickView::OnTLeave() {}
void CPlenwickView::ShowViscosity() {}
