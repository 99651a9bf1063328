#include "app/Application.h"

#include "app/AboutBox.h"
#include "sheet/DesignSheetPage.h"
#include "form/PlenwickView.h"
#include "messages/MessageTexts.h"
#include "platform/DocumentFile.h"
#include "platform/Printing.h"
#include "platform/Prompt.h"
#include "record/PlenwickDoc.h"

QuellrixApp::QuellrixApp(const platform::Services& services) : m_services(services) {}

QuellrixApp::~QuellrixApp() {
    Close();
}

bool QuellrixApp::Start(const std::string& fileToOpen) {
    std::optional<CalculationState> opened;
    if (!fileToOpen.empty()) {
        if (!platform::IsReadableDocumentFile(fileToOpen)) {
            platform::ShowMessage(messages::NamedMessage(messages::MessageId::FileCannotBeOpened, fileToOpen),
                                  platform::MessageIcon::Exclamation);
            return false;
        }
        opened = ReadDocument(fileToOpen, messages::MessageId::CalculationStartsEmpty);
    }
    m_document = std::make_unique<CPlenwickDoc>();
    m_view = std::make_unique<CPlenwickView>(*m_document, m_services);
    m_designSheet = std::make_unique<DesignSheetPage>(*m_view, m_services.printer, m_services.clock);
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
        // The design sheet states a result: there is none to state before a calculation.
        case Command::PrintDesignSheet:
        case Command::PreviewDesignSheet:
        case Command::SaveDesignSheetPdf:
            return IsRunning() && m_document->IsCalculated();
        default:
            return IsRunning();
    }
}

bool QuellrixApp::Execute(Command command) {
    if (!IsEnabled(command))
        return false;
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
        case Command::PrintDesignSheet:
            m_services.printer.Print(*m_designSheet);
            break;
        case Command::PreviewDesignSheet:
            m_services.printer.Preview(*m_designSheet);
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

platform::Printable& QuellrixApp::DesignSheet() {
    return *m_designSheet;
}

void QuellrixApp::Close() {
    if (!m_view)
        return;
    m_view->OnDestroy();
    m_designSheet.reset();
    m_view.reset();
}
