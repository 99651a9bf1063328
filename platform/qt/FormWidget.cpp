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
      m_controls(controls),
      m_sink(sink),
      m_units(DialogFont(form.fontFace, form.fontPoints),
              FieldWidening(form, DialogFont(form.fontFace, form.fontPoints))),
      m_defaultButton(form.defaultButton) {
    setObjectName(QStringLiteral("form%1").arg(form.id));
    setFont(DialogFont(form.fontFace, form.fontPoints));
    setFixedSize(m_units.X(form.width), m_units.Y(form.height));

    // Back to front: group boxes, labels, controls.
    AddGroupBoxes(form);
    AddLabels(form);
    AddControls(form);

    m_focusConnection = connect(qApp, &QApplication::focusChanged, this,
                                [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

FormWidget::~FormWidget() {
    Detach();
    // The widgets go before their peers, which their signal handlers use.
    for (auto& [id, widget] : m_widgets) delete widget;
    m_widgets.clear();
    m_ids.clear();
    m_peers.clear();
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
            .arg(m_units.X(3));
    for (const platform::GroupBoxTemplate& group : form.groups) {
        auto* box = new QGroupBox(ToQString(group.caption), this);
        box->setGeometry(m_units.Rect(group.rect));
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
        label->setGeometry(m_units.Rect(area));
    }
}

void FormWidget::AddControls(const platform::FormTemplate& form) {
    QWidget* previous = nullptr;
    for (const platform::ControlTemplate& layout : form.controls) {
        platform::Control* control = m_controls.Find(layout.id);
        if (!control || control->Kind() != layout.kind)
            continue;
        std::unique_ptr<Peer> peer = MakePeer(*this, layout, *control);
        QWidget* widget = peer->Widget();
        m_ids[widget] = layout.id;
        m_widgets[layout.id] = widget;
        m_tabStops[layout.id] = layout.tabStop;
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;

        control->AttachPeer(peer.get());
        peer->Synchronise();
        peer->Repaint();
        m_peers.push_back(std::move(peer));
    }
}

void FormWidget::Detach() {
    if (!m_attached)
        return;
    m_attached = false;
    disconnect(m_focusConnection);
    for (const auto& peer : m_peers) peer->Control().AttachPeer(nullptr);
}

QWidget* FormWidget::WidgetFor(int id) const {
    const auto found = m_widgets.find(id);
    return found == m_widgets.end() ? nullptr : found->second;
}

int FormWidget::IdOf(const QWidget* widget) const {
    for (; widget && widget != this; widget = widget->parentWidget()) {
        const auto found = m_ids.find(widget);
        if (found != m_ids.end())
            return found->second;
    }
    return 0;
}

void FormWidget::Dispatch(const std::function<void()>& action, Qt::FocusReason reason) {
    if (!m_attached || m_dispatching)
        return;
    m_dispatching = true;
    action();
    m_dispatching = false;
    if (m_attached)
        FollowFocus(reason);
}

bool FormWidget::FocusOn(int id) {
    return m_controls.FocusedId() == id || m_controls.UserFocus(id);
}

void FormWidget::OnFocusChanged(QWidget* now) {
    // Another window (message box, dialog, popup, preview) or the window losing the focus: the field
    // keeps it. The menu bar and the toolbar do not take it either.
    if (!m_attached || m_dispatching || !now || now->window() != window())
        return;
    const int id = IdOf(now);
    if (id == 0 || id == m_controls.FocusedId())
        return;
    // A locked field takes Qt's focus only for selecting its text: the program's focus stays.
    if (!m_controls.Find(id)->IsEnabled())
        return;
    Dispatch([this, id] { m_controls.UserFocus(id); });
}

void FormWidget::FollowFocus(Qt::FocusReason reason) {
    const int id = m_controls.FocusedId();
    QWidget* target = WidgetFor(id);
    const int qtFocus = IdOf(window()->focusWidget());
    if (target && target->isEnabled() && m_controls.Find(id)->IsEnabled()) {
        if (qtFocus != id) {
            m_dispatching = true;
            target->setFocus(reason);
            m_dispatching = false;
        }
        return;
    }
    // The program's focus went nowhere (its control was disabled on the way): the control Qt moved
    // the focus to takes it. Bounded, in case every such step disables the next control as well.
    if (qtFocus != 0 && qtFocus != id && m_followDepth < static_cast<int>(m_peers.size())) {
        ++m_followDepth;
        Dispatch([this, qtFocus] { m_controls.UserFocus(qtFocus); }, reason);
        --m_followDepth;
    }
}

int FormWidget::PreviousTabStop() const {
    const std::vector<platform::Control*>& order = m_controls.InTabOrder();
    const int count = static_cast<int>(order.size());
    int start = 0;
    for (int i = 0; i < count; ++i) {
        if (order[static_cast<size_t>(i)]->Id() == m_controls.FocusedId())
            start = i;
    }
    for (int step = 1; step <= count; ++step) {
        const platform::Control* candidate =
            order[static_cast<size_t>(((start - step) % count + count) % count)];
        const auto stop = m_tabStops.find(candidate->Id());
        if (candidate->IsEnabled() && stop != m_tabStops.end() && stop->second)
            return candidate->Id();
    }
    return 0;
}

// Tab and Shift+Tab move through the template's tab stops, as ControlSet::UserTab does.
bool FormWidget::focusNextPrevChild(bool next) {
    if (!m_attached)
        return QWidget::focusNextPrevChild(next);
    Dispatch(
        [this, next] {
            if (next) {
                m_controls.UserTab();
            } else if (const int previous = PreviousTabStop()) {
                m_controls.UserFocus(previous);
            }
        },
        next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

}  // namespace qtbackend
