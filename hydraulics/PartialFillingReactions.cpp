#include "form/PlenwickView.h"

void CPlenwickView::OnHtLeave() {}
void CPlenwickView::OnQtLsLeave() {}
void CPlenwickView::OnQtM3hLeave() {}
void CPlenwickView::OnVtLeave() {}
