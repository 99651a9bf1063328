// The help command and the link button of the form.
#include "form/PlenwickView.h"
#include "help/HelpLauncher.h"

void CPlenwickView::OnHelp() {
    help::ShowHelpPage(m_services.shell);
}

void CPlenwickView::OnWebLink() {
    help::OpenMakerWebAddress(m_services.shell);
}

void CPlenwickView::DeleteHelpFile() {
    help::DeleteHelpFile();
}
