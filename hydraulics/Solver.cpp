#include "form/PlenwickView.h"

void CPlenwickView::OnBerechnen() {}
void CPlenwickView::MarkCalculated(bool) {}
