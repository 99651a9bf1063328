// The window by keyboard alone: every control of the form reached by Tab and chosen by arrow keys,
// keys with Alt that clash nowhere, Enter on a focused button, the focus after "Neu", Escape closing
// the Extras windows; and every window fitting the screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <set>

#include "GuiTestSupport.h"
#include "app/gui/FillingCurveWindow.h"
#include "app/gui/GuiSession.h"
#include "app/gui/ModalAnswerer.h"
#include "app/gui/SizingWindow.h"
#include "form/PlenwickView.h"
#include "form/model/ControlIds.h"
#include "platform/qt/FormWidget.h"
#include "record/PlenwickDoc.h"

namespace {

// The key a caption gives with Alt, lower case; none: 0.
QChar Mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&')
                return caption[i + 1].toLower();
            ++i;
        }
    }
    return QChar();
}

class KeyboardTest : public ::testing::Test {
  protected:
    KeyboardTest() {
        EXPECT_TRUE(session.Start());
        guitest::ShowActive(session.Frame());
    }

    QWidget* Widget(int id) { return session.Frame().Form()->WidgetFor(id); }
    int Focused() { return session.App().View().Controls().FocusedId(); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        guitest::PressKey(QApplication::focusWidget(), key, modifiers);
        RunEventsFor(50);
    }

    guitest::ScratchMachine machine;
    ModalAnswerer answerer;  // answers the start-up's printer warning
    GuiSession session;
};

TEST_F(KeyboardTest, NoMenuAndNoWindowHasTwoEntriesWithOneKey) {
    std::vector<std::pair<QString, QList<QAction*>>> groups{
        {"menu bar", session.Frame().menuBar()->actions()}};
    for (QAction* menu : session.Frame().menuBar()->actions())
        groups.push_back({menu->text(), menu->menu()->actions()});
    for (const auto& [name, actions] : groups) {
        QSet<QChar> keys;
        for (QAction* action : actions) {
            const QChar key = Mnemonic(action->text());
            if (key.isNull())
                continue;
            EXPECT_FALSE(keys.contains(key)) << name.toStdString() << ": " << action->text().toStdString();
            keys.insert(key);
        }
    }
    // The form's own keys clash with no menu of the bar.
    QSet<QChar> barKeys;
    for (QAction* menu : session.Frame().menuBar()->actions()) barKeys.insert(Mnemonic(menu->text()));
    QSet<QChar> formKeys;
    for (QAbstractButton* button : session.Frame().Form()->findChildren<QAbstractButton*>()) {
        const QChar key = Mnemonic(button->text());
        if (key.isNull())
            continue;
        EXPECT_FALSE(barKeys.contains(key) || formKeys.contains(key)) << button->text().toStdString();
        formKeys.insert(key);
    }
    EXPECT_GE(formKeys.size(), 8);  // Berechnen, Clear, the two filling modes, the four tabs

    session.Frame().Action(Command::SizingTable)->trigger();
    QSet<QChar> sizingKeys;
    for (QPushButton* button : session.Frame().SizingTable()->findChildren<QPushButton*>()) {
        const QChar key = Mnemonic(button->text());
        EXPECT_FALSE(key.isNull()) << button->text().toStdString();
        EXPECT_FALSE(sizingKeys.contains(key)) << button->text().toStdString();
        sizingKeys.insert(key);
    }
}

TEST_F(KeyboardTest, TabReachesTheFillingModeAndTheTabsWhoseArrowsAndKeysChoose) {
    std::set<int> reached;
    for (int i = 0; i < 40; ++i) {
        reached.insert(Focused());
        Press(Qt::Key_Tab);
    }
    for (const int id : {IDC_FULL_FILLING, IDC_PARTIAL_FILLING, IDC_SOUGHT, IDC_BERECHNEN, IDC_CLEAR})
        EXPECT_EQ(reached.count(id), 1u) << id;

    const CPlenwickDoc& doc = session.App().Document();
    session.App().View().Controls().UserFocus(IDC_FULL_FILLING);
    session.Frame().Form()->FollowProgramFocus();
    Press(Qt::Key_Down);
    EXPECT_FALSE(doc.IsFullFilling());
    EXPECT_EQ(Focused(), IDC_PARTIAL_FILLING);
    Press(Qt::Key_Up);
    EXPECT_TRUE(doc.IsFullFilling());

    const struct {
        Qt::Key key;
        int tab;
    } keys[] = {{Qt::Key_Q, 1}, {Qt::Key_K, 2}, {Qt::Key_I, 3}, {Qt::Key_J, 0}};
    for (const auto& k : keys) {
        Press(k.key, Qt::AltModifier);
        RunEventsFor(300);  // a mnemonic clicks as an animated click
        EXPECT_EQ(session.App().View().SoughtTabs().GetCurSel(), k.tab) << k.tab;
    }
    Press(Qt::Key_T, Qt::AltModifier);
    RunEventsFor(300);
    EXPECT_FALSE(doc.IsFullFilling());
    Press(Qt::Key_V, Qt::AltModifier);
    RunEventsFor(300);
    EXPECT_TRUE(doc.IsFullFilling());

    session.App().View().Controls().UserFocus(IDC_SOUGHT);
    session.Frame().Form()->FollowProgramFocus();
    Press(Qt::Key_Right);
    EXPECT_EQ(session.App().View().SoughtTabs().GetCurSel(), 1);
    Press(Qt::Key_Left);
    EXPECT_EQ(session.App().View().SoughtTabs().GetCurSel(), 0);
}

TEST_F(KeyboardTest, EnterPressesAFocusedButtonAndNeuPutsTheFocusIntoTheFirstField) {
    guitest::TypeInto(Widget(IDC_V), QStringLiteral("1"));
    session.App().View().Controls().UserFocus(IDC_CLEAR);
    session.Frame().Form()->FollowProgramFocus();
    Press(Qt::Key_Return);
    EXPECT_EQ(qobject_cast<QLineEdit*>(Widget(IDC_V))->text(), QString());  // "Clear" emptied it

    guitest::TypeInto(Widget(IDC_V), QStringLiteral("1"));
    answerer.Then([](QWidget* question) {  // "Änderungen speichern?": Nein
        for (QAbstractButton* button : question->findChildren<QAbstractButton*>()) {
            if (button->text() == QStringLiteral("&Nein"))
                button->click();
        }
    });
    session.Frame().Action(Command::New)->trigger();
    RunEventsFor(50);
    EXPECT_EQ(answerer.PendingHandlers(), 0);
    EXPECT_EQ(Focused(), IDC_T);
    EXPECT_EQ(session.Frame().focusWidget(), Widget(IDC_T));
}

TEST_F(KeyboardTest, EscapeClosesTheExtrasWindows) {
    for (const Command command : {Command::SizingTable, Command::FillingCurves}) {
        session.Frame().Action(command)->trigger();
        QWidget* window = command == Command::SizingTable
                              ? static_cast<QWidget*>(session.Frame().SizingTable())
                              : session.Frame().FillingCurves();
        ASSERT_NE(window, nullptr);
        guitest::ShowActive(*window);
        ASSERT_TRUE(window->isVisible());
        // From the window's field that has the focus, or the window itself.
        guitest::PressKey(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << static_cast<int>(command);
        // Enter on its focused button "Schließen" closes it as well.
        session.Frame().Action(command)->trigger();
        guitest::ShowActive(*window);
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Schl&ießen"))
                guitest::PressKey(button, Qt::Key_Return);
        }
        EXPECT_FALSE(window->isVisible()) << static_cast<int>(command);
    }
}

TEST_F(KeyboardTest, EveryWindowFitsTheScreen) {
    const QSize room = session.Frame().screen()->availableGeometry().size();
    // A screen of 1024 x 768 less the window frame and title bar.
    const auto fits = [&](const QWidget& window) { return window.width() <= 1008 && window.height() <= 728; };
    EXPECT_TRUE(fits(session.Frame())) << session.Frame().width() << "x" << session.Frame().height();
    session.Frame().Action(Command::SizingTable)->trigger();
    EXPECT_TRUE(fits(*session.Frame().SizingTable()));
    session.Frame().Action(Command::FillingCurves)->trigger();
    EXPECT_TRUE(fits(*session.Frame().FillingCurves()))
        << session.Frame().FillingCurves()->width() << "x" << session.Frame().FillingCurves()->height()
        << " in " << room.width() << "x" << room.height();
    QSize preview;
    answerer.Then([&](QWidget* dialog) {
        preview = dialog->size();
        dialog->close();
    });
    session.Frame().Action(Command::PrintPreview)->trigger();
    EXPECT_FALSE(preview.isEmpty());
    EXPECT_TRUE(preview.width() <= room.width() && preview.height() <= room.height())
        << preview.width() << "x" << preview.height() << " in " << room.width() << "x" << room.height();
}

}  // namespace
