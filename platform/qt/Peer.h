// The widget side of one control: mirrors the control's state into its widget and turns the
// widget's input into the form's user actions.
#pragma once

#include <QWidget>
#include <memory>

#include "platform/Controls.h"
#include "platform/FormTemplate.h"

namespace qtbackend {

class FormWidget;

class Peer : public platform::ControlPeer {
  public:
    Peer(FormWidget& form, platform::Control& control) : m_form(form), m_control(control) {}

    platform::Control& Control() const { return m_control; }
    virtual QWidget* Widget() const = 0;
    void Repaint() override { Widget()->update(); }

  protected:
    FormWidget& m_form;
    platform::Control& m_control;
};

// The peer and widget (a child of the form) for one control of the template.
std::unique_ptr<Peer> MakePeer(FormWidget& form, const platform::ControlTemplate& layout,
                               platform::Control& control);

}  // namespace qtbackend
