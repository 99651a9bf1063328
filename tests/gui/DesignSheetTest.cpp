// The design sheet as the client gets it: saved as PDF from "Datei" and read back with pdftotext,
// for full and partial filling, on the job's page whatever its orientation.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <string>
#include <vector>

#include "GuiTestSupport.h"
#include "app/gui/GuiSession.h"
#include "app/gui/ModalAnswerer.h"
#include "form/model/ControlIds.h"
#include "form/PlenwickView.h"
#include "platform/qt/FormWidget.h"
#include "record/PlenwickDoc.h"

namespace {

QString PdfText(const QStringList& options, const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The words of a text with single blanks between them (columns and digit groups alike).
QString Words(const QString& text) {
    return text.simplified();
}

class DesignSheetTest : public ::testing::Test {
  protected:
    DesignSheetTest() {
        EXPECT_TRUE(session.Start());
        guitest::ShowActive(session.Frame());
    }

    QWidget* Widget(int id) { return session.Frame().Form()->WidgetFor(id); }
    void Enter(int id, const QString& text) {
        guitest::TypeInto(Widget(id), text);
        guitest::PressKey(Widget(id), Qt::Key_Tab);
    }
    bool Enabled(Command command) {
        session.Frame().UpdateCommandStates();
        return session.Frame().Action(command)->isEnabled();
    }

    // "Bemessungsblatt als PDF speichern..." into the machine directory; the file's text.
    QString SavedSheet(const QStringList& options = {QStringLiteral("-layout")}) {
        // The dialog's own default name, so that its late setting of the name cannot undo the choice.
        const QString pdf = machine.File(QStringLiteral("Bemessungsblatt.pdf"));
        answerer.Then([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            EXPECT_NE(files, nullptr);
            if (!files)
                return;
            files->selectFile(pdf);
            QMetaObject::invokeMethod(files, "accept");
        });
        session.Frame().UpdateCommandStates();  // as opening the menu does
        session.Frame().Action(Command::SaveDesignSheetPdf)->trigger();
        EXPECT_EQ(answerer.PendingHandlers(), 0);
        return PdfText(options, pdf);
    }

    guitest::ScratchMachine machine;
    ModalAnswerer answerer;  // answers the start-up's printer warning
    GuiSession session;
};

TEST_F(DesignSheetTest, CommandsWaitForAResult) {
    for (Command command :
         {Command::PrintDesignSheet, Command::PreviewDesignSheet, Command::SaveDesignSheetPdf})
        EXPECT_FALSE(Enabled(command)) << static_cast<int>(command);
    Enter(IDC_V, QStringLiteral("1"));
    guitest::ClickInto(Widget(IDC_BERECHNEN));
    for (Command command :
         {Command::PrintDesignSheet, Command::PreviewDesignSheet, Command::SaveDesignSheetPdf})
        EXPECT_TRUE(Enabled(command)) << static_cast<int>(command);
    EXPECT_EQ(session.Frame().Action(Command::SaveDesignSheetPdf)->statusTip(),
              QStringLiteral("Speichert das Bemessungsblatt als PDF-Datei."));
    // A changed input leaves no result to state.
    Enter(IDC_V, QStringLiteral("2"));
    EXPECT_FALSE(Enabled(Command::PrintDesignSheet));
}

TEST_F(DesignSheetTest, FullFillingSheetStatesProjectPipeValuesAndChecks) {
    session.App().Document().SetProjectHeader(
        {"Ortsnetz Nord", "Haltung H 12", "M. Weber", "Druckleitung vom Pumpwerk zum Hochbehälter"});
    Enter(IDC_V, QStringLiteral("1"));
    guitest::ClickInto(Widget(IDC_BERECHNEN));
    const QString text = Words(SavedSheet());
    for (const char* expected : {"Bemessungsblatt",
                                 "Ortsnetz Nord",
                                 "Haltung H 12",
                                 "M. Weber",
                                 "Druckleitung vom Pumpwerk",
                                 "Gefälle J = 11,46 m/km",
                                 "K7",
                                 "DN 100",
                                 "118,0",
                                 "101,00",
                                 "Ansatz: k - manuelle Eingabe",
                                 "0,100",
                                 "1010",
                                 "1,296",
                                 "9,81",
                                 "28,84",
                                 "Reynoldszahl Re 77 921 –",
                                 "0,02271",
                                 "Geprüfte Grenzen und Kriterien",
                                 "Colebrook-White-Iteration konvergiert (6 Schritte)",
                                 "2350 ≤ Re ≤ 57 000 000",
                                 "Seite 1 von 1",
                                 "Erstellt mit Quellrix V 1.0"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    }
    // Numbers with a decimal comma only (date and version aside); full filling has no curve.
    EXPECT_FALSE(QString(text)
                     .remove(QRegularExpression(QStringLiteral("Datum: [0-9.]+|V 1\\.0")))
                     .contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Teilfüllungskurve")));
    EXPECT_FALSE(text.contains(QStringLiteral("nicht eingehalten")));
}

TEST_F(DesignSheetTest, PartialFillingSheetDrawsTheCurveWithItsOperatingPoint) {
    guitest::ClickInto(Widget(IDC_PARTIAL_FILLING));
    Enter(IDC_V, QStringLiteral("1"));
    Enter(IDC_HT, QStringLiteral("50"));
    guitest::ClickInto(Widget(IDC_BERECHNEN));
    const QString text = Words(SavedSheet());
    for (const char* expected :
         {"gesucht: Gefälle J · Teilfüllung", "Teilfüllung:", "ht = 50,0 mm", "Füllungsgrad h/d", "0,495",
          "Wasserspiegelbreite b", "Teilfüllungskurve", "Qt/Q angepasst", "vt/v exakt",
          "Betriebspunkt h/d = 0,495", "Füllhöhe 5 mm ≤ ht ≤ di", "Fließzustand",
          "Wandschubspannung τ =", "Seite 1 von 1"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    }
}

// A landscape job: the sheet keeps its proportions, every word stays on the paper and above the footer,
// even with project texts far too long for their fields.
TEST_F(DesignSheetTest, SheetStaysOnALandscapePage) {
    session.App().Document().SetProjectHeader({std::string(300, 'P'), "", "", std::string(2000, 'x') + " y"});
    guitest::ClickInto(Widget(IDC_PARTIAL_FILLING));
    Enter(IDC_V, QStringLiteral("1"));
    Enter(IDC_HT, QStringLiteral("80"));
    guitest::ClickInto(Widget(IDC_BERECHNEN));
    session.Printer().JobPrinter().setPageOrientation(QPageLayout::Landscape);
    const QString boxes = SavedSheet({QStringLiteral("-bbox")});
    const QRegularExpressionMatch page =
        QRegularExpression(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\"")).match(boxes);
    ASSERT_TRUE(page.hasMatch()) << boxes.toStdString();
    const double width = page.captured(1).toDouble(), height = page.captured(2).toDouble();
    EXPECT_GT(width, height);
    struct Word {
        double xMin, yMin, xMax, yMax;
        std::string text;
    };
    std::vector<Word> words;
    const QRegularExpression box(QStringLiteral(
        "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    for (auto it = box.globalMatch(boxes); it.hasNext();) {
        const QRegularExpressionMatch found = it.next();
        words.push_back({found.captured(1).toDouble(), found.captured(2).toDouble(),
                         found.captured(3).toDouble(), found.captured(4).toDouble(),
                         found.captured(5).toStdString()});
    }
    ASSERT_GT(words.size(), 150u);
    const auto footer =
        std::find_if(words.begin(), words.end(), [](const Word& w) { return w.text == "Seite"; });
    ASSERT_NE(footer, words.end());
    EXPECT_LT(footer->yMax, height);
    for (const Word& w : words) {
        EXPECT_GT(w.xMin, 0) << w.text;
        EXPECT_LT(w.xMax, width) << w.text;
        if (w.yMin < footer->yMin - 1) {
            EXPECT_LT(w.yMax, footer->yMin) << w.text;
        }
    }
}

}  // namespace
