#include "app/gui/LockIndicators.h"

#include "app/gui/KeyboardLocks.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace {

// Modifier bits of an X11 key event's state.
constexpr quint32 kX11LockMask = 0x02;
constexpr quint32 kX11NumLockMask = 0x10;

QLabel* AddPane(QStatusBar& statusBar, const QString& text) {
    auto* pane = new QLabel(&statusBar);
    pane->setObjectName(text);
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setMinimumWidth(QFontMetrics(pane->font()).horizontalAdvance(text) + 12);
    pane->setProperty("indicator", text);
    statusBar.addPermanentWidget(pane);
    return pane;
}

void ShowPane(QLabel* pane, bool on) {
    pane->setText(on ? pane->property("indicator").toString() : QString());
}

}  // namespace

LockIndicators::LockIndicators(QStatusBar& statusBar)
    : QObject(&statusBar),
      m_capsLock(AddPane(statusBar, QStringLiteral("UF"))),
      m_numLock(AddPane(statusBar, QStringLiteral("NUM"))),
      m_scrollLock(AddPane(statusBar, QStringLiteral("RF"))) {
    qApp->installEventFilter(this);
    m_askable = AskKeyboard();
}

bool LockIndicators::AskKeyboard() {
    const std::optional<KeyboardLocks> locks = QueryKeyboardLocks();
    if (locks)
        Show(locks->capsLock, locks->numLock, locks->scrollLock);
    return locks.has_value();
}

void LockIndicators::Show(bool capsLock, bool numLock, bool scrollLock) {
    ShowPane(m_capsLock, capsLock);
    ShowPane(m_numLock, numLock);
    ShowPane(m_scrollLock, scrollLock);
}

bool LockIndicators::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ApplicationActivate || type == QEvent::WindowActivate) {
        AskKeyboard();  // the locks may have changed in another window
    } else if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool lockKey = key->key() == Qt::Key_CapsLock || key->key() == Qt::Key_NumLock ||
                             key->key() == Qt::Key_ScrollLock;
        if (m_askable) {
            if (type == QEvent::KeyRelease && lockKey)
                AskKeyboard();
        } else {
            if (type == QEvent::KeyPress && key->key() == Qt::Key_ScrollLock && !key->isAutoRepeat())
                m_scrollLockOn = !m_scrollLockOn;
            if (QGuiApplication::platformName() == QLatin1String("xcb")) {
                const quint32 state = key->nativeModifiers();
                Show((state & kX11LockMask) != 0, (state & kX11NumLockMask) != 0, m_scrollLockOn);
            } else {
                ShowPane(m_scrollLock, m_scrollLockOn);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
