// The form as a Qt widget: group boxes, labels and one widget per control, laid out from the form's
// template in dialog units of its font.
//
// The widgets only mirror the controls (through their peers) and hand the user's input to the
// ControlSet's user actions, so events reach the program in the same order as headless:
// - the focus arriving at a control (click or Tab) is ControlSet::UserFocus, which runs the leave
//   processing of the field that had it; Tab and Shift+Tab follow the template's tab order;
// - typing is EditControl::TextEditedByUser, one change per edit, synchronously;
// - clicks, picks and tab choices are UserClick, UserPick and UserSelectTab, which run the focused
//   field's leave processing first;
// - the focus moving to another window (a message box, a dialog, a popup, the preview), to the
//   menu or toolbar, or into a locked (disabled) field to select its text does not leave the field;
// - Enter in a field clicks the form's default button, which runs the field's leave processing first.
// Number fields are laid out wide enough for their widest text (see NumberFields.h).
// While an action runs, Qt's own focus changes are not reported; afterwards Qt's focus follows the
// control that has the program's focus.
#pragma once

#include <QMetaObject>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/Controls.h"
#include "platform/FormTemplate.h"
#include "platform/qt/DialogUnits.h"

namespace qtbackend {

class Peer;

class FormWidget : public QWidget {
  public:
    FormWidget(const platform::FormTemplate& form, platform::ControlSet& controls,
               platform::ControlSink& sink, QWidget* parent = nullptr);
    ~FormWidget() override;

    // Cuts the widgets off the controls (before the controls go away): no more input reaches them.
    void Detach();
    bool IsAttached() const { return m_attached; }

    // The widget of control id; nullptr when there is none.
    QWidget* WidgetFor(int id) const;
    // The control a widget, or a widget inside it, belongs to; 0 for none.
    int IdOf(const QWidget* widget) const;

    const DialogUnits& Units() const { return m_units; }
    // The push button that Enter in a field clicks; 0: none.
    int DefaultButton() const { return m_defaultButton; }
    platform::ControlSet& Controls() const { return m_controls; }
    platform::ControlSink& Sink() const { return m_sink; }

    // Runs one user action on the controls, then moves Qt's focus to the program's focus.
    // Ignored while another action runs or after Detach.
    void Dispatch(const std::function<void()>& action, Qt::FocusReason reason = Qt::OtherFocusReason);
    // Within an action: gives control id the focus unless it has it; false when it cannot take it.
    bool FocusOn(int id);
    // After the program moved its focus outside a user action (a menu command): Qt's focus follows.
    void FollowProgramFocus() { FollowFocus(Qt::OtherFocusReason); }

  protected:
    bool focusNextPrevChild(bool next) override;

  private:
    void AddGroupBoxes(const platform::FormTemplate& form);
    void AddLabels(const platform::FormTemplate& form);
    void AddControls(const platform::FormTemplate& form);
    void OnFocusChanged(QWidget* now);
    void FollowFocus(Qt::FocusReason reason);
    int PreviousTabStop() const;

    platform::ControlSet& m_controls;
    platform::ControlSink& m_sink;
    DialogUnits m_units;
    int m_defaultButton;
    std::vector<std::unique_ptr<Peer>> m_peers;
    std::map<const QWidget*, int> m_ids;
    std::map<int, QWidget*> m_widgets;
    std::map<int, bool> m_tabStops;
    QMetaObject::Connection m_focusConnection;
    bool m_attached = true;
    bool m_dispatching = false;
    int m_followDepth = 0;
};

}  // namespace qtbackend
