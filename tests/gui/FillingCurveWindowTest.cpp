// The window "Teilfüllungskurve" over a calculation typed into the form: its series, the operating
// point, following the form, saving the plot and copying the table.
#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "app/gui/FillingCurveWindow.h"
#include "app/gui/GuiSession.h"
#include "app/gui/ModalAnswerer.h"
#include "form/model/ControlIds.h"
#include "form/PlenwickView.h"
#include "hydraulics/CircularSection.h"
#include "hydraulics/Formulas.h"
#include "record/PlenwickDoc.h"
#include "platform/qt/FormWidget.h"

namespace {

class FillingCurveWindowTest : public ::testing::Test {
  protected:
    FillingCurveWindowTest() {
        EXPECT_TRUE(session.Start());
        guitest::ShowActive(session.Frame());
    }

    QWidget* Widget(int id) { return session.Frame().Form()->WidgetFor(id); }
    void Leave() { guitest::PressKey(Widget(session.App().View().Controls().FocusedId()), Qt::Key_Tab); }

    // DN 300, kb 0.75 mm, v and Q sought from J = 5 m/km, then partial filling to ht.
    void TypeSewer(const QString& ht) {
        session.App().View().Controls().UserPick(IDC_DN, 5);
        session.App().View().Controls().UserPick(IDC_ROUGHNESS, 3);
        session.App().View().Controls().UserSelectTab(IDC_SOUGHT, 1);
        guitest::TypeInto(Widget(IDC_J), QStringLiteral("5"));
        guitest::ClickInto(Widget(IDC_BERECHNEN));
        guitest::ClickInto(Widget(IDC_PARTIAL_FILLING));
        guitest::TypeInto(Widget(IDC_HT), ht);
        Leave();
    }

    FillingCurveWindow& Open() {
        session.Frame().Action(Command::FillingCurves)->trigger();
        FillingCurveWindow* window = session.Frame().FillingCurves();
        EXPECT_NE(window, nullptr);
        RunEventsFor(50);
        return *window;
    }

    template <class Series>
    Series* Find(FillingCurveWindow& window, const char* name) {
        for (QAbstractSeries* series : window.Chart()->series()) {
            if (series->name() == QString::fromUtf8(name))
                return qobject_cast<Series*>(series);
        }
        ADD_FAILURE() << "no series " << name;
        return nullptr;
    }

    const CPlenwickDoc& Doc() { return session.App().Document(); }

    guitest::ScratchMachine machine;
    ModalAnswerer answerer;  // answers the start-up's printer warning
    GuiSession session;
};

TEST_F(FillingCurveWindowTest, ExtrasMenuOpensThePlotOfBothRelationsWithTheOperatingPoint) {
    const QList<QAction*> menus = session.Frame().menuBar()->actions();
    ASSERT_EQ(menus.size(), 5);
    EXPECT_EQ(menus[3]->text(), QStringLiteral("&Extras"));
    ASSERT_EQ(menus[3]->menu()->actions().size(), 2);
    EXPECT_EQ(menus[3]->menu()->actions()[1]->text(), QStringLiteral("&Teilfüllungskurve..."));
    EXPECT_EQ(menus[4]->text(), QStringLiteral("&?"));

    TypeSewer(QStringLiteral("150"));
    FillingCurveWindow& window = Open();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Teilfüllungskurve"));

    const hydraulics::CircularSection section(
        {Doc().GetDi(), Doc().GetK(), Doc().GetNy(), Doc().GetG(), Doc().GetI()});
    ASSERT_TRUE(section.IsDefined());
    auto* fittedFlow = Find<QLineSeries>(window, "Qt/Q angepasst");
    auto* exactVelocity = Find<QLineSeries>(window, "vt/v exakt");
    ASSERT_TRUE(fittedFlow && exactVelocity && Find<QLineSeries>(window, "Qt/Q exakt") &&
                Find<QLineSeries>(window, "vt/v angepasst"));
    ASSERT_EQ(fittedFlow->count(), 101);
    ASSERT_EQ(exactVelocity->count(), 101);
    for (int i = 0; i <= 100; i += 10) {
        const double x = i / 100.0;
        EXPECT_DOUBLE_EQ(fittedFlow->at(i).x(), x);
        EXPECT_DOUBLE_EQ(fittedFlow->at(i).y(), hydraulics::PartialFlowRatio(1, x));
        EXPECT_DOUBLE_EQ(exactVelocity->at(i).y(), section.Ratios(x).velocity);
    }

    // The fitted marker is the form's own Qt/Q and vt/v at its ht/di; the exact one lies on the exact curves.
    const double x = Doc().GetHt() / Doc().GetDi();
    EXPECT_NEAR(x, 0.15 / 0.3078, 1e-12);
    auto* fitted = Find<QScatterSeries>(window, "Betriebspunkt angepasst");
    auto* exact = Find<QScatterSeries>(window, "Betriebspunkt exakt");
    ASSERT_TRUE(fitted && exact);
    ASSERT_EQ(fitted->count(), 2);
    ASSERT_EQ(exact->count(), 2);
    EXPECT_DOUBLE_EQ(fitted->at(0).x(), x);
    EXPECT_NEAR(fitted->at(0).y(), Doc().GetQt() / Doc().GetQ(), 1e-12);
    EXPECT_NEAR(fitted->at(1).y(), Doc().GetVt() / Doc().GetV(), 1e-12);
    EXPECT_DOUBLE_EQ(exact->at(0).y(), section.Ratios(x).flow);
    EXPECT_DOUBLE_EQ(exact->at(1).y(), section.Ratios(x).velocity);

    QTableWidget* table = window.PointTable();
    ASSERT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Qt/Q"));
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("0,4804"));
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("0,4787"));
    EXPECT_EQ(table->item(2, 1)->text(), QString::number(Doc().GetQt() * 1000, 'f', 2).replace('.', ','));
}

// The window reads the record again when it comes back to the front.
TEST_F(FillingCurveWindowTest, FollowsTheFormAndShowsWhatTheExactRelationsLack) {
    FillingCurveWindow& window = Open();
    EXPECT_EQ(Find<QLineSeries>(window, "Qt/Q exakt")->count(), 0);
    EXPECT_EQ(Find<QLineSeries>(window, "Qt/Q angepasst")->count(), 101);
    EXPECT_EQ(Find<QScatterSeries>(window, "Betriebspunkt angepasst")->count(), 0);
    EXPECT_FALSE(window.PointTable()->isVisible());
    const QStringList labels = [&window] {
        QStringList texts;
        for (QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
        return texts;
    }();
    EXPECT_TRUE(labels.contains(QStringLiteral("Für die exakte Kurve fehlt: J")))
        << labels.join('|').toStdString();

    TypeSewer(QStringLiteral("250"));
    Open();
    EXPECT_EQ(Find<QLineSeries>(window, "Qt/Q exakt")->count(), 101);
    ASSERT_EQ(Find<QScatterSeries>(window, "Betriebspunkt exakt")->count(), 2);
    EXPECT_DOUBLE_EQ(Find<QScatterSeries>(window, "Betriebspunkt exakt")->at(0).x(), 0.25 / 0.3078);
    EXPECT_TRUE(window.PointTable()->isVisible());

    answerer.Then([](QWidget* question) {
        for (QPushButton* button : question->findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("&Nein"))
                button->click();
        }
    });
    session.Frame().close();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(FillingCurveWindowTest, SavesThePlotAndCopiesTheTable) {
    TypeSewer(QStringLiteral("150"));
    FillingCurveWindow& window = Open();
    QTemporaryDir dir;
    const std::pair<const char*, QByteArray> formats[] = {{"kurve.png", QByteArray("\x89PNG")},
                                                          {"kurve.svg", QByteArray("<?xml")},
                                                          {"kurve.PDF", QByteArray("%PDF")}};
    for (const auto& [name, magic] : formats) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        ASSERT_TRUE(window.SaveChart(path)) << name;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.read(magic.size()) == magic) << name;
        EXPECT_GT(file.size(), 2000) << name;
    }
    EXPECT_FALSE(window.SaveChart(dir.filePath(QStringLiteral("kurve.bmp"))));
    EXPECT_FALSE(window.SaveChart(dir.filePath(QStringLiteral("missing/kurve.png"))));

    window.CopyTable();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), FillingCurveTable(window.Curves()));
}

}  // namespace
