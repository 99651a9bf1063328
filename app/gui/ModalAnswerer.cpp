#include "app/gui/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>
#include <algorithm>

ModalAnswerer::ModalAnswerer() : m_timer(new QTimer(this)) {
    m_timer->setInterval(20);
    connect(m_timer, &QTimer::timeout, this, [this] { Poll(); });
    m_timer->start();
}

ModalAnswerer::~ModalAnswerer() = default;

void ModalAnswerer::Then(std::function<void(QWidget*)> handler) {
    m_handlers.push_back(std::move(handler));
}

void ModalAnswerer::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (std::find(m_handled.begin(), m_handled.end(), modal) != m_handled.end())
        return;
    m_handled.erase(std::remove(m_handled.begin(), m_handled.end(), nullptr), m_handled.end());
    m_handled.emplace_back(modal);
    ++m_seen;

    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box) {
        Shown shown{box->windowTitle(), box->text(), box->icon(), QString()};
        QStringList buttons;
        for (QAbstractButton* button : box->buttons()) buttons << button->text();
        shown.buttons = buttons.join(u'|');
        m_boxes.push_back(shown);
    }
    if (!m_handlers.empty()) {
        const auto handler = std::move(m_handlers.front());
        m_handlers.pop_front();
        handler(modal);
    } else if (box && box->button(QMessageBox::Ok)) {
        box->button(QMessageBox::Ok)->click();
    } else if (box) {
        box->reject();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    }
}

void RunEventsFor(int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}
