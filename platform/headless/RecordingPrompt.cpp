#include "platform/headless/RecordingPrompt.h"

#include <string>

namespace headless {

void RecordingPrompt::Message(const std::string& text, platform::MessageIcon icon) {
    m_messages.push_back({text, icon});
    const char* kind = icon == platform::MessageIcon::Exclamation ? "warning " : "message ";
    m_transcript.Add(kind + Quote(text));
}

int RecordingPrompt::RunDialog(const platform::DialogTemplate& dialog) {
    if (m_answers.empty()) {
        m_transcript.Add("dialog " + std::to_string(dialog.id) + " " + std::to_string(dialog.closeCode) +
                         " closed");
        return dialog.closeCode;
    }
    const int code = m_answers.front();
    m_answers.pop_front();
    m_transcript.Add("dialog " + std::to_string(dialog.id) + " " + std::to_string(code));
    return code;
}

std::optional<std::string> RecordingPrompt::ChooseFile(const platform::FileDialog& dialog) {
    const char* kind = dialog.kind == platform::FileDialog::Kind::Open ? "file open " : "file save ";
    if (m_files.empty()) {
        m_transcript.Add(std::string(kind) + "cancelled");
        return std::nullopt;
    }
    std::string path = std::move(m_files.front());
    m_files.pop_front();
    m_transcript.Add(kind + Quote(path));
    return path;
}

void RecordingPrompt::QueueFile(std::string path) {
    m_files.push_back(std::move(path));
}

void RecordingPrompt::QueueAnswers(const std::vector<int>& codes) {
    m_answers.insert(m_answers.end(), codes.begin(), codes.end());
}

std::vector<std::string> RecordingPrompt::MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& shown : m_messages) texts.push_back(shown.text);
    return texts;
}

}  // namespace headless
