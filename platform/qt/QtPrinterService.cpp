#include "platform/qt/QtPrinterService.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <algorithm>

#include "platform/Prompt.h"
#include "platform/qt/QtDrawingContext.h"
#include "platform/qt/ScreenFit.h"

namespace qtbackend {

namespace {

constexpr int kFallbackResolution = 600;
// A4 is 4958 x 7017 dots at 600 dpi. Margins are whole points: these leave 4683 x 6751 dots, the
// smallest area that holds the report's 4676 x 6744.
const QMarginsF kFallbackMargins(16, 16, 17, 16);

const QString kPreviewPagesKey = QStringLiteral("Settings/PreviewPages");

// Measuring at the printer's resolution without starting a job: the begin and end steps of a preview.
class MeasuringSurface {
  public:
    explicit MeasuringSurface(int resolution) : m_image(1, 1, QImage::Format_RGB32) {
        const int dotsPerMetre = static_cast<int>(resolution / 0.0254 + 0.5);
        m_image.setDotsPerMeterX(dotsPerMetre);
        m_image.setDotsPerMeterY(dotsPerMetre);
        m_painter.begin(&m_image);
    }
    QPainter& Painter() { return m_painter; }

  private:
    QImage m_image;
    QPainter m_painter;
};

// Each page is laid out on the printable area of the printer's current page, in its dots.
void PrintPages(platform::Printable& printable, QPrinter& printer, QtDrawingContext& dc,
                platform::PrintInfo& info) {
    const QRect printableArea = printer.pageLayout().paintRectPixels(printer.resolution());
    info.pageWidth = printableArea.width();
    info.pageHeight = printableArea.height();
    const int last = std::max(info.maxPage, info.minPage);
    for (int page = info.minPage; page <= last; ++page) {
        if (page > info.minPage)
            printer.newPage();
        info.currentPage = page;
        printable.OnPrint(dc, info);
    }
}

}  // namespace

std::unique_ptr<QPrinter> MakeFallbackPrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setResolution(kFallbackResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setPageMargins(kFallbackMargins, QPageLayout::Point);
    return printer;
}

QtPrinterService::QtPrinterService() = default;

QtPrinterService::~QtPrinterService() = default;

QPrinter& QtPrinterService::JobPrinter() {
    if (!m_printer) {
        const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
        if (standard.isNull()) {
            m_printer = MakeFallbackPrinter();
        } else {
            m_printer = std::make_unique<QPrinter>(standard, QPrinter::HighResolution);
        }
        m_printer->setDocName(QString::fromUtf8(platform::kApplicationTitle));
    }
    return *m_printer;
}

platform::DefaultPrinter QtPrinterService::QueryDefaultPrinter() {
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (standard.isNull())
        return {platform::DefaultPrinter::Status::NoDefaultPrinter, 0, 0};
    QPrinter printer(standard, QPrinter::HighResolution);
    if (!printer.isValid())
        return {platform::DefaultPrinter::Status::SettingsUnreadable, 0, 0};
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    return {platform::DefaultPrinter::Status::Ok, printable.width(), printable.height()};
}

bool QtPrinterService::DoPreparePrinting(platform::PrintInfo& info) {
    if (info.maxPage < info.minPage)
        info.maxPage = info.minPage;
    if (info.preview)
        return true;

    QPrinter& printer = JobPrinter();
    QPrintDialog dialog(&printer, m_parent);
    dialog.setMinMax(info.minPage, info.maxPage);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        info.minPage = std::max(info.minPage, printer.fromPage());
        info.maxPage = std::min(info.maxPage, printer.toPage());
    }
    return info.minPage <= info.maxPage;
}

void QtPrinterService::Print(platform::Printable& printable) {
    platform::PrintInfo info;
    if (!printable.OnPreparePrinting(info))
        return;
    QPrinter& printer = JobPrinter();
    QPainter painter;
    if (!painter.begin(&printer)) {
        platform::ShowMessage(platform::kPrintJobNotStarted, platform::MessageIcon::Exclamation);
        return;
    }
    QtDrawingContext dc(painter);
    printable.OnBeginPrinting(dc, info);
    PrintPages(printable, printer, dc, info);
    printable.OnEndPrinting(dc, info);
    painter.end();
}

void QtPrinterService::Preview(platform::Printable& printable) {
    platform::PrintInfo info;
    info.preview = true;
    if (!printable.OnPreparePrinting(info))
        return;

    QPrinter& printer = JobPrinter();
    MeasuringSurface measuring(printer.resolution());
    QtDrawingContext measuringDc(measuring.Painter());
    printable.OnBeginPrinting(measuringDc, info);

    QPrintPreviewDialog dialog(&printer, m_parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        QPainter painter(target);
        QtDrawingContext dc(painter);
        PrintPages(printable, *target, dc, info);
    });
    auto* pages = dialog.findChild<QPrintPreviewWidget*>();
    QSettings settings;
    if (pages && settings.value(kPreviewPagesKey, 1).toInt() == 2)
        pages->setFacingPagesViewMode();
    if (m_parent) {
        dialog.resize(FittingScreen(
            dialog, QSize(std::max(m_parent->width(), 800), std::max(m_parent->height(), 900))));
    }
    dialog.exec();
    if (pages) {
        settings.setValue(kPreviewPagesKey,
                          pages->viewMode() == QPrintPreviewWidget::FacingPagesView ? 2 : 1);
    }
    printable.OnEndPrinting(measuringDc, info);
}

bool QtPrinterService::PrintToPdf(platform::Printable& printable, const QString& path) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setResolution(kFallbackResolution);
    pdf.setPageLayout(JobPrinter().pageLayout());
    pdf.setDocName(QString::fromUtf8(platform::kApplicationTitle));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    platform::PrintInfo info;
    info.maxPage = 1;
    QtDrawingContext dc(painter);
    printable.OnBeginPrinting(dc, info);
    PrintPages(printable, pdf, dc, info);
    printable.OnEndPrinting(dc, info);
    return painter.end();
}

// The print dialog in its set-up role: printer, paper and options for the next jobs, nothing printed.
void QtPrinterService::PrinterSetup() {
    QPrintDialog dialog(&JobPrinter(), m_parent);
    dialog.setWindowTitle(QStringLiteral("Druckereinrichtung"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    dialog.exec();
}

}  // namespace qtbackend
