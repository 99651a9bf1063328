// The status bar's caps-lock, num-lock and scroll-lock panes ("UF", "NUM", "RF"): each shows its text
// while its lock is on. The states come from the keyboard events the program sees (on X11 from the
// modifier state they carry); until the first one the panes are empty.
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
    QLabel* capsLock_;
    QLabel* numLock_;
    QLabel* scrollLock_;
    bool scrollLockOn_ = false;
};
