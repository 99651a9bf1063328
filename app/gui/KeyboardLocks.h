// The keyboard's lock states, asked of the X server's keyboard extension (XKB).
#pragma once

#include <optional>

struct KeyboardLocks {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
};

// The current states of the Caps, Num and Scroll Lock indicators; nothing when the window does not
// run on X11 (or the server has no keyboard extension).
std::optional<KeyboardLocks> QueryKeyboardLocks();
