#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <cstdlib>

#include "app/gui/GuiSession.h"
#include "form/model/NumberEdit.h"
#include "platform/DrawingContext.h"

namespace guitest {

namespace {

QApplication* application = nullptr;

// The application goes when the tests are done, before the libraries' own exit handlers run.
class ApplicationEnvironment : public ::testing::Environment {
  public:
    void TearDown() override {
        delete application;
        application = nullptr;
    }
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

void EnsureApplication() {
    if (application)
        return;
    static QTemporaryDir home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("CUPS_SERVER", home.filePath(QStringLiteral("no-cups-server")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    static int argc = 1;
    static char name[] = "test_gui";
    static char* argv[] = {name, nullptr};
    application = new QApplication(argc, argv);
    ConfigureApplication(*application);
}

ScratchMachine::ScratchMachine() {
    EnsureApplication();
}

void ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window);
}

void ClickInto(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
}

void TypeInto(QWidget* edit, const QString& text) {
    ClickInto(edit);
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        line->selectAll();
    QTest::keyClicks(edit, text);
}

void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(widget, key, modifiers);
}

void AddControls(const platform::FormTemplate& form, platform::ControlSet& controls) {
    for (const platform::ControlTemplate& control : form.controls) {
        switch (control.kind) {
            case platform::ControlKind::Edit:
                controls.Add(std::make_unique<CNumberEdit>(control.id), control.tabStop)
                    .Enable(control.enabled);
                break;
            case platform::ControlKind::List:
                controls.Add(std::make_unique<platform::ListControl>(control.id), control.tabStop);
                break;
            case platform::ControlKind::Tabs:
                controls.Add(std::make_unique<platform::TabControl>(control.id), control.tabStop);
                break;
            default:
                controls.Add(
                    std::make_unique<platform::ButtonControl>(control.id, control.kind, control.caption),
                    control.tabStop);
                break;
        }
    }
}

void RecordingSink::OnControlEvent(int id, platform::ControlEvent event) {
    static const char* const names[] = {"TextChanged", "FocusLost", "Clicked", "SelectionChanged"};
    log.push_back(std::to_string(id) + " " + names[static_cast<int>(event)]);
    if (hook)
        hook(id, event);
}

std::optional<platform::Rgb> RecordingSink::ControlBrush(int id) {
    if (id == brushId)
        return brush;
    return std::nullopt;
}

void RecordingSink::OnDrawItem(int, platform::DrawingContext& dc, int left, int top, bool pressed) {
    ++drawings;
    dc.SetTextColor(pressed ? kPressedInk : kNormalInk);
    dc.TextOut(left, top, "WWWWWWWW");
}

int CountPixels(QWidget* widget, platform::Rgb colour) {
    const QImage image = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.r) < 8 && std::abs(pixel.green() - colour.g) < 8 &&
                std::abs(pixel.blue() - colour.b) < 8) {
                ++count;
            }
        }
    }
    return count;
}

}  // namespace guitest
