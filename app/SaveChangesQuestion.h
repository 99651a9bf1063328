// The question before unsaved changes go: "Änderungen speichern?" with Ja, Nein and Abbrechen.
#pragma once

#include "platform/Prompt.h"

// The codes the question ends with; the close box cancels.
enum SaveChangesAnswer : int { ANSWER_YES = 6, ANSWER_NO = 7, ANSWER_CANCEL = 2 };

const platform::DialogTemplate& SaveChangesQuestion();
