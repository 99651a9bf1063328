// The status-bar prompt and tool tip of each command, as one text "prompt\ntool tip".
#pragma once

#include <QString>

#include "app/Commands.h"

struct CommandPrompt {
    QString statusTip;  // shown in the status bar while the pointer rests on the command
    QString toolTip;    // empty when the command has none
};

CommandPrompt PromptFor(Command command);
