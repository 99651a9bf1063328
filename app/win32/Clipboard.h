// Text onto the Windows clipboard.
#pragma once

#include <string>

#include "platform/win32/WindowsApi.h"

// Puts the UTF-8 text on the clipboard as Unicode text, its lines ended by CR LF; false when the
// clipboard cannot be had.
bool CopyTextToClipboard(HWND owner, const std::string& text);
