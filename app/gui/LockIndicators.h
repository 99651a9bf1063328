// The status bar's caps-lock, num-lock and scroll-lock panes ("UF", "NUM", "RF"): each shows its text
// while its lock is on. On X11 the states are asked of the keyboard at start, whenever the program's
// window becomes active and after a lock key; key events fill in where the keyboard cannot be asked
// (on X11 from the modifier state they carry).
#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

class LockIndicators : public QObject {
  public:
    explicit LockIndicators(QStatusBar& statusBar);

    bool eventFilter(QObject* watched, QEvent* event) override;

    QLabel* CapsLock() const { return m_capsLock; }
    QLabel* NumLock() const { return m_numLock; }
    QLabel* ScrollLock() const { return m_scrollLock; }
    void Show(bool capsLock, bool numLock, bool scrollLock);

  private:
    // Shows the keyboard's lock states; false when it cannot be asked.
    bool AskKeyboard();

    QLabel* m_capsLock;
    QLabel* m_numLock;
    QLabel* m_scrollLock;
    bool m_askable = false;  // the keyboard can be asked for its locks
    bool m_scrollLockOn = false;
};
