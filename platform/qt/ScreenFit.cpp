#include "platform/qt/ScreenFit.h"

#include <QScreen>
#include <QWidget>

namespace qtbackend {

namespace {

// Room the window manager's frame and title bar take at most, in pixels.
constexpr QSize kFrame(16, 40);

}  // namespace

QSize FittingScreen(const QWidget& window, QSize wanted) {
    const QScreen* screen = window.screen();
    if (!screen)
        return wanted;
    return wanted.boundedTo(screen->availableGeometry().size() - kFrame);
}

}  // namespace qtbackend
