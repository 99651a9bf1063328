// The whole program in its window: start-up, menus, toolbar and status bar, a calculation typed
// and clicked as a user does, a clamping message, printing to PDF, the about box and closing.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QWindow>

#include <algorithm>
#include <filesystem>

#include "GuiTestSupport.h"
#include "app/gui/GuiSession.h"
#include "app/gui/LockIndicators.h"
#include "app/gui/ModalAnswerer.h"
#include "app/gui/ProjectDialog.h"
#include "form/model/ControlIds.h"
#include "form/PlenwickView.h"
#include "help/HelpLauncher.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/qt/FormWidget.h"
#include "record/PlenwickDoc.h"

namespace {

// The caption as the desktop shows it: the mark of unsaved changes in place of "[*]".
QString ShownTitle(QWidget& window) {
    return window.windowHandle() ? window.windowHandle()->title() : QString();
}

// Answers the next modal window by its button with the text.
std::function<void(QWidget*)> Choose(const QString& button) {
    return [button](QWidget* modal) {
        for (QPushButton* candidate : modal->findChildren<QPushButton*>()) {
            if (candidate->text().remove(u'&') == button) {
                candidate->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << button.toStdString();
    };
}

QStringList ActionTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* action : actions) texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        EXPECT_TRUE(session.Start());
        guitest::ShowActive(session.Frame());
    }

    QWidget* Widget(int id) { return session.Frame().Form()->WidgetFor(id); }
    QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(Widget(id)); }
    QAction* Action(Command command) { return session.Frame().Action(command); }
    void PressTab() { guitest::PressKey(Widget(session.App().View().Controls().FocusedId()), Qt::Key_Tab); }

    guitest::ScratchMachine machine;
    ModalAnswerer answerer;  // answers the start-up's printer warning
    GuiSession session;
};

TEST_F(MainWindowTest, StartsWithTheDocumentTitleAndWarnsOfTheMissingPrinter) {
    EXPECT_EQ(ShownTitle(session.Frame()), QStringLiteral("Quellrix V 1.0"));
    ASSERT_EQ(answerer.MessageBoxes().size(), 1u);
    EXPECT_TRUE(
        answerer.MessageBoxes()[0].text.startsWith(QStringLiteral("Es ist kein Standarddrucker definiert!")));
    EXPECT_EQ(answerer.MessageBoxes()[0].icon, QMessageBox::Warning);
    // The first showing filled the form from the default settings file.
    EXPECT_EQ(Edit(IDC_T)->text(), QStringLiteral("10.0"));
    EXPECT_EQ(Edit(IDC_DI)->text(), QStringLiteral("101.00"));
    EXPECT_TRUE(Edit(IDC_J)->isReadOnly());
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsAndStates) {
    const QList<QAction*> menus = session.Frame().menuBar()->actions();
    EXPECT_EQ(ActionTexts(menus), (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&Extras", "&?"}));
    EXPECT_EQ(ActionTexts(menus[0]->menu()->actions()),
              (QStringList{"&Neu\tStrg+N", "Ö&ffnen...\tStrg+O", "S&peichern\tStrg+S", "Speichern &unter...",
                           "|", "Pro&jektangaben...", "|", "&Drucken...\tStrg+P", "Sei&tenansicht",
                           "&Als PDF speichern...", "Be&messungsblatt drucken...",
                           "Bemessungsblatt-Seitenans&icht", "Bemessungsblatt a&ls PDF speichern...",
                           "Drucker&einrichtung...", "|", "Letzte Datei", "|", "&Beenden"}));
    EXPECT_EQ(ActionTexts(menus[1]->menu()->actions()),
              (QStringList{"&Rückgängig\tStrg+Z", "|", "&Ausschneiden\tStrg+X", "&Kopieren\tStrg+C",
                           "E&infügen\tStrg+V", "|", "&Ergebnisse kopieren\tStrg+Umschalt+C"}));
    EXPECT_EQ(ActionTexts(menus[2]->menu()->actions()), (QStringList{"&Symbolleiste", "S&tatusleiste"}));
    EXPECT_EQ(ActionTexts(menus[3]->menu()->actions()),
              (QStringList{"&Bemessungstabelle...", "&Teilfüllungskurve..."}));
    EXPECT_EQ(ActionTexts(menus[4]->menu()->actions()), (QStringList{"Inf&o über Quellrix...", "&Hilfe"}));

    // Disabled even while a text field has the focus.
    guitest::ClickInto(Edit(IDC_V));
    session.Frame().UpdateCommandStates();
    for (Command command : {Command::Undo, Command::Cut, Command::Copy, Command::Paste}) {
        EXPECT_FALSE(Action(command)->isEnabled()) << static_cast<int>(command);
    }
    for (Command command :
         {Command::New, Command::Open, Command::Save, Command::SaveAs, Command::ProjectHeader, Command::Print,
          Command::PrintPreview, Command::PrintSetup, Command::About, Command::Help, Command::Exit}) {
        EXPECT_TRUE(Action(command)->isEnabled()) << static_cast<int>(command);
    }
    EXPECT_EQ(Action(Command::Print)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(Action(Command::Print)->statusTip(), QStringLiteral("Druckt das aktive Dokument."));
    EXPECT_EQ(Action(Command::Print)->toolTip(), QStringLiteral("Drucken"));
}

TEST_F(MainWindowTest, ToolbarAndStatusBarShowAndHide) {
    QToolBar* toolBar = session.Frame().ToolBar();
    EXPECT_EQ(ActionTexts(toolBar->actions()),
              (QStringList{"&Neu\tStrg+N", "Ö&ffnen...\tStrg+O", "S&peichern\tStrg+S", "|",
                           "&Ausschneiden\tStrg+X", "&Kopieren\tStrg+C", "E&infügen\tStrg+V", "|",
                           "&Drucken...\tStrg+P", "|", "Inf&o über Quellrix..."}));
    for (QAction* action : toolBar->actions()) EXPECT_TRUE(action->isSeparator() || !action->icon().isNull());

    QStatusBar* status = session.Frame().statusBar();
    EXPECT_EQ(status->currentMessage(), QStringLiteral("Bereit"));
    status->showMessage(QStringLiteral("Druckt das aktive Dokument."));
    status->clearMessage();
    EXPECT_EQ(status->currentMessage(), QStringLiteral("Bereit"));
    const LockIndicators* locks = session.Frame().Indicators();
    EXPECT_EQ(locks->CapsLock()->property("indicator").toString(), QStringLiteral("UF"));
    EXPECT_EQ(locks->NumLock()->property("indicator").toString(), QStringLiteral("NUM"));
    EXPECT_EQ(locks->ScrollLock()->property("indicator").toString(), QStringLiteral("RF"));

    for (Command command : {Command::ToggleToolbar, Command::ToggleStatusBar}) {
        EXPECT_TRUE(Action(command)->isChecked());
        Action(command)->trigger();
        EXPECT_FALSE(Action(command)->isChecked());
        Action(command)->trigger();
        EXPECT_TRUE(Action(command)->isChecked());
    }
    EXPECT_TRUE(toolBar->isVisible());
    EXPECT_TRUE(status->isVisible());
}

// After "Berechnen" in partial filling the status bar rests on the flow state and the wall shear stress,
// as long as the record holds that result.
TEST_F(MainWindowTest, StatusBarSaysTheFlowStateOfAPartlyFilledResult) {
    QStatusBar* status = session.Frame().statusBar();
    guitest::ClickInto(Widget(IDC_PARTIAL_FILLING));
    guitest::TypeInto(Edit(IDC_V), QStringLiteral("1"));
    guitest::TypeInto(Edit(IDC_HT), QStringLiteral("50"));
    guitest::ClickInto(Widget(IDC_BERECHNEN));
    const std::string notice = session.App().View().PartialFillingNotice();
    EXPECT_EQ(notice.rfind("Teilfüllung ", 0), 0u) << notice;
    EXPECT_EQ(status->currentMessage().toStdString().rfind(notice, 0), 0u);
    status->showMessage(QStringLiteral("Druckt das aktive Dokument."));
    status->clearMessage();
    EXPECT_EQ(status->currentMessage().toStdString().rfind(notice, 0), 0u);
    guitest::TypeInto(Edit(IDC_V), QStringLiteral("2"));
    guitest::ClickInto(Edit(IDC_HT));  // leaving v stores it: the result is gone
    EXPECT_EQ(status->currentMessage(), QStringLiteral("Bereit"));
}

TEST_F(MainWindowTest, WindowFitsTheForm) {
    auto* area = session.Frame().findChild<QScrollArea*>(QStringLiteral("formArea"));
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->viewport()->size(), session.Frame().Form()->size());
}

TEST_F(MainWindowTest, TypedVelocityAndBerechnenGiveTheSameJAsHeadless) {
    guitest::TypeInto(Edit(IDC_V), QStringLiteral("1"));
    PressTab();
    guitest::ClickInto(Widget(IDC_BERECHNEN));

    headless::HeadlessPlatform hp;
    CPlenwickDoc doc;
    CPlenwickView view(doc, hp.Services());
    view.OnInitialUpdate();
    view.Controls().UserType(IDC_V, "1");
    view.Controls().UserTab();
    view.Controls().UserClick(IDC_BERECHNEN);

    ASSERT_FALSE(view.Field(IDC_J).GetText().empty());
    EXPECT_EQ(Edit(IDC_J)->text().toStdString(), view.Field(IDC_J).GetText());
    for (int id : {IDC_Q_LS, IDC_Q_M3H, IDC_RE, IDC_LAMBDA}) {
        EXPECT_EQ(Edit(id)->text().toStdString(), view.Field(id).GetText()) << id;
    }
    EXPECT_EQ(Edit(IDC_J)->palette().color(QPalette::Disabled, QPalette::Base), QColor(240, 240, 0));
    EXPECT_GT(guitest::CountPixels(Edit(IDC_J), {240, 240, 0}), 100);
    EXPECT_EQ(answerer.MessageBoxes().size(), 1u);  // nothing beyond the printer warning
}

// Partial filling far below the range of the fitted relations: the status bar says so beside the result,
// and "Bereit" again once the result is gone.
TEST_F(MainWindowTest, StatusBarCarriesTheFittedFillingNote) {
    platform::ControlSet& form = session.App().View().Controls();
    ASSERT_TRUE(form.UserSelectTab(IDC_SOUGHT, 0));
    form.UserClick(IDC_PARTIAL_FILLING);
    form.UserType(IDC_V, "1");
    form.UserType(IDC_QT_LS, "0.05");
    form.UserClick(IDC_BERECHNEN);
    const QString note = session.Frame().statusBar()->currentMessage();
    const std::string fittedNote = session.App().View().ResultNote();
    EXPECT_EQ(fittedNote.rfind("Teilfüllung nach Näherungsformeln", 0), 0u) << fittedNote;
    EXPECT_NE(note.toStdString().find(fittedNote), std::string::npos) << note.toStdString();
    form.UserType(IDC_V, "2");
    form.UserLeave();
    EXPECT_EQ(session.Frame().statusBar()->currentMessage(), QStringLiteral("Bereit"));
}

TEST_F(MainWindowTest, OutOfRangeEntryShowsItsMessageAndTheLimit) {
    guitest::TypeInto(Edit(IDC_V), QStringLiteral("0,01"));
    PressTab();
    ASSERT_EQ(answerer.MessageBoxes().size(), 2u);
    EXPECT_EQ(answerer.MessageBoxes()[1].text, QStringLiteral("v ist zu klein und wird begrenzt."));
    EXPECT_EQ(answerer.MessageBoxes()[1].icon, QMessageBox::NoIcon);
    EXPECT_EQ(Edit(IDC_V)->text(), QStringLiteral("0.050000"));
    EXPECT_EQ(session.App().View().Controls().FocusedId(), IDC_Q_LS);
}

// The window starts with the focus where the runner starts it, and a DN typed into its list is taken
// on Return and refused on leaving when it is no entry.
TEST_F(MainWindowTest, StartsInTheTemperatureFieldAndTakesATypedDn) {
    EXPECT_EQ(session.App().View().Controls().FocusedId(), IDC_T);
    auto* dn = qobject_cast<QComboBox*>(Widget(IDC_DN));
    ASSERT_NE(dn, nullptr);
    guitest::ClickInto(dn);
    dn->lineEdit()->selectAll();
    QTest::keyClicks(dn->lineEdit(), QStringLiteral("150"));
    guitest::PressKey(dn->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Edit(IDC_DA)->text(), QStringLiteral("170"));
    EXPECT_EQ(Edit(IDC_DI)->text(), QStringLiteral("153.00"));

    dn->lineEdit()->selectAll();
    QTest::keyClicks(dn->lineEdit(), QStringLiteral("155"));
    guitest::ClickInto(Edit(IDC_V));
    EXPECT_EQ(dn->lineEdit()->text(), QStringLiteral("150"));
    EXPECT_EQ(Edit(IDC_DI)->text(), QStringLiteral("153.00"));
}

TEST_F(MainWindowTest, PrintsTheReportToPdf) {
    guitest::TypeInto(Edit(IDC_V), QStringLiteral("1"));
    PressTab();
    guitest::ClickInto(Widget(IDC_BERECHNEN));
    const QString pdf = machine.File(QStringLiteral("bericht.pdf"));
    session.Printer().JobPrinter().setOutputFileName(pdf);
    answerer.Then([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_TRUE(session.App().Execute(Command::Print));
    EXPECT_EQ(answerer.PendingHandlers(), 0);

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Quellrix V 1.0"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Seite 1 von 1"))) << text.toStdString();
    EXPECT_TRUE(text.contains(Edit(IDC_J)->text().left(5))) << text.toStdString();
}

// Landscape: the page is laid out on the job's printable area, so frame, maker line and page number
// stay on the paper.
TEST_F(MainWindowTest, PrintsTheReportOnThePageOfTheJob) {
    const QString pdf = machine.File(QStringLiteral("quer.pdf"));
    QPrinter& printer = session.Printer().JobPrinter();
    printer.setOutputFileName(pdf);
    printer.setPageOrientation(QPageLayout::Landscape);
    answerer.Then([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_TRUE(session.App().Execute(Command::Print));

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString boxes = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const QRegularExpression page(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    const QRegularExpressionMatch size = page.match(boxes);
    ASSERT_TRUE(size.hasMatch()) << boxes.toStdString();
    const double width = size.captured(1).toDouble(), height = size.captured(2).toDouble();
    EXPECT_GT(width, height);
    const QRegularExpression word(
        QStringLiteral("xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">(Veltrum-Berlin|Seite|1)</word>"));
    int footerWords = 0;
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const QRegularExpressionMatch found = it.next();
        EXPECT_LT(found.captured(1).toDouble(), width) << found.captured(3).toStdString();
        EXPECT_LT(found.captured(2).toDouble(), height) << found.captured(3).toStdString();
        ++footerWords;
    }
    EXPECT_GE(footerWords, 3);
}

// Result and locked fields: dark text on the yellow mark; a locked field's text can be selected and
// copied but not typed into, and selecting in it does not leave the field that has the focus.
TEST_F(MainWindowTest, LockedResultCanBeReadAndCopied) {
    guitest::TypeInto(Edit(IDC_V), QStringLiteral("1"));
    guitest::PressKey(Edit(IDC_V), Qt::Key_Return);
    QLineEdit* j = Edit(IDC_J);
    const QString result = j->text();
    ASSERT_FALSE(result.isEmpty());
    EXPECT_EQ(j->palette().color(QPalette::Active, QPalette::Base), QColor(240, 240, 0));
    EXPECT_LT(j->palette().color(QPalette::Active, QPalette::Text).lightness(), 60);
    const QImage picture = j->grab().toImage();
    int dark = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) dark += picture.pixelColor(x, y).lightness() < 60 ? 1 : 0;
    }
    EXPECT_GT(dark, 20);

    const int focused = session.App().View().Controls().FocusedId();
    const std::size_t messages = answerer.MessageBoxes().size();
    guitest::ClickInto(j);
    EXPECT_EQ(QApplication::focusWidget(), j);
    EXPECT_EQ(session.App().View().Controls().FocusedId(), focused);
    guitest::PressKey(j, Qt::Key_A, Qt::ControlModifier);
    guitest::PressKey(j, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), result);
    std::unique_ptr<QMenu> menu(j->createStandardContextMenu());
    QAction* copy = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().contains(QStringLiteral("Kopieren")))
            copy = action;
    }
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->isEnabled());

    QTest::keyClicks(j, QStringLiteral("5"));
    guitest::PressKey(j, Qt::Key_Delete);
    EXPECT_EQ(j->text(), result);
    EXPECT_EQ(session.App().View().Field(IDC_J).GetText(), result.toStdString());
    EXPECT_EQ(answerer.MessageBoxes().size(), messages);
}

// Enter in a number field and Alt+R act as a click on "Berechnen": the field is left first.
TEST_F(MainWindowTest, EnterAndTheMnemonicCalculate) {
    EXPECT_EQ(qobject_cast<QPushButton*>(Widget(IDC_BERECHNEN))->text(), QStringLiteral("Be&rechnen"));
    for (const bool enter : {true, false}) {
        session.App().View().OnClear();
        guitest::TypeInto(Edit(IDC_V), QStringLiteral("1,0"));
        if (enter) {
            guitest::PressKey(Edit(IDC_V), Qt::Key_Enter);
        } else {
            guitest::PressKey(Edit(IDC_V), Qt::Key_R, Qt::AltModifier);
            RunEventsFor(300);  // a mnemonic clicks the button as an animated click
        }
        EXPECT_EQ(Edit(IDC_V)->text(), QStringLiteral("1.0")) << enter;
        EXPECT_FALSE(Edit(IDC_Q_LS)->text().isEmpty()) << enter;  // the velocity's leave
        EXPECT_TRUE(session.App().View().Field(IDC_J).HasResultMark()) << enter;
        EXPECT_EQ(session.App().View().Controls().FocusedId(), IDC_BERECHNEN) << enter;
    }
}

TEST_F(MainWindowTest, F1OpensTheHelpAndCtrlQCloses) {
    EXPECT_EQ(Action(Command::Help)->shortcut(), QKeySequence(Qt::Key_F1));
    // No browser association: the help page is written, its start fails with a message.
    qputenv("XDG_DATA_HOME", machine.Path().toLocal8Bit());
    qputenv("XDG_DATA_DIRS", machine.Path().toLocal8Bit());
    qunsetenv("BROWSER");
    QSignalSpy help(Action(Command::Help), &QAction::triggered);
    guitest::PressKey(Edit(IDC_V), Qt::Key_F1);
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_DATA_DIRS");
    EXPECT_EQ(help.count(), 1);
    const QString helpFile = QString::fromStdString(help::BuildHelpFileName());
    EXPECT_TRUE(helpFile.endsWith(QStringLiteral("/vel1.html"))) << helpFile.toStdString();
    EXPECT_TRUE(QFile::exists(helpFile));
    EXPECT_EQ(std::filesystem::status(QFileInfo(helpFile).path().toStdString()).permissions(),
              std::filesystem::perms::owner_all);  // a folder only its user may enter

    guitest::ShowActive(session.Frame());  // back from the message box
    guitest::PressKey(Edit(IDC_V), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(session.App().IsRunning());
    EXPECT_FALSE(session.Frame().isVisible());
}

TEST_F(MainWindowTest, AboutBoxOpensWithItsPictureAndClosesWithOk) {
    QString title;
    bool picture = false;
    answerer.Then([&](QWidget* about) {
        title = about->windowTitle();
        for (QLabel* label : about->findChildren<QLabel*>()) picture = picture || !label->pixmap().isNull();
        for (QPushButton* button : about->findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("&OK"))
                button->click();
        }
    });
    Action(Command::About)->trigger();
    EXPECT_EQ(answerer.PendingHandlers(), 0);
    EXPECT_EQ(title, QStringLiteral("Info über Quellrix V 1.0"));
    EXPECT_TRUE(picture);
    EXPECT_TRUE(session.Frame().isVisible());
}

TEST_F(MainWindowTest, ClosingTheWindowWritesTheGlobalData) {
    guitest::TypeInto(Edit(IDC_G), QStringLiteral("9,80"));
    guitest::TypeInto(Edit(IDC_T), QStringLiteral("12"));  // leaves g
    answerer.Then(Choose(QStringLiteral("Nein")));
    session.Frame().close();
    EXPECT_FALSE(session.App().IsRunning());
    QFile ini(machine.File(QStringLiteral("Rohre.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString contents = QString::fromLatin1(ini.readAll());
    EXPECT_TRUE(contents.contains(QStringLiteral("g=9.80"))) << contents.toStdString();
    EXPECT_TRUE(contents.contains(QStringLiteral("Fluidtemperatur=12"))) << contents.toStdString();
}

TEST(MainWindowFileTest, AFileOnTheCommandLineOpensAndEntersTheRecentList) {
    guitest::ScratchMachine machine;
    ModalAnswerer answerer;
    const QString file = machine.File(QStringLiteral("Leitung Nord.qrx"));
    {
        GuiSession saving;
        ASSERT_TRUE(saving.Start());
        guitest::TypeInto(saving.Frame().Form()->WidgetFor(IDC_V), QStringLiteral("1.5"));
        ASSERT_TRUE(saving.App().SaveDocument(file.toStdString()));
    }
    {
        GuiSession session;
        ASSERT_TRUE(session.Start(file.toStdString()));
        EXPECT_EQ(ShownTitle(session.Frame()), QStringLiteral("Leitung Nord.qrx - Quellrix"));
        EXPECT_EQ(qobject_cast<QLineEdit*>(session.Frame().Form()->WidgetFor(IDC_V))->text(),
                  QStringLiteral("1.5"));
        EXPECT_EQ(QSettings().value(QStringLiteral("Recent File List/File1")).toString(), file);

        // A recent file that went away is reported and leaves the list.
        session.Frame().RecentFiles().Add(machine.File(QStringLiteral("weg.qrx")));
        session.Frame().OpenRecentFile(machine.File(QStringLiteral("weg.qrx")));
        EXPECT_EQ(ShownTitle(session.Frame()), QStringLiteral("Leitung Nord.qrx - Quellrix"));
        EXPECT_EQ(session.Frame().RecentFiles().Files(), QStringList{file});
    }
    EXPECT_EQ(answerer.MessageBoxes().size(), 3u);  // the printer warning twice, the missing file

    GuiSession failing;
    EXPECT_FALSE(failing.Start(machine.File(QStringLiteral("fehlt.qrx")).toStdString()));
}

// The caption follows the file and its unsaved changes; closing asks, and "Abbrechen" keeps the window.
TEST(MainWindowFileTest, CaptionAndTheUnsavedChangesQuestion) {
    guitest::ScratchMachine machine;
    ModalAnswerer answerer;
    GuiSession session;
    ASSERT_TRUE(session.Start());
    guitest::ShowActive(session.Frame());
    CMainFrame& frame = session.Frame();
    QWidget* v = frame.Form()->WidgetFor(IDC_V);
    guitest::TypeInto(v, QStringLiteral("1"));
    guitest::PressKey(v, Qt::Key_Tab);
    EXPECT_EQ(ShownTitle(frame), QStringLiteral("Quellrix V 1.0*"));

    const QString file = machine.File(QStringLiteral("Nord.qrx"));
    ASSERT_TRUE(session.App().SaveDocument(file.toStdString()));
    EXPECT_EQ(ShownTitle(frame), QStringLiteral("Nord.qrx - Quellrix"));
    EXPECT_EQ(frame.RecentFiles().Files().value(0), file);

    // The project dialog's OK is a change.
    answerer.Then([](QWidget* modal) {
        auto* dialog = dynamic_cast<ProjectDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Projektangaben"));
        dialog->Field(0)->setText(QStringLiteral("Leitung Nord"));
        dialog->Field(3)->setText(QStringLiteral("Variante\tA"));
        dialog->accept();
    });
    frame.Action(Command::ProjectHeader)->trigger();
    EXPECT_EQ(session.App().Document().GetProjectHeader().project, "Leitung Nord");
    EXPECT_EQ(session.App().Document().GetProjectHeader().remark, "Variante A");
    EXPECT_EQ(ShownTitle(frame), QStringLiteral("Nord.qrx* - Quellrix"));

    QString question, buttons;
    answerer.Then([&](QWidget* modal) {
        question = modal->findChild<QLabel*>() ? modal->findChild<QLabel*>()->text() : QString();
        for (QPushButton* button : modal->findChildren<QPushButton*>()) buttons += button->text() + u'|';
        Choose(QStringLiteral("Abbrechen"))(modal);
    });
    frame.close();
    EXPECT_EQ(question, QStringLiteral("Änderungen speichern?"));
    EXPECT_EQ(buttons, QStringLiteral("&Ja|&Nein|&Abbrechen|"));
    EXPECT_TRUE(session.App().IsRunning());
    EXPECT_TRUE(frame.isVisible());

    answerer.Then(Choose(QStringLiteral("Ja")));
    frame.close();
    EXPECT_FALSE(session.App().IsRunning());
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("\"project\": \"Leitung Nord\""));
}

// "Öffnen..." through the file dialog shows the saved calculation; "Neu" the form of a fresh start.
TEST(MainWindowFileTest, OpenThroughTheFileDialogAndNew) {
    guitest::ScratchMachine machine;
    ModalAnswerer answerer;
    GuiSession session;
    ASSERT_TRUE(session.Start());
    guitest::ShowActive(session.Frame());
    CMainFrame& frame = session.Frame();
    auto* v = qobject_cast<QLineEdit*>(frame.Form()->WidgetFor(IDC_V));
    guitest::TypeInto(v, QStringLiteral("1.25"));
    guitest::PressKey(v, Qt::Key_Tab);
    const QString file = machine.File(QStringLiteral("Süd.qrx"));
    ASSERT_TRUE(session.App().SaveDocument(file.toStdString()));
    guitest::TypeInto(v, QStringLiteral("3"));
    guitest::PressKey(v, Qt::Key_Tab);

    answerer.Then(Choose(QStringLiteral("Nein")));
    answerer.Then([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Quellrix-Berechnungen (*.qrx)")});
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept();
    });
    frame.Action(Command::Open)->trigger();
    EXPECT_EQ(answerer.PendingHandlers(), 0);
    EXPECT_EQ(v->text(), QStringLiteral("1.25"));
    EXPECT_EQ(ShownTitle(frame), QStringLiteral("Süd.qrx - Quellrix"));

    frame.Action(Command::New)->trigger();  // nothing changed: no question
    EXPECT_EQ(v->text(), QString());
    EXPECT_EQ(qobject_cast<QLineEdit*>(frame.Form()->WidgetFor(IDC_DI))->text(), QStringLiteral("101.00"));
    EXPECT_EQ(ShownTitle(frame), QStringLiteral("Quellrix V 1.0"));
    EXPECT_FALSE(session.App().IsModified());
}

// A file on the command line that is no calculation Quellrix can open is refused, and the program
// starts with the empty form.
TEST(MainWindowFileTest, ADamagedFileOnTheCommandLineStartsTheEmptyForm) {
    guitest::ScratchMachine machine;
    const struct {
        const char* bytes;
        const char* reason;
    } cases[] = {{"{\"format\": ", "ist beschädigt: Sie ist keine vollständige JSON-Datei."},
                 {"[1, 2]", "ist keine Quellrix-Berechnung."}};
    for (const auto& c : cases) {
        ModalAnswerer answerer;
        const QString file = machine.File(QStringLiteral("kaputt.qrx"));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(c.bytes);
        out.close();
        GuiSession session;
        ASSERT_TRUE(session.Start(file.toStdString()));
        EXPECT_EQ(ShownTitle(session.Frame()), QStringLiteral("Quellrix V 1.0"));
        EXPECT_EQ(qobject_cast<QLineEdit*>(session.Frame().Form()->WidgetFor(IDC_DI))->text(),
                  QStringLiteral("101.00"));
        const QString warning =
            QStringLiteral("Die Datei \"%1\" %2\nQuellrix beginnt mit einer neuen, leeren Berechnung.")
                .arg(file, QString::fromUtf8(c.reason));
        EXPECT_TRUE(std::any_of(answerer.MessageBoxes().begin(), answerer.MessageBoxes().end(),
                                [&](const ModalAnswerer::Shown& box) { return box.text == warning; }))
            << warning.toStdString();
    }
}

// A directory is no document: the program's failure message, start-up fails, the recent list stays.
TEST(MainWindowFileTest, ADirectoryOnTheCommandLineEndsTheStart) {
    guitest::ScratchMachine machine;
    ModalAnswerer answerer;
    const QString folder = machine.File(QStringLiteral("Ordner"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QVariant recent = QSettings().value(QStringLiteral("Recent File List/File1"));
    GuiSession session;
    EXPECT_FALSE(session.Start(folder.toStdString()));
    EXPECT_FALSE(session.App().IsRunning());
    EXPECT_EQ(QSettings().value(QStringLiteral("Recent File List/File1")), recent);
    ASSERT_EQ(answerer.MessageBoxes().size(), 1u);
    EXPECT_EQ(answerer.MessageBoxes()[0].text,
              QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden.").arg(folder));
}

}  // namespace
