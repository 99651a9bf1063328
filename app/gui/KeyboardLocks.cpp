#include "app/gui/KeyboardLocks.h"

#include <QGuiApplication>

// Xlib last: its macros (None, Bool, Status, ...) would clash with Qt's names.
#include <X11/XKBlib.h>

std::optional<KeyboardLocks> QueryKeyboardLocks() {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    // An indicator the keymap does not have is off; without any, the keyboard cannot be asked.
    bool known = false;
    const auto isOn = [display, &known](const char* indicator) {
        Bool state = False;
        const Atom name = XInternAtom(display, indicator, False);
        if (XkbGetNamedIndicator(display, name, nullptr, &state, nullptr, nullptr))
            known = true;
        return state == True;
    };
    const KeyboardLocks locks{isOn("Caps Lock"), isOn("Num Lock"), isOn("Scroll Lock")};
    if (!known)
        return std::nullopt;
    return locks;
}
