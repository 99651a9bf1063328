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

    QLabel* CapsLock() const { return capsLock_; }
    QLabel* NumLock() const { return numLock_; }
    QLabel* ScrollLock() const { return scrollLock_; }
    void Show(bool capsLock, bool numLock, bool scrollLock);

  private:
    // Shows the keyboard's lock states; false when it cannot be asked.
    bool AskKeyboard();

    QLabel* capsLock_;
    QLabel* numLock_;
    QLabel* scrollLock_;
    bool askable_ = false;  // the keyboard can be asked for its locks
    bool scrollLockOn_ = false;
};
