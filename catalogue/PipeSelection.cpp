#include "form/PlenwickView.h"

void CPlenwickView::OnClassChanged() {}
void CPlenwickView::OnDnChanged() {}
double CPlenwickView::ComputeDi() { return 0; }
void CPlenwickView::ShowDi() {}
void CPlenwickView::OnPipeFieldLeave() {}
void CPlenwickView::OnDiChanged() {}
void CPlenwickView::OnDiLeave() {}
void CPlenwickView::OnRoughnessChanged() {}
void CPlenwickView::OnKChanged() {}
void CPlenwickView::OnKLeave() {}
void CPlenwickView::MarkPipeConsistency(double) {}
