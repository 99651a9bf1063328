// The sizing table in its window, results copied from the form and the report saved as PDF, as a user
// does it through the menus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "GuiTestSupport.h"
#include "app/gui/GuiSession.h"
#include "app/gui/ModalAnswerer.h"
#include "app/gui/SizingWindow.h"
#include "form/model/ControlIds.h"
#include "form/PlenwickView.h"
#include "form/ResultsText.h"
#include "platform/Number.h"
#include "platform/qt/FormWidget.h"

namespace {

class SizingWindowTest : public ::testing::Test {
  protected:
    SizingWindowTest() {
        EXPECT_TRUE(session.Start());
        guitest::ShowActive(session.Frame());
    }

    QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(session.Frame().Form()->WidgetFor(id)); }
    SizingWindow& OpenTable() {
        session.Frame().Action(Command::SizingTable)->trigger();
        SizingWindow* window = session.Frame().SizingTable();
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->isModal());
        return *window;
    }

    guitest::ScratchMachine machine;
    ModalAnswerer answerer;  // answers the start-up's printer warning
    GuiSession session;
};

TEST_F(SizingWindowTest, TableOfTheClassWithTheRecommendationTakenByDoubleClick) {
    SizingWindow& window = OpenTable();
    EXPECT_EQ(window.Grid()->rowCount(), 0);  // no flow in the form yet
    guitest::TypeInto(window.Field("designFlow"), QStringLiteral("10"));
    guitest::TypeInto(window.Field("designSlope"), QStringLiteral("5"));
    QTableWidget* grid = window.Grid();
    ASSERT_EQ(grid->rowCount(), 14);
    ASSERT_TRUE(window.Table());
    EXPECT_EQ(window.Table()->recommended, 3);  // DN 150 runs near critical
    EXPECT_EQ(grid->item(3, 0)->text(), QStringLiteral("200"));
    EXPECT_EQ(grid->item(3, 10)->text(), QStringLiteral("Empfehlung"));
    EXPECT_EQ(grid->item(3, 8)->text(), QStringLiteral("1,20"));
    EXPECT_TRUE(grid->item(3, 0)->font().bold());
    EXPECT_EQ(grid->currentRow(), -1);  // "Übernehmen" takes the recommendation
    EXPECT_EQ(grid->item(0, 10)->text(), QStringLiteral("überlastet"));
    EXPECT_EQ(window.Field("hdMax")->placeholderText(), QStringLiteral("0,7"));
    EXPECT_EQ(window.Field("tauMin")->placeholderText(), QStringLiteral("0,867"));
    EXPECT_FALSE(window.Field("lineLength")->isEnabled());
    window.findChild<QPushButton*>(QStringLiteral("takeOver"))->click();
    EXPECT_EQ(session.App().View().List(IDC_DN).GetEditText(), "200");
    window.Grid()->selectRow(2);
    window.findChild<QPushButton*>(QStringLiteral("takeOver"))->click();
    EXPECT_EQ(session.App().View().List(IDC_DN).GetEditText(), "150");

    const QRect cell = grid->visualItemRect(grid->item(3, 0));
    // A double click is a click followed by the double-click event.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(session.App().View().List(IDC_DN).GetEditText(), "200");
    guitest::ClickInto(session.Frame().Form()->WidgetFor(IDC_BERECHNEN));
    const sizing::Row& row = window.Table()->rows[3];
    EXPECT_EQ(Edit(IDC_Q_LS)->text().toStdString(), platform::Format("%f", row.Qv * 1000));
    EXPECT_EQ(Edit(IDC_V)->text().toStdString(), platform::Format("%f", row.vv));

    // Copy: tab-separated with the inputs (the first line dated) and the header row.
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("&Kopieren"))
            button->click();
    }
    const std::string copied = QApplication::clipboard()->text().toStdString();
    const std::string expected = sizing::CopyText(*window.Table(), session.App().Clock().Now());
    EXPECT_EQ(copied.substr(copied.find('\n')), expected.substr(expected.find('\n')));
}

TEST_F(SizingWindowTest, EnterTakesTheSelectedRowInPressureFlow) {
    SizingWindow& window = OpenTable();
    guitest::TypeInto(window.Field("designFlow"), QStringLiteral("12,5"));
    ASSERT_TRUE(window.Table());
    EXPECT_EQ(window.Table()->mode, sizing::FlowMode::Pressure);
    EXPECT_FALSE(window.Field("hdMax")->isEnabled());
    EXPECT_TRUE(window.Field("lineLength")->isEnabled());
    guitest::TypeInto(window.Field("lineLength"), QStringLiteral("1000"));
    EXPECT_TRUE(window.Table()->rows[3].lineLoss);
    window.Grid()->selectRow(3);
    guitest::PressKey(window.Grid(), Qt::Key_Return);
    EXPECT_EQ(session.App().View().List(IDC_DN).GetEditText(), "200");
    guitest::ClickInto(session.Frame().Form()->WidgetFor(IDC_BERECHNEN));
    EXPECT_EQ(Edit(IDC_J)->text().toStdString(), platform::Format("%f", window.Table()->rows[3].I * 1000));
}

TEST_F(SizingWindowTest, ResultsCopiedWithControlShiftC) {
    guitest::TypeInto(Edit(IDC_V), QStringLiteral("1"));
    guitest::ClickInto(session.Frame().Form()->WidgetFor(IDC_BERECHNEN));
    QApplication::clipboard()->clear();
    guitest::PressKey(Edit(IDC_V), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), ResultsText(session.App().View()));
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("Gefälle J\t11,458330\tm/km")));
}

TEST_F(SizingWindowTest, ReportSavedAsPdfWithoutPrintDialog) {
    // The dialog's own default name, so that its late setting of the name cannot undo the choice.
    const QString pdf = machine.File(QStringLiteral("Rechenbericht.pdf"));
    answerer.Then([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        files->selectFile(pdf);
        QMetaObject::invokeMethod(files, "accept");
    });
    session.Frame().Action(Command::SavePdf)->trigger();
    EXPECT_EQ(answerer.PendingHandlers(), 0);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
}

}  // namespace
