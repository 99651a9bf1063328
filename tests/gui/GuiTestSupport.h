// Shared by the window's tests: the Qt application on the offscreen platform with no printer server,
// a private machine directory and profile, and the user's actions on widgets.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/FormTemplate.h"
#include "support/ScratchDirectory.h"

namespace guitest {

// Created on first use and kept for the whole test program.
void EnsureApplication();

// As the first member of a fixture: the application exists before the other members are made.
struct WithApplication {
    WithApplication() { EnsureApplication(); }
};

// A fresh machine directory (WINDIR) and temporary directory for one test; restored afterwards.
class ScratchMachine : public test_support::ScratchMachineDirectory {
  public:
    ScratchMachine();
    QString Path() const { return QString::fromStdString(ScratchMachineDirectory::Path()); }
    QString File(const QString& name) const { return Path() + QLatin1Char('/') + name; }
};

// Shows the window and waits until it is active, so clicks give the focus as on a desktop.
void ShowActive(QWidget& window);

void ClickInto(QWidget* widget);
// Clicks into an edit field, selects all and types the text.
void TypeInto(QWidget* edit, const QString& text);
void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The controls of a template, as a form view makes them (number fields for edits).
void AddControls(const platform::FormTemplate& form, platform::ControlSet& controls);

// A sink that writes every event as "ID Event" and can run a hook on each.
class RecordingSink : public platform::ControlSink {
  public:
    void OnControlEvent(int id, platform::ControlEvent event) override;
    std::optional<platform::Rgb> ControlBrush(int id) override;
    void OnDrawItem(int id, platform::DrawingContext& dc, int left, int top, bool pressed) override;

    std::vector<std::string> log;
    std::function<void(int id, platform::ControlEvent event)> hook;
    int brushId = 0;
    platform::Rgb brush{};
    int drawings = 0;

    static constexpr platform::Rgb kNormalInk{20, 20, 255};
    static constexpr platform::Rgb kPressedInk{250, 20, 20};
};

// Counts pixels of the colour (within a small tolerance) in a widget's picture.
int CountPixels(QWidget* widget, platform::Rgb colour);

}  // namespace guitest
