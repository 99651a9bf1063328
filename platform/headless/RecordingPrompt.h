// The headless prompt: records every message and dialog in the transcript and answers dialogs
// from a queue of codes (an empty queue closes the dialog by its close box).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Prompt.h"
#include "platform/headless/Transcript.h"

namespace headless {

class RecordingPrompt : public platform::Prompt {
  public:
    explicit RecordingPrompt(Transcript& transcript) : m_transcript(transcript) {}

    void Message(const std::string& text, platform::MessageIcon icon) override;
    int RunDialog(const platform::DialogTemplate& dialog) override;
    // Takes the next queued file; an empty queue cancels the dialog.
    std::optional<std::string> ChooseFile(const platform::FileDialog& dialog) override;

    void QueueAnswers(const std::vector<int>& codes);
    void QueueFile(std::string path);
    size_t PendingAnswers() const { return m_answers.size(); }

    struct Shown {
        std::string text;
        platform::MessageIcon icon;
    };
    // Every message shown so far, in order.
    const std::vector<Shown>& Messages() const { return m_messages; }
    // Just the texts, for assertions.
    std::vector<std::string> MessageTexts() const;

  private:
    Transcript& m_transcript;
    std::deque<int> m_answers;
    std::deque<std::string> m_files;
    std::vector<Shown> m_messages;
};

}  // namespace headless
