#include "app/gui/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>
#include <algorithm>

ModalAnswerer::ModalAnswerer() : timer_(new QTimer(this)) {
    timer_->setInterval(20);
    connect(timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_->start();
}

ModalAnswerer::~ModalAnswerer() = default;

void ModalAnswerer::Then(std::function<void(QWidget*)> handler) {
    handlers_.push_back(std::move(handler));
}

void ModalAnswerer::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (std::find(handled_.begin(), handled_.end(), modal) != handled_.end())
        return;
    handled_.erase(std::remove(handled_.begin(), handled_.end(), nullptr), handled_.end());
    handled_.emplace_back(modal);
    ++seen_;

    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box) {
        Shown shown{box->windowTitle(), box->text(), box->icon(), QString()};
        QStringList buttons;
        for (QAbstractButton* button : box->buttons()) buttons << button->text();
        shown.buttons = buttons.join(u'|');
        boxes_.push_back(shown);
    }
    if (!handlers_.empty()) {
        const auto handler = std::move(handlers_.front());
        handlers_.pop_front();
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
