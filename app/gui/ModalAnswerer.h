// Answers modal windows as they open, for programs that drive the window without a user (the
// screenshot tool, GUI tests). Each new modal window goes to the next queued handler, which runs in
// the window's own event loop and usually closes it; with no handler queued it gets its default
// answer (a message box its OK, a dialog Escape). What each message box said is kept.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

class QTimer;

class ModalAnswerer : public QObject {
  public:
    ModalAnswerer();
    ~ModalAnswerer() override;

    void Then(std::function<void(QWidget* modal)> handler);
    int PendingHandlers() const { return static_cast<int>(handlers_.size()); }

    struct Shown {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString buttons;  // the texts of its buttons, separated by "|"
    };
    // Every message box seen so far, in order.
    const std::vector<Shown>& MessageBoxes() const { return boxes_; }
    int ModalsSeen() const { return seen_; }

  private:
    void Poll();

    QTimer* timer_;
    std::deque<std::function<void(QWidget*)>> handlers_;
    std::vector<QPointer<QWidget>> handled_;
    std::vector<Shown> boxes_;
    int seen_ = 0;
};

// Lets the event loop run for the given time (painting, layout, timers).
void RunEventsFor(int milliseconds);
