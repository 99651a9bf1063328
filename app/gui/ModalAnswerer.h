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
    int PendingHandlers() const { return static_cast<int>(m_handlers.size()); }

    struct Shown {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString buttons;  // the texts of its buttons, separated by "|"
    };
    // Every message box seen so far, in order.
    const std::vector<Shown>& MessageBoxes() const { return m_boxes; }
    int ModalsSeen() const { return m_seen; }

  private:
    void Poll();

    QTimer* m_timer;
    std::deque<std::function<void(QWidget*)>> m_handlers;
    std::vector<QPointer<QWidget>> m_handled;
    std::vector<Shown> m_boxes;
    int m_seen = 0;
};

// Lets the event loop run for the given time (painting, layout, timers).
void RunEventsFor(int milliseconds);
