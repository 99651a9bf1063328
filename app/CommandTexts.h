// The status-bar prompt and tool tip of each command.
#pragma once

#include <string_view>

#include "app/Commands.h"

struct CommandPrompt {
    std::string_view statusTip;  // shown in the status bar while the pointer rests on the command
    std::string_view toolTip;    // empty when the command has none
};

CommandPrompt PromptFor(Command command);
