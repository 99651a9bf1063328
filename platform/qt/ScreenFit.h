// Window sizes that fit the screen: a window opens no larger than the room its screen offers.
#pragma once

#include <QSize>

class QWidget;

namespace qtbackend {

// The size wanted for the window, bounded by the available area of its screen less room for the
// window frame and title bar.
QSize FittingScreen(const QWidget& window, QSize wanted);

}  // namespace qtbackend
