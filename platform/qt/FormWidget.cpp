#include "platform/qt/FormWidget.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>

#include "platform/qt/NumberFields.h"
#include "platform/qt/Peer.h"
#include "platform/qt/Text.h"

namespace qtbackend {

namespace {

// Room a label's text may take beyond its template rectangle, in dialog units.
constexpr int kLabelOverrun = 12;

}  // namespace

FormWidget::FormWidget(const platform::FormTemplate& form, platform::ControlSet& controls,
                       platform::ControlSink& sink, QWidget* parent)
    : QWidget(parent),
      controls_(controls),
      sink_(sink),
      units_(DialogFont(form.fontFace, form.fontPoints),
             FieldWidening(form, DialogFont(form.fontFace, form.fontPoints))),
      defaultButton_(form.defaultButton) {
    setObjectName(QStringLiteral("form%1").arg(form.id));
    setFont(DialogFont(form.fontFace, form.fontPoints));
    setFixedSize(units_.X(form.width), units_.Y(form.height));

    // Back to front: group boxes, labels, controls.
    AddGroupBoxes(form);
    AddLabels(form);
    AddControls(form);

    focusConnection_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

FormWidget::~FormWidget() {
    Detach();
    // The widgets go before their peers, which their signal handlers use.
    for (auto& [id, widget] : widgets_) delete widget;
    widgets_.clear();
    ids_.clear();
    peers_.clear();
}

void FormWidget::AddGroupBoxes(const platform::FormTemplate& form) {
    // The frame's top line runs through the middle of the caption, which sits on it near the left.
    const int captionMiddle = QFontMetrics(font()).height() / 2;
    const QString groupStyle =
        QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: %1px; }"
            "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
            " left: %2px; padding: 0 2px; }")
            .arg(captionMiddle)
            .arg(units_.X(3));
    for (const platform::GroupBoxTemplate& group : form.groups) {
        auto* box = new QGroupBox(ToQString(group.caption), this);
        box->setGeometry(units_.Rect(group.rect));
        box->setStyleSheet(groupStyle);
        box->setFocusPolicy(Qt::NoFocus);
    }
}

void FormWidget::AddLabels(const platform::FormTemplate& form) {
    for (const platform::ControlTemplate& control : form.controls) {
        if (control.label.empty())
            continue;
        auto* label = new QLabel(ToQString(control.label), this);
        label->setObjectName(QStringLiteral("label%1").arg(control.id));
        label->setTextFormat(Qt::PlainText);
        const Qt::Alignment horizontal =
            control.labelAlign == platform::LabelAlign::Right ? Qt::AlignRight : Qt::AlignLeft;
        label->setAlignment(horizontal | Qt::AlignTop);
        // The text may be wider in this font than in the template's: it may run on over its free side.
        platform::DialogRect area = control.labelRect;
        area.width += kLabelOverrun;
        if (control.labelAlign == platform::LabelAlign::Right)
            area.x -= kLabelOverrun;
        label->setGeometry(units_.Rect(area));
    }
}

void FormWidget::AddControls(const platform::FormTemplate& form) {
    QWidget* previous = nullptr;
    for (const platform::ControlTemplate& layout : form.controls) {
        platform::Control* control = controls_.Find(layout.id);
        if (!control || control->Kind() != layout.kind)
            continue;
        std::unique_ptr<Peer> peer = MakePeer(*this, layout, *control);
        QWidget* widget = peer->Widget();
        ids_[widget] = layout.id;
        widgets_[layout.id] = widget;
        tabStops_[layout.id] = layout.tabStop;
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;

        control->AttachPeer(peer.get());
        peer->Synchronise();
        peer->Repaint();
        peers_.push_back(std::move(peer));
    }
}

void FormWidget::Detach() {
    if (!attached_)
        return;
    attached_ = false;
    disconnect(focusConnection_);
    for (const auto& peer : peers_) peer->Control().AttachPeer(nullptr);
}

QWidget* FormWidget::WidgetFor(int id) const {
    const auto found = widgets_.find(id);
    return found == widgets_.end() ? nullptr : found->second;
}

int FormWidget::IdOf(const QWidget* widget) const {
    for (; widget && widget != this; widget = widget->parentWidget()) {
        const auto found = ids_.find(widget);
        if (found != ids_.end())
            return found->second;
    }
    return 0;
}

void FormWidget::Dispatch(const std::function<void()>& action, Qt::FocusReason reason) {
    if (!attached_ || dispatching_)
        return;
    dispatching_ = true;
    action();
    dispatching_ = false;
    if (attached_)
        FollowFocus(reason);
}

bool FormWidget::FocusOn(int id) {
    return controls_.FocusedId() == id || controls_.UserFocus(id);
}

void FormWidget::OnFocusChanged(QWidget* now) {
    // Another window (message box, dialog, popup, preview) or the window losing the focus: the field
    // keeps it. The menu bar and the toolbar do not take it either.
    if (!attached_ || dispatching_ || !now || now->window() != window())
        return;
    const int id = IdOf(now);
    if (id == 0 || id == controls_.FocusedId())
        return;
    // A locked field takes Qt's focus only for selecting its text: the program's focus stays.
    if (!controls_.Find(id)->IsEnabled())
        return;
    Dispatch([this, id] { controls_.UserFocus(id); });
}

void FormWidget::FollowFocus(Qt::FocusReason reason) {
    const int id = controls_.FocusedId();
    QWidget* target = WidgetFor(id);
    const int qtFocus = IdOf(window()->focusWidget());
    if (target && target->isEnabled() && controls_.Find(id)->IsEnabled()) {
        if (qtFocus != id) {
            dispatching_ = true;
            target->setFocus(reason);
            dispatching_ = false;
        }
        return;
    }
    // The program's focus went nowhere (its control was disabled on the way): the control Qt moved
    // the focus to takes it. Bounded, in case every such step disables the next control as well.
    if (qtFocus != 0 && qtFocus != id && followDepth_ < static_cast<int>(peers_.size())) {
        ++followDepth_;
        Dispatch([this, qtFocus] { controls_.UserFocus(qtFocus); }, reason);
        --followDepth_;
    }
}

int FormWidget::PreviousTabStop() const {
    const std::vector<platform::Control*>& order = controls_.InTabOrder();
    const int count = static_cast<int>(order.size());
    int start = 0;
    for (int i = 0; i < count; ++i) {
        if (order[static_cast<size_t>(i)]->Id() == controls_.FocusedId())
            start = i;
    }
    for (int step = 1; step <= count; ++step) {
        const platform::Control* candidate =
            order[static_cast<size_t>(((start - step) % count + count) % count)];
        const auto stop = tabStops_.find(candidate->Id());
        if (candidate->IsEnabled() && stop != tabStops_.end() && stop->second)
            return candidate->Id();
    }
    return 0;
}

// Tab and Shift+Tab move through the template's tab stops, as ControlSet::UserTab does.
bool FormWidget::focusNextPrevChild(bool next) {
    if (!attached_)
        return QWidget::focusNextPrevChild(next);
    Dispatch(
        [this, next] {
            if (next) {
                controls_.UserTab();
            } else if (const int previous = PreviousTabStop()) {
                controls_.UserFocus(previous);
            }
        },
        next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

}  // namespace qtbackend
