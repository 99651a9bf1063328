// A headless calculation form on a fresh record, for the tests of the field reactions. The record
// state is set directly; the user's entries go through the controls, so the number field's leave
// processing and every nested change reaction run as in the program.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "form/model/ControlIds.h"
#include "form/PlenwickView.h"
#include "platform/Prompt.h"
#include "platform/headless/HeadlessPlatform.h"
#include "record/PlenwickDoc.h"

namespace form_testing {

inline std::string MessageLine(const std::string& text) {
    return "message " + headless::Quote(text);
}

// Passes everything on to the headless prompt, running a hook first while the box or dialog is up.
class HookedPrompt : public platform::Prompt {
  public:
    explicit HookedPrompt(platform::Prompt& inner) : m_inner(inner), m_installed(*this) {}

    void Message(const std::string& text, platform::MessageIcon icon) override {
        if (onMessage)
            onMessage();
        m_inner.Message(text, icon);
    }
    int RunDialog(const platform::DialogTemplate& dialog) override {
        if (onDialog)
            onDialog();
        return m_inner.RunDialog(dialog);
    }

    std::function<void()> onMessage;
    std::function<void()> onDialog;

  private:
    platform::Prompt& m_inner;
    platform::ScopedPrompt m_installed;
};

class FormTest : public ::testing::Test {
  protected:
    // Types text into field id and leaves it.
    void Enter(int id, const std::string& text) {
        ASSERT_TRUE(view.Controls().UserType(id, text));
        view.Controls().UserLeave();
    }
    std::string Text(int id) const { return view.Field(id).GetText(); }
    // Shows x in field id as the program would ("%f", empty for 0).
    void Show(int id, double x) { view.Show(id, x); }
    std::vector<std::string> Lines() const { return hp.transcript.Lines(); }
    std::vector<std::string> Messages() const { return hp.prompt.MessageTexts(); }
    void Answer(int code) { hp.prompt.QueueAnswers({code}); }

    headless::HeadlessPlatform hp;
    CPlenwickDoc doc;
    CPlenwickView view{doc, hp.Services()};
};

}  // namespace form_testing
