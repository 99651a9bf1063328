// The form's widgets: user input reaches the program in the same order as the headless user
// actions, program state is mirrored, colours and layout follow the template.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "app/gui/ModalAnswerer.h"
#include "form/model/NumberEdit.h"
#include "platform/qt/FormWidget.h"
#include "platform/qt/QtPrompt.h"

namespace {

using platform::ControlKind;
using platform::ControlTemplate;

constexpr int kA = 1, kB = 2, kDisabled = 3, kButton = 10, kList = 20, kTabs = 30, kRadio1 = 40, kRadio2 = 41,
              kLink = 50;

ControlTemplate Control(int id, ControlKind kind, platform::DialogRect rect, bool tabStop = true,
                        const char* caption = "") {
    ControlTemplate control;
    control.id = id;
    control.kind = kind;
    control.rect = rect;
    control.tabStop = tabStop;
    control.caption = caption;
    return control;
}

platform::FormTemplate TestForm() {
    platform::FormTemplate form;
    form.id = 7;
    form.width = 200;
    form.height = 120;
    form.fontFace = "MS Sans Serif";
    ControlTemplate a = Control(kA, ControlKind::Edit, {60, 5, 40, 12});
    a.label = "Feld A [m/s]";
    a.labelRect = {5, 7, 50, 10};
    ControlTemplate b = Control(kB, ControlKind::Edit, {60, 20, 40, 12});
    b.label = "B";
    b.labelRect = {105, 22, 20, 10};
    b.labelAlign = platform::LabelAlign::Left;
    ControlTemplate disabled = Control(kDisabled, ControlKind::Edit, {60, 35, 40, 12});
    disabled.enabled = false;
    form.controls = {
        a,
        b,
        disabled,
        Control(kButton, ControlKind::PushButton, {120, 5, 50, 14}, true, "Berechnen"),
        Control(kList, ControlKind::List, {5, 50, 60, 60}),
        Control(kTabs, ControlKind::Tabs, {5, 70, 150, 14}, false),
        Control(kRadio1, ControlKind::RadioButton, {120, 25, 50, 10}, false, "Vollfüllung"),
        Control(kRadio2, ControlKind::RadioButton, {120, 37, 50, 10}, false, "Teilfüllung"),
        Control(kLink, ControlKind::OwnerDrawButton, {5, 95, 150, 11}, true, "link"),
    };
    form.groups = {{"Gruppe", {2, 0, 196, 48}}};
    return form;
}

void Fill(platform::ControlSet& controls) {
    controls.FindList(kList)->AddString("K7");
    controls.FindList(kList)->AddString("K9");
    controls.FindList(kList)->AddString("K10");
    auto* tabs = controls.FindTabs(kTabs);
    for (const char* text : {" J [m/km] ", " v [m/s] ", " k [mm] "})
        tabs->InsertItem(tabs->GetItemCount(), text);
    controls.FindButton(kRadio1)->SetCheck(true);
}

// A form of the test template in a window of its own, and the same controls headless.
class FormWidgetTest : public ::testing::Test {
  protected:
    FormWidgetTest() {
        guitest::AddControls(layout, controls);
        guitest::AddControls(layout, headlessControls);
        Fill(controls);
        Fill(headlessControls);
        sink.brushId = kButton;
        sink.brush = {80, 180, 80};
        controls.AttachSink(&sink);
        headlessControls.AttachSink(&headlessSink);
        form = std::make_unique<qtbackend::FormWidget>(layout, controls, sink);
        guitest::ShowActive(*form);
        // Shown, the form gives the focus to its first tab stop.
        headlessControls.UserFocus(kA);
        sink.log.clear();
    }

    QWidget* Widget(int id) const { return form->WidgetFor(id); }
    CNumberEdit& Field(int id) { return static_cast<CNumberEdit&>(*controls.FindEdit(id)); }
    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(Widget(id)); }

    guitest::WithApplication application;
    platform::FormTemplate layout = TestForm();
    platform::ControlSet controls, headlessControls;
    guitest::RecordingSink sink, headlessSink;
    std::unique_ptr<qtbackend::FormWidget> form;
};

TEST_F(FormWidgetTest, TypingTabbingAndClickingDeliverTheHeadlessEvents) {
    guitest::TypeInto(Edit(kA), QStringLiteral("9,8"));
    guitest::PressKey(Edit(kA), Qt::Key_Tab);
    QTest::keyClicks(Edit(kB), QStringLiteral("2"));
    guitest::ClickInto(Widget(kButton));

    headlessControls.UserType(kA, "9,8");
    headlessControls.UserTab();
    headlessControls.UserType(kB, "2");
    headlessControls.UserClick(kButton);

    EXPECT_EQ(sink.log, headlessSink.log);
    EXPECT_EQ(sink.log.back(), "10 Clicked");
    EXPECT_EQ(Field(kA).GetText(), "9.8");
    EXPECT_EQ(Edit(kA)->text(), QStringLiteral("9.8"));  // the leave's rewrite is shown
    EXPECT_EQ(controls.FocusedId(), kButton);
    EXPECT_EQ(QApplication::focusWidget(), Widget(kButton));
}

TEST_F(FormWidgetTest, ClickingIntoAnotherFieldLeavesTheFirst) {
    guitest::TypeInto(Edit(kA), QStringLiteral("1"));
    guitest::ClickInto(Edit(kB));
    EXPECT_EQ(sink.log, (std::vector<std::string>{"1 TextChanged", "1 TextChanged", "1 FocusLost"}));
    EXPECT_EQ(controls.FocusedId(), kB);
}

TEST_F(FormWidgetTest, TabAndBacktabFollowTheTemplateTabStops) {
    guitest::ClickInto(Edit(kA));
    const std::vector<int> forward = {kB, kButton, kList, kLink,
                                      kA};  // the disabled field, tabs and radios skipped
    for (int expected : forward) {
        guitest::PressKey(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(controls.FocusedId(), expected);
        EXPECT_EQ(form->IdOf(QApplication::focusWidget()), expected);
    }
    guitest::PressKey(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(controls.FocusedId(), kLink);
    EXPECT_EQ(form->IdOf(QApplication::focusWidget()), kLink);
}

TEST_F(FormWidgetTest, AMessageBoxDuringAReactionDoesNotLeaveTheField) {
    qtbackend::QtPrompt prompt;
    platform::ScopedPrompt installed(prompt);
    ModalAnswerer answerer;
    sink.hook = [this](int id, platform::ControlEvent event) {
        if (id == kA && event == platform::ControlEvent::TextChanged && Field(kA).GetText() == "5") {
            platform::ShowMessage("zu klein");
        }
    };
    guitest::TypeInto(Edit(kA), QStringLiteral("5"));
    ASSERT_EQ(answerer.MessageBoxes().size(), 1u);
    EXPECT_EQ(answerer.MessageBoxes()[0].text, QStringLiteral("zu klein"));
    EXPECT_EQ(sink.log, (std::vector<std::string>{"1 TextChanged"}));
    EXPECT_EQ(controls.FocusedId(), kA);

    sink.hook = nullptr;
    guitest::PressKey(Edit(kA), Qt::Key_Tab);
    EXPECT_EQ(sink.log.back(), "1 FocusLost");
}

// Typing into a list runs no reaction; Return or leaving takes the exact text of an entry as picking
// it, and any other text gives way to the selected entry's text.
TEST_F(FormWidgetTest, ATypedListTextIsTakenOrRefused) {
    auto* list = qobject_cast<QComboBox*>(Widget(kList));
    platform::ListControl& control = *controls.FindList(kList);
    control.SetCurSel(0);
    guitest::ClickInto(list);
    list->lineEdit()->selectAll();
    sink.log.clear();  // the first field's leave
    QTest::keyClicks(list->lineEdit(), QStringLiteral("K9"));
    EXPECT_EQ(control.GetEditText(), "K9");
    EXPECT_EQ(control.GetCurSel(), -1);
    EXPECT_TRUE(sink.log.empty()) << sink.log.front();
    guitest::PressKey(list->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"20 SelectionChanged"}));
    EXPECT_EQ(control.GetCurSel(), 1);

    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), QStringLiteral("K99"));
    sink.log.clear();
    guitest::ClickInto(Edit(kB));
    EXPECT_TRUE(sink.log.empty()) << sink.log.front();
    EXPECT_EQ(control.GetCurSel(), 1);
    EXPECT_EQ(list->lineEdit()->text(), QStringLiteral("K9"));
    EXPECT_EQ(list->count(), 3);  // nothing inserted

    guitest::ClickInto(list);
    sink.log.clear();  // B's leave
    guitest::PressKey(list, Qt::Key_Down);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"20 SelectionChanged"}));
    EXPECT_EQ(control.GetEditText(), "K10");
}

TEST_F(FormWidgetTest, TabButtonsChooseTheSoughtEntry) {
    guitest::TypeInto(Edit(kA), QStringLiteral("3"));
    auto* second = Widget(kTabs)->findChild<QPushButton*>(QStringLiteral("tab1"));
    ASSERT_NE(second, nullptr);
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"1 TextChanged", "1 TextChanged", "1 FocusLost",
                                                  "30 SelectionChanged"}));
    EXPECT_EQ(controls.FindTabs(kTabs)->GetCurSel(), 1);
    EXPECT_TRUE(second->isChecked());
    EXPECT_FALSE(Widget(kTabs)->findChild<QPushButton*>(QStringLiteral("tab0"))->isChecked());

    sink.log.clear();
    QTest::mouseClick(second, Qt::LeftButton);  // the chosen entry again
    EXPECT_TRUE(sink.log.empty());
    EXPECT_TRUE(second->isChecked());

    guitest::PressKey(Widget(kTabs), Qt::Key_Right);
    EXPECT_EQ(controls.FindTabs(kTabs)->GetCurSel(), 2);
}

TEST_F(FormWidgetTest, RadioClickMovesTheCheckMark) {
    auto* full = qobject_cast<QRadioButton*>(Widget(kRadio1));
    auto* partial = qobject_cast<QRadioButton*>(Widget(kRadio2));
    QTest::mouseClick(partial, Qt::LeftButton);
    // The field that had the focus is left first: nothing typed, nothing to do.
    EXPECT_EQ(sink.log, (std::vector<std::string>{"41 Clicked"}));
    EXPECT_TRUE(partial->isChecked());
    EXPECT_FALSE(full->isChecked());
    QTest::mouseClick(partial, Qt::LeftButton);  // clicking the checked one keeps it checked
    EXPECT_TRUE(partial->isChecked());
    EXPECT_TRUE(controls.FindButton(kRadio2)->GetCheck());
}

TEST_F(FormWidgetTest, ProgramChangesAreShownWithoutEventsOfTheirOwn) {
    Field(kA).ShowNumber(101);
    controls.Find(kB)->Enable(false);
    controls.FindList(kList)->SetCurSel(2);
    controls.FindTabs(kTabs)->SetCurSel(2);
    controls.FindButton(kRadio2)->SetCheck(true);

    EXPECT_EQ(sink.log, (std::vector<std::string>{"1 TextChanged"}));
    EXPECT_EQ(Edit(kA)->text(), QStringLiteral("101.000000"));
    EXPECT_TRUE(Edit(kB)->isReadOnly());  // locked
    EXPECT_TRUE(Edit(kDisabled)->isReadOnly());
    EXPECT_EQ(qobject_cast<QComboBox*>(Widget(kList))->currentText(), QStringLiteral("K10"));
    EXPECT_TRUE(Widget(kTabs)->findChild<QPushButton*>(QStringLiteral("tab2"))->isChecked());
    EXPECT_TRUE(qobject_cast<QRadioButton*>(Widget(kRadio2))->isChecked());

    controls.FindList(kList)->ResetContent();
    EXPECT_EQ(qobject_cast<QComboBox*>(Widget(kList))->count(), 0);
}

TEST_F(FormWidgetTest, FieldColoursFollowTheNumberFieldRule) {
    const auto base = [this](int id) { return Edit(id)->palette().color(QPalette::Base); };
    const QColor normal = base(kA);
    Field(kA).SetResultMark(true);
    EXPECT_EQ(base(kA), QColor(240, 240, 0));
    Field(kA).SetValid(false);
    EXPECT_EQ(base(kA), QColor(200, 80, 80));  // red wins over yellow
    Field(kA).SetValid(true);
    Field(kA).SetResultMark(false);
    EXPECT_EQ(base(kA), normal);

    // Disabled fields show their colour too.
    Field(kDisabled).SetResultMark(true);
    EXPECT_EQ(Edit(kDisabled)->palette().color(QPalette::Disabled, QPalette::Base), QColor(240, 240, 0));
    EXPECT_GT(guitest::CountPixels(Edit(kDisabled), {240, 240, 0}), 100);
}

TEST_F(FormWidgetTest, PushButtonTakesItsBrushFromTheSink) {
    EXPECT_EQ(Widget(kButton)->palette().color(QPalette::Button), QColor(80, 180, 80));
    EXPECT_NE(Widget(kLink)->palette().color(QPalette::Button), QColor(80, 180, 80));
}

TEST_F(FormWidgetTest, OwnerDrawnButtonIsDrawnByTheSinkPressedOrNot) {
    QWidget* link = Widget(kLink);
    EXPECT_GT(guitest::CountPixels(link, guitest::RecordingSink::kNormalInk), 10);
    EXPECT_EQ(guitest::CountPixels(link, guitest::RecordingSink::kPressedInk), 0);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

    QTest::mousePress(link, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(controls.FindButton(kLink)->IsPressed());
    EXPECT_GT(guitest::CountPixels(link, guitest::RecordingSink::kPressedInk), 10);
    QTest::mouseRelease(link, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(controls.FindButton(kLink)->IsPressed());
    EXPECT_EQ(sink.log, (std::vector<std::string>{"50 Clicked"}));
}

TEST_F(FormWidgetTest, LayoutIsInDialogUnitsOfTheFormFont) {
    const qtbackend::DialogUnits& units = form->Units();
    EXPECT_GE(units.BaseX(), 5);
    EXPECT_LE(units.BaseX(), 7);
    EXPECT_EQ(form->size(), QSize(units.X(200), units.Y(120)));
    EXPECT_EQ(Edit(kA)->geometry(), units.Rect({60, 5, 40, 12}));
    EXPECT_EQ(QFontInfo(form->font()).family(), QStringLiteral("Liberation Sans"));

    auto* right = form->findChild<QLabel*>(QStringLiteral("label1"));
    auto* left = form->findChild<QLabel*>(QStringLiteral("label2"));
    ASSERT_TRUE(right && left);
    EXPECT_TRUE(right->alignment() & Qt::AlignRight);
    EXPECT_EQ(right->geometry().right() + 1,
              units.X(5 + 50));  // right-aligned text ends at the template's edge
    EXPECT_TRUE(left->alignment() & Qt::AlignLeft);
    EXPECT_EQ(left->geometry().left(), units.X(105));
}

TEST_F(FormWidgetTest, DetachedFormPassesNothingOn) {
    form->Detach();
    QTest::keyClicks(Edit(kA), QStringLiteral("7"));
    QTest::mouseClick(Widget(kButton), Qt::LeftButton);
    EXPECT_TRUE(sink.log.empty());
    EXPECT_EQ(Field(kA).GetText(), "");
    EXPECT_EQ(controls.FindEdit(kA)->Peer(), nullptr);
}

}  // namespace
