// The calculation file commands of the application: new, open, save, save as, the unsaved-changes
// question, and the project header.
#include <cerrno>
#include <string>

#include "app/Application.h"
#include "app/SaveChangesQuestion.h"
#include "document/CalculationFile.h"
#include "form/PlenwickView.h"
#include "messages/MessageTexts.h"
#include "messages/WindowTexts.h"
#include "platform/DocumentFile.h"
#include "platform/MachineDirectory.h"
#include "platform/Prompt.h"
#include "record/PlenwickDoc.h"

namespace {

constexpr const char* kSuffix = "qrx";

void Warn(const std::string& text) {
    platform::ShowMessage(text, platform::MessageIcon::Exclamation);
}

std::string RefusalMessage(const std::string& path, const CalculationRead& read) {
    using messages::MessageId;
    switch (read.fault) {
        case CalculationFault::kForeign:
            return messages::NamedMessage(MessageId::CalculationForeign, path);
        case CalculationFault::kNewer:
            return messages::NamedMessage(MessageId::CalculationNewer, path, std::to_string(read.version));
        case CalculationFault::kWrongEntry:
            return messages::NamedMessage(MessageId::CalculationWrongEntry, path, read.entry);
        case CalculationFault::kOutOfRange:
            return messages::NamedMessage(MessageId::CalculationOutOfRange, path, read.entry);
        default:
            return messages::NamedMessage(MessageId::CalculationNotJson, path);
    }
}

}  // namespace

bool QuellrixApp::IsModified() const {
    return m_view && m_view->HasUnsavedChanges();
}

bool QuellrixApp::SaveModified() {
    if (!IsModified())
        return true;
    switch (platform::RunModalDialog(SaveChangesQuestion())) {
        case ANSWER_YES:
            return m_path.empty() ? SaveAs() : SaveDocument(m_path);
        case ANSWER_NO:
            return true;
        default:
            return false;
    }
}

std::optional<CalculationState> QuellrixApp::ReadDocument(const std::string& path,
                                                          messages::MessageId consequence) {
    const std::string then = std::string("\n") + messages::Text(consequence);
    const platform::DocumentRead file = platform::ReadDocumentFile(path, kCalculationMaxBytes);
    if (file.fault == platform::DocumentReadFault::kTooLarge) {
        Warn(messages::NamedMessage(messages::MessageId::CalculationTooLarge, path) + then);
        return std::nullopt;
    }
    if (!file.bytes) {
        Warn(messages::NamedMessage(messages::MessageId::FileCannotBeOpened, path));
        return std::nullopt;
    }
    CalculationRead read = ReadCalculationFile(*file.bytes);
    if (!read.state) {
        Warn(RefusalMessage(path, read) + then);
        return std::nullopt;
    }
    return std::move(read.state);
}

void QuellrixApp::TakeDocument(const std::string& path, const CalculationState& state) {
    m_view->RestoreState(state);
    Named(path);
}

bool QuellrixApp::OpenDocument(const std::string& path) {
    if (!m_view)
        return false;
    const std::optional<CalculationState> state =
        ReadDocument(path, messages::MessageId::CalculationUnchanged);
    if (!state)
        return false;
    TakeDocument(path, *state);
    return true;
}

bool QuellrixApp::SaveDocument(const std::string& path) {
    if (!m_view)
        return false;
    const CalculationState state = m_view->CaptureState();
    const std::optional<std::string> text = SavableCalculationFile(state);
    if (!text) {
        Warn(messages::NamedMessage(messages::MessageId::CalculationNotSavable, path));
        return false;
    }
    switch (platform::WriteDocumentFile(path, *text).fault) {
        case platform::DocumentWriteFault::kNone:
            break;
        case platform::DocumentWriteFault::kReadOnly:
            // As an editor does: say so, and let the user choose another name.
            Warn(messages::NamedMessage(messages::MessageId::FileReadOnly, path));
            return SaveAs();
        case platform::DocumentWriteFault::kNotRegular:
            Warn(messages::NamedMessage(messages::MessageId::FileNotRegular, path));
            return false;
        case platform::DocumentWriteFault::kForeignLink:
            Warn(messages::NamedMessage(messages::MessageId::FileForeignLink, path));
            return false;
        case platform::DocumentWriteFault::kSystemError:
            Warn(messages::NamedMessage(messages::MessageId::FileNotWritten, path));
            return false;
    }
    Named(path);
    return true;
}

// The document now is the file: its name is the title, the calculation as it stands is saved.
void QuellrixApp::Named(const std::string& path) {
    m_path = path;
    m_document->SetTitle(platform::FileNameOf(path));
    m_view->MarkSaved();
    if (m_fileListener)
        m_fileListener(path);
}

bool QuellrixApp::SaveAs() {
    platform::FileDialog dialog;
    dialog.kind = platform::FileDialog::Kind::Save;
    dialog.caption = messages::Text(messages::WindowText::SaveAsCaption);
    dialog.suggested = m_path.empty() ? messages::Text(messages::WindowText::UntitledCalculation) : m_path;
    dialog.filter = messages::Text(messages::WindowText::CalculationFilter);
    dialog.suffix = kSuffix;
    const std::optional<std::string> path = platform::ChooseFile(dialog);
    return path && SaveDocument(*path);
}

void QuellrixApp::NewDocument() {
    if (!m_view)
        return;
    m_view->ResetForm();
    m_document->OnNewDocument();
    m_view->OnInitialUpdate();
    // As at start, the focus is in the first field that takes input; the old form's field was not left.
    m_view->Controls().UserTab();
    m_path.clear();
    m_view->MarkSaved();
}

void QuellrixApp::SetProjectHeader(const ProjectHeader& header) {
    if (!m_view)
        return;
    m_document->SetProjectHeader(header);
    m_view->RefreshModified();
}

bool QuellrixApp::ExecuteFileCommand(Command command) {
    switch (command) {
        case Command::New:
            if (SaveModified())
                NewDocument();
            return true;
        case Command::Open: {
            if (!SaveModified())
                return true;
            platform::FileDialog dialog;
            dialog.kind = platform::FileDialog::Kind::Open;
            dialog.caption = messages::Text(messages::WindowText::OpenCaption);
            dialog.suggested = m_path;
            dialog.filter = messages::Text(messages::WindowText::CalculationFilter);
            if (const std::optional<std::string> path = platform::ChooseFile(dialog))
                OpenDocument(*path);
            return true;
        }
        case Command::Save:
            if (m_path.empty()) {
                SaveAs();
            } else {
                SaveDocument(m_path);
            }
            return true;
        case Command::SaveAs:
            SaveAs();
            return true;
        case Command::Exit:
            if (SaveModified())
                Close();
            return true;
        default:
            return false;
    }
}
