// Caption and control texts of a dialog from the window texts, so that both windows share each text.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <utility>

#include "messages/WindowTexts.h"

void SetDialogTexts(HWND dialog, messages::WindowText caption,
                    std::initializer_list<std::pair<int, messages::WindowText>> controls);
