#include "form/PlenwickView.h"

void CPlenwickView::OnHelp() {}
void CPlenwickView::OnWebLink() {}
void CPlenwickView::DeleteHelpFile() {}
