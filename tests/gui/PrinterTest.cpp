// Printing through Qt: the fallback page, the order of the printing steps for a print job and a
// preview, a cancelled print dialog, and the text of a printed PDF.
#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QSettings>

#include "GuiTestSupport.h"
#include "app/gui/ModalAnswerer.h"
#include "platform/DrawingContext.h"
#include "platform/qt/QtPrinterService.h"

namespace {

// Writes each printing step and draws one line of text on each page.
class StepLog : public platform::Printable {
  public:
    explicit StepLog(platform::PrinterService& service) : m_service(service) {}

    bool OnPreparePrinting(platform::PrintInfo& info) override {
        steps.push_back(info.preview ? "prepare preview" : "prepare");
        info.maxPage = 1;
        return m_service.DoPreparePrinting(info);
    }
    void OnBeginPrinting(platform::DrawingContext&, platform::PrintInfo&) override {
        steps.push_back("begin");
    }
    void OnPrint(platform::DrawingContext& dc, platform::PrintInfo& info) override {
        steps.push_back("print " + std::to_string(info.currentPage) + "/" + std::to_string(info.maxPage));
        page = QSize(info.pageWidth, info.pageHeight);
        platform::FontSpec attributes;
        attributes.height = -82;
        attributes.faceName = "Arial";
        auto font = dc.CreateFont(attributes);
        platform::Font* previous = dc.SelectFont(font.get());
        deviceHeight = dc.GetTextMetrics().height;
        dc.TextOut(100, 100, "Seite 1 von 1 Prüfdruck");
        dc.SelectFont(previous);
    }
    void OnEndPrinting(platform::DrawingContext&, platform::PrintInfo&) override { steps.push_back("end"); }

    std::vector<std::string> steps;
    int deviceHeight = 0;
    QSize page;  // the job's page as the last page drawn was told

  private:
    platform::PrinterService& m_service;
};

QString PdfText(const QString& file) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

class PrinterTest : public ::testing::Test {
  protected:
    guitest::ScratchMachine machine;  // makes the application first
    qtbackend::QtPrinterService service;
    StepLog printable{service};
    ModalAnswerer answerer;
};

TEST_F(PrinterTest, FallbackPrinterIsA4At600DpiHoldingTheFallbackPage) {
    const auto printer = qtbackend::MakeFallbackPrinter();
    EXPECT_EQ(printer->resolution(), 600);
    EXPECT_EQ(printer->outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::A4);
    // Margins come in whole points: the area holds the fallback page with a few dots to spare.
    const QSize printable = printer->pageLayout().paintRectPixels(600).size();
    EXPECT_GE(printable.width(), 4676);
    EXPECT_LE(printable.width(), 4676 + 10);
    EXPECT_GE(printable.height(), 6744);
    EXPECT_LE(printable.height(), 6744 + 10);
}

TEST_F(PrinterTest, WithoutAPrinterServerThereIsNoDefaultPrinter) {
    EXPECT_EQ(service.QueryDefaultPrinter().status, platform::DefaultPrinter::Status::NoDefaultPrinter);
    EXPECT_EQ(service.JobPrinter().outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(service.JobPrinter().resolution(), 600);
}

TEST_F(PrinterTest, PrintRunsTheStepsAfterThePrintDialogAndWritesThePage) {
    const QString pdf = machine.File(QStringLiteral("report.pdf"));
    service.JobPrinter().setOutputFileName(pdf);
    answerer.Then([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    service.Print(printable);

    EXPECT_EQ(printable.steps, (std::vector<std::string>{"prepare", "begin", "print 1/1", "end"}));
    EXPECT_NEAR(printable.deviceHeight, 92, 1);  // 82 dots of character height, measured in printer dots
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(PdfText(pdf).contains(QStringLiteral("Seite 1 von 1 Prüfdruck")));
}

TEST_F(PrinterTest, CancellingThePrintDialogPrintsNothing) {
    const QString pdf = machine.File(QStringLiteral("cancelled.pdf"));
    service.JobPrinter().setOutputFileName(pdf);
    answerer.Then([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    service.Print(printable);
    EXPECT_EQ(printable.steps, (std::vector<std::string>{"prepare"}));
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrinterTest, PreviewDrawsThePageWithoutADialogAndEndsWhenClosed) {
    bool facing = true;
    answerer.Then([&](QWidget* preview) {
        RunEventsFor(100);
        facing =
            preview->findChild<QPrintPreviewWidget*>()->viewMode() == QPrintPreviewWidget::FacingPagesView;
        static_cast<QDialog*>(preview)->reject();
    });
    service.Preview(printable);
    ASSERT_GE(printable.steps.size(), 4u);
    EXPECT_EQ(printable.steps[0], "prepare preview");
    EXPECT_EQ(printable.steps[1], "begin");
    EXPECT_EQ(printable.steps[2], "print 1/1");
    EXPECT_EQ(printable.steps.back(), "end");
    EXPECT_EQ(answerer.ModalsSeen(), 1);  // no print dialog
    EXPECT_FALSE(facing);
    EXPECT_EQ(QSettings().value(QStringLiteral("Settings/PreviewPages")).toInt(), 1);
}

// The job tells the page its printable area, after the print dialog and for each preview drawing.
TEST_F(PrinterTest, EveryJobCarriesThePrintableAreaOfItsPage) {
    QPrinter& printer = service.JobPrinter();
    printer.setOutputFileName(machine.File(QStringLiteral("quer.pdf")));
    answerer.Then([&printer](QWidget* dialog) {
        printer.setPageOrientation(QPageLayout::Landscape);  // as chosen in the dialog
        static_cast<QDialog*>(dialog)->accept();
    });
    service.Print(printable);
    const QSize landscape = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    EXPECT_GT(landscape.width(), landscape.height());
    EXPECT_EQ(printable.page, landscape);

    printer.setPageSize(QPageSize(QPageSize::A5));
    printer.setPageOrientation(QPageLayout::Portrait);
    printable.page = QSize();
    answerer.Then([](QWidget* preview) {
        RunEventsFor(100);
        static_cast<QDialog*>(preview)->reject();
    });
    service.Preview(printable);
    EXPECT_EQ(printable.page, printer.pageLayout().paintRectPixels(printer.resolution()).size());
    EXPECT_LT(printable.page.width(), landscape.height());
}

TEST_F(PrinterTest, PrinterSetUpOffersThePrinters) {
    bool printerChoice = false;
    answerer.Then([&](QWidget* dialog) {
        printerChoice = qobject_cast<QPrintDialog*>(dialog) != nullptr;
        static_cast<QDialog*>(dialog)->reject();
    });
    service.PrinterSetup();
    EXPECT_EQ(answerer.PendingHandlers(), 0);
    EXPECT_TRUE(printerChoice);
}

}  // namespace
