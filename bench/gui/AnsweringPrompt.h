// A prompt that answers at once: a message is taken as read, a dialog ends with its close code.
// With it a measured start-up times the program, not a person reading the printer warning.
#pragma once

#include <string>

#include "platform/Prompt.h"

class AnsweringPrompt : public platform::Prompt {
  public:
    void Message(const std::string& /*text*/, platform::MessageIcon /*icon*/) override {}
    int RunDialog(const platform::DialogTemplate& dialog) override { return dialog.closeCode; }
};
