#include "platform/headless/RecordingPrompt.h"

#include <string>

namespace headless {

void RecordingPrompt::Message(const std::string& text, platform::MessageIcon icon) {
    messages_.push_back({text, icon});
    const char* kind = icon == platform::MessageIcon::Exclamation ? "warning " : "message ";
    transcript_.Add(kind + Quote(text));
}

int RecordingPrompt::RunDialog(const platform::DialogTemplate& dialog) {
    if (answers_.empty()) {
        transcript_.Add("dialog " + std::to_string(dialog.id) + " " + std::to_string(dialog.closeCode) +
                        " closed");
        return dialog.closeCode;
    }
    const int code = answers_.front();
    answers_.pop_front();
    transcript_.Add("dialog " + std::to_string(dialog.id) + " " + std::to_string(code));
    return code;
}

std::optional<std::string> RecordingPrompt::ChooseFile(const platform::FileDialog& dialog) {
    const char* kind = dialog.kind == platform::FileDialog::Kind::Open ? "file open " : "file save ";
    if (files_.empty()) {
        transcript_.Add(std::string(kind) + "cancelled");
        return std::nullopt;
    }
    std::string path = std::move(files_.front());
    files_.pop_front();
    transcript_.Add(kind + Quote(path));
    return path;
}

void RecordingPrompt::QueueFile(std::string path) {
    files_.push_back(std::move(path));
}

void RecordingPrompt::QueueAnswers(const std::vector<int>& codes) {
    answers_.insert(answers_.end(), codes.begin(), codes.end());
}

std::vector<std::string> RecordingPrompt::MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages_) texts.push_back(shown.text);
    return texts;
}

}  // namespace headless
