// quellrix-screenshots OUTDIR: starts the window and saves pictures of its typical states as PNG files,
// the report of the first result as report.pdf and the design sheets of the first result and of the
// partial filling as sheet.pdf and sheet-partial.pdf.
// Each window is drawn with a plain title bar of its caption; a message box or dialog is shown in
// front of the main window.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QTest>
#include <QWindow>
#include <cstdio>

#include "app/gui/FillingCurveWindow.h"
#include "app/gui/GuiSession.h"
#include "app/gui/ModalAnswerer.h"
#include "app/gui/ProjectDialog.h"
#include "app/gui/SizingWindow.h"
#include "form/model/ControlIds.h"
#include "form/PlenwickView.h"
#include "platform/qt/FormWidget.h"
#include "record/PlenwickDoc.h"

namespace {

QString outputDir;
int failures = 0;

void Save(const QPixmap& picture, const QString& name) {
    const QString path = QDir(outputDir).filePath(name);
    if (picture.isNull() || !picture.save(path)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
        ++failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

// A window as a desktop would show it: with a title bar carrying its caption and a close box.
QPixmap Decorated(QWidget& window) {
    const QPixmap content = window.grab();
    const int bar = 26, border = 1;
    const qreal ratio = content.devicePixelRatio();
    const QSize size = content.deviceIndependentSize().toSize();
    QPixmap picture(QSize(size.width() + 2 * border, size.height() + bar + border) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(QColor(70, 74, 82));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient title(0, 0, 0, bar);
    title.setColorAt(0, QColor(92, 110, 150));
    title.setColorAt(1, QColor(60, 78, 118));
    painter.fillRect(QRect(0, 0, picture.width(), bar), title);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    // The caption as the desktop shows it, the mark of unsaved changes in place of "[*]".
    const QString caption = window.windowHandle() ? window.windowHandle()->title() : window.windowTitle();
    painter.drawText(QRect(10, 0, size.width() - 40, bar), Qt::AlignVCenter | Qt::AlignLeft, caption);
    const QRect close(size.width() - 22, 5, 16, 16);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(close.topLeft() + QPoint(4, 4), close.bottomRight() - QPoint(4, 4));
    painter.drawLine(close.topRight() + QPoint(-4, 4), close.bottomLeft() + QPoint(4, -4));
    painter.drawPixmap(border, bar, content);
    return picture;
}

// The window alone, or the window with a box in front of it, centred as on a desktop.
QPixmap Picture(QWidget& window, QWidget* box = nullptr) {
    QPixmap picture = Decorated(window);
    if (!box)
        return picture;
    const QPixmap front = Decorated(*box);
    const QSize back = picture.deviceIndependentSize().toSize();
    const QSize size = front.deviceIndependentSize().toSize();
    const QPoint at((back.width() - size.width()) / 2, (back.height() - size.height()) / 3);
    QPainter painter(&picture);
    painter.fillRect(QRect(at + QPoint(4, 4), size), QColor(0, 0, 0, 70));  // shadow
    painter.drawPixmap(at, front);
    return picture;
}

QWidget* Widget(GuiSession& session, int id) {
    return session.Frame().Form()->WidgetFor(id);
}

void Type(GuiSession& session, int id, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(Widget(session, id));
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The Tab key, pressed in the control that has the form's focus.
void Tab(GuiSession& session) {
    QTest::keyClick(Widget(session, session.App().View().Controls().FocusedId()), Qt::Key_Tab);
}

void Click(GuiSession& session, int id) {
    QTest::mouseClick(Widget(session, id), Qt::LeftButton);
}

// Saves the next modal window (with the main window behind it), then closes it with the button
// of that text (none: Escape).
void CaptureModal(ModalAnswerer& answerer, GuiSession& session, const QString& name,
                  const QString& buttonText = QString()) {
    answerer.Then([&session, name, buttonText](QWidget* modal) {
        RunEventsFor(300);
        Save(Picture(session.Frame(), modal), name);
        for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
            if (!buttonText.isEmpty() && button->text().remove(u'&') == buttonText) {
                button->click();
                return;
            }
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
}

// The design sheet of the form's result, written to a PDF file in the output directory.
void SavePdf(GuiSession& session, const QString& name) {
    const QString path = QDir(outputDir).filePath(name);
    if (!session.Printer().PrintToPdf(session.App().DesignSheet(), path)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
        ++failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ConfigureApplication(application);
    outputDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots/out");
    QDir().mkpath(outputDir);

    GuiSession session;
    ModalAnswerer answerer;
    // Without a default printer the start-up warns.
    answerer.Then([](QWidget* modal) {
        Save(Decorated(*modal), QStringLiteral("00-start-message.png"));
        static_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
    });
    if (!session.Start())
        return 1;
    CMainFrame& frame = session.Frame();
    frame.activateWindow();
    RunEventsFor(500);
    Save(Picture(frame), QStringLiteral("01-start.png"));

    Type(session, IDC_V, QStringLiteral("1"));
    Tab(session);
    Click(session, IDC_BERECHNEN);
    RunEventsFor(300);
    Save(Picture(frame), QStringLiteral("02-result.png"));

    // The report of this result, printed to a PDF file (the script renders its page).
    session.Printer().JobPrinter().setOutputFileName(QDir(outputDir).filePath(QStringLiteral("report.pdf")));
    answerer.Then([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    session.App().Execute(Command::Print);
    // The design sheet of this result for a project, straight to PDF.
    session.App().Document().SetProjectHeader(
        {"Ortsnetz Nord, Versorgungsleitung Am Mühlbach", "Haltung H 12 – H 13", "M. Weber",
         "Vorbemessung; Rohrklasse und Nennweite nach Katalog, Rauhigkeit für neue Rohre mit ZMA."});
    SavePdf(session, QStringLiteral("sheet.pdf"));

    Click(session, IDC_PARTIAL_FILLING);
    Type(session, IDC_HT, QStringLiteral("200"));
    CaptureModal(answerer, session, QStringLiteral("03-partial-message.png"), QStringLiteral("OK"));
    Tab(session);
    Type(session, IDC_HT, QStringLiteral("50"));
    Tab(session);
    Click(session, IDC_BERECHNEN);
    RunEventsFor(300);
    Save(Picture(frame), QStringLiteral("04-partial.png"));
    SavePdf(session, QStringLiteral("sheet-partial.pdf"));

    Type(session, IDC_RE, QStringLiteral("50000"));
    CaptureModal(answerer, session, QStringLiteral("05-re-dialog.png"), QStringLiteral("v"));
    Tab(session);
    RunEventsFor(300);
    Save(Picture(frame), QStringLiteral("06-after-re-dialog.png"));

    answerer.Then([](QWidget* modal) {
        modal->resize(820, 980);
        RunEventsFor(800);
        Save(Decorated(*modal), QStringLiteral("07-preview.png"));
        static_cast<QDialog*>(modal)->reject();
    });
    session.App().Execute(Command::PrintPreview);

    CaptureModal(answerer, session, QStringLiteral("08-about.png"), QStringLiteral("OK"));
    session.App().Execute(Command::About);

    // The filling curves of a sewer: DN 300, kb 0.75 mm, J = 5 m/km, filled to 180 mm.
    session.App().View().Controls().UserPick(IDC_DN, 5);
    session.App().View().Controls().UserPick(IDC_ROUGHNESS, 3);
    session.App().View().Controls().UserSelectTab(IDC_SOUGHT, 1);
    Type(session, IDC_J, QStringLiteral("5"));
    Click(session, IDC_BERECHNEN);
    Type(session, IDC_HT, QStringLiteral("180"));
    Tab(session);
    frame.Action(Command::FillingCurves)->trigger();
    RunEventsFor(500);
    Save(Picture(*frame.FillingCurves()), QStringLiteral("09-filling-curves.png"));
    frame.FillingCurves()->close();
    // The sizing table of the class for 10 l/s at 5 m/km, with its recommendation.
    frame.Action(Command::SizingTable)->trigger();
    SizingWindow* sizing = frame.SizingTable();
    for (const auto& [field, text] : {std::pair{"designFlow", "10"}, std::pair{"designSlope", "5"}}) {
        QLineEdit* edit = sizing->Field(field);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }
    RunEventsFor(300);
    Save(Decorated(*sizing), QStringLiteral("10-sizing-table.png"));
    // Pressure flow for a line of 1500 m with an inlet, two bends and a valve.
    sizing->Field("designSlope")->clear();
    sizing->Field("lineLength")->setText(QStringLiteral("1500"));
    sizing->Field("lossSum")->setText(QStringLiteral("1,72"));
    sizing->Recompute(true);
    RunEventsFor(300);
    Save(Decorated(*sizing), QStringLiteral("11-sizing-table-pressure.png"));
    answerer.Then([](QWidget* modal) {
        modal->resize(820, 980);
        RunEventsFor(800);
        Save(Decorated(*modal), QStringLiteral("12-sizing-table-preview.png"));
        static_cast<QDialog*>(modal)->reject();
    });
    for (QAbstractButton* button : sizing->findChildren<QAbstractButton*>()) {
        if (button->text() == QStringLiteral("Seiten&ansicht"))
            button->click();
    }
    sizing->close();

    // The calculation saved as a file, its project header edited in the dialog, and the question when
    // the window closes with that change unsaved.
    session.App().SaveDocument(QDir(outputDir).filePath(QStringLiteral("Leitung Nord.qrx")).toStdString());
    answerer.Then([&session](QWidget* modal) {
        auto* dialog = dynamic_cast<ProjectDialog*>(modal);
        if (!dialog)
            return;
        dialog->Field(0)->setText(QStringLiteral("Trinkwasserleitung Nord"));
        dialog->Field(1)->setText(QStringLiteral("Abschnitt 3, Hochbehälter bis Ortseingang"));
        dialog->Field(2)->setText(QStringLiteral("M. Beispiel"));
        dialog->Field(3)->setText(QStringLiteral("Variante A, Bestand DN 300"));
        RunEventsFor(300);
        Save(Picture(session.Frame(), modal), QStringLiteral("13-project-dialog.png"));
        dialog->accept();
    });
    frame.Action(Command::ProjectHeader)->trigger();
    RunEventsFor(300);
    Save(Picture(frame), QStringLiteral("14-named-changed.png"));
    CaptureModal(answerer, session, QStringLiteral("15-save-question.png"), QStringLiteral("Nein"));
    frame.close();

    if (answerer.PendingHandlers() != 0) {
        std::fprintf(stderr, "%d expected windows did not open\n", answerer.PendingHandlers());
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
