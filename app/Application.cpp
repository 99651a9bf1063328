#include "app/Application.h"

#include "app/AboutBox.h"
#include "form/PlenwickView.h"
#include "messages/MessageTexts.h"
#include "platform/DocumentFile.h"
#include "platform/Printing.h"
#include "platform/Prompt.h"
#include "record/PlenwickDoc.h"

QuellrixApp::QuellrixApp(const platform::Services& services) : m_services(services) {}

QuellrixApp::~QuellrixApp() { Close(); }

bool QuellrixApp::Start(const std::string& fileToOpen) {
    std::optional<CalculationState> opened;
    if (!fileToOpen.empty()) {
        if (!platform::IsReadableDocumentFile(fileToOpen)) {
            platform::ShowMessage(messages::NamedMessage(messages::MessageId::FileCannotBeOpened, fileToOpen),
                                  platform::MessageIcon::Exclamation);
            return false;
        }
        opened = ReadDocument(fileToOpen);
        if (!opened)
            return false;
    }
    m_document = std::make_unique<CPlenwickDoc>();
    m_view = std::make_unique<CPlenwickView>(*m_document, m_services);
    m_document->OnNewDocument();
    m_view->OnInitialUpdate();
    if (opened) {
        TakeDocument(fileToOpen, *opened);
    } else {
        m_view->MarkSaved();
    }
    return true;
}

bool QuellrixApp::IsEnabled(Command command) const {
    switch (command) {
        case Command::Undo:
        case Command::Cut:
        case Command::Copy:
        case Command::Paste:
            return false;  // no handler
        default:
            return IsRunning();
    }
}

bool QuellrixApp::Execute(Command command) {
    if (!IsEnabled(command)) return false;
    if (ExecuteFileCommand(command))
        return true;
    switch (command) {
        case Command::Print:
            m_services.printer.Print(*m_view);
            break;
        case Command::PrintPreview:
            m_services.printer.Preview(*m_view);
            break;
        case Command::PrintSetup:
            m_services.printer.PrinterSetup();
            break;
        case Command::Help:
            m_view->OnHelp();
            break;
        case Command::About:
            platform::RunModalDialog(AboutBoxTemplate());
            break;
        default:
            break;  // toolbar, status bar and recent files belong to the window
    }
    return true;
}

void QuellrixApp::Close() {
    if (!m_view) return;
    m_view->OnDestroy();
    m_view.reset();
}
